#include "reports/SheetsPrint.h"

#include <algorithm>
#include <array>

#include "resources/SheetDialogs.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr int kSheetLinesPerPage = 60;
// Students on the first page of grade sheets; later pages take one more.
constexpr int kFirstPageStudents = 45;

constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};

}  // namespace

int LeadingNumber(std::string_view text) {
    int n = 0;
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0;
    for (char c : text.substr(start)) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > 100000) break;  // entries hold two characters; nothing near overflow
    }
    return n;
}

// ------------------------------------------------------------- Count dialogs

TCountDialog::TCountDialog(platform::DialogResource resource, platform::Ui& ui, int& count, int most,
                           const char* message)
    : platform::Dialog(std::move(resource)), ui_(ui), count_(count), most_(most), message_(message) {}

void TCountDialog::SetupWindow(platform::DialogHost& host) { host.SetFocus(resources::kIdCountEntry); }

bool TCountDialog::CanClose(platform::DialogHost& host) {
    const int n = LeadingNumber(host.Text(resources::kIdCountEntry));
    if (n < 1 || n > most_) {
        ui_.MessageBox("Information", message_, Buttons::Ok, Icon::Exclamation);
        host.SetFocus(resources::kIdCountEntry);
        return false;
    }
    count_ = n;
    return true;
}

TSheetsDialog::TSheetsDialog(platform::Ui& ui, int& grades)
    : TCountDialog(resources::SheetsDialogResource(), ui, grades, kMaxSheetGrades, kSheetGradesMessage) {}

TAttendanceDialog::TAttendanceDialog(platform::Ui& ui, int& days)
    : TCountDialog(resources::AttendanceDialogResource(), ui, days, kMaxAttendanceDays, kAttendanceDaysMessage) {}

// --------------------------------------------------------------- Grade sheets

std::string NameBeforeInitial(const TStudent& student, const ReportUnits& units) {
    return platform::FitToColumn(std::string(student.lastName.View()), units.ten, units.ten);
}

TSheetsPrint::TSheetsPrint(const ClassRecord& record, int grades)
    : TRosterPrintout("Grade Sheets", record), grades_(std::clamp(grades, 1, kMaxSheetGrades)) {
    pages_ = SplitStudents(record.StudentCount(), 1, kFirstPageStudents);
}

void TSheetsPrint::PrintPage(platform::PrintDevice& device, const TStart& record) {
    const std::string title = ListTitle("Grade Sheets for ", info_);
    // The title from a fifth of ten characters; the rows: a name box of
    // twelve characters and two for every grade.
    SelectReportFont(device, pageSize_, kSheetLinesPerPage,
                     std::max(2 + static_cast<int>(title.size()), 12 + 2 * grades_));
    const ReportUnits units = MeasureUnits(device);
    const int w = device.TextExtent("X").cx;
    const int h = units.line;
    const int nameBox = units.ten + 2 * w;

    device.TextOut(units.ten / 5, 0, title);
    int y = 5 * h;
    const auto [from, to] = RowsOf(record);
    for (int i = from; i <= to; ++i) {
        const TStudent& student = roster_[static_cast<std::size_t>(i)];
        device.TextOut(0, y, NameBeforeInitial(student, units));
        device.TextOut(units.ten, y, FirstInitial(student));
        device.Rectangle(platform::Rect{0, y, nameBox, y + h}, 1);
        for (int g = 0; g < grades_; ++g) {
            const int x = nameBox + g * 2 * w;
            device.Rectangle(platform::Rect{x, y, x + 2 * w, y + h}, 1);
        }
        y += h;
    }
    device.RestoreFont();
}

// ------------------------------------------------------------ Days and weeks

int MonthLength(int month, bool leapYear) {
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && leapYear ? 29 : kLengths[static_cast<std::size_t>(month - 1)];
}

std::string MonthDaysMessage(int month, bool leapYear) {
    const int m = std::clamp(month, 1, 12);
    std::string text = kMonthNames[static_cast<std::size_t>(m - 1)];
    text += " has " + std::to_string(MonthLength(m, leapYear)) + " days";
    text += m == 2 ? " this year." : ".";
    return text;
}

void RollOver(TDates& date, bool leapYear) {
    const int length = MonthLength(date.month, leapYear);
    if (date.day > length) {
        date.day -= length;
        date.month = date.month % 12 + 1;
    }
}

bool MayReachFebruaryEnd(int day, int days) { return days * 7 / 5 + 1 >= 59 - day; }

std::vector<TDates> WeekStarts(const TDates& first, int weekday, int days, bool leapYear,
                               const std::function<bool(const TDates&)>& startNextWeek) {
    std::vector<TDates> starts{first};
    TDates date = first;
    int w = std::clamp(weekday, kMonday, kFriday);
    for (int i = 0; i < days; ++i) {
        if (w == kFriday) {
            // Over the weekend to Monday.
            date.day += 3;
            RollOver(date, leapYear);
            w = kMonday;
            continue;
        }
        if (w == kMonday && i > 0) {
            while (!startNextWeek(date)) {
                date.day += 7;
                RollOver(date, leapYear);
            }
            starts.push_back(date);
        }
        date.day += 1;
        RollOver(date, leapYear);
        ++w;
    }
    return starts;
}

const char* WeekdayInitial(int weekday) {
    static constexpr std::array<const char*, 5> kInitials = {"M", "T", "W", "T", "F"};
    return kInitials[static_cast<std::size_t>(std::clamp(weekday, kMonday, kFriday))];
}

// ------------------------------------------------------------ First day dialog

TDateInfoDialog::TDateInfoDialog(platform::Ui& ui, int days, TFirstDay& first)
    : platform::Dialog(resources::DateInfoDialogResource()), ui_(ui), days_(days), first_(first) {}

void TDateInfoDialog::SetupWindow(platform::DialogHost& host) {
    host.SetChecked(resources::kIdMonday, true);
    host.SetChecked(resources::kIdJanuary, true);
    host.SetText(resources::kIdDateEntry, "");
    host.SetFocus(resources::kIdDateEntry);
}

void TDateInfoDialog::AskLeapYear() {
    if (ui_.MessageBox("Question", "Is this year a leap year?", Buttons::YesNo, Icon::Question) == Answer::Yes)
        first_.leapYear = true;
}

bool TDateInfoDialog::CanClose(platform::DialogHost& host) {
    int weekday = kMonday;
    for (int id = resources::kIdMonday; id <= resources::kIdFriday; ++id)
        if (host.IsChecked(id)) weekday = id - resources::kIdMonday;
    int month = 1;
    for (int id = resources::kIdJanuary; id <= resources::kIdDecember; ++id)
        if (host.IsChecked(id)) month = id - resources::kIdJanuary + 1;

    if (month == 2) AskLeapYear();
    const int day = LeadingNumber(host.Text(resources::kIdDateEntry));
    if (day < 1 || day > MonthLength(month, first_.leapYear)) {
        ui_.MessageBox("Information", MonthDaysMessage(month, first_.leapYear), Buttons::Ok, Icon::Information);
        host.SetFocus(resources::kIdDateEntry);
        return false;
    }
    if (month == 1 && MayReachFebruaryEnd(day, days_)) AskLeapYear();
    first_.date = TDates{month, day};
    first_.weekday = weekday;
    return true;
}

// ---------------------------------------------------------- Attendance sheets

int AttendanceLinesPerPage(int days) { return days <= 30 ? 60 : 2 * days; }

TAttendancePrint::TAttendancePrint(const ClassRecord& record, int days, const TFirstDay& first,
                                   std::vector<TDates> weekStarts)
    : TRosterPrintout("Attendance Sheets", record),
      days_(std::clamp(days, 1, kMaxAttendanceDays)),
      first_(first),
      weekStarts_(std::move(weekStarts)) {
    first_.weekday = std::clamp(first_.weekday, kMonday, kFriday);
    // One page until the device tells how many rows fit.
    pages_ = SplitStudents(record.StudentCount(), 0, 1);
}

void TAttendancePrint::AttachDevice(platform::PrintDevice& device, platform::Size pageSize) {
    TRosterPrintout::AttachDevice(device, pageSize);
    // Rows are counted in lines of the full page's font (the printed font is
    // an eighth smaller), leaving ten lines for the top and the bottom.
    device.SelectFont(ReportFont(pageSize.cy, AttendanceLinesPerPage(days_)));
    const long long h = device.TextExtent("X").cy;
    device.RestoreFont();
    const int students = static_cast<int>(roster_.size()) - 1;
    // A device without a page (it prints nothing) gets one page, not one per student.
    if (h <= 0 || pageSize.cy <= 0)
        pages_ = SplitStudents(students, 0, 1);
    else
        pages_ = SplitStudents(students, 2 * h, pageSize.cy - 10 * h);
}

int TAttendancePrint::BoxLeft(int i, int x0, int w) const {
    // Fridays among boxes 0..i-1, counting from the first day's weekday.
    const int fridays = (first_.weekday + i) / 5;
    return x0 + i * 2 * w + fridays * w;
}

void TAttendancePrint::PrintPage(platform::PrintDevice& device, const TStart& record) {
    const std::string title = ListTitle("Attendance Sheets for ", info_);
    // The font of the page height's eight ninths, taken in whole pixels
    // first. The rows: a name of twelve characters, two for every day and
    // one after every Friday.
    // The last week's date stands over its Monday box and may reach past
    // the last box.
    const int gaps = (first_.weekday + days_ - 1) / 5;
    int lastDate = 0;
    if (weekStarts_.size() > 1) {
        const int k = static_cast<int>(weekStarts_.size()) - 1;
        const int box = k * 5 - first_.weekday;
        lastDate = 12 + 2 * box + (first_.weekday + box) / 5 + static_cast<int>(weekStarts_.back().Text().size());
    }
    const platform::Size printed{pageSize_.cx, static_cast<int>(static_cast<long long>(pageSize_.cy) * 8 / 9)};
    SelectReportFont(device, printed, AttendanceLinesPerPage(days_),
                     std::max({2 + static_cast<int>(title.size()), 12 + 2 * days_ + gaps, lastDate}));
    const ReportUnits units = MeasureUnits(device);
    const int w = device.TextExtent("X").cx;
    const int h = units.line;
    const int x0 = units.ten + 2 * w;

    device.TextOut(units.ten / 5, 0, title);
    int y = 3 * h;
    // Each week's date over its Monday box; the first over the name's end.
    for (std::size_t k = 0; k < weekStarts_.size(); ++k) {
        int x = x0 - 2 * w;
        if (k > 0) x = BoxLeft(static_cast<int>(k) * 5 - first_.weekday, x0, w);
        device.TextOut(x, y, weekStarts_[k].Text());
    }
    y += 2 * h;

    const auto [from, to] = RowsOf(record);
    for (int i = from; i <= to; ++i) {
        const TStudent& student = roster_[static_cast<std::size_t>(i)];
        device.TextOut(0, y + h / 2, NameBeforeInitial(student, units));
        device.TextOut(units.ten, y + h / 2, FirstInitial(student));
        for (int d = 0; d < days_; ++d) {
            const int x = BoxLeft(d, x0, w);
            device.Rectangle(platform::Rect{x, y, x + 2 * w, y + 2 * h}, 1);
            if (i == from) device.TextOut(x + w / 2, y - h, WeekdayInitial((first_.weekday + d) % 5));
        }
        y += 2 * h;
    }
    device.RestoreFont();
}

}  // namespace quorle
