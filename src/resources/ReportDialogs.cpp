#include "resources/ReportDialogs.h"

#include <string>

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::ControlResource;
using platform::DialogResource;

using Box = CheckBoxItem;

DialogResource GradePrintDialogResource() {
    DialogResource d;
    d.id = kGradePrintDialogId;
    d.caption = "Print Display Options";
    d.controls.push_back(Control(ControlKind::Static, -1, "Select Items You Want Printed:", 0, 0, 3));

    // Frame 1: names and the grades of each category.
    d.controls.push_back(Control(ControlKind::GroupBox, kIdPrintNamesFrame, "", 1, 0));
    const Box names[] = {{101, "Last Name", 0, nullptr},   {102, "First Name", 0, nullptr},
                         {103, "ID #", 0, nullptr},        {104, "Tests", 0, nullptr},
                         {105, "Quizzes", 0, nullptr},     {106, "Homework", 0, nullptr},
                         {107, "Labs", 0, nullptr},        {108, nullptr, kIdPrintExtra1, "%s"},
                         {109, nullptr, kIdPrintExtra2, "%s"}};
    AddCheckBoxColumn(d, names, 0, 0, kIdPrintNamesFrame);

    // Frame 2: averages beside points.
    d.controls.push_back(Control(ControlKind::GroupBox, kIdPrintFiguresFrame, "", 1, 1));
    const Box averages[] = {{110, "Test Average", 0, nullptr},
                            {111, "Quiz Average", 0, nullptr},
                            {112, "Homework Average", 0, nullptr},
                            {113, "Lab Average", 0, nullptr},
                            {114, nullptr, kIdPrintExtra1Average, "%s Average"},
                            {115, nullptr, kIdPrintExtra2Average, "%s Average"}};
    const Box points[] = {{116, "Test Points", 0, nullptr},
                          {117, "Quiz Points", 0, nullptr},
                          {118, "Homework Points", 0, nullptr},
                          {119, "Lab Points", 0, nullptr},
                          {120, nullptr, kIdPrintExtra1Points, "%s Points"},
                          {121, nullptr, kIdPrintExtra2Points, "%s Points"},
                          {122, "Total Points", 0, nullptr},
                          {123, "Points Possible", 0, nullptr}};
    AddCheckBoxColumn(d, averages, 0, 0, kIdPrintFiguresFrame);
    AddCheckBoxColumn(d, points, 0, 2, kIdPrintFiguresFrame);

    // An empty line keeps the rows of the averages as high as the points'.
    d.controls.push_back(Control(ControlKind::Static, -1, "", 8, 0, 2, kIdPrintFiguresFrame));

    // Frame 3: the print order at the top, the rest of the frame empty.
    d.controls.push_back(Control(ControlKind::GroupBox, kIdPrintOrderFrame, "", 1, 2));
    d.controls.push_back(Control(ControlKind::Static, -1, "Print Order:", 0, 0, 1, kIdPrintOrderFrame));
    d.controls.push_back(Control(ControlKind::RadioButton, kIdPrintCurrent, "Current", 1, 0, 1, kIdPrintOrderFrame));
    d.controls.push_back(Control(ControlKind::RadioButton, kIdPrintRank, "Rank", 2, 0, 1, kIdPrintOrderFrame));
    for (int row = 3; row <= 8; ++row)
        d.controls.push_back(Control(ControlKind::Static, -1, "", row, 0, 1, kIdPrintOrderFrame));

    // OK and Cancel side by side under the last frame.
    d.controls.push_back(Control(ControlKind::PushButton, platform::kIdOk, "OK", 2, 2));
    d.controls.back().style = platform::kStyleDefault;
    d.controls.push_back(Control(ControlKind::PushButton, platform::kIdCancel, "Cancel", 3, 2));
    return d;
}

}  // namespace quorle::resources
