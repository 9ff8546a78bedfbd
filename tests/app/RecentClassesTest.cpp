// The File menu's recent classes, through the client on the fake platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/DecoClient.h"
#include "app/UserSettings.h"
#include "classwin/Panes.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using platform::Icon;
using testing::FakeFrame;
using testing::FakeUi;
using testing::TempDir;
namespace cmd = resources::cmd;

class RecentClassesTest : public ::testing::Test {
protected:
    RecentClassesTest() {
        ui.programDirectory = dir.Path();
        client.KeepSettingsIn(settings);
    }

    std::string WriteClass(const std::string& name) {
        ClassRecord record = NewClassRecord();
        record.info.course = "Biology";
        AddStudent(record, "Adams", "Ann", "101");
        dir.Write(name, SerializeClassFile(record));
        return dir.File(name);
    }

    // The File menu's list as a teacher reads it: label, then the status hint.
    static std::vector<std::string> Shown(const FakeFrame& f) {
        std::vector<std::string> out;
        const auto it = f.menuLists.find(cmd::kDeleteFile);
        if (it == f.menuLists.end()) return out;
        for (const auto& item : it->second)
            out.push_back(item.kind == platform::MenuItem::Kind::Separator ? "-" : item.label + " | " + item.hint);
        return out;
    }

    TempDir dir;
    std::string settings = dir.File("config/quorle/quorle.conf");
    FakeUi ui;
    FakeFrame frame;
    TDecoClient client{frame, ui};
};

TEST_F(RecentClassesTest, ListsTheLastEightOpenedNewestFirstAndKeepsThemForTheNextRun) {
    const struct {
        int opened;
        std::vector<int> listed;  // class numbers, newest first
    } cases[] = {
        {0, {}},
        {1, {1}},
        {3, {3, 2, 1}},
        {8, {8, 7, 6, 5, 4, 3, 2, 1}},
        {9, {9, 8, 7, 6, 5, 4, 3, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opened);
        std::filesystem::remove(settings);
        FakeFrame first;
        TDecoClient opener(first, ui);
        opener.KeepSettingsIn(settings);
        for (int i = 1; i <= c.opened; ++i) opener.OpenClass(WriteClass("class" + std::to_string(i) + ".gdr"));
        std::vector<std::string> expected;
        if (!c.listed.empty()) expected.push_back("-");
        for (std::size_t i = 0; i < c.listed.size(); ++i) {
            const std::string name = "class" + std::to_string(c.listed[i]) + ".gdr";
            expected.push_back("&" + std::to_string(i + 1) + " " + name + " | " + dir.File(name));
        }
        EXPECT_EQ(Shown(first), expected);

        // The next run shows the same list before anything is opened.
        FakeFrame again;
        TDecoClient next(again, ui);
        next.KeepSettingsIn(settings);
        EXPECT_EQ(Shown(again), expected);
    }
}

TEST_F(RecentClassesTest, OpeningAListedClassAgainMovesItUpWithoutASecondEntry) {
    const std::string a = WriteClass("a.gdr");
    const std::string b = WriteClass("b.gdr");
    client.OpenClass(a);
    client.OpenClass(b);
    // Another way to the same file, while it is open and after it closed.
    client.OpenClass(dir.Path() + "/./a.gdr");
    EXPECT_EQ(client.RecentClasses(), (std::vector<std::string>{a, b}));
    client.Command(cmd::kCloseAll);
    client.Command(cmd::kRecentClass + 1);  // b
    EXPECT_EQ(client.RecentClasses(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(frame.Children().size(), 1u);
    EXPECT_TRUE(ui.boxes.empty());
    // The file holds the list, newest first, one path a line.
    const auto bytes = dir.Read("config/quorle/quorle.conf");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "recent=" + b + "\nrecent=" + a + "\n");
}

// A class gone from its folder is said to be missing, as Open says it, and
// leaves the list; one that is there but cannot be read stays.
TEST_F(RecentClassesTest, ChoosingAMissingClassSaysSoAndDropsIt) {
    const std::string kept = WriteClass("kept.gdr");
    const std::string gone = WriteClass("gone.gdr");
    const std::string broken = WriteClass("broken.gdr");
    for (const auto& path : {kept, gone, broken}) client.OpenClass(path);
    client.Command(cmd::kCloseAll);
    std::filesystem::remove(gone);
    dir.Write("broken.gdr", {'x'});
    const struct {
        int command;
        std::size_t boxes;
        const char* text;
        std::vector<std::string> after;
    } cases[] = {
        {cmd::kRecentClass + 3, 0, "", {broken, gone, kept}},  // past the list's end: nothing
        {cmd::kRecentClass + 1, 1, "File cannot be found!\nNo such file or folder: ", {broken, kept}},
        {cmd::kRecentClass + 0, 1, "Incorrect file format\n", {broken, kept}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const std::string path = c.command - cmd::kRecentClass < 3
                                     ? client.RecentClasses()[static_cast<std::size_t>(c.command - cmd::kRecentClass)]
                                     : std::string();
        ui.boxes.clear();
        client.Command(c.command);
        ASSERT_EQ(ui.boxes.size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(ui.boxes[0].caption, "Error!");
            EXPECT_EQ(ui.boxes[0].text, c.text + path);
            EXPECT_EQ(ui.boxes[0].icon, Icon::Stop);
        }
        EXPECT_EQ(client.RecentClasses(), c.after);
        EXPECT_EQ(ReadUserSettings(settings).recentClasses, c.after);
        EXPECT_TRUE(frame.Children().empty());
    }
    // The menu follows: two classes, renumbered.
    const auto& items = frame.menuLists.at(cmd::kDeleteFile);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].label, "&2 kept.gdr");
    EXPECT_EQ(items[2].id, cmd::kRecentClass + 1);
}

// Display > High Contrast Colours: a check mark, every class window's rows in
// darker colours that keep at least 4.5:1 against the white (red and magenta
// do not), the setting kept for the next run; again turns it off.
TEST_F(RecentClassesTest, HighContrastColoursAreReadableAndKept) {
    // Contrast of a colour against white, as WCAG measures it.
    const auto contrast = [](platform::Color c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        const double l = 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
        return 1.05 / (l + 0.05);
    };
    const auto weakest = [&] {
        double least = 100;
        for (int row = 0; row < 3; ++row) least = std::min(least, contrast(RowColor(row)));
        return least;
    };
    ASSERT_TRUE(client.OpenClass(WriteClass("bio.gdr")));
    EXPECT_LT(weakest(), 4.5);  // the usual colours
    const struct {
        bool on;
        std::string file;
    } steps[] = {{true, "contrast=high\n"}, {false, ""}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.on);
        client.Command(cmd::kHighContrast);
        EXPECT_EQ(frame.commandChecks[cmd::kHighContrast], step.on);
        EXPECT_EQ(weakest() >= 4.5, step.on) << weakest();
        const auto bytes = dir.Read("config/quorle/quorle.conf");
        EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("recent="), std::string::npos);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("contrast=high\n") != std::string::npos,
                  !step.file.empty());
        // The next run starts as this one ended.
        FakeFrame nextFrame;
        TDecoClient next{nextFrame, ui};
        EXPECT_FALSE(HighContrastRows());
        next.KeepSettingsIn(settings);
        EXPECT_EQ(HighContrastRows(), step.on);
        EXPECT_EQ(nextFrame.commandChecks[cmd::kHighContrast], step.on);
    }
    SetHighContrastRows(false);
}

}  // namespace
}  // namespace quorle
