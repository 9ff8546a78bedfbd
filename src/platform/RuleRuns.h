#pragma once
// The edges of ruled boxes joined into long lines. A form of boxes side by
// side and row under row draws every inner edge twice (once for each box);
// joined, a row's edges become one line across the page and a column's one
// line down it, and a stretch the boxes drew twice is drawn twice, so a
// device lays down the same ink with a few long lines instead of thousands
// of short ones.
#include <map>
#include <vector>

#include "platform/Geometry.h"

namespace quorle::platform {

class RuleRuns {
public:
    // A level or upright line of some length is kept; false (nothing kept)
    // for a slanted line or a point.
    bool Add(const LineSegment& line);
    // The four edges of a box; false (nothing kept) for a box without width or height.
    bool AddBox(const Rect& box);
    bool Empty() const { return rows_.empty() && columns_.empty(); }

    // Layer k holds every stretch that was drawn more than k times: drawn
    // one layer after the other, each stretch gets as many strokes as before.
    // Level lines run left to right, upright ones top to bottom, in the order
    // of their y (x), then of their start.
    struct Layer {
        std::vector<LineSegment> level;
        std::vector<LineSegment> upright;
        friend bool operator==(const Layer&, const Layer&) = default;
    };
    // The layers of everything kept; the runs are empty afterwards.
    std::vector<Layer> Take();

private:
    // Per y (x): the stretches [from, to] of the level (upright) lines on it.
    std::map<int, std::vector<std::pair<int, int>>> rows_;
    std::map<int, std::vector<std::pair<int, int>>> columns_;
};

}  // namespace quorle::platform
