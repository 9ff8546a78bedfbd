#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassFile.h"
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

// The temporary files of writes cut short go with the next save or open in
// their folder, once they are a minute old; nobody else's files are touched.
TEST(StaleTemporaryFiles, OnlyTheProgramsOwnOlderThanAMinuteGo) {
    const struct {
        std::string name;
        int ageSeconds;
        bool removed;
    } files[] = {
        {".bio.gdr.AbC123", 120, true},     {".bio.gdr.XyZ789", 61, true},  {".bio.gdr.Qrs456", 50, false},
        {".Bio.CHT.a1B2c3", 3600, true},    {".seats.col.000000", 3600, true},
        {".roster.csv.zzzzzz", 3600, true}, {".QUORLE.SYS.k9k9k9", 3600, true},
        {".bio.gdr.AbC12", 3600, false},    {".bio.gdr.AbC1234", 3600, false},
        {".bio.gdr.AbC-23", 3600, false},   {".bashrc.backup", 3600, false},
        {".notes.txt.AbC123", 3600, false}, {"bio.gdr.AbC123", 3600, false},
    };
    for (const bool byOpening : {false, true}) {
        TempDir dir;
        ClassRecord record = NewClassRecord();
        record.fileName = dir.File("bio.gdr");
        ASSERT_TRUE(WriteClassFile(record));
        const auto now = fs::file_time_type::clock::now();
        for (const auto& f : files) {
            dir.Write(f.name, Bytes{'t'});
            fs::last_write_time(dir.File(f.name), now - std::chrono::seconds(f.ageSeconds));
        }
        fs::create_directory(dir.File(".old.gdr.AbC123"));  // a folder is no file of ours
        fs::last_write_time(dir.File(".old.gdr.AbC123"), now - std::chrono::hours(1));
        if (byOpening)
            ReadClassFile(dir.File("bio.gdr"));
        else
            ASSERT_TRUE(WriteClassFile(record));
        for (const auto& f : files) EXPECT_EQ(dir.Exists(f.name), !f.removed) << f.name << (byOpening ? " open" : " save");
        EXPECT_TRUE(dir.Exists(".old.gdr.AbC123"));
    }
}

}  // namespace
}  // namespace quorle
