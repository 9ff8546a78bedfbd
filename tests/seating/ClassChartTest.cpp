// The chart hooks the roster calls: seat a new student (computer or hand, the
// full chart's message), remove, rename; the chart window follows its file.
#include "seating/ClassChart.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include "record/Binary.h"
#include "resources/SeatingDialogs.h"
#include "seating/ChartFixture.h"

namespace quorle::testing {
namespace {

using platform::Answer;

TStudent Student(const char* last, const char* first) { return TStudent(last, first, "9"); }

TEST(SeatNewStudent, WithoutAChartOrWithABadOneNothingChanges) {
    ChartFixture f;
    f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
    EXPECT_TRUE(f.ui.boxes.empty());
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));

    f.dir.Write("bio.CHT", {1, 2, 3});
    f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
    ASSERT_EQ(f.ui.boxes.size(), 1u);
    EXPECT_EQ(f.ui.boxes[0].caption, "Warning");
    EXPECT_EQ(f.ui.boxes[0].text, "File cannot be opened!\nNot a seating chart: " + f.dir.File("bio.CHT"));
    EXPECT_EQ(f.ui.boxes[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(f.ChartBytes(), (std::vector<unsigned char>{1, 2, 3}));
}

TEST(SeatNewStudent, AFullChartSaysSoAndIsNotChanged) {
    ChartFixture f;
    // Every desk taken, one by a first name alone: still occupied.
    f.PutChart(ChartFixture::ColumnChart(2, {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Zed", "")}),
               "other.cht");
    const auto before = f.ChartBytes("other.cht");
    f.chart->SeatNewStudent(f.dir.File("other.gdr"), Student("Dunn", "Di"));
    ASSERT_EQ(f.ui.boxes.size(), 1u);
    EXPECT_EQ(f.ui.boxes[0].caption, "Information");
    EXPECT_EQ(f.ui.boxes[0].text,
              "The current seating chart does not have enough seats.Please delete this chart and make a new one for "
              "this class.");
    EXPECT_EQ(f.ui.boxes[0].icon, platform::Icon::Information);
    EXPECT_EQ(f.ChartBytes("other.cht"), before);
}

TEST(SeatNewStudent, TheComputerPicksAFreeSeat) {
    ChartFixture f;
    f.PutChart(ChartFixture::ColumnChart(4, {TPeople::Seated("Ann", "Adams"), TPeople::Free(),
                                             TPeople::Seated("Bob", "Baker"), TPeople::Free()}));
    f.ui.answers = {Answer::Yes};
    f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
    ASSERT_EQ(f.ui.boxes.size(), 1u);
    EXPECT_EQ(f.ui.boxes[0].caption, "Assign Seat");
    EXPECT_EQ(f.ui.boxes[0].text, "Do you want the computer to assign Di Dunn a seat?");
    EXPECT_EQ(f.ui.boxes[0].buttons, platform::Buttons::YesNo);
    const SeatingChart stored = f.StoredChart();
    ASSERT_EQ(stored.seats.size(), 4u);
    EXPECT_EQ(stored.seats[0], TPeople::Seated("Ann", "Adams"));
    EXPECT_EQ(stored.seats[2], TPeople::Seated("Bob", "Baker"));
    const TPeople di = TPeople::Seated("Di", "Dunn");
    EXPECT_TRUE(stored.seats[1] == di || stored.seats[3] == di);
    EXPECT_EQ(OccupiedSeats(stored.seats), 3);
    EXPECT_EQ(f.chart->Window(), nullptr);  // no window needed
}

TEST(SeatNewStudent, ByHandAsksUntilAFreeSeatIsNamed) {
    ChartFixture f;
    f.PutChart(ChartFixture::ColumnChart(3, {TPeople::Seated("Ann", "Adams")}), "other.CHT");
    f.ui.answers = {Answer::No};
    std::vector<std::string> questions;
    auto answer = [&](const char* typed) {
        f.ui.dialogs.push_back([&, typed](FakeDialogHost& host) {
            questions.push_back(host.Text(resources::kIdSeatQuestion));
            EXPECT_EQ(f.Window().Caption(), "Transfer seating chart");
            EXPECT_TRUE(f.Window().Shown());
            if (typed) {
                host.Type(resources::kIdSeatEntry, typed);
                host.PressOk();
            } else {
                host.PressCancel();
            }
        });
    };
    answer("0");      // does not exist
    answer("");       // nothing reads as 0
    answer("4");      // above the seat count
    answer("1");      // taken
    answer(nullptr);  // Cancel takes "1" again: taken
    answer("3");
    f.chart->SeatNewStudent(f.dir.File("other.gdr"), Student("Dunn", "Di"));
    EXPECT_EQ(questions, std::vector<std::string>(6, "What seat number for Di Dunn?"));
    EXPECT_EQ(f.ui.BoxTexts(), (std::vector<std::string>{
                                   "Do you want the computer to assign Di Dunn a seat?", "This seat does not exist.",
                                   "This seat does not exist.", "This seat does not exist.",
                                   "This seat is already taken.", "This seat is already taken."}));
    EXPECT_EQ(f.StoredChart("other.CHT").seats[2], TPeople::Seated("Di", "Dunn"));
    EXPECT_FALSE(f.Window().Shown());
}

TEST(SeatNewStudent, ByHandAfterThreeCancelsTheComputerSeats) {
    ChartFixture f;
    f.PutChart(ChartFixture::ColumnChart(2, {TPeople::Seated("Ann", "Adams")}));
    f.ui.answers = {Answer::No};  // then no dialog scripts: every prompt is cancelled
    f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
    EXPECT_EQ(f.ui.dialogCaptions, std::vector<std::string>(3, "Seat Number"));
    EXPECT_EQ(f.StoredChart().seats[1], TPeople::Seated("Di", "Dunn"));
}

TEST(RemoveAndRename, ChangeTheFirstMatchingSeatOnly) {
    ChartFixture f;
    const SeatList seats = {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Ann", "Baker"),
                            TPeople::Seated("Ann", "Baker"), TPeople::Seated("Bob", "Cole")};
    struct Case {
        const char* name;
        std::function<void(TClassChart&)> act;
        SeatList expected;
    };
    const Case cases[] = {
        {"remove the student whose first name a student seated earlier shares",
         [](TClassChart& c) { c.RemoveFromChart("Baker", "Ann"); },
         {seats[0], TPeople::Free(), seats[2], seats[3]}},
        {"remove: last and first name must both match", [](TClassChart& c) { c.RemoveFromChart("Cole", "Ann"); },
         seats},
        {"rename the first of two namesakes",
         [](TClassChart& c) { c.RenameInChart("Baker", "Ann", "Barker", "Anne"); },
         {seats[0], TPeople::Seated("Anne", "Barker"), seats[2], seats[3]}},
        {"rename a name of fourteen characters",
         [](TClassChart& c) { c.RenameInChart("Cole", "Bob", "Featherstonehaugh", "Bob"); },
         {seats[0], seats[1], seats[2], TPeople::Seated("Bob", "Featherstoneha")}},
    };
    for (const Case& c : cases) {
        f.PutChart(ChartFixture::ColumnChart(4, seats));
        c.act(*f.chart);
        EXPECT_EQ(f.StoredChart().seats, c.expected) << c.name;
    }
    EXPECT_TRUE(f.ui.boxes.empty());
}

// A chart that cannot be written is reported with the reason and the file,
// and the caller learns of it; a readable chart is untouched.
TEST(SeatNewStudent, AChartThatCannotBeWrittenIsReportedWithItsReason) {
    const struct {
        const char* what;
        bool readOnly;
        int fault;
        std::string text;
        bool seated;
    } cases[] = {
        {"read-only", true, 0, "File cannot be opened!\nPermission denied: ", false},
        {"full disk", false, ENOSPC, "File cannot be opened!\nNo space left on device: ", false},
        {"writable", false, 0, "", true},
    };
    for (const auto& c : cases) {
        ChartFixture f;
        const auto bytes = SerializeChartFile(ChartFixture::ColumnChart(4));
        f.dir.Write("bio.CHT", bytes);
        if (c.readOnly) ::chmod(f.dir.File("bio.CHT").c_str(), 0444);
        f.ui.answers = {Answer::Yes};
        bool seated = false;
        {
            const ScopedWriteFault fault(c.fault ? "bio.CHT" : "\n", c.fault);
            seated = f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
        }
        EXPECT_EQ(seated, c.seated) << c.what;
        if (c.seated) {
            EXPECT_TRUE(f.ui.boxes.empty() || f.ui.boxes.back().caption != "Warning") << c.what;
            EXPECT_NE(f.ChartBytes(), bytes) << c.what;
        } else {
            ASSERT_FALSE(f.ui.boxes.empty()) << c.what;
            EXPECT_EQ(f.ui.boxes.back().caption, "Warning");
            EXPECT_EQ(f.ui.boxes.back().text, c.text + f.dir.File("bio.CHT")) << c.what;
            EXPECT_EQ(f.ChartBytes(), bytes) << c.what;
        }
    }
}

TEST(RemoveAndRename, WithoutAChartNothingHappensAndABadChartIsReported) {
    ChartFixture f;
    f.chart->RemoveFromChart("Adams", "Ann");
    f.chart->RenameInChart("Adams", "Ann", "A", "B");
    EXPECT_TRUE(f.ui.boxes.empty());
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));
    auto shortChart = SerializeChartFile(ChartFixture::ColumnChart(2));
    shortChart.pop_back();
    f.dir.Write("bio.CHT", shortChart);
    f.chart->RemoveFromChart("Adams", "Ann");
    f.chart->RenameInChart("Adams", "Ann", "A", "B");
    const std::string why = "File cannot be opened!\nNot a seating chart: " + f.dir.File("bio.CHT");
    EXPECT_EQ(f.ui.BoxTexts(), (std::vector<std::string>{why, why}));
    EXPECT_EQ(f.ChartBytes(), shortChart);
}

// The chart window showing the chart follows every hook's change (and keeps
// its own state through a transfer's seating), so a later Switch Seats cannot
// write an older chart back.
TEST(Hooks, TheOpenChartWindowFollowsTheFile) {
    ChartFixture f;
    f.PutChart(ChartFixture::ColumnChart(3, {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Bob", "Baker")}));
    ASSERT_TRUE(f.chart->EnsureWindow().LoadAndShow(f.record.fileName));
    const std::string caption = f.Window().Caption();
    f.chart->RenameInChart("Baker", "Bob", "Baker", "Robert");
    f.chart->RemoveFromChart("Adams", "Ann");
    f.ui.answers = {Answer::No};
    f.ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Type(resources::kIdSeatEntry, "3");
        host.PressOk();
    });
    f.chart->SeatNewStudent(f.record.fileName, Student("Dunn", "Di"));
    EXPECT_EQ(f.Window().Caption(), caption);
    EXPECT_TRUE(f.Window().Shown());
    EXPECT_EQ(f.Window().Chart().seats,
              (SeatList{TPeople::Free(), TPeople::Seated("Robert", "Baker"), TPeople::Seated("Di", "Dunn")}));
    EXPECT_EQ(f.Window().Picture()[4], "*Robert         *");
}

}  // namespace
}  // namespace quorle::testing
