#include "resources/DialogParts.h"

#include <iterator>
#include <vector>

namespace quorle::resources {

using platform::ControlKind;

platform::ControlResource Control(ControlKind kind, int id, std::string text, int row, int column, int columnSpan,
                                  int group) {
    platform::ControlResource c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.row = row;
    c.column = column;
    c.columnSpan = columnSpan;
    c.group = group;
    return c;
}

platform::ControlResource Label(std::string text, int row, int column, int columnSpan, int id) {
    return Control(ControlKind::Static, id, std::move(text), row, column, columnSpan);
}

platform::ControlResource EditBox(int id, int limit, int row, int column, int columnSpan, unsigned style) {
    platform::ControlResource c = Control(ControlKind::Edit, id, "", row, column, columnSpan);
    c.textLimit = limit;
    c.style = platform::kStyleBorder | style;
    return c;
}

void AddCheckBoxColumn(platform::DialogResource& dialog, std::span<const CheckBoxItem> boxes, int firstRow,
                       int column, int group) {
    int row = firstRow;
    for (const CheckBoxItem& b : boxes) {
        if (b.text != nullptr) {
            dialog.controls.push_back(Control(ControlKind::CheckBox, b.id, b.text, row, column, 2, group));
        } else {
            dialog.controls.push_back(Control(ControlKind::CheckBox, b.id, "", row, column, 1, group));
            dialog.controls.push_back(Control(ControlKind::Static, b.labelId, b.labelText, row, column + 1, 1, group));
        }
        ++row;
    }
}

void AddOkCancel(platform::DialogResource& dialog, int row, int okColumn) {
    platform::ControlResource ok = Control(ControlKind::PushButton, platform::kIdOk, "OK", row, okColumn);
    ok.style = platform::kStyleDefault;
    dialog.controls.push_back(ok);
    dialog.controls.push_back(Control(ControlKind::PushButton, platform::kIdCancel, "Cancel", row, okColumn + 1));
}

void AddFigureBoxes(platform::DialogResource& dialog, std::span<const CheckBoxItem> leading) {
    using Box = CheckBoxItem;
    std::vector<Box> grades(leading.begin(), leading.end());
    const Box categories[] = {{104, "Tests", 0, nullptr},    {105, "Quizzes", 0, nullptr},
                              {106, "Homework", 0, nullptr}, {107, "Labs", 0, nullptr},
                              {108, nullptr, kIdExtra1Label, "%s"}, {109, nullptr, kIdExtra2Label, "%s"}};
    grades.insert(grades.end(), std::begin(categories), std::end(categories));
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
    AddCheckBoxColumn(dialog, grades, 1, 0);
    AddCheckBoxColumn(dialog, averages, 1, 2);
    AddCheckBoxColumn(dialog, points, 1, 4);
    AddOkCancel(dialog, 9, 4);
}

}  // namespace quorle::resources
