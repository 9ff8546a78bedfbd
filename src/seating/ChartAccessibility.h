#pragma once
// The seating chart as a screen reader reads it: a line per seat, in seat
// number order, with where the desk stands and who sits there, instead of the
// boxes of asterisks the window draws.
#include <string>
#include <vector>

#include "platform/Accessible.h"
#include "seating/SeatingChart.h"

namespace quorle {

// "Seat 1, column 1, place 1: Emily Anderson" (columns from the left, places
// from the back, as the desks stand); a free seat reads "free".
std::vector<std::string> ChartSpokenLines(const SeatingChart& chart);
// "30 seats in 6 columns, 24 taken"; "No seats" for a chart without desks.
std::string ChartSpokenSummary(const SeatingChart& chart);

class ChartAccessibility : public platform::AccessibleText {
public:
    explicit ChartAccessibility(const SeatingChart& chart) : chart_(chart) {}
    std::string Description() const override { return ChartSpokenSummary(chart_); }
    std::vector<std::string> Lines() const override { return ChartSpokenLines(chart_); }

private:
    const SeatingChart& chart_;
};

}  // namespace quorle
