// The settings and templates shipped beside the executable, byte for byte,
// and the rule that a teacher's own files are never replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "grading/DisplayOptions.h"
#include "record/ClassRecord.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Ints(std::initializer_list<int> values) {
    Bytes out;
    for (int v : values)
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF));
    return out;
}

Bytes Fields(std::size_t width, std::initializer_list<const char*> values) {
    Bytes out;
    for (const char* v : values) {
        const std::string text = v;
        out.insert(out.end(), text.begin(), text.end());
        out.insert(out.end(), width - text.size(), 0);
    }
    return out;
}

int RunTool(const std::string& folder) {
    const std::string command =
        std::string("\"") + QUORLE_SETTINGS_TOOL + "\" \"" + folder + "\" \"" + QUORLE_SHIPPED_DIR + "\"";
    return std::system(command.c_str());
}

TEST(ShippedFilesTest, InitialSettingsHaveTheirExactLayout) {
    testing::TempDir dir;
    ASSERT_EQ(RunTool(dir.Path()), 0);
    EXPECT_EQ(dir.Read("QUORLE.SYS"), Ints({1, 0, 0}));
    EXPECT_EQ(dir.Read("QUORLE.NPL"), Fields(6, {"90", "80", "70", "60"}));
    EXPECT_EQ(dir.Read("QUORLE.PLU"),
              Fields(6, {"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"}));
    EXPECT_EQ(dir.Read("QUORLE.WTS"), Fields(6, {"25", "25", "25", "25", "0", "0"}));
    EXPECT_EQ(dir.Read("QUORLE.OPT"), Ints({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(dir.Read("quorle.low"), Fields(15, {"70"}));
    // Print Display Options: names, the four usual category averages, current order.
    EXPECT_EQ(dir.Read("QUORLE.POP"),
              Ints({1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));

    // The option file reads back as the columns a new class starts with.
    ClassRecord record = NewClassRecord();
    ASSERT_TRUE(LoadDisplayDefaults(dir.Path(), record));
    EXPECT_EQ(record.display[kShowFirstName], 1);
    EXPECT_EQ(record.display[kShowPointsFirst], 0);
    EXPECT_EQ(record.display[kShowTotalPoints], 1);
}

TEST(ShippedFilesTest, TemplatesUseOnlyKnownPlaceholdersInShortLines) {
    testing::TempDir dir;
    ASSERT_EQ(RunTool(dir.Path()), 0);
    for (const char* name : {"quorle.prg", "quorle.wrn"}) {
        SCOPED_TRACE(name);
        const Bytes bytes = dir.Read(name);
        ASSERT_FALSE(bytes.empty());
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_NE(text.find("{grades}"), std::string::npos);
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            EXPECT_LE(end - start, 72u);
            start = end + 1;
        }
        for (std::size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
            const std::size_t close = text.find('}', open);
            ASSERT_NE(close, std::string::npos);
            const std::string name = text.substr(open + 1, close - open - 1);
            EXPECT_TRUE(name == "lastname" || name == "firstname" || name == "period" || name == "course" ||
                        name == "instructor" || name == "date" || name == "grades")
                << name;
        }
    }
}

TEST(ShippedFilesTest, ATeachersOwnSettingsAreNeverReplaced) {
    testing::TempDir dir;
    const Bytes mine = Ints({0, 1, 1});
    dir.Write("QUORLE.SYS", mine);
    dir.Write("quorle.prg", {'H', 'i', '\n'});
    ASSERT_EQ(RunTool(dir.Path()), 0);
    EXPECT_EQ(dir.Read("QUORLE.SYS"), mine);
    EXPECT_EQ(dir.Read("quorle.prg"), (Bytes{'H', 'i', '\n'}));
    EXPECT_TRUE(dir.Exists("QUORLE.OPT"));
}

}  // namespace
}  // namespace quorle
