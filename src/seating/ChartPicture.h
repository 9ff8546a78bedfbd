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

// The picture's non-empty lines.
std::vector<std::string> ChartPictureText(const SeatingChart& chart);

}  // namespace quorle
