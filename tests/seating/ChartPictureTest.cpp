// The chart picture: the edge cases drawn out in full, and random grids
// against a rendering made here from the box rules alone.
#include "seating/ChartPicture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quorle {
namespace {

SeatingChart Chart(std::initializer_list<std::pair<int, int>> desks, SeatList seats = {}) {
    SeatingChart chart;
    for (auto [c, p] : desks) SetDesk(chart.grid, c, p, true);
    chart.Recount();
    if (seats.empty()) seats.assign(static_cast<std::size_t>(chart.seatCount), TPeople::Free());
    chart.seats = std::move(seats);
    return chart;
}

const std::string kBlank(14, ' ');

TEST(ChartPicture, EdgeCasesDrawnInFull) {
    struct Case {
        const char* name;
        SeatingChart chart;
        std::vector<std::string> lines;
    };
    SeatList two = {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Bob", "Baker")};
    const Case cases[] = {
        {"one free desk", Chart({{0, 0}}),
         {"* * * * * * * * *", "*" + kBlank + " *", "*" + kBlank + " *", "* * * *1* * * * *"}},
        {"side by side, shared edge", Chart({{0, 0}, {1, 0}}, two),
         {"* * * * * * * * * * * * * * * * *", "*Ann            *Bob            *",
          "*Adams          *Baker          *", "* * * *1* * * * * * * *2* * * * *"}},
        {"one behind the other: 7 lines", Chart({{0, 0}, {0, 1}}, two),
         {"* * * * * * * * *", "*Ann            *", "*Adams          *", "* * * *1* * * * *",
          "*Bob            *", "*Baker          *", "* * * *2* * * * *"}},
        {"a gap in the column keeps its lines", Chart({{0, 0}, {0, 2}}),
         {"* * * * * * * * *", "*" + kBlank + " *", "*" + kBlank + " *", "* * * *1* * * * *",
          std::string(16, ' '), std::string(16, ' '), "* * * * * * * * *", "*" + kBlank + " *",
          "*" + kBlank + " *", "* * * *2* * * * *"}},
        // A desk away from the corner: the picture starts at the desks.
        {"extents start at the desks", Chart({{3, 5}}),
         {"* * * * * * * * *", "*" + kBlank + " *", "*" + kBlank + " *", "* * * *1* * * * *"}},
    };
    for (const Case& c : cases) {
        const auto text = ChartPictureText(c.chart);
        EXPECT_EQ(text, c.lines) << c.name;
        EXPECT_EQ(BuildChartPicture(c.chart).size(), 50u) << c.name;
    }
}

TEST(ChartPicture, TwoDigitSeatNumbersKeepTheBoxWidth) {
    SeatingChart chart;
    for (int p = 0; p < 10; ++p) SetDesk(chart.grid, 0, p, true);
    SetDesk(chart.grid, 1, 9, true);
    SetDesk(chart.grid, 2, 9, true);
    chart.Recount();
    chart.seats.assign(12, TPeople::Free());
    const auto lines = ChartPictureText(chart);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[30], "* * * 10* * * * * * * 11* * * * * * * 12* * * * *");
    EXPECT_EQ(lines[27], "* * * *9* * * * * * * * * * * * * * * * * * * * *");
    for (const auto& line : lines) EXPECT_TRUE(line.size() == 48 || line.size() == 49) << line;
}

// ---- an independent rendering from the box rules ----
// Column k of the chart spans characters 16k to 16k + 16, place i the lines 3i
// to 3i + 3: a top edge, the first name, the last name and the bottom edge
// that carries the seat number. Boxes side by side share the edge column;
// boxes one behind the other share the line between them, which keeps the
// number of the box behind.
std::vector<std::string> RenderFromBoxRules(const SeatingChart& chart) {
    int lowC = 10, highC = -1, lowP = 10, highP = -1;
    for (int c = 0; c < 10; ++c)
        for (int p = 0; p < 10; ++p)
            if (HasDesk(chart.grid, c, p)) {
                lowC = std::min(lowC, c), highC = std::max(highC, c);
                lowP = std::min(lowP, p), highP = std::max(highP, p);
            }
    if (highC < 0) return {};
    const int width = 16 * (highC - lowC + 1) + 1;
    std::vector<std::string> canvas(static_cast<std::size_t>(3 * (highP - lowP + 1) + 1), std::string(width, ' '));
    auto edge = [&](int y, int x0) {
        for (int o = 0; o <= 16; o += 2) canvas[y][x0 + o] = '*';
    };
    for (int c = lowC; c <= highC; ++c)  // top edges first: a bottom edge drawn later wins
        for (int p = lowP; p <= highP; ++p)
            if (HasDesk(chart.grid, c, p)) edge(3 * (p - lowP), 16 * (c - lowC));
    int number = 0;
    for (int c = lowC; c <= highC; ++c)
        for (int p = lowP; p <= highP; ++p) {
            if (!HasDesk(chart.grid, c, p)) continue;
            const int x0 = 16 * (c - lowC), y0 = 3 * (p - lowP);
            const TPeople& seat = chart.seats[static_cast<std::size_t>(number)];
            const std::string names[2] = {seat.firstName.Str(), seat.lastName.Str()};
            for (int n = 0; n < 2; ++n) {
                std::string& line = canvas[y0 + 1 + n];
                line[x0] = '*';
                line.replace(x0 + 1, 14, (names[n] + std::string(14, ' ')).substr(0, 14));
                line[x0 + 16] = '*';
            }
            const std::string digits = std::to_string(++number);
            std::string& bottom = canvas[y0 + 3];
            for (int o = 0; o <= 16; ++o) bottom[x0 + o] = o % 2 == 0 ? '*' : ' ';
            bottom.replace(x0 + 8 - static_cast<int>(digits.size()), digits.size(), digits);
        }
    // The picture's lines stop at the last box edge or at the spaces of the
    // last column without one.
    for (auto& line : canvas)
        if (line.back() == ' ') line.pop_back();
    return canvas;
}

TEST(ChartPicture, RandomGridsMatchTheBoxRules) {
    std::mt19937 gen(20261207);
    for (int round = 0; round < 400; ++round) {
        SeatingChart chart;
        // Mostly arrangements the dialog can make (7 columns); some use the
        // whole counted region, as a chart file may.
        const int columns = round % 4 == 0 ? 10 : 7;
        const int density = static_cast<int>(gen() % 90) + 5;
        for (int c = 0; c < columns; ++c)
            for (int p = 0; p < 10; ++p)
                if (static_cast<int>(gen() % 100) < density) SetDesk(chart.grid, c, p, true);
        chart.Recount();
        if (chart.seatCount > 99) continue;
        for (int i = 0; i < chart.seatCount; ++i)
            chart.seats.push_back(gen() % 3 == 0 ? TPeople::Free()
                                                 : TPeople::Seated("F" + std::to_string(i) + "xxxxxxxxxxxxxxxx",
                                                                   "Last" + std::to_string(gen() % 1000)));
        const auto expected = RenderFromBoxRules(chart);
        ASSERT_EQ(ChartPictureText(chart), expected) << "round " << round << ", " << chart.seatCount << " seats";
    }
}

TEST(ChartPicture, NoDeskDrawsNothingAndAMissingSeatRecordDrawsAFreeSeat) {
    EXPECT_TRUE(ChartPictureText(SeatingChart{}).empty());
    SeatingChart chart = Chart({{0, 0}, {1, 0}});
    chart.seats.resize(1);  // one record for two desks
    chart.seats[0] = TPeople::Seated("Ann", "Adams");
    const auto lines = ChartPictureText(chart);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "*Ann            *" + kBlank + " *");
}

}  // namespace
}  // namespace quorle
