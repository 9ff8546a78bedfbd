#pragma once
// The seating chart as a screen reader reads it: a line per seat, in seat
// number order, with where the desk stands and who sits there, instead of the
// boxes of asterisks the window draws. The lines are a list the arrow keys
// walk, each standing where its box is drawn.
#include <optional>
#include <string>
#include <vector>

#include "platform/Accessible.h"
#include "platform/Window.h"
#include "seating/SeatingChart.h"

namespace quorle {

// "Seat 1, column 1, place 1: Emily Anderson" (columns of desks from the
// left, an aisle not counted; places from the back, as the desks stand); a
// free seat reads "free".
std::vector<std::string> ChartSpokenLines(const SeatingChart& chart);
// "30 seats in 5 columns, 24 taken" (columns of desks); "No seats" for a
// chart without desks.
std::string ChartSpokenSummary(const SeatingChart& chart);

class ChartAccessibility : public platform::AccessibleText {
public:
    // scroller: the window's, whose position says what part of the picture is shown.
    ChartAccessibility(const SeatingChart& chart, const platform::Scroller& scroller)
        : chart_(chart), scroller_(scroller) {}
    std::string Description() const override { return ChartSpokenSummary(chart_); }
    std::vector<std::string> Lines() const override { return ChartSpokenLines(chart_); }
    // The seat's box, from the character size the picture is painted in.
    std::optional<platform::Rect> LineRect(int line) const override;
    std::optional<int> FocusedLine() const override;

    // The size of one character of the picture on the screen.
    void SetCell(platform::Size cell) { cell_ = cell; }
    // The seat line the keyboard is on (from 0); kept within the seats.
    int focused = 0;

private:
    const SeatingChart& chart_;
    const platform::Scroller& scroller_;
    platform::Size cell_{};
};

}  // namespace quorle
