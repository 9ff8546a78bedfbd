#pragma once
// The text picture of a chart: a box of asterisks per desk, as the desks stand
// in the room, holding the occupant's first name, last name and seat number.
#include <string>
#include <vector>

#include "seating/SeatingChart.h"

namespace quorle {

inline constexpr int kPictureLines = 50;

// Builds the 50 lines of the picture. A box is 17 characters wide (16 when it
// shares its left edge with the box to its left) and 4 lines high (3 when the
// box behind it lends its bottom edge, the one carrying the seat number).
std::vector<std::string> BuildChartPicture(const SeatingChart& chart);

// Where a seat's box stands in the picture: its lines (top and bottom edge
// included) and its characters (both side edges included).
struct SeatBox {
    int firstLine = 0;
    int lastLine = 0;
    int firstChar = 0;
    int lastChar = 0;
    friend bool operator==(const SeatBox&, const SeatBox&) = default;
};
// The boxes of the picture in seat number order, one per desk.
std::vector<SeatBox> ChartSeatBoxes(const SeatingChart& chart);

// The picture's non-empty lines.
std::vector<std::string> ChartPictureText(const SeatingChart& chart);

}  // namespace quorle
