#include "reports/ClassHeader.h"

namespace quorle {

std::string FormatDate(const platform::Date& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

int PrintClassHeader(platform::Canvas& canvas, const ReportUnits& units, std::string_view prefix,
                     const ClassInfo& info, const platform::Date& today) {
    int y = 5 * units.line;
    std::string line(prefix);
    line += "Course: ";
    line += info.course.View();
    line += "       Instructor: ";
    line += info.instructor.View();
    canvas.TextOut(units.ten, y, line);

    y += 2 * units.line;
    std::string period = "Period: ";
    period += info.period.View();
    canvas.TextOut(units.ten, y, period);
    canvas.TextOut(canvas.TextExtent(period).cx + 2 * units.ten, y, FormatDate(today));
    return y + 2 * units.line;
}

}  // namespace quorle
