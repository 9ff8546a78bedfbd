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
    using Box = CheckBoxItem;
    DialogResource d;
    d.id = kProgressPrintDialogId;
    d.caption = "Progress/Warning Print Options";
    d.controls.push_back(Control(ControlKind::Static, -1, "Select Items You Want Printed:", 0, 0, 6));
    const Box grades[] = {{104, "Tests", 0, nullptr},    {105, "Quizzes", 0, nullptr},
                          {106, "Homework", 0, nullptr}, {107, "Labs", 0, nullptr},
                          {108, nullptr, kIdLetterExtra1, "%s"}, {109, nullptr, kIdLetterExtra2, "%s"}};
    const Box averages[] = {{110, "Test Average", 0, nullptr},
                            {111, "Quiz Average", 0, nullptr},
                            {112, "Homework Average", 0, nullptr},
                            {113, "Lab Average", 0, nullptr},
                            {114, nullptr, kIdLetterExtra1Average, "%s Average"},
                            {115, nullptr, kIdLetterExtra2Average, "%s Average"}};
    const Box points[] = {{116, "Test Points", 0, nullptr},
                          {117, "Quiz Points", 0, nullptr},
                          {118, "Homework Points", 0, nullptr},
                          {119, "Lab Points", 0, nullptr},
                          {120, nullptr, kIdLetterExtra1Points, "%s Points"},
                          {121, nullptr, kIdLetterExtra2Points, "%s Points"},
                          {122, "Total Points", 0, nullptr},
                          {123, "Points Possible", 0, nullptr}};
    AddCheckBoxColumn(d, grades, 1, 0);
    AddCheckBoxColumn(d, averages, 1, 2);
    AddCheckBoxColumn(d, points, 1, 4);
    AddOkCancel(d, 9, 4);
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
