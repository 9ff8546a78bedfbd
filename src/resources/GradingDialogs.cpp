#include "resources/GradingDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;

DialogResource SystemDialogResource() {
    DialogResource d;
    d.id = kSystemDialogId;
    d.caption = "Grading System";
    d.controls.push_back(Control(ControlKind::RadioButton, kIdPoints, "Points", 0, 0, 2));
    d.controls.push_back(Control(ControlKind::RadioButton, kIdWeighted, "Weighted", 1, 0, 2));
    d.controls.push_back(Control(ControlKind::CheckBox, kIdPlusMinus, "Plus and Minus Grades?", 2, 0, 2));
    AddOkCancel(d, 3, 0);
    return d;
}

DialogResource WeightsDialogResource() {
    DialogResource d;
    d.id = kWeightsDialogId;
    d.caption = "Weighted Percentages";
    const char* labels[] = {"Tests:", "Quizzes:", "Homework:", "Labs:"};
    for (int i = 0; i < 4; ++i) {
        d.controls.push_back(Control(ControlKind::Static, -1, labels[i], i, 0));
        d.controls.push_back(EditBox(kIdFirstWeight + i, kGradingFieldLimit, i, 1));
    }
    d.controls.push_back(Control(ControlKind::Static, kIdExtra1WeightLabel, "%s :", 4, 0));
    d.controls.push_back(EditBox(kIdFirstWeight + 4, kGradingFieldLimit, 4, 1));
    d.controls.push_back(Control(ControlKind::Static, kIdExtra2WeightLabel, "%s :", 5, 0));
    d.controls.push_back(EditBox(kIdFirstWeight + 5, kGradingFieldLimit, 5, 1));
    AddOkCancel(d, 6, 0);
    return d;
}

DialogResource NoPlusDialogResource() {
    DialogResource d;
    d.id = kNoPlusDialogId;
    d.caption = "Enter Lowest Value for Each";
    const char* labels[] = {"A:", "B:", "C:", "D:"};
    for (int i = 0; i < 4; ++i) {
        d.controls.push_back(Control(ControlKind::Static, -1, labels[i], i, 0));
        d.controls.push_back(EditBox(kIdFirstLimit + i, kGradingFieldLimit, i, 1));
    }
    AddOkCancel(d, 4, 0);
    return d;
}

DialogResource PlusDialogResource() {
    DialogResource d;
    d.id = kPlusDialogId;
    d.caption = "Enter lowest value for each grade.";
    // One row per letter: its plus, plain and minus limits side by side.
    const char* labels[] = {"A+:", "A:", "A-:", "B+:", "B:", "B-:", "C+:", "C:", "C-:", "D+:", "D:", "D-:"};
    for (int i = 0; i < 12; ++i) {
        const int row = i / 3;
        const int column = 2 * (i % 3);
        d.controls.push_back(Control(ControlKind::Static, -1, labels[i], row, column));
        d.controls.push_back(EditBox(kIdFirstLimit + i, kGradingFieldLimit, row, column + 1));
    }
    // OK and Cancel under the edit boxes, so the label columns stay narrow.
    AddOkCancel(d, 4, 3);
    d.controls.back().column = 5;
    return d;
}

}  // namespace quorle::resources
