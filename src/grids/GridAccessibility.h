#pragma once
// The assignment grid as a screen reader reads it: its column headings on one
// line, then the students it lists, one a line, instead of the ruled table the
// window draws.
#include <optional>
#include <string>
#include <vector>

#include "grids/GridFile.h"
#include "platform/Accessible.h"
#include "platform/Window.h"
#include "record/ClassRecord.h"

namespace quorle {

// "Columns: Lab 1, Lab 2, Notes", then "Anderson, Emily" for each student in
// roster order. A column without a heading reads "blank".
std::vector<std::string> GridSpokenLines(const TColumnList& columns, const std::vector<TStudent>& roster);
// "3 columns, 24 students".
std::string GridSpokenSummary(const TColumnList& columns, const std::vector<TStudent>& roster);

class GridAccessibility : public platform::AccessibleText {
public:
    // scroller: the window's, whose position says what part of the grid is shown.
    GridAccessibility(const TColumnList& columns, const ClassRecord& record, const platform::Scroller& scroller)
        : columns_(columns), record_(record), scroller_(scroller) {}
    std::string Description() const override { return GridSpokenSummary(columns_, record_.roster); }
    std::vector<std::string> Lines() const override { return GridSpokenLines(columns_, record_.roster); }
    std::optional<platform::Rect> LineRect(int line) const override;
    std::optional<int> FocusedLine() const override;

    // Where each line is drawn, unscrolled: the first heading line, then each
    // student's name line (set as the grid is painted).
    std::vector<platform::Rect> places;
    // The line the keyboard is on (from 0); kept within the lines.
    int focused = 0;

private:
    const TColumnList& columns_;
    const ClassRecord& record_;
    const platform::Scroller& scroller_;
};

}  // namespace quorle
