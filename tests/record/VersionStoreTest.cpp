#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "record/ClassFile.h"
#include "record/VersionDelta.h"
#include "record/VersionStore.h"
#include "support/DataHome.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using quorle::testing::DataHome;
using quorle::testing::TempDir;
using std::chrono::hours;
using std::chrono::milliseconds;

ClassRecord Sample() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Biology";
    AddStudent(record, "Brooks", "Marcus", "12");
    AddStudent(record, "Adams", "Lena", "7");
    AddStudent(record, "Cole", "Tim", "3");
    return record;
}

void AddItem(ClassRecord& record, int category, const char* title, float value) {
    for (TStudent& student : record.roster) {
        TGrades entry;
        entry.title = title;
        entry.value = value;
        student.scores[category].push_back(entry);
    }
}

// A grade as the grades pane shows it (these classes hold no omitted grade).
std::string Grade(float value) {
    char text[32];
    return std::string(text, static_cast<std::size_t>(std::snprintf(text, sizeof text, "%.2f", double{value})));
}

Bytes Restored(const StoredVersion& version) { return ReadVersion(version).value_or(Bytes{}); }

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// On the disk of the data folder or on another disk (a memory file system),
// every version reads back as the bytes it replaced.
void KeepsEachReplacedVersionOnce(const std::string& classFolder) {
    DataHome home;
    ClassRecord record = Sample();
    record.fileName = classFolder + "/biology.gdr";
    ASSERT_TRUE(WriteClassFile(record));
    ASSERT_TRUE(ListVersions(record.fileName).empty()) << "a new file replaces nothing";

    std::vector<Bytes> states{ReadBytes(record.fileName)};
    AddItem(record, kQuizzes, "Quiz 1", 10);
    ASSERT_TRUE(WriteClassFile(record));
    states.push_back(ReadBytes(record.fileName));
    ASSERT_TRUE(WriteClassFile(record));  // the same bytes again
    record.roster[1].scores[kQuizzes][0].value = 8;
    ASSERT_TRUE(WriteClassFile(record));

    const auto versions = ListVersions(record.fileName);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(Restored(versions[0]), states[0]);
    EXPECT_EQ(Restored(versions[1]), states[1]);
    const fs::path folder = fs::path(versions[0].path).parent_path();
    EXPECT_EQ(folder.parent_path(), fs::path(home.dir.Path()) / "quorle" / "versions");
    EXPECT_EQ(folder.filename().string().rfind("biology.gdr-", 0), 0u) << folder;
    const std::string note = record.fileName + "\n";
    EXPECT_EQ(ReadBytes((folder / "path.txt").string()), Bytes(note.begin(), note.end()));

    // Back to the first state: that version is still kept once, now the newest.
    ClassRecord first = ParseClassFile(states[0]);
    first.fileName = record.fileName;
    ASSERT_TRUE(WriteClassFile(first));
    ASSERT_TRUE(WriteClassFile(record));
    const auto after = ListVersions(record.fileName);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(Restored(after[0]), states[1]);
    EXPECT_EQ(Restored(after[2]), states[0]);
    EXPECT_TRUE(home.told.empty());
}

TEST(VersionStoreTest, EachWriteKeepsTheBytesItReplacesOnceInAFolderNamedForTheClass) {
    {
        SCOPED_TRACE("the same disk");
        TempDir classes;
        KeepsEachReplacedVersionOnce(classes.Path());
    }
    std::string pattern = "/dev/shm/quorle-test-XXXXXX";
    if (!fs::is_directory("/dev/shm") || !::mkdtemp(pattern.data())) GTEST_SKIP() << "no memory file system";
    SCOPED_TRACE("another disk");
    KeepsEachReplacedVersionOnce(pattern);
    fs::remove_all(pattern);
}

TEST(VersionStoreTest, OldVersionsGoAtTheLimitsAndNotBefore) {
    const auto now = VersionTime(std::chrono::sys_days(std::chrono::year(2026) / 12 / 7)) + hours(12);
    const milliseconds thirtyDays = hours(24 * 30);
    struct Case {
        const char* what;
        int count;                  // versions of the class, one millisecond apart
        milliseconds oldestAge;     // the age of the oldest
        std::uintmax_t otherBytes;  // an older version of another class, this big
        std::uintmax_t maxTotal;
        int expectLeft;
        bool expectOtherLeft;
    };
    const std::uintmax_t big = std::uintmax_t{1} << 40;
    const Case cases[] = {
        {"100 old versions all stay", 100, thirtyDays * 2, 0, big, 100, true},
        {"the 101st old version goes", 101, thirtyDays * 2, 0, big, 100, true},
        {"a version just younger than 30 days stays", 101, thirtyDays - milliseconds(1), 0, big, 101, true},
        {"a version of exactly 30 days goes", 101, thirtyDays, 0, big, 100, true},
        {"150 young versions all stay", 150, hours(24), 0, big, 150, true},
        {"at the size limit nothing goes", 3, hours(1), 10, 3 * 4 + 10, 3, true},
        {"one byte over: the oldest of all goes", 3, hours(1), 10, 3 * 4 + 9, 3, false},
        {"the oldest go until it fits", 3, hours(1), 10, 4, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DataHome home;
        const fs::path root = fs::path(home.dir.Path()) / "quorle" / "versions";
        const fs::path mine = root / "a.gdr-00000001";
        const fs::path other = root / "b.gdr-00000002";
        fs::create_directories(mine);
        fs::create_directories(other);
        auto write = [](const fs::path& folder, VersionTime time, std::uintmax_t size) {
            std::ofstream out(folder / (VersionTimeText(time) + "-0123456789abcdef.gdr"), std::ios::binary);
            out << std::string(size, 'x');
        };
        // Every version 4 bytes; their ages count down from the oldest, 1 ms apart.
        const VersionTime oldest = now - c.oldestAge;
        for (int i = 0; i < c.count; ++i) write(mine, oldest + milliseconds(i), 4);
        if (c.otherBytes) write(other, oldest - hours(1), c.otherBytes);

        ApplyVersionLimits(mine.string(), VersionLimits{100, thirtyDays, c.maxTotal}, now);

        int left = 0;
        for (const auto& entry : fs::directory_iterator(mine)) left += VersionTimeOfName(entry.path().filename().string()) ? 1 : 0;
        EXPECT_EQ(left, c.expectLeft);
        if (c.otherBytes) {
            EXPECT_EQ(!fs::is_empty(other), c.expectOtherLeft);
        }
    }
}

TEST(VersionStoreTest, AFolderThatCannotTakeVersionsNeverStopsASaveAndIsToldOnce) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& root)> spoil;
        int fault;  // errno of a failing disk, 0 for none
        std::string reason;
    };
    const Case cases[] = {
        {"the versions folder is a file", [](const fs::path& root) {
             fs::create_directories(root.parent_path());
             std::ofstream(root) << "damaged";
         }, 0, "A part of the path is not a folder"},
        {"a full disk", [](const fs::path&) {}, ENOSPC, "No space left on device"},
        {"a read-only disk", [](const fs::path&) {}, EROFS, "Read-only file system"},
        {"a folder without write permission", [](const fs::path&) {}, EACCES, "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DataHome home;
        c.spoil(fs::path(home.dir.Path()) / "quorle" / "versions");
        std::optional<ScopedVersionFault> fault;
        if (c.fault) fault.emplace(c.fault);
        TempDir classes;
        ClassRecord record = Sample();
        record.fileName = classes.File("biology.gdr");
        ASSERT_TRUE(WriteClassFile(record));
        for (int i = 0; i < 3; ++i) {
            AddItem(record, kTests, "Test", static_cast<float>(i));
            ASSERT_TRUE(WriteClassFile(record));
            EXPECT_EQ(ReadBytes(record.fileName), SerializeClassFile(record));
        }
        ASSERT_EQ(home.told.size(), 1u) << "told once per run";
        EXPECT_NE(home.told[0].find(c.reason), std::string::npos) << home.told[0];
        EXPECT_NE(home.told[0].find("quorle/versions"), std::string::npos) << home.told[0];
    }
}

TEST(VersionStoreTest, SummariesSayWhatChangedInAFewWords) {
    struct Case {
        const char* expected;
        std::function<void(ClassRecord&)> change;
        bool utf8 = false;  // for the terminal
    };
    const Case cases[] = {
        {"no change shown", [](ClassRecord&) {}},
        {"added Quiz 5", [](ClassRecord& r) { AddItem(r, kQuizzes, "Quiz 5", 10); }},
        {"added 2 grades", [](ClassRecord& r) { AddItem(r, kQuizzes, "Quiz 5", 10); AddItem(r, kLabs, "Lab 1", 5); }},
        {"deleted HW 2", [](ClassRecord& r) { for (TStudent& s : r.roster) s.scores[kHomework].erase(s.scores[kHomework].begin() + 1); }},
        {"renamed HW 2 to Essay 2", [](ClassRecord& r) { for (TStudent& s : r.roster) s.scores[kHomework][1].title = "Essay 2"; }},
        {"dropped Marcus Brooks", [](ClassRecord& r) { RemoveStudent(r, 1); }},
        {"added Lee Ann", [](ClassRecord& r) { AddStudent(r, "Lee", "Ann", "40"); }},
        {"added 2 students", [](ClassRecord& r) { AddStudent(r, "Lee", "Ann", "40"); AddStudent(r, "Lee", "Bo", "41"); }},
        {"edited Marc Brooks", [](ClassRecord& r) { r.roster[1].firstName = "Marc"; }},
        {"HW 1: Adams 10.00 -> 1.00", [](ClassRecord& r) { r.roster[2].scores[kHomework][0].value = 1; }},
        {"HW 1: Adams 10.00 \u2192 1.00", [](ClassRecord& r) { r.roster[2].scores[kHomework][0].value = 1; }, true},
        {"added Pe\u00F1a Ana", [](ClassRecord& r) { AddStudent(r, "Pe\xF1" "a", "Ana", "40"); }, true},
        {"grades changed: 2 in HW 2", [](ClassRecord& r) {
             r.roster[1].scores[kHomework][1].value = 1;
             r.roster[3].scores[kHomework][1].value = 2;
         }},
        {"grades changed: 3", [](ClassRecord& r) {
             r.roster[1].scores[kHomework][0].value = 1;
             r.roster[2].scores[kHomework][1].value = 2;
             r.roster[0].scores[kHomework][1].value = 50;
         }},
        {"students reordered", [](ClassRecord& r) { SwapAdjacent(r, 1); }},
        {"class information changed", [](ClassRecord& r) { r.info.period = "4"; }},
        {"grading system changed", [](ClassRecord& r) { r.grading.weights[0] = "40"; }},
        {"display options changed", [](ClassRecord& r) { r.display[kShowId] = 1 - r.display[kShowId]; }},
        {"Extra names changed", [](ClassRecord& r) { r.extra1Name = "Projects"; }},
        {"added Quiz 5, dropped Marcus Brooks, HW 1: Adams 10.00 -> 3.00", [](ClassRecord& r) {
             AddItem(r, kQuizzes, "Quiz 5", 10);
             RemoveStudent(r, 1);
             r.roster[1].scores[kHomework][0].value = 3;
         }},
    };
    ClassRecord before = Sample();
    AddItem(before, kHomework, "HW 1", 10);
    AddItem(before, kHomework, "HW 2", 10);
    for (const Case& c : cases) {
        ClassRecord after = before;
        c.change(after);
        EXPECT_EQ(VersionChangeSummary(before, after, SummaryStyle{Grade, c.utf8}), c.expected);
    }
}

// The sample class in a folder of its own, saved once with each quiz added.
struct Saves {
    DataHome home;
    TempDir classes;
    ClassRecord record = Sample();
    explicit Saves(std::initializer_list<const char*> quizzes) {
        record.fileName = classes.File("biology.gdr");
        EXPECT_TRUE(WriteClassFile(record));
        for (const char* quiz : quizzes) Save(quiz);
    }
    void Save(const char* quiz) {
        AddItem(record, kQuizzes, quiz, 10);
        EXPECT_TRUE(WriteClassFile(record));
    }
};

TEST(VersionStoreTest, AFailedWriteKeepsNoVersion) {
    const struct {
        const char* failing;  // the end of the name of the file that cannot be written
        bool withChart;
    } cases[] = {{".gdr", false}, {".CHT", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        Saves saves({"Quiz 1"});
        const Bytes live = ReadBytes(saves.record.fileName);
        const std::string kept = ListVersions(saves.record.fileName).back().path;
        AddItem(saves.record, kQuizzes, "Quiz 2", 10);
        const Bytes chart{'c'};
        const FileToWrite others[] = {{saves.classes.File("biology.CHT"), chart}};
        ScopedWriteFault fault(c.failing, ENOSPC);
        EXPECT_FALSE(WriteClassTogether(saves.record.fileName, SerializeClassFile(saves.record),
                                        std::span(others, c.withChart ? 1 : 0)));
        EXPECT_EQ(ReadBytes(saves.record.fileName), live);
        const auto after = ListVersions(saves.record.fileName);
        ASSERT_EQ(after.size(), 1u);
        EXPECT_EQ(after[0].path, kept);
    }
}

// Whatever earlier releases or a kill left in the store, after the next save
// every folder of it is 0700 and every file 0600 and a file of its own (a
// class file a version was a second name of is left as it was), and what a
// write cut short left goes once no write can still be under way.
TEST(VersionStoreTest, AfterASaveTheStoreIsPrivateAndHoldsNothingLeftOver) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    using Spoil = std::function<void(const fs::path& folder, const std::string& classPath)>;
    const struct {
        const char* what;
        Spoil spoil;
        std::string left;  // a file in the class's folder, or a folder beside it (ending in '/')
        bool old;          // ... untouched for more than a minute
        bool gone;
    } cases[] = {
        {"folders of mode 0755", [](const fs::path& folder, const std::string&) {
             fs::permissions(folder, fs::perms(0755));
             fs::permissions(folder.parent_path(), fs::perms(0755));
         }, "", false, false},
        {"files of mode 0644", [](const fs::path& folder, const std::string&) {
             for (const auto& entry : fs::directory_iterator(folder)) fs::permissions(entry.path(), fs::perms(0644));
         }, "", false, false},
        {"a version that is a second name of the class", [](const fs::path& folder, const std::string& classPath) {
             fs::create_hard_link(classPath, folder / ("2020-01-01T00-00-00.000Z-" + std::string(16, '0') + ".gdr"));
         }, "", false, false},
        {"a path note cut short", {}, ".path.txt.Ab12Cd", true, true},
        {"a file of a writer that has ended", {}, ".quorle.999999999." + std::string(host) + ".Ab12Cd", false, true},
        {"a file of a writer still running", {}, ".quorle." + std::to_string(::getpid()) + "." + host + ".Ab12Cd",
         true, false},
        {"a class folder left empty", {}, "../other.gdr-0123abcd/", true, true},
        {"a class folder being made", {}, "../other.gdr-0123abcd/", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Saves saves({"Quiz 1"});
        fs::permissions(saves.record.fileName, fs::perms(0644));
        if (c.spoil) c.spoil(VersionFolder(saves.record.fileName), saves.record.fileName);
        const fs::path left = fs::path(VersionFolder(saves.record.fileName)) / c.left;
        if (!c.left.empty() && c.left.back() == '/') ::mkdir(left.c_str(), 0700);
        else if (!c.left.empty()) std::ofstream(left) << "cut short";
        if (c.old) fs::last_write_time(left, fs::file_time_type::clock::now() - std::chrono::minutes(2));
        saves.Save("Quiz 2");
        EXPECT_EQ(fs::exists(left), !c.gone);
        for (const auto& entry : fs::recursive_directory_iterator(saves.home.VersionsFolder())) {
            struct stat st {};
            ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, entry.is_directory() ? 0700u : 0600u) << entry.path();
            EXPECT_TRUE(entry.is_directory() || st.st_nlink == 1) << entry.path();
        }
        EXPECT_EQ(fs::status(saves.record.fileName).permissions(), fs::perms(0644));
        EXPECT_EQ(fs::hard_link_count(saves.record.fileName), 1u);
    }
}

// A typed grade costs the store a few bytes, not a class: 100 saves of a
// class of 600 students hold less than twice the class file, and every
// version reads back byte for byte.
TEST(VersionStoreTest, AHundredSmallSavesOfABigClassHoldLessThanTwiceTheClass) {
    Saves saves({});
    ClassRecord& record = saves.record;
    for (int s = 0; s < 600; ++s) AddStudent(record, "Last" + std::to_string(s), "First", std::to_string(s));
    for (int item = 0; item < 12; ++item) AddItem(record, item % 4, ("Item " + std::to_string(item)).c_str(), 10);
    ASSERT_TRUE(WriteClassFile(record));
    std::vector<Bytes> states;
    for (int save = 0; save < 100; ++save) {
        states.push_back(ReadBytes(record.fileName));
        record.roster[static_cast<std::size_t>(1 + save * 37 % 600)].scores[save % 4][0].value = 100.0f + save;
        ASSERT_TRUE(WriteClassFile(record));
    }
    auto versions = ListVersions(record.fileName);
    versions.erase(versions.begin());  // the sample class before it grew
    ASSERT_EQ(versions.size(), states.size());
    std::uintmax_t total = 0;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        total += versions[i].size;
        EXPECT_EQ(Restored(versions[i]), states[i]) << i;
    }
    EXPECT_LT(total, 2 * fs::file_size(record.fileName));
}

// A version another is kept against goes only after that one is kept
// against a version that stays.
TEST(VersionStoreTest, AVersionThatGoesLeavesTheOthersWhole) {
    Saves saves({"Quiz 1", "Quiz 2", "Quiz 3"});
    auto versions = ListVersions(saves.record.fileName);
    const Bytes oldest = *ReadVersion(versions[0]), middle = *ReadVersion(versions[1]);
    // The oldest kept whole, the middle one against it (as an earlier release might).
    std::ofstream(versions[0].path, std::ios::binary) << std::string(oldest.begin(), oldest.end());
    const Bytes delta = MakeVersionDelta(middle, oldest);
    std::ofstream(versions[1].path, std::ios::binary) << std::string(delta.begin(), delta.end());
    ApplyVersionLimits(VersionFolder(saves.record.fileName), VersionLimits{2, milliseconds(0), std::uintmax_t{1} << 40},
                       versions.back().time + hours(1));
    versions = ListVersions(saves.record.fileName);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(Restored(versions[0]), middle);
}

TEST(VersionStoreTest, VersionNamesCarryTheirTime) {
    const auto time = VersionTime(std::chrono::sys_days(std::chrono::year(2026) / 12 / 7)) + hours(18) +
                      std::chrono::minutes(40) + std::chrono::seconds(12) + milliseconds(345);
    EXPECT_EQ(VersionTimeText(time), "2026-12-07T18-40-12.345Z");
    const std::string hash = "-0123456789abcdef.gdr";
    EXPECT_EQ(VersionTimeOfName("2026-12-07T18-40-12.345Z" + hash), time);
    const char* refused[] = {
        "2026-12-07T18-40-12.345Z-0123456789abcde.gdr",    // a hash one digit short
        "2026-12-07T18-40-12.345Z-0123456789abcdef0.gdr",  // and one long
        "2026-13-07T18-40-12.345Z-0123456789abcdef.gdr",   // month 13
        "2026-12-07T24-00-00.000Z-0123456789abcdef.gdr",   // hour 24
        "2026-12-07T18-40-12.345Z-0123456789abcdef.txt",
        "path.txt",
    };
    for (const char* name : refused) EXPECT_FALSE(VersionTimeOfName(name)) << name;
    EXPECT_TRUE(VersionTimeOfName("2026-12-07T23-59-59.999Z" + hash));
}

}  // namespace
}  // namespace quorle
