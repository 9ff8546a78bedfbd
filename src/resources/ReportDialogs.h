#pragma once
// The dialogs of the class reports: Print Display Options of the grades report.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kGradePrintDialogId = 312;

// Print Display Options: check boxes 101..123 in print option order (index =
// id - 101), radio buttons 124 "Current" and 125 "Rank" under "Print Order:".
// Labels beside the Extra boxes: 152 ("%s", by 108), 154 ("%s Average", by
// 114), 150 ("%s Points", by 120) for Extra1; 153, 155, 151 for Extra2.
inline constexpr int kIdFirstPrintBox = 101;
inline constexpr int kIdLastPrintBox = 123;
inline constexpr int kIdPrintCurrent = 124;
inline constexpr int kIdPrintRank = 125;
inline constexpr int kIdPrintExtra1Points = 150;
inline constexpr int kIdPrintExtra2Points = 151;
inline constexpr int kIdPrintExtra1 = 152;
inline constexpr int kIdPrintExtra2 = 153;
inline constexpr int kIdPrintExtra1Average = 154;
inline constexpr int kIdPrintExtra2Average = 155;
// The three frames.
inline constexpr int kIdPrintNamesFrame = 201;
inline constexpr int kIdPrintFiguresFrame = 202;
inline constexpr int kIdPrintOrderFrame = 203;

platform::DialogResource GradePrintDialogResource();

}  // namespace quorle::resources
