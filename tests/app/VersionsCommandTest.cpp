#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "record/Binary.h"
#include "record/VersionStore.h"
#include "support/DataHome.h"
#include "app/RunWords.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

namespace fs = std::filesystem;
using quorle::testing::DataHome;
using quorle::testing::RunWords;
using quorle::testing::TempDir;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of the sample class saved three times by the program: three
// students joined it one at a time.
struct ThreeSaves {
    DataHome home;
    TempDir dir;
    std::string bio = dir.File("bio.gdr");
    std::vector<std::string> states;

    ThreeSaves() {
        fs::copy_file(fs::path(QUORLE_EXAMPLES_DIR) / "biology.gdr", bio);
        states.push_back(ReadText(bio));
        for (const char* line : {"Lee,Ann\n", "Lee,Bo\n", "Kim,Al\n"}) Import(line);
    }
    void Import(const char* line) {
        std::ofstream(dir.File("roster.csv")) << "Last Name,First Name\n" << line;
        std::string out, err;
        EXPECT_EQ(RunWords({"import-students", dir.File("roster.csv"), bio}, out, err), 0) << err;
        states.push_back(ReadText(bio));
    }
};

// Every version listed comes back byte for byte, whichever its place in the
// list and however it is kept; a version that cannot be rebuilt is refused.
TEST(VersionsCommand, RestoresEveryListedVersionByteForByte) {
    const struct {
        const char* name;
        std::function<void(ThreeSaves&)> before;
        int number;
        int state;  // the saved state it holds, -1 for refused
    } cases[] = {
        {"the oldest", [](ThreeSaves&) {}, 1, 0},
        {"the newest", [](ThreeSaves&) {}, 3, 2},
        {"a save in the same millisecond as the newest", [](ThreeSaves& s) {
             fs::last_write_time(s.bio, std::chrono::file_clock::from_sys(ListVersions(s.bio).back().time));
             s.Import("Ng,Mai\n");
             const auto versions = ListVersions(s.bio);
             ASSERT_EQ(versions.size(), 4u);
             EXPECT_EQ(versions[3].time, versions[2].time + std::chrono::milliseconds(1));
         }, 4, 3},
        {"before a version kept whole by an earlier release",
         [](ThreeSaves& s) { std::ofstream(ListVersions(s.bio)[1].path, std::ios::binary) << s.states[1]; }, 1, 0},
        {"a damaged version", [](ThreeSaves& s) {
             std::fstream file(ListVersions(s.bio)[0].path, std::ios::binary | std::ios::in | std::ios::out);
             file.seekp(-1, std::ios::end);
             file.put('\x7F');
         }, 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ThreeSaves saves;
        c.before(saves);
        const StoredVersion version = ListVersions(saves.bio)[static_cast<std::size_t>(c.number - 1)];
        const std::string copy = saves.dir.File("copy.gdr");
        std::string out, err;
        EXPECT_EQ(RunWords({"versions", saves.bio, "--restore", std::to_string(c.number), "-o", copy}, out, err),
                  c.state < 0 ? 1 : 0);
        EXPECT_EQ(err, c.state < 0 ? "quorle versions: version 1: File cannot be found!\nA damaged version: " + version.path + "\n" : "");
        EXPECT_EQ(out, c.state < 0 ? "" : "Restored version " + std::to_string(c.number) + " (" +
                                              LocalTimeText(version.time) + ") to " + copy + "\n");
        EXPECT_EQ(ReadText(copy), c.state < 0 ? "" : saves.states[static_cast<std::size_t>(c.state)]);
        EXPECT_EQ(ReadText(saves.bio), saves.states.back());
    }
}

TEST(VersionsCommand, ListsTheVersionsOfThreeSavesAndRestoresTheFirstIntoTheClass) {
    ThreeSaves saves;
    const std::string& bio = saves.bio;
    const auto versions = ListVersions(bio);
    ASSERT_EQ(versions.size(), 3u);
    std::string out, err;
    EXPECT_EQ(RunWords({"versions", bio}, out, err), 0);
    EXPECT_EQ(out, "Earlier versions of " + bio + ", oldest first:\n" +          //
                       "  1  " + LocalTimeText(versions[0].time) + "  oldest version kept\n" +  //
                       "  2  " + LocalTimeText(versions[1].time) + "  added Lee Ann\n" +        //
                       "  3  " + LocalTimeText(versions[2].time) + "  added Lee Bo\n");
    EXPECT_EQ(err, "");

    // Back into the class (to a file of its own: above).
    EXPECT_EQ(RunWords({"versions", bio, "--restore", "1"}, out, err), 0) << err;
    EXPECT_EQ(out, "Restored version 1 (" + LocalTimeText(versions[0].time) + ") into " + bio +
                       "; the class as it was is kept as a version\n");
    EXPECT_EQ(ReadText(bio), saves.states[0]);
    // The class as it was before the restore is the newest version now.
    const auto after = ListVersions(bio);
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(ReadText(after.back().path), saves.states[3]);
    EXPECT_EQ(RunWords({"versions", bio}, out, err), 0);
    EXPECT_NE(out.find("  4  " + LocalTimeText(after[3].time) + "  added Kim Al\n"), std::string::npos) << out;
    EXPECT_TRUE(saves.home.told.empty());
}

TEST(VersionsCommand, RefusesWhatItCannotDoAndWritesNothing) {
    ThreeSaves saves;
    const std::string& bio = saves.bio;
    const std::string usage = "Usage: quorle versions CLASS.gdr [--restore N [-o OUT.gdr]]\n";
    const std::string version1 = ListVersions(bio).front().path;
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string err;
    };
    const std::vector<Case> cases{
        {{"versions"}, 2, "quorle versions: no class file given\n" + usage},
        {{"versions", bio, bio}, 2, "quorle versions: one class file at a time\n" + usage},
        {{"versions", bio, "--all"}, 2, "quorle versions: unknown option --all\n" + usage},
        {{"versions", bio, "--restore"}, 2, "quorle versions: --restore needs a value\n" + usage},
        {{"versions", bio, "--restore", "0"}, 2,
         "quorle versions: --restore takes a version's number (1, 2, ...), not 0\n" + usage},
        {{"versions", bio, "--restore", "2x"}, 2,
         "quorle versions: --restore takes a version's number (1, 2, ...), not 2x\n" + usage},
        {{"versions", bio, "-o", saves.dir.File("x.gdr")}, 2, "quorle versions: -o needs --restore N\n" + usage},
        {{"versions", bio, "--restore", "4"}, 1, "quorle versions: there is no version 4 of " + bio + "; 3 are kept\n"},
        {{"versions", saves.dir.File("other.gdr"), "--restore", "1"}, 1,
         "quorle versions: there is no version 1 of " + saves.dir.File("other.gdr") + "; none is kept\n"},
        {{"versions", bio, "--restore", "1", "-o", bio}, 2,
         "quorle versions: -o " + bio + " would write over the class file (" + bio + "); nothing was written\n"},
        {{"versions", bio, "--restore", "1", "-o", version1}, 2,
         "quorle versions: -o " + version1 + " would write over the version itself (" + version1 +
             "); nothing was written\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.words));
        std::string out, err;
        EXPECT_EQ(RunWords(c.words, out, err), c.status);
        EXPECT_EQ(err, c.err);
        EXPECT_EQ(out, "");
        EXPECT_EQ(ReadText(bio), saves.states[3]);
        EXPECT_EQ(ListVersions(bio).size(), 3u);
    }
    EXPECT_FALSE(fs::exists(saves.dir.File("x.gdr")));
}

TEST(VersionsCommand, AVersionsFolderThatIsDamagedLetsTheSaveGoOnAndSaysWhy) {
    DataHome home;
    fs::create_directories(fs::path(home.VersionsFolder()).parent_path());
    std::ofstream(home.VersionsFolder()) << "not a folder";
    SetVersionProblemListener(nullptr);  // the command line's own
    TempDir dir;
    const std::string bio = dir.File("bio.gdr");
    fs::copy_file(fs::path(QUORLE_EXAMPLES_DIR) / "biology.gdr", bio);
    std::ofstream(dir.File("roster.csv")) << "Last Name,First Name\nLee,Ann\n";
    std::string out, err;
    EXPECT_EQ(RunWords({"import-students", dir.File("roster.csv"), bio}, out, err), 0);
    EXPECT_EQ(out, "Added 1 students to " + bio + "\n");
    EXPECT_EQ(err, std::string("quorle: ") + kVersionsNotKept + "\nA part of the path is not a folder: " +
                       VersionFolder(bio) + "\n");
    EXPECT_NE(ReadText(bio).find("Lee"), std::string::npos);
}

}  // namespace
}  // namespace quorle
