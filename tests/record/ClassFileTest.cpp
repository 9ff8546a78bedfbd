#include <algorithm>
#include <limits>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using Bytes = std::vector<unsigned char>;
using quorle::testing::TempDir;

std::int32_t Int32At(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(v);
}
float FloatAt(const Bytes& b, std::size_t at) {
    const std::int32_t bits = Int32At(b, at);
    float f = 0;
    std::memcpy(&f, &bits, 4);
    return f;
}
std::string TextAt(const Bytes& b, std::size_t at, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(b.data() + at), size);
    return s.substr(0, s.find('\0'));
}
void PutInt32(Bytes& b, std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<unsigned char>(u >> (8 * i));
}

// A small class: two tests and a quiz; two students, one grade omitted.
ClassRecord SampleClass() {
    ClassRecord record = NewClassRecord();
    for (std::size_t i = 0; i < record.display.size(); ++i) record.display[i] = static_cast<std::int32_t>(i % 2);
    record.grading.pointsFlag = 0;
    record.grading.weightedFlag = 1;
    record.grading.plusMinusFlag = 1;
    record.grading.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    record.grading.plusLimits[0] = "97.5";
    record.grading.plusLimits[11] = "60";
    record.grading.weights = {LimitText("50"), LimitText("30"), LimitText("20"), LimitText("0"), LimitText(""),
                              LimitText("0")};
    record.info.course = "Biology";
    record.info.instructor = "Ms. Harper";
    record.info.period = "3rd";
    record.extra1Name = "Project";
    record.extra2Name = "Oral";
    record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Cells")});
    record.Row(0).scores[kTests].push_back(TGrades{50.0f, FixedText<10>("Genetics")});
    record.Row(0).scores[kQuizzes].push_back(TGrades{10.0f, FixedText<10>("Quiz 1")});
    AddStudent(record, "Anderson", "Emily", "101");
    AddStudent(record, "Brooks", "Marcus", "7");
    record.Row(1).scores[kTests][0].value = 88.5f;
    record.Row(1).scores[kTests][1].value = 41.0f;
    record.Row(1).scores[kQuizzes][0].value = 9.0f;
    record.Row(2).scores[kTests][0].value = 73.0f;  // test 2 stays omitted
    record.Row(2).scores[kQuizzes][0].value = 0.0f;
    return record;
}

TEST(ClassFileLayout, EmptyClassIs430BytesWithHeaderFieldsAtTheirOffsets) {
    ClassRecord record = NewClassRecord();
    record.display.fill(1);
    record.display[21] = 7;
    record.grading.pointsFlag = 1;
    record.grading.weightedFlag = 0;
    record.grading.plusMinusFlag = 1;
    record.grading.limits[0] = "90";
    record.grading.limits[3] = "60";
    record.grading.plusLimits[0] = "97";
    record.grading.plusLimits[11] = "60";
    record.grading.weights[0] = "40";
    record.grading.weights[5] = "5";
    record.info.course = "Biology";
    record.info.instructor = "Ms. Harper";
    record.info.period = "3";
    const Bytes b = SerializeClassFile(record);
    ASSERT_EQ(b.size(), 430u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 15), std::string("Quorle95\0\0\0\0\0\0\0", 15));
    EXPECT_EQ(Int32At(b, 15), 1);
    EXPECT_EQ(Int32At(b, 15 + 21 * 4), 7);
    EXPECT_EQ(Int32At(b, 103), 1);
    EXPECT_EQ(Int32At(b, 107), 0);
    EXPECT_EQ(Int32At(b, 111), 1);
    EXPECT_EQ(TextAt(b, 115, 6), "90");
    EXPECT_EQ(TextAt(b, 115 + 18, 6), "60");
    EXPECT_EQ(TextAt(b, 139, 6), "97");
    EXPECT_EQ(TextAt(b, 139 + 66, 6), "60");
    EXPECT_EQ(TextAt(b, 211, 6), "40");
    EXPECT_EQ(TextAt(b, 211 + 30, 6), "5");
    EXPECT_EQ(TextAt(b, 247, 30), "Biology");
    EXPECT_EQ(TextAt(b, 277, 50), "Ms. Harper");
    EXPECT_EQ(TextAt(b, 327, 20), "3");
    EXPECT_EQ(TextAt(b, 347, 10), "Extra1");
    EXPECT_EQ(TextAt(b, 357, 10), "Extra2");
    EXPECT_EQ(Int32At(b, 367), 1);
    EXPECT_EQ(TextAt(b, 371, 15), "Possible");
    EXPECT_EQ(TextAt(b, 386, 15), "Points");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 401), 5), std::string("    \0", 5));
    for (std::size_t c = 0; c < 6; ++c) EXPECT_EQ(Int32At(b, 406 + 4 * c), 0);
    // Bytes after each text's terminator are zeros.
    for (std::size_t i = 247 + 7; i < 277; ++i) EXPECT_EQ(b[i], 0) << i;
}

TEST(ClassFileLayout, RowRecordHoldsNamesIdThenSixCountedBlocks) {
    const ClassRecord record = SampleClass();
    const Bytes b = SerializeClassFile(record);
    const std::size_t possibleRow = 371;
    const std::size_t possibleSize = 35 + 6 * 4 + 3 * 14;
    EXPECT_EQ(Int32At(b, 367), 3);
    EXPECT_EQ(b.size(), 371 + 3 * possibleSize);
    EXPECT_EQ(Int32At(b, possibleRow + 35), 2);
    EXPECT_EQ(TextAt(b, possibleRow + 39, 10), "Cells");
    EXPECT_EQ(FloatAt(b, possibleRow + 49), 100.0f);
    EXPECT_EQ(TextAt(b, possibleRow + 53, 10), "Genetics");
    EXPECT_EQ(FloatAt(b, possibleRow + 63), 50.0f);
    EXPECT_EQ(Int32At(b, possibleRow + 67), 1);
    EXPECT_EQ(TextAt(b, possibleRow + 71, 10), "Quiz 1");
    EXPECT_EQ(Int32At(b, possibleRow + 85), 0);

    const std::size_t second = possibleRow + 2 * possibleSize;  // Brooks
    EXPECT_EQ(TextAt(b, second, 15), "Brooks");
    EXPECT_EQ(TextAt(b, second + 15, 15), "Marcus");
    EXPECT_EQ(TextAt(b, second + 30, 5), "7");
    EXPECT_EQ(Int32At(b, second + 35), 2);
    EXPECT_EQ(FloatAt(b, second + 49), 73.0f);
    EXPECT_EQ(TextAt(b, second + 53, 10), "Genetics");
    const unsigned char omitted[4] = {0x6F, 0x12, 0x83, 0x3A};  // 0.001f
    EXPECT_EQ(std::memcmp(b.data() + second + 63, omitted, 4), 0);
}

TEST(ClassFileRoundTrip, ReadThenWriteIsByteIdentical) {
    TempDir dir;
    ClassRecord record = SampleClass();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    const Bytes original = dir.Read("bio.gdr");

    ClassRecord read = ReadClassFile(dir.File("bio.gdr"));
    EXPECT_EQ(read.fileName, dir.File("bio.gdr"));
    EXPECT_FALSE(read.modified);
    ASSERT_EQ(read.RowCount(), 3);
    EXPECT_EQ(read.Row(2).scores[kTests][1].value, kOmitMarker);
    EXPECT_EQ(read.Row(2).scores[kTests][1].title.View(), "Genetics");
    EXPECT_EQ(read.extra1Name.View(), "Project");
    EXPECT_EQ(read.grading.plusLimits[0].View(), "97.5");
    read.fileName = dir.File("copy.gdr");
    ASSERT_TRUE(WriteClassFile(read));
    EXPECT_EQ(dir.Read("copy.gdr"), original);
}

TEST(ClassFileRoundTrip, ExampleFilesAreWrittenBackByteForByte) {
    for (const char* name : {"biology.gdr", "algebra-weighted.gdr", "empty.gdr"}) {
        const std::string path = std::string(QUORLE_SOURCE_DIR) + "/examples/" + name;
        const auto bytes = ReadWholeFile(path);
        ASSERT_TRUE(bytes) << path;
        EXPECT_EQ(SerializeClassFile(ParseClassFile(*bytes)), *bytes) << name;
    }
}

TEST(ClassFileRoundTrip, Windows1252NamesAreSingleBytes) {
    ClassRecord record = NewClassRecord();
    AddStudent(record, platform::Utf8ToCp1252Lossy("Peña"), platform::Utf8ToCp1252Lossy("Renée"), "12");
    const Bytes b = SerializeClassFile(record);
    const std::size_t row = 371 + 59;
    EXPECT_EQ(TextAt(b, row, 15), "Pe\xF1" "a");
    EXPECT_EQ(TextAt(b, row + 15, 15), "Ren\xE9" "e");
    const ClassRecord read = ParseClassFile(b);
    EXPECT_EQ(platform::Cp1252ToUtf8(read.Row(1).firstName.View()), "Renée");
    EXPECT_EQ(platform::Cp1252ToUtf8(read.Row(1).lastName.View()), "Peña");
}

TEST(ClassFileMagic, ContainmentNotEquality) {
    Bytes b = SerializeClassFile(SampleClass());
    Bytes front = b;
    const char shifted[] = "XQuorle95";
    std::memset(front.data(), 0, 15);
    std::memcpy(front.data(), shifted, sizeof shifted);  // with its zero
    EXPECT_NO_THROW(ParseClassFile(front));

    Bytes trailing = b;
    std::memcpy(trailing.data(), "Quorle95Quorle9", 15);  // no zero in the field at all
    EXPECT_NO_THROW(ParseClassFile(trailing));

    Bytes shortMagic = b;
    std::memset(shortMagic.data(), 0, 15);
    std::memcpy(shortMagic.data(), "Quorle9", 7);
    try {
        ParseClassFile(shortMagic);
        FAIL() << "accepted a magic without its last character";
    } catch (const ClassFileError& e) {
        EXPECT_STREQ(e.what(), "Incorrect file format");
    }

    Bytes hidden = b;
    std::memset(hidden.data(), 0, 15);
    std::memcpy(hidden.data() + 1, "Quorle95", 8);  // the text ends at the first zero
    EXPECT_THROW(ParseClassFile(hidden), ClassFileError);
}

void ExpectIncorrect(const Bytes& bytes, const std::string& what) {
    try {
        ParseClassFile(bytes);
        ADD_FAILURE() << what << ": accepted";
    } catch (const ClassFileError& e) {
        EXPECT_STREQ(e.what(), "Incorrect file format") << what;
    }
}

TEST(ClassFileDamage, EveryTruncationIsRefused) {
    const Bytes b = SerializeClassFile(SampleClass());
    for (std::size_t n = 0; n < b.size(); ++n) ExpectIncorrect(Bytes(b.begin(), b.begin() + static_cast<long>(n)), "length " + std::to_string(n));
}

TEST(ClassFileDamage, NegativeAndOversizedCountsAreRefusedWithoutAllocating) {
    const Bytes good = SerializeClassFile(SampleClass());
    const std::size_t firstCount = 371 + 35;
    for (std::int32_t bad : {-1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 0}) {
        Bytes rows = good;
        PutInt32(rows, 367, bad);
        ExpectIncorrect(rows, "row count " + std::to_string(bad));
    }
    for (std::int32_t bad : {-1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                             100000000}) {
        Bytes entries = good;
        PutInt32(entries, firstCount, bad);
        ExpectIncorrect(entries, "entry count " + std::to_string(bad));
    }
    // A row count one more than the rows present: runs out of bytes.
    Bytes oneMore = good;
    PutInt32(oneMore, 367, 4);
    ExpectIncorrect(oneMore, "row count 4");
}

TEST(ClassFileDamage, RowWithOtherItemsThanThePossiblePointsRowIsRefused) {
    ClassRecord record = SampleClass();
    record.Row(2).scores[kQuizzes].clear();
    record.Row(2).scores[kHomework].push_back(TGrades{5.0f, FixedText<10>("Stray")});
    ExpectIncorrect(SerializeClassFile(record), "moved item");
    ClassRecord shorter = SampleClass();
    shorter.Row(1).scores[kTests].pop_back();
    ExpectIncorrect(SerializeClassFile(shorter), "missing item");
}

TEST(ClassFileDamage, TextsWithoutTerminatorStayInsideTheirField) {
    Bytes b = SerializeClassFile(SampleClass());
    std::memset(b.data() + 247, 'C', 30);        // course title without zero
    std::memset(b.data() + 371, 'L', 15);        // last name without zero
    const ClassRecord read = ParseClassFile(b);
    EXPECT_EQ(read.info.course.View(), std::string(29, 'C'));
    EXPECT_EQ(read.Row(0).lastName.View(), std::string(14, 'L'));
}

// What the teacher reads when a class cannot be opened: the message, then
// why and which file. Nothing waits on a pipe or a device.
TEST(ClassFileRead, EveryRefusalNamesItsFileAndWhy) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("x.gdr"));
    ASSERT_EQ(::mkfifo(dir.File("pipe.gdr").c_str(), 0644), 0);
    dir.Write("text.gdr", Bytes{'h', 'e', 'l', 'l', 'o'});
    dir.Write("huge.gdr", SerializeClassFile(NewClassRecord()));
    ASSERT_EQ(::truncate(dir.File("huge.gdr").c_str(), static_cast<off_t>(kMaxFileBytes) + 1), 0);
    dir.Write("limit.gdr", SerializeClassFile(NewClassRecord()));
    ASSERT_EQ(::truncate(dir.File("limit.gdr").c_str(), static_cast<off_t>(kMaxFileBytes)), 0);
    const struct {
        std::string path;
        std::string text;
    } cases[] = {
        {dir.File("nothing.gdr"), "File cannot be found!\nNo such file or folder: " + dir.File("nothing.gdr")},
        {dir.File("x.gdr"), "File cannot be found!\nIs a folder: " + dir.File("x.gdr")},
        {dir.File("pipe.gdr"), "File cannot be found!\nIs not a regular file: " + dir.File("pipe.gdr")},
        {"/dev/null", "File cannot be found!\nIs not a regular file: /dev/null"},
        {dir.File("text.gdr"), "Incorrect file format\n" + dir.File("text.gdr")},
        {dir.File("./sub/../text.gdr"), "Incorrect file format\n" + dir.File("text.gdr")},
        {dir.File("huge.gdr"),
         "Incorrect file format\nLarger than 64 MiB, the most this file may hold: " + dir.File("huge.gdr")},
    };
    std::filesystem::create_directory(dir.File("sub"));
    for (const auto& c : cases) {
        try {
            ReadClassFile(c.path);
            ADD_FAILURE() << c.path;
        } catch (const ClassFileError& e) {
            EXPECT_EQ(std::string(e.what()), c.text);
            EXPECT_EQ(e.BoxText(), c.text);
        }
    }
    // A file of exactly the limit is read (the bytes after the class ignored); one byte more is not.
    EXPECT_EQ(ReadClassFile(dir.File("limit.gdr")).RowCount(), 1);
    if (::geteuid() != 0) {
        dir.Write("locked.gdr", SerializeClassFile(NewClassRecord()));
        ::chmod(dir.File("locked.gdr").c_str(), 0);
        EXPECT_THROW(
            {
                try {
                    ReadClassFile(dir.File("locked.gdr"));
                } catch (const ClassFileError& e) {
                    EXPECT_EQ(std::string(e.what()),
                              "File cannot be found!\nPermission denied: " + dir.File("locked.gdr"));
                    throw;
                }
            },
            ClassFileError);
    }
}

TEST(ClassFileRead, APathOutsideWindows1252IsShownWithMarksInABox) {
    const ClassFileError error(kFileNotFound, "No such file or folder: /home/\xE6\x9D\x8E/bio.gdr");
    EXPECT_EQ(error.BoxText(), "File cannot be found!\nNo such file or folder: /home/?/bio.gdr");
    EXPECT_EQ(std::string(error.what()), "File cannot be found!\nNo such file or folder: /home/\xE6\x9D\x8E/bio.gdr");
}

TEST(ClassFileName, AnyOtherExtensionBecomesGdrAndGdrInAnyCaseStays) {
    EXPECT_EQ(NormalizeClassFileName("/home/t/classes/Period3.TXT"), "/home/t/classes/Period3.gdr");
    EXPECT_EQ(NormalizeClassFileName("/home/t/classes/BIOLOGY.GDR"), "/home/t/classes/BIOLOGY.GDR");
    EXPECT_EQ(ShownClassName("/home/t/classes/Period3.TXT"), "Period3.gdr");
    EXPECT_EQ(ShownClassName("/home/t/classes/BIOLOGY.GDR"), "BIOLOGY.GDR");

    TempDir dir;
    ClassRecord record = SampleClass();
    record.fileName = dir.File("Period3.TXT");
    record.modified = true;
    ASSERT_TRUE(WriteClassFile(record));
    EXPECT_EQ(record.fileName, dir.File("Period3.gdr"));
    EXPECT_FALSE(record.modified);
    EXPECT_TRUE(dir.Exists("Period3.gdr"));
    EXPECT_FALSE(dir.Exists("Period3.TXT"));

    record.modified = true;
    ASSERT_TRUE(WriteClassFile(record, ModifiedFlag::Keep));
    EXPECT_TRUE(record.modified);
}

// ---- atomic write ----

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ClassFileWrite, WriteFailingPartWayLeavesTheOldFile) {
    TempDir dir;
    ClassRecord record = SampleClass();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    const Bytes before = dir.Read("bio.gdr");
    for (int i = 0; i < 40; ++i) AddStudent(record, "Late", "Student", std::to_string(200 + i));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        limit.rlim_cur = 600;
        limit.rlim_max = RLIM_INFINITY;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = WriteClassFile(record);
        ::_exit(written ? 10 : (record.modified ? 11 : 12));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 10) << "a write cut short reported success";
    EXPECT_EQ(dir.Read("bio.gdr"), before);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"bio.gdr"});
}

TEST(ClassFileWrite, FailureKeepsModifiedFlagAndReportsFalse) {
    TempDir dir;
    ClassRecord record = SampleClass();
    record.modified = true;
    record.fileName = dir.File("no-such-folder/bio.gdr");
    EXPECT_FALSE(WriteClassFile(record));
    EXPECT_TRUE(record.modified);

    std::filesystem::create_directory(dir.File("taken.gdr"));  // a folder where the file should go
    record.fileName = dir.File("taken.gdr");
    EXPECT_FALSE(WriteClassFile(record));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.gdr")));

    ClassRecord untitled = SampleClass();
    EXPECT_FALSE(WriteClassFile(untitled));
}

TEST(ClassFileWrite, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    ClassRecord record = SampleClass();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    const Bytes before = dir.Read("bio.gdr");
    ::chmod(dir.Path().c_str(), 0555);
    AddStudent(record, "Late", "Student", "300");
    EXPECT_FALSE(WriteClassFile(record));
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(dir.Read("bio.gdr"), before);
}

TEST(ClassFileWrite, KeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    ClassRecord record = SampleClass();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    ASSERT_EQ(::chmod(dir.File("bio.gdr").c_str(), 0640), 0);
    AddStudent(record, "Late", "Student", "300");
    ASSERT_TRUE(WriteClassFile(record));
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("bio.gdr").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    std::filesystem::create_symlink(dir.File("bio.gdr"), dir.File("link.gdr"));
    record.fileName = dir.File("link.gdr");
    AddStudent(record, "Later", "Student", "301");
    ASSERT_TRUE(WriteClassFile(record));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.gdr")));
    EXPECT_EQ(ReadClassFile(dir.File("bio.gdr")).RowCount(), 5);
}

// No writer writes what its reader refuses: a class past the reader's 64 MiB,
// or with a row whose grade items differ, is not written and the old file stays.
TEST(ClassFileWrite, TheWriterRefusesWhatTheReaderWouldRefuse) {
    TempDir dir;
    ClassRecord record = NewClassRecord();
    record.fileName = dir.File("big.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    const Bytes before = dir.Read("big.gdr");
    // 430 bytes and 14 per grade item: the largest class under the limit.
    const std::size_t items = (kMaxFileBytes - 430) / 14;
    record.Row(0).scores[kTests].resize(items + 1, TGrades{1.0f, FixedText<10>("T")});
    ASSERT_EQ(ClassFileSize(record), kMaxFileBytes + 6);
    FileProblem problem;
    EXPECT_FALSE(WriteClassFile(record, ModifiedFlag::Clear, &problem));
    EXPECT_EQ(problem.Text(), "The class would be larger than 64 MiB, the most a class file may hold: " + dir.File("big.gdr"));
    EXPECT_EQ(dir.Read("big.gdr"), before);

    record.Row(0).scores[kTests].pop_back();
    ASSERT_EQ(ClassFileSize(record), kMaxFileBytes - 8);
    ASSERT_TRUE(WriteClassFile(record, ModifiedFlag::Clear, &problem)) << problem.Text();
    EXPECT_TRUE(problem.Empty());
    EXPECT_EQ(ReadClassFile(dir.File("big.gdr")).Row(0).scores[kTests].size(), items);
    record = ClassRecord{};

    ClassRecord uneven = SampleClass();
    uneven.fileName = dir.File("uneven.gdr");
    uneven.Row(2).scores[kQuizzes].clear();
    EXPECT_FALSE(WriteClassFile(uneven, ModifiedFlag::Clear, &problem));
    EXPECT_EQ(problem.Text(), "A student's grades do not match the Possible Points row: " + dir.File("uneven.gdr"));
    EXPECT_FALSE(dir.Exists("uneven.gdr"));
    ClassRecord empty;
    empty.fileName = dir.File("empty.gdr");
    EXPECT_FALSE(WriteClassFile(empty, ModifiedFlag::Clear, &problem));
    EXPECT_EQ(problem.reason, "The class has no Possible Points row");
}

}  // namespace
}  // namespace quorle
