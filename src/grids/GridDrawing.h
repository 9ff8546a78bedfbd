#pragma once
// How an assignment grid is drawn, on the screen and on paper alike: the
// student groups, the heading block of each group, and the ruled table built
// from frame glyphs, each glyph a few line segments in one character cell.
#include <string_view>
#include <vector>

#include "grids/GridFile.h"
#include "platform/Canvas.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/ClassHeader.h"
#include "reports/PageRecords.h"

namespace quorle {

inline constexpr int kGridPenWidth = 2;
// The cells of the table before its first column: the margin up to the left
// edge (3), the edge itself and the 17 cells of "Name".
inline constexpr int kGridFirstCell = 3;
inline constexpr int kGridNameCells = 17;
// Students in the first group, and in every group after it.
inline constexpr int kFirstGroupSize = 20;
inline constexpr int kLaterGroupSize = 21;

enum class Glyph {
    DoubleTopLeft,
    DoubleTopRight,
    DoubleBottomLeft,
    DoubleBottomRight,
    DoubleHorizontal,
    DoubleVertical,
    SingleHorizontal,
    SingleVertical,
    TopTee,
    BottomTee,
    LeftTee,
    RightTee,
    Cross,
};

// Draws a glyph in the w x h cell whose top left corner is (x, y): double
// lines at 3/8 and 5/8 of the cell, single lines at 1/2.
void DrawGlyph(platform::Canvas& canvas, Glyph glyph, int x, int y, int w, int h);

// Roster entries 1 to rosterSize - 1 cut into groups: 20 students in the
// first, 21 in every later one. A class without students has one empty group,
// so its grid still shows the heading block and the table's frame.
std::vector<TStart> StudentGroups(int rosterSize);

// What a grid sheet shows: the grid's columns under a class's heading.
struct GridSheet {
    const TColumnList& columns;
    const std::vector<TStudent>& roster;  // entry 0 (Possible Points) is never shown
    std::string_view course;
    std::string_view period;
    platform::Date today;
};

// The widest line of a sheet in character cells: the rules, the heading line
// (a heading longer than its column pushes the rest of its line right) and the
// course line.
int GridSheetWidthCells(const GridSheet& sheet);

// Draws sheets on a canvas whose font is selected; w and h are the cell size
// (the width and height of "X").
class GridDrawer {
public:
    GridDrawer(platform::Canvas& canvas, const GridSheet& sheet, int w, int h)
        : canvas_(canvas), sheet_(sheet), w_(w), h_(h) {}

    // One group from y: y moves down 3 lines, the heading block, one row pair
    // per student, the bottom rule. Returns the y of the bottom rule.
    int DrawGroup(const TStart& group, int y);
    // The course line, the period line, the top rule and the heading line,
    // the first of them 3 lines below y. Returns the y of the first row pair.
    int DrawHeadingBlock(int y);
    // A rule and a name line. Returns the y after them.
    int DrawRowPair(const TStudent& student, int y);
    void DrawBottomRule(int y);
    // The x just after the table's right edge.
    int RightEdge() const;

private:
    // A rule line: the first glyph, `fill` over the name cells, then for each
    // column `start` and `fill` over its cells, then the last glyph.
    void DrawRule(int y, Glyph first, Glyph fill, Glyph start, Glyph last);
    void Put(Glyph glyph, int cell, int y);

    platform::Canvas& canvas_;
    const GridSheet& sheet_;
    int w_;
    int h_;
};

// The cell of the selected font: the width of "X" (taken from ten of them and
// rounded up, so a name or heading never runs past its cells where a
// character's width is fractional) and the height of "X".
platform::Size GridCellSize(platform::Canvas& canvas);

// The screen's grid font: "Courier New", character height one 60th of one
// and a half times the display's height.
platform::FontSpec ScreenGridFont(int displayHeight);

}  // namespace quorle
