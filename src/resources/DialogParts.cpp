#include "resources/DialogParts.h"

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

platform::ControlResource EditBox(int id, int limit, int row, int column, int columnSpan) {
    platform::ControlResource c = Control(ControlKind::Edit, id, "", row, column, columnSpan);
    c.textLimit = limit;
    c.style = platform::kStyleBorder;
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

}  // namespace quorle::resources
