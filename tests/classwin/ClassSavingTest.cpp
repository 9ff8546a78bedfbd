// Writing a class from its window: a change that cannot be written stays on
// screen and marked as changed, and a file that another program changed on
// disk is never overwritten without asking.
#include "classwin/ClassSaving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "EditFixture.h"
#include "record/ClassLock.h"
#include "record/FileStamp.h"
#include "resources/ClassDialogs.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"
#include "resources/RosterDialogs.h"
#include "seating/SeatingChartFile.h"
#include "support/OtherProgram.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Point;

// Row j of the panes stands at y = (j + 1) * 16 (fake metrics).
Point Line(int x, int row) { return Point{x, (row + 1) * 16 + 5}; }

const char* const kChangedQuestion =
    "alg.gdr was changed on disk by another program since this window read it.\n\n"
    "Yes: reload it from disk. The changes in this window that are not saved are lost.\n"
    "No: save this window's class under another name.\n"
    "Cancel: save nothing now; the change stays unsaved in this window.";

struct ClassSavingTest : EditTest {
    // The class's file cannot be written any more: a folder stands in its
    // place (as refusing as a read-only folder, for root too).
    void BreakTheFile() {
        std::filesystem::remove(dir.File("alg.gdr"));
        std::filesystem::create_directory(dir.File("alg.gdr"));
    }
    // The window holds the class's lock and knows its file as it read it;
    // then another program adds Dee Dole and writes the class. The bytes it wrote.
    std::vector<unsigned char> AnotherProgramWritesTheClass() {
        f->child->KeepFile(ClassLock::Acquire(dir.File("alg.gdr")), StampFile(dir.File("alg.gdr")));
        ClassRecord other = SmallClass();
        other.fileName = dir.File("alg.gdr");
        AddStudent(other, "Dole", "Dee", "4");
        EXPECT_TRUE(WriteClassFile(other));
        return OnDisk();
    }
    // Types value into Adams's first test in the pane.
    void TypeGrade(const char* value) {
        Script(TypeOk(res::kIdValue, value));
        f->Grades().LeftDoubleClick(Line(10, 1));
    }
    // Boxes whose first line is text (the second names the reason and the file).
    int Count(const char* text) const {
        int n = 0;
        for (const ShownBox& box : f->ui.boxes) n += box.text.substr(0, box.text.find('\n')) == text;
        return n;
    }
};

TEST_F(ClassSavingTest, AChangeThatCannotBeWrittenStaysOnScreenAndClosingAsksToSaveIt) {
    struct Case {
        const char* name;
        std::function<void(ClassSavingTest&)> change;
        // Whether the change is still in the class afterwards.
        std::function<bool(const ClassRecord&)> shown;
    };
    const auto grade = [](const ClassRecord& r) { return r.Row(1).scores[kTests][0].value == 3.0f; };
    const Case cases[] = {
        {"grade in the pane", [](ClassSavingTest& t) { t.TypeGrade("3"); }, grade},
        {"grade title in the pane",
         [](ClassSavingTest& t) {
             t.Script(TypeOk(res::kIdTitle, "Quiz one"));
             t.f->Grades().LeftDoubleClick(Point{170, 5});
         },
         [](const ClassRecord& r) { return r.Row(2).scores[kQuizzes][0].title.Str() == "Quiz one"; }},
        {"grade set deleted in the pane",
         [](ClassSavingTest& t) { t.f->Grades().RightClick(Point{170, 5}); },  // Yes
         [](const ClassRecord& r) { return r.Row(0).scores[kQuizzes].empty(); }},
        {"student dropped in the pane",
         [](ClassSavingTest& t) {
             t.Ui().answers = {Answer::No};  // not transferred: dropped
             t.f->Names().RightClick(Line(30, 1));
         },
         [](const ClassRecord& r) { return r.RowCount() == 3 && r.Row(1).lastName.Str() == "Baker"; }},
        {"alphabetized",
         [](ClassSavingTest& t) {
             t.Rec().Row(1).lastName = "Young";
             t.f->child->Command(res::cmd::kAlphabetize);
         },
         [](const ClassRecord& r) { return r.Row(3).lastName.Str() == "Young"; }},
        {"new grade",
         [](ClassSavingTest& t) {
             t.Script(ClickOk(res::kIdFirstGradeType + kTests));
             t.Script(TypeOk(res::kIdTitle, "T3"));
             for (int j = 0; j < 4; ++j) t.Script(TypeOk(res::kIdValue, "7"));
             t.f->child->Command(res::cmd::kNewGrade);
         },
         [](const ClassRecord& r) { return r.Row(3).scores[kTests].size() == 3; }},
        {"student edited",
         [](ClassSavingTest& t) {
             t.Script(TypeOk(res::kIdEditLast, "Adamson"));
             t.f->child->Command(res::cmd::kStudentInfo);
         },
         [](const ClassRecord& r) { return r.Row(1).lastName.Str() == "Adamson"; }},
        {"students added",
         [](ClassSavingTest& t) {
             t.Script([](FakeDialogHost& h) {
                 h.Type(res::kIdEntryLastName, "Zed");
                 h.Type(res::kIdEntryFirstName, "Zoe");
                 EXPECT_TRUE(h.PressOk());
             });
             t.Script(Cancel());
             t.f->child->Command(res::cmd::kAddStudents);
         },
         [](const ClassRecord& r) { return r.RowCount() == 5 && r.Row(4).lastName.Str() == "Zed"; }},
        {"class information",
         [](ClassSavingTest& t) {
             t.Script(TypeOk(res::kIdCourseTitle, "Geometry"));
             t.f->child->Command(res::cmd::kClassInformation);
         },
         [](const ClassRecord& r) { return r.info.course.Str() == "Geometry"; }},
        {"display options",
         [](ClassSavingTest& t) {
             t.Script(ClickOk(res::kIdFirstDisplayBox));
             t.f->child->Command(res::cmd::kDisplayOptions);
         },
         [](const ClassRecord& r) { return r.display[kShowFirstName] == 0; }},
        {"grading system",
         [](ClassSavingTest& t) {
             t.Script(Ok());
             t.Script(TypeOk(101, "93"));
             t.f->child->Command(res::cmd::kGradingSystem);
         },
         [](const ClassRecord& r) { return r.grading.limits[0].Str() == "93"; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::filesystem::remove_all(dir.File("alg.gdr"));
        Open(SmallClass());
        Ui().programDirectory = dir.Path();
        BreakTheFile();
        k.change(*this);

        // Said once, shown still, and marked as changed.
        EXPECT_EQ(Count(kFileNotFound), 1);
        EXPECT_EQ(Ui().boxes.back().caption, "Warning");
        EXPECT_TRUE(k.shown(Rec()));
        EXPECT_TRUE(Rec().modified);

        // Closing asks; Cancel keeps the window.
        Ui().answers = {Answer::Cancel};
        EXPECT_FALSE(f->child->CanClose());
        EXPECT_EQ(Ui().boxes.back().caption, "File has changed");
        EXPECT_EQ(Ui().boxes.back().text, "alg.gdr has changed. Do you want to save changes ?");

        // Save As puts it somewhere else, and then closing asks nothing.
        Ui().fileNames.push_back(dir.File("elsewhere.gdr"));
        EXPECT_TRUE(f->child->SaveAs());
        EXPECT_EQ(dir.Read("elsewhere.gdr"), SerializeClassFile(Rec()));
        EXPECT_TRUE(k.shown(Rec()));
        const std::size_t shown = Ui().boxes.size();
        EXPECT_TRUE(f->child->CanClose());
        EXPECT_EQ(Ui().boxes.size(), shown);
        f.reset();
    }
}

// An import that cannot be written adds nobody: the class is as it was,
// and closing it asks nothing.
TEST_F(ClassSavingTest, AnImportThatCannotBeWrittenAddsNobody) {
    for (const bool changedBefore : {false, true}) {
        SCOPED_TRACE(changedBefore);
        std::filesystem::remove_all(dir.File("alg.gdr"));
        Open(SmallClass());
        Rec().modified = changedBefore;
        const std::string roster = "Last Name,First Name\nZed,Zoe\n";
        dir.Write("roster.csv", std::vector<unsigned char>(roster.begin(), roster.end()));
        BreakTheFile();
        Ui().fileNames.push_back(dir.File("roster.csv"));
        f->child->Command(res::cmd::kImportStudents);
        EXPECT_EQ(Count(kFileNotFound), 1);
        EXPECT_EQ(Rec().RowCount(), 4);
        EXPECT_EQ(Rec().modified, changedBefore);
        f.reset();
    }
}

// Another program wrote the class after this window read it; a change here
// asks before anything is written.
TEST_F(ClassSavingTest, AFileChangedOnDiskIsNeverOverwrittenWithoutAsking) {
    struct Case {
        const char* name;
        std::vector<Answer> answers;
        std::optional<std::string> saveAs;  // the name given to Save As
        // What the window holds afterwards: the other program's class (a
        // fourth student, no changed grade) or its own (the grade changed).
        bool reloaded;
        bool modified;
        const char* savedAs;  // the file holding this window's class, or nullptr
    };
    const Case cases[] = {
        {"reload", {Answer::Yes}, std::nullopt, true, false, nullptr},
        {"save under another name", {Answer::No}, "mine.gdr", false, false, "mine.gdr"},
        {"save under another name, cancelled", {Answer::No}, std::nullopt, false, true, nullptr},
        {"save nothing now", {Answer::Cancel}, std::nullopt, false, true, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Open(SmallClass());
        const auto theirs = AnotherProgramWritesTheClass();

        Ui().answers = {k.answers.begin(), k.answers.end()};
        if (k.savedAs || k.answers[0] == Answer::No) Ui().fileNames.push_back(k.saveAs ? dir.File(*k.saveAs) : std::optional<std::string>{});
        TypeGrade("3");

        ASSERT_FALSE(Ui().boxes.empty());
        EXPECT_EQ(Ui().boxes[0].caption, "File changed on disk");
        EXPECT_EQ(Ui().boxes[0].text, kChangedQuestion);
        EXPECT_EQ(Ui().boxes[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(Ui().boxes[0].icon, Icon::Exclamation);
        EXPECT_EQ(Count(kFileNotFound), 0);
        // Never overwritten.
        EXPECT_EQ(OnDisk(), theirs);
        EXPECT_EQ(Rec().RowCount(), k.reloaded ? 5 : 4);
        EXPECT_EQ(Rec().Row(1).scores[kTests][0].value, k.reloaded ? 9.0f : 3.0f);
        EXPECT_EQ(f->Names().SelectionBoxCount(), Rec().StudentCount());
        EXPECT_EQ(Rec().modified, k.modified);
        if (k.savedAs) {
            EXPECT_EQ(dir.Read(k.savedAs), SerializeClassFile(Rec()));
            EXPECT_EQ(f->Host().caption, "Algebra       Period 3  " + dir.File(k.savedAs));
        }

        // Once settled, the next change is written without a word; an
        // unsettled one asks again.
        const std::size_t shown = Ui().boxes.size();
        Ui().answers = {Answer::Cancel};
        TypeGrade("4");
        EXPECT_EQ(Ui().boxes.size(), shown + (k.modified ? 1 : 0));
        if (!k.modified) {
            EXPECT_EQ(dir.Read(k.savedAs ? k.savedAs : "alg.gdr"), SerializeClassFile(Rec()));
        }
        f.reset();
    }
}

// An import into a class another program changed on disk asks first, and the
// class and its chart go together: to the other name chosen, or nowhere.
TEST_F(ClassSavingTest, AnImportIntoAClassChangedOnDiskAsksAndKeepsTheChartWithTheClass) {
    const struct {
        const char* name;
        Answer answer;             // to the changed-on-disk question
        const char* savedAs;       // Save As's name, or nullptr
        int students;              // in the window afterwards
    } cases[] = {
        {"reload", Answer::Yes, nullptr, 4},  // the other program's class, Dee Dole added there
        {"save under another name", Answer::No, "mine.gdr", 4},
        {"save nothing now", Answer::Cancel, nullptr, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* stale : {"mine.gdr", "mine.CHT"}) std::filesystem::remove(dir.File(stale));
        Open(SmallClass());
        SeatingChart chart;
        for (int p = 0; p < 6; ++p) SetDesk(chart.grid, 0, p, true);
        chart.Recount();
        chart.seats.assign(6, TPeople::Free());
        ASSERT_TRUE(WriteChartFile(dir.File("alg.CHT"), chart));
        const auto theirs = AnotherProgramWritesTheClass();
        const auto chartBefore = dir.Read("alg.CHT");

        const std::string roster = "Last Name,First Name\nZed,Zoe\n";
        dir.Write("roster.csv", std::vector<unsigned char>(roster.begin(), roster.end()));
        Ui().fileNames.push_back(dir.File("roster.csv"));
        if (c.savedAs) Ui().fileNames.push_back(dir.File(c.savedAs));
        Ui().answers = {Answer::Yes, c.answer};  // the computer seats Zoe Zed
        f->child->Command(res::cmd::kImportStudents);

        EXPECT_EQ(Ui().boxes.at(1).text, kChangedQuestion);
        EXPECT_EQ(OnDisk(), theirs);
        EXPECT_EQ(dir.Read("alg.CHT"), chartBefore);
        EXPECT_EQ(Rec().StudentCount(), c.students);
        EXPECT_EQ(f->Names().SelectionBoxCount(), c.students);
        EXPECT_FALSE(Rec().modified);
        if (c.savedAs) {
            EXPECT_EQ(Rec().Row(4).lastName.Str(), "Zed");
            EXPECT_EQ(dir.Read(c.savedAs), SerializeClassFile(Rec()));
            const auto seated = ReadChartFile(dir.File("mine.CHT"));
            ASSERT_TRUE(seated);
            EXPECT_EQ(OccupiedSeats(seated->seats), 1);
            EXPECT_EQ(Ui().boxes.back().text, "1 students were added.");
        } else {
            EXPECT_FALSE(dir.Exists("mine.gdr"));
            ASSERT_EQ(Ui().boxes.size(), 3u);
            EXPECT_EQ(Ui().boxes[2].caption, "Information");
            EXPECT_EQ(Ui().boxes[2].text, "No students were added.");
        }
        f.reset();
    }
}

// Save As refuses a class that another program has open.
TEST_F(ClassSavingTest, SaveAsDoesNotChooseAClassOpenInAnotherProgram) {
    Open(SmallClass());
    dir.Write("taken.gdr", OnDisk());
    OtherProgram other(dir.File("taken.gdr"));
    ASSERT_TRUE(other.Held());
    Ui().fileNames = {dir.File("taken.gdr"), std::nullopt};
    Ui().answers = {Answer::Yes};  // overwrite
    EXPECT_FALSE(f->child->SaveAs());
    ASSERT_EQ(Ui().boxes.size(), 2u);
    EXPECT_EQ(Ui().boxes[1].caption, "Information");
    EXPECT_EQ(Ui().boxes[1].text, "taken.gdr is open in another Quorle program (process " +
                                      std::to_string(other.Pid()) + " on " + [] {
                                          char name[256] = {};
                                          ::gethostname(name, sizeof name - 1);
                                          return std::string(name);
                                      }() + ").\nClose it there first: a class is changed by one program at a time.");
    EXPECT_EQ(Ui().boxes[1].icon, Icon::Information);
    EXPECT_EQ(Ui().fileDialogs.size(), 2u);  // asked for another name
}

// A class whose lock cannot be had is read but never written; the next
// change once the lock can be had is written.
TEST_F(ClassSavingTest, NothingIsWrittenWithoutTheClassLock) {
    Open(SmallClass());
    const std::string lockFile = LockFilePath(dir.File("alg.gdr"));
    std::filesystem::create_symlink(dir.File("elsewhere"), lockFile);
    f->child->KeepFile(ClassLock::Acquire(dir.File("alg.gdr")), StampFile(dir.File("alg.gdr")));
    const auto before = OnDisk();
    TypeGrade("3");
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].caption, "Information");
    EXPECT_EQ(Ui().boxes[0].text, "alg.gdr cannot be locked against other programs, so it is not written.\n"
                                  "Is a symbolic link: " + lockFile);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_TRUE(Rec().modified);
    std::filesystem::remove(lockFile);
    EXPECT_TRUE(f->child->Save());
    ExpectWritten();
}

}  // namespace
}  // namespace quorle::testing
