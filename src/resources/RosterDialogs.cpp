#include "resources/RosterDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;

platform::DialogResource StudentDialogResource() {
    platform::DialogResource d;
    d.id = kStudentDialogId;
    d.caption = "Enter/Edit Student Information";
    d.controls.push_back(Control(ControlKind::Static, -1, "Last Name:", 0, 0));
    d.controls.push_back(EditBox(kIdEntryLastName, kStudentNameLimit, 0, 1, 2));
    d.controls.push_back(Control(ControlKind::Static, -1, "First Name:", 1, 0));
    d.controls.push_back(EditBox(kIdEntryFirstName, kStudentNameLimit, 1, 1, 2));
    d.controls.push_back(Control(ControlKind::Static, -1, "I.D #:", 2, 0));
    d.controls.push_back(EditBox(kIdEntryId, kStudentIdBoxLimit, 2, 1, 1));
    AddOkCancel(d, 3, 1);
    return d;
}

}  // namespace quorle::resources
