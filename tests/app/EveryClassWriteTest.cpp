// Every command that writes a class over an existing one, in the window and
// on the command line, keeps the bytes it replaces as the newest earlier
// version, in the one place every class write goes through.
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

// A class window's folder and data home of its own, one per case.
struct EveryClassWrite : EditTest {
    void TestBody() override {}
    DataHome home;
    std::string bio = dir.File("bio.gdr");

    void Run(std::vector<std::string> words) {
        std::string out, err;
        EXPECT_EQ(RunWords(std::move(words), out, err), 0) << err;
    }
    void WriteRoster() {
        const std::string csv = "Last Name,First Name\nZed,Zoe\n";
        dir.Write("roster.csv", Bytes(csv.begin(), csv.end()));
    }
};

TEST(EveryClassWrite, KeepsTheVersionItReplaces) {
    struct Case {
        const char* name;
        std::function<void(EveryClassWrite&)> prepare;  // up to the write
        std::function<void(EveryClassWrite&)> write;    // the write of bio.gdr
    };
    // Opening writes the class: what it kept is not what the write is to keep.
    const auto openBio = [](EveryClassWrite& t) {
        t.Open(ReadClassFile(t.bio), "bio.gdr");
        std::filesystem::remove_all(t.home.VersionsFolder());
    };
    const auto openAlgebra = [](EveryClassWrite& t) { t.Open(SmallClass(), "alg.gdr"); };
    const Case cases[] = {
        {"Save", openBio,
         [](EveryClassWrite& t) {
             t.Rec().info.course = "Biology II";
             t.Rec().modified = true;
             EXPECT_TRUE(t.f->child->Save());
         }},
        {"Import Students in the window", openBio,
         [](EveryClassWrite& t) {
             t.WriteRoster();
             t.Ui().fileNames.push_back(t.dir.File("roster.csv"));
             t.f->child->Command(resources::cmd::kImportStudents);
         }},
        {"New Grading Period onto an existing class", openAlgebra,
         [](EveryClassWrite& t) {
             t.Ui().fileNames.push_back(t.bio);
             t.Ui().answers = {Answer::Yes};
             t.f->child->Command(resources::cmd::kNewGradingPeriod);
         }},
        {"undo of a transfer, in the other class",
         [](EveryClassWrite& t) {
             t.Open(SmallClass(), "alg.gdr");
             t.Ui().answers = {Answer::Yes};
             t.Ui().fileNames.push_back(t.bio);
             t.f->Names().RightClick(platform::Point{30, 2 * 16 + 5});
             ASSERT_EQ(ReadClassFile(t.bio).Row(2).lastName.Str(), "Adams");
         },
         [](EveryClassWrite& t) { EXPECT_TRUE(t.f->child->Undo()); }},
        {"import-students", [](EveryClassWrite&) {},
         [](EveryClassWrite& t) {
             t.WriteRoster();
             t.Run({"import-students", t.dir.File("roster.csv"), t.bio});
         }},
        {"new-period over it", [](EveryClassWrite& t) { t.dir.Write("alg.gdr", SerializeClassFile(SmallClass())); },
         [](EveryClassWrite& t) { t.Run({"new-period", "--force", t.dir.File("alg.gdr"), t.bio}); }},
        {"versions --restore",
         [](EveryClassWrite& t) {
             ClassRecord later = ReadClassFile(t.bio);
             later.info.course = "Biology II";
             ASSERT_TRUE(WriteClassFile(later));
         },
         [](EveryClassWrite& t) { t.Run({"versions", t.bio, "--restore", "1"}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EveryClassWrite t;
        ClassRecord bio = NewClassRecord();
        bio.info.course = "Biology";
        AddStudent(bio, "Pike", "Pat", "7");
        bio.fileName = t.bio;
        ASSERT_TRUE(WriteClassFile(bio));
        c.prepare(t);
        const Bytes before = t.dir.Read("bio.gdr");
        const std::size_t kept = ListVersions(t.bio).size();

        c.write(t);
        ASSERT_NE(t.dir.Read("bio.gdr"), before) << "written";
        const auto versions = ListVersions(t.bio);
        ASSERT_EQ(versions.size(), kept + 1);
        EXPECT_EQ(ReadVersion(versions.back()), before);
        EXPECT_TRUE(t.home.told.empty());
        t.f.reset();
    }
}

}  // namespace
}  // namespace quorle::testing
