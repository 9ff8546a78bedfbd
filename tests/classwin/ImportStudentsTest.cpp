#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classwin/ClassFixture.h"
#include "classwin/ImportStudents.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
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

}  // namespace
}  // namespace quorle
