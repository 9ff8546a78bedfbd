// Making a chart (the arrangement and its limits, the computer's fill, the
// seat number prompt), the chart window's menu, its paint, printout and keys.
#include "seating/SeatingChartWindow.h"

#include <gtest/gtest.h>

#include <tuple>

#include "reports/ReportFixtures.h"
#include "resources/SeatingDialogs.h"
#include "resources/SeatingMenu.h"
#include "seating/ChartFixture.h"
#include "seating/ChartPicture.h"
#include "seating/SeatDialogs.h"

namespace quorle::testing {
namespace {

using platform::Answer;

// Ticks boxes k (0..69) in the arrangement dialog, clicking each once.
void Tick(FakeDialogHost& host, std::initializer_list<int> boxes) {
    for (int k : boxes) host.Click(resources::kIdFirstSeatBox + k);
}
void TickFirst(FakeDialogHost& host, int count) {
    for (int k = 0; k < count; ++k) host.Click(resources::kIdFirstSeatBox + k);
}

TEST(ChooseSeatArrangement, LimitsAndTheirMessages) {
    struct Case {
        int ticked;
        const char* message;  // nullptr: accepted
    } cases[] = {{51, "You can have no more than 50 seats."}, {50, nullptr}, {2, "You need as many seats as students."},
                 {3, nullptr}, {70, "You can have no more than 50 seats."}};
    for (const Case& c : cases) {
        ChartFixture f;
        bool closed = false;
        f.ui.dialogs.push_back([&](FakeDialogHost& host) {
            EXPECT_EQ(host.GetDialog().Resource().caption, "Choose Seat Arrangement");
            TickFirst(host, c.ticked);
            closed = host.PressOk();
            if (!closed) host.PressCancel();
        });
        SeatArrangement values{};
        const bool ok = f.chart->ChooseSeatArrangement(values);
        EXPECT_EQ(ok, c.message == nullptr) << c.ticked;
        EXPECT_EQ(closed, c.message == nullptr) << c.ticked;
        if (c.message) {
            ASSERT_EQ(f.ui.boxes.size(), 1u) << c.ticked;
            EXPECT_EQ(f.ui.boxes[0].text, c.message);
            EXPECT_EQ(f.ui.boxes[0].caption, "Information");
            EXPECT_EQ(f.ui.boxes[0].icon, platform::Icon::Information);
        } else {
            EXPECT_TRUE(f.ui.boxes.empty()) << c.ticked;
            EXPECT_EQ(CountSeats(f.chart->ScratchGrid()), c.ticked);
        }
        // The values hold the ticks of the last OK either way.
        EXPECT_EQ(std::count(values.begin(), values.end(), 1), c.ticked);
    }
}

TEST(ChooseSeatArrangement, TheGridHoldsExactlyTheBoxesTickedAtTheLastOk) {
    ChartFixture f;
    SeatArrangement values{};
    values[0] = values[15] = 1;  // remembered: column 0 place 0, column 1 place 5
    f.ui.dialogs.push_back([](FakeDialogHost& host) {
        EXPECT_TRUE(host.IsChecked(101));
        EXPECT_TRUE(host.IsChecked(116));
        EXPECT_FALSE(host.IsChecked(102));
        TickFirst(host, 70);  // unticks 0 and 15, ticks the other 68
        EXPECT_FALSE(host.PressOk());
        Tick(host, {0, 15});  // ticks 0 and 15 again: 70 ticked
        for (int k = 1; k < 70; ++k)
            if (k != 15 && k != 69) host.Click(resources::kIdFirstSeatBox + k);
        EXPECT_TRUE(host.PressOk());  // 0, 15 and 69
    });
    ASSERT_TRUE(f.chart->ChooseSeatArrangement(values));
    SeatGrid expected{};
    SetDesk(expected, 0, 0, true);
    SetDesk(expected, 1, 5, true);
    SetDesk(expected, 6, 9, true);
    EXPECT_EQ(f.chart->ScratchGrid(), expected);
    SeatArrangement expectedValues{};
    expectedValues[0] = expectedValues[15] = expectedValues[69] = 1;
    EXPECT_EQ(values, expectedValues);
}

TEST(OpenSeatingChart, TheComputerSeatsTheClassAndTheArrangementIsRemembered) {
    ChartFixture f;
    f.ui.dialogs.push_back([](FakeDialogHost& host) {
        Tick(host, {0, 1, 10});  // exactly as many desks as students
        host.PressOk();
    });
    f.ui.answers = {Answer::Yes};
    f.chart->OpenSeatingChart();
    EXPECT_EQ(f.ui.boxes.at(0).text, "Do you want the computer to make the chart?");
    EXPECT_EQ(f.ui.boxes.at(0).caption, "Question");
    const SeatingChart stored = f.StoredChart();
    EXPECT_EQ(stored.seatCount, 3);
    EXPECT_EQ(OccupiedSeats(stored.seats), 3);
    for (auto [last, first] : {std::pair{"Adams", "Ann"}, {"Baker", "Bob"}, {"Cole", "Cy"}})
        EXPECT_GE(FindSeat(stored.seats, last, first), 0) << last;
    EXPECT_EQ(f.dir.Read("bio.CHT").size(), 125u + 90u);
    EXPECT_EQ(ReadSeatArrangement(f.dir.Path())[10], 1);
    EXPECT_TRUE(f.Window().Shown());
    EXPECT_EQ(f.windowHost->caption, "Seating Chart for " + f.dir.File("bio.CHT"));
    EXPECT_EQ(f.Window().Chart(), stored);

    // The next Seating Chart shows the stored chart.
    f.Window().CloseChart();
    EXPECT_FALSE(f.Window().Shown());
    EXPECT_EQ(f.classShown, 1);
    f.chart->OpenSeatingChart();
    EXPECT_TRUE(f.Window().Shown());
    EXPECT_EQ(f.ui.dialogCaptions.size(), 1u);
}

TEST(OpenSeatingChart, CancelWritesNothingAndABadChartIsNotShown) {
    ChartFixture f;
    f.chart->OpenSeatingChart();  // the dialog is cancelled
    EXPECT_EQ(f.ui.dialogCaptions, std::vector<std::string>{"Choose Seat Arrangement"});
    EXPECT_FALSE(f.dir.Exists("QUORLE.SEA"));
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));
    EXPECT_TRUE(f.ui.boxes.empty());

    f.dir.Write("bio.CHT", {0, 0, 0});
    f.chart->OpenSeatingChart();
    EXPECT_EQ(f.ui.BoxTexts(),
              std::vector<std::string>{"File cannot be opened!\nNot a seating chart: " + f.dir.File("bio.CHT")});
    EXPECT_FALSE(f.Window().Shown());

    ClassRecord unsaved = NewClassRecord();
    TClassChart chart(f.ui, unsaved);
    chart.OpenSeatingChart();
    EXPECT_EQ(f.ui.boxes.back().text, "Save the class before making its seating chart.");
}

struct HandFill : ChartFixture {
    HandFill() {
        ui.dialogs.push_back([](FakeDialogHost& host) {
            Tick(host, {0, 1, 2, 3});
            host.PressOk();
        });
        ui.answers = {Answer::No};
        chart->OpenSeatingChart();
        ui.boxes.clear();
    }
};

TEST(HandFilling, ThePromptAsksEachStudentBesideTheWindowUntilTheLast) {
    HandFill f;
    EXPECT_TRUE(f.Window().Shown());
    EXPECT_EQ(f.windowHost->caption, "Seating Chart for " + f.dir.File("bio.gdr"));
    FakeDialogHost* prompt = f.ui.Modeless("Seat Number");
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(prompt->IsVisible());
    struct Step {
        const char* entry;
        const char* message;   // nullptr: seated
        const char* question;  // asked after the step
    } steps[] = {
        {"0", "This seat does not exist.", "What seat number for Ann Adams?"},
        {"", "This seat does not exist.", "What seat number for Ann Adams?"},
        {"5", "This seat does not exist.", "What seat number for Ann Adams?"},
        {"2", nullptr, "What seat number for Bob Baker?"},
        {"2", "This seat is already taken.", "What seat number for Bob Baker?"},
        {"4", nullptr, "What seat number for Cy Cole?"},
    };
    for (const Step& s : steps) {
        f.ui.boxes.clear();
        prompt->Type(resources::kIdSeatEntry, s.entry);
        EXPECT_FALSE(prompt->PressOk()) << s.entry;
        EXPECT_TRUE(prompt->IsVisible());
        EXPECT_EQ(f.ui.BoxTexts(), s.message ? std::vector<std::string>{s.message} : std::vector<std::string>{})
            << s.entry;
        EXPECT_EQ(prompt->Text(resources::kIdSeatQuestion), s.question) << s.entry;
        EXPECT_EQ(prompt->Text(resources::kIdSeatEntry), "");  // emptied for the next answer
        EXPECT_FALSE(f.dir.Exists("bio.CHT"));                 // nothing written before the last student
    }
    EXPECT_EQ(f.Window().Picture()[4], "*Ann            *");
    prompt->Type(resources::kIdSeatEntry, "1");
    EXPECT_TRUE(prompt->PressOk());
    EXPECT_FALSE(prompt->IsVisible());
    EXPECT_TRUE(f.Window().Shown());
    EXPECT_EQ(f.StoredChart().seats, (SeatList{TPeople::Seated("Cy", "Cole"), TPeople::Seated("Ann", "Adams"),
                                               TPeople::Free(), TPeople::Seated("Bob", "Baker")}));
    EXPECT_EQ(f.windowHost->caption, "Seating Chart for " + f.dir.File("bio.CHT"));

    // Cancel in the prompt of the next new chart gives it up: nothing seated,
    // nothing written, both windows hidden, the class window shown.
    f.ui.answers = {Answer::Yes, Answer::No};
    f.Window().Command(resources::cmd::kDeleteChart);
    f.ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });  // the remembered four desks
    f.chart->OpenSeatingChart();
    ASSERT_TRUE(prompt->IsVisible());
    EXPECT_EQ(prompt->Text(resources::kIdSeatQuestion), "What seat number for Ann Adams?");
    prompt->Type(resources::kIdSeatEntry, "2");
    prompt->PressOk();
    prompt->PressCancel();
    EXPECT_FALSE(prompt->IsVisible());
    EXPECT_FALSE(f.Window().Shown());
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));
    EXPECT_EQ(OccupiedSeats(f.Window().Chart().seats), 0);
    EXPECT_EQ(f.Window().PromptQuestion(), "What seat number for Ann Adams?");
    EXPECT_EQ(f.classShown, 2);  // after Delete Chart and after Cancel
}

TEST(HandFilling, DeleteChartMeanwhileLeavesTheClassFile) {
    HandFill f;
    f.dir.Write("bio.gdr", {7, 7, 7});
    f.Window().PromptOk("1");
    f.ui.answers = {Answer::Yes};
    f.Window().Command(resources::cmd::kDeleteChart);
    EXPECT_EQ(f.ui.boxes.at(0).text, "Are you sure you want to delete this chart?");
    EXPECT_EQ(f.ui.boxes.at(0).caption, "Confirmation");
    EXPECT_EQ(f.dir.Read("bio.gdr"), (std::vector<unsigned char>{7, 7, 7}));
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));
    EXPECT_FALSE(f.Window().HandFilling());
    EXPECT_FALSE(f.Window().PromptShown());
    EXPECT_FALSE(f.Window().Shown());
}

struct ShownChart : ChartFixture {
    ShownChart() {
        PutChart(ColumnChart(3, {TPeople::Seated("Ann", "Adams"), TPeople::Free(), TPeople::Seated("Bob", "Baker")}));
        chart->EnsureWindow().LoadAndShow(record.fileName);
    }
    void Switch(const char* from, const char* to) {
        ui.dialogs.push_back([from, to](FakeDialogHost& host) {
            EXPECT_EQ(host.Text(resources::kIdSwitchFrom), "");
            host.Type(resources::kIdSwitchFrom, from);
            host.Type(resources::kIdSwitchTo, to);
            host.PressOk();
        });
    }
};

TEST(SwitchSeats, SwapsOccupantsAndWritesTheChart) {
    ShownChart f;
    const auto before = f.ChartBytes();
    f.Switch("2", "2");
    f.Window().Command(resources::cmd::kSwitchSeats);
    EXPECT_EQ(f.ChartBytes(), before);

    f.Switch("0", "1");
    f.Switch("1", "4");
    f.Switch("3", "1");
    f.Window().Command(resources::cmd::kSwitchSeats);
    EXPECT_EQ(f.ui.BoxTexts(),
              (std::vector<std::string>{"The seat numbers are not valid.", "The seat numbers are not valid."}));
    EXPECT_EQ(f.ui.boxes[0].caption, "Warning");
    EXPECT_EQ(f.StoredChart().seats, (SeatList{TPeople::Seated("Bob", "Baker"), TPeople::Free(),
                                               TPeople::Seated("Ann", "Adams")}));
    EXPECT_EQ(f.Window().Picture()[1], "*Bob            *");

    // A free seat moves like an occupied one; Cancel changes nothing.
    f.Switch("2", "3");
    f.Window().Command(resources::cmd::kSwitchSeats);
    EXPECT_EQ(f.StoredChart().seats[1], TPeople::Seated("Ann", "Adams"));
    const auto after = f.ChartBytes();
    f.Window().Command(resources::cmd::kSwitchSeats);
    EXPECT_EQ(f.ChartBytes(), after);
}

TEST(DeleteChart, NoKeepsItYesDeletesIt) {
    ShownChart f;
    f.ui.answers = {Answer::No};
    f.Window().Command(resources::cmd::kDeleteChart);
    EXPECT_TRUE(f.dir.Exists("bio.CHT"));
    EXPECT_TRUE(f.Window().Shown());
    f.ui.answers = {Answer::Yes};
    f.Window().Command(resources::cmd::kDeleteChart);
    EXPECT_FALSE(f.dir.Exists("bio.CHT"));
    EXPECT_FALSE(f.Window().Shown());
    // The next Seating Chart starts with the arrangement again.
    f.chart->OpenSeatingChart();
    EXPECT_EQ(f.ui.dialogCaptions.back(), "Choose Seat Arrangement");
}

TEST(ChartPaint, TheScreenShowsOnlyTheBoxesThePageAddsHeadingBackAndFront) {
    ShownChart f;
    RecordingCanvas screen = f.windowHost->Paint();
    ASSERT_FALSE(screen.fonts.empty());
    EXPECT_EQ(screen.fonts[0].face, "Courier New");
    EXPECT_EQ(screen.fonts[0].height, 16);
    EXPECT_EQ(screen.Find("Back"), nullptr);
    EXPECT_EQ(screen.Find("Front"), nullptr);
    const auto picture = ChartPictureText(f.Window().Chart());
    ASSERT_EQ(screen.texts.size(), picture.size());
    for (std::size_t i = 0; i < picture.size(); ++i) {
        EXPECT_EQ(screen.texts[i].text, picture[i]);
        EXPECT_EQ(screen.texts[i].y, static_cast<int>(i) * 16);
        EXPECT_EQ(screen.texts[i].x, 0);
    }
    // The scroller covers the widest line and the 50 lines.
    EXPECT_EQ(f.Window().GetScroller().xRange, 17 * 8 / 5);
    EXPECT_EQ(f.Window().GetScroller().yRange, 50 * 16 / 5);

    RecordingPrintDevice device(2400, 3200);
    f.ui.printDialogs.push_back(PrintDialogOk(device));
    f.Window().Command(resources::cmd::kPrintChart);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.documents, std::vector<std::string>{"Seating Chart"});
    const auto texts = device.pages[0].texts;
    const int h = 36;  // 3200 / 90, rounded: the report font of 90 lines a page
    ASSERT_EQ(texts.size(), 3 + picture.size());
    EXPECT_EQ(texts[0].text, "  Seating Chart for Biology, Period 3");
    EXPECT_EQ(texts[0].x, 10);
    EXPECT_EQ(texts[1].text, "Back");
    EXPECT_EQ(texts[1].x, 800);
    EXPECT_EQ(texts[1].y, 2 * h);
    EXPECT_EQ(texts[2].text, picture[0]);
    EXPECT_EQ(texts[2].y, 4 * h);
    const DrawnText& front = texts.back();
    EXPECT_EQ(front.text, "Front");
    EXPECT_EQ(front.x, 800);
    // Under the last box line, the first empty line and one more.
    EXPECT_EQ(front.y, (4 + static_cast<int>(picture.size()) + 2) * h);
    EXPECT_EQ(front.fontHeight, h);
}

TEST(ChartKeys, MoveTheViewWithinItsRange) {
    ShownChart f;
    f.windowHost->Paint();
    auto& s = f.Window().GetScroller();
    f.Window().ScrollTo(0, 20);
    struct Case {
        platform::Key key;
        int x, y;
    } cases[] = {{platform::Key::End, s.xRange, 20}, {platform::Key::Home, 0, 20},
                 {platform::Key::Right, 4, 20},      {platform::Key::Left, 0, 20},
                 {platform::Key::PageDown, 0, 140},      {platform::Key::PageDown, 0, s.yRange},
                 {platform::Key::PageUp, 0, s.yRange - 120}};
    for (const Case& c : cases) {
        EXPECT_TRUE(f.Window().KeyDown(c.key));
        EXPECT_EQ(s.xPos, c.x);
        EXPECT_EQ(s.yPos, c.y);
    }
    EXPECT_FALSE(f.Window().KeyDown(platform::Key::Other));
}

TEST(ChartKeys, UpAndDownWalkTheSeatsIntoViewEscapeAndCtrlWClose) {
    ShownChart f;
    f.windowHost->Resize({400, 40});
    f.windowHost->Paint();
    // Boxes on lines 0-3, 3-6, 6-9 of 16 pixels, in a view 40 high: a box's top comes into view.
    using K = platform::Key;
    const std::tuple<K, int, int> cases[] = {{K::Down, 1, 9}, {K::Down, 2, 19}, {K::Down, 2, 19}, {K::Up, 1, 9}, {K::Up, 0, 0}};
    for (const auto& [key, seat, y] : cases) {
        EXPECT_TRUE(f.Window().KeyDown(key));
        EXPECT_EQ(f.windowHost->text->FocusedLine(), seat);
        EXPECT_EQ(f.Window().GetScroller().yPos, y);
    }
    EXPECT_EQ(f.windowHost->focusMoves, 5);
    for (const char* keys : {"Escape", "Ctrl+W"}) {
        f.Window().ShowWindow();
        f.windowHost->PressAccelerator(keys);
        EXPECT_FALSE(f.Window().Shown()) << keys;
    }
}

}  // namespace
}  // namespace quorle::testing
