#pragma once
// The dialogs of the class window's own commands: Class Information, Window
// Display Options and Change Extra 1 or 2 Name.
#include "platform/Dialog.h"
#include "resources/DialogParts.h"

namespace quorle::resources {

inline constexpr int kClassInfoDialogId = 650;
inline constexpr int kDisplayOptionsDialogId = 310;
inline constexpr int kExtraNamesDialogId = 311;

// Class Information: edit boxes 101 course title (29), 102 instructor (49),
// 103 period/time (19).
inline constexpr int kIdCourseTitle = 101;
inline constexpr int kIdInstructor = 102;
inline constexpr int kIdPeriod = 103;

// Window Display Options: check boxes 102..123 in display flag order, with the
// Extra names' labels of the shared figure boxes.
inline constexpr int kIdFirstDisplayBox = 102;

// Change Extra 1 or 2 Name: edit boxes 101 and 102, 6 characters each.
inline constexpr int kIdExtra1Name = 101;
inline constexpr int kIdExtra2Name = 102;
inline constexpr int kExtraNameLimit = 6;

platform::DialogResource ClassInfoDialogResource();
platform::DialogResource DisplayOptionsDialogResource();
platform::DialogResource ExtraNamesDialogResource();

}  // namespace quorle::resources
