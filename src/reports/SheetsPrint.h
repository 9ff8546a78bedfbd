#pragma once
// Blank forms for writing by hand: grade sheets (a row of empty boxes after
// each student's name) and attendance sheets (a box per school day, under the
// date of each week's first day and the weekday initials), with the dialogs
// that ask for their size and first day.
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/PageRecords.h"
#include "reports/ReportFont.h"
#include "reports/RosterPrintout.h"

namespace quorle {

inline constexpr int kMaxSheetGrades = 30;
inline constexpr int kMaxAttendanceDays = 50;
inline constexpr const char* kSheetGradesMessage = "The number of grades on the sheet must be from 1 to 30.";
inline constexpr const char* kAttendanceDaysMessage = "The number of days of attendance must be from 1 to 50.";

// The number at the start of an entry, after any spaces ("12", "7x" -> 7);
// 0 when no digit comes first.
int LeadingNumber(std::string_view text);

// A dialog asking for one count in a range: out of range, its message
// (captioned "Information", exclamation icon) and the dialog stays open with
// the entry as typed.
class TCountDialog : public platform::Dialog {
public:
    TCountDialog(platform::DialogResource resource, platform::Ui& ui, int& count, int most, const char* message);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    int& count_;
    int most_;
    const char* message_;
};

// "Number of Grades": 1 to 30 boxes per student.
class TSheetsDialog : public TCountDialog {
public:
    TSheetsDialog(platform::Ui& ui, int& grades);
};

// "Length of Attendance": 1 to 50 school days.
class TAttendanceDialog : public TCountDialog {
public:
    TAttendanceDialog(platform::Ui& ui, int& days);
};

// The last name as the sheets print it before the first initial, which
// stands one ten-character width from the left: cut to keep a character's
// space before the initial.
std::string NameBeforeInitial(const TStudent& student, const ReportUnits& units);

class TSheetsPrint : public TRosterPrintout {
public:
    TSheetsPrint(const ClassRecord& record, int grades);

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record) override;

private:
    int grades_;
};

// ---------------------------------------------------------------- Attendance

// A week's first day: month 1 to 12 and day of month, printed as "9/15".
struct TDates {
    int month = 1;
    int day = 0;
    std::string Text() const { return std::to_string(month) + "/" + std::to_string(day); }
    friend bool operator==(const TDates&, const TDates&) = default;
};

// Weekdays of a school week: 0 Monday to 4 Friday.
inline constexpr int kMonday = 0;
inline constexpr int kFriday = 4;

int MonthLength(int month, bool leapYear);
// "April has 30 days." / "February has 28 days this year."
std::string MonthDaysMessage(int month, bool leapYear);
// Past the month's end: the day less the month's length, in the next month
// (December goes to January). One step.
void RollOver(TDates& date, bool leapYear);

// Whether a period starting on January `day` may reach the end of February.
bool MayReachFebruaryEnd(int day, int days);

// The dates over the weeks of an attendance period of `days` school days from
// `first` (a `weekday`): the first day, then each Monday after it. Before a
// Monday is taken, startNextWeek(date) is asked; false skips that whole week
// (a holiday week) and asks about the next.
std::vector<TDates> WeekStarts(const TDates& first, int weekday, int days, bool leapYear,
                               const std::function<bool(const TDates&)>& startNextWeek);

// The weekday initials "M", "T", "W", "T", "F".
const char* WeekdayInitial(int weekday);

// The first day of an attendance period and whether February has 29 days.
struct TFirstDay {
    TDates date;
    int weekday = kMonday;
    bool leapYear = false;
};

// "First Day for Attendance": weekday, month and date. OK checks the date
// against the month (February asks whether this is a leap year first; a
// January start that may run past February asks after the date).
class TDateInfoDialog : public platform::Dialog {
public:
    TDateInfoDialog(platform::Ui& ui, int days, TFirstDay& first);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    void AskLeapYear();

    platform::Ui& ui_;
    int days_;
    TFirstDay& first_;
};

// The attendance sheets' report font: one 60th of the page height up to 30
// days, one (2 x days)th beyond.
int AttendanceLinesPerPage(int days);

class TAttendancePrint : public TRosterPrintout {
public:
    TAttendancePrint(const ClassRecord& record, int days, const TFirstDay& first, std::vector<TDates> weekStarts);

    // Splits the students into pages by the lines of this device's page.
    void AttachDevice(platform::PrintDevice& device, platform::Size pageSize) override;

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record) override;

private:
    // The left edge of box i (0-based) for boxes from x0: 2W each, W more
    // after every Friday.
    int BoxLeft(int i, int x0, int w) const;

    int days_;
    TFirstDay first_;
    std::vector<TDates> weekStarts_;
};

}  // namespace quorle
