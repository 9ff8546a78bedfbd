#pragma once
// The report font and the measuring units every report lays its page out in.
#include <string>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace quorle {

// The report font: "Courier New", character height one N-th of the page height.
platform::FontSpec ReportFont(int pageHeight, int linesPerPage);
// Selects the report font on a page and gives it back (to select it again
// after a page break). When the report's widest line, in characters, would
// run past the page's width, the font is made just small enough for it to fit:
// the layout is counted in characters and lines, so it keeps its shape, and no
// column falls off the paper. Likewise when the page needs more lines (of the
// height of "X") than the paper holds.
platform::FontSpec SelectReportFont(platform::Canvas& device, platform::Size page, int linesPerPage,
                                    int widestLineChars, int pageLines = 0);
// A text cut at its end to the room it has (in pixels, in the selected font):
// a text that would run off the paper stops at its edge instead.
std::string FitToRoom(platform::Canvas& canvas, std::string text, int room);
// The rounded multiply-divide of the platform: number * numerator / denominator.
int MulDiv(int number, int numerator, int denominator);

// The measuring units of a page, taken with the report font selected.
struct ReportUnits {
    int ten = 0;      // width of "XXXXXXXXXX"
    int fifteen = 0;  // width of "XXXXXXXXXXXXXXX"
    int line = 0;     // height of "X"
};
ReportUnits MeasureUnits(platform::Canvas& canvas);

}  // namespace quorle
