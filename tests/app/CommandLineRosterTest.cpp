#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLineRoster.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/RosterFile.h"
#include "seating/SeatingChartFile.h"
#include "support/DataHome.h"
#include "support/OtherProgram.h"
#include "app/RunWords.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using quorle::testing::RunWords;
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

template <typename Command>
Outcome Run(Command command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}
Outcome Import(const std::vector<std::string>& args) { return Run(RunImportStudentsCommand, args); }
Outcome NewPeriod(const std::vector<std::string>& args) { return Run(RunNewPeriodCommand, args); }

// 40 desks, the first student (Emily Anderson) seated at the fourth.
SeatingChart FortyDesks() {
    SeatingChart chart;
    for (int k = 0; k < 40; ++k) chart.grid[static_cast<std::size_t>((k / 10) * 11 + k % 10)] = 1;
    chart.Recount();
    chart.seats.assign(40, TPeople::Free());
    chart.seats[3] = TPeople::Seated(PadSeatName("Emily"), PadSeatName("Anderson"));
    return chart;
}

// The words with each file name (a word with a dot) made a path in dir.
std::vector<std::string> InDir(const TempDir& dir, std::vector<std::string> words) {
    for (std::string& w : words) w = w.find('.') != std::string::npos ? dir.File(w) : w;
    return words;
}

TEST(ImportStudentsCommand, AddsEveryStudentWithFreeIdsAndSeats) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    WriteClass(ClassWithOneTest(), path);
    // Another class of the folder uses IDs that proposals must avoid.
    ClassRecord other = NewClassRecord();
    for (int id = 1; id <= 900; ++id) AddStudent(other, "X", "Y", std::to_string(id));
    WriteClass(other, dir.File("OTHER.GDR"));
    const SeatingChart chart = FortyDesks();
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

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The class and its chart change together or not at all; what went wrong is
// said with the file and the reason, and nothing is left behind.
TEST(ImportStudentsCommand, ClassAndChartChangeTogetherOrNotAtAll) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    const std::string chart = dir.File("bio.CHT");
    const std::string roster = dir.File("roster.csv");
    const auto none = "\nNo students were added.\n";
    const struct {
        std::string what;
        std::function<void()> spoil;
        std::string faultySuffix;  // the disk is full for this file
        int status;
        std::string err;
    } cases[] = {
        {"read-only chart", [&] { ::chmod(chart.c_str(), 0444); }, "", 1,
         chart + ": File cannot be opened!\nPermission denied: " + chart + none},
        {"full disk at the chart", [] {}, "bio.CHT", 1,
         chart + ": File cannot be opened!\nNo space left on device: " + chart + none},
        {"full disk at the class", [] {}, "bio.gdr", 1,
         path + ": File cannot be found!\nNo space left on device: " + path + none},
        {"chart is a pipe",
         [&] {
             std::filesystem::remove(chart);
             ::mkfifo(chart.c_str(), 0644);
         },
         "", 1, chart + ": File cannot be opened!\nIs not a regular file: " + chart + none},
        {"roster is a pipe",
         [&] {
             std::filesystem::remove(roster);
             ::mkfifo(roster.c_str(), 0644);
         },
         "", 1, roster + ": File cannot be found!\nIs not a regular file: " + roster + "\n"},
        {"roster with a zero byte", [&] { dir.Write("roster.csv", Bytes(std::string("Last,First\nLee,Bo\nK\0m,Al\n", 25))); },
         "", 1, roster + ": Line 3: the last name has a control character (code 0), which a name cannot hold." + none},
        {"everything writable", [] {}, "", 0, ""},
    };
    for (const auto& c : cases) {
        for (const auto& name : FolderEntries(dir.Path())) std::filesystem::remove(dir.File(name));
        WriteClass(ClassWithOneTest(), path);
        ASSERT_TRUE(WriteChartFile(chart, FortyDesks()));
        dir.Write("roster.csv", Bytes("Last Name,First Name\nLee,Bo\nKim,Al\n"));
        c.spoil();
        const auto classBefore = dir.Read("bio.gdr");
        const auto chartBefore = std::filesystem::is_regular_file(chart) ? dir.Read("bio.CHT") : std::vector<unsigned char>{};
        const auto entries = FolderEntries(dir.Path());
        std::string out, err;
        int status = 0;
        {
            const ScopedWriteFault fault(c.faultySuffix.empty() ? "\n" : c.faultySuffix, ENOSPC);
            status = RunWords({"import-students", roster, path}, out, err);
        }
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(err, c.err) << c.what;
        EXPECT_EQ(FolderEntries(dir.Path()), entries) << c.what;
        if (c.status != 0) {
            EXPECT_EQ(dir.Read("bio.gdr"), classBefore) << c.what;
            if (!chartBefore.empty()) {
                EXPECT_EQ(dir.Read("bio.CHT"), chartBefore) << c.what;
            }
            continue;
        }
        const ClassRecord record = ReadClassFile(path);
        const auto seated = ReadChartFile(chart);
        ASSERT_EQ(record.StudentCount(), 3);
        ASSERT_TRUE(seated.has_value());
        EXPECT_EQ(OccupiedSeats(seated->seats), 3);
        EXPECT_GE(FindSeat(seated->seats, PadSeatName("Kim"), PadSeatName("Al")), 0);
    }
}

// A new grading period that fails half way leaves nothing, so running it
// again needs no --force; a forced one that fails keeps the file it would
// have replaced.
TEST(NewPeriodCommand, AFailedWriteLeavesNothingBehind) {
    TempDir dir;
    const std::string path = dir.File("bio.gdr");
    WriteClass(ClassWithOneTest(), path);
    ASSERT_TRUE(WriteChartFile(dir.File("bio.CHT"), FortyDesks()));
    const std::string next = dir.File("NEW.gdr");
    for (const char* suffix : {"NEW.gdr", "NEW.CHT"}) {
        std::string out, err;
        {
            const ScopedWriteFault fault(suffix, ENOSPC);
            EXPECT_EQ(RunWords({"new-period", path, next}, out, err), 1) << suffix;
        }
        EXPECT_EQ(err, dir.File(suffix) + ": File cannot be opened!\nNo space left on device: " + dir.File(suffix) + "\n");
        EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"bio.CHT", "bio.gdr"})) << suffix;
    }
    std::string out, err;
    ASSERT_EQ(RunWords({"new-period", path, next}, out, err), 0) << err;
    EXPECT_EQ(dir.Read("NEW.CHT"), dir.Read("bio.CHT"));

    dir.Write("NEW.gdr", Bytes("teacher's other file"));
    {
        const ScopedWriteFault fault("NEW.CHT", ENOSPC);
        EXPECT_EQ(RunWords({"new-period", "--force", path, next}, out, err), 1);
    }
    EXPECT_EQ(dir.Read("NEW.gdr"), Bytes("teacher's other file"));

    // The chart of a class file replaced by one without a chart goes with it.
    ClassRecord plain = ClassWithOneTest();
    WriteClass(plain, dir.File("plain.gdr"));
    EXPECT_EQ(RunWords({"new-period", "--force", dir.File("plain.gdr"), next}, out, err), 0) << err;
    EXPECT_FALSE(dir.Exists("NEW.CHT"));
}

// A class open in a window is left alone: the window's next save would wipe
// out the command's work. A lock left by a program that ended stops nothing.
TEST(CommandLineRosterLock, EveryWritingCommandRefusesAClassOpenInAnotherProgram) {
    struct Case {
        const char* name;
        std::vector<std::string> words;  // the file names are in dir
        const char* held;                // the class the other program has open
        bool killed;                     // ... and then it was killed
        int status;
        const char* refused;             // the class named in the refusal
        const char* prefix = "";         // before it
    };
    const Case cases[] = {
        {"import", {"import-students", "roster.csv", "bio.gdr"}, "bio.gdr", false, 1, "bio.gdr"},
        {"import, lock left behind", {"import-students", "roster.csv", "bio.gdr"}, "bio.gdr", true, 0, nullptr},
        {"import, another class held", {"import-students", "roster.csv", "bio.gdr"}, "chem.gdr", false, 0, nullptr},
        {"new period from it", {"new-period", "bio.gdr", "bio2.gdr"}, "bio.gdr", false, 1, "bio.gdr"},
        {"new period over it", {"new-period", "bio.gdr", "bio2.gdr", "--force"}, "bio2.gdr", false, 1, "bio2.gdr"},
        {"new period, lock left behind", {"new-period", "bio.gdr", "bio2.gdr"}, "bio.gdr", true, 0, nullptr},
        {"version restored into it", {"versions", "bio.gdr", "--restore", "1"}, "bio.gdr", false, 1, "bio.gdr",
         "quorle versions: "},
        {"version restored over it", {"versions", "bio.gdr", "--restore", "1", "-o", "bio2.gdr"}, "bio2.gdr", false, 1,
         "bio2.gdr", "quorle versions: "},
        {"version restored, lock left behind", {"versions", "bio.gdr", "--restore", "1"}, "bio.gdr", true, 0, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        testing::DataHome home;
        TempDir dir;
        WriteClass(NewClassRecord(), dir.File("bio.gdr"));  // kept as version 1 by the next write
        WriteClass(ClassWithOneTest(), dir.File("bio.gdr"));
        dir.Write("roster.csv", Bytes("Last Name,First Name\nZed,Zoe\n"));
        if (std::string(k.held) == "bio2.gdr") dir.Write("bio2.gdr", Bytes("the open class"));
        const auto bio = dir.Read("bio.gdr");
        testing::OtherProgram other(dir.File(k.held));
        ASSERT_TRUE(other.Held());
        const long pid = other.Pid();
        if (k.killed) other.Kill();

        std::string out, err;
        EXPECT_EQ(RunWords(InDir(dir, k.words), out, err), k.status) << err;
        if (k.refused) {
            char host[256] = {};
            ::gethostname(host, sizeof host - 1);
            EXPECT_EQ(err, k.prefix + dir.File(k.refused) + ": the class is open in another Quorle program (process " +
                                     std::to_string(pid) + " on " + host + "); close it there first.\n");
            EXPECT_EQ(out, "");
            // Nothing written.
            EXPECT_EQ(dir.Read("bio.gdr"), bio);
            if (std::string(k.held) == "bio2.gdr") {
                EXPECT_EQ(dir.Read("bio2.gdr"), Bytes("the open class"));
            } else {
                EXPECT_FALSE(dir.Exists("bio2.gdr"));
            }
        }
        // The command's own locks go with it; the other program's stays while it runs.
        for (const std::string name : {"bio.gdr", "bio2.gdr", "chem.gdr"})
            EXPECT_EQ(dir.Exists("." + name + ".lock"), name == k.held && !k.killed) << name;
    }
}

// A lock that cannot be had refuses the write with its reason, as a class
// open elsewhere does.
TEST(CommandLineRosterLock, ALockThatCannotBeHadRefusesEveryWrite) {
    const std::vector<std::string> commands[] = {
        {"import-students", "roster.csv", "bio.gdr"}, {"new-period", "bio.gdr", "bio2.gdr"}};
    for (const auto& command : commands) {
        for (const bool linked : {true, false}) {
            SCOPED_TRACE(command[0] + (linked ? " link" : " failing disk"));
            TempDir dir;
            WriteClass(ClassWithOneTest(), dir.File("bio.gdr"));
            dir.Write("roster.csv", Bytes("Last Name,First Name\nZed,Zoe\n"));
            const auto bio = dir.Read("bio.gdr");
            const std::string lockFile = LockFilePath(dir.File("bio.gdr"));
            if (linked) std::filesystem::create_symlink(dir.File("bio.gdr"), lockFile);
            std::optional<ScopedLockFault> fault;
            if (!linked) fault.emplace(EIO);
            std::string out, err;
            EXPECT_EQ(RunWords(InDir(dir, command), out, err), 1);
            EXPECT_EQ(err, dir.File("bio.gdr") + ": the class cannot be locked against other programs, so it is "
                                 "not written.\n" + (linked ? "Is a symbolic link: " : "Input/output error: ") +
                                     lockFile + "\n");
            EXPECT_EQ(dir.Read("bio.gdr"), bio);
            EXPECT_FALSE(dir.Exists("bio2.gdr"));
        }
    }
}

}  // namespace
}  // namespace quorle
