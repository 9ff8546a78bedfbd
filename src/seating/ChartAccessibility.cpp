#include "seating/ChartAccessibility.h"

namespace quorle {

std::vector<std::string> ChartSpokenLines(const SeatingChart& chart) {
    std::vector<std::string> lines;
    const Extents& e = chart.extents;
    if (e.Empty()) return lines;
    for (int column = e.lowColumn; column <= e.highColumn; ++column) {
        for (int place = e.lowPlace; place <= e.highPlace; ++place) {
            const int seat = SeatNumberAt(chart.grid, column, place);
            if (seat <= 0) continue;
            std::string line = "Seat " + std::to_string(seat) + ", column " + std::to_string(column - e.lowColumn + 1) +
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
    const int columns = chart.extents.highColumn - chart.extents.lowColumn + 1;
    return std::to_string(chart.seatCount) + (chart.seatCount == 1 ? " seat" : " seats") + " in " +
           std::to_string(columns) + (columns == 1 ? " column, " : " columns, ") +
           std::to_string(OccupiedSeats(chart.seats)) + " taken";
}

}  // namespace quorle
