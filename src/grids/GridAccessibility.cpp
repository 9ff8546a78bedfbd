#include "grids/GridAccessibility.h"

#include <algorithm>

#include "platform/Text1252.h"

namespace quorle {
namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::vector<std::string> GridSpokenLines(const TColumnList& columns, const std::vector<TStudent>& roster) {
    std::vector<std::string> lines;
    std::string headings = "Columns:";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string heading = platform::TrimPadding(columns[i].heading.View());
        headings += (i == 0 ? " " : ", ") + (heading.empty() ? std::string("blank") : heading);
    }
    lines.push_back(columns.empty() ? "No columns" : headings);
    for (std::size_t row = 1; row < roster.size(); ++row)
        lines.push_back(platform::TrimPadding(roster[row].lastName.View()) + ", " + platform::TrimPadding(roster[row].firstName.View()));
    return lines;
}

std::string GridSpokenSummary(const TColumnList& columns, const std::vector<TStudent>& roster) {
    const std::size_t students = roster.empty() ? 0 : roster.size() - 1;
    return Count(columns.size(), "column", "columns") + ", " + Count(students, "student", "students");
}

std::optional<platform::Rect> GridAccessibility::LineRect(int line) const {
    if (line < 0 || line >= static_cast<int>(places.size())) return std::nullopt;
    const platform::Rect& r = places[static_cast<std::size_t>(line)];
    const int dx = scroller_.xPos * scroller_.xUnit;
    const int dy = scroller_.yPos * scroller_.yUnit;
    return platform::Rect{r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

std::optional<int> GridAccessibility::FocusedLine() const {
    const int count = static_cast<int>(Lines().size());
    if (count == 0) return std::nullopt;
    return std::clamp(focused, 0, count - 1);
}

}  // namespace quorle
