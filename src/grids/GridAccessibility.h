#pragma once
// The assignment grid as a screen reader reads it: its column headings on one
// line, then the students it lists, one a line, instead of the ruled table the
// window draws.
#include <string>
#include <vector>

#include "grids/GridFile.h"
#include "platform/Accessible.h"
#include "record/ClassRecord.h"

namespace quorle {

// "Columns: Lab 1, Lab 2, Notes", then "Anderson, Emily" for each student in
// roster order. A column without a heading reads "blank".
std::vector<std::string> GridSpokenLines(const TColumnList& columns, const std::vector<TStudent>& roster);
// "3 columns, 24 students".
std::string GridSpokenSummary(const TColumnList& columns, const std::vector<TStudent>& roster);

class GridAccessibility : public platform::AccessibleText {
public:
    GridAccessibility(const TColumnList& columns, const ClassRecord& record) : columns_(columns), record_(record) {}
    std::string Description() const override { return GridSpokenSummary(columns_, record_.roster); }
    std::vector<std::string> Lines() const override { return GridSpokenLines(columns_, record_.roster); }

private:
    const TColumnList& columns_;
    const ClassRecord& record_;
};

}  // namespace quorle
