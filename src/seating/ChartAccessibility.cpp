#include "seating/ChartAccessibility.h"

#include <algorithm>

#include "seating/ChartPicture.h"

namespace quorle {
namespace {

bool ColumnHasDesk(const SeatGrid& grid, int column, const Extents& e) {
    for (int place = e.lowPlace; place <= e.highPlace; ++place)
        if (SeatNumberAt(grid, column, place) > 0) return true;
    return false;
}

}  // namespace

std::vector<std::string> ChartSpokenLines(const SeatingChart& chart) {
    std::vector<std::string> lines;
    const Extents& e = chart.extents;
    if (e.Empty()) return lines;
    int deskColumn = 0;
    for (int column = e.lowColumn; column <= e.highColumn; ++column) {
        if (!ColumnHasDesk(chart.grid, column, e)) continue;
        ++deskColumn;
        for (int place = e.lowPlace; place <= e.highPlace; ++place) {
            const int seat = SeatNumberAt(chart.grid, column, place);
            if (seat <= 0) continue;
            std::string line = "Seat " + std::to_string(seat) + ", column " + std::to_string(deskColumn) +
                               ", place " + std::to_string(place - e.lowPlace + 1) + ": ";
            const auto index = static_cast<std::size_t>(seat - 1);
            if (index < chart.seats.size() && !chart.seats[index].IsFree()) {
                const TPeople& p = chart.seats[index];
                line += TrimSeatName(p.firstName.View()) + " " + TrimSeatName(p.lastName.View());
            } else {
                line += "free";
            }
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string ChartSpokenSummary(const SeatingChart& chart) {
    if (chart.seatCount <= 0 || chart.extents.Empty()) return "No seats";
    int columns = 0;
    for (int column = chart.extents.lowColumn; column <= chart.extents.highColumn; ++column)
        if (ColumnHasDesk(chart.grid, column, chart.extents)) ++columns;
    return std::to_string(chart.seatCount) + (chart.seatCount == 1 ? " seat" : " seats") + " in " +
           std::to_string(columns) + (columns == 1 ? " column, " : " columns, ") +
           std::to_string(OccupiedSeats(chart.seats)) + " taken";
}

std::optional<platform::Rect> ChartAccessibility::LineRect(int line) const {
    if (cell_.cx <= 0 || cell_.cy <= 0 || line < 0) return std::nullopt;
    const std::vector<SeatBox> boxes = ChartSeatBoxes(chart_);
    if (line >= static_cast<int>(boxes.size())) return std::nullopt;
    const SeatBox& box = boxes[static_cast<std::size_t>(line)];
    const int dx = scroller_.xPos * scroller_.xUnit;
    const int dy = scroller_.yPos * scroller_.yUnit;
    return platform::Rect{box.firstChar * cell_.cx - dx, box.firstLine * cell_.cy - dy,
                          (box.lastChar + 1) * cell_.cx - dx, (box.lastLine + 1) * cell_.cy - dy};
}

std::optional<int> ChartAccessibility::FocusedLine() const {
    const int seats = static_cast<int>(ChartSeatBoxes(chart_).size());
    if (seats == 0) return std::nullopt;
    return std::clamp(focused, 0, seats - 1);
}

}  // namespace quorle
