#include "resources/ProgressDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;

DialogResource ProgressDialogResource() {
    DialogResource d;
    d.id = kProgressDialogId;
    d.caption = "Edit Progress or Warning Notice";
    platform::ControlResource text = Control(ControlKind::Edit, kIdLetterText, "", 0, 0, 3);
    text.rowSpan = 1;
    text.textLimit = kLetterTextLimit;
    text.style = platform::kStyleMultiline | platform::kStyleFixedPitch;
    // Every line of the box is a line of the letter, which the printout reads
    // in lines of at most 72 characters.
    text.widthChars = 72;
    d.controls.push_back(text);
    d.controls.push_back(Control(ControlKind::Static, -1, "Put the following in braces to have printed:  ", 1, 0, 3));
    d.controls.push_back(
        Control(ControlKind::Static, -1, "{lastname}, {firstname}, {grades}, {course}, {instructor}, {date}", 2, 0, 3));
    AddOkCancel(d, 3, 1);
    return d;
}

DialogResource ProgressPrintDialogResource() {
    DialogResource d;
    d.id = kProgressPrintDialogId;
    d.caption = "Progress/Warning Print Options";
    d.controls.push_back(Control(ControlKind::Static, -1, "Select Items You Want Printed:", 0, 0, 6));
    AddFigureBoxes(d, {});
    return d;
}

DialogResource GradeLevelDialogResource() {
    DialogResource d;
    d.id = kGradeLevelDialogId;
    d.caption = "Change Warning Level";
    d.controls.push_back(Control(ControlKind::Static, -1, "Enter the new level below:", 0, 0, 2));
    platform::ControlResource level = Control(ControlKind::Edit, kIdLevelText, "", 1, 0, 2);
    level.textLimit = kLevelTextLimit;
    d.controls.push_back(level);
    d.controls.push_back(Control(ControlKind::Static, -1,
                                 "All students with an average below this will receive a warning notice.", 2, 0, 2));
    AddOkCancel(d, 3, 0);
    return d;
}

}  // namespace quorle::resources
