#include "reports/ReportFont.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace quorle {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = std::llabs(denominator) / 2;
    std::int64_t result = 0;
    if ((product < 0) != (denominator < 0))
        result = (product - (product < 0 ? half : -half)) / denominator;
    else
        result = (product + (product < 0 ? -half : half)) / denominator;
    return static_cast<int>(std::clamp<std::int64_t>(result, INT_MIN, INT_MAX));
}

platform::FontSpec ReportFont(int pageHeight, int linesPerPage) {
    platform::FontSpec font;
    font.face = "Courier New";
    font.height = -MulDiv(1, pageHeight, linesPerPage);
    font.weight = 400;
    font.fixedPitch = true;
    return font;
}

platform::FontSpec SelectReportFont(platform::Canvas& device, platform::Size page, int linesPerPage,
                                    int widestLineChars) {
    platform::FontSpec font = ReportFont(page.cy, linesPerPage);
    device.SelectFont(font);
    const long long ten = device.TextExtent("XXXXXXXXXX").cx;
    const long long needed = ten * widestLineChars / 10;
    if (ten > 0 && page.cx > 0 && needed > page.cx) {
        const long long height = -static_cast<long long>(font.height);
        font.height = -static_cast<int>(std::max<long long>(1, height * page.cx / needed));
        device.SelectFont(font);
    }
    return font;
}

ReportUnits MeasureUnits(platform::Canvas& canvas) {
    ReportUnits units;
    units.ten = canvas.TextExtent("XXXXXXXXXX").cx;
    units.fifteen = canvas.TextExtent("XXXXXXXXXXXXXXX").cx;
    units.line = canvas.TextExtent("X").cy;
    return units;
}

}  // namespace quorle
