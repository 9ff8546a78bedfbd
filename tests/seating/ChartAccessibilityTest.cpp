// The seating chart read out seat by seat, as a screen reader gets it.
#include <gtest/gtest.h>

#include <utility>

#include "seating/ChartAccessibility.h"
#include "seating/ChartPicture.h"

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
        // An aisle (a column of the room without desks) is not a column of seats.
        {"an aisle between", Chart({{0, 0}, {2, 0}}, {}), "2 seats in 2 columns, 0 taken",
         {"Seat 1, column 1, place 1: free", "Seat 2, column 2, place 1: free"}},
        {"full names of 14 characters",
         Chart({{0, 0}}, {TPeople::Seated("Maximiliananna", "Abercrombie-Sm")}),
         "1 seat in 1 column, 1 taken",
         {"Seat 1, column 1, place 1: Maximiliananna Abercrombie-Sm"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const platform::Scroller scroller;
        const ChartAccessibility access(c.chart, scroller);
        EXPECT_EQ(access.Description(), c.summary);
        EXPECT_EQ(access.Lines(), c.lines);
    }
}

TEST(ChartAccessibility, EachSeatStandsOnItsBoxInThePicture) {
    for (const SeatingChart& chart : {Chart({{0, 0}}, {}), Chart({{0, 0}, {1, 0}}, {}), Chart({{0, 0}, {0, 1}}, {}),
                                      Chart({{0, 0}, {0, 2}, {2, 1}, {3, 0}, {3, 1}}, {}),
                                      Chart({{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}}, {})}) {
        const auto picture = BuildChartPicture(chart);
        const auto boxes = ChartSeatBoxes(chart);
        ASSERT_EQ(static_cast<int>(boxes.size()), chart.seatCount);
        const platform::Scroller scroller{5, 5, 100, 100, 2, 3};
        ChartAccessibility access(chart, scroller);
        access.SetCell({8, 16});
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const SeatBox& b = boxes[i];
            const auto at = [&](int line, int from, int to) {
                return picture[static_cast<std::size_t>(line)].substr(static_cast<std::size_t>(from),
                                                                      static_cast<std::size_t>(to - from + 1));
            };
            // Its corners are the box's, and its number is in its bottom edge.
            EXPECT_EQ(at(b.firstLine, b.firstChar, b.firstChar) + at(b.firstLine, b.lastChar, b.lastChar) +
                          at(b.lastLine, b.firstChar, b.firstChar) + at(b.lastLine, b.lastChar, b.lastChar), "****");
            EXPECT_NE(at(b.lastLine, b.firstChar, b.lastChar).find(std::to_string(i + 1) + "*"), std::string::npos);
            // On the screen: in character cells, less the scrolled distance.
            EXPECT_EQ(access.LineRect(static_cast<int>(i)), (platform::Rect{b.firstChar * 8 - 10, b.firstLine * 16 - 15,
                                                                            (b.lastChar + 1) * 8 - 10, (b.lastLine + 1) * 16 - 15}));
        }
    }
}

}  // namespace
}  // namespace quorle::testing
