// Add Students, Alphabetize, New Grading Period and Delete File through the
// fake platform: the dialogs and messages the teacher sees and the files left
// on disk.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <functional>
#include <tuple>

#include "ClassFixture.h"
#include "classwin/RosterCommands.h"
#include "classwin/StudentDialog.h"
#include "record/Alphabetize.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/RosterFile.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"
#include "resources/RosterDialogs.h"
#include "seating/SeatingChartFile.h"
#include "support/DataHome.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using platform::Answer;
using platform::Icon;
using testing::FakeDialogHost;
using testing::TempDir;
namespace res = resources;

ClassRecord ClassWithIds(int from, int to) {
    ClassRecord r = NewClassRecord();
    for (int id = from; id <= to; ++id) AddStudent(r, "L" + std::to_string(id), "F", std::to_string(id));
    return r;
}

// A chart of two free desks beside a class file.
void WriteTwoSeatChart(const std::string& classPath) {
    SeatingChart chart;
    SetDesk(chart.grid, 0, 0, true);
    SetDesk(chart.grid, 1, 0, true);
    chart.Recount();
    chart.seats = {TPeople::Free(), TPeople::Free()};
    ASSERT_TRUE(WriteChartFile(ChartPath(classPath), chart));
}

testing::DialogScript Enter(std::string last, std::string first, std::string id, std::string* proposed) {
    return [=](FakeDialogHost& host) {
        if (proposed) *proposed = host.Text(res::kIdEntryId);
        EXPECT_EQ(host.Text(res::kIdEntryLastName), "");
        host.Type(res::kIdEntryLastName, last);
        host.Type(res::kIdEntryFirstName, first);
        if (!id.empty()) host.Type(res::kIdEntryId, id);
        EXPECT_TRUE(host.PressOk());
    };
}

TEST(AddStudents, ProposesFreeIdsSeatsEachStudentAndWritesTheClass) {
    TempDir dir;
    dir.Write("other.gdr", SerializeClassFile(ClassWithIds(1, 998)));
    ClassRecord record = testing::SmallClass();
    record.fileName = dir.File("algebra.gdr");
    dir.Write("algebra.gdr", SerializeClassFile(record));
    WriteTwoSeatChart(record.fileName);

    testing::ClassWindowFixture f(std::move(record));
    std::string first, second;
    f.ui.dialogs = {Enter("Zed", "Zoe", "", &first), Enter("Young", "Yan", "12", &second),
                    [](FakeDialogHost& host) { host.PressCancel(); }};
    f.child->Command(res::cmd::kAddStudents);

    EXPECT_EQ(first, "999");  // the one number no class file of the folder uses
    EXPECT_EQ(f.ui.BoxTexts(), (std::vector<std::string>{"Do you want the computer to assign Zoe Zed a seat?",
                                                          kTooManyClassFiles,
                                                          "Do you want the computer to assign Yan Young a seat?",
                                                          kTooManyClassFiles}));
    EXPECT_EQ(f.ui.boxes[1].caption, "Information");
    EXPECT_EQ(f.ui.boxes[1].icon, Icon::Information);
    const ClassRecord& r = f.child->Record();
    ASSERT_EQ(r.RowCount(), 6);
    EXPECT_EQ(r.Row(4).lastName.View(), "Zed");
    EXPECT_EQ(r.Row(4).id.View(), "999");
    EXPECT_EQ(r.Row(5).id.View(), "12");
    for (int c : {kTests, kQuizzes})
        for (const TGrades& g : r.Row(5).scores[c]) EXPECT_EQ(g.value, kOmitMarker);
    EXPECT_EQ(f.Names().SelectionBoxCount(), 5);
    EXPECT_FALSE(r.modified);
    EXPECT_EQ(dir.Read("algebra.gdr"), SerializeClassFile(r));
    const auto chart = ReadChartFile(ChartPath(r.fileName));
    ASSERT_TRUE(chart);
    EXPECT_GE(FindSeat(chart->seats, "Zed", "Zoe"), 0);
    EXPECT_GE(FindSeat(chart->seats, "Young", "Yan"), 0);
}

TEST(AddStudents, CancelAtOnceStillWritesTheClass) {
    TempDir dir;
    ClassRecord record = testing::SmallClass();
    record.fileName = dir.File("algebra.gdr");
    testing::ClassWindowFixture f(std::move(record));
    f.child->Command(res::cmd::kAddStudents);  // no script: the dialog is cancelled
    EXPECT_EQ(f.ui.dialogCaptions, (std::vector<std::string>{"Enter/Edit Student Information"}));
    EXPECT_EQ(dir.Read("algebra.gdr"), SerializeClassFile(f.child->Record()));
    EXPECT_EQ(f.child->Record().RowCount(), 4);
}

TEST(Alphabetize, SortsByLastThenFirstNameIgnoringCaseAndMovesTheGrades) {
    TempDir dir;
    ClassRecord r = NewClassRecord();
    r.fileName = dir.File("c.gdr");
    AddStudent(r, "Smith", "Ann", "1");
    AddStudent(r, "adams", "Bob", "2");
    AddStudent(r, "Smith", "al", "3");
    testing::AddItem(r, kTests, "T1", {10, 1, 2, 3});
    testing::ClassWindowFixture f(std::move(r));
    f.child->Command(res::cmd::kAlphabetize);
    const ClassRecord& sorted = f.child->Record();
    const char* expected[][3] = {{"Possible", "Points", "    "}, {"adams", "Bob", "2"}, {"Smith", "al", "3"},
                                 {"Smith", "Ann", "1"}};
    const float values[] = {10, 2, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sorted.Row(i).lastName.View(), expected[i][0]);
        EXPECT_EQ(sorted.Row(i).firstName.View(), expected[i][1]);
        EXPECT_EQ(sorted.Row(i).id.View(), expected[i][2]);
        EXPECT_EQ(sorted.Row(i).scores[kTests][0].value, values[i]);
        EXPECT_EQ(sorted.Row(i).scores[kTests][0].title.View(), "T1");
    }
    EXPECT_EQ(dir.Read("c.gdr"), SerializeClassFile(sorted));
}

TEST(Alphabetize, ComparesNamesAsAClassListReads) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"adams", "Adams", 0},        // a to z are read as capitals: equal names keep their order
        {"\xC9mile", "Emile", 1},     // equal letters: the exact characters break the tie
        {"Smith", "Smith", 0},
        {"al", "Ann", -1},
        {"\xC9mile", "Evans", -1},    // an accented letter sorts with its letter
        {"\xC9mile", "Fox", -1},
        {"O'Brien", "Oakes", 1},      // O'Brien reads as OBrien
        {"Li-Ng", "Lind", 1},
        {"Zu", "\xE4mmer", 1},
        {"Able 2", "Able 10", 1},
        {"Mac", "Mack", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(CompareNames(c.a, c.b), c.sign) << c.a << " / " << c.b;
}

TEST(NewGradingPeriod, AsksBeforeReplacingAFileAndCopiesTheChart) {
    TempDir dir;
    ClassRecord record = testing::SmallClass();
    record.fileName = dir.File("fall.gdr");
    dir.Write("fall.gdr", SerializeClassFile(record));
    WriteTwoSeatChart(record.fileName);
    dir.Write("spring.gdr", {'o', 'l', 'd'});
    const auto before = dir.Read("fall.gdr");

    testing::ClassWindowFixture f(record);
    // Its own file is refused, No to the existing file asks again, Yes replaces it.
    f.ui.fileNames = {dir.File("fall.gdr"), dir.File("spring.gdr"), dir.File("spring.gdr")};
    f.ui.answers = {Answer::Ok, Answer::No, Answer::Yes};
    f.child->Command(res::cmd::kNewGradingPeriod);
    EXPECT_EQ(f.ui.BoxTexts(), (std::vector<std::string>{kNewPeriodOverItself, "File already exists.  Overwrite ?",
                                                          "File already exists.  Overwrite ?"}));
    ASSERT_EQ(f.ui.fileDialogs.size(), 3u);
    EXPECT_EQ(f.ui.fileDialogs[0].options.title, "New Grading Period File Name");
    EXPECT_EQ(f.ui.fileDialogs[0].options.filter, "Class Files (*.gdr)|*.gdr;*.GDR|");
    EXPECT_EQ(dir.Read("spring.gdr"), SerializeClassFile(NewGradingPeriodRecord(record)));
    EXPECT_EQ(dir.Read("fall.gdr"), before);
    EXPECT_EQ(dir.Read("spring.CHT"), dir.Read("fall.CHT"));
    EXPECT_EQ(f.child->Record().Row(1).scores[kTests].size(), 2u);  // the open class is unchanged

    // Cancel at the overwrite question, or at the file dialog: nothing is written.
    dir.Write("winter.gdr", {'k', 'e', 'e', 'p'});
    f.ui.fileNames = {dir.File("winter.gdr")};
    f.ui.answers = {Answer::Cancel};
    f.child->Command(res::cmd::kNewGradingPeriod);
    f.child->Command(res::cmd::kNewGradingPeriod);
    EXPECT_EQ(dir.Read("winter.gdr"), (std::vector<unsigned char>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(dir.Exists("winter.CHT"));

}

// The new class and the copy of its chart are written together: whichever of
// them fails, the box says which file and why, and neither is left behind.
TEST(NewGradingPeriod, AFailedWriteLeavesNeitherFileAndSaysWhy) {
    const struct {
        const char* name;
        const char* faultySuffix;  // "" for none
        int error;
        bool chartIsFolder;     // a folder in the place of spring.CHT
        bool oldChartUnreadable;  // fall.CHT is not a chart
        std::string expected;   // the box, the temporary folder's path as <dir>
    } cases[] = {
        {"full disk at the chart", "spring.CHT", ENOSPC, false, false,
         "File cannot be opened!\nNo space left on device: <dir>/spring.CHT"},
        {"read-only class", "spring.gdr", EACCES, false, false,
         "File cannot be found!\nPermission denied: <dir>/spring.gdr"},
        {"a folder named like the chart", "", 0, true, false, "File cannot be opened!\nIs a folder: <dir>/spring.CHT"},
        {"the old chart damaged", "", 0, false, true, "File cannot be opened!\nNot a seating chart: <dir>/fall.CHT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ClassRecord record = testing::SmallClass();
        record.fileName = dir.File("fall.gdr");
        dir.Write("fall.gdr", SerializeClassFile(record));
        WriteTwoSeatChart(record.fileName);
        if (c.oldChartUnreadable) dir.Write("fall.CHT", {1, 2, 3});
        if (c.chartIsFolder) std::filesystem::create_directory(dir.File("spring.CHT"));
        testing::ClassWindowFixture f(record);
        f.ui.fileNames = {dir.File("spring.gdr")};
        {
            const ScopedWriteFault fault(*c.faultySuffix ? c.faultySuffix : "\n", c.error);
            f.child->Command(res::cmd::kNewGradingPeriod);
        }
        std::string expected = c.expected;
        expected.replace(expected.find("<dir>"), 5, dir.Path());
        EXPECT_EQ(f.ui.BoxTexts(), std::vector<std::string>{expected});
        ASSERT_EQ(f.ui.boxes.size(), 1u);
        EXPECT_EQ(f.ui.boxes[0].caption, "Warning");
        EXPECT_EQ(f.ui.boxes[0].icon, Icon::Exclamation);
        EXPECT_FALSE(dir.Exists("spring.gdr"));
        EXPECT_EQ(std::filesystem::is_directory(dir.File("spring.CHT")), c.chartIsFolder);
        if (!c.chartIsFolder) {
            EXPECT_FALSE(dir.Exists("spring.CHT"));
        }
        // No temporary file stays behind either.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), c.chartIsFolder ? 3 : 2);
    }
    // A folder that is not there.
    TempDir dir;
    ClassRecord record = testing::SmallClass();
    record.fileName = dir.File("fall.gdr");
    testing::ClassWindowFixture f(record);
    f.ui.fileNames = {dir.File("no such folder/summer.gdr")};
    f.child->Command(res::cmd::kNewGradingPeriod);
    EXPECT_EQ(f.ui.BoxTexts(), (std::vector<std::string>{"File cannot be found!\nNo such file or folder: " +
                                                         dir.File("no such folder/summer.gdr")}));
}

// The students ticked in the names pane, "first last", in roster order.
std::vector<std::string> Ticked(testing::ClassWindowFixture& f) {
    std::vector<std::string> names;
    const ClassRecord& r = f.child->Record();
    for (int row = 1; row <= f.Names().SelectionBoxCount() && row < r.RowCount(); ++row)
        if (f.Names().IsSelected(row)) names.push_back(r.Row(row).firstName.Str() + " " + r.Row(row).lastName.Str());
    return names;
}

TEST(SelectionTicks, StayWithTheirStudentsThroughEveryRosterChange) {
    // Cole, Adams, Baker, Dunn with Cole and Baker ticked; each command then
    // moves, removes or adds rows (Adams is the one dropped or transferred).
    struct Case {
        const char* name;
        std::function<void(testing::ClassWindowFixture&, TempDir&)> act;
        std::vector<std::string> order;  // last names afterwards
    };
    const auto removeAdams = [](platform::Answer answer) {
        return [answer](testing::ClassWindowFixture& f, TempDir& dir) {
            if (answer == Answer::Yes) {
                ClassRecord other = NewClassRecord();
                other.fileName = dir.File("other.gdr");
                ASSERT_TRUE(WriteClassFile(other));
                f.ui.fileNames.push_back(other.fileName);
            }
            f.ui.answers = {answer};
            f.Names().RightClick({30, 3 * 16 + 5});  // Adams, row 2
        };
    };
    const Case cases[] = {
        {"alphabetize", [](auto& f, auto&) { f.child->Command(res::cmd::kAlphabetize); },
         {"Adams", "Baker", "Cole", "Dunn"}},
        {"drop", removeAdams(Answer::No), {"Cole", "Baker", "Dunn"}},
        {"transfer", removeAdams(Answer::Yes), {"Cole", "Baker", "Dunn"}},
        {"delete student",
         [](auto& f, auto&) {
             f.ui.answers = {Answer::No};
             f.ui.dialogs.push_back([](FakeDialogHost& h) {
                 h.Select(res::kIdStudentList, 2);
                 h.Click(res::kIdDeleteStudent);
             });
             f.child->Command(res::cmd::kStudentInfo);
         },
         {"Cole", "Baker", "Dunn"}},
        {"import",
         [](auto& f, TempDir& dir) {
             dir.Write("roster.csv", {'L', 'a', 's', 't', ',', 'F', 'i', 'r', 's', 't', '\n', 'A', 'b', 'e', ',', 'A', 'l'});
             f.ui.fileNames.push_back(dir.File("roster.csv"));
             f.child->Command(res::cmd::kImportStudents);
         },
         {"Cole", "Adams", "Baker", "Dunn", "Abe"}},
        {"add students",
         [](auto& f, auto&) {
             f.ui.dialogs = {Enter("Abe", "Al", "", nullptr), [](FakeDialogHost& h) { h.PressCancel(); }};
             f.child->Command(res::cmd::kAddStudents);
         },
         {"Cole", "Adams", "Baker", "Dunn", "Abe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ClassRecord r = NewClassRecord();
        r.fileName = dir.File("c.gdr");
        for (const auto& [last, first, id] : {std::tuple{"Cole", "Cy", "3"}, {"Adams", "Ann", "1"},
                                              {"Baker", "Bob", "2"}, {"Dunn", "Di", "4"}})
            AddStudent(r, last, first, id);
        ASSERT_TRUE(WriteClassFile(r));
        testing::ClassWindowFixture f(std::move(r));
        f.NamesHost().SetCheckBoxChecked(f.Names().SelectionBoxId(1), true);
        f.NamesHost().SetCheckBoxChecked(f.Names().SelectionBoxId(3), true);

        c.act(f, dir);

        std::vector<std::string> order;
        for (int row = 1; row < f.child->Record().RowCount(); ++row)
            order.push_back(f.child->Record().Row(row).lastName.Str());
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(f.Names().SelectionBoxCount(), f.child->Record().StudentCount());
        const std::vector<std::string> expected = c.order.front() == "Adams"
                                                      ? std::vector<std::string>{"Bob Baker", "Cy Cole"}
                                                      : std::vector<std::string>{"Cy Cole", "Bob Baker"};
        EXPECT_EQ(Ticked(f), expected);
    }
}

TEST(DeleteFile, OnlyWithNoClassOpenAndOnlyAfterYes) {
    testing::DataHome home;
    TempDir dir;
    dir.Write("old.gdr", SerializeClassFile(ClassWithIds(1, 2)));
    WriteTwoSeatChart(dir.File("old.gdr"));
    testing::FakeUi ui;

    DeleteClassFile(ui, 1);
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{kDeleteWhileOpen}));
    EXPECT_EQ(ui.boxes[0].caption, "Information");
    EXPECT_EQ(ui.boxes[0].icon, Icon::Exclamation);
    EXPECT_TRUE(ui.fileDialogs.empty());

    ui.boxes.clear();
    ui.fileNames = {dir.File("old.gdr"), dir.File("old.gdr")};
    ui.answers = {Answer::No, Answer::Yes};
    DeleteClassFile(ui, 0);
    EXPECT_TRUE(dir.Exists("old.gdr"));
    DeleteClassFile(ui, 0);
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{"Delete old.gdr ?", "Delete old.gdr ?"}));
    EXPECT_EQ(ui.boxes[0].caption, "Delete File ?");
    EXPECT_EQ(ui.boxes[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.fileDialogs[0].options.title, "Delete Class File");
    EXPECT_TRUE(ui.fileDialogs[0].options.fileMustExist);
    EXPECT_FALSE(dir.Exists("old.gdr"));
    EXPECT_FALSE(dir.Exists("old.CHT"));
    // ... and kept as its last version.
    const auto kept = ListVersions(dir.File("old.gdr"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadVersion(kept[0]), SerializeClassFile(ClassWithIds(1, 2)));
}

}  // namespace
}  // namespace quorle
