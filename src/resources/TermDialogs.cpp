#include "resources/TermDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;
using platform::MenuItem;

DialogResource TermGradesDialogResource() {
    DialogResource d;
    d.id = kTermGradesDialogId;
    d.caption = "Term Grades";
    d.controls.push_back(Label("&Classes of the term, in order:", 0, 0, 3));
    auto list = Control(ControlKind::ListBox, kIdTermClasses, "", 1, 0, 2);
    list.rowSpan = 5;
    list.widthChars = 50;  // a class file's path
    d.controls.push_back(list);
    d.controls.push_back(Control(ControlKind::PushButton, kIdTermAdd, "&Add...", 1, 2));
    d.controls.push_back(Control(ControlKind::PushButton, kIdTermRemove, "&Remove", 2, 2));
    d.controls.push_back(Control(ControlKind::PushButton, kIdTermUp, "Move &Up", 3, 2));
    d.controls.push_back(Control(ControlKind::PushButton, kIdTermDown, "Move &Down", 4, 2));
    d.controls.push_back(Label("&Weights, in the same order (40,40,20; empty: each counts 1):", 6, 0, 3));
    d.controls.push_back(EditBox(kIdTermWeights, kTermWeightsLimit, 7, 0, 2));
    AddOkCancel(d, 8, 1);
    return d;
}

platform::Menu TermWindowMenu() {
    return {MenuItem::Popup("&File", {MenuItem::Command(cmd::kTermPrint, "&Print...", "Prints the term grades"),
                                      MenuItem::Command(cmd::kTermExport, "&Export...",
                                                        "Writes the term grades as a CSV file for a spreadsheet"),
                                      MenuItem::Separator(),
                                      MenuItem::Command(cmd::kTermClose, "&Close", "Closes the term grades")}),
            MenuItem::Popup("&Display",
                            {MenuItem::Command(cmd::kTermRankOrder, "&Rank Order",
                                               "Lists the students by term average, highest first"),
                             MenuItem::Command(cmd::kTermClassOrder, "&Class Order",
                                               "Lists the students in the order of the classes")})};
}

std::vector<platform::Accelerator> TermWindowAccelerators() {
    return {{"Ctrl+P", cmd::kTermPrint}, {"Escape", cmd::kTermClose}, {"Ctrl+W", cmd::kTermClose}};
}

}  // namespace quorle::resources
