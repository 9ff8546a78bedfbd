#include "reports/ProgressPrint.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/ProgressCommands.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

// The recording device's measures with the letters' font on a 2400 x 3200
// page (N = 72): character height 44, so a character is 22 wide.
constexpr int kL = 44;
constexpr int kT = 220;
constexpr int kHalf = 1600;

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

ProgressOptions Choose(std::initializer_list<int> indexes) {
    ProgressOptions options{};
    for (int i : indexes) options[static_cast<std::size_t>(i)] = 1;
    return options;
}

class ProgressPrintTest : public ::testing::Test {
protected:
    void SetUp() override { ui.programDirectory = dir.Path(); }
    void Letter(ProgressKind kind, std::string_view text) { dir.Write(TemplateFileName(kind), Bytes(text)); }

    // Prints through the print dialog; the page count the printout made.
    int Print(const ClassRecord& record, ProgressKind kind, std::vector<bool> selected = {}, float level = 0,
              const ProgressOptions& options = {}) {
        TMyPrinter printer;
        TProgressPrint printout(record, selected, printer, ui, kind, level, options);
        ui.printDialogs.push_back(PrintDialogOk(device));
        printer.RunPrintJob(ui, nullptr, printout, true);
        return printout.PageCount();
    }
    std::vector<std::pair<int, std::string>> Drawn(std::size_t page) const {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& t : device.pages.at(page).texts) out.emplace_back(t.y, t.text);
        return out;
    }

    TempDir dir;
    FakeUi ui;
    RecordingPrintDevice device;
};

ClassRecord Students(int n) {
    ClassRecord record = PointsClass();
    AddStudents(record, n);
    return record;
}

TEST_F(ProgressPrintTest, FiveTickedStudentsPrintTwoToAPageOnThreePages) {
    Letter(ProgressKind::Progress, "Dear {firstname} {lastname}");
    std::vector<bool> ticked{false, true, true, false, true, true, true, false};  // 1, 2, 4, 5, 6
    EXPECT_EQ(Print(Students(7), ProgressKind::Progress, ticked), 3);
    ASSERT_EQ(device.pages.size(), 3u);
    EXPECT_EQ(device.documents, std::vector<std::string>{"Progress or Warning"});
    EXPECT_EQ(device.Canvas().fonts.at(0).height, -kL);

    using D = std::vector<std::pair<int, std::string>>;
    const int top = 5 * kL, bottom = kHalf + 5 * kL;
    // No page number, no class header: only the letters.
    EXPECT_EQ(Drawn(0), (D{{top, "Dear "}, {top, "First1"}, {top, " "}, {top, "Last1"},
                           {bottom, "Dear "}, {bottom, "First2"}, {bottom, " "}, {bottom, "Last2"}}));
    EXPECT_EQ(Drawn(1), (D{{top, "Dear "}, {top, "First4"}, {top, " "}, {top, "Last4"},
                           {bottom, "Dear "}, {bottom, "First5"}, {bottom, " "}, {bottom, "Last5"}}));
    EXPECT_EQ(Drawn(2), (D{{top, "Dear "}, {top, "First6"}, {top, " "}, {top, "Last6"}}))
        << "the fifth student stands alone in the top half";
    EXPECT_EQ(device.pages[0].texts[1].x, kT + 5 * 22);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ProgressPrintTest, WarningNoticesGoBelowTheLevelEachTwiceOnItsPage) {
    Letter(ProgressKind::Warning, "{lastname} {Grades}");
    ClassRecord record = Students(4);
    AddItem(record, kTests, "Final", 10000, {6999, 7000, 8500, 5000});  // 69.99, 70, 85, 50

    TMyPrinter printer;
    TProgressPrint printout(record, {}, printer, ui, ProgressKind::Warning, 70.0f, {});
    EXPECT_EQ(printout.Pages(), (std::vector<TLetterPage>{{1, 1}, {4, 4}}));
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageRange(minPage, maxPage, from, to);
    EXPECT_EQ(std::vector<int>({minPage, maxPage, from, to}), std::vector<int>({1, 2, 1, 2}));

    ui.printDialogs.push_back(PrintDialogOk(device));
    printer.RunPrintJob(ui, nullptr, printout, true);
    ASSERT_EQ(device.pages.size(), 2u);
    using D = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Drawn(1), (D{{5 * kL, "Last4"}, {5 * kL, " "}, {kHalf + 5 * kL, "Last4"}, {kHalf + 5 * kL, " "}}));
    // The unknown name warns once per letter printed: both halves of both pages.
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_EQ(ui.boxes[0].text,
              "Only the following can be in braces ({ and }) :{lastname},{firstname},{period},{course},"
              "{instructor},{date}, and {grades}. They must appear exactly as above.");
}

TEST_F(ProgressPrintTest, TwelveColumnsMakeTwoBandsOfTheGradesBlock) {
    Letter(ProgressKind::Progress, "{grades}\nSincerely");
    ClassRecord record = Students(1);
    record.info.period = "3";
    AddItem(record, kTests, "Unit 1", 100, {90});
    AddItem(record, kTests, "Unit 2", 100, {kOmitMarker});
    AddItem(record, kTests, "Unit 3", 100, {70});
    AddItem(record, kQuizzes, "Pop 1", 10, {10});
    AddItem(record, kQuizzes, "Pop 2", 10, {5});
    AddItem(record, kHomework, "HW 1", 5, {5});  // not chosen, but in the total
    // Tests and quizzes (5 columns), their averages and points, total points: 10, then Average and Grade.
    const ProgressOptions options = Choose({0, 1, 6, 7, 12, 13, 18});
    Print(record, ProgressKind::Progress, {false, true}, 0, options);
    ASSERT_EQ(device.pages.size(), 1u);

    const int band1 = 5 * kL + kL, band2 = band1 + 2 * kL;
    const std::vector<std::string> headings{"Unit 1",   "Unit 2",    "Unit 3",   "Pop 1",    "Pop 2",     "Test Aver",
                                            "Quiz Aver", "Test Pts", "Quiz Pts", "Total Pts", "Average", "Grade"};
    const std::vector<std::string> values{" 90.00", " N/A",   " 70.00", " 10.00", "  5.00", " 80.00",
                                          " 75.00", "160.00", " 15.00", "180.00", " 80.00", "  B "};
    const auto& texts = device.pages[0].texts;
    ASSERT_EQ(texts.size(), 25u);
    for (std::size_t c = 0; c < 12; ++c) {
        const int x = kT + static_cast<int>(c % 7) * kT;
        const int y = c < 7 ? band1 : band2;
        EXPECT_EQ(texts[2 * c].text, headings[c]);
        EXPECT_EQ(texts[2 * c + 1].text, values[c]);
        EXPECT_EQ(std::make_tuple(texts[2 * c].x, texts[2 * c].y), std::make_tuple(x, y)) << headings[c];
        EXPECT_EQ(std::make_tuple(texts[2 * c + 1].x, texts[2 * c + 1].y), std::make_tuple(x, y + kL));
    }
    // The next line starts below the block: two line heights after the last band, then the line's own.
    EXPECT_EQ(texts[24].text, "Sincerely");
    EXPECT_EQ(std::make_tuple(texts[24].x, texts[24].y), std::make_tuple(kT, band2 + 3 * kL));
}

// A letter of `lines` lines: the student's last name, then "x" lines, then the rest.
std::string LinesLetter(int lines, std::string_view rest = "") {
    std::string letter = "{lastname}";
    for (int i = 1; i < lines; ++i) letter += "\nx";
    return letter + std::string(rest);
}

TEST_F(ProgressPrintTest, ALetterTooLongForItsHalfPageGetsAPageOfItsOwn) {
    // Half a page from 5 line heights holds 31 lines (220 + 31 x 44 = 1584 <=
    // 1600), a page 67 (220 + 67 x 44 = 3168 <= 3200).
    using S = std::vector<std::vector<std::pair<std::string, int>>>;  // per sheet: each name or heading, its y
    const struct {
        const char* name;
        ProgressKind kind;
        std::string letter;
        int students;  // ticked, or below the level
        S sheets;
    } cases[] = {
        {"31 lines: two to a page", ProgressKind::Progress, LinesLetter(31), 2,
         {{{"Last1", 5 * kL}, {"Last2", kHalf + 5 * kL}}}},
        {"32 lines: a page each", ProgressKind::Progress, LinesLetter(32), 2, {{{"Last1", 5 * kL}}, {{"Last2", 5 * kL}}}},
        {"31 lines: a notice twice", ProgressKind::Warning, LinesLetter(31), 1,
         {{{"Last1", 5 * kL}, {"Last1", kHalf + 5 * kL}}}},
        {"32 lines: each notice on a page", ProgressKind::Warning, LinesLetter(32), 1,
         {{{"Last1", 5 * kL}}, {{"Last1", 5 * kL}}}},
        {"67 lines: one page", ProgressKind::Progress, LinesLetter(67), 1, {{{"Last1", 5 * kL}}}},
        {"68 lines: the last on the next page", ProgressKind::Progress, LinesLetter(68), 1, {{{"Last1", 5 * kL}}, {}}},
        // The band's heading would fit at 71 line heights, its value not: both go on.
        {"a band goes on whole", ProgressKind::Progress, LinesLetter(65, "\n{grades}"), 1,
         {{{"Last1", 5 * kL}}, {{"Average", 5 * kL}, {"Grade", 5 * kL}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Letter(c.kind, c.letter);
        ClassRecord record = Students(c.students);
        AddItem(record, kTests, "Final", 100, std::vector<float>(static_cast<std::size_t>(c.students), 50));
        device.pages.clear();
        const std::vector<bool> everyone(static_cast<std::size_t>(c.students) + 1, true);
        EXPECT_EQ(Print(record, c.kind, everyone, 60.0f), 1) << "pages as the job counts them";
        ASSERT_EQ(device.pages.size(), c.sheets.size());
        for (std::size_t p = 0; p < c.sheets.size(); ++p) {
            std::vector<std::pair<std::string, int>> marks;
            int bottom = 0;
            for (const auto& t : device.pages[p].texts) {
                if (t.text != "x" && t.text.front() != ' ') marks.emplace_back(t.text, t.y);
                bottom = std::max(bottom, t.y + kL);
            }
            EXPECT_EQ(marks, c.sheets[p]) << "sheet " << p + 1;
            EXPECT_LE(bottom, 3200) << "sheet " << p + 1;
        }
    }
    // The 68th line is the only one of the second sheet, at the top.
    Letter(ProgressKind::Progress, LinesLetter(68));
    device.pages.clear();
    Print(Students(1), ProgressKind::Progress, {false, true});
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(Drawn(0).back(), std::make_pair(5 * kL + 66 * kL, std::string("x")));
    EXPECT_EQ(Drawn(1), (std::vector<std::pair<int, std::string>>{{5 * kL, "x"}}));
}

TEST_F(ProgressPrintTest, NothingToPrintMakesNoPages) {
    // No template: the warning, and no page records; an empty template prints blank pages.
    EXPECT_EQ(Print(Students(2), ProgressKind::Progress, {false, true, true}), 0);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"Unable to open quorle.prg"});
    EXPECT_TRUE(device.pages.empty());

    Letter(ProgressKind::Progress, "");
    EXPECT_EQ(Print(Students(2), ProgressKind::Progress, {false, true, true}), 1);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_TRUE(device.pages[0].texts.empty());

    Letter(ProgressKind::Warning, "x");
    EXPECT_EQ(Print(Students(2), ProgressKind::Progress, {}), 0);  // nobody ticked
    EXPECT_EQ(Print(Students(2), ProgressKind::Warning, {}, 0.0f), 0);  // nobody below 0
    EXPECT_EQ(device.pages.size(), 1u);
}

TEST_F(ProgressPrintTest, OptionFilesAreTwentyIntsPerKind) {
    Letter(ProgressKind::Progress, "x");
    Letter(ProgressKind::Warning, "x");
    ProgressOptions loaded{};
    loaded.fill(7);
    LoadProgressOptions(dir.Path(), ProgressKind::Progress, loaded);
    EXPECT_EQ(loaded, ProgressOptions{}) << "a missing file chooses nothing";

    TMyPrinter printer;
    TProgressPrint progress(Students(1), {}, printer, ui, ProgressKind::Progress, 0, Choose({0, 19}));
    std::vector<unsigned char> expected(80, 0);
    expected[0] = 1;
    expected[76] = 1;
    EXPECT_EQ(dir.Read("QUORLE.PRP"), expected);
    EXPECT_FALSE(dir.Exists("QUORLE.WRP"));
    TProgressPrint warning(Students(1), {}, printer, ui, ProgressKind::Warning, 0, Choose({18}));
    LoadProgressOptions(dir.Path(), ProgressKind::Warning, loaded);
    EXPECT_EQ(loaded, Choose({18}));

    // A short file fills the leading options.
    dir.Write("QUORLE.WRP", {1, 0, 0, 0, 1, 0});
    LoadProgressOptions(dir.Path(), ProgressKind::Warning, loaded);
    EXPECT_EQ(loaded, Choose({0}));
}

TEST_F(ProgressPrintTest, ProgressCommandAsksThenPrintsTheTickedStudents) {
    Letter(ProgressKind::Progress, "{lastname}");
    const ClassRecord record = Students(2);
    ProgressOptions windowOptions{};

    ui.answers = {Answer::No};
    PrintProgressCommand(ui, nullptr, record, {false, true, true}, windowOptions);
    EXPECT_EQ(ui.boxes.at(0).text,
              "Make sure the students that are to receive progress reports are checked in the check boxes to the "
              "left of each name. Are you ready to print?");
    EXPECT_EQ(ui.boxes.at(0).buttons, Buttons::YesNo);
    EXPECT_TRUE(ui.dialogCaptions.empty());

    dir.Write("QUORLE.PRP", SerializeProgressOptions(Choose({18})));
    bool totalChecked = false;
    std::string extraLabel;
    ui.dialogs.push_back([&](FakeDialogHost& host) {
        totalChecked = host.IsChecked(122);
        extraLabel = host.Text(152);
        host.Click(122);
        host.Click(104);
        host.PressOk();
    });
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintProgressCommand(ui, nullptr, record, {false, false, true}, windowOptions);
    EXPECT_TRUE(totalChecked);
    EXPECT_EQ(extraLabel, "Extra1 Average");
    EXPECT_EQ(windowOptions, Choose({0}));
    EXPECT_EQ(dir.Read("QUORLE.PRP"), SerializeProgressOptions(Choose({0})));
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.PageTexts(0), std::vector<std::string>{"Last2"});
}

TEST_F(ProgressPrintTest, WarningCommandConfirmsOrChangesTheLevel) {
    Letter(ProgressKind::Warning, "{lastname}");
    ClassRecord record = Students(3);
    AddItem(record, kTests, "Final", 100, {60, 75, 90});
    ProgressOptions windowOptions{};

    PrintWarningsCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"Unable to open quorle.low"});

    // Yes: the level as it stands.
    dir.Write("quorle.low", SerializeWarningLevel(LevelText("70")));
    ui.boxes.clear();
    ui.answers = {Answer::Yes};
    ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintWarningsCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(ui.boxes.at(0).caption, "Warning Notices");
    EXPECT_EQ(ui.boxes.at(0).text, "Print Warning Notices for all students below a 70 average?");
    EXPECT_EQ(ui.boxes.at(0).buttons, Buttons::YesNoCancel);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.PageTexts(0), (std::vector<std::string>{"Last1", "Last1"}));

    // No: a new level, kept in quorle.low; Cancel there keeps the old one.
    ui.answers = {Answer::No};
    ui.dialogs.push_back([](FakeDialogHost& host) {
        EXPECT_EQ(host.Text(101), "70");
        host.Type(101, "80");
        host.PressCancel();
    });
    PrintWarningsCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(dir.Read("quorle.low"), SerializeWarningLevel(LevelText("70")));

    ui.answers = {Answer::No};
    ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Type(101, "80");
        host.PressOk();
    });
    ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintWarningsCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(dir.Read("quorle.low"), Bytes(std::string("80\0\0\0\0\0\0\0\0\0\0\0\0\0", 15)));
    ASSERT_EQ(device.pages.size(), 3u);
    EXPECT_EQ(device.PageTexts(2), (std::vector<std::string>{"Last2", "Last2"}));
}

TEST_F(ProgressPrintTest, NobodyToPrintIsSaidWithoutThePrintDialog) {
    ClassRecord record = Students(2);
    AddItem(record, kTests, "Final", 100, {60, 75});
    dir.Write("quorle.low", SerializeWarningLevel(LevelText("60")));
    const struct {
        const char* name;
        bool letter;
        ProgressKind kind;
        std::vector<bool> ticked;  // progress reports
        const char* level;         // warning notices, answered Yes
        std::vector<std::string> boxes;  // after the question
        int printDialogs;
    } cases[] = {
        {"nobody ticked", true, ProgressKind::Progress, {false, false, false}, "", {"No student is checked."}, 0},
        {"one ticked", true, ProgressKind::Progress, {false, false, true}, "", {}, 1},
        {"nobody below 60", true, ProgressKind::Warning, {}, "60", {"No student is below the level."}, 0},
        {"one below 60.01", true, ProgressKind::Warning, {}, "60.01", {}, 1},
        {"no letter", false, ProgressKind::Warning, {}, "60", {"Unable to open quorle.wrn"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir.File(TemplateFileName(c.kind)));
        if (c.letter) Letter(c.kind, "{lastname}");
        dir.Write("quorle.low", SerializeWarningLevel(LevelText(c.level)));
        FakeUi ui;
        ui.programDirectory = dir.Path();
        ui.answers = {Answer::Yes};
        ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });
        ui.printDialogs.push_back(PrintDialogOk(device));
        ProgressOptions windowOptions{};
        if (c.kind == ProgressKind::Progress)
            PrintProgressCommand(ui, nullptr, record, c.ticked, windowOptions);
        else
            PrintWarningsCommand(ui, nullptr, record, windowOptions);
        std::vector<std::string> after = ui.BoxTexts();
        after.erase(after.begin());
        EXPECT_EQ(after, c.boxes);
        for (std::size_t i = 1; i < ui.boxes.size(); ++i) {
            if (!c.letter) break;
            EXPECT_EQ(ui.boxes[i].caption, "Information");
            EXPECT_EQ(ui.boxes[i].icon, Icon::Information);
        }
        EXPECT_EQ(ui.printDialogCount, c.printDialogs);
    }
}

TEST_F(ProgressPrintTest, TheLevelDialogTakesOnlyANumberFrom0To100) {
    Letter(ProgressKind::Warning, "{lastname}");
    ClassRecord record = Students(1);
    AddItem(record, kTests, "Final", 100, {50});
    const std::string seventy("70\0\0\0\0\0\0\0\0\0\0\0\0\0", 15);
    const struct {
        const char* typed;
        const char* kept;  // nullptr: refused
    } cases[] = {
        {"0", "0"},       {"100", "100"},   {"69.5", "69.5"}, {" 80 ", "80"},  {"100.00", "100.00"},
        {"100.01", nullptr}, {"-1", nullptr}, {"abc", nullptr}, {"", nullptr}, {"  ", nullptr},
        {"7a", nullptr},  {"6.5.1", nullptr}, {".", nullptr},  {"1e2", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dir.Write("quorle.low", Bytes(seventy));
        FakeUi ui;
        ui.programDirectory = dir.Path();
        ui.answers = {Answer::No};
        std::string shownAgain;
        ui.dialogs.push_back([&](FakeDialogHost& host) {
            host.Type(101, c.typed);
            if (host.PressOk()) return;
            shownAgain = host.Text(101);
            host.PressCancel();
        });
        ui.dialogs.push_back([](FakeDialogHost& host) { host.PressCancel(); });  // the options dialog
        ProgressOptions windowOptions{};
        PrintWarningsCommand(ui, nullptr, record, windowOptions);
        if (c.kept) {
            EXPECT_EQ(dir.Read("quorle.low"), SerializeWarningLevel(LevelText(c.kept)));
            EXPECT_EQ(ui.boxes.size(), 1u);
        } else {
            EXPECT_EQ(dir.Read("quorle.low"), Bytes(seventy)) << "not saved";
            ASSERT_EQ(ui.boxes.size(), 2u);
            EXPECT_EQ(ui.boxes[1].caption, "Warning");
            EXPECT_EQ(ui.boxes[1].text, "The warning level must be a number from 0 to 100.");
            EXPECT_EQ(ui.boxes[1].icon, Icon::Exclamation);
            EXPECT_EQ(shownAgain, c.typed) << "the dialog stays with the teacher's text";
        }
    }
}

TEST_F(ProgressPrintTest, EditorReadsAndWritesTheLetter) {
    EditTemplateCommand(ui, ProgressKind::Warning);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"Unable to open quorle.wrn"});
    EXPECT_TRUE(ui.dialogCaptions.empty());

    Letter(ProgressKind::Progress, "Dear {firstname},\nHello\n");
    std::string shown;
    ui.dialogs.push_back([&](FakeDialogHost& host) {
        shown = host.Text(101);
        host.Type(101, "changed");
        host.PressCancel();
    });
    EditTemplateCommand(ui, ProgressKind::Progress);
    EXPECT_EQ(shown, "Dear {firstname},\r\nHello\r\n");
    EXPECT_EQ(dir.Read("quorle.prg"), Bytes("Dear {firstname},\nHello\n"));

    ui.dialogs.push_back([&](FakeDialogHost& host) {
        host.Type(101, "Dear {firstname}, your \r\r\ngrades:\r\n{grades}");
        host.PressOk();
    });
    EditTemplateCommand(ui, ProgressKind::Progress);
    EXPECT_EQ(dir.Read("quorle.prg"), Bytes("Dear {firstname}, your \r\ngrades:\r\n{grades}"));
    EXPECT_EQ(ui.dialogCaptions.back(), "Edit Progress or Warning Notice");
}

TEST(WarningLevelTest, FifteenBytesOfDecimalText) {
    const struct {
        std::vector<unsigned char> file;
        std::string text;
        float value;
    } cases[] = {
        {Bytes(std::string("70\0\0\0\0\0\0\0\0\0\0\0\0\0", 15)), "70", 70.0f},
        {Bytes("65.5"), "65.5", 65.5f},                     // short file: what it holds
        {Bytes("123456789012345678"), "12345678901234", 12345678901234.0f},  // no zero: 14 kept
        {Bytes(" abc"), " abc", 0.0f},
        {{}, "", 0.0f},
    };
    for (const auto& c : cases) {
        const LevelText level = ParseWarningLevel(c.file);
        EXPECT_EQ(level.Str(), c.text);
        EXPECT_EQ(WarningLevelValue(level), c.value) << c.text;
    }
    EXPECT_EQ(SerializeWarningLevel(LevelText("70")).size(), 15u);
}

}  // namespace
}  // namespace quorle::testing
