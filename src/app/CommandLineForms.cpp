#include "app/CommandLineForms.h"

#include <chrono>

#include "reports/ClassListsPrint.h"
#include "reports/SheetsPrint.h"

namespace quorle {

namespace {

// A whole decimal number and nothing else; -1 otherwise.
int WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) return -1;
    for (char c : text)
        if (c < '0' || c > '9') return -1;
    return std::stoi(text);
}

// M/D/YYYY as written; the day is checked later against its month, as the
// dialog does.
std::optional<platform::Date> ParseDate(const std::string& text) {
    const auto slash1 = text.find('/');
    if (slash1 == std::string::npos) return std::nullopt;
    const auto slash2 = text.find('/', slash1 + 1);
    if (slash2 == std::string::npos) return std::nullopt;
    const int month = WholeNumber(text.substr(0, slash1));
    const int day = WholeNumber(text.substr(slash1 + 1, slash2 - slash1 - 1));
    const int year = WholeNumber(text.substr(slash2 + 1));
    if (month < 1 || month > 12 || day < 0 || year < 1 || year > 9999) return std::nullopt;
    return platform::Date{year, month, day};
}

bool IsLeapYear(int year) { return std::chrono::year{year}.is_leap(); }

// 0 Monday .. 6 Sunday.
int DayOfWeek(const platform::Date& date) {
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    return static_cast<int>(weekday{sys_days{ymd}}.iso_encoding()) - 1;
}

// Today, or the Monday after it when today is a Saturday or Sunday.
platform::Date NextSchoolDay(platform::Date today) {
    using namespace std::chrono;
    const year_month_day ymd{year{today.year}, month{static_cast<unsigned>(today.month)},
                             day{static_cast<unsigned>(today.day)}};
    if (!ymd.ok()) return today;
    sys_days d{ymd};
    while (weekday{d}.iso_encoding() > 5) d += days{1};
    const year_month_day next{d};
    return platform::Date{static_cast<int>(next.year()), static_cast<int>(static_cast<unsigned>(next.month())),
                          static_cast<int>(static_cast<unsigned>(next.day()))};
}

constexpr const char* kWeekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

}  // namespace

bool IsFormReport(std::string_view report) {
    return report == "random" || report == "names" || report == "sheets" || report == "attendance";
}

bool IsFormOption(std::string_view option) {
    return option == "--grades" || option == "--days" || option == "--start";
}

std::string TakeFormOption(std::string_view option, const std::string& value, FormChoices& choices) {
    if (option == "--start") {
        choices.start = ParseDate(value);
        if (!choices.start) return "--start needs a date as M/D/YYYY, not '" + value + "'";
        return {};
    }
    const int n = WholeNumber(value);
    if (n < 0) return std::string(option) + " needs a number, not '" + value + "'";
    (option == "--grades" ? choices.grades : choices.days) = n;
    return {};
}

std::string CheckFormChoices(std::string_view report, const FormChoices& choices) {
    if (report == "sheets") {
        if (choices.days || choices.start) return "--days and --start belong to the attendance sheets";
        if (!choices.grades) return "grade sheets need --grades N (1 to 30 boxes per student)";
        return {};
    }
    if (report == "attendance") {
        if (choices.grades) return "--grades belongs to the grade sheets";
        if (!choices.days) return "attendance sheets need --days N (1 to 50 school days)";
        return {};
    }
    if (choices.grades || choices.days || choices.start)
        return "--grades, --days and --start belong to the grade and attendance sheets";
    return {};
}

std::unique_ptr<TPrintout> MakeFormPrintout(std::string_view report, const FormChoices& choices,
                                            const ClassRecord& record, platform::Ui& ui, std::string& refusal) {
    if (report == "random") return std::make_unique<TRandomPrint>(record, ui);
    if (report == "names") return std::make_unique<TNameAndIDPrint>(record);
    if (report == "sheets") {
        const int grades = choices.grades.value_or(0);
        if (grades < 1 || grades > kMaxSheetGrades) {
            refusal = kSheetGradesMessage;
            return nullptr;
        }
        return std::make_unique<TSheetsPrint>(record, grades);
    }

    const int days = choices.days.value_or(0);
    if (days < 1 || days > kMaxAttendanceDays) {
        refusal = kAttendanceDaysMessage;
        return nullptr;
    }
    const platform::Date start = choices.start ? *choices.start : NextSchoolDay(ui.Today());
    // The leap-year question, where the dialog asks it, answered from the year.
    TFirstDay first;
    if (start.month == 2 || (start.month == 1 && MayReachFebruaryEnd(start.day, days)))
        first.leapYear = IsLeapYear(start.year);
    if (start.day < 1 || start.day > MonthLength(start.month, first.leapYear)) {
        refusal = MonthDaysMessage(start.month, first.leapYear);
        return nullptr;
    }
    const int weekday = DayOfWeek(start);
    if (weekday > kFriday) {
        refusal = std::to_string(start.month) + "/" + std::to_string(start.day) + "/" + std::to_string(start.year) +
                  " is a " + kWeekdayNames[weekday] + "; attendance sheets start on a school day.";
        return nullptr;
    }
    first.date = TDates{start.month, start.day};
    first.weekday = weekday;
    auto starts = WeekStarts(first.date, first.weekday, days, first.leapYear, [](const TDates&) { return true; });
    return std::make_unique<TAttendancePrint>(record, days, first, std::move(starts));
}

}  // namespace quorle
