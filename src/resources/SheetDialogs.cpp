#include "resources/SheetDialogs.h"

#include "resources/DialogParts.h"

namespace quorle::resources {

using platform::ControlKind;
using platform::ControlResource;
using platform::DialogResource;

namespace {

ControlResource Entry(int id, int limit, int row, int column, int group = 0) {
    ControlResource c = Control(ControlKind::Edit, id, "", row, column, 1, group);
    c.textLimit = limit;
    c.style = platform::kStyleBorder;
    return c;
}

// A prompt over one short entry, OK and Cancel below.
DialogResource CountDialog(int id, const char* caption, const char* prompt) {
    DialogResource d;
    d.id = id;
    d.caption = caption;
    d.controls.push_back(Control(ControlKind::Static, -1, prompt, 0, 0, 3));
    d.controls.push_back(Entry(kIdCountEntry, kCountEntryLimit, 1, 0));
    AddOkCancel(d, 2, 1);
    return d;
}

}  // namespace

DialogResource SheetsDialogResource() {
    return CountDialog(kSheetsDialogId, "Number of Grades",
                       "Enter the number of grades you want per student: (up to 30)");
}

DialogResource AttendanceDialogResource() {
    return CountDialog(kAttendanceDialogId, "Length of Attendance",
                       "Enter the number of days you want on this Attendance Sheet below: (1 to 50)");
}

DialogResource DateInfoDialogResource() {
    DialogResource d;
    d.id = kDateInfoDialogId;
    d.caption = "First Day for Attendance";
    d.controls.push_back(Control(ControlKind::Static, -1, "First Day of Attendance Period:", 0, 0, 3));

    // The weekdays in one column.
    d.controls.push_back(Control(ControlKind::GroupBox, kIdDayFrame, "Day:", 1, 0));
    const char* const days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    for (int i = 0; i < 5; ++i)
        d.controls.push_back(Control(ControlKind::RadioButton, kIdMonday + i, days[i], i, 0, 1, kIdDayFrame));

    // The months in two columns of six.
    d.controls.push_back(Control(ControlKind::GroupBox, kIdMonthFrame, "Month:", 1, 1));
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int i = 0; i < 12; ++i)
        d.controls.push_back(
            Control(ControlKind::RadioButton, kIdJanuary + i, months[i], i % 6, i / 6, 1, kIdMonthFrame));

    d.controls.push_back(Control(ControlKind::Static, -1, "Date:", 2, 0));
    d.controls.push_back(Entry(kIdDateEntry, kDateEntryLimit, 2, 1));
    ControlResource ok = Control(ControlKind::PushButton, platform::kIdOk, "OK", 3, 1);
    ok.style = platform::kStyleDefault;
    d.controls.push_back(ok);
    return d;
}

}  // namespace quorle::resources
