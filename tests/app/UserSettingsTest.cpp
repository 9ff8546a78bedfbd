// The teacher's settings file: its lines, their limits, and the frame's place
// brought back onto the screen.
#include "app/UserSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace quorle {
namespace {

TEST(UserSettingsTest, ReadsWhatItKnowsAndPassesOverTheRest) {
    const std::string nine = "recent=/1.gdr\nrecent=/2.gdr\nrecent=/3.gdr\nrecent=/4.gdr\nrecent=/5.gdr\n"
                             "recent=/6.gdr\nrecent=/7.gdr\nrecent=/8.gdr\nrecent=/9.gdr\n";
    const struct {
        std::string text;
        std::vector<std::string> recent;
        std::optional<FramePlacement> frame;
        std::vector<ClassWindowSize> windows = {};
    } cases[] = {
        {"", {}, std::nullopt},
        {"recent=/a/b c.gdr\r\nframe=10 20 800 600 1\n", {"/a/b c.gdr"}, FramePlacement{10, 20, 800, 600, true}},
        {"frame=-5 0 1 1 0", {}, FramePlacement{-5, 0, 1, 1, false}},
        // Eight at most; relative paths and empty ones are not kept.
        {nine, {"/1.gdr", "/2.gdr", "/3.gdr", "/4.gdr", "/5.gdr", "/6.gdr", "/7.gdr", "/8.gdr"}, std::nullopt},
        {"recent=a.gdr\nrecent=\nrecent=/b.gdr\nsomething\nzoom=3\n", {"/b.gdr"}, std::nullopt},
        // A damaged frame line gives no place.
        {"frame=10 20 0 600 0\n", {}, std::nullopt},
        {"frame=10 20 800 600 2\n", {}, std::nullopt},
        {"frame=10 20 800 600\n", {}, std::nullopt},
        {"frame=10 20 800 600 0 7\n", {}, std::nullopt},
        {"frame=10 20 800x 600 0\n", {}, std::nullopt},
        {"frame=10 20 100000 600 0\n", {}, FramePlacement{10, 20, 100000, 600, false}},
        {"frame=10 20 100001 600 0\n", {}, std::nullopt},
        // Class window sizes of full paths (spaces and all); no size, no full path: passed over.
        {"window=0 4 /x\nwindow=6 4 x\nwindow=6 /y\nwindow=6 4 /my c.gdr\n", {}, std::nullopt, {{"/my c.gdr", 6, 4}}},
    };
    // High contrast: only "contrast=high" turns it on.
    for (const auto& [text, on] : std::vector<std::pair<std::string, bool>>{
             {"contrast=high\n", true}, {"contrast=high\r\n", true}, {"contrast=High\n", false},
             {"contrast=\n", false}, {"contrast=normal\n", false}, {"", false}}) {
        EXPECT_EQ(ParseUserSettings(text).highContrast, on) << text;
        UserSettings written;
        written.highContrast = on;
        EXPECT_EQ(ParseUserSettings(SerializeUserSettings(written)).highContrast, on);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const UserSettings read = ParseUserSettings(c.text);
        EXPECT_EQ(read.recentClasses, c.recent);
        EXPECT_EQ(read.frame, c.frame);
        EXPECT_EQ(read.classWindows, c.windows);
    }
}

TEST(UserSettingsTest, WritesItsFolderAndReadsBackWhatItWrote) {
    testing::TempDir dir;
    const std::string path = UserSettingsPath(dir.File("config/quorle"));
    EXPECT_EQ(path, dir.File("config/quorle/quorle.conf"));
    EXPECT_EQ(UserSettingsPath(""), "");
    EXPECT_EQ(ReadUserSettings(path), UserSettings{});  // no file yet

    UserSettings settings;
    settings.recentClasses = {"/home/t/bio.gdr", "/bad\nname.gdr", "/home/t/chem.gdr"};
    settings.frame = FramePlacement{-8, 12, 1024, 700, false};
    ASSERT_TRUE(WriteUserSettings(path, settings));
    const auto bytes = dir.Read("config/quorle/quorle.conf");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "recent=/home/t/bio.gdr\nrecent=/home/t/chem.gdr\nframe=-8 12 1024 700 0\n");
    settings.recentClasses.erase(settings.recentClasses.begin() + 1);
    EXPECT_EQ(ReadUserSettings(path), settings);
    EXPECT_FALSE(WriteUserSettings("", settings));
}

TEST(UserSettingsTest, TheFrameComesBackOntoTheScreen) {
    const platform::Rect screen{0, 0, 1280, 1024};
    const struct {
        FramePlacement saved;
        std::optional<FramePlacement> placed;
    } cases[] = {
        {{100, 50, 800, 600, false}, FramePlacement{100, 50, 800, 600, false}},
        {{0, 0, 1280, 1024, true}, FramePlacement{0, 0, 1280, 1024, true}},
        // Off the right and bottom edges, off the left: moved on.
        {{1000, 900, 800, 600, false}, FramePlacement{480, 424, 800, 600, false}},
        {{-300, -1, 800, 600, false}, FramePlacement{0, 0, 800, 600, false}},
        // Larger than the screen: as large as it.
        {{10, 10, 3000, 2000, true}, FramePlacement{0, 0, 1280, 1024, true}},
        // Too small to be of use: the least size is kept, one less is not.
        {{5, 5, 200, 150, false}, FramePlacement{5, 5, 200, 150, false}},
        {{5, 5, 199, 150, false}, std::nullopt},
        {{5, 5, 200, 149, false}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved.left);
        EXPECT_EQ(PlacementOnScreen(c.saved, screen), c.placed);
    }
    EXPECT_EQ(PlacementOnScreen({0, 0, 800, 600, false}, platform::Rect{}), std::nullopt);
}

}  // namespace
}  // namespace quorle
