#pragma once
// Reads a drawn grid back as the teacher sees it: each character cell's line
// segments recognised as one frame glyph and shown as its box-drawing
// character, one string per cell row that carries lines.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "grids/GridDrawing.h"
#include "support/RecordingCanvas.h"

namespace quorle::testing {

using SegmentSet = std::set<std::tuple<int, int, int, int>>;

// The segments of lines relative to the cell they start in, endpoints ordered.
inline std::map<std::pair<int, int>, SegmentSet> CellSegments(const std::vector<DrawnLine>& lines, int w, int h) {
    std::map<std::pair<int, int>, SegmentSet> cells;  // (row, column)
    for (const auto& l : lines) {
        const int cx = std::min(l.x1, l.x2) / w, cy = std::min(l.y1, l.y2) / h;
        const int ox = cx * w, oy = cy * h;
        auto a = std::make_pair(l.x1 - ox, l.y1 - oy), b = std::make_pair(l.x2 - ox, l.y2 - oy);
        if (b < a) std::swap(a, b);
        cells[{cy, cx}].insert({a.first, a.second, b.first, b.second});
    }
    return cells;
}

inline std::vector<std::string> GridPicture(const std::vector<DrawnLine>& lines, int w, int h) {
    static const std::pair<Glyph, const char*> kGlyphs[] = {
        {Glyph::DoubleTopLeft, "╔"},    {Glyph::DoubleTopRight, "╗"}, {Glyph::DoubleBottomLeft, "╚"},
        {Glyph::DoubleBottomRight, "╝"}, {Glyph::DoubleHorizontal, "═"}, {Glyph::DoubleVertical, "║"},
        {Glyph::SingleHorizontal, "─"}, {Glyph::SingleVertical, "│"},  {Glyph::TopTee, "╦"},
        {Glyph::BottomTee, "╩"},        {Glyph::LeftTee, "╟"},        {Glyph::RightTee, "╢"},
        {Glyph::Cross, "┼"}};
    std::map<SegmentSet, std::string> known;
    for (const auto& [glyph, shown] : kGlyphs) {
        RecordingCanvas one;
        DrawGlyph(one, glyph, 0, 0, w, h);
        known[CellSegments(one.lines, w, h)[{0, 0}]] = shown;
    }
    std::map<int, std::map<int, std::string>> rows;
    for (const auto& [cell, segments] : CellSegments(lines, w, h)) {
        const auto it = known.find(segments);
        rows[cell.first][cell.second] = it == known.end() ? "?" : it->second;
    }
    std::vector<std::string> out;
    for (const auto& [row, cells] : rows) {
        std::string line;
        int next = 0;
        for (const auto& [column, shown] : cells) {
            line.append(static_cast<std::size_t>(column - next), ' ');
            line += shown;
            next = column + 1;
        }
        out.push_back(line);
    }
    return out;
}

}  // namespace quorle::testing
