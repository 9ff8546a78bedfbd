// The class window's panes as a screen reader reads them: one table of the
// names and grades panes, read against what the panes draw, and the selection
// boxes named after their students.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ClassFixture.h"
#include "classwin/PaneAccessibility.h"
#include "support/RecordingCanvas.h"

namespace quorle::testing {
namespace {

std::string Trim(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::vector<std::string> Headers(const platform::AccessibleTable& t) {
    std::vector<std::string> out;
    for (int c = 0; c < t.ColumnCount(); ++c) out.push_back(t.ColumnHeader(c));
    return out;
}

std::vector<std::string> Row(const platform::AccessibleTable& t, int r) {
    std::vector<std::string> out;
    for (int c = 0; c < t.ColumnCount(); ++c) out.push_back(t.CellText(r, c));
    return out;
}

TEST(PaneAccessibility, TheTableHasThePanesColumnsForEachDisplayChoice) {
    struct Case {
        const char* what;
        bool firstName;
        bool id;
        int namesWidth;
        std::vector<std::string> headers;
        std::vector<std::string> baker;  // row 2
    };
    const std::vector<Case> cases{
        {"first names and IDs",
         true,
         true,
         300,
         {"Last Name", "First Name", "ID #", "T1", "T2", "Q1", "Test Aver", "Total Pts", "Average", "Grade"},
         {"Baker", "Bob", "2", "8.00", "N/A", "4.00", "80.00", "12.00", "80.00", "B"}},
        {"no first names",
         false,
         true,
         180,
         {"Last Name", "ID #", "T1", "T2", "Q1", "Test Aver", "Total Pts", "Average", "Grade"},
         {"Baker", "2", "8.00", "N/A", "4.00", "80.00", "12.00", "80.00", "B"}},
        {"last names only",
         false,
         false,
         140,
         {"Last Name", "T1", "T2", "Q1", "Test Aver", "Total Pts", "Average", "Grade"},
         {"Baker", "8.00", "N/A", "4.00", "80.00", "12.00", "80.00", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClassRecord record = SmallClass();
        record.display[kShowFirstName] = c.firstName;
        record.display[kShowId] = c.id;
        ClassWindowFixture f(std::move(record));
        const platform::AccessibleTable* table = f.GradesHost().table;
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(f.NamesHost().table, nullptr);  // one table, on the grades pane
        EXPECT_EQ(table->TableName(), "Algebra grades");
        EXPECT_EQ(table->RowCount(), 4);
        EXPECT_EQ(Headers(*table), c.headers);
        EXPECT_EQ(Row(*table, 2), c.baker);
        EXPECT_EQ(table->RowHeader(0), "Points possible");
        EXPECT_EQ(table->RowHeader(3), "Cole Cy");
        EXPECT_EQ(table->CellText(0, table->ColumnCount() - 1), "");  // no letter for Possible Points
        EXPECT_FALSE(table->FocusedCell());
        // Outside the table: nothing, never a neighbour's text.
        EXPECT_EQ(table->CellText(4, 0), "");
        EXPECT_EQ(table->CellText(-1, 0), "");
        EXPECT_EQ(table->CellText(0, table->ColumnCount()), "");
        EXPECT_EQ(table->ColumnHeader(-1), "");
        EXPECT_EQ(table->RowHeader(4), "");
        // Where the cells stand, from the grades pane's left edge: names to its left.
        const int grade = static_cast<int>(c.headers.size()) - 7;  // T1
        EXPECT_EQ(table->CellRect(2, 0), (platform::Rect{20 - c.namesWidth, 48, 140 - c.namesWidth, 64}));
        if (c.id) {
            EXPECT_EQ(table->CellRect(2, grade - 1), (platform::Rect{-40, 48, 0, 64}));
        }
        EXPECT_EQ(table->CellRect(2, grade), (platform::Rect{0, 48, 80, 64}));
        f.Grades().GetScroller().xPos = 1;  // scrolled a column across and a line down
        f.Grades().GetScroller().yPos = 1;
        EXPECT_EQ(table->CellRect(2, grade + 1), (platform::Rect{0, 32, 80, 48}));
        EXPECT_FALSE(table->CellRect(4, 0));
    }
}

// Every text the panes draw is the text of the cell under it, and every cell
// the panes fill reads as drawn: a change shows in both at once.
TEST(PaneAccessibility, EveryCellReadsAsThePanesDrawIt) {
    ClassWindowFixture f(BigClass(7, 9));
    const platform::AccessibleTable& table = *f.GradesHost().table;
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step == 0 ? "as opened" : "after a grade is omitted and a student renamed");
        const RecordingCanvas names = f.NamesHost().Paint();
        RecordingCanvas grades;
        f.Grades().Paint(grades, platform::Rect{0, 0, 1 << 20, 1 << 20});
        const int nameColumns = 3;  // last, first, ID
        int cells = 0;
        for (const DrawnText& t : names.texts) {
            const int r = t.y / 16 - 1;
            const int c = t.x == 20 ? 0 : t.x == 140 ? 1 : 2;
            if (r < 0) {
                EXPECT_EQ(table.ColumnHeader(c), t.text);
            } else {
                EXPECT_EQ(table.CellText(r, c), Trim(t.text)) << r << "," << c;
                ++cells;
            }
        }
        for (const DrawnText& t : grades.texts) {
            const int r = t.y / 16 - 1;
            const int c = nameColumns + t.x / 80;
            if (r < 0) {  // the pane cuts a heading to its column; the reader hears it whole
                EXPECT_EQ(table.ColumnHeader(c).rfind(t.text, 0), 0u) << t.text;
            } else {
                EXPECT_EQ(table.CellText(r, c), Trim(t.text)) << r << "," << c;
                ++cells;
            }
        }
        // Every cell was drawn but the Possible Points row's letter grade.
        EXPECT_EQ(cells, table.RowCount() * table.ColumnCount() - 1);
        f.child->Record().roster[3].scores[kTests][0].value = kOmitMarker;
        f.child->Record().roster[5].lastName = "Zed";
    }
    EXPECT_EQ(table.CellText(3, 3), "N/A");
    EXPECT_EQ(table.RowHeader(5), "Zed First4");
}

// The cell cursor is the table's focused cell, and the rows are read in the
// order the panes show them, sorted or not.
TEST(PaneAccessibility, TheFocusedCellIsTheCursorsInTheViewsOrder) {
    ClassWindowFixture f(SmallClass());
    const platform::AccessibleTable& table = *f.GradesHost().table;
    const int nameColumns = 3;  // last, first, ID
    struct Step {
        const char* what;
        std::function<void()> act;
        std::optional<platform::CellPosition> focused;
        std::string rowOne;  // the row header of table row 1
    };
    const std::vector<Step> steps{
        {"as opened", [] {}, std::nullopt, "Adams Ann"},
        {"cursor on Baker's T1", [&] { f.Grades().PutCursor(2, 0); }, platform::CellPosition{2, nameColumns}, "Adams Ann"},
        {"cursor on Cole's name", [&] { f.Grades().PutCursor(3, kNameColumn); }, platform::CellPosition{3, 0},
         "Adams Ann"},
        {"names sorted Z to A", [&] { f.Grades().SortByCursorColumn(); f.Grades().SortByCursorColumn(); },
         platform::CellPosition{1, 0}, "Cole Cy"},
        {"back in roster order", [&] { f.Grades().ShowRosterOrder(); }, platform::CellPosition{3, 0}, "Adams Ann"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int before = f.GradesHost().cellFocusChanges;
        step.act();
        EXPECT_EQ(table.FocusedCell(), step.focused);
        EXPECT_EQ(table.RowHeader(1), step.rowOne);
        EXPECT_EQ(table.CellText(1, 0), step.rowOne.substr(0, step.rowOne.find(' ')));
        if (step.focused && std::string(step.what).rfind("cursor", 0) == 0) {
            EXPECT_GT(f.GradesHost().cellFocusChanges, before);
        }
    }
}

// A value typed into the cursor's cell is the cell's edited text, announced
// at each keystroke, and gone when the typing ends (stored or left).
TEST(PaneAccessibility, TheTypedValueIsTheFocusedCellsEditedText) {
    ClassWindowFixture f(SmallClass());
    const platform::AccessibleTable& table = *f.GradesHost().table;
    f.Grades().PutCursor(1, 0);
    const struct {
        const char* typed;
        platform::Key key;
        std::optional<std::string> edited;
        int announced;  // announcements in all, so far
    } steps[] = {
        {"", platform::Key::Other, std::nullopt, 0},
        {"7", platform::Key::Other, "7", 1},
        {".5", platform::Key::Other, "7.5", 3},
        {"", platform::Key::Backspace, "7.", 4},
        {"", platform::Key::Escape, std::nullopt, 5},
        {"n", platform::Key::Other, "N/A", 6},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        f.GradesHost().Type(step.typed);
        if (step.key != platform::Key::Other) f.Grades().KeyDown(step.key);
        EXPECT_EQ(table.EditedText(), step.edited);
        EXPECT_EQ(f.GradesHost().cellEdits, step.announced);
    }
}

TEST(PaneAccessibility, SelectionBoxesAreNamedAfterTheStudentBesideThem) {
    ClassWindowFixture f(SmallClass());
    auto boxNames = [&] {
        f.NamesHost().Paint();
        std::vector<std::string> out;
        for (const auto& [id, box] : f.NamesHost().checkBoxes) out.push_back(box.name);
        return out;
    };
    EXPECT_EQ(boxNames(), (std::vector<std::string>{"Select Adams Ann", "Select Baker Bob", "Select Cole Cy"}));
    // Renamed, dropped, added: the boxes follow the rows.
    f.child->Record().roster[1].firstName = "Anne";
    RemoveStudent(f.child->Record(), 2);
    f.Names().RemoveSelectionBox(2);
    AddStudent(f.child->Record(), "Diaz", "Dee", "4");
    f.Names().AddSelectionBox();
    EXPECT_EQ(boxNames(), (std::vector<std::string>{"Select Adams Anne", "Select Cole Cy", "Select Diaz Dee"}));
    TStudent padded;
    padded.lastName = "O Neil";
    padded.firstName = "Jo";
    EXPECT_EQ(SelectionBoxName(padded), "Select O Neil Jo");
}

}  // namespace

// Escape hides the cell cursor, unless a screen reader reads the table.
TEST(PaneAccessibility, EscapeKeepsTheCursorWhileAReaderReads) {
    for (const bool reader : {false, true}) {
        ClassWindowFixture f(SmallClass());
        if (reader) f.GradesHost().table->ReaderPresent();
        f.Grades().PutCursor(2, 0);
        f.Grades().KeyDown(platform::Key::Escape);
        EXPECT_EQ(f.Grades().Cursor().has_value(), reader) << reader;
    }
}

}  // namespace quorle::testing
