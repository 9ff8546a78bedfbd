// Edit/Delete Grade Title: retitling any grade for the whole class, deleting
// it, and Cancel leaving the class and its file as they were.
#include <gtest/gtest.h>

#include "EditFixture.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Answer;

struct RenameGradeTest : EditTest {
    void Run() { f->child->Command(res::cmd::kChangeGradeTitle); }
};

TEST_F(RenameGradeTest, TypingRetitlesTheChosenGradeInEveryRowAndOkWritesTheClass) {
    Open(SmallClass());
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.ListItems(res::kIdRenameItem), (std::vector<std::string>{"T1", "T2", "Q1"}));
        EXPECT_EQ(h.Selection(res::kIdRenameItem), 0);
        EXPECT_EQ(h.Text(res::kIdRenameTitle), "T1");
        h.Select(res::kIdRenameItem, 2);
        EXPECT_EQ(h.Text(res::kIdRenameTitle), "Q1");
        h.Type(res::kIdRenameTitle, "Chapter 10 quiz");
        EXPECT_EQ(h.ListItems(res::kIdRenameItem), (std::vector<std::string>{"T1", "T2", "Chapter 1"}));
        EXPECT_EQ(h.Selection(res::kIdRenameItem), 2);
        EXPECT_TRUE(h.PressOk());
    });
    Run();
    for (const auto& row : Rec().roster) EXPECT_EQ(row.scores[kQuizzes][0].title.Str(), "Chapter 1");
    EXPECT_EQ(Rec().Row(1).scores[kQuizzes][0].value, 5.0f);
    ExpectWritten();
    EXPECT_FALSE(Rec().modified);
    EXPECT_EQ(f->GradesHost().Paint().Line(0)[2].text, "Chapter 1");
}

TEST_F(RenameGradeTest, CancelAfterTypingLeavesTheClassAndFileAsTheyWere) {
    Open(SmallClass());
    const auto before = OnDisk();
    Script([](FakeDialogHost& h) {
        h.Type(res::kIdRenameTitle, "Midterm");
        h.PressCancel();
    });
    Run();
    EXPECT_EQ(SerializeClassFile(Rec()), before);
    EXPECT_EQ(OnDisk(), before);
}

// "&Delete Item" asks, writes the class at once on Yes (titles typed before go
// with it) and closes the dialog either way. The dialog starts on the cell
// cursor's grade; the cursor keeps its place among the columns.
TEST_F(RenameGradeTest, DeleteItemAsksWritesTheClassAtOnceAndCloses) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        Open(SmallClass());
        const auto before = OnDisk();
        Ui().answers = {answer};
        f->Grades().PutCursor(2, 1);  // Baker's T2
        Script([](FakeDialogHost& h) {
            EXPECT_EQ(h.Selection(res::kIdRenameItem), 1);
            h.Select(res::kIdRenameItem, 0);
            h.Type(res::kIdRenameTitle, "Unit 1");
            h.Select(res::kIdRenameItem, 1);
            h.Click(res::kIdDeleteItem);
            EXPECT_TRUE(h.Ended());
            EXPECT_FALSE(h.Result());
        });
        Run();
        ASSERT_EQ(Ui().boxes.size(), 1u);
        EXPECT_EQ(Ui().boxes[0].caption, "Delete Grade ?");
        EXPECT_EQ(Ui().boxes[0].text, "Are you sure you want to delete T2?");
        EXPECT_EQ(Ui().boxes[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Question);
        if (answer == Answer::No) {
            EXPECT_EQ(OnDisk(), before);
            EXPECT_EQ(SerializeClassFile(Rec()), before);
            continue;
        }
        const ClassRecord disk = ReadClassFile(dir.File("alg.gdr"));
        for (const auto& row : disk.roster) {
            ASSERT_EQ(row.scores[kTests].size(), 1u);
            EXPECT_EQ(row.scores[kTests][0].title.Str(), "Unit 1");
        }
        EXPECT_EQ(disk.Row(3).scores[kTests][0].value, 5.0f);
        ExpectWritten();
        EXPECT_EQ(f->GradesHost().Paint().Line(0)[1].text, "Q1");
        EXPECT_EQ(f->Grades().Cursor(), (CellCursor{2, 1}));  // now on Q1, and the status bar too
        EXPECT_EQ(f->frame.statusText, "Q1: 3 grades  Mean 3.67  Median 4.00  Low 2.00  High 5.00");
    }
}

TEST_F(RenameGradeTest, AClassWithoutGradesOffersNothingToRetitleOrDelete) {
    Open(ClassOf(2));
    Rec().roster[0].scores[kTests].clear();
    for (auto& row : Rec().roster) row.scores[kTests].clear();
    Script([](FakeDialogHost& h) {
        EXPECT_TRUE(h.ListItems(res::kIdRenameItem).empty());
        EXPECT_EQ(h.Selection(res::kIdRenameItem), -1);
        EXPECT_FALSE(h.IsEnabled(res::kIdDeleteItem));
        EXPECT_FALSE(h.IsEnabled(res::kIdRenameTitle));
        EXPECT_TRUE(h.PressOk());
    });
    Run();
    EXPECT_TRUE(Ui().boxes.empty());
}


}  // namespace
}  // namespace quorle::testing
