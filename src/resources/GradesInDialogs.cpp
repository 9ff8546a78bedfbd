#include "resources/GradesInDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;

DialogResource ScoreColumnDialogResource() {
    DialogResource d;
    d.id = kScoreColumnDialogId;
    d.caption = "Score Column";
    d.controls.push_back(Label("&Scores from the column:", 0, 0, 2));
    d.controls.push_back(Control(ControlKind::ComboBox, kIdScoreColumn, "", 1, 0, 2));
    AddOkCancel(d, 2, 0);
    return d;
}

DialogResource ImportGradesDialogResource() {
    DialogResource d;
    d.id = kImportGradesDialogId;
    d.caption = "Import Grades";
    d.controls.push_back(Label("%s", 0, 0, 2, kIdImportHeading));
    auto list = Control(ControlKind::ListBox, kIdImportList, "", 1, 0, 2);
    list.rowSpan = 8;
    list.widthChars = 40;  // "Last, First: score" of the longest names
    d.controls.push_back(list);
    d.controls.push_back(Label("%s", 9, 0, 2, kIdImportCounts));
    AddOkCancel(d, 10, 0);
    return d;
}

}  // namespace quorle::resources
