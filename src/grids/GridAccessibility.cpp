#include "grids/GridAccessibility.h"

namespace quorle {
namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::vector<std::string> GridSpokenLines(const TColumnList& columns, const std::vector<TStudent>& roster) {
    std::vector<std::string> lines;
    std::string headings = "Columns:";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string heading = Trimmed(columns[i].heading.View());
        headings += (i == 0 ? " " : ", ") + (heading.empty() ? std::string("blank") : heading);
    }
    lines.push_back(columns.empty() ? "No columns" : headings);
    for (std::size_t row = 1; row < roster.size(); ++row)
        lines.push_back(Trimmed(roster[row].lastName.View()) + ", " + Trimmed(roster[row].firstName.View()));
    return lines;
}

std::string GridSpokenSummary(const TColumnList& columns, const std::vector<TStudent>& roster) {
    const std::size_t students = roster.empty() ? 0 : roster.size() - 1;
    return Count(columns.size(), "column", "columns") + ", " + Count(students, "student", "students");
}

}  // namespace quorle
