// Every command that writes a class over another, in the window and on the
// command line, keeps the bytes it replaces as the newest earlier version.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/RunWords.h"
#include "classwin/EditFixture.h"
#include "record/VersionStore.h"
#include "resources/Menus.h"
#include "support/DataHome.h"

namespace quorle::testing {
namespace {

using Bytes = std::vector<unsigned char>;
namespace cmd = resources::cmd;

// A folder and data home of its own per case, bio.gdr and alg.gdr in it.
struct EveryClassWrite : EditTest {
    void TestBody() override {}
    DataHome home;
    std::string bio = dir.File("bio.gdr");
    EveryClassWrite() {
        ClassRecord record = NewClassRecord();
        AddStudent(record, "Pike", "Pat", "7");
        record.fileName = bio;
        EXPECT_TRUE(WriteClassFile(record));
        const std::string csv = "Last Name,First Name\nZed,Zoe\n";
        dir.Write("roster.csv", Bytes(csv.begin(), csv.end()));
        dir.Write("alg.gdr", SerializeClassFile(SmallClass()));
    }
    // Opening writes the class: what it kept is not what the write is to keep.
    void OpenForgetting(ClassRecord record, const std::string& name) {
        Open(std::move(record), name);
        std::filesystem::remove_all(home.VersionsFolder());
    }
    std::string out, err;
};

TEST(EveryClassWrite, KeepsTheVersionItReplaces) {
    using Step = std::function<void(EveryClassWrite&)>;
    const struct {
        const char* name;
        Step prepare;  // up to the write
        Step write;    // the write of bio.gdr
    } cases[] = {
        {"Import Students in the window", [](auto& t) { t.OpenForgetting(ReadClassFile(t.bio), "bio.gdr"); }, [](auto& t) {
             t.Ui().fileNames.push_back(t.dir.File("roster.csv"));
             t.f->child->Command(cmd::kImportStudents);
         }},
        {"New Grading Period onto an existing class", [](auto& t) { t.OpenForgetting(SmallClass(), "alg.gdr"); }, [](auto& t) {
             t.Ui().fileNames.push_back(t.bio);
             t.Ui().answers = {Answer::Yes};
             t.f->child->Command(cmd::kNewGradingPeriod);
         }},
        {"undo of a transfer, in the other class", [](auto& t) {
             t.Open(SmallClass(), "alg.gdr");
             t.Ui().answers = {Answer::Yes};
             t.Ui().fileNames.push_back(t.bio);
             t.f->Names().RightClick(platform::Point{30, 2 * 16 + 5});  // Transfer Adams Ann to bio.gdr
         }, [](auto& t) { EXPECT_TRUE(t.f->child->Undo()); }},
        {"import-students", [](auto&) {},
         [](auto& t) { EXPECT_EQ(RunWords({"import-students", t.dir.File("roster.csv"), t.bio}, t.out, t.err), 0); }},
        {"new-period over it", [](auto&) {},
         [](auto& t) { EXPECT_EQ(RunWords({"new-period", "--force", t.dir.File("alg.gdr"), t.bio}, t.out, t.err), 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EveryClassWrite t;
        c.prepare(t);
        const Bytes before = t.dir.Read("bio.gdr");
        const std::size_t kept = ListVersions(t.bio).size();
        c.write(t);
        const auto versions = ListVersions(t.bio);
        ASSERT_EQ(versions.size(), kept + 1);
        EXPECT_EQ(ReadVersion(versions.back()), before);
        EXPECT_TRUE(t.home.told.empty());
    }
}

}  // namespace
}  // namespace quorle::testing
