#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/FilesTogether.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using Bytes = std::vector<unsigned char>;
using quorle::testing::TempDir;
namespace fs = std::filesystem;

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every refusal of the reader names the file and why; a pipe or a device is
// never waited on or read without end.
TEST(ReadWholeFile, RefusesWhatIsNotARegularFileAndSaysWhy) {
    TempDir dir;
    fs::create_directory(dir.File("x.gdr"));
    ASSERT_EQ(::mkfifo(dir.File("pipe.csv").c_str(), 0644), 0);
    dir.Write("four.bin", Bytes{1, 2, 3, 4});
    const struct {
        std::string path;
        std::size_t limit;
        std::string text;  // empty: read
    } cases[] = {
        {dir.File("none.gdr"), kMaxFileBytes, "No such file or folder: " + dir.File("none.gdr")},
        {dir.File("x.gdr"), kMaxFileBytes, "Is a folder: " + dir.File("x.gdr")},
        {dir.File("pipe.csv"), kMaxFileBytes, "Is not a regular file: " + dir.File("pipe.csv")},
        {"/dev/zero", kMaxFileBytes, "Is not a regular file: /dev/zero"},
        {dir.File("four.bin"), 4, ""},
        {dir.File("four.bin"), 3, "Larger than 3 bytes, the most this file may hold: " + dir.File("four.bin")},
        {dir.File("four.bin"), 2048, ""},
    };
    for (const auto& c : cases) {
        FileProblem problem;
        const auto bytes = ReadWholeFile(c.path, c.limit, &problem);
        EXPECT_EQ(problem.Text(), c.text) << c.path;
        EXPECT_EQ(bytes.has_value(), c.text.empty()) << c.path;
    }
    EXPECT_EQ(FileMessage("File cannot be found!", ProblemOf(ENOSPC, "/srv/bio.gdr")),
              "File cannot be found!\nNo space left on device: /srv/bio.gdr");
    EXPECT_EQ(FileMessage("File cannot be found!", FileProblem{}), "File cannot be found!");
}

// A failed write leaves the old file as it was, no temporary file behind, and
// says why.
TEST(WriteFileAtomically, AFailureKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    const Bytes old{'o', 'l', 'd'};
    const Bytes fresh{'n', 'e', 'w'};
    fs::create_directory(dir.File("x.gdr"));
    ASSERT_EQ(::mkfifo(dir.File("pipe.CHT").c_str(), 0644), 0);
    dir.Write("locked.gdr", old);
    ASSERT_EQ(::chmod(dir.File("locked.gdr").c_str(), 0444), 0);
    dir.Write("full.gdr", old);
    dir.Write("fine.gdr", old);
    const struct {
        std::string name;
        int fault;  // errno the disk gives, 0 for none
        std::string text;
    } cases[] = {
        {"x.gdr", 0, "Is a folder: " + dir.File("x.gdr")},
        {"pipe.CHT", 0, "Is not a regular file: " + dir.File("pipe.CHT")},
        // Read-only for everybody: refused whoever runs the program.
        {"locked.gdr", 0, "Permission denied: " + dir.File("locked.gdr")},
        {"missing/bio.gdr", 0, "No such file or folder: " + dir.File("missing/bio.gdr")},
        {"full.gdr", ENOSPC, "No space left on device: " + dir.File("full.gdr")},
        {"full.gdr", EIO, "Input/output error: " + dir.File("full.gdr")},
        {"fine.gdr", 0, ""},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before = FolderEntries(dir.Path());
        FileProblem problem;
        bool written = false;
        {
            const ScopedWriteFault fault(c.fault ? c.name : std::string("\n"), c.fault);
            written = WriteFileAtomically(dir.File(c.name), fresh, &problem);
        }
        EXPECT_EQ(problem.Text(), c.text) << c.name;
        EXPECT_EQ(written, c.text.empty()) << c.name;
        EXPECT_EQ(FolderEntries(dir.Path()), before) << c.name;
    }
    EXPECT_EQ(dir.Read("locked.gdr"), old);
    EXPECT_EQ(dir.Read("full.gdr"), old);
    EXPECT_EQ(dir.Read("fine.gdr"), fresh);
    EXPECT_TRUE(fs::is_directory(dir.File("x.gdr")));
}

TEST(WriteFilesTogether, BothFilesChangeOrNeither) {
    TempDir dir;
    const Bytes oldClass{'c', '1'}, oldChart{'h', '1'}, newClass{'c', '2'}, newChart{'h', '2'};
    for (const char* failing : {"bio.gdr", "bio.CHT", ""}) {
        dir.Write("bio.gdr", oldClass);
        dir.Write("bio.CHT", oldChart);
        const FileToWrite files[] = {{dir.File("bio.gdr"), newClass}, {dir.File("bio.CHT"), newChart}};
        FileProblem problem;
        bool written = false;
        {
            const ScopedWriteFault fault(*failing ? failing : "\n", ENOSPC);
            written = WriteFilesTogether(files, &problem);
        }
        const bool fails = *failing != '\0';
        EXPECT_EQ(written, !fails) << failing;
        EXPECT_EQ(problem.Text(), fails ? "No space left on device: " + dir.File(failing) : "") << failing;
        EXPECT_EQ(dir.Read("bio.gdr"), fails ? oldClass : newClass) << failing;
        EXPECT_EQ(dir.Read("bio.CHT"), fails ? oldChart : newChart) << failing;
        EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"bio.CHT", "bio.gdr"})) << failing;
    }
}

// What writes cut short left goes with the next write in the folder, never
// with a read: only the program's own files, of writers that are gone.
TEST(StaleTemporaryFiles, OnlyTheProgramsOwnOfWritersThatAreGoneGo) {
    const std::string host = ParseOwnFileName(fs::path(OwnFilePattern("bio.gdr", "tmp")).filename().string())->host;
    const std::string own = "-" + host + "-";
    const struct {
        std::string name;
        bool removed;
    } files[] = {
        {".biology.gdr.backup", false}, {".biology.gdr.orig01", false}, {".grades.csv.Report", false},
        {".quorle.opt.saved1", false}, {".seating.cht.before", false}, {".bio.gdr.AbC123", false},
        {".bio.gdr.quorle-tmp" + own + "1-AbC123", false},  // a writer still running
        {".bio.gdr.quorle-tmp" + own + std::to_string(::getpid()) + "-AbC123", false},
        {".bio.gdr.quorle-tmp-elsewhere-pc-4194305-AbC123", false},  // another computer's
        {".bio.gdr.quorle-tmp" + own + "4194305-AbC123", true},
        {".Bio.CHT.quorle-old" + own + "4194305-x1Y2z3", true},
        {".quorle.opt.quorle-tmp" + own + "9999999999-000000", true},
        {".a-b.csv.quorle-tmp" + own + "4194305-zz", false},
    };
    for (const bool byWriting : {false, true}) {
        SCOPED_TRACE(byWriting ? "write" : "read");
        TempDir dir;
        ClassRecord record = NewClassRecord();
        record.fileName = dir.File("bio.gdr");
        ASSERT_TRUE(WriteClassFile(record));
        for (const auto& f : files) {
            dir.Write(f.name, Bytes{'t'});  // an hour old: age alone never removes a file
            fs::last_write_time(dir.File(f.name), fs::file_time_type::clock::now() - std::chrono::hours(1));
        }
        fs::create_directory(dir.File(".old.gdr.quorle-tmp" + own + "4194305-AbC123"));  // no file of ours
        if (byWriting)
            ASSERT_TRUE(WriteClassFile(record));
        else
            ReadClassFile(dir.File("bio.gdr"));
        for (const auto& f : files) EXPECT_EQ(dir.Exists(f.name), !(byWriting && f.removed)) << f.name;
        EXPECT_TRUE(dir.Exists(".old.gdr.quorle-tmp" + own + "4194305-AbC123"));
    }
    // A name too long for the marks is cut: the write still goes through.
    TempDir dir;
    const std::string name = std::string(240, 'n') + ".gdr";
    EXPECT_TRUE(WriteFileAtomically(dir.File(name), Bytes{'x'}));
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{name});
}

// A class and its chart stay both old or both new whatever step of their
// write fails or is killed; the next open settles a write cut short.
TEST(WriteFilesTogether, AFaultOrAKillAtAnyStepLeavesBothOldOrBothNew) {
    auto classBytes = [](const char* course) {
        ClassRecord record = NewClassRecord();
        record.info.course = FixedText<30>(course);
        return SerializeClassFile(record);
    };
    const Bytes oldClass = classBytes("old"), newClass = classBytes("new"), oldChart{'h', '1'}, newChart{'h', '2', '2'};
    enum Cut { Fault, Kill };
    enum Open { Read, Lock };
    const struct {
        int step;  // 0, 1 keep the class and chart; 2 the note; 3, 4 rename them; 5 clear away
        Cut cut;
        Open open;
        bool bothNew;
    } cases[] = {
        {0, Fault, Read, false}, {1, Fault, Read, false}, {2, Fault, Read, false}, {3, Fault, Read, false},
        {4, Fault, Read, false}, {5, Fault, Lock, true},  {0, Kill, Read, false},  {1, Kill, Lock, false},
        {2, Kill, Read, false},  {3, Kill, Lock, true},   {3, Kill, Read, true},   {4, Kill, Read, false},
        {4, Kill, Lock, false},  {5, Kill, Read, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::to_string(k.step) + (k.cut == Kill ? " kill" : " fault") + (k.open == Lock ? " lock" : ""));
        TempDir dir;
        dir.Write("bio.gdr", oldClass);
        dir.Write("bio.CHT", oldChart);
        const FileToWrite files[] = {{dir.File("bio.gdr"), newClass}, {dir.File("bio.CHT"), newChart}};
        const int step = k.step;
        if (k.cut == Fault) {
            const ScopedWriteSteps steps([step](int s) { return s == step ? EIO : 0; });
            EXPECT_EQ(WriteFilesTogether(files), k.bothNew);
        } else {
            const pid_t child = ::fork();
            if (child == 0) {
                const ScopedWriteSteps steps([step](int s) {
                    if (s == step) ::_exit(0);
                    return 0;
                });
                WriteFilesTogether(files);
                ::_exit(1);
            }
            int status = -1;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_EQ(status, 0);
        }
        if (k.open == Read)
            ReadClassFile(dir.File("bio.gdr"));
        else
            EXPECT_TRUE(ClassLock::Acquire(dir.File("bio.gdr")).Held());
        EXPECT_EQ(dir.Read("bio.gdr"), k.bothNew ? newClass : oldClass);
        EXPECT_EQ(dir.Read("bio.CHT"), k.bothNew ? newChart : oldChart);
        EXPECT_FALSE(dir.Exists(".bio.quorle-pair"));
        // The next write clears away what the cut left.
        ASSERT_TRUE(WriteFileAtomically(dir.File("bio.CHT"), dir.Read("bio.CHT")));
        EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"bio.CHT", "bio.gdr"}));
    }
}

}  // namespace
}  // namespace quorle
