// Edit Student: every control, the working roster taken over only on OK,
// "&Delete Student" writing the class at once, and Cancel leaving everything.
#include <gtest/gtest.h>

#include "EditFixture.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Answer;

struct EditStudentTest : EditTest {
    void Run() { f->child->Command(res::cmd::kStudentInfo); }
};

TEST_F(EditStudentTest, OpensOnTheFirstStudentWithHisGradesInCategoryOrder) {
    Open(SmallClass());
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.ListItems(res::kIdStudentList), (std::vector<std::string>{"Possible", "Adams", "Baker", "Cole"}));
        EXPECT_EQ(h.Selection(res::kIdStudentList), 1);
        EXPECT_EQ(h.Text(res::kIdStudentFirst), "Ann");
        EXPECT_EQ(h.Text(res::kIdStudentId), "1");
        EXPECT_EQ(h.Text(res::kIdEditLast), "Adams");
        EXPECT_EQ(h.Text(res::kIdEditFirst), "Ann");
        EXPECT_EQ(h.Text(res::kIdEditId), "1");
        EXPECT_EQ(h.ListItems(res::kIdStudentItem), (std::vector<std::string>{"T1", "T2", "Q1"}));
        EXPECT_EQ(h.Selection(res::kIdStudentItem), 0);
        EXPECT_EQ(h.Text(res::kIdEditGrade), "9");
        EXPECT_FALSE(h.IsChecked(res::kIdEditOmit));
        h.Select(res::kIdStudentList, 2);  // Baker: his T2 is omitted
        h.Select(res::kIdStudentItem, 1);
        EXPECT_EQ(h.Text(res::kIdEditGrade), "N/A");
        EXPECT_TRUE(h.IsChecked(res::kIdEditOmit));
        EXPECT_FALSE(h.IsEnabled(res::kIdEditGrade));
        h.Click(res::kIdEditHelp);
        EXPECT_FALSE(h.Ended());
        h.PressCancel();
    });
    Run();
    EXPECT_EQ(Ui().dialogCaptions, std::vector<std::string>{"Edit Student"});
    EXPECT_EQ(Ui().helpCalls, std::vector<std::string>{"topic quorle.hlp 669"});
}

TEST_F(EditStudentTest, EveryKeyUpdatesTheDialogAndOkTakesTheChangesOverAndWritesTheClass) {
    Open(SmallClass());
    Rec().modified = true;
    Script([](FakeDialogHost& h) {
        h.Type(res::kIdEditLast, "Adamson");
        EXPECT_EQ(h.ListItems(res::kIdStudentList)[1], "Adamson");
        EXPECT_EQ(h.Selection(res::kIdStudentList), 1);
        h.Type(res::kIdEditFirst, "Annabel");
        EXPECT_EQ(h.Text(res::kIdStudentFirst), "Annabel");
        h.Type(res::kIdEditId, "12345");
        EXPECT_EQ(h.Text(res::kIdStudentId), "1234");
        h.Select(res::kIdStudentItem, 2);
        EXPECT_EQ(h.Text(res::kIdEditGrade), "5");
        h.Click(res::kIdEditOmit);
        EXPECT_EQ(h.Text(res::kIdEditGrade), "N/A");
        h.Select(res::kIdStudentItem, 0);
        h.Type(res::kIdEditGrade, "10");
        // Cole: the grades of another student in the same visit.
        h.Select(res::kIdStudentList, 3);
        EXPECT_EQ(h.Text(res::kIdEditLast), "Cole");
        h.Type(res::kIdEditGrade, "7");
        EXPECT_TRUE(h.PressOk());
    });
    Run();
    const TStudent& adams = Rec().Row(1);
    EXPECT_EQ(adams.lastName.Str(), "Adamson");
    EXPECT_EQ(adams.firstName.Str(), "Annabel");
    EXPECT_EQ(adams.id.Str(), "1234");
    EXPECT_EQ(adams.scores[kTests][0].value, 10.0f);
    EXPECT_EQ(adams.scores[kQuizzes][0].value, kOmitMarker);
    EXPECT_EQ(Rec().Row(3).scores[kTests][0].value, 7.0f);
    EXPECT_EQ(Rec().Row(0).id.Str(), "    ");
    ExpectWritten();
    EXPECT_FALSE(Rec().modified);
    EXPECT_EQ(f->NamesHost().Paint().Line(32)[0].text, "Adamson");
    EXPECT_EQ(f->GradesHost().Paint().Line(32)[2].text, " N/A");
}

// A first or last name left empty or of spaces alone is refused as Add
// Students refuses it: on OK and before "&Delete Student", the message, the
// student shown with the box at fault to type in, the entries as typed, and
// nothing written until the name is put back.
TEST_F(EditStudentTest, AnEmptyOrBlankNameIsRefusedLikeAddStudentsDoes) {
    const std::string first = "You must put something in for a first name!!";
    const std::string last = "You must put something in for a last name!!";
    const struct {
        const char* name;
        int row;  // the student whose name is typed
        int box;
        const char* typed;
        bool deleting;     // "&Delete Student" on Cole instead of OK
        std::string message;  // empty: accepted
    } cases[] = {
        {"first name erased", 1, res::kIdEditFirst, "", false, first},
        {"first name of spaces", 2, res::kIdEditFirst, "   ", false, first},
        {"last name erased", 1, res::kIdEditLast, "", false, last},
        {"last name of one space", 2, res::kIdEditLast, " ", false, last},
        {"one letter", 1, res::kIdEditLast, "A", false, ""},
        {"a space around a letter", 2, res::kIdEditFirst, " B ", false, ""},
        {"before a drop", 1, res::kIdEditLast, "", true, last},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(SmallClass());
        const auto before = OnDisk();
        std::string kept;
        int shown = -1;
        int focus = -1;
        bool open = false;
        Script([&](FakeDialogHost& h) {
            h.Select(res::kIdStudentList, c.row);
            h.Type(c.box, c.typed);
            // Cole is the one on screen when the teacher presses OK or deletes.
            h.Select(res::kIdStudentList, 3);
            if (c.deleting)
                h.Click(res::kIdDeleteStudent);
            else if (h.PressOk())
                return;
            open = !h.Ended();
            kept = h.Text(c.box);
            shown = h.Selection(res::kIdStudentList);
            focus = h.Focus();
            h.PressCancel();
        });
        Run();
        if (c.message.empty()) {
            EXPECT_TRUE(Ui().boxes.empty());
            EXPECT_EQ(c.box == res::kIdEditLast ? Rec().Row(c.row).lastName.Str() : Rec().Row(c.row).firstName.Str(),
                      c.typed);
            ExpectWritten();
            continue;
        }
        ASSERT_EQ(Ui().boxes.size(), 1u);
        EXPECT_EQ(Ui().boxes[0].caption, "Warning");
        EXPECT_EQ(Ui().boxes[0].text, c.message);
        EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Exclamation);
        EXPECT_TRUE(open);
        EXPECT_EQ(kept, c.typed);
        EXPECT_EQ(shown, c.row);
        EXPECT_EQ(focus, c.box);
        EXPECT_EQ(OnDisk(), before);
        EXPECT_EQ(Rec().RowCount(), 4);
    }
}

TEST_F(EditStudentTest, PossiblePointsKeepsItsNamesButItsPointsCanChange) {
    Open(SmallClass());
    Script([](FakeDialogHost& h) {
        h.Select(res::kIdStudentList, 0);
        EXPECT_EQ(h.Text(res::kIdEditLast), "Possible");
        EXPECT_EQ(h.Text(res::kIdEditFirst), "Points");
        for (int id : {res::kIdEditLast, res::kIdEditFirst, res::kIdEditId}) EXPECT_FALSE(h.IsEnabled(id)) << id;
        EXPECT_TRUE(h.IsEnabled(res::kIdEditGrade));
        h.Select(res::kIdStudentItem, 1);
        EXPECT_EQ(h.Text(res::kIdEditGrade), "20");
        h.Type(res::kIdEditGrade, "25");
        // Back on a student the boxes come back.
        h.Select(res::kIdStudentList, 2);
        EXPECT_TRUE(h.IsEnabled(res::kIdEditLast));
        EXPECT_TRUE(h.PressOk());
    });
    Run();
    EXPECT_EQ(Rec().Row(0).scores[kTests][1].value, 25.0f);
    EXPECT_EQ(Rec().Row(0).lastName.Str(), "Possible");
    EXPECT_EQ(Rec().Row(0).id.Str(), "    ");
    ExpectWritten();
}

TEST_F(EditStudentTest, CancelAfterRenamingAndRegradingLeavesTheClassAndFileAsTheyWere) {
    Open(SmallClass());
    const auto before = OnDisk();
    Script([](FakeDialogHost& h) {
        h.Type(res::kIdEditLast, "Zed");
        h.Type(res::kIdEditGrade, "1");
        h.Select(res::kIdStudentList, 0);
        h.Type(res::kIdEditGrade, "99");
        h.PressCancel();
    });
    Run();
    EXPECT_EQ(SerializeClassFile(Rec()), before);
    EXPECT_EQ(OnDisk(), before);
}

TEST_F(EditStudentTest, TrailingSpacesGoAndAStudentWithoutGradesShowsNoItems) {
    ClassRecord r = ClassOf(1);
    for (auto& row : r.roster) row.scores[kTests].clear();
    r.Row(1).lastName = "Smith   ";
    r.Row(1).id = "7  ";
    Open(r);
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.ListItems(res::kIdStudentList)[1], "Smith");
        EXPECT_EQ(h.Text(res::kIdEditId), "7");
        EXPECT_TRUE(h.ListItems(res::kIdStudentItem).empty());
        EXPECT_EQ(h.Text(res::kIdEditGrade), "");
        EXPECT_FALSE(h.IsEnabled(res::kIdEditGrade));
        EXPECT_FALSE(h.IsEnabled(res::kIdEditOmit));
        EXPECT_TRUE(h.PressOk());
    });
    Run();
    EXPECT_EQ(Rec().Row(1).lastName.Str(), "Smith");
    EXPECT_EQ(Rec().Row(1).id.Str(), "7");
}

TEST_F(EditStudentTest, AClassWithoutStudentsOpensOnPossiblePoints) {
    Open(ClassOf(0));
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Selection(res::kIdStudentList), 0);
        EXPECT_FALSE(h.IsEnabled(res::kIdEditLast));
        EXPECT_EQ(h.Text(res::kIdEditGrade), "10");
        h.PressCancel();
    });
    Run();
}

// "&Delete Student": refusals keep the dialog open; a drop writes the class at
// once and closes the dialog as cancelled.
TEST_F(EditStudentTest, DeleteStudentRefusalsKeepTheDialogOpen) {
    struct Case {
        const char* name;
        int row;
        std::vector<Answer> answers;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"possible points", 0, {}, {"You cannot drop or transfer Possible Points."}},
        {"cancel", 2, {Answer::Cancel}, {"Do you want to transfer Bob Baker to another class ?"}},
        {"yes, destination not chosen", 2, {Answer::Yes}, {"Do you want to transfer Bob Baker to another class ?"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Open(SmallClass());
        const auto before = OnDisk();
        Ui().answers.assign(k.answers.begin(), k.answers.end());
        const int row = k.row;
        Script([row](FakeDialogHost& h) {
            h.Select(res::kIdStudentList, row);
            h.Click(res::kIdDeleteStudent);
            EXPECT_FALSE(h.Ended());
            h.PressCancel();
        });
        Run();
        EXPECT_EQ(Ui().BoxTexts(), k.texts);
        EXPECT_EQ(Rec().RowCount(), 4);
        EXPECT_EQ(OnDisk(), before);
        EXPECT_EQ(f->Names().SelectionBoxCount(), 3);
    }
}

TEST_F(EditStudentTest, DropWritesTheClassWithoutTheStudentAtOnce) {
    Open(SmallClass());
    Ui().answers = {Answer::No};
    Script([](FakeDialogHost& h) {
        h.Type(res::kIdEditFirst, "Annie");  // Adams, before the drop
        h.Select(res::kIdStudentList, 2);
        h.Click(res::kIdDeleteStudent);
        EXPECT_TRUE(h.Ended());
        EXPECT_FALSE(h.Result());
    });
    Run();
    const auto& box = Ui().boxes.at(0);
    EXPECT_EQ(box.caption, "Transfer?");
    EXPECT_EQ(box.buttons, platform::Buttons::YesNoCancel);
    const ClassRecord disk = ReadClassFile(dir.File("alg.gdr"));
    ASSERT_EQ(disk.RowCount(), 3);
    EXPECT_EQ(disk.Row(1).firstName.Str(), "Annie");
    EXPECT_EQ(disk.Row(2).lastName.Str(), "Cole");
    EXPECT_EQ(disk.Row(0).id.Str(), "    ");
    ExpectWritten();
    EXPECT_EQ(f->Names().SelectionBoxCount(), 2);
}

}  // namespace
}  // namespace quorle::testing
