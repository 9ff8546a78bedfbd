#include "grids/GridDrawing.h"

#include <gtest/gtest.h>

#include "grids/GridPicture.h"
#include "support/RecordingCanvas.h"

namespace quorle::testing {
namespace {

// A cell of 8 x 16: double lines at 3 and 5 across, 6 and 10 down; single
// lines at 4 across and 8 down.
constexpr int W = 8;
constexpr int H = 16;

TColumn Column(std::string_view heading, int spaces) { return TColumn{FixedText<80>(heading), spaces}; }

std::vector<TStudent> Roster(std::initializer_list<std::pair<const char*, const char*>> names) {
    std::vector<TStudent> roster{TStudent("Possible", "Points", "    ")};
    for (const auto& [last, first] : names) roster.emplace_back(last, first, "1");
    return roster;
}

TEST(GridGlyphs, EachGlyphIsItsSegmentsInItsCell) {
    using S = std::vector<std::array<int, 4>>;
    const struct {
        Glyph glyph;
        S segments;  // from the cell's corner, in drawing order
    } cases[] = {
        {Glyph::DoubleTopLeft, {{3, 16, 3, 6}, {3, 6, 8, 6}, {5, 16, 5, 10}, {5, 10, 8, 10}}},
        {Glyph::DoubleTopRight, {{3, 16, 3, 10}, {3, 10, 0, 10}, {5, 16, 5, 6}, {5, 6, 0, 6}}},
        {Glyph::DoubleBottomLeft, {{3, 0, 3, 10}, {3, 10, 8, 10}, {5, 0, 5, 6}, {5, 6, 8, 6}}},
        {Glyph::DoubleBottomRight, {{3, 0, 3, 6}, {3, 6, 0, 6}, {5, 0, 5, 10}, {5, 10, 0, 10}}},
        {Glyph::DoubleHorizontal, {{0, 6, 8, 6}, {0, 10, 8, 10}}},
        {Glyph::DoubleVertical, {{3, 0, 3, 16}, {5, 0, 5, 16}}},
        {Glyph::SingleHorizontal, {{0, 8, 8, 8}}},
        {Glyph::SingleVertical, {{4, 0, 4, 16}}},
        {Glyph::TopTee, {{0, 6, 8, 6}, {0, 10, 8, 10}, {4, 10, 4, 16}}},
        {Glyph::BottomTee, {{0, 6, 8, 6}, {0, 10, 8, 10}, {4, 6, 4, 0}}},
        {Glyph::LeftTee, {{3, 0, 3, 16}, {5, 0, 5, 16}, {5, 8, 8, 8}}},
        {Glyph::RightTee, {{3, 0, 3, 16}, {5, 0, 5, 16}, {0, 8, 3, 8}}},
        {Glyph::Cross, {{4, 0, 4, 16}, {0, 8, 8, 8}}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        DrawGlyph(canvas, c.glyph, 100, 200, W, H);
        S drawn;
        for (const auto& l : canvas.lines) {
            drawn.push_back({l.x1 - 100, l.y1 - 200, l.x2 - 100, l.y2 - 200});
            EXPECT_EQ(l.penWidth, 2);
        }
        EXPECT_EQ(drawn, c.segments) << static_cast<int>(c.glyph);
    }
}

TEST(GridGroups, TwentyThenTwentyOnePerGroup) {
    const struct {
        int students;
        std::vector<TStart> groups;
    } cases[] = {
        {0, {{1, 0}}},
        {1, {{1, 1}}},
        {20, {{1, 20}}},
        {21, {{1, 20}, {21, 21}}},
        {41, {{1, 20}, {21, 41}}},
        {42, {{1, 20}, {21, 41}, {42, 42}}},
        {62, {{1, 20}, {21, 41}, {42, 62}}},
    };
    for (const auto& c : cases) EXPECT_EQ(StudentGroups(c.students + 1), c.groups) << c.students;
}

struct Drawn {
    RecordingCanvas canvas;
    int bottom = 0;
};

Drawn DrawSheet(const TColumnList& columns, const std::vector<TStudent>& roster) {
    Drawn d;
    const GridSheet sheet{columns, roster, "Biology", "3", platform::Date{1997, 3, 7}};
    GridDrawer drawer(d.canvas, sheet, W, H);
    d.bottom = drawer.DrawGroup(TStart{1, static_cast<int>(roster.size()) - 1}, 0);
    return d;
}

TEST(GridSheetDrawing, TableOfTheColumnsWithOneRowPairPerStudent) {
    const struct {
        const char* what;
        TColumnList columns;
        std::vector<std::string> picture;
    } cases[] = {
        {"no columns: the name column alone",
         {},
         {"   ╔═════════════════╗", "   ║                 ║", "   ╟─────────────────╢", "   ║                 ║",
          "   ╟─────────────────╢", "   ║                 ║", "   ╚═════════════════╝"}},
        {"a column of five and a column of none",
         {Column("Essay", 5), Column("", 0)},
         {"   ╔═════════════════╦═════╦╗", "   ║                 │     │║", "   ╟─────────────────┼─────┼╢",
          "   ║                 │     │║", "   ╟─────────────────┼─────┼╢", "   ║                 │     │║",
          "   ╚═════════════════╩═════╩╝"}},
        {"a heading longer than its column pushes its line only",
         {Column("Homework", 3), Column("Lab", 3)},
         {"   ╔═════════════════╦═══╦═══╗", "   ║                 │        │   ║",
          "   ╟─────────────────┼───┼───╢", "   ║                 │   │   ║", "   ╟─────────────────┼───┼───╢",
          "   ║                 │   │   ║", "   ╚═════════════════╩═══╩═══╝"}},
    };
    for (const auto& c : cases) {
        const Drawn d = DrawSheet(c.columns, Roster({{"Adams", "Ann"}, {"Baker", "Bob"}}));
        EXPECT_EQ(GridPicture(d.canvas.lines, W, H), c.picture) << c.what;
        EXPECT_EQ(d.bottom, 13 * H) << c.what;
    }
}

TEST(GridSheetDrawing, HeadingBlockAndNamesStandInTheirCells) {
    const Drawn d = DrawSheet({Column("Essay", 5), Column("Homework", 3), Column("Lab", 3)},
                              Roster({{"Abercrombie-Jo", "John"}, {"Li", ""}}));
    auto at = [&](int y) {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& t : d.canvas.Line(y)) out.emplace_back(t.x, t.text);
        return out;
    };
    using Line = std::vector<std::pair<int, std::string>>;
    // Course at 27 spaces, the date 7 spaces after it; the period under it.
    EXPECT_EQ(at(3 * H), (Line{{27 * W, "Biology"}, {(27 + 7 + 7) * W, "3/7/1997"}}));
    EXPECT_EQ(at(5 * H), (Line{{27 * W, "Period: 3"}}));
    // Headings one cell after each column's line; "Homework" runs past its 3 cells.
    EXPECT_EQ(at(8 * H), (Line{{9 * W, "Name        "}, {22 * W, "Essay"}, {28 * W, "Homework"}, {37 * W, "Lab"}}));
    // The last name padded to 14, the initial and its full stop ending at cell 20.
    EXPECT_EQ(at(10 * H), (Line{{5 * W, "Abercrombie-J J."}}));
    EXPECT_EQ(at(12 * H), (Line{{5 * W, "Li"}}));
}

TEST(GridSheetDrawing, ALastNameKeepsASpaceBeforeTheInitial) {
    struct Case {
        const char* last;
        const char* first;
        const char* printed;
    };
    const Case cases[] = {
        {"Abercrombie-J", "John", "Abercrombie-J J."},   // 13 letters: whole, then the space
        {"Abercrombie-Jo", "John", "Abercrombie-J J."},  // 14: the last letter gives way
        {"Abercrombie-Jo", "", "Abercrombie-Jo"},        // no initial: nothing to keep apart
        {"Li", "Jo", "Li            J."},
    };
    for (const Case& c : cases) {
        const Drawn d = DrawSheet({Column("Essay", 5)}, Roster({{c.last, c.first}}));
        const auto line = d.canvas.Line(10 * H);
        ASSERT_EQ(line.size(), 1u) << c.last;
        EXPECT_EQ(line[0].x, 5 * W) << c.last;
        EXPECT_EQ(line[0].text, c.printed) << c.last;
    }
}

}  // namespace
}  // namespace quorle::testing
