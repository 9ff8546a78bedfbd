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
constexpr float N = kOmitMarker;

struct ClipboardTest : EditTest {
    void Command(int id) { f->child->Command(id); }
    // The grades of column (category, entry), Possible Points row first.
    std::vector<float> Column(int category, int entry) {
        std::vector<float> values;
        for (const TStudent& row : Rec().roster) values.push_back(row.scores[category][static_cast<std::size_t>(entry)].value);
        return values;
    }
};

TEST_F(ClipboardTest, CopyPutsTheCursorsCellAsThePanesShowIt) {
    struct Case {
        const char* what;
        std::function<void(TGradeWindow&)> cursor;
        std::string copied;
    };
    // SmallClass's pane columns: T1, T2, Q1, Test Aver, Total Pts, Average, Grade.
    const Case cases[] = {
        {"grade", [](TGradeWindow& g) { g.PutCursor(1, 0); }, "9.00"},
        {"omitted grade", [](TGradeWindow& g) { g.PutCursor(2, 1); }, "N/A"},
        {"name", [](TGradeWindow& g) { g.PutCursor(3, kNameColumn); }, "Cole"},
        {"figure", [](TGradeWindow& g) { g.PutCursor(1, 4); }, "32.00"},
        {"no cursor", [](TGradeWindow&) {}, "as it was"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(SmallClass());
        Ui().clipboard = "as it was";
        c.cursor(f->Grades());
        Command(cmd::kCopy);
        EXPECT_EQ(Ui().clipboard, c.copied);
        EXPECT_TRUE(Ui().boxes.empty());
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

TEST_F(ClipboardTest, PasteStoresTheWholeColumnOrNothing) {
    struct Case {
        const char* what;
        std::function<void(TGradeWindow&)> cursor;
        std::string clipboard;
        int category, entry;
        std::vector<float> column;  // afterwards, Possible Points row first
        std::string box;            // the refusal, if any
    };
    const auto at = [](int row, int column) { return [=](TGradeWindow& g) { g.PutCursor(row, column); }; };
    const std::string nothing = " Nothing was pasted.";
    const Case cases[] = {
        {"clean column", at(1, 0), "7\n6\n4", kTests, 0, {10, 7, 6, 4}, ""},
        {"CRLF", at(1, 0), "7\r\n6.5\r\n", kTests, 0, {10, 7, 6.5f, 5}, ""},
        {"trailing line end", at(1, 0), "7\n6\n4\n", kTests, 0, {10, 7, 6, 4}, ""},
        {"decimal comma, padding", at(2, 0), " 9,5 \n100.00", kTests, 0, {10, 9, 9.5f, 100}, ""},
        {"omitted", at(1, 1), "N/A\nn\n\n", kTests, 1, {20, N, N, N}, ""},
        {"points possible", at(0, 2), "6\n6", kQuizzes, 0, {6, 6, 4, 2}, ""},
        {"sorted view", [](TGradeWindow& g) { g.PutCursor(1, kNameColumn); g.SortByCursorColumn(); g.SortByCursorColumn(); g.PutCursor(3, 0); },
         "1\n2\n3", kTests, 0, {10, 3, 2, 1}, ""},
        {"word", at(1, 0), "7\nabc\n4", kTests, 0, {10, 9, 8, 5}, "Line 2 of the clipboard, \"abc\", is not a grade." + nothing},
        {"negative", at(1, 0), "7\n8\n-1", kTests, 0, {10, 9, 8, 5}, "Line 3 of the clipboard, \"-1\", is not a grade." + nothing},
        {"three decimals", at(1, 0), "7.125", kTests, 0, {10, 9, 8, 5}, "Line 1 of the clipboard, \"7.125\", is not a grade." + nothing},
        {"two columns", at(1, 0), "7\t8", kTests, 0, {10, 9, 8, 5}, "Line 1 of the clipboard holds more than one column." + nothing},
        {"too many lines", at(2, 0), "1\n2\n3", kTests, 0, {10, 9, 8, 5},
         "The clipboard holds 3 lines, but there are only 2 rows from the cursor down." + nothing},
        {"empty clipboard", at(1, 0), "\r\n", kTests, 0, {10, 9, 8, 5}, "The clipboard holds no grades to paste."},
        {"figure column", at(1, 4), "7", kTests, 0, {10, 9, 8, 5}, "Click a grade in the column to paste into, then paste again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(SmallClass());
        const auto before = OnDisk();
        c.cursor(f->Grades());
        Ui().clipboard = c.clipboard;
        Command(cmd::kPaste);
        EXPECT_EQ(Column(c.category, c.entry), c.column);
        if (c.box.empty()) {
            EXPECT_TRUE(Ui().boxes.empty());
            ExpectWritten();
        } else {
            ASSERT_EQ(Ui().boxes.size(), 1u);
            EXPECT_EQ(Ui().boxes[0].caption, "Information");
            EXPECT_EQ(Ui().boxes[0].text, c.box);
            EXPECT_EQ(OnDisk(), before);
        }
    }
}

TEST_F(ClipboardTest, UndoOfAPastePutsTheFileBack) {
    Open(SmallClass());
    const auto before = OnDisk();
    f->Grades().PutCursor(1, 0);
    Ui().clipboard = "1\n2\n3\n";
    Command(cmd::kPaste);
    EXPECT_EQ(f->frame.commandLabels[cmd::kUndo], "&Undo Paste into T1");
    Command(cmd::kUndo);
    EXPECT_EQ(OnDisk(), before);
}

}  // namespace
}  // namespace quorle::testing
