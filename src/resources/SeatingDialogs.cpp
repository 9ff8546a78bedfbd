#include "resources/SeatingDialogs.h"

#include <string>

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::DialogResource;

DialogResource SeatsInfoDialogResource() {
    DialogResource d;
    d.id = kSeatsInfoDialogId;
    d.caption = "Choose Seat Arrangement";
    // Seven columns of ten boxes, "Back" over them and "Front" under them.
    d.controls.push_back(Control(ControlKind::Static, kIdBackLabel, "Back", 0, 0, 7));
    for (int k = 0; k < 70; ++k) {
        d.controls.push_back(Control(ControlKind::CheckBox, kIdFirstSeatBox + k, "", 1 + k % 10, k / 10));
        // Read out as it stands: columns from the left, places from the back.
        d.controls.back().name = "Column " + std::to_string(k / 10 + 1) + ", place " + std::to_string(k % 10 + 1);
    }
    d.controls.push_back(Control(ControlKind::Static, kIdFrontLabel, "Front", 11, 0, 7));
    d.controls.push_back(
        Control(ControlKind::Static, -1, "Where there is a seat make a check mark with the mouse.", 12, 0, 7));
    // The buttons span columns of boxes, so that no column of boxes is made
    // wider than the others by a button.
    auto ok = Control(ControlKind::PushButton, platform::kIdOk, "OK", 13, 0, 3);
    ok.style = platform::kStyleDefault;
    d.controls.push_back(ok);
    d.controls.push_back(Control(ControlKind::PushButton, platform::kIdCancel, "Cancel", 13, 4, 3));
    return d;
}

namespace {

DialogResource SeatPrompt(int id) {
    DialogResource d;
    d.id = id;
    d.caption = "Seat Number";
    d.controls.push_back(Control(ControlKind::Static, kIdSeatQuestion, "", 0, 0, 2));
    auto entry = Control(ControlKind::Edit, kIdSeatEntry, "", 1, 0);
    entry.textLimit = 2;
    d.controls.push_back(entry);
    AddOkCancel(d, 2, 0);
    return d;
}

}  // namespace

DialogResource SeatNumberDialogResource() { return SeatPrompt(kSeatNumberDialogId); }
DialogResource SeatAddDialogResource() { return SeatPrompt(kSeatAddDialogId); }

DialogResource ChangeSeatsDialogResource() {
    DialogResource d;
    d.id = kChangeSeatsDialogId;
    d.caption = "Switch Seats";
    d.controls.push_back(Control(ControlKind::Static, -1, "Enter the numbers of the seats you want to switch:", 0, 0, 2));
    d.controls.push_back(Control(ControlKind::Static, -1, "From:", 1, 0));
    auto from = Control(ControlKind::Edit, kIdSwitchFrom, "", 1, 1);
    from.textLimit = 2;
    d.controls.push_back(from);
    d.controls.push_back(Control(ControlKind::Static, -1, "To:", 2, 0));
    auto to = Control(ControlKind::Edit, kIdSwitchTo, "", 2, 1);
    to.textLimit = 2;
    d.controls.push_back(to);
    AddOkCancel(d, 3, 0);
    return d;
}

}  // namespace quorle::resources
