#include "grids/GridAccessibility.h"

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

}  // namespace quorle
