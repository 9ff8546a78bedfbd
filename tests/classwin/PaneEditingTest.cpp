// Editing through the panes: double-click to change, right click to delete,
// every refusal, and the class file after each change.
#include <gtest/gtest.h>

#include <cerrno>

#include "EditFixture.h"
#include "classwin/ClassSaving.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "resources/EditDialogs.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::Point;

// Fake metrics: names W15 = 120 from x = 20, grades columns 80 wide, lines 16
// high; row j stands at y = (j + 1) * 16. SmallClass's grade columns: T1, T2, Q1,
// then the computed ones.
Point Line(int x, int row) { return Point{x, (row + 1) * 16 + 5}; }

struct PaneEditingTest : EditTest {
    TNameWindow& Names() { return f->Names(); }
    TGradeWindow& Grades() { return f->Grades(); }
};

TEST_F(PaneEditingTest, ClicksThatHitNothingOrPossiblePointsAreRefusedAndChangeNothing) {
    enum Pane { kNames, kGrades };
    struct Case {
        const char* name;
        Pane pane;
        bool right;
        Point point;
        const char* caption;
        const char* text;
        Icon icon;
    };
    const Case cases[] = {
        {"names margin", kNames, false, Line(5, 1), "Information", "This item cannot be changed.", Icon::Information},
        {"names margin", kNames, true, Line(5, 1), "Information", "This name cannot be deleted.", Icon::Information},
        {"names heading", kNames, false, Point{30, 5}, "Information", "This item cannot be changed.", Icon::Information},
        {"below the names", kNames, true, Line(30, 6), "Information", "This name cannot be deleted.", Icon::Information},
        {"name border", kNames, false, Point{140, 37}, "Information", "This item cannot be changed.", Icon::Information},
        {"computed column", kGrades, false, Line(250, 1), "Information", "This item cannot be changed.", Icon::Information},
        {"computed column", kGrades, true, Line(250, 1), "Information", "This item cannot be deleted.", Icon::Information},
        {"computed heading", kGrades, true, Point{330, 5}, "Information", "This item cannot be deleted.", Icon::Information},
        {"below the last row", kGrades, false, Line(10, 5), "Information", "This item cannot be changed.", Icon::Information},
        {"column border", kGrades, false, Point{80, 37}, "Information", "This item cannot be changed.", Icon::Information},
        {"line border", kGrades, true, Point{10, 32}, "Information", "This item cannot be deleted.", Icon::Information},
        {"possible points name", kNames, false, Line(30, 0), "Warning", "You cannot change Possible Points!!",
         Icon::Exclamation},
        {"possible points ID", kNames, false, Line(270, 0), "Warning", "You cannot change Possible Points!!",
         Icon::Exclamation},
        {"possible points", kNames, true, Line(150, 0), "Warning", "You cannot drop or transfer Possible Points.",
         Icon::Exclamation},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.name) + (k.right ? " right" : " double"));
        Open(SmallClass());
        const auto before = OnDisk();
        platform::Window& pane = k.pane == kNames ? static_cast<platform::Window&>(Names()) : Grades();
        if (k.right)
            pane.RightClick(k.point);
        else
            pane.LeftDoubleClick(k.point);
        ASSERT_EQ(Ui().boxes.size(), 1u);
        EXPECT_EQ(Ui().boxes[0].caption, k.caption);
        EXPECT_EQ(Ui().boxes[0].text, k.text);
        EXPECT_EQ(Ui().boxes[0].buttons, Buttons::Ok);
        EXPECT_EQ(Ui().boxes[0].icon, k.icon);
        EXPECT_TRUE(Ui().dialogCaptions.empty());
        EXPECT_EQ(OnDisk(), before);
        EXPECT_EQ(Rec().RowCount(), 4);
        EXPECT_FALSE(Names().CurrentHit());
        EXPECT_FALSE(Grades().CurrentHit());
    }
}

TEST_F(PaneEditingTest, DoubleClickOnACellChangesThatValueAndWritesTheClass) {
    Open(SmallClass());
    // Baker's omitted T2: N/A with Omit checked; unchecking it and typing 17.
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdValueLine1), "Grade in T2 for:");
        EXPECT_EQ(h.Text(res::kIdValueLine2), "Bob Baker");
        EXPECT_EQ(h.Text(res::kIdValue), "N/A");
        EXPECT_TRUE(h.IsChecked(res::kIdOmit));
        EXPECT_FALSE(h.IsEnabled(res::kIdValue));
        h.Click(res::kIdOmit);
        h.Type(res::kIdValue, "17");
        EXPECT_TRUE(h.PressOk());
    });
    Grades().LeftDoubleClick(Line(100, 2));
    EXPECT_EQ(Rec().Row(2).scores[kTests][1].value, 17.0f);
    ExpectWritten();
    EXPECT_FALSE(Rec().modified);
    EXPECT_EQ(f->GradesHost().Paint().Line(48)[1].text, " 17.00");

    // The points possible of Q1: the box shows the value; Cancel keeps it.
    const auto written = OnDisk();
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdValueLine1), "Grade in Q1 for:");
        EXPECT_EQ(h.Text(res::kIdValueLine2), "Points Possible");
        EXPECT_EQ(h.Text(res::kIdValue), "5");
        h.Type(res::kIdValue, "8");
        h.PressCancel();
    });
    Grades().LeftDoubleClick(Line(170, 0));
    EXPECT_EQ(Rec().Row(0).scores[kQuizzes][0].value, 5.0f);
    EXPECT_EQ(OnDisk(), written);
}

TEST_F(PaneEditingTest, AChangeThroughThePanesLeavesTheModifiedFlagAsItIs) {
    Open(SmallClass());
    Rec().modified = true;  // the Extra names were renamed before
    Script(TypeOk(res::kIdValue, "3"));
    Grades().LeftDoubleClick(Line(10, 1));
    ExpectWritten();
    EXPECT_TRUE(Rec().modified);
}

TEST_F(PaneEditingTest, DoubleClickOnAHeadingRetitlesTheGradeInEveryRow) {
    Open(SmallClass());
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdTitlePrompt), "Title of this quiz ?");
        EXPECT_EQ(h.Text(res::kIdTitle), "Q1");
        h.Type(res::kIdTitle, "Pop quiz 1");
        EXPECT_TRUE(h.PressOk());
    });
    Grades().LeftDoubleClick(Point{170, 5});
    for (const auto& row : Rec().roster) EXPECT_EQ(row.scores[kQuizzes][0].title.Str(), "Pop quiz ");
    ExpectWritten();
    EXPECT_EQ(f->GradesHost().Paint().Line(0)[2].text, "Pop quiz ");

    const auto written = OnDisk();
    Script(Cancel());
    Grades().LeftDoubleClick(Point{10, 5});
    EXPECT_EQ(Rec().Row(0).scores[kTests][0].title.Str(), "T1");
    EXPECT_EQ(OnDisk(), written);
}

TEST_F(PaneEditingTest, RightClickOnACellOrHeadingDeletesTheGradeForTheWholeClass) {
    struct Case {
        const char* name;
        Point point;
        Answer answer;
    };
    for (const Case& k : {Case{"student's cell", Line(90, 3), Answer::Yes}, Case{"heading", Point{90, 5}, Answer::Yes},
                          Case{"possible points cell", Line(90, 0), Answer::Yes},
                          Case{"answered No", Line(90, 3), Answer::No}}) {
        SCOPED_TRACE(k.name);
        Open(SmallClass());
        const auto before = OnDisk();
        Ui().answers = {k.answer};
        Grades().RightClick(k.point);
        ASSERT_EQ(Ui().boxes.size(), 1u);
        EXPECT_EQ(Ui().boxes[0].caption, "Delete Grade Set ?");
        EXPECT_EQ(Ui().boxes[0].text, "Do you want to delete T2 ?");
        EXPECT_EQ(Ui().boxes[0].buttons, Buttons::YesNo);
        EXPECT_EQ(Ui().boxes[0].icon, Icon::Question);
        if (k.answer == Answer::No) {
            EXPECT_EQ(OnDisk(), before);
            EXPECT_EQ(Rec().Row(0).scores[kTests].size(), 2u);
            continue;
        }
        for (const auto& row : Rec().roster) {
            ASSERT_EQ(row.scores[kTests].size(), 1u);
            EXPECT_EQ(row.scores[kTests][0].title.Str(), "T1");
        }
        EXPECT_EQ(Rec().Row(1).scores[kTests][0].value, 9.0f);
        ExpectWritten();
        EXPECT_EQ(f->GradesHost().Paint().Line(0)[1].text, "Q1");
    }
}

TEST_F(PaneEditingTest, NoToTheTransferQuestionDropsTheStudentAndTheLastSelectionBox) {
    Open(SmallClass());
    FakeWindowHost& boxes = f->NamesHost();
    boxes.SetCheckBoxChecked(Names().SelectionBoxId(1), true);
    boxes.SetCheckBoxChecked(Names().SelectionBoxId(3), true);
    const int lastBox = Names().SelectionBoxId(3);
    Ui().answers = {Answer::No};
    Names().RightClick(Line(150, 2));  // Baker's first name
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].caption, "Transfer?");
    EXPECT_EQ(Ui().boxes[0].text, "Do you want to transfer Bob Baker to another class ?");
    EXPECT_EQ(Ui().boxes[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(Ui().fileDialogs.empty());
    ASSERT_EQ(Rec().RowCount(), 3);
    EXPECT_EQ(Rec().Row(2).lastName.Str(), "Cole");
    EXPECT_EQ(Names().SelectionBoxCount(), 2);
    EXPECT_EQ(boxes.checkBoxes.count(lastBox), 0u);
    EXPECT_TRUE(Names().IsSelected(1));
    EXPECT_TRUE(Names().IsSelected(2));  // Cole, ticked, moved up
    ExpectWritten();
    EXPECT_EQ(ReadClassFile(dir.File("alg.gdr")).RowCount(), 3);
    EXPECT_EQ(f->NamesHost().Paint().Line(48)[0].text, "Cole");
}

// Yes to the transfer question that does not end in a transfer keeps the student.
TEST_F(PaneEditingTest, ATransferThatDoesNotHappenKeepsTheStudent) {
    struct Case {
        const char* name;
        const char* message;  // nullptr: none
    };
    const Case cases[] = {
        {"two classes open", "You may have only one file open when transferring to another class."},
        {"no destination chosen", nullptr},
        {"this class itself", "Bob Baker is in this class already. Choose another class to transfer to."},
        {"not a class file", "Bob Baker could not be added to junk.gdr and stays in this class.\nNot a class file: "},
        {"a full disk", "Bob Baker could not be added to junk.gdr and stays in this class.\nNo space left on device: "},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Open(SmallClass());
        const std::string name = k.name;
        std::unique_ptr<TDecoChild> other;
        if (name == "two classes open") {
            other = std::make_unique<TDecoChild>(f->frame, Ui(), SmallClass());
            other->Create({0, 0, 400, 300});
            f->frame.ActivateChild(*f->child);
        } else if (name == "this class itself") {
            Ui().fileNames.push_back(dir.File("alg.gdr"));
        } else if (name == "not a class file") {
            dir.Write("junk.gdr", {1, 2, 3});
            Ui().fileNames.push_back(dir.File("junk.gdr"));
        } else if (name == "a full disk") {
            dir.Write("junk.gdr", SerializeClassFile(SmallClass()));
            Ui().fileNames.push_back(dir.File("junk.gdr"));
        }
        const auto before = OnDisk();
        const auto destinationBefore = dir.Exists("junk.gdr") ? dir.Read("junk.gdr") : std::vector<unsigned char>{};
        Ui().answers = {Answer::Yes};
        {
            const ScopedWriteFault fault(name == "a full disk" ? "junk.gdr" : "\n", ENOSPC);
            Names().RightClick(Line(30, 2));
        }
        EXPECT_EQ(Rec().RowCount(), 4);
        EXPECT_EQ(Rec().Row(2).lastName.Str(), "Baker");
        EXPECT_EQ(Names().SelectionBoxCount(), 3);
        EXPECT_EQ(OnDisk(), before);
        ASSERT_EQ(Ui().boxes.size(), k.message ? 2u : 1u);
        if (k.message) {
            // The reason's line ends with the file's whole path.
            EXPECT_EQ(Ui().boxes[1].text, k.message + (dir.Exists("junk.gdr") ? dir.File("junk.gdr") : ""));
        }
        if (dir.Exists("junk.gdr")) {
            EXPECT_EQ(dir.Read("junk.gdr"), destinationBefore);
        }
        if (name != "two classes open") {
            ASSERT_EQ(Ui().fileDialogs.size(), 1u);
            const auto& o = Ui().fileDialogs[0].options;
            EXPECT_EQ(o.title, "Transfer Destination Class");
            EXPECT_EQ(o.filter, kClassFileFilter);
            EXPECT_EQ(o.defaultExtension, "gdr");
            EXPECT_TRUE(o.fileMustExist && o.pathMustExist);
        }
        if (other) f->frame.DestroyChild(*other);
    }
}

TEST_F(PaneEditingTest, CancelToTheTransferQuestionChangesNothing) {
    Open(SmallClass());
    const auto before = OnDisk();
    Ui().answers = {Answer::Cancel};
    Names().RightClick(Line(30, 3));
    EXPECT_EQ(Rec().RowCount(), 4);
    EXPECT_EQ(OnDisk(), before);
}

}  // namespace
}  // namespace quorle::testing
