#pragma once
// The dialog of the roster commands: the student information dialog that Add
// Students and the change of a student in the names pane show.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kStudentDialogId = 651;

// Enter/Edit Student Information: edit boxes 102 last name (14), 101 first
// name (14), 103 ID (7: more than the record keeps, so that a longer entry is
// refused with a message instead of cut without one).
inline constexpr int kIdEntryFirstName = 101;
inline constexpr int kIdEntryLastName = 102;
inline constexpr int kIdEntryId = 103;
inline constexpr int kStudentNameLimit = 14;
inline constexpr int kStudentIdBoxLimit = 7;

platform::DialogResource StudentDialogResource();

}  // namespace quorle::resources
