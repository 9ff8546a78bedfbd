// Options > Seating Chart in a class window: the chart window it makes once,
// with menu 1 and its status texts, and Close Chart back to the class.
#include <gtest/gtest.h>

#include "classwin/ClassFixture.h"
#include "resources/Menus.h"
#include "resources/SeatingDialogs.h"
#include "resources/SeatingMenu.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

TEST(SeatingChartCommand, MakesTheChartWindowOnceWithItsMenu) {
    TempDir dir;
    ClassRecord record = SmallClass();
    record.fileName = dir.File("algebra.gdr");
    ClassWindowFixture f(std::move(record));
    f.ui.programDirectory = dir.Path();
    f.ui.dialogs.push_back([](FakeDialogHost& host) {
        for (int id : {101, 102, 111}) host.Click(id);
        host.PressOk();
    });
    f.ui.answers = {platform::Answer::Yes};
    ASSERT_TRUE(f.child->Command(resources::cmd::kSeatingChart));
    ASSERT_EQ(f.frame.TopWindows().size(), 1u);
    FakeTopWindowHost& chart = *f.frame.TopWindows()[0];
    EXPECT_TRUE(chart.IsVisible());
    EXPECT_EQ(chart.caption, "Seating Chart for " + dir.File("algebra.CHT"));
    EXPECT_EQ(chart.MenuLabels(), (std::vector<std::string>{"&Options", "&Switch Seats", "&Delete Chart",
                                                             "&Print Chart", "-", "&Close Chart"}));
    const struct {
        int id;
        const char* hint;
    } hints[] = {{resources::cmd::kSwitchSeats, "Switches the occupants of two seats"},
                 {resources::cmd::kDeleteChart, "Deletes the seating chart file from disk"},
                 {resources::cmd::kPrintChart, "Prints the seating chart"},
                 {resources::cmd::kCloseChart, "Closes the seating chart"}};
    for (const auto& h : hints) EXPECT_EQ(chart.HoverMenuItem(h.id), h.hint);
    EXPECT_TRUE(dir.Exists("algebra.CHT"));

    // Close Chart hides it and goes back to the class; the next command shows it again.
    const int shows = f.Host().showCount;
    chart.ChooseCommand(resources::cmd::kCloseChart);
    EXPECT_FALSE(chart.IsVisible());
    EXPECT_GT(f.Host().showCount, shows);
    f.child->Command(resources::cmd::kSeatingChart);
    EXPECT_TRUE(chart.IsVisible());
    chart.PressCloseBox();
    EXPECT_FALSE(chart.IsVisible());
    EXPECT_EQ(f.frame.TopWindows().size(), 1u);
    EXPECT_EQ(f.ui.dialogCaptions, std::vector<std::string>{"Choose Seat Arrangement"});
}

// The chart goes beside the name the class has now: after Save As, a chart
// finished by hand, or seats switched in a chart already shown, are written
// beside the new name, and the old file's chart stays as it was.
TEST(SeatingChartCommand, AChartWrittenAfterSaveAsGoesBesideTheNewName) {
    const struct {
        const char* name;
        bool handFilled;  // else the computer makes it before Save As, then seats 1 and 2 are switched
    } cases[] = {{"filled by hand", true}, {"switched seats", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ClassRecord record = SmallClass();
        record.fileName = dir.File("algebra.gdr");
        ClassWindowFixture f(std::move(record));
        f.ui.programDirectory = dir.Path();
        f.ui.dialogs.push_back([](FakeDialogHost& host) {
            for (int id : {101, 102, 111}) host.Click(id);
            host.PressOk();
        });
        f.ui.answers = {c.handFilled ? platform::Answer::No : platform::Answer::Yes};
        f.child->Command(resources::cmd::kSeatingChart);
        TSeatingChartWindow& window = *f.child->Chart().Window();
        const auto oldChart = c.handFilled ? std::vector<unsigned char>{} : dir.Read("algebra.CHT");

        f.ui.fileNames = {dir.File("renamed.gdr")};
        ASSERT_TRUE(f.child->SaveAs());
        if (c.handFilled) {
            EXPECT_FALSE(window.PromptOk("3"));
            EXPECT_FALSE(window.PromptOk("1"));
            EXPECT_TRUE(window.PromptOk("2"));
        } else {
            f.ui.dialogs.push_back([](FakeDialogHost& host) {
                host.Type(resources::kIdSwitchFrom, "1");
                host.Type(resources::kIdSwitchTo, "2");
                host.PressOk();
            });
            window.Command(resources::cmd::kSwitchSeats);
        }
        const auto written = ReadChartFile(dir.File("renamed.CHT"));
        ASSERT_TRUE(written);
        EXPECT_EQ(written->seats, window.Chart().seats);
        EXPECT_EQ(OccupiedSeats(written->seats), 3);
        if (c.handFilled) {
            EXPECT_FALSE(dir.Exists("algebra.CHT"));
            EXPECT_EQ(written->seats[2], TPeople::Seated("Ann", "Adams"));
            EXPECT_EQ(f.frame.TopWindows()[0]->caption, "Seating Chart for " + dir.File("renamed.CHT"));
        } else {
            EXPECT_EQ(dir.Read("algebra.CHT"), oldChart);
            EXPECT_NE(dir.Read("renamed.CHT"), oldChart);
        }
    }
}

}  // namespace
}  // namespace quorle::testing
