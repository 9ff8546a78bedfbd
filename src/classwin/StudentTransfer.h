#pragma once
// The transfer of a student to another class file, shared by the names pane
// and the Edit Student dialog.
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

class TDecoChild;

// The Yes of the transfer question: with one class open, the destination is
// asked for and the student appended to it and seated in its chart. False
// (the student stays) when another class is open, the choice is cancelled,
// the destination is this class itself, or it did not take him (said so).
bool TransferOut(TDecoChild& child, const TStudent& student);

}  // namespace quorle
