#include "resources/VersionDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;

DialogResource EarlierVersionsDialogResource() {
    DialogResource d;
    d.id = kEarlierVersionsDialogId;
    d.caption = "Earlier Versions";
    d.controls.push_back(Label("Earlier versions of %s, newest first:", 0, 0, 3, kIdVersionsHeading));
    auto list = Control(ControlKind::ListBox, kIdVersionList, "", 1, 0, 3);
    list.rowSpan = 6;
    list.widthChars = 60;  // the date and a summary of several changes
    d.controls.push_back(list);
    auto open = Control(ControlKind::PushButton, kIdOpenVersion, "&Open", 7, 0);
    open.style = platform::kStyleDefault;
    d.controls.push_back(open);
    d.controls.push_back(Control(ControlKind::PushButton, kIdRestoreVersion, "&Restore", 7, 1));
    d.controls.push_back(Control(ControlKind::PushButton, platform::kIdCancel, "Close", 7, 2));
    return d;
}

}  // namespace quorle::resources
