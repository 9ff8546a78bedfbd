#include "seating/SeatPrint.h"

#include <algorithm>

#include "seating/ChartPicture.h"

namespace quorle {

platform::FontSpec ChartScreenFont() { return platform::CourierFont(kChartScreenFontHeight); }

ChartExtent PaintChart(platform::Canvas& canvas, const std::vector<std::string>& picture, const ChartPage* page) {
    std::string heading;
    if (page) {
        heading = "  Seating Chart for " + page->info.course.Str() + ", Period " + page->info.period.Str();
        std::size_t widest = heading.size();
        for (const auto& line : picture) widest = std::max(widest, line.size());
        // A chart of seven columns is wider than a portrait page at 90 lines:
        // the font then shrinks just enough for the boxes to stay whole.
        SelectReportFont(canvas, page->size, kChartLinesPerPage, static_cast<int>(widest));
    } else {
        canvas.SelectFont(ChartScreenFont());
    }
    const int lineHeight = canvas.TextExtent("X").cy;
    const int third = page ? canvas.DeviceCaps(platform::DeviceCap::HorizontalRes) / 3 : 0;
    ChartExtent extent;
    int y = 0;
    if (page) {
        canvas.TextOut(10, y, heading);
        y += 2 * lineHeight;
        canvas.TextOut(third, y, "Back");
        y += 2 * lineHeight;
    }
    bool front = false;
    for (const auto& line : picture) {
        if (!line.empty()) {
            canvas.TextOut(0, y, line);
            extent.width = std::max(extent.width, canvas.TextExtent(line).cx);
        }
        y += lineHeight;
        if (page && line.empty() && !front) {
            y += lineHeight;
            canvas.TextOut(third, y, "Front");
            front = true;
        }
    }
    extent.height = y;
    canvas.RestoreFont();
    return extent;
}

TSeatPrint::TSeatPrint(std::string title, const SeatingChart& chart, const ClassInfo& info)
    : TPrintout(std::move(title)), chart_(chart), info_(info) {}

void TSeatPrint::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferNoPageNumbers(minPage, maxPage, selFrom, selTo);
}

void TSeatPrint::RenderPage(int, const platform::Rect&, unsigned) {
    if (!device_ || pageSize_.cx <= 0 || pageSize_.cy <= 0) return;
    const ChartPage page{pageSize_, info_};
    PaintChart(*device_, BuildChartPicture(chart_), &page);
}

}  // namespace quorle
