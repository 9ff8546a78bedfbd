#include "resources/ClassDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::ControlResource;
using platform::DialogResource;

namespace {

ControlResource Label(std::string text, int row, int column, int columnSpan = 1, int id = -1) {
    return Control(ControlKind::Static, id, std::move(text), row, column, columnSpan);
}

}  // namespace

DialogResource ClassInfoDialogResource() {
    DialogResource d;
    d.id = kClassInfoDialogId;
    d.caption = "Class Information";
    d.controls.push_back(Label("Course Title:", 0, 0));
    d.controls.push_back(EditBox(kIdCourseTitle, 29, 0, 1, 3));
    d.controls.push_back(Label("Instructor:", 1, 0));
    d.controls.push_back(EditBox(kIdInstructor, 49, 1, 1, 3));
    d.controls.push_back(Label("Period/Time:", 2, 0));
    d.controls.push_back(EditBox(kIdPeriod, 19, 2, 1, 3));
    AddOkCancel(d, 3, 2);
    return d;
}

DialogResource DisplayOptionsDialogResource() {
    DialogResource d;
    d.id = kDisplayOptionsDialogId;
    d.caption = "Window Display Options";
    d.controls.push_back(Label("Select Options for Window Display:", 0, 0, 6));

    // Three columns of boxes: names and grades, averages, points. A box
    // named after an Extra category has no text of its own; the label beside
    // it carries the class's name for the category.
    using Box = CheckBoxItem;
    const Box grades[] = {{102, "First Name", 0, nullptr}, {103, "ID #", 0, nullptr},
                          {104, "Tests", 0, nullptr},      {105, "Quizzes", 0, nullptr},
                          {106, "Homework", 0, nullptr},   {107, "Labs", 0, nullptr},
                          {108, nullptr, kIdExtra1Label, "%s"}, {109, nullptr, kIdExtra2Label, "%s"}};
    const Box averages[] = {{110, "Test Average", 0, nullptr},
                            {111, "Quiz Average", 0, nullptr},
                            {112, "Homework Average", 0, nullptr},
                            {113, "Lab Average", 0, nullptr},
                            {114, nullptr, kIdExtra1AverageLabel, "%s Average"},
                            {115, nullptr, kIdExtra2AverageLabel, "%s Average"}};
    const Box points[] = {{116, "Test Points", 0, nullptr},
                          {117, "Quiz Points", 0, nullptr},
                          {118, "Homework Points", 0, nullptr},
                          {119, "Lab Points", 0, nullptr},
                          {120, nullptr, kIdExtra1PointsLabel, "%s Points"},
                          {121, nullptr, kIdExtra2PointsLabel, "%s Points"},
                          {122, "Total Points", 0, nullptr},
                          {123, "Points Possible", 0, nullptr}};
    AddCheckBoxColumn(d, grades, 1, 0);
    AddCheckBoxColumn(d, averages, 1, 2);
    AddCheckBoxColumn(d, points, 1, 4);
    AddOkCancel(d, 9, 4);
    return d;
}

DialogResource ExtraNamesDialogResource() {
    DialogResource d;
    d.id = kExtraNamesDialogId;
    d.caption = "Change Extra 1 or 2 Name";
    d.controls.push_back(Label("Extra1 Name:", 0, 0));
    d.controls.push_back(EditBox(kIdExtra1Name, kExtraNameLimit, 0, 1, 2));
    d.controls.push_back(Label("Extra2 Name:", 1, 0));
    d.controls.push_back(EditBox(kIdExtra2Name, kExtraNameLimit, 1, 1, 2));
    AddOkCancel(d, 2, 1);
    return d;
}

}  // namespace quorle::resources
