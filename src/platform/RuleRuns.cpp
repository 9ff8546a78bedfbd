#include "platform/RuleRuns.h"

#include <algorithm>
#include <utility>

namespace quorle::platform {

namespace {

using Stretches = std::map<int, std::vector<std::pair<int, int>>>;

// The stretches on one line as layers of runs: a point covered by n stretches
// lies on a run of each of the first n layers. Stretches that only touch join.
template <typename Emit>
void Layers(std::vector<std::pair<int, int>>& stretches, Emit emit) {
    std::vector<std::pair<int, int>> events;  // (place, +1 at a start / -1 at an end)
    events.reserve(stretches.size() * 2);
    for (const auto& [from, to] : stretches) {
        events.emplace_back(from, +1);
        events.emplace_back(to, -1);
    }
    std::sort(events.begin(), events.end());
    std::vector<int> openedAt;  // openedAt[k]: where layer k's run began
    int depth = 0;
    for (std::size_t i = 0; i < events.size();) {
        const int place = events[i].first;
        for (; i < events.size() && events[i].first == place; ++i) depth += events[i].second;
        // Layers above the depth end here; the ones up to it go on or begin.
        while (static_cast<int>(openedAt.size()) > depth) {
            emit(openedAt.size() - 1, openedAt.back(), place);
            openedAt.pop_back();
        }
        while (static_cast<int>(openedAt.size()) < depth) openedAt.push_back(place);
    }
}

void TakeLines(Stretches& lines, bool level, std::vector<RuleRuns::Layer>& layers) {
    for (auto& [place, stretches] : lines) {
        const int at = place;  // a structured binding cannot be captured by every compiler
        Layers(stretches, [&](std::size_t k, int from, int to) {
            if (layers.size() <= k) layers.resize(k + 1);
            if (level)
                layers[k].level.push_back(LineSegment{from, at, to, at});
            else
                layers[k].upright.push_back(LineSegment{at, from, at, to});
        });
    }
    lines.clear();
}

}  // namespace

bool RuleRuns::Add(const LineSegment& line) {
    if (line.y1 == line.y2 && line.x1 != line.x2) {
        rows_[line.y1].emplace_back(std::min(line.x1, line.x2), std::max(line.x1, line.x2));
        return true;
    }
    if (line.x1 == line.x2 && line.y1 != line.y2) {
        columns_[line.x1].emplace_back(std::min(line.y1, line.y2), std::max(line.y1, line.y2));
        return true;
    }
    return false;
}

bool RuleRuns::AddBox(const Rect& box) {
    if (box.left == box.right || box.top == box.bottom) return false;
    Add(LineSegment{box.left, box.top, box.right, box.top});
    Add(LineSegment{box.right, box.top, box.right, box.bottom});
    Add(LineSegment{box.right, box.bottom, box.left, box.bottom});
    Add(LineSegment{box.left, box.bottom, box.left, box.top});
    return true;
}

std::vector<RuleRuns::Layer> RuleRuns::Take() {
    std::vector<Layer> layers;
    TakeLines(rows_, true, layers);
    TakeLines(columns_, false, layers);
    return layers;
}

}  // namespace quorle::platform
