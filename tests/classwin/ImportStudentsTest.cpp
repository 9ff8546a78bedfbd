#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "classwin/ClassFixture.h"
#include "classwin/ImportStudents.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using namespace quorle::testing;

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

struct ImportFixture {
    TempDir dir;
    std::unique_ptr<ClassWindowFixture> window;

    ImportFixture() {
        ClassRecord record = SmallClass();
        record.fileName = dir.File("algebra.gdr");
        EXPECT_TRUE(WriteClassFile(record));
        window = std::make_unique<ClassWindowFixture>(std::move(record));
    }
    void Import(const std::string& csv) {
        dir.Write("roster.csv", Bytes(csv));
        window->ui.fileNames.push_back(dir.File("roster.csv"));
        window->child->Command(resources::cmd::kImportStudents);
    }
};

TEST(ImportStudentsCommand, EveryStudentIsAddedAndTheClassWrittenOnce) {
    ImportFixture f;
    f.Import("First Name,Last Name,ID\nRen\xC3\xA9" "e,Dubois,44\nLiam,\"O'Brien\",\n");
    const ClassRecord& record = f.window->child->Record();
    ASSERT_EQ(record.StudentCount(), 5);
    EXPECT_EQ(record.Row(4).firstName.Str(), "Ren\xE9" "e");
    EXPECT_EQ(record.Row(4).id.Str(), "44");
    EXPECT_FALSE(record.Row(5).id.Str().empty());
    EXPECT_EQ(record.Row(5).scores[kTests].size(), 2u);
    EXPECT_EQ(record.Row(5).scores[kTests][1].value, kOmitMarker);
    EXPECT_EQ(f.dir.Read("algebra.gdr"), SerializeClassFile(record));
    EXPECT_FALSE(record.modified);
    ASSERT_FALSE(f.window->ui.boxes.empty());
    EXPECT_EQ(f.window->ui.boxes.back().text, "2 students were added.");
    EXPECT_EQ(f.window->ui.fileDialogs.back().options.filter, kRosterFileFilter);
}

TEST(ImportStudentsCommand, ARosterWithOneBadLineAddsNobodyAndNamesTheLine) {
    ImportFixture f;
    const auto before = f.dir.Read("algebra.gdr");
    f.Import("Last,First\nLee,Bo\nKim,Al\nVeryVeryLongLastName,Cy\nNg,Di\n");
    EXPECT_EQ(f.window->child->Record().StudentCount(), 3);
    EXPECT_EQ(f.dir.Read("algebra.gdr"), before);
    ASSERT_EQ(f.window->ui.boxes.size(), 1u);
    EXPECT_EQ(f.window->ui.boxes[0].caption, "Warning");
    EXPECT_EQ(f.window->ui.boxes[0].text,
              "Line 4: the last name \"VeryVeryLongLastName\" is longer than 14 characters.\n\nNo students were added.");
}

// A name of 14 characters fits a class file's name field; 15 do not. Letters
// outside ASCII count once, though UTF-8 gives them two bytes.
TEST(ImportStudentsCommand, NamesOfFourteenCharactersAreTakenFifteenRefused) {
    const struct {
        std::string last, first;
        std::string stored;  // the last name in the class, Windows-1252; "" when refused
        const char* message;
    } cases[] = {
        {"Abcdefghijklmn", "Al", "Abcdefghijklmn", "1 students were added."},
        {"Abcdefghijklmno", "Al", "",
         "Line 2: the last name \"Abcdefghijklmno\" is longer than 14 characters.\n\nNo students were added."},
        {"Lee", "Abcdefghijklmn", "Lee", "1 students were added."},
        {"Lee", "Abcdefghijklmno", "",
         "Line 2: the first name \"Abcdefghijklmno\" is longer than 14 characters.\n\nNo students were added."},
        {"Sch\xC3\xA4" "ferbergern", "Al", "Sch\xE4" "ferbergern", "1 students were added."},
        {"Sch\xC3\xA4" "ferbergerin", "Al", "",
         "Line 2: the last name \"Sch\xE4" "ferbergerin\" is longer than 14 characters.\n\nNo students were added."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last + " " + c.first);
        ImportFixture f;
        const auto before = f.dir.Read("algebra.gdr");
        f.Import("Last,First\n" + c.last + "," + c.first + "\n");
        const ClassRecord& record = f.window->child->Record();
        ASSERT_FALSE(f.window->ui.boxes.empty());
        EXPECT_EQ(f.window->ui.boxes.back().text, c.message);
        if (c.stored.empty()) {
            EXPECT_EQ(record.StudentCount(), 3);
            EXPECT_EQ(f.dir.Read("algebra.gdr"), before);
            continue;
        }
        ASSERT_EQ(record.StudentCount(), 4);
        EXPECT_EQ(record.Row(4).lastName.Str(), c.stored);
        EXPECT_EQ(record.Row(4).firstName.Str(), c.first);
        EXPECT_EQ(f.dir.Read("algebra.gdr"), SerializeClassFile(record));
    }
}

// Imported students are seated in the class's chart, as Add Students seats
// them, and each gets a selection box beside his row.
TEST(ImportStudentsCommand, EveryImportedStudentGetsASeatAndASelectionBox) {
    const struct {
        int freeSeats;
        std::vector<std::string> seats;  // the chart's occupants afterwards, "first last", sorted
        std::vector<std::string> boxes;  // the messages
    } cases[] = {
        {2, {"Al Kim", "Ann Adams", "Bo Lee"},
         {"Do you want the computer to assign Bo Lee a seat?", "Do you want the computer to assign Al Kim a seat?",
          "2 students were added."}},
        {1, {"Ann Adams", "Bo Lee"},
         {"Do you want the computer to assign Bo Lee a seat?", kChartFullText, "2 students were added."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.freeSeats);
        ImportFixture f;
        SeatingChart chart;
        for (int p = 0; p <= c.freeSeats; ++p) SetDesk(chart.grid, 0, p, true);
        chart.Recount();
        chart.seats.push_back(TPeople::Seated("Ann", "Adams"));
        chart.seats.resize(static_cast<std::size_t>(c.freeSeats) + 1, TPeople::Free());
        ASSERT_TRUE(WriteChartFile(f.dir.File("algebra.CHT"), chart));
        f.window->ui.answers = {platform::Answer::Yes, platform::Answer::Yes};
        f.Import("Last,First\nLee,Bo\nKim,Al\n");

        EXPECT_EQ(f.window->ui.BoxTexts(), c.boxes);
        const auto after = ReadChartFile(f.dir.File("algebra.CHT"));
        ASSERT_TRUE(after);
        std::vector<std::string> seated;
        for (const TPeople& p : after->seats)
            if (!p.IsFree()) seated.push_back(TrimSeatName(p.firstName.View()) + " " + TrimSeatName(p.lastName.View()));
        std::sort(seated.begin(), seated.end());
        EXPECT_EQ(seated, c.seats);
        TNameWindow& names = f.window->Names();
        ASSERT_EQ(names.SelectionBoxCount(), 5);
        const auto& boxes = f.window->NamesHost().checkBoxes;
        EXPECT_EQ(boxes.at(names.SelectionBoxId(4)).rect, (platform::Rect{0, 5 * 16, 16, 6 * 16}));
        EXPECT_EQ(boxes.at(names.SelectionBoxId(5)).rect, (platform::Rect{0, 6 * 16, 16, 7 * 16}));
        EXPECT_FALSE(names.IsSelected(5));
    }
}

// The class and its chart take the new students together: when either file
// cannot be read or written, nobody is added, neither file changes, and the
// box says which file and why.
TEST(ImportStudentsCommand, AFileThatCannotBeWrittenAddsNobody) {
    const std::string asked = "Do you want the computer to assign ";
    const struct {
        const char* name;
        bool chart;             // the class has a chart of three free desks
        bool chartDamaged;      // ... that is not a chart
        const char* faultySuffix;
        int error;
        std::vector<std::string> boxes;  // <dir> for the temporary folder
    } cases[] = {
        {"full disk at the chart", true, false, "algebra.CHT", ENOSPC,
         {asked + "Bo Lee a seat?", asked + "Al Kim a seat?",
          "File cannot be opened!\nNo space left on device: <dir>/algebra.CHT\n\nNo students were added."}},
        {"read-only class with a chart", true, false, "algebra.gdr", EACCES,
         {asked + "Bo Lee a seat?", asked + "Al Kim a seat?",
          "File cannot be found!\nPermission denied: <dir>/algebra.gdr\n\nNo students were added."}},
        {"read-only class without a chart", false, false, "algebra.gdr", EROFS,
         {"File cannot be found!\nRead-only file system: <dir>/algebra.gdr\n\nNo students were added."}},
        {"damaged chart", true, true, "", 0,
         {"File cannot be opened!\nNot a seating chart: <dir>/algebra.CHT\n\nNo students were added."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImportFixture f;
        if (c.chart) {
            SeatingChart chart;
            for (int p = 0; p < 3; ++p) SetDesk(chart.grid, 0, p, true);
            chart.Recount();
            chart.seats.assign(3, TPeople::Free());
            ASSERT_TRUE(WriteChartFile(f.dir.File("algebra.CHT"), chart));
        }
        if (c.chartDamaged) f.dir.Write("algebra.CHT", {1, 2, 3});
        const auto classBefore = f.dir.Read("algebra.gdr");
        const auto chartBefore = c.chart ? f.dir.Read("algebra.CHT") : std::vector<unsigned char>{};
        f.window->ui.answers = {platform::Answer::Yes, platform::Answer::Yes};
        {
            const ScopedWriteFault fault(*c.faultySuffix ? c.faultySuffix : "\n", c.error);
            f.Import("Last,First\nLee,Bo\nKim,Al\n");
        }
        std::vector<std::string> boxes = c.boxes;
        boxes.back().replace(boxes.back().find("<dir>"), 5, f.dir.Path());
        EXPECT_EQ(f.window->ui.BoxTexts(), boxes);
        EXPECT_EQ(f.window->ui.boxes.back().caption, "Warning");
        const ClassRecord& record = f.window->child->Record();
        EXPECT_EQ(record.StudentCount(), 3);
        EXPECT_FALSE(record.modified);
        EXPECT_EQ(f.window->Names().SelectionBoxCount(), 3);
        EXPECT_EQ(f.dir.Read("algebra.gdr"), classBefore);
        if (c.chart) {
            EXPECT_EQ(f.dir.Read("algebra.CHT"), chartBefore);
        }
    }
}

}  // namespace
}  // namespace quorle
