#include "grids/GridDrawing.h"

#include <algorithm>
#include <string>

namespace quorle {

namespace {

struct Segment {
    int x1, y1, x2, y2;
};

// The name column's heading, reaching from cell 9 to the first column.
constexpr std::string_view kNameHeading = "Name        ";
constexpr int kNameHeadingCell = 9;
constexpr int kStudentNameCell = 5;
constexpr int kLastNameWidth = 14;
constexpr int kCourseIndent = 27;  // spaces before the course and the period
constexpr int kDateGap = 7;        // spaces between the course and the date

}  // namespace

void DrawGlyph(platform::Canvas& canvas, Glyph glyph, int x, int y, int w, int h) {
    const int a = 3 * w / 8, b = 5 * w / 8, m = w / 2;  // across
    const int c = 3 * h / 8, d = 5 * h / 8, n = h / 2;  // down
    auto line = [&](int x1, int y1, int x2, int y2) { canvas.Line(x + x1, y + y1, x + x2, y + y2, kGridPenWidth); };
    auto doubleHorizontal = [&] {
        line(0, c, w, c);
        line(0, d, w, d);
    };
    auto doubleVertical = [&] {
        line(a, 0, a, h);
        line(b, 0, b, h);
    };
    switch (glyph) {
        case Glyph::DoubleTopLeft:
            line(a, h, a, c), line(a, c, w, c);
            line(b, h, b, d), line(b, d, w, d);
            break;
        case Glyph::DoubleTopRight:
            line(a, h, a, d), line(a, d, 0, d);
            line(b, h, b, c), line(b, c, 0, c);
            break;
        case Glyph::DoubleBottomLeft:
            line(a, 0, a, d), line(a, d, w, d);
            line(b, 0, b, c), line(b, c, w, c);
            break;
        case Glyph::DoubleBottomRight:
            line(a, 0, a, c), line(a, c, 0, c);
            line(b, 0, b, d), line(b, d, 0, d);
            break;
        case Glyph::DoubleHorizontal: doubleHorizontal(); break;
        case Glyph::DoubleVertical: doubleVertical(); break;
        case Glyph::SingleHorizontal: line(0, n, w, n); break;
        case Glyph::SingleVertical: line(m, 0, m, h); break;
        case Glyph::TopTee:
            doubleHorizontal();
            line(m, d, m, h);
            break;
        case Glyph::BottomTee:
            doubleHorizontal();
            line(m, c, m, 0);
            break;
        case Glyph::LeftTee:
            doubleVertical();
            line(b, n, w, n);
            break;
        case Glyph::RightTee:
            doubleVertical();
            line(0, n, a, n);
            break;
        case Glyph::Cross:
            line(m, 0, m, h);
            line(0, n, w, n);
            break;
    }
}

std::vector<TStart> StudentGroups(int rosterSize) {
    std::vector<TStart> groups;
    const int last = rosterSize - 1;
    int first = 1;
    int size = kFirstGroupSize;
    while (first <= last) {
        groups.push_back(TStart{first, std::min(last, first + size - 1)});
        first += size;
        size = kLaterGroupSize;
    }
    if (groups.empty()) groups.push_back(TStart{1, 0});
    return groups;
}

int GridSheetWidthCells(const GridSheet& sheet) {
    long long rule = kGridFirstCell + 1 + kGridNameCells;
    long long heading = rule;
    for (const TColumn& column : sheet.columns) {
        rule += 1 + column.spaces;
        heading += 1 + std::max<long long>(column.spaces, static_cast<long long>(column.heading.Length()));
    }
    const long long course = kCourseIndent + static_cast<long long>(sheet.course.size()) + kDateGap +
                             static_cast<long long>(FormatDate(sheet.today).size());
    const long long widest = std::max({rule + 1, heading + 1, course});
    return static_cast<int>(std::min<long long>(widest, 1 << 20));
}

void GridDrawer::Put(Glyph glyph, int cell, int y) { DrawGlyph(canvas_, glyph, cell * w_, y, w_, h_); }

void GridDrawer::DrawRule(int y, Glyph first, Glyph fill, Glyph start,
                          Glyph last) {
    int cell = kGridFirstCell;
    Put(first, cell++, y);
    for (int i = 0; i < kGridNameCells; ++i) Put(fill, cell++, y);
    for (const TColumn& column : sheet_.columns) {
        Put(start, cell++, y);
        for (int i = 0; i < column.spaces; ++i) Put(fill, cell++, y);
    }
    Put(last, cell, y);
}

int GridDrawer::RightEdge() const {
    long long cell = kGridFirstCell + 1 + kGridNameCells;
    for (const TColumn& column : sheet_.columns) cell += 1 + column.spaces;
    return static_cast<int>((cell + 1) * w_);
}

int GridDrawer::DrawHeadingBlock(int y) {
    const int indent = canvas_.TextExtent(std::string(kCourseIndent, ' ')).cx;
    y += 3 * h_;
    canvas_.TextOut(indent, y, sheet_.course);
    const int dateX = indent + canvas_.TextExtent(sheet_.course).cx + canvas_.TextExtent(std::string(kDateGap, ' ')).cx;
    canvas_.TextOut(dateX, y, FormatDate(sheet_.today));

    y += 2 * h_;
    std::string period = "Period: ";
    period += sheet_.period;
    canvas_.TextOut(indent, y, period);

    y += 2 * h_;
    DrawRule(y, Glyph::DoubleTopLeft, Glyph::DoubleHorizontal, Glyph::TopTee, Glyph::DoubleTopRight);

    y += h_;
    Put(Glyph::DoubleVertical, kGridFirstCell, y);
    canvas_.TextOut(kNameHeadingCell * w_, y, kNameHeading);
    int cell = kNameHeadingCell + static_cast<int>(kNameHeading.size());
    for (const TColumn& column : sheet_.columns) {
        Put(Glyph::SingleVertical, cell++, y);
        if (!column.heading.Empty()) canvas_.TextOut(cell * w_, y, column.heading.View());
        // A heading longer than its column pushes the rest of the line right.
        cell += std::max(column.spaces, static_cast<std::int32_t>(column.heading.Length()));
    }
    Put(Glyph::DoubleVertical, cell, y);
    return y + h_;
}

int GridDrawer::DrawRowPair(const TStudent& student, int y) {
    DrawRule(y, Glyph::LeftTee, Glyph::SingleHorizontal, Glyph::Cross, Glyph::RightTee);
    y += h_;

    Put(Glyph::DoubleVertical, kGridFirstCell, y);
    std::string name(student.lastName.View());
    if (!student.firstName.Empty()) {
        // The initial follows a space at least: a last name of the whole
        // width loses its last letter.
        if (name.size() >= static_cast<std::size_t>(kLastNameWidth))
            name.resize(static_cast<std::size_t>(kLastNameWidth - 1));
        name.resize(static_cast<std::size_t>(kLastNameWidth), ' ');
        name += student.firstName.View().front();
        name += '.';
    }
    if (!name.empty()) canvas_.TextOut(kStudentNameCell * w_, y, name);
    int cell = kGridFirstCell + 1 + kGridNameCells;
    for (const TColumn& column : sheet_.columns) {
        Put(Glyph::SingleVertical, cell, y);
        cell += 1 + column.spaces;
    }
    Put(Glyph::DoubleVertical, cell, y);
    return y + h_;
}

void GridDrawer::DrawBottomRule(int y) {
    DrawRule(y, Glyph::DoubleBottomLeft, Glyph::DoubleHorizontal, Glyph::BottomTee, Glyph::DoubleBottomRight);
}

int GridDrawer::DrawGroup(const TStart& group, int y) {
    y = DrawHeadingBlock(y);
    const int last = std::min(group.last, static_cast<int>(sheet_.roster.size()) - 1);
    for (int i = std::max(1, group.first); i <= last; ++i)
        y = DrawRowPair(sheet_.roster[static_cast<std::size_t>(i)], y);
    DrawBottomRule(y);
    return y;
}

platform::Size GridCellSize(platform::Canvas& canvas) {
    const int ten = canvas.TextExtent("XXXXXXXXXX").cx;
    return platform::Size{std::max(1, (ten + 9) / 10), std::max(1, canvas.TextExtent("X").cy)};
}

platform::FontSpec ScreenGridFont(int displayHeight) {
    return platform::CourierFont(-(static_cast<int>(displayHeight * 1.5) / 60));
}

}  // namespace quorle
