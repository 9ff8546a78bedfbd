#include "resources/EditDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::ControlResource;
using platform::DialogResource;

namespace {

ControlResource Button(int id, std::string text, int row, int column) {
    return Control(ControlKind::PushButton, id, std::move(text), row, column);
}

}  // namespace

DialogResource GradeTypeDialogResource() {
    DialogResource d;
    d.id = kGradeTypeDialogId;
    d.caption = "Grade Type";
    d.controls.push_back(Label("Select the type of new grade:", 0, 0, 3));
    const char* named[] = {"Test", "Quiz", "HW", "Lab"};
    for (int i = 0; i < 4; ++i)
        d.controls.push_back(Control(ControlKind::RadioButton, kIdFirstGradeType + i, named[i], 1 + i, 0, 2));
    d.controls.push_back(Control(ControlKind::RadioButton, kIdFirstGradeType + 4, "", 5, 0));
    d.controls.push_back(Label("%s", 5, 1, 1, kIdExtra1TypeLabel));
    d.controls.push_back(Control(ControlKind::RadioButton, kIdFirstGradeType + 5, "", 6, 0));
    d.controls.push_back(Label("%s", 6, 1, 1, kIdExtra2TypeLabel));
    AddOkCancel(d, 7, 1);
    return d;
}

DialogResource TitleDialogResource() {
    DialogResource d;
    d.id = kTitleDialogId;
    d.caption = "New/Change Grade Title";
    d.controls.push_back(Label("Title of this test ?", 0, 0, 3, kIdTitlePrompt));
    d.controls.push_back(EditBox(kIdTitle, kTitleLimit, 1, 0, 3));
    AddOkCancel(d, 2, 1);
    return d;
}

DialogResource GradeValueDialogResource() {
    DialogResource d;
    d.id = kGradeValueDialogId;
    d.caption = "New/Change Grade Value";
    d.controls.push_back(Label("Grade in  for:", 0, 0, 3, kIdValueLine1));
    d.controls.push_back(Label("", 1, 0, 3, kIdValueLine2));
    d.controls.push_back(EditBox(kIdValue, kValueLimit, 2, 0, 1, platform::kStylePoints));
    d.controls.push_back(Control(ControlKind::CheckBox, kIdOmit, "&Omit Grade", 2, 1, 2));
    AddOkCancel(d, 3, 1);
    return d;
}

DialogResource FindStudentDialogResource() {
    DialogResource d;
    d.id = kFindStudentDialogId;
    d.caption = "Find Student";
    d.controls.push_back(Label("Part of a last or first name:", 0, 0, 2));
    d.controls.push_back(EditBox(kIdFindText, kNameLimit, 1, 0, 2));
    ControlResource next = Control(ControlKind::PushButton, platform::kIdOk, "&Find Next", 2, 0);
    next.style = platform::kStyleDefault;
    d.controls.push_back(next);
    d.controls.push_back(Control(ControlKind::PushButton, platform::kIdCancel, "Close", 2, 1));
    return d;
}

DialogResource EditStudentDialogResource() {
    DialogResource d;
    d.id = kEditStudentDialogId;
    d.caption = "Edit Student";
    // Left: the student as he stands; right: his names, ID and the chosen grade.
    d.controls.push_back(Label("Choose student:", 0, 0, 2));
    d.controls.push_back(Label("Change to:", 0, 2, 2));
    d.controls.push_back(Label("Last &Name:", 1, 0));
    d.controls.push_back(Control(ControlKind::ComboBox, kIdStudentList, "", 1, 1));
    d.controls.push_back(Label("&Last Name:", 1, 2));
    d.controls.push_back(EditBox(kIdEditLast, kNameLimit, 1, 3));
    d.controls.push_back(Label("First Name:", 2, 0));
    ControlResource first = Label("", 2, 1, 1, kIdStudentFirst);
    first.style = platform::kStyleBorder;
    d.controls.push_back(first);
    d.controls.push_back(Label("&First Name:", 2, 2));
    d.controls.push_back(EditBox(kIdEditFirst, kNameLimit, 2, 3));
    d.controls.push_back(Label("ID:", 3, 0));
    ControlResource id = Label("", 3, 1, 1, kIdStudentId);
    id.style = platform::kStyleBorder;
    d.controls.push_back(id);
    d.controls.push_back(Label("&ID:", 3, 2));
    d.controls.push_back(EditBox(kIdEditId, kIdLimit, 3, 3));
    d.controls.push_back(Label("I&tem:", 4, 0));
    d.controls.push_back(Control(ControlKind::ComboBox, kIdStudentItem, "", 4, 1));
    d.controls.push_back(Label("&Grade:", 4, 2));
    d.controls.push_back(EditBox(kIdEditGrade, kValueLimit, 4, 3, 1, platform::kStylePoints));
    d.controls.push_back(Control(ControlKind::CheckBox, kIdEditOmit, "&Omit Grade", 5, 3));
    d.controls.push_back(Button(kIdDeleteStudent, "&Delete Student", 6, 0));
    AddOkCancel(d, 6, 1);
    d.controls.push_back(Button(kIdEditHelp, "&Help", 6, 3));
    return d;
}

DialogResource RenameGradeDialogResource() {
    DialogResource d;
    d.id = kRenameGradeDialogId;
    d.caption = "Edit/Delete Grade Title";
    d.controls.push_back(Label("&Item:", 0, 0));
    d.controls.push_back(Control(ControlKind::ComboBox, kIdRenameItem, "", 0, 1, 2));
    d.controls.push_back(Label("Grade &Title:", 1, 0));
    d.controls.push_back(EditBox(kIdRenameTitle, kTitleLimit, 1, 1, 2));
    d.controls.push_back(Button(kIdDeleteItem, "&Delete Item", 2, 0));
    AddOkCancel(d, 2, 1);
    return d;
}

}  // namespace quorle::resources
