#pragma once
// Drawing a chart's text picture on a canvas (the chart window and the
// printed page), and the printout of a chart.
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "record/ClassRecord.h"
#include "reports/Printout.h"
#include "reports/ReportFont.h"
#include "seating/SeatingChart.h"

namespace quorle {

inline constexpr int kChartScreenFontHeight = 16;
inline constexpr int kChartLinesPerPage = 90;
inline constexpr const char* kChartPrintTitle = "Seating Chart";

// What the printed page adds to the picture: the heading, "Back" and "Front".
struct ChartPage {
    platform::Size size;  // the page in device pixels
    ClassInfo info;
};

// The size the picture took: the widest line and the height drawn, in pixels.
struct ChartExtent {
    int width = 0;
    int height = 0;
};

// The chart's font on the screen: "Courier New", 16 units high, fixed pitch.
platform::FontSpec ChartScreenFont();

// Draws the picture from the top left corner in the chart's font, line under
// line. With a page: in the report font of 90 lines a page, under the heading
// "  Seating Chart for <course>, Period <period>" and "Back", with "Front"
// under the boxes.
ChartExtent PaintChart(platform::Canvas& canvas, const std::vector<std::string>& picture, const ChartPage* page);

// The printed chart: one page, no page numbers to choose.
class TSeatPrint : public TPrintout {
public:
    TSeatPrint(std::string title, const SeatingChart& chart, const ClassInfo& info);
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

private:
    const SeatingChart& chart_;
    ClassInfo info_;
};

}  // namespace quorle
