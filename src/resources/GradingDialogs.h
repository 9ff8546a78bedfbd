#pragma once
// The dialogs of the grading system: Grading System, Weighted Percentages and
// the two dialogs of the letter limits.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kSystemDialogId = 660;
inline constexpr int kWeightsDialogId = 661;
inline constexpr int kNoPlusDialogId = 662;
inline constexpr int kPlusDialogId = 663;

// Grading System: radio buttons 101 Points and 102 Weighted, check box 103.
inline constexpr int kIdPoints = 101;
inline constexpr int kIdWeighted = 102;
inline constexpr int kIdPlusMinus = 103;

// Weighted Percentages: edit boxes 101..106 in category order; the statics
// 111 and 112 ("%s :") carry the class's Extra1 and Extra2 names.
inline constexpr int kIdFirstWeight = 101;
inline constexpr int kIdExtra1WeightLabel = 111;
inline constexpr int kIdExtra2WeightLabel = 112;

// The limit dialogs: edit boxes 101.. in letter order (A first, or A+ first).
inline constexpr int kIdFirstLimit = 101;

// Every weight and limit box takes at most 5 characters.
inline constexpr int kGradingFieldLimit = 5;

platform::DialogResource SystemDialogResource();
platform::DialogResource WeightsDialogResource();
platform::DialogResource NoPlusDialogResource();
platform::DialogResource PlusDialogResource();

}  // namespace quorle::resources
