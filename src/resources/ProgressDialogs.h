#pragma once
// The dialogs of progress reports and warning notices: the letter editor, the
// grades block's print options and the warning level.
#include "platform/Dialog.h"
#include "resources/DialogParts.h"

namespace quorle::resources {

inline constexpr int kProgressDialogId = 314;
inline constexpr int kProgressPrintDialogId = 315;
inline constexpr int kGradeLevelDialogId = 316;

// Edit Progress or Warning Notice: the letter's text (at most 1199 characters).
inline constexpr int kIdLetterText = 101;
inline constexpr int kLetterTextLimit = 1199;

// Progress/Warning Print Options: check boxes 104..123 in option order (index
// = id - 104). Labels beside the Extra boxes: 150 ("%s", by 108), 152 ("%s
// Average", by 114), 154 ("%s Points", by 120) for Extra1; 151, 153, 155 for Extra2.
inline constexpr int kIdFirstLetterBox = 104;
inline constexpr int kIdLastLetterBox = 123;
inline constexpr int kIdLetterExtra1 = kIdExtra1Label;
inline constexpr int kIdLetterExtra2 = kIdExtra2Label;
inline constexpr int kIdLetterExtra1Average = kIdExtra1AverageLabel;
inline constexpr int kIdLetterExtra2Average = kIdExtra2AverageLabel;
inline constexpr int kIdLetterExtra1Points = kIdExtra1PointsLabel;
inline constexpr int kIdLetterExtra2Points = kIdExtra2PointsLabel;

// Change Warning Level: the level text (at most 14 characters).
inline constexpr int kIdLevelText = 101;
inline constexpr int kLevelTextLimit = 14;

platform::DialogResource ProgressDialogResource();
platform::DialogResource ProgressPrintDialogResource();
platform::DialogResource GradeLevelDialogResource();

}  // namespace quorle::resources
