#pragma once
// The class window's panes as one table for a screen reader: the rows are the
// Possible Points row and the students in the order the panes show them, the columns the names pane's and then
// the grades pane's, headed as the panes head them. A cell reads as the pane
// draws it, without the padding (" N/A" reads "N/A"); a row is known by
// "Last First", the Possible Points row by "Points possible".
#include <optional>
#include <string>
#include <vector>

#include "classwin/Panes.h"
#include "grading/GradeColumns.h"
#include "platform/Accessible.h"
#include "record/ClassRecord.h"

namespace quorle {

// What a screen reader calls the selection box of a student: "Select Anderson Emily".
std::string SelectionBoxName(const TStudent& student);

class PaneAccessibility : public platform::AccessibleTable {
public:
    PaneAccessibility(const ClassRecord& record, const TNameWindow& names, TGradeWindow& grades)
        : record_(record), names_(names), grades_(grades) {}

    // The columns of both panes, left to right.
    std::vector<GradeColumn> Columns() const;

    std::string TableName() const override;
    int RowCount() const override;
    int ColumnCount() const override;
    std::string ColumnHeader(int column) const override;
    std::string RowHeader(int row) const override;
    std::string CellText(int row, int column) const override;
    // The grades pane's cell cursor, when it is shown.
    std::optional<platform::CellPosition> FocusedCell() const override;
    // The value typed into the cursor's cell, as the cell shows it.
    std::optional<std::string> EditedText() const override;
    // In the grades pane's client area: the names pane's cells stand left of it.
    std::optional<platform::Rect> CellRect(int row, int column) const override;
    // The cursor is shown, on the first student's first grade when it was
    // not, and stays shown when Escape is pressed.
    void ReaderPresent() override;

private:
    std::optional<GradeColumn> ColumnAt(int column) const;
    int NameColumnCount() const;
    // The roster row shown at a table row (the panes may show a sorted view).
    int RosterRow(int row) const { return grades_.RowAt(row); }

    const ClassRecord& record_;
    const TNameWindow& names_;
    TGradeWindow& grades_;
};

}  // namespace quorle
