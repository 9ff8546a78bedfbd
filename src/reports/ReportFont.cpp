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
    return platform::CourierFont(-MulDiv(1, pageHeight, linesPerPage));
}

platform::FontSpec SelectReportFont(platform::Canvas& device, platform::Size page, int linesPerPage,
                                    int widestLineChars, int pageLines) {
    platform::FontSpec font = ReportFont(page.cy, linesPerPage);
    device.SelectFont(font);
    // Whether the report overruns the page in the selected font: across, with
    // its widest line, or down, with its lines.
    auto overruns = [&](platform::Size ten) {
        const long long wide = static_cast<long long>(ten.cx) * widestLineChars / 10;
        const long long tall = static_cast<long long>(ten.cy) * pageLines;
        return (page.cx > 0 && wide > page.cx) || (page.cy > 0 && tall > page.cy);
    };
    platform::Size ten = device.TextExtent("XXXXXXXXXX");
    if (!overruns(ten)) return font;
    // The share of the font that fits, then a pixel less while the device's
    // rounding of its characters still overruns.
    long long height = -static_cast<long long>(font.height);
    long long fits = height;
    const long long wide = static_cast<long long>(ten.cx) * widestLineChars / 10;
    if (ten.cx > 0 && page.cx > 0 && wide > page.cx) fits = height * page.cx / wide;
    const long long tall = static_cast<long long>(ten.cy) * pageLines;
    if (ten.cy > 0 && page.cy > 0 && tall > page.cy) fits = std::min(fits, height * page.cy / tall);
    height = std::max<long long>(1, std::min(fits, height - 1));
    for (;;) {
        font.height = -static_cast<int>(height);
        device.SelectFont(font);
        ten = device.TextExtent("XXXXXXXXXX");
        if (height <= 1 || !overruns(ten)) return font;
        --height;
    }
}

std::string FitToRoom(platform::Canvas& canvas, std::string text, int room) {
    if (text.empty() || canvas.TextExtent(text).cx <= room) return text;
    if (room <= 0) return {};
    // A fixed-pitch font: the share of the text that fits, then a character
    // less while a fractional width still runs past the room.
    const long long width = canvas.TextExtent(text).cx;
    text.resize(static_cast<std::size_t>(static_cast<long long>(text.size()) * room / width));
    while (!text.empty() && canvas.TextExtent(text).cx > room) text.pop_back();
    return text;
}

ReportUnits MeasureUnits(platform::Canvas& canvas) {
    ReportUnits units;
    units.ten = canvas.TextExtent("XXXXXXXXXX").cx;
    units.fifteen = canvas.TextExtent("XXXXXXXXXXXXXXX").cx;
    units.line = canvas.TextExtent("X").cy;
    return units;
}

}  // namespace quorle
