#include "reports/ClassHeader.h"

namespace quorle {

std::string FormatDate(const platform::Date& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

int PrintClassHeader(platform::Canvas& canvas, const ReportUnits& units, std::string_view prefix,
                     const ClassInfo& info, const platform::Date& today, int pageWidth) {
    int y = 5 * units.line;
    std::string course(prefix);
    course += "Course: ";
    course += info.course.View();
    std::string instructor = "Instructor: ";
    instructor += info.instructor.View();
    const std::string line = course + "       " + instructor;
    if (units.ten + canvas.TextExtent(line).cx <= pageWidth) {
        canvas.TextOut(units.ten, y, line);
    } else {
        // Too long for the paper: the instructor goes on the empty line under
        // the course, under "Course: ", and a text still too long stops at the
        // paper's edge.
        canvas.TextOut(units.ten, y, FitToRoom(canvas, course, pageWidth - units.ten));
        const int x = units.ten + canvas.TextExtent(prefix).cx;
        canvas.TextOut(x, y + units.line, FitToRoom(canvas, instructor, pageWidth - x));
    }

    y += 2 * units.line;
    std::string period = "Period: ";
    period += info.period.View();
    canvas.TextOut(units.ten, y, period);
    canvas.TextOut(canvas.TextExtent(period).cx + 2 * units.ten, y, FormatDate(today));
    return y + 2 * units.line;
}

}  // namespace quorle
