#include "resources/ClassDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::ControlResource;
using platform::DialogResource;

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

    // Three columns of boxes: names and grades, averages, points.
    const CheckBoxItem names[] = {{102, "First Name", 0, nullptr}, {103, "ID #", 0, nullptr}};
    AddFigureBoxes(d, names);
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
