#include "classwin/PaneAccessibility.h"

#include <algorithm>

#include "platform/Text1252.h"

namespace quorle {

std::string SelectionBoxName(const TStudent& student) {
    return "Select " + platform::TrimPadding(student.lastName.Str()) + " " + platform::TrimPadding(student.firstName.Str());
}

std::vector<GradeColumn> PaneAccessibility::Columns() const {
    std::vector<GradeColumn> columns{GradeColumn{GradeColumn::LastName}};
    if (names_.ShowsFirstName()) columns.push_back(GradeColumn{GradeColumn::FirstName});
    if (names_.ShowsId()) columns.push_back(GradeColumn{GradeColumn::Id});
    for (const GradeColumn& column : grades_.Columns()) columns.push_back(column);
    return columns;
}

std::optional<GradeColumn> PaneAccessibility::ColumnAt(int column) const {
    const std::vector<GradeColumn> columns = Columns();
    if (column < 0 || static_cast<std::size_t>(column) >= columns.size()) return std::nullopt;
    return columns[static_cast<std::size_t>(column)];
}

std::string PaneAccessibility::TableName() const {
    const std::string course = platform::TrimPadding(record_.info.course.Str());
    return course.empty() ? "Grades" : course + " grades";
}

int PaneAccessibility::RowCount() const { return record_.RowCount(); }

int PaneAccessibility::ColumnCount() const { return static_cast<int>(Columns().size()); }

std::string PaneAccessibility::ColumnHeader(int column) const {
    const auto col = ColumnAt(column);
    if (!col) return {};
    return platform::TrimPadding(col->IsName() ? GradeColumnHeading(record_, *col) : grades_.Heading(*col));
}

int PaneAccessibility::NameColumnCount() const {
    return 1 + (names_.ShowsFirstName() ? 1 : 0) + (names_.ShowsId() ? 1 : 0);
}

std::optional<platform::CellPosition> PaneAccessibility::FocusedCell() const {
    const auto& cursor = grades_.Cursor();
    if (!cursor) return std::nullopt;
    const int column = cursor->column == kNameColumn ? 0 : NameColumnCount() + cursor->column;
    return platform::CellPosition{grades_.PositionOf(cursor->row), column};
}

std::optional<std::string> PaneAccessibility::EditedText() const {
    if (!grades_.Cursor() || !grades_.Entering()) return std::nullopt;
    return grades_.EntryText();
}

std::string PaneAccessibility::RowHeader(int row) const {
    if (row < 0 || row >= record_.RowCount()) return {};
    const int rosterRow = RosterRow(row);
    if (rosterRow == 0) return "Points possible";
    const TStudent& student = record_.Row(rosterRow);
    return platform::TrimPadding(student.lastName.Str()) + " " + platform::TrimPadding(student.firstName.Str());
}

void PaneAccessibility::ReaderPresent() {
    grades_.KeepCursor();
    if (grades_.Cursor() || record_.RowCount() == 0) return;
    // The first student (the Possible Points row when there is none), the
    // pane's first column.
    grades_.PutCursor(grades_.RowAt(std::min(1, record_.RowCount() - 1)), 0);
}

std::string PaneAccessibility::CellText(int row, int column) const {
    const auto col = ColumnAt(column);
    if (!col || row < 0 || row >= record_.RowCount()) return {};
    const int rosterRow = RosterRow(row);
    GradeRowFigures figures(record_.grading, record_.PossibleRow(), record_.Row(rosterRow), rosterRow == 0);
    return platform::TrimPadding(figures.Text(*col));
}

std::optional<platform::Rect> PaneAccessibility::CellRect(int row, int column) const {
    const auto col = ColumnAt(column);
    if (!col || row < 0 || row >= record_.RowCount()) return std::nullopt;
    const PaneMetrics m = grades_.Metrics();
    const platform::Scroller& s = grades_.GetScroller();
    // The heading line and the Possible Points row stay put while the students scroll.
    const int top = TGradeWindow::LineTop(row, s.yPos, m.h) - s.yPos * m.h;
    int left = 0;
    int width = m.w10;
    if (col->IsName()) {
        // Where the names pane draws them, from the grades pane's left edge.
        const int idX = kNameMargin + (names_.ShowsFirstName() ? 2 : 1) * m.w15;
        const int x = col->type == GradeColumn::LastName    ? kNameMargin
                      : col->type == GradeColumn::FirstName ? kNameMargin + m.w15
                                                            : idX;
        left = x - names_.PaneWidth(m);
        width = col->type == GradeColumn::Id ? m.w15 / 3 : m.w15;
    } else {
        left = (column - NameColumnCount() - s.xPos) * m.w10;
    }
    return platform::Rect{left, top, left + width, top + m.h};
}

}  // namespace quorle
