// The seating chart read out seat by seat, as a screen reader gets it.
#include <gtest/gtest.h>

#include <utility>

#include "seating/ChartAccessibility.h"

namespace quorle::testing {
namespace {

SeatingChart Chart(std::initializer_list<std::pair<int, int>> desks, SeatList seats) {
    SeatingChart chart;
    for (auto [c, p] : desks) SetDesk(chart.grid, c, p, true);
    chart.Recount();
    seats.resize(static_cast<std::size_t>(chart.seatCount), TPeople::Free());
    chart.seats = std::move(seats);
    return chart;
}

TEST(ChartAccessibility, EachSeatIsALineWithItsPlaceAndOccupant) {
    const struct {
        const char* what;
        SeatingChart chart;
        std::string summary;
        std::vector<std::string> lines;
    } cases[] = {
        {"no desks", Chart({}, {}), "No seats", {}},
        {"one desk, free", Chart({{0, 0}}, {}), "1 seat in 1 column, 0 taken", {"Seat 1, column 1, place 1: free"}},
        // Desks away from the room's corner are counted from the first column
        // and the first place that hold one; seats go column by column, back to front.
        {"two columns",
         Chart({{2, 3}, {2, 4}, {3, 3}}, {TPeople::Seated("Ann", "Adams"), TPeople::Free(), TPeople::Seated("Cy", "Cole")}),
         "3 seats in 2 columns, 2 taken",
         {"Seat 1, column 1, place 1: Ann Adams", "Seat 2, column 1, place 2: free",
          "Seat 3, column 2, place 1: Cy Cole"}},
        {"full names of 14 characters",
         Chart({{0, 0}}, {TPeople::Seated("Maximiliananna", "Abercrombie-Sm")}),
         "1 seat in 1 column, 1 taken",
         {"Seat 1, column 1, place 1: Maximiliananna Abercrombie-Sm"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartAccessibility access(c.chart);
        EXPECT_EQ(access.Description(), c.summary);
        EXPECT_EQ(access.Lines(), c.lines);
    }
}

}  // namespace
}  // namespace quorle::testing
