// Copy, Copy Table and Paste in a class window: what reaches the clipboard,
// and a pasted column stored whole or not at all, as one step.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EditFixture.h"
#include "grading/ShowTable.h"
#include "platform/Text1252.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

namespace cmd = resources::cmd;
using Cursor = std::function<void(TGradeWindow&)>;
Cursor At(int row, int column) { return [=](TGradeWindow& g) { g.PutCursor(row, column); }; }

struct ClipboardTest : EditTest {
    void Command(int id) { f->child->Command(id); }
};

TEST_F(ClipboardTest, CopyPutsTheCursorsCellAsThePanesShowIt) {
    // SmallClass's pane columns: T1, T2, Q1, Test Aver, Total Pts, Average, Grade.
    const struct { const char* what; Cursor cursor; std::string copied; } cases[] = {
        {"grade", At(1, 0), "9.00"},
        {"omitted grade", At(2, 1), "N/A"},
        {"name", At(3, kNameColumn), "Cole"},
        {"figure", At(1, 4), "32.00"},
        {"no cursor", [](TGradeWindow&) {}, "as it was"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(SmallClass());
        Ui().clipboard = "as it was";
        c.cursor(f->Grades());
        Command(cmd::kCopy);
        EXPECT_EQ(Ui().clipboard, c.copied);
    }
}

TEST_F(ClipboardTest, CopyTableIsTheShowTextInTheProgramsOwnBytes) {
    ClassRecord r = SmallClass();
    r.roster[1].lastName = "M\xFCller";
    Open(r);
    Command(cmd::kCopyTable);
    std::string show;
    AppendShowText(Rec(), ShowOptions{}, show);
    EXPECT_EQ(Ui().clipboard, platform::Utf8ToCp1252Lossy(show));
    EXPECT_NE(Ui().clipboard.find("M\xFCller\tAnn"), std::string::npos);
}

TEST_F(ClipboardTest, PasteStoresTheWholeColumnAsOneStepOrNothing) {
    constexpr float N = kOmitMarker;
    const std::vector<float> t1{10, 9, 8, 5};  // T1 as SmallClass has it
    const std::string nothing = " Nothing was pasted.";
    const Cursor sorted = [](TGradeWindow& g) {  // names Z to A: Cole, Baker, Adams
        g.PutCursor(1, kNameColumn);
        g.SortByCursorColumn();
        g.SortByCursorColumn();
        g.PutCursor(3, 0);
    };
    const struct {
        const char* what; Cursor cursor; std::string clipboard;
        int category, entry; std::vector<float> column;  // afterwards, Possible Points row first
        std::string box;
        std::string undo = "";  // the Undo command's label afterwards, where the row names it
    } cases[] = {
        {"clean column", At(1, 0), "7\n6\n4", kTests, 0, {10, 7, 6, 4}, ""},
        {"CRLF", At(1, 0), "7\r\n6.5\r\n", kTests, 0, {10, 7, 6.5f, 5}, ""},
        {"trailing line end", At(1, 0), "7\n6\n4\n", kTests, 0, {10, 7, 6, 4}, "", "&Undo Paste into T1"},
        {"decimal comma, padding", At(2, 0), " 9,5 \n100.00", kTests, 0, {10, 9, 9.5f, 100}, ""},
        {"omitted", At(1, 1), "N/A\nn\n\n", kTests, 1, {20, N, N, N}, ""},
        {"points possible", At(0, 2), "6\n6", kQuizzes, 0, {6, 6, 4, 2}, ""},
        {"sorted view", sorted, "1\n2\n3", kTests, 0, {10, 3, 2, 1}, ""},
        {"word", At(1, 0), "7\nabc\n4", kTests, 0, t1, "Line 2 of the clipboard, \"abc\", is not a grade." + nothing},
        {"negative", At(1, 0), "7\n8\n-1", kTests, 0, t1, "Line 3 of the clipboard, \"-1\", is not a grade." + nothing},
        {"3 decimals", At(1, 0), "7\n1,000", kTests, 0, t1, "Line 2 of the clipboard, \"1,000\", is not a grade." + nothing},
        {"two columns", At(1, 0), "7\t8", kTests, 0, t1, "Line 1 of the clipboard holds more than one column." + nothing},
        {"too many lines", At(2, 0), "1\n2\n3", kTests, 0, t1,
         "The clipboard holds 3 lines, but there are only 2 rows from the cursor down." + nothing},
        {"empty clipboard", At(1, 0), "\r\n", kTests, 0, t1, "The clipboard holds no grades to paste."},
        {"figure column", At(1, 4), "7", kTests, 0, t1, "Click a grade in the column to paste into, then paste again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(SmallClass());
        const auto before = OnDisk();
        c.cursor(f->Grades());
        Ui().clipboard = c.clipboard;
        Command(cmd::kPaste);
        std::vector<float> column;
        for (const TStudent& row : Rec().roster) column.push_back(row.scores[c.category][c.entry].value);
        EXPECT_EQ(column, c.column);
        EXPECT_EQ(Ui().BoxTexts(), c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
        for (const ShownBox& box : Ui().boxes) EXPECT_EQ(box.caption, "Information");
        if (c.box.empty()) {  // stored as one step: Undo puts the file back
            ExpectWritten();
            if (!c.undo.empty()) {
                EXPECT_EQ(f->frame.commandLabels[cmd::kUndo], c.undo);
            }
            Command(cmd::kUndo);
        }
        EXPECT_EQ(OnDisk(), before);
    }
}

}  // namespace
}  // namespace quorle::testing
