#include "resources/GridDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;

platform::DialogResource EditGridDialogResource() {
    platform::DialogResource d;
    d.id = kEditGridDialogId;
    d.caption = "Change Grid Properties";
    d.controls.push_back(Control(ControlKind::Static, -1, "Select Column Title:", 0, 0));
    d.controls.push_back(Control(ControlKind::ComboBox, kIdColumnList, "", 0, 1, 2));
    d.controls.push_back(Control(ControlKind::Static, -1, "Column Number:", 1, 0));
    platform::ControlResource number = Control(ControlKind::Edit, kIdColumnNumber, "", 1, 1);
    number.style = platform::kStyleReadOnly | platform::kStyleBorder;
    d.controls.push_back(number);
    d.controls.push_back(Control(ControlKind::Static, -1, "Column Title:", 2, 0));
    platform::ControlResource title = Control(ControlKind::Edit, kIdColumnTitle, "", 2, 1, 2);
    title.textLimit = kColumnTitleLimit;
    d.controls.push_back(title);
    d.controls.push_back(Control(ControlKind::PushButton, kIdInsertColumn, "&Insert Column", 3, 0));
    d.controls.push_back(Control(ControlKind::PushButton, kIdDeleteColumn, "&Delete Column", 3, 1));
    AddOkCancel(d, 4, 1);
    return d;
}

}  // namespace quorle::resources
