// The grades pane as a table: the cell cursor, values typed in place, the
// frozen heading lines, the column's figures in the status bar, finding a
// student and the sorted view; each through the fake platform, the file on
// disk checked byte for byte.
#include <gtest/gtest.h>

#include <functional>

#include "EditFixture.h"
#include "classwin/EditCommands.h"
#include "grading/Compute.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

using platform::Key;
using platform::Point;

constexpr std::string_view kRefusal = "Only digits and one decimal point, with at most two decimals, can be typed here.";

// The client point inside the cell of grades-pane column c on client line l
// (line 0 is the heading line, 1 the Possible Points row).
Point Cell(int c, int line) { return Point{c * 80 + 5, line * 16 + 5}; }

struct PaneTableTest : EditTest {
    FakeWindowHost& GradesHost() { return f->GradesHost(); }
    TGradeWindow& Grades() { return f->Grades(); }
    CellCursor At() const { return f->child->Grades().Cursor().value_or(CellCursor{-9, -9}); }
    // The stored value of T1 (test 0) for each student, read back from the file.
    std::vector<float> T1OnDisk() {
        const ClassRecord read = ParseClassFile(OnDisk());
        std::vector<float> out;
        for (int j = 1; j < read.RowCount(); ++j) out.push_back(read.Row(j).scores[kTests][0].value);
        return out;
    }
};

// A class of six students, each with 1 point of 10 in T1.
ClassRecord SixStudents() {
    ClassRecord r = ClassOf(6);
    for (int j = 1; j < r.RowCount(); ++j) r.Row(j).scores[kTests][0].value = 1.0f;
    return r;
}

TEST_F(PaneTableTest, TypingAColumnStoresEachEnteredValueAsOneStepAndEscapeStoresNothing) {
    Open(SixStudents());
    GradesHost().Click(Cell(0, 2));  // the first student's T1
    ASSERT_EQ(At(), (CellCursor{1, 0}));
    const struct {
        const char* typed;
        Key key;
        CellCursor after;
    } steps[] = {
        {"9", Key::Enter, {2, 0}},     {"8.5", Key::Enter, {3, 0}},  {"N", Key::Enter, {4, 0}},
        {"7", Key::Escape, {4, 0}},    {"", Key::Down, {5, 0}},      {"10", Key::Enter, {6, 0}},
        {"0.25", Key::Enter, {6, 0}},  // the last student: the cursor stays
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.typed);
        GradesHost().Type(s.typed);
        EXPECT_TRUE(GradesHost().Press(s.key));
        EXPECT_EQ(At(), s.after);
        EXPECT_FALSE(Grades().Entering());
    }
    EXPECT_EQ(T1OnDisk(), (std::vector<float>{9.0f, 8.5f, kOmitMarker, 1.0f, 10.0f, 0.25f}));
    ExpectWritten();
    // Five values stored, five steps; the Escape stored none.
    EXPECT_EQ(f->child->History().StepCount(), 5u);
    EXPECT_EQ(f->child->History().UndoName(), "Grade T1 of " + Rec().Row(6).lastName.Str() + " " +
                                                  Rec().Row(6).firstName.Str());
    EXPECT_TRUE(Ui().boxes.empty());
    // Undo takes the last entry back, in the file too.
    EXPECT_TRUE(f->child->Undo());
    EXPECT_EQ(T1OnDisk()[5], 1.0f);
}

TEST_F(PaneTableTest, TabStoresAndMovesRightAndAClickElsewhereStoresFirst) {
    ClassRecord r = SmallClass();
    Open(r);
    GradesHost().Click(Cell(0, 2));
    GradesHost().Type("7");
    GradesHost().Press(Key::Tab);
    EXPECT_EQ(At(), (CellCursor{1, 1}));
    GradesHost().Type("19");
    GradesHost().Click(Cell(2, 4));  // Cole's Q1
    EXPECT_EQ(At(), (CellCursor{3, 2}));
    const ClassRecord read = ParseClassFile(OnDisk());
    EXPECT_EQ(read.Row(1).scores[kTests][0].value, 7.0f);
    EXPECT_EQ(read.Row(1).scores[kTests][1].value, 19.0f);
    EXPECT_EQ(f->child->History().StepCount(), 2u);
}

TEST_F(PaneTableTest, EntryTakesWhatTheValueDialogTakesAndSaysWhyItRefuses) {
    const struct {
        const char* typed;
        const char* entry;  // as drawn in the cell
        std::string_view said;  // the status bar's reason for a refused character
    } cases[] = {
        {"8.5", "8.5", ""},   {"8.55", "8.55", ""}, {"8.555", "8.55", kRefusal}, {"12345", "12345", ""},
        {"123456", "12345", "A grade has at most 5 characters."}, {"-3", "3", "A grade cannot be negative."},
        {"1.2.3", "1.23", kRefusal}, {".5", ".5", ""}, {"N", "N/A", ""}, {"N5", "5", ""}, {"8,5", "8.5", ""},
        {"5n", "N/A", ""},    {"4x", "4", kRefusal},  {"8,5,", "8.5", kRefusal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Open(SmallClass());
        const auto before = OnDisk();
        GradesHost().Click(Cell(1, 3));  // Baker's T2
        f->frame.statusText.clear();
        GradesHost().Type(c.typed);
        EXPECT_TRUE(Grades().Entering());
        EXPECT_EQ(Grades().EntryText(), c.entry);
        // Drawn in the cell as typed.
        const RecordingCanvas view = GradesHost().PaintInView();
        ASSERT_NE(view.Find(c.entry), nullptr);
        EXPECT_EQ(view.Find(c.entry)->x, 80);
        EXPECT_EQ(view.Find(c.entry)->y, 3 * 16);
        EXPECT_EQ(f->frame.statusText, c.said);
        GradesHost().Press(Key::Escape);
        EXPECT_EQ(OnDisk(), before);
        EXPECT_FALSE(Grades().Entering());
        EXPECT_EQ(f->child->History().StepCount(), 0u);
    }
}

TEST_F(PaneTableTest, ClickingANameMovesTheCursorToThatStudentInItsColumn) {
    Open(SmallClass());
    FakeWindowHost& names = f->NamesHost();
    names.Click({30, 4 * 16 + 5});  // Cole, no cursor yet: on his name
    EXPECT_EQ(At(), (CellCursor{3, kNameColumn}));
    Grades().PutCursor(1, 2);
    names.Click({30, 3 * 16 + 5});  // Baker, in the column the cursor stands in
    EXPECT_EQ(At(), (CellCursor{2, 2}));
    names.Click({30, 8});  // the heading line is no student
    EXPECT_EQ(At(), (CellCursor{2, 2}));
    // The frame around a name is drawn in the names pane.
    Grades().PutCursor(2, kNameColumn);
    int frame = 0;
    for (const auto& l : names.PaintInView().lines)
        if (l.penWidth == 2 && std::min(l.y1, l.y2) >= 3 * 16 && std::max(l.y1, l.y2) <= 4 * 16) ++frame;
    EXPECT_EQ(frame, 4);
    // The wheel scrolls and leaves the cursor where it is.
    Open(BigClass(100, 10));
    Grades().PutCursor(5, 1);
    EXPECT_TRUE(f->NamesHost().Press(Key::Down));  // keys in the names pane move the cursor too
    EXPECT_EQ(At(), (CellCursor{6, 1}));
    EXPECT_TRUE(Grades().Wheel(3));
    EXPECT_EQ(Grades().GetScroller().yPos, 3);
    EXPECT_EQ(f->Names().GetScroller().yPos, 3);
    EXPECT_EQ(At(), (CellCursor{6, 1}));
}

TEST_F(PaneTableTest, OnlyGradeCellsOfAWritableWindowTakeTyping) {
    Open(SmallClass());
    const auto before = OnDisk();
    // No cursor: typing does nothing. Names, averages, totals and letters take none.
    EXPECT_FALSE(Grades().CharTyped('5'));
    for (const int column : {kNameColumn, 3, 4, 5, 6}) {
        Grades().PutCursor(1, column);
        EXPECT_FALSE(Grades().CharTyped('5')) << column;
        EXPECT_FALSE(Grades().Entering()) << column;
    }
    Grades().PutCursor(1, 0);
    EXPECT_FALSE(Grades().CharTyped('x'));  // only a digit, a point or N starts a value
    EXPECT_FALSE(Grades().Entering());
    // Backspace takes the last character back (N/A as one); an empty entry stores nothing.
    GradesHost().Type("7N");
    GradesHost().Press(Key::Backspace);
    EXPECT_EQ(Grades().EntryText(), "");
    GradesHost().Press(Key::Enter);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(At(), (CellCursor{2, 0}));
    // A read-only window takes no typed value: it says so and stores nothing.
    f->child->OpenToRead("Algebra (read-only)", "alg.gdr");
    GradesHost().Click(Cell(0, 2));
    GradesHost().Type("5");
    GradesHost().Press(Key::Enter);
    EXPECT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(Rec().Row(1).scores[kTests][0].value, 9.0f);
    EXPECT_EQ(f->child->History().StepCount(), 0u);
}

TEST_F(PaneTableTest, CursorKeysStopAtTheEdgesOfTheClass) {
    Open(SmallClass());  // rows 0..3; columns T1 T2 Q1, Test Aver, Total Pts, Average, Grade
    const struct {
        CellCursor from;
        Key key;
        CellCursor to;
    } cases[] = {
        {{1, 0}, Key::Up, {0, 0}},         {{0, 0}, Key::Up, {0, 0}},          // the Possible Points row is the top
        {{3, 0}, Key::Down, {3, 0}},       {{2, 1}, Key::Down, {3, 1}},        // the last row is the bottom
        {{1, 0}, Key::Left, {1, kNameColumn}},  {{1, kNameColumn}, Key::Left, {1, kNameColumn}},
        {{1, 0}, Key::BackTab, {1, kNameColumn}}, {{1, kNameColumn}, Key::Right, {1, 0}},
        {{1, 6}, Key::Right, {1, 6}},      {{1, 6}, Key::Tab, {1, 6}},         {{1, 5}, Key::Tab, {1, 6}},
        {{2, 3}, Key::Home, {2, 0}},       {{2, 3}, Key::End, {2, 6}},
        {{2, 3}, Key::CtrlHome, {0, 0}},   {{2, 3}, Key::CtrlEnd, {3, 6}},
        {{1, 2}, Key::PageDown, {3, 2}},   {{3, 2}, Key::PageUp, {0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from.row << "," << c.from.column << " key " << static_cast<int>(c.key));
        Grades().PutCursor(c.from.row, c.from.column);
        EXPECT_TRUE(GradesHost().Press(c.key));
        EXPECT_EQ(At(), c.to);
    }
    // Escape puts the cursor away: the arrows scroll the pane again.
    EXPECT_TRUE(GradesHost().Press(Key::Escape));
    EXPECT_FALSE(Grades().Cursor());
    EXPECT_TRUE(GradesHost().Press(Key::Down));
    EXPECT_FALSE(Grades().Cursor());
}

TEST_F(PaneTableTest, KeysStartTheCursorWhereThePaneIsScrolledAndKeepItInView) {
    Open(BigClass(200, 120));
    TGradeWindow& g = Grades();
    // Scrolling as before: the arrows move the view, no cursor.
    for (int i = 0; i < 10; ++i) GradesHost().Press(Key::Down);
    GradesHost().Press(Key::Right);
    EXPECT_EQ(g.GetScroller().yPos, 10);
    EXPECT_FALSE(g.Cursor());
    // Tab starts it on the first student line and column in view.
    GradesHost().Press(Key::Tab);
    EXPECT_EQ(At(), (CellCursor{11, 1}));
    // Ctrl+End: the last student in the last column, scrolled fully into view.
    GradesHost().Press(Key::CtrlEnd);
    const auto& s = g.GetScroller();
    EXPECT_EQ(At(), (CellCursor{200, static_cast<int>(g.Columns().size()) - 1}));
    EXPECT_EQ(s.yPos, s.yRange);
    EXPECT_EQ(s.xPos, s.xRange);
    // Seen as the teacher sees it: the headings and the Possible Points row
    // stay on top, the last student on the last whole line, the cursor's
    // frame around his last cell.
    const RecordingCanvas names = f->NamesHost().PaintInView();
    EXPECT_EQ(names.Find("Last Name")->y, 0);
    EXPECT_EQ(names.Find("Possible")->y, 16);
    const int lastLine = (600 / 16 - 1) * 16;
    EXPECT_EQ(names.Find("Last199")->y, lastLine);
    const RecordingCanvas grades = GradesHost().PaintInView();
    EXPECT_EQ(grades.Find("Average")->y, 0);
    const int left = (static_cast<int>(g.Columns().size()) - 1 - s.xPos) * 80;
    int frame = 0;
    for (const auto& l : grades.lines)
        if (l.penWidth == 2 && std::min(l.x1, l.x2) >= left && std::max(l.y1, l.y2) <= lastLine + 16 &&
            std::min(l.y1, l.y2) >= lastLine)
            ++frame;
    EXPECT_EQ(frame, 4);
    // Up from the first line under the frozen rows scrolls one line back.
    g.PutCursor(s.yPos + 1, 0);
    const int y = s.yPos;
    GradesHost().Press(Key::Up);
    EXPECT_EQ(s.yPos, y - 1);
    // Ctrl+Home goes back to the Possible Points row and the first column.
    GradesHost().Press(Key::CtrlHome);
    EXPECT_EQ(At(), (CellCursor{0, 0}));
    EXPECT_EQ(s.xPos, 0);
    // A click scrolls nothing, even on a cell or name half in view (column 6,
    // line 37), so that a double-click edits what was under the mouse.
    g.ScrollTo(0, 0);
    for (const auto& [pane, x] : {std::pair{&GradesHost(), 485}, {&f->NamesHost(), 30}}) {
        pane->Click({x, 597});
        EXPECT_EQ(At(), (CellCursor{36, 6}));
        EXPECT_EQ(s.xPos + s.yPos, 0);
    }
}

TEST_F(PaneTableTest, EnterF2AndTheContextKeyDoWhatTheMouseDoes) {
    const struct {
        CellCursor at;
        Key key;
        const char* dialog;  // the dialog opened, or
        const char* box;     // the message shown
    } cases[] = {
        {{1, 0}, Key::Enter, "New/Change Grade Value", ""},
        {{1, 0}, Key::F2, "New/Change Grade Value", ""},
        {{0, 2}, Key::F2, "New/Change Grade Value", ""},  // the Possible Points row too
        {{1, 5}, Key::Enter, "", "This item cannot be changed."},
        {{2, kNameColumn}, Key::Enter, "Enter/Edit Student Information", ""},
        {{1, 1}, Key::ContextMenu, "", "Do you want to delete T2 ?"},
        {{1, 4}, Key::ContextMenu, "", "This item cannot be deleted."},
        {{2, kNameColumn}, Key::ContextMenu, "", "Do you want to transfer Bob Baker to another class ?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.at.row << "," << c.at.column);
        Open(SmallClass());
        Grades().PutCursor(c.at.row, c.at.column);
        Ui().answers.push_back(platform::Answer::No);
        EXPECT_TRUE(GradesHost().Press(c.key));
        if (*c.dialog) {
            EXPECT_EQ(Ui().dialogCaptions, (std::vector<std::string>{c.dialog}));
        }
        if (*c.box) {
            EXPECT_EQ(Ui().BoxTexts(), (std::vector<std::string>{c.box}));
        }
        EXPECT_EQ(At(), c.at);
    }
}

TEST_F(PaneTableTest, StatusBarGivesTheCursorColumnsFigures) {
    ClassRecord r = SmallClass();
    r.display[kShowTotalPoints] = 0;
    Open(r);  // T1 T2 Q1, Test Aver, Average, Grade
    const struct {
        int column;
        const char* status;
    } cases[] = {
        {0, "T1: 3 grades  Mean 7.33  Median 8.00  Low 5.00  High 9.00"},
        {1, "T2: 2 grades  Mean 14.00  Median 14.00  Low 10.00  High 18.00"},  // the omitted one left out
        {2, "Q1: 3 grades  Mean 3.67  Median 4.00  Low 2.00  High 5.00"},
        {5, "Grade: 3 grades  Mean 73.33  Median 80.00  Low 48.57  High 91.43"},  // the averages behind the letters
        {kNameColumn, "Students: 3"},
    };
    for (const auto& c : cases) {
        Grades().PutCursor(2, c.column);
        EXPECT_EQ(f->frame.statusText, c.status);
    }
    // A stored value changes the figures at once.
    Grades().PutCursor(1, 0);
    GradesHost().Type("N");
    GradesHost().Press(Key::Enter);
    Grades().PutCursor(1, 0);
    EXPECT_EQ(f->frame.statusText, "T1: 2 grades  Mean 6.50  Median 6.50  Low 5.00  High 8.00");
    // A grade above its points possible is kept, marked and named.
    GradesHost().Type("100");
    GradesHost().Press(Key::Enter);
    Grades().PutCursor(1, 0);
    EXPECT_EQ(f->frame.statusText, "100.00 is more than the 10.00 points possible for T1");
    int marks = 0;  // short lines across the top right of T1's cells: Adams's only
    for (const auto& l : GradesHost().PaintInView().lines)
        marks += std::min(l.x1, l.x2) > 60 && std::max(l.x1, l.x2) < 78 && l.y1 == l.y2;
    EXPECT_EQ(marks, 6);
}

// A class whose names need folding to be found.
ClassRecord Accented() {
    ClassRecord r = NewClassRecord();
    r.display.fill(0);
    r.display[kShowFirstName] = 1;
    AddStudent(r, "M\xFCller", "Anna", "1");
    AddStudent(r, "Ortiz", "\xC1ngel", "2");
    AddStudent(r, "Brown", "Mullen", "3");
    AddStudent(r, "Smith", "Joe", "4");
    return r;
}

TEST_F(PaneTableTest, FindPutsTheCursorOnTheNextMatchingStudentRoundToTheTop) {
    const struct {
        const char* part;
        std::vector<int> rows;  // the cursor's row after each Find Next
        const char* message;
    } cases[] = {
        {"mull", {1, 3, 1}, ""},  // "M\xFCller", then first name Mullen, then round again
        {"M\xDCL", {1, 3}, ""},   // upper case and accents alike
        {"angel", {2, 2}, ""},    // the only match stays found
        {"A", {1, 2, 1}, ""},     // Anna, \xC1ngel
        {"xyz", {-9}, "No student's name contains \"xyz\"."},
        {"Possible", {-9}, "No student's name contains \"Possible\"."},  // that row is no student
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        Open(Accented());
        Script([&](FakeDialogHost& h) {
            EXPECT_EQ(h.Caption(), "Find Student");
            h.Type(resources::kIdFindText, c.part);
            for (const int row : c.rows) {
                EXPECT_FALSE(h.PressOk());  // Find Next keeps the box open
                EXPECT_EQ(At().row, row);
            }
            h.PressCancel();
        });
        EXPECT_TRUE(f->child->Command(resources::cmd::kFindStudent));
        if (*c.message) {
            ASSERT_EQ(Ui().boxes.size(), 1u);
            EXPECT_EQ(Ui().boxes[0].caption, "Information");
            EXPECT_EQ(Ui().boxes[0].text, c.message);
        } else {
            EXPECT_TRUE(Ui().boxes.empty());
            EXPECT_EQ(At().column, kNameColumn);  // no cursor before: on the name
        }
    }
}

TEST(FoldForFind, DropsCaseAndAccentsOfWindows1252Letters) {
    EXPECT_EQ(FoldForFind("M\xFCller"), "muller");
    EXPECT_EQ(FoldForFind("\xC0\xC9\xCE\xD5\xDC\xC7\xD1\x8A\x9F\xDF"), "aeioucnsys");
    EXPECT_EQ(FoldForFind("O'Neil-Smith 2"), "o'neil-smith 2");
}

TEST_F(PaneTableTest, SortedViewEditsTheRightStudentAndKeepsTheFileInRosterOrder) {
    Open(SmallClass());  // Average: Adams 91.43, Baker 80.00, Cole 48.57
    f->NamesHost().checkBoxes[kFirstSelectionBoxId + 3].checked = true;  // Cole ticked
    const auto before = OnDisk();
    Grades().PutCursor(1, 5);
    f->child->Command(resources::cmd::kSortByColumn);  // highest first: the roster order
    f->child->Command(resources::cmd::kSortByColumn);  // again: lowest first
    EXPECT_EQ(Grades().SortColumn(), 5);
    EXPECT_FALSE(Grades().SortedDescending());
    EXPECT_EQ(OnDisk(), before);  // only the view changed
    const RecordingCanvas names = f->NamesHost().PaintInView();
    EXPECT_EQ(names.Find("Cole")->y, 2 * 16);
    EXPECT_EQ(names.Find("Baker")->y, 3 * 16);
    EXPECT_EQ(names.Find("Adams")->y, 4 * 16);
    EXPECT_EQ(names.Find("Possible")->y, 16);
    // The tick went with Cole.
    EXPECT_EQ(f->NamesHost().checkBoxes[kFirstSelectionBoxId + 3].rect.top, 2 * 16);
    EXPECT_TRUE(f->child->Names().IsSelected(3));
    // The first student line is Cole's: his T1 changes, and Enter moves on to Baker.
    GradesHost().Click(Cell(0, 2));
    GradesHost().Type("6");
    GradesHost().Press(Key::Enter);
    EXPECT_EQ(At(), (CellCursor{2, 0}));
    ClassRecord read = ParseClassFile(OnDisk());
    EXPECT_EQ(read.Row(3).lastName.Str(), "Cole");
    EXPECT_EQ(read.Row(3).scores[kTests][0].value, 6.0f);
    EXPECT_EQ(read.Row(1).scores[kTests][0].value, 9.0f);
    // The heading of the sorted column carries the order's mark.
    const RecordingCanvas grades = GradesHost().PaintInView();
    int marks = 0;
    for (const auto& l : grades.lines)
        if (l.y1 < 16 && l.y2 < 16 && l.x1 >= 5 * 80 && l.x2 <= 6 * 80) ++marks;
    EXPECT_EQ(marks, 3);
    // Roster Order brings the rows and the tick back; so does a change of the
    // roster, and the mark goes.
    f->child->Command(resources::cmd::kRosterOrder);
    EXPECT_FALSE(Grades().SortColumn());
    f->child->Command(resources::cmd::kSortByColumn);
    f->child->Names().AddSelectionBox();
    for (const auto& l : GradesHost().PaintInView().lines) EXPECT_FALSE(l.y1 < 16 && l.y2 < 16);
    EXPECT_EQ(f->NamesHost().PaintInView().Find("Cole")->y, 4 * 16);
    EXPECT_EQ(f->NamesHost().checkBoxes[kFirstSelectionBoxId + 3].rect.top, 4 * 16);
}

TEST_F(PaneTableTest, SortOrdersFiguresHighestFirstNamesAToZOmittedLast) {
    Open(SmallClass());
    const struct {
        int column;
        int times;
        std::vector<std::string> order;
    } cases[] = {
        {0, 1, {"Adams", "Baker", "Cole"}},  // T1 9, 8, 5
        {0, 2, {"Cole", "Baker", "Adams"}},
        {1, 1, {"Adams", "Cole", "Baker"}},  // T2: Baker's is omitted, last either way
        {1, 2, {"Cole", "Adams", "Baker"}},
        {kNameColumn, 1, {"Adams", "Baker", "Cole"}},
        {kNameColumn, 2, {"Cole", "Baker", "Adams"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.column << " x" << c.times);
        f->child->Command(resources::cmd::kRosterOrder);
        Grades().PutCursor(1, c.column);
        for (int i = 0; i < c.times; ++i) f->child->Command(resources::cmd::kSortByColumn);
        std::vector<std::string> order;
        for (int p = 1; p <= 3; ++p) order.push_back(Rec().Row(Grades().RowAt(p)).lastName.Str());
        EXPECT_EQ(order, c.order);
    }
    // Without a cursor there is no column to sort by.
    Grades().HideCursor();
    f->child->Command(resources::cmd::kRosterOrder);
    f->child->Command(resources::cmd::kSortByColumn);
    EXPECT_EQ(Ui().BoxTexts().back(), "Click a cell in the column to sort by, then sort again.");
    EXPECT_FALSE(Grades().SortColumn());
}

// Space ticks the selection box of the cursor's student and clears it again;
// on the Possible Points row, or while a value is typed, it ticks nothing.
TEST_F(PaneTableTest, SpaceTicksTheCursorsStudent) {
    Open(SixStudents());
    auto ticks = [&] {
        std::string out;
        for (int j = 1; j <= 6; ++j) out += f->child->Names().IsSelected(j) ? 'x' : '.';
        return out;
    };
    const struct {
        const char* what;
        std::function<void()> act;
        std::string ticks;
    } steps[] = {
        {"space on the first student", [&] { GradesHost().Click(Cell(0, 2)); GradesHost().Type(" "); }, "x....."},
        {"space on the last student", [&] { Grades().PutCursor(6, 2); GradesHost().Type(" "); }, "x....x"},
        {"space again clears it", [&] { GradesHost().Type(" "); }, "x....."},
        {"space on the name column", [&] { Grades().PutCursor(3, kNameColumn); GradesHost().Type(" "); }, "x.x..."},
        {"space on Possible Points", [&] { Grades().PutCursor(0, 0); GradesHost().Type(" "); }, "x.x..."},
        {"space while typing", [&] { Grades().PutCursor(2, 0); GradesHost().Type("7 "); }, "x.x..."},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(ticks(), step.ticks);
    }
}

}  // namespace
}  // namespace quorle::testing
