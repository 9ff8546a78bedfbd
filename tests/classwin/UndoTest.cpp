// Undo and Redo in a class window: every kind of change is one step that
// puts the class file and its chart back byte for byte, and makes them again;
// the Edit menu names the step and greys what cannot be done; a transfer's
// undo never damages the class the student went to.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "EditFixture.h"
#include "classwin/PaneEditing.h"
#include "resources/ClassDialogs.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"
#include "resources/RosterDialogs.h"
#include "resources/SeatingDialogs.h"
#include "resources/SeatingMenu.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Point;
using Bytes = std::vector<unsigned char>;

Point Line(int x, int row) { return Point{x, (row + 1) * 16 + 5}; }

struct UndoTest : EditTest {
    std::optional<Bytes> Chart() const {
        if (!std::filesystem::exists(dir.File("alg.CHT"))) return std::nullopt;
        return dir.Read("alg.CHT");
    }
    std::string Label(int id) { return f->frame.commandLabels[id]; }
    bool Enabled(int id) { return !f->frame.commandEnabled.count(id) || f->frame.commandEnabled[id]; }
    void OpenWithChart(ClassRecord r) {
        Open(std::move(r));
        Ui().programDirectory = dir.Path();
        PutChart("alg.CHT", {{"Ann", "Adams"}, {"Bob", "Baker"}, {"Cy", "Cole"}}, 5);
    }
};

TEST_F(UndoTest, EveryChangeIsOneStepThatUndoAndRedoPutBackByteForByte) {
    struct Case {
        const char* step;  // the step's name in the menu
        std::function<void(ClassRecord&)> prepare;
        std::function<void(UndoTest&)> change;
    };
    const auto none = [](ClassRecord&) {};
    const auto studentDialog = [](const char* last, const char* first) {
        return [last, first](FakeDialogHost& h) {
            h.Type(res::kIdEntryLastName, last);
            h.Type(res::kIdEntryFirstName, first);
            EXPECT_TRUE(h.PressOk());
        };
    };
    const Case cases[] = {
        {"Grade T1 of Adams Ann", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdValue, "3"));
             t.f->Grades().LeftDoubleClick(Line(10, 1));
         }},
        {"Rename Q1", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdTitle, "Quiz one"));
             t.f->Grades().LeftDoubleClick(Point{170, 5});
         }},
        {"Delete Q1", none, [](UndoTest& t) { t.f->Grades().RightClick(Point{170, 5}); }},  // Yes
        {"Drop Adams Ann", none,
         [](UndoTest& t) {
             t.Ui().answers = {Answer::No};  // not transferred: dropped, and his seat freed
             t.f->Names().RightClick(Line(30, 1));
         }},
        {"Edit Adams Ann", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdEntryLastName, "Adamson"));  // renamed in the chart too
             t.f->Names().LeftDoubleClick(Line(30, 1));
         }},
        {"Alphabetize", [](ClassRecord& r) { r.Row(1).lastName = "Young"; },
         [](UndoTest& t) { t.f->child->Command(res::cmd::kAlphabetize); }},
        {"New Grade T3", none,
         [](UndoTest& t) {
             t.Script(ClickOk(res::kIdFirstGradeType + kTests));
             t.Script(TypeOk(res::kIdTitle, "T3"));
             for (int j = 0; j < 4; ++j) t.Script(TypeOk(res::kIdValue, "7"));
             t.f->child->Command(res::cmd::kNewGrade);
         }},
        {"Edit Student", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdEditLast, "Adamson"));
             t.f->child->Command(res::cmd::kStudentInfo);
         }},
        {"Add Zed Zoe", none,
         [studentDialog](UndoTest& t) {
             t.Script(studentDialog("Zed", "Zoe"));
             t.Script(Cancel());
             t.Ui().answers = {Answer::Yes};  // the computer picks his seat
             t.f->child->Command(res::cmd::kAddStudents);
         }},
        {"Import Students", none,
         [](UndoTest& t) {
             const std::string csv = "Last,First\nLee,Bo\nKim,Al\n";
             t.dir.Write("roster.csv", Bytes(csv.begin(), csv.end()));
             t.Ui().fileNames.push_back(t.dir.File("roster.csv"));
             t.Ui().answers = {Answer::Yes, Answer::Yes};
             t.f->child->Command(res::cmd::kImportStudents);
         }},
        {"Class Information", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdCourseTitle, "Geometry"));
             t.f->child->Command(res::cmd::kClassInformation);
         }},
        {"Display Options", none,
         [](UndoTest& t) {
             t.Script(ClickOk(res::kIdFirstDisplayBox));
             t.f->child->Command(res::cmd::kDisplayOptions);
         }},
        {"Grading System", none,
         [](UndoTest& t) {
             t.Script(Ok());
             t.Script(TypeOk(101, "93"));
             t.f->child->Command(res::cmd::kGradingSystem);
         }},
        {"Extra Names", none,
         [](UndoTest& t) {
             t.Script(TypeOk(res::kIdExtra1Name, "Projects"));
             t.f->child->Command(res::cmd::kExtraNames);
         }},
        {"Switch Seats", none,
         [](UndoTest& t) {
             ASSERT_TRUE(t.f->child->Command(res::cmd::kSeatingChart));
             t.Script([](FakeDialogHost& h) {
                 h.Type(res::kIdSwitchFrom, "1");
                 h.Type(res::kIdSwitchTo, "3");
                 EXPECT_TRUE(h.PressOk());
             });
             ASSERT_EQ(t.f->frame.TopWindows().size(), 1u);
             t.f->frame.TopWindows()[0]->ChooseCommand(res::cmd::kSwitchSeats);
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.step);
        std::filesystem::remove(dir.File("alg.CHT"));
        ClassRecord r = SmallClass();
        k.prepare(r);
        OpenWithChart(std::move(r));
        const Bytes before = OnDisk();
        const auto chartBefore = Chart();
        f->child->ShowUndoState();
        EXPECT_EQ(Label(res::cmd::kUndo), "&Undo");
        EXPECT_FALSE(Enabled(res::cmd::kUndo));
        EXPECT_FALSE(Enabled(res::cmd::kRedo));

        k.change(*this);
        const auto chartAfter = Chart();
        EXPECT_TRUE(SerializeClassFile(Rec()) != before || chartAfter != chartBefore);
        EXPECT_EQ(Label(res::cmd::kUndo), std::string("&Undo ") + k.step);
        EXPECT_TRUE(Enabled(res::cmd::kUndo));
        EXPECT_FALSE(Enabled(res::cmd::kRedo));
        EXPECT_EQ(f->child->History().StepCount(), 1u);
        const Bytes inMemoryAfter = SerializeClassFile(Rec());

        f->child->Command(res::cmd::kUndo);
        EXPECT_EQ(OnDisk(), before);
        EXPECT_EQ(Chart(), chartBefore);
        EXPECT_EQ(SerializeClassFile(Rec()), before);
        EXPECT_FALSE(Rec().modified);
        EXPECT_EQ(Label(res::cmd::kRedo), std::string("&Redo ") + k.step);
        EXPECT_EQ(Label(res::cmd::kUndo), "&Undo");
        EXPECT_FALSE(Enabled(res::cmd::kUndo));
        EXPECT_TRUE(Enabled(res::cmd::kRedo));

        f->child->Command(res::cmd::kRedo);
        EXPECT_EQ(OnDisk(), inMemoryAfter);
        EXPECT_EQ(Chart(), chartAfter);
        EXPECT_EQ(Label(res::cmd::kUndo), std::string("&Undo ") + k.step);
        EXPECT_FALSE(Enabled(res::cmd::kRedo));
        EXPECT_EQ(f->Names().SelectionBoxCount(), Rec().StudentCount());
        f.reset();
    }
}

TEST_F(UndoTest, RefusedOrCancelledChangesAreNoStepAndNewStepsForgetTheRedo) {
    OpenWithChart(SmallClass());
    // Delete answered No, a cancelled grade: nothing changed, nothing to undo.
    Ui().answers = {Answer::No};
    f->Grades().RightClick(Point{170, 5});
    Script(Cancel());
    f->Grades().LeftDoubleClick(Line(10, 1));
    EXPECT_EQ(f->child->History().StepCount(), 0u);
    // Two steps undone back to the first, then a new one: the redo is gone.
    Script(TypeOk(res::kIdValue, "3"));
    f->Grades().LeftDoubleClick(Line(10, 1));
    Script(TypeOk(res::kIdValue, "4"));
    f->Grades().LeftDoubleClick(Line(10, 2));
    EXPECT_EQ(Label(res::cmd::kUndo), "&Undo Grade T1 of Baker Bob");
    f->child->Command(res::cmd::kUndo);
    EXPECT_EQ(Label(res::cmd::kUndo), "&Undo Grade T1 of Adams Ann");
    Script(TypeOk(res::kIdTitle, "A&B"));
    f->Grades().LeftDoubleClick(Point{170, 5});
    EXPECT_EQ(Label(res::cmd::kUndo), "&Undo Rename Q1");
    EXPECT_FALSE(Enabled(res::cmd::kRedo));
    EXPECT_EQ(Label(res::cmd::kRedo), "&Redo");
    f->child->Command(res::cmd::kUndo);
    EXPECT_EQ(Label(res::cmd::kRedo), "&Redo Rename Q1");
    // Undo with nothing left: nothing happens.
    f->child->Command(res::cmd::kUndo);
    EXPECT_FALSE(f->child->Undo());
    EXPECT_EQ(Rec().Row(1).scores[kTests][0].value, 9.0f);
}

TEST_F(UndoTest, ReplacedContentIsOneStepAndBytesThatAreNoClassChangeNothing) {
    OpenWithChart(SmallClass());
    const Bytes before = OnDisk();
    ClassRecord other = SmallClass();
    other.info.course = "Geometry";
    RemoveStudent(other, 2);
    const Bytes replacement = SerializeClassFile(other);
    for (const Bytes& bad : {Bytes{}, Bytes(replacement.begin(), replacement.end() - 1)}) {
        EXPECT_FALSE(f->child->ReplaceClassContent(bad, "Restore version 2"));
        EXPECT_EQ(OnDisk(), before);
        EXPECT_FALSE(f->child->History().CanUndo());
    }
    EXPECT_TRUE(f->child->ReplaceClassContent(replacement, "Restore version 2"));
    EXPECT_EQ(OnDisk(), replacement);
    EXPECT_EQ(f->Host().caption.substr(0, 8), "Geometry");
    EXPECT_EQ(f->Names().SelectionBoxCount(), 2);
    EXPECT_EQ(Label(res::cmd::kUndo), "&Undo Restore version 2");
    f->child->Command(res::cmd::kUndo);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(f->Names().SelectionBoxCount(), 3);
}

TEST_F(UndoTest, UndoneDropKeepsTheTicksWithTheirStudents) {
    OpenWithChart(SmallClass());
    f->Names().SetSelected(1, true);  // Adams
    f->Names().SetSelected(3, true);  // Cole
    Ui().answers = {Answer::No};
    f->Names().RightClick(Line(30, 2));  // Baker dropped: Cole moves up
    f->child->Command(res::cmd::kUndo);
    EXPECT_TRUE(f->Names().IsSelected(1));
    EXPECT_FALSE(f->Names().IsSelected(2));
    EXPECT_TRUE(f->Names().IsSelected(3));
}

TEST_F(UndoTest, TransferUndoTakesTheStudentBackOutOfTheDestinationOrRefuses) {
    struct Case {
        const char* name;
        // What happens to the destination after the transfer.
        std::function<void(UndoTest&)> meanwhile;
        bool undone;
        std::vector<std::string> destinationLastNames;  // after Undo
    };
    const std::string refusal =
        "Ann Adams cannot be taken back out of bio.gdr: that class was changed since and no longer holds Ann "
        "Adams as transferred.\nNothing was undone.";
    const auto addToBio = [](UndoTest& t) {
        ClassRecord bio = ReadClassFile(t.dir.File("bio.gdr"));
        AddStudent(bio, "Nash", "Ned", "9");
        ASSERT_TRUE(WriteClassFile(bio));
    };
    const Case cases[] = {
        {"unchanged since", [](UndoTest&) {}, true, {"Possible", "Pike"}},
        {"another student added since", addToBio, true, {"Possible", "Pike", "Nash"}},
        {"student dropped there since",
         [](UndoTest& t) {
             ClassRecord bio = ReadClassFile(t.dir.File("bio.gdr"));
             RemoveStudent(bio, 2);
             ASSERT_TRUE(WriteClassFile(bio));
         },
         false, {"Possible", "Pike"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ClassRecord bio = NewClassRecord();
        AddStudent(bio, "Pike", "Pat", "7");
        bio.fileName = dir.File("bio.gdr");
        ASSERT_TRUE(WriteClassFile(bio));
        OpenWithChart(SmallClass());
        const Bytes before = OnDisk();
        Ui().answers = {Answer::Yes};  // transfer
        Ui().fileNames.push_back(dir.File("bio.gdr"));
        f->Names().RightClick(Line(30, 1));
        ASSERT_EQ(Label(res::cmd::kUndo), "&Undo Transfer Adams Ann");
        ASSERT_EQ(ReadClassFile(dir.File("bio.gdr")).Row(2).lastName.Str(), "Adams");
        k.meanwhile(*this);
        const Bytes bioMeanwhile = dir.Read("bio.gdr");
        const std::size_t boxes = Ui().boxes.size();

        EXPECT_EQ(f->child->Undo(), k.undone);
        std::vector<std::string> names;
        for (const TStudent& s : ReadClassFile(dir.File("bio.gdr")).roster) names.push_back(s.lastName.Str());
        EXPECT_EQ(names, k.destinationLastNames);
        if (k.undone) {
            EXPECT_EQ(OnDisk(), before);
            EXPECT_EQ(Ui().boxes.size(), boxes);
        } else {
            EXPECT_EQ(dir.Read("bio.gdr"), bioMeanwhile);
            EXPECT_EQ(Rec().RowCount(), 3);
            ASSERT_EQ(Ui().boxes.size(), boxes + 1);
            EXPECT_EQ(Ui().boxes.back().caption, "Undo");
            EXPECT_EQ(Ui().boxes.back().text, refusal);
            EXPECT_EQ(Label(res::cmd::kUndo), "&Undo Transfer Adams Ann");
        }
        f.reset();
    }
}

}  // namespace
}  // namespace quorle::testing
