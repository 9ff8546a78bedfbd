#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLineRoster.h"
#include "record/ClassFile.h"
#include "record/RosterFile.h"
#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using quorle::testing::TempDir;

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

void WriteClass(ClassRecord record, const std::string& path) {
    record.fileName = path;
    ASSERT_TRUE(WriteClassFile(record));
}

ClassRecord ClassWithOneTest() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Biology";
    record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Cells")});
    AddStudent(record, "Anderson", "Emily", "101").scores[kTests][0].value = 67.0f;
    return record;
}

// A roster of 35 with accented names, some with their own IDs.
std::string Roster35() {
    const char* firsts[] = {"Ren\xC3\xA9" "e", "Zo\xC3\xAB", "Luc\xC3\xAD" "a", "Jos\xC3\xA9", "Fran\xC3\xA7ois"};
    const char* lasts[] = {"M\xC3\xBCller", "Ib\xC3\xA1\xC3\xB1" "ez", "Sch\xC3\xA4" "fer", "Pe\xC3\xB1" "a", "O'Brien"};
    std::string csv = "Last Name;First Name;ID #\r\n";
    for (int i = 0; i < 35; ++i) {
        csv += std::string(lasts[i % 5]) + ";" + firsts[i / 7] + std::to_string(i) + ";";
        if (i % 3 == 0) csv += std::to_string(200 + i);
        csv += "\r\n";
    }
    return csv;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Import(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunImportStudentsCommand(args, out, err);
    return {status, out.str(), err.str()};
}

Outcome NewPeriod(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunNewPeriodCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ImportStudentsCommand, AddsEveryStudentWithFreeIdsAndSeats) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    WriteClass(ClassWithOneTest(), path);
    // Another class of the folder uses IDs that proposals must avoid.
    ClassRecord other = NewClassRecord();
    for (int id = 1; id <= 900; ++id) AddStudent(other, "X", "Y", std::to_string(id));
    WriteClass(other, dir.File("OTHER.GDR"));
    // A chart with 40 desks, the first student seated.
    SeatingChart chart;
    for (int k = 0; k < 40; ++k) chart.grid[static_cast<std::size_t>((k / 10) * 11 + k % 10)] = 1;
    chart.Recount();
    chart.seats.assign(40, TPeople::Free());
    chart.seats[3] = TPeople::Seated(PadSeatName("Emily"), PadSeatName("Anderson"));
    ASSERT_TRUE(WriteChartFile(dir.File("bio.CHT"), chart));
    dir.Write("roster.csv", Bytes(Roster35()));

    const Outcome run = Import({dir.File("roster.csv"), path});
    ASSERT_EQ(run.status, 0) << run.err;
    const ClassRecord record = ReadClassFile(path);
    ASSERT_EQ(record.StudentCount(), 36);
    EXPECT_EQ(record.Row(2).lastName.Str(), "M\xFCller");
    EXPECT_EQ(record.Row(2).firstName.Str(), "Ren\xE9" "e0");
    EXPECT_EQ(record.Row(2).id.Str(), "200");
    std::set<std::string> ids;
    for (int row = 2; row <= 36; ++row) {
        const std::string id = record.Row(row).id.Str();
        EXPECT_TRUE(ids.insert(id).second) << "ID given twice: " << id;
        if ((row - 2) % 3 != 0) {
            EXPECT_GT(std::stoi(id), 900) << record.Row(row).lastName.Str();
        }
        EXPECT_EQ(record.Row(row).scores[kTests].at(0).value, kOmitMarker);
    }
    const auto seated = ReadChartFile(dir.File("bio.CHT"));
    ASSERT_TRUE(seated.has_value());
    EXPECT_EQ(OccupiedSeats(seated->seats), 36);
    EXPECT_EQ(seated->seats[3], chart.seats[3]);
}

TEST(ImportStudentsCommand, RefusedRosterOrClassChangesNothing) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    WriteClass(ClassWithOneTest(), path);
    const auto before = dir.Read("bio.gdr");
    std::string roster = Roster35();
    std::size_t at = 0;
    for (int line = 0; line < 7; ++line) at = roster.find("\r\n", at) + 2;
    roster.insert(at, "Lee;;\r\n");  // an empty first name on line 8
    dir.Write("bad.csv", Bytes(roster));
    dir.Write("notes.gdr", Bytes("not a class"));

    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{dir.File("bad.csv"), path}, 1, "Line 8: the first name is empty."},
        {{dir.File("missing.csv"), path}, 1, "File cannot be found!"},
        {{dir.File("bad.csv"), dir.File("notes.gdr")}, 1, "Incorrect file format"},
        {{path}, 2, "two files are needed"},
        {{"--merge", dir.File("bad.csv"), path}, 2, "unknown option --merge"},
    };
    for (const auto& c : cases) {
        const Outcome run = Import(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(dir.Read("bio.gdr"), before);
    }
}

TEST(NewPeriodCommand, WritesTheSameStudentsAndChartAndReplacesOnlyWhenForced) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    WriteClass(ClassWithOneTest(), path);
    SeatingChart chart;
    chart.grid[0] = chart.grid[1] = 1;
    chart.Recount();
    chart.seats = {TPeople::Seated(PadSeatName("Emily"), PadSeatName("Anderson")), TPeople::Free()};
    ASSERT_TRUE(WriteChartFile(dir.File("bio.CHT"), chart));

    Outcome run = NewPeriod({path, dir.File("bio2.gdr")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.Read("bio2.gdr"), SerializeClassFile(NewGradingPeriodRecord(ReadClassFile(path))));
    EXPECT_EQ(dir.Read("bio2.CHT"), dir.Read("bio.CHT"));

    dir.Write("bio2.gdr", Bytes("teacher's other file"));
    run = NewPeriod({path, dir.File("bio2.gdr")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--force"), std::string::npos);
    EXPECT_EQ(dir.Read("bio2.gdr"), Bytes("teacher's other file"));

    run = NewPeriod({"--force", path, dir.File("bio2.gdr")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.Read("bio2.gdr"), SerializeClassFile(NewGradingPeriodRecord(ReadClassFile(path))));

    const auto before = dir.Read("bio.gdr");
    run = NewPeriod({"--force", path, dir.Path() + "/./bio.gdr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(dir.Read("bio.gdr"), before);
}

}  // namespace
}  // namespace quorle
