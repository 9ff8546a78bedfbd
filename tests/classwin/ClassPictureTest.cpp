// The class picture: which band an average falls in, the bars and counts a
// teacher reads off it, its window (Display > Class Picture) as it follows the
// class, and its page.
#include "classwin/ClassPicture.h"

#include <gtest/gtest.h>

#include "classwin/ClassFixture.h"
#include "classwin/ClassPictureWindow.h"
#include "classwin/PicturePlots.h"
#include "record/ClassFile.h"
#include "reports/PrintJob.h"
#include "reports/ReportFixtures.h"
#include "resources/Menus.h"
#include "resources/PictureMenu.h"

namespace quorle::testing {
namespace {

namespace cmd = resources::cmd;

// One test worth 100 points; each student's score is his overall average
// (an empty value: nothing graded, the grade omitted).
ClassRecord AveragesClass(const std::vector<float>& averages) {
    ClassRecord record = PointsClass();
    AddStudents(record, static_cast<int>(averages.size()));
    AddItem(record, kTests, "T1", 100, averages);
    return record;
}

TEST(ClassPicture, AnAverageFallsInTheBandItIsShownIn) {
    const struct {
        float average;
        int band;
    } cases[] = {
        {0.0f, 0},     {4.99f, 0},   {4.994f, 0},  {4.996f, 1},   // shown as 5.00
        {5.0f, 1},     {9.99f, 1},   {10.0f, 2},   {94.99f, 18},  {95.0f, 19},
        {99.99f, 19},  {100.0f, 19}, {100.004f, 19}, {100.01f, 20}, {250.0f, 20}, {1.0e9f, 20},
    };
    for (const auto& c : cases) EXPECT_EQ(AverageBand(c.average), c.band) << c.average;
}

TEST(ClassPicture, WhatTheTeacherReadsOffThePicture) {
    ClassRecord plus = AveragesClass({98, 91, 50, 91});
    plus.grading.plusMinusFlag = 1;
    const char* limits[] = {"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"};
    for (std::size_t i = 0; i < 12; ++i) plus.grading.plusLimits[i] = LimitText(limits[i]);
    ClassRecord empty = PointsClass();
    ClassRecord ungraded = AveragesClass({kOmitMarker, kOmitMarker});
    ClassRecord noItems = PointsClass();
    AddStudents(noItems, 1);

    std::vector<float> thousand(800, 95.0f);  // far more students than the plot has pixels
    thousand.resize(990, 85.0f);
    thousand.resize(1000, 40.0f);
    const std::vector<std::string> plain = {"A", "B", "C", "D", "F"};
    struct Case {
        const char* name;
        ClassRecord record;
        std::vector<std::string> letters;
        std::map<std::string, std::string> letterCounts;  // the letters not named show "0"
        std::map<int, std::string> bands;                  // the bands with a bar
        std::string average;                               // the label, "" for none
        std::string note;                                  // "" for none
    };
    const std::vector<Case> cases = {
        {"the limits of the bands", AveragesClass({4.99f, 5.0f, 100.0f, 100.01f, 9.99f}), plain,
         {{"A", "2"}, {"F", "3"}}, {{0, "1"}, {1, "2"}, {19, "1"}, {20, "1"}}, "Class Average 44.00", ""},
        {"a student left out", AveragesClass({95, 85, kOmitMarker}), plain, {{"A", "1"}, {"B", "1"}},
         {{19, "1"}, {17, "1"}}, "Class Average 90.00", "1 student with nothing graded yet is not counted."},
        {"plus and minus", plus,
         {"A+", "A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-", "F"},
         {{"A+", "1"}, {"A-", "2"}, {"F", "1"}}, {{19, "1"}, {18, "2"}, {10, "1"}}, "Class Average 82.50", ""},
        {"no students", empty, plain, {}, {}, "", "The class has no students yet."},
        {"nothing graded", ungraded, plain, {}, {}, "", "2 students with nothing graded yet are not counted."},
        {"no grade items", noItems, plain, {}, {}, "", "1 student with nothing graded yet is not counted."},
        {"1,000 students", AveragesClass(thousand), plain, {{"A", "800"}, {"B", "190"}, {"F", "10"}},
         {{19, "800"}, {17, "190"}, {8, "10"}}, "Class Average 92.55", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(800, 600);
        PaintClassPicture(canvas, c.record, {800, 600}, false);
        const ReadPicture read = ReadClassPicture(canvas);
        ASSERT_NE(canvas.Find("Class Picture - Biology, Period 3"), nullptr);
        EXPECT_EQ(read.letters, c.letters);
        for (const auto& letter : c.letters) {
            const auto named = c.letterCounts.find(letter);
            EXPECT_EQ(read.letterCount.at(letter), named == c.letterCounts.end() ? "0" : named->second) << letter;
        }
        ExpectHeightsFollowCounts(read.letterHeight, read.letterCount);
        EXPECT_EQ(read.bandCount, c.bands);
        std::map<std::string, int> bandHeights;
        std::map<std::string, std::string> bandCounts;
        for (const auto& [band, height] : read.bandHeight) bandHeights[std::to_string(band)] = height;
        for (const auto& [band, count] : read.bandCount) bandCounts[std::to_string(band)] = count;
        ExpectHeightsFollowCounts(bandHeights, bandCounts);
        EXPECT_EQ(canvas.Find(">100") != nullptr, c.bands.count(20) == 1);
        EXPECT_EQ(read.averageLabel ? read.averageLabel->text : "", c.average);
        EXPECT_EQ(read.averageLineX.has_value(), !c.average.empty());
        if (!c.note.empty()) {
            EXPECT_NE(canvas.Find(c.note), nullptr);
        }
        EXPECT_EQ(canvas.Find("1 student with nothing graded yet is not counted.") != nullptr ||
                      canvas.Find("2 students with nothing graded yet are not counted.") != nullptr ||
                      canvas.Find("The class has no students yet.") != nullptr,
                  !c.note.empty());
        // Both plots keep their axes, bars or not: the two long upright lines.
        int axes = 0;
        for (const auto& l : canvas.lines)
            if (l.x1 == l.x2 && l.x1 == read.scaleLeft && std::abs(l.y2 - l.y1) > 100) ++axes;
        EXPECT_EQ(axes, 2);
    }
}

// What a screen reader reads of the picture: each letter's count, the bands
// that hold students (their limits on both sides), the average and the note.
TEST(ClassPicture, AScreenReaderReadsTheFiguresLineByLine) {
    const struct {
        const char* what;
        std::vector<float> averages;
        std::vector<std::string> bands;  // the lines after "Overall averages"
        std::string description;
    } cases[] = {
        {"band limits", {4.99f, 5.0f, 94.99f, 95.0f, 100.0f},
         {"0 to 4.99: 1 student", "5 to 9.99: 1 student", "90 to 94.99: 1 student", "95 to 100: 2 students",
          "Class Average 60.00"},
         "Letter grades and overall averages of 5 students."},
        {"above 100, one left out", {100.01f, kOmitMarker},
         {">100: 1 student", "Class Average 100.01", "1 student with nothing graded yet is not counted."},
         "Letter grades and overall averages of 1 student."},
        {"nobody", {}, {}, "Letter grades and overall averages of 0 students."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ClassRecord record = AveragesClass(c.averages);
        const std::vector<std::string> lines = ClassPictureLines(record);
        ASSERT_GE(lines.size(), 7u);
        EXPECT_EQ(lines[0], "Letter grades");
        EXPECT_EQ(lines[1].rfind("A: ", 0), 0u) << lines[1];
        EXPECT_EQ(lines[6], "Overall averages");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end()), c.bands);
        EXPECT_EQ(ClassPictureDescription(record), c.description);
    }
}

TEST(ClassPicture, TheAverageLineStandsAtTheAverageOnTheScale) {
    // 62.5: the middle of its band, right under the count over its bar.
    for (const float average : {0.0f, 50.0f, 62.5f, 74.31f, 100.0f}) {
        SCOPED_TRACE(average);
        RecordingCanvas canvas(800, 600);
        PaintClassPicture(canvas, AveragesClass({average}), {800, 600}, false);
        const ReadPicture read = ReadClassPicture(canvas);
        ASSERT_TRUE(read.averageLineX.has_value());
        const int slot = (read.scaleRight - read.scaleLeft) / 20;
        const int x = read.scaleLeft + static_cast<int>(average * 100.0f + 0.5f) * slot / 500;
        EXPECT_EQ(*read.averageLineX, x);
        // The line leaves every text it passes readable.
        for (const auto& l : canvas.lines) {
            if (l.penWidth != 2) continue;
            for (const auto& t : canvas.texts) {
                const int right = t.x + static_cast<int>(t.text.size()) * 8;
                EXPECT_FALSE(t.x <= x && x <= right && t.y < std::max(l.y1, l.y2) && std::min(l.y1, l.y2) < t.y + 16)
                    << "the line crosses \"" << t.text << "\"";
            }
        }
    }
}

TEST(ClassPicture, TheTitleNamesTheClass) {
    const struct {
        const char* course;
        const char* period;
        const char* file;
        const char* title;
    } cases[] = {
        {"Biology", "3", "/classes/bio.gdr", "Class Picture - Biology, Period 3"},
        {"  Biology ", "", "/classes/bio.gdr", "Class Picture - Biology"},
        {"", "2", "/classes/bio.gdr", "Class Picture - bio.gdr, Period 2"},
        {"", "", "", "Class Picture - Untitled"},
    };
    for (const auto& c : cases) {
        ClassRecord record = PointsClass();
        record.info.course = c.course;
        record.info.period = c.period;
        record.fileName = c.file;
        EXPECT_EQ(ClassPictureTitle(record), c.title);
    }
}

TEST(ClassPicture, ThePrintedPageHoldsEveryTextApartOnThePaper) {
    ClassRecord record = AveragesClass({100.5f, 99, 3, 47, 47, 61, kOmitMarker, 85, 85, 85});
    record.info.course = "Advanced Placement Biology II";
    record.info.period = "Block 3 10:15-11:45";
    for (const Paper paper : {Paper{"Letter", 4800, 6300}, Paper{"A4", 4661, 6716}, Paper{"small", 2400, 3200}}) {
        SCOPED_TRACE(paper.name);
        FakeUi ui;
        RecordingPrintDevice device(paper.width, paper.height);
        ui.printDialogs.push_back(PrintDialogOk(device));
        TMyPrinter printer;
        TClassPicturePrint printout(record);
        ASSERT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true));
        ASSERT_EQ(device.pages.size(), 1u);
        EXPECT_EQ(device.documents, std::vector<std::string>{"Class Picture"});
        ExpectOnPaperAndApart(
            device.pages, paper,
            [](const DrawnText& t) {
                return Rect{t.x, t.y, t.x + static_cast<int>(t.text.size()) * (t.fontHeight / 2), t.y + t.fontHeight};
            },
            paper.name);
        for (const auto& l : device.pages[0].lines) {
            EXPECT_TRUE(l.x1 >= 0 && l.x2 >= 0 && l.x1 <= paper.width && l.x2 <= paper.width);
            EXPECT_TRUE(l.y1 >= 0 && l.y2 >= 0 && l.y1 <= paper.height && l.y2 <= paper.height);
        }
        const ReadPicture read = ReadClassPicture(device.pages[0].texts, device.pages[0].lines,
                                                  device.pages[0].texts[0].fontHeight / 2);
        EXPECT_EQ(read.letterCount.at("B"), "3");
        EXPECT_EQ(read.bandCount, (std::map<int, std::string>{{0, "1"}, {9, "2"}, {12, "1"}, {17, "3"}, {19, "1"}, {20, "1"}}));
        EXPECT_NE(FindOn(device.pages[0], "1 student with nothing graded yet is not counted."), nullptr);
        EXPECT_NE(FindOn(device.pages[0], "Class Picture - Advanced Placement Biology II, Period Block 3 10:15-11:45"),
                  nullptr);
    }
}

// ------------------------------------------------------------------ the window

struct PictureFixture : ClassWindowFixture {
    PictureFixture() : ClassWindowFixture(SmallClass()) {}
    FakeTopWindowHost& Picture() {
        const auto windows = frame.TopWindows();
        EXPECT_EQ(windows.size(), 1u);
        return *windows.at(0);
    }
    ReadPicture Read() {
        const RecordingCanvas canvas = Picture().Paint();
        return ReadClassPicture(canvas);
    }
};

TEST(ClassPictureWindow, DisplayClassPictureOpensOneWindowThatFollowsTheClass) {
    PictureFixture f;
    EXPECT_TRUE(f.frame.TopWindows().empty());
    EXPECT_TRUE(f.child->Command(cmd::kClassPicture));
    FakeTopWindowHost& picture = f.Picture();
    EXPECT_TRUE(picture.IsVisible());
    EXPECT_EQ(picture.caption, "Class Picture - Algebra, Period 3");
    EXPECT_EQ(picture.MenuLabels(), (std::vector<std::string>{"&File", "&Print...", "-", "&Close"}));
    EXPECT_EQ(picture.HoverMenuItem(cmd::kPicturePrint), "Prints the class picture on one page");
    EXPECT_EQ(picture.HoverMenuItem(cmd::kPictureClose), "Closes the class picture");
    // Adams 32 of 35 (91.43), Baker 12 of 15 (80.00), Cole 17 of 35 (48.57).
    ReadPicture read = f.Read();
    EXPECT_EQ(read.letterCount, (std::map<std::string, std::string>{{"A", "1"}, {"B", "1"}, {"C", "0"}, {"D", "0"}, {"F", "1"}}));
    EXPECT_EQ(read.bandCount, (std::map<int, std::string>{{9, "1"}, {16, "1"}, {18, "1"}}));
    EXPECT_EQ(read.averageLabel->text, "Class Average 73.33");
    // A screen reader is handed the same figures.
    ASSERT_NE(picture.text, nullptr);
    EXPECT_EQ(picture.text->Lines().back(), "Class Average 73.33");

    // Chosen again: the same window, brought to the front.
    f.child->Command(cmd::kClassPicture);
    EXPECT_EQ(f.frame.TopWindows().size(), 1u);
    EXPECT_EQ(picture.showCount, 2);

    // A change of the class (Cole's test 2 becomes 20 of 20, course renamed):
    // the picture repaints with it, and again after Undo.
    ClassRecord changed = f.child->Record();
    changed.info.course = "Geometry";
    changed.roster[3].scores[kTests][1].value = 20;
    const int before = picture.invalidations;
    ASSERT_TRUE(f.child->ReplaceClassContent(SerializeClassFile(changed), "Change"));
    EXPECT_GT(picture.invalidations, before);
    EXPECT_EQ(picture.caption, "Class Picture - Geometry, Period 3");
    read = f.Read();
    // Cole: 27 of 35 (77.14), a C.
    EXPECT_EQ(read.letterCount.at("C"), "1");
    EXPECT_EQ(read.letterCount.at("F"), "0");
    EXPECT_EQ(read.bandCount, (std::map<int, std::string>{{15, "1"}, {16, "1"}, {18, "1"}}));
    ASSERT_TRUE(f.child->Undo());
    EXPECT_EQ(picture.caption, "Class Picture - Algebra, Period 3");
    EXPECT_EQ(f.Read().bandCount, (std::map<int, std::string>{{9, "1"}, {16, "1"}, {18, "1"}}));
}

TEST(ClassPictureWindow, PrintCloseAndTheCloseBox) {
    PictureFixture f;
    f.child->Command(cmd::kClassPicture);
    FakeTopWindowHost& picture = f.Picture();

    // Cancelled: nothing printed.
    f.ui.printDialogs.push_back([](platform::PrintSetup&) { return std::unique_ptr<platform::PrintDevice>(); });
    picture.ChooseCommand(cmd::kPicturePrint);
    EXPECT_EQ(f.ui.printDialogCount, 1);

    // Printed from the menu and with Ctrl+P: one page each, the picture on it.
    RecordingPrintDevice device;
    f.ui.printDialogs.push_back(PrintDialogOk(device));
    f.ui.printDialogs.push_back(PrintDialogOk(device));
    picture.ChooseCommand(cmd::kPicturePrint);
    picture.PressAccelerator("Ctrl+P");
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(device.documents, (std::vector<std::string>{"Class Picture", "Class Picture"}));
    for (const auto& page : device.pages) {
        EXPECT_NE(FindOn(page, "Class Picture - Algebra, Period 3"), nullptr);
        EXPECT_NE(FindOn(page, "Class Average 73.33"), nullptr);
    }
    EXPECT_TRUE(f.Host().IsEnabled());

    const int shown = f.Host().showCount;
    picture.ChooseCommand(cmd::kPictureClose);
    EXPECT_FALSE(picture.IsVisible());
    EXPECT_EQ(f.Host().showCount, shown + 1);

    f.child->Command(cmd::kClassPicture);
    EXPECT_TRUE(picture.IsVisible());
    picture.PressCloseBox();
    EXPECT_FALSE(picture.IsVisible());
    EXPECT_EQ(f.frame.TopWindows().size(), 1u);
}

}  // namespace
}  // namespace quorle::testing
