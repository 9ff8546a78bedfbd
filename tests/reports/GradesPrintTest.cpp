#include "reports/GradesPrint.h"

#include <gtest/gtest.h>

#include <optional>

#include "grading/Compute.h"
#include "reports/PrintMenuCommands.h"
#include "reports/ReportFixtures.h"
#include "resources/ReportDialogs.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

PrintOptions Choose(std::initializer_list<int> indexes) {
    PrintOptions options = DefaultPrintOptions();
    for (int i : indexes) options[static_cast<std::size_t>(i)] = 1;
    return options;
}

// Body lines of a page: the heading line, the Possible Points row, then the students.
constexpr int kBody = 9 * kLine;

class GradesReportTest : public ::testing::Test {
protected:
    // Prints the whole report through the print dialog, nothing changed in it.
    void Print(const ClassRecord& record, const PrintOptions& options,
               std::function<void(platform::PrintSetup&)> person = {}) {
        TMyPrinter printer;
        TGradesPrint printout(record.fileName, record, printer, ui, options, KeepOptions::DoNotSave);
        columnCount = printout.ColumnCount();
        pageCount = printout.PageCount();
        ui.printDialogs.push_back(PrintDialogOk(device, nullptr, std::move(person)));
        ASSERT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true));
    }
    const RecordingPrintDevice::Page& Page(std::size_t i) const { return device.pages.at(i); }
    std::vector<DrawnText> LineOf(std::size_t page, int y) const {
        std::vector<DrawnText> out;
        for (const auto& t : Page(page).texts)
            if (t.y == y) out.push_back(t);
        return out;
    }

    FakeUi ui;
    RecordingPrintDevice device;
    int columnCount = 0;
    int pageCount = 0;
};

ClassRecord ThreeStudents() {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "11");
    AddStudent(record, "Baker", "Bob", "12");
    AddStudent(record, "Cole", "Cy", "13");
    AddItem(record, kTests, "Unit 1", 100, {95, 85, kOmitMarker});
    return record;
}

TEST_F(GradesReportTest, NarrowPagePutsEveryColumnInItsPlace) {
    Print(ThreeStudents(), Choose({kPrintLastName, kPrintFirstName, kPrintGradesFirst + kTests}));
    EXPECT_EQ(columnCount, 5);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.documents, std::vector<std::string>{"/classes/bio.gdr"});
    EXPECT_EQ(device.Canvas().fonts.at(0).height, -38);

    // The class header, no page number on the first page.
    EXPECT_EQ(Texts(LineOf(0, 5 * kLine)), std::vector<std::string>{"Course: Biology       Instructor: Ms. Gray"});
    EXPECT_EQ(LineOf(0, 5 * kLine)[0].x, kTen);
    const auto period = LineOf(0, 7 * kLine);
    ASSERT_EQ(period.size(), 2u);
    EXPECT_EQ(period[0].text, "Period: 3");
    EXPECT_EQ(period[1].text, "3/7/1997");
    EXPECT_EQ(period[1].x, 9 * 19 + 2 * kTen);
    EXPECT_EQ(FindOn(Page(0), "Page 1"), nullptr);

    const auto headings = LineOf(0, kBody);
    EXPECT_EQ(Texts(headings), (std::vector<std::string>{"Last Name", "First Name", "Unit 1", "Average", "Grade"}));
    const std::vector<int> xs{kTen, kTen + kFifteen, kTen + 2 * kFifteen, 2 * kTen + 2 * kFifteen,
                              3 * kTen + 2 * kFifteen};
    for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_EQ(headings[i].x, xs[i]);

    // The Possible Points row: its average is 100, it has no letter grade.
    EXPECT_EQ(Texts(LineOf(0, kBody + kLine)), (std::vector<std::string>{"Possible", "Points", "100.00", "100.00"}));
    EXPECT_EQ(Texts(LineOf(0, kBody + 2 * kLine)),
              (std::vector<std::string>{"Adams", "Ann", " 95.00", " 95.00", "  A "}));
    const auto cole = LineOf(0, kBody + 4 * kLine);
    EXPECT_EQ(Texts(cole), (std::vector<std::string>{"Cole", "Cy", " N/A", "  0.00", "  F "}));
    EXPECT_EQ(cole[2].x, kTen + 2 * kFifteen);
    EXPECT_EQ(cole[4].x, 3 * kTen + 2 * kFifteen);
}

TEST_F(GradesReportTest, SummaryAveragesDistributionAndClassAverage) {
    Print(ThreeStudents(), Choose({kPrintLastName, kPrintFirstName, kPrintGradesFirst + kTests}));
    const int averagesY = kBody + 6 * kLine;  // after the rows and one blank line
    const auto averages = LineOf(0, averagesY);
    // The omitted grade is left out: the two graded students divide.
    ASSERT_EQ(Texts(averages), (std::vector<std::string>{"Averages", " 90.00", " 60.00"}));
    EXPECT_EQ(averages[0].x, 0);
    EXPECT_EQ(averages[1].x, kTen + 2 * kFifteen);
    EXPECT_EQ(averages[2].x, 2 * kTen + 2 * kFifteen);

    int y = averagesY + 2 * kLine;
    EXPECT_EQ(Texts(LineOf(0, y)), std::vector<std::string>{"Distribution of Grades:"});
    EXPECT_EQ(LineOf(0, y)[0].x, 2 * kTen);
    const char* bars[] = {"A     X", "B     X", "C     ", "D     ", "F     X"};
    for (const char* bar : bars) {
        y += kLine;
        ASSERT_EQ(Texts(LineOf(0, y)), std::vector<std::string>{bar});
        EXPECT_EQ(LineOf(0, y)[0].x, 3 * kTen);
    }
    y += 2 * kLine;
    EXPECT_EQ(Texts(LineOf(0, y)), std::vector<std::string>{"               Class Average is:  60.00"});
    EXPECT_EQ(LineOf(0, y)[0].x, 0);
}

TEST_F(GradesReportTest, FortyThreeStudentsFillAPageAndTheFortyFourthStartsTheNext) {
    ClassRecord record = PointsClass();
    AddStudents(record, 44);
    AddItem(record, kTests, "T1", 10, std::vector<float>(44, 9.0f));
    Print(record, Choose({kPrintLastName, kPrintGradesFirst + kTests}));
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(Page(0), "Last43"), nullptr);
    EXPECT_EQ(FindOn(Page(0), "Last44"), nullptr);
    EXPECT_EQ(FindOn(Page(0), "Averages"), nullptr);
    EXPECT_EQ(FindOn(Page(0), "Distribution of Grades:"), nullptr);

    // Page 2 starts again with the header, the headings and the Possible Points row.
    const DrawnText* number = FindOn(Page(1), "Page 2");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->x, 20);
    EXPECT_EQ(number->y, 10);
    EXPECT_NE(FindOn(Page(1), "Course: Biology       Instructor: Ms. Gray"), nullptr);
    EXPECT_EQ(Texts(LineOf(1, kBody)), (std::vector<std::string>{"Last Name", "T1", "Average", "Grade"}));
    EXPECT_EQ(LineOf(1, kBody + kLine).at(0).text, "Possible");
    EXPECT_EQ(LineOf(1, kBody + 2 * kLine).at(0).text, "Last44");
    EXPECT_NE(FindOn(Page(1), "Averages"), nullptr);
    EXPECT_EQ(CountOn(Page(1), "Distribution of Grades:"), 1);
}

TEST_F(GradesReportTest, NarrowedToTheFirstPageOfTwoTheSummaryFollowsIt) {
    ClassRecord record = PointsClass();
    AddStudents(record, 50);
    Print(record, Choose({kPrintLastName}), [](platform::PrintSetup& s) {
        s.flags |= platform::kPrintPageNums;
        s.toPage = 1;
    });
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_NE(FindOn(Page(0), "Averages"), nullptr);
    EXPECT_NE(FindOn(Page(0), "Distribution of Grades:"), nullptr);
}

TEST_F(GradesReportTest, RangeTwoToThreeOfFivePages) {
    ClassRecord record = PointsClass();
    AddStudents(record, 200);  // 43 a page: five pages
    Print(record, Choose({kPrintLastName}), [](platform::PrintSetup& s) {
        s.flags |= platform::kPrintPageNums;
        s.fromPage = 2;
        s.toPage = 3;
    });
    EXPECT_EQ(pageCount, 5);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(Page(0), "Page 2"), nullptr);
    EXPECT_EQ(LineOf(0, kBody + 2 * kLine).at(0).text, "Last44");
    EXPECT_NE(FindOn(Page(1), "Page 3"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Last129"), nullptr);
    EXPECT_EQ(FindOn(Page(1), "Last130"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Averages"), nullptr);
}

TEST_F(GradesReportTest, NineColumnsStayNarrowTenGoWide) {
    ClassRecord record = PointsClass();
    AddStudents(record, 11);
    // 7 chosen + Average + Grade = 9.
    const PrintOptions nine = Choose({kPrintLastName, kPrintFirstName, kPrintId, kPrintAverageFirst + kTests,
                                      kPrintAverageFirst + kQuizzes, kPrintAverageFirst + kHomework,
                                      kPrintTotalPoints});
    Print(record, nine);
    EXPECT_EQ(columnCount, 9);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(CountOn(Page(0), "Last Name"), 1);

    PrintOptions ten = nine;
    ten[kPrintPossiblePoints] = 1;
    device = RecordingPrintDevice();
    Print(record, ten);
    EXPECT_EQ(columnCount, 10);
    ASSERT_EQ(device.pages.size(), 2u);
    // Headings above every block: the Possible Points row's and ten students'.
    EXPECT_EQ(CountOn(Page(0), "Last Name"), 11);
    EXPECT_EQ(CountOn(Page(1), "Last Name"), 2);
}

TEST_F(GradesReportTest, WideBlocksCarryHeadingsAboveValuesInBandsOfNine) {
    ClassRecord record = PointsClass();
    AddStudents(record, 1);
    AddItem(record, kTests, "T1", 50, {40});
    PrintOptions options = Choose({kPrintLastName, kPrintFirstName, kPrintId, kPrintAverageFirst + kTests,
                                   kPrintAverageFirst + kQuizzes, kPrintAverageFirst + kHomework,
                                   kPrintTotalPoints, kPrintPossiblePoints});
    ui.answers = {Answer::No};  // no last test column
    Print(record, options);
    ASSERT_EQ(columnCount, 10);

    // The Possible Points block: nine headings, nine values, and no Grade band.
    EXPECT_EQ(Texts(LineOf(0, kBody)),
              (std::vector<std::string>{"Last Name", "First Name", "ID #", "Test Aver", "Quiz Aver", "HW Aver",
                                        "Total Pts", "Poss Pts", "Average"}));
    EXPECT_EQ(LineOf(0, kBody + kLine).at(0).text, "Possible");
    EXPECT_TRUE(LineOf(0, kBody + 2 * kLine).empty());
    // The student's block starts after the two bands and a blank line.
    const int block = kBody + 5 * kLine;
    EXPECT_EQ(LineOf(0, block).at(0).text, "Last Name");
    EXPECT_EQ(LineOf(0, block + kLine).at(0).text, "Last1");
    const auto grade = LineOf(0, block + 2 * kLine);
    ASSERT_EQ(Texts(grade), std::vector<std::string>{"Grade"});
    EXPECT_EQ(grade[0].x, kTen);
    EXPECT_EQ(Texts(LineOf(0, block + 3 * kLine)), std::vector<std::string>{"  B "});
    const auto idValue = LineOf(0, block + kLine).at(2);
    EXPECT_EQ(idValue.x, kTen + 2 * kFifteen);
    EXPECT_EQ(LineOf(0, block + kLine).at(3).x, kTen + 2 * kFifteen + kFifteen / 3);

    // Averages: headings on the line above their means; names and ID leave their places empty.
    const int means = block + 6 * kLine;
    const auto headingLine = LineOf(0, means - kLine);
    ASSERT_FALSE(headingLine.empty());
    EXPECT_EQ(headingLine[0].text, "Averages:");
    EXPECT_EQ(headingLine[0].x, 0);
    EXPECT_EQ(headingLine[1].text, "Test Aver");
    EXPECT_EQ(headingLine[1].x, kTen + 2 * kFifteen + kFifteen / 3);
    const auto meanLine = LineOf(0, means);
    EXPECT_EQ(Texts(meanLine), (std::vector<std::string>{" 80.00", "  0.00", "  0.00", " 40.00", " 50.00", " 80.00"}));
    // The Grade column opens a second band of averages, empty, before the distribution.
    EXPECT_EQ(FindOn(Page(0), "Distribution of Grades:")->y, means + 2 * kLine + 2 * kLine);
}

TEST_F(GradesReportTest, WideReportHoldsTenStudentsAPage) {
    ClassRecord record = PointsClass();
    AddStudents(record, 21);
    PrintOptions options = DefaultPrintOptions();
    for (int i = 0; i <= kPrintPossiblePoints; ++i) options[static_cast<std::size_t>(i)] = 1;
    Print(record, options);
    EXPECT_EQ(columnCount, 19);  // 3 names, 14 figures, Average, Grade: 3 bands
    EXPECT_EQ(TGradesPrint::LineCost(columnCount), 6);
    EXPECT_EQ(pageCount, 3);  // 7 a page
    EXPECT_EQ(TGradesPrint::LineCost(10), 4);
    EXPECT_EQ(TGradesPrint::LineCost(18), 4);
    EXPECT_EQ(TGradesPrint::LineCost(9), 1);
}

TEST_F(GradesReportTest, LastScoreQuestionsAddTheirColumns) {
    ClassRecord record = ThreeStudents();
    AddItem(record, kTests, "Unit 2", 100, {90, 80, 70});
    AddItem(record, kQuizzes, "Pop", 10, {10, 5, 0});
    ui.answers = {Answer::Yes, Answer::Yes};
    Print(record, Choose({kPrintLastName}));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Include Last Test Score");
    EXPECT_EQ(ui.boxes[0].text, "Print last test score?");
    EXPECT_EQ(ui.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(ui.boxes[1].caption, "Include Last Quiz Score");
    EXPECT_EQ(ui.boxes[1].text, "Print last quiz score?");
    EXPECT_EQ(columnCount, 5);
    EXPECT_EQ(Texts(LineOf(0, kBody)), (std::vector<std::string>{"Last Name", "Unit 2", "Pop", "Average", "Grade"}));
    EXPECT_EQ(Texts(LineOf(0, kBody + 3 * kLine)),
              (std::vector<std::string>{"Baker", " 80.00", "  5.00", " 80.95", "  B "}));
}

TEST_F(GradesReportTest, NoQuestionWhenTheCategoryIsChosenOrEmpty) {
    ClassRecord record = ThreeStudents();  // tests only
    Print(record, Choose({kPrintGradesFirst + kTests}));
    EXPECT_TRUE(ui.boxes.empty());
    ui.answers = {Answer::No};
    device = RecordingPrintDevice();
    Print(record, Choose({}));
    ASSERT_EQ(ui.boxes.size(), 1u);  // the test question; the class has no quizzes
    EXPECT_EQ(ui.boxes[0].caption, "Include Last Test Score");
    EXPECT_EQ(columnCount, 2);
}

TEST_F(GradesReportTest, RankOrderSortsACopyOnly) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Low", "L", "1");
    AddStudent(record, "High", "H", "2");
    AddStudent(record, "Tie", "T", "3");
    AddStudent(record, "Mid", "M", "4");
    AddItem(record, kTests, "T1", 100, {70, 90, 70, 80});
    Print(record, Choose({kPrintLastName, kPrintRankOrder}));
    std::vector<std::string> order;
    for (int i = 2; i <= 5; ++i) order.push_back(LineOf(0, kBody + i * kLine).at(0).text);
    EXPECT_EQ(order, (std::vector<std::string>{"High", "Mid", "Low", "Tie"}));
    EXPECT_EQ(record.Row(1).lastName.Str(), "Low");
    EXPECT_EQ(record.Row(2).lastName.Str(), "High");
}

TEST_F(GradesReportTest, ClassWithoutStudentsPrintsNoAverages) {
    ClassRecord record = PointsClass();
    AddItem(record, kTests, "T1", 100, {});
    Print(record, Choose({kPrintLastName, kPrintGradesFirst + kTests}));
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(FindOn(Page(0), "Averages"), nullptr);
    for (const auto& t : Page(0).texts) EXPECT_EQ(t.text.find("Class Average"), std::string::npos);
    EXPECT_NE(FindOn(Page(0), "Distribution of Grades:"), nullptr);
    EXPECT_NE(FindOn(Page(0), "A     "), nullptr);
    EXPECT_EQ(LineOf(0, kBody + kLine).at(0).text, "Possible");
}

TEST_F(GradesReportTest, ExtraNamesHeadTheirColumns) {
    ClassRecord record = PointsClass();
    record.extra1Name = "Proj";
    record.extra2Name = "Part";
    AddStudents(record, 1);
    Print(record, Choose({kPrintAverageFirst + kExtra1, kPrintPointsFirst + kExtra2}));
    EXPECT_EQ(Texts(LineOf(0, kBody)), (std::vector<std::string>{"Proj Aver", "Part Pts", "Average", "Grade"}));
}

TEST_F(GradesReportTest, LongHeadingsAreCutBeforeTheNextColumnButFiguresNever) {
    ClassRecord record = PointsClass();
    record.extra1Name = "Extra1";
    AddStudents(record, 1);
    AddItem(record, kExtra1, "E", 1000000, {1234567});
    Print(record, Choose({kPrintAverageFirst + kExtra1, kPrintPointsFirst + kExtra1}));
    EXPECT_EQ(Texts(LineOf(0, kBody)), (std::vector<std::string>{"Extra1 Av", "Extra1 Pt", "Average", "Grade"}));
    EXPECT_NE(FindOn(Page(0), "1234567.00"), nullptr);
}

TEST_F(GradesReportTest, SummaryThatWouldRunOffAFullPageGoesOnAPageOfItsOwn) {
    ClassRecord record = PointsClass();
    AddStudents(record, 2);
    for (int i = 0; i < 70; ++i) AddItem(record, kTests, "T" + std::to_string(i), 10, {5, 10});
    // 75 columns: nine bands a student; the two students fill the page.
    Print(record, Choose({kPrintLastName, kPrintFirstName, kPrintId, kPrintGradesFirst + kTests}));
    ASSERT_EQ(columnCount, 75);
    ASSERT_EQ(pageCount, 1);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(Page(0), "Last2"), nullptr);
    EXPECT_EQ(FindOn(Page(0), "Averages:"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Page 2"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Course: Biology       Instructor: Ms. Gray"), nullptr);
    const DrawnText* averages = FindOn(Page(1), "Averages:");
    ASSERT_NE(averages, nullptr);
    EXPECT_EQ(averages->y, kBody);
    int bottom = 0;
    for (const auto& t : Page(1).texts) bottom = std::max(bottom, t.y + kLine);
    EXPECT_LE(bottom, 3200);
    EXPECT_EQ(device.endDocs, 1);
}

// Printing a middle page of a wide report whose summary needs a page of its
// own: that page is numbered after the report's last, never as a real page.
TEST_F(GradesReportTest, ContinuationPageOfARangeNeverTakesTheNumberOfARealPage) {
    ClassRecord record = PointsClass();
    AddStudents(record, 6);
    for (int i = 0; i < 70; ++i) AddItem(record, kTests, "T" + std::to_string(i), 10, {5, 10, 7, 8, 9, 6});
    Print(record, Choose({kPrintLastName, kPrintFirstName, kPrintId, kPrintGradesFirst + kTests}),
          [](platform::PrintSetup& s) {
              s.flags |= platform::kPrintPageNums;
              s.fromPage = 2;
              s.toPage = 2;
          });
    ASSERT_EQ(pageCount, 3);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(Page(0), "Page 2"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Averages:"), nullptr);
    EXPECT_EQ(FindOn(Page(1), "Page 3"), nullptr);
    EXPECT_NE(FindOn(Page(1), "Page 4"), nullptr);
}

TEST_F(GradesReportTest, AFailingPageBreakBeforeTheSummaryStopsTheJobWithItsError) {
    ClassRecord record = PointsClass();
    AddStudents(record, 2);
    for (int i = 0; i < 70; ++i) AddItem(record, kTests, "T" + std::to_string(i), 10, {5, 10});
    TMyPrinter printer;
    TGradesPrint printout("c.gdr", record, printer, ui,
                          Choose({kPrintLastName, kPrintFirstName, kPrintId, kPrintGradesFirst + kTests}),
                          KeepOptions::DoNotSave);
    device.endPageResults[1] = platform::kSpoolOutOfDisk;  // the page the summary would leave
    ui.printDialogs.push_back(PrintDialogOk(device, nullptr, {}));
    EXPECT_FALSE(printer.RunPrintJob(ui, nullptr, printout, true));
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(FindOn(Page(0), "Averages:"), nullptr);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Print Error");
    EXPECT_EQ(ui.boxes[0].text, "'c.gdr' not printed. Out of disk space.");
}

// The options file and the dialog.

TEST(PrintOptionsTest, FileIsTwentyFiveLittleEndianInts) {
    TempDir dir;
    PrintOptions options = Choose({kPrintLastName, kPrintTotalPoints, kPrintRankOrder});
    options[kPrintCurrentOrder] = 0;
    ASSERT_TRUE(SavePrintOptions(dir.Path(), options));
    const auto bytes = dir.Read("QUORLE.POP");
    ASSERT_EQ(bytes.size(), 100u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[21 * 4], 1);
    EXPECT_EQ(bytes[23 * 4], 0);
    EXPECT_EQ(bytes[24 * 4], 1);
    PrintOptions back{};
    LoadPrintOptions(dir.Path(), back);
    EXPECT_EQ(back, options);
}

TEST(PrintOptionsTest, MissingFileGivesDefaultsAndShortFileFillsTheLeadingOptions) {
    TempDir dir;
    PrintOptions options{};
    options.fill(7);
    LoadPrintOptions(dir.Path(), options);
    EXPECT_EQ(options, DefaultPrintOptions());
    EXPECT_EQ(options[kPrintCurrentOrder], 1);

    dir.Write("QUORLE.POP", {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 9, 9});  // two ints and a stray half
    options.fill(7);
    LoadPrintOptions(dir.Path(), options);
    EXPECT_EQ(options[0], 1);
    EXPECT_EQ(options[1], 0);
    EXPECT_EQ(options[2], 1);
    EXPECT_EQ(options[3], 7);
    EXPECT_EQ(options[24], 7);
}

TEST(PrintOptionsTest, UnwritableFolderKeepsNothingAndSaysNothing) {
    TempDir dir;
    EXPECT_FALSE(SavePrintOptions(dir.File("no/such/folder"), DefaultPrintOptions()));
    FakeUi ui;
    ui.programDirectory = dir.File("no/such/folder");
    ClassRecord record = ThreeStudents();
    TMyPrinter printer;
    TGradesPrint printout("x", record, printer, ui, Choose({kPrintGradesFirst}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(GradePrintDialogTest, OpensFromTheOptionsAndWritesTheChoiceBack) {
    PrintOptions options = DefaultPrintOptions();
    options[kPrintFirstName] = 1;
    TGradePrintDialog dialog(options, "Proj", "Part");
    EXPECT_EQ(dialog.Resource().id, 312);
    EXPECT_EQ(dialog.Resource().caption, "Print Display Options");
    FakeDialogHost host(dialog);
    dialog.SetupWindow(host);
    EXPECT_FALSE(host.IsChecked(101));
    EXPECT_TRUE(host.IsChecked(102));
    EXPECT_TRUE(host.IsChecked(124));
    EXPECT_FALSE(host.IsChecked(125));
    EXPECT_EQ(host.Text(152), "Proj");
    EXPECT_EQ(host.Text(154), "Proj Average");
    EXPECT_EQ(host.Text(150), "Proj Points");
    EXPECT_EQ(host.Text(153), "Part");
    EXPECT_EQ(host.Text(155), "Part Average");
    EXPECT_EQ(host.Text(151), "Part Points");

    host.Click(101);
    host.Click(102);
    host.Click(123);
    host.Click(125);
    ASSERT_TRUE(host.PressOk());
    PrintOptions expected{};
    expected[kPrintLastName] = 1;
    expected[kPrintPossiblePoints] = 1;
    expected[kPrintRankOrder] = 1;
    EXPECT_EQ(options, expected);
}

TEST(GradePrintDialogTest, ResourceHasEveryControl) {
    const platform::DialogResource d = resources::GradePrintDialogResource();
    for (int id = 101; id <= 123; ++id) {
        ASSERT_NE(d.Find(id), nullptr) << id;
        EXPECT_EQ(d.Find(id)->kind, platform::ControlKind::CheckBox);
    }
    EXPECT_EQ(d.Find(124)->kind, platform::ControlKind::RadioButton);
    EXPECT_EQ(d.Find(125)->kind, platform::ControlKind::RadioButton);
    EXPECT_EQ(d.Find(124)->group, d.Find(125)->group);
    EXPECT_EQ(d.Find(124)->text, "Current");
    EXPECT_EQ(d.Find(125)->text, "Rank");
    int frames = 0;
    for (const auto& c : d.controls) frames += c.kind == platform::ControlKind::GroupBox;
    EXPECT_EQ(frames, 3);
}

TEST(PrintGradesCommandTest, WithoutOptionsFileOnlyAverageAndGradeArePrinted) {
    TempDir dir;
    FakeUi ui;
    ui.programDirectory = dir.Path();
    FakeParent parent;
    RecordingPrintDevice device;
    ClassRecord record = ThreeStudents();
    AddItem(record, kQuizzes, "Q1", 10, {1, 2, 3});
    PrintOptions windowOptions{};
    windowOptions.fill(1);
    bool currentChecked = false, anyBox = false;
    ui.dialogs.push_back([&](FakeDialogHost& host) {
        currentChecked = host.IsChecked(124);
        for (int id = 101; id <= 123; ++id) anyBox = anyBox || host.IsChecked(id);
        host.PressOk();
    });
    ui.answers = {Answer::No, Answer::No};
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintGradesCommand(ui, &parent, record, windowOptions);
    EXPECT_TRUE(currentChecked);
    EXPECT_FALSE(anyBox);
    EXPECT_EQ(ui.boxes.size(), 2u);  // the two questions
    ASSERT_EQ(device.pages.size(), 1u);
    ASSERT_NE(FindOn(device.pages[0], "Average"), nullptr);
    ASSERT_NE(FindOn(device.pages[0], "Grade"), nullptr);
    EXPECT_EQ(FindOn(device.pages[0], "Average")->x, kTen);
    EXPECT_EQ(FindOn(device.pages[0], "Grade")->x, 2 * kTen);
    EXPECT_EQ(windowOptions, DefaultPrintOptions());
    EXPECT_EQ(dir.Read("QUORLE.POP"), SerializePrintOptions(DefaultPrintOptions()));
    EXPECT_TRUE(parent.IsEnabled());
}

TEST(PrintGradesCommandTest, OptionsAreKeptEvenWhenThePrintDialogIsCancelled) {
    TempDir dir;
    FakeUi ui;
    ui.programDirectory = dir.Path();
    ClassRecord record = ThreeStudents();
    PrintOptions windowOptions = DefaultPrintOptions();
    ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Click(101);
        host.PressOk();
    });
    ui.answers = {Answer::No};
    PrintGradesCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(ui.printDialogCount, 1);
    EXPECT_EQ(windowOptions[kPrintLastName], 1);
    PrintOptions saved{};
    LoadPrintOptions(dir.Path(), saved);
    EXPECT_EQ(saved, windowOptions);
}

TEST(PrintGradesCommandTest, CancelInTheOptionsDialogKeepsAndPrintsNothing) {
    TempDir dir;
    FakeUi ui;
    ui.programDirectory = dir.Path();
    ClassRecord record = ThreeStudents();
    PrintOptions windowOptions = DefaultPrintOptions();
    ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Click(101);
        host.PressCancel();
    });
    PrintGradesCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(ui.printDialogCount, 0);
    EXPECT_FALSE(dir.Exists("QUORLE.POP"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(PrintGradesCommandTest, NeverSavedClassPrintsWithAnEmptyDocumentName) {
    TempDir dir;
    FakeUi ui;
    ui.programDirectory = dir.Path();
    ClassRecord record = ThreeStudents();
    record.fileName.clear();
    RecordingPrintDevice device;
    PrintOptions windowOptions = DefaultPrintOptions();
    ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });
    ui.answers = {Answer::No};
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintGradesCommand(ui, nullptr, record, windowOptions);
    EXPECT_EQ(device.documents, std::vector<std::string>{""});
}

// File > Print Preview: the report's own questions, then its pages in the
// preview; Print there goes on to the print dialog, closing prints nothing.
TEST(PreviewGradesCommandTest, QuestionsThenPagesThenPrintDialog) {
    struct Case {
        const char* name;
        bool optionsOk;
        std::optional<bool> previewPrint;  // nothing: the preview is never shown
        bool printDialogOk;
        std::size_t questions;
        int printDialogs;
        bool printed;
    };
    const Case cases[] = {
        {"print from the preview", true, true, true, 2, 1, true},
        {"print dialog cancelled", true, true, false, 2, 1, false},
        {"preview closed", true, false, true, 2, 0, false},
        {"options cancelled", false, std::nullopt, true, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        FakeUi ui;
        ui.programDirectory = dir.Path();
        FakeParent parent;
        RecordingPrintDevice shown, printed;
        ui.previewDevice = &shown;
        // Forty-four students: two pages.
        ClassRecord record = PointsClass();
        AddStudents(record, 44);
        AddItem(record, kTests, "T1", 10, std::vector<float>(44, 9.0f));
        AddItem(record, kQuizzes, "Q1", 10, std::vector<float>(44, 7.0f));
        PrintOptions windowOptions = DefaultPrintOptions();
        ui.dialogs.push_back([&](FakeDialogHost& host) {
            host.Click(resources::kIdFirstPrintBox + kPrintLastName);
            if (c.optionsOk)
                host.PressOk();
            else
                host.PressCancel();
        });
        ui.answers = {Answer::No, Answer::No};
        if (c.previewPrint) ui.previews.push_back(*c.previewPrint);
        if (c.printDialogOk)
            ui.printDialogs.push_back(PrintDialogOk(printed));
        else
            ui.printDialogs.push_back([](platform::PrintSetup&) { return nullptr; });

        PreviewGradesCommand(ui, &parent, record, windowOptions);

        ASSERT_EQ(ui.boxes.size(), c.questions);
        if (c.questions == 2) {
            EXPECT_EQ(ui.boxes[0].text, "Print last test score?");
            EXPECT_EQ(ui.boxes[1].text, "Print last quiz score?");
        }
        EXPECT_EQ(ui.printDialogCount, c.printDialogs);
        EXPECT_TRUE(parent.IsEnabled());
        if (!c.previewPrint) {
            EXPECT_TRUE(ui.previewTitles.empty());
            EXPECT_TRUE(shown.pages.empty());
        } else {
            EXPECT_EQ(ui.previewTitles, std::vector<std::string>{record.fileName});
            // The preview shows one document of the report's pages.
            ASSERT_EQ(shown.pages.size(), 2u);
            EXPECT_EQ(shown.endDocs, 1);
            EXPECT_NE(FindOn(shown.pages[0], "Last1"), nullptr);
            EXPECT_NE(FindOn(shown.pages[1], "Last44"), nullptr);
            EXPECT_NE(FindOn(shown.pages[1], "Averages"), nullptr);
        }
        if (c.printed) {
            // The pages printed are the pages shown.
            ASSERT_EQ(printed.pages.size(), shown.pages.size());
            for (std::size_t i = 0; i < shown.pages.size(); ++i) EXPECT_EQ(printed.PageTexts(i), shown.PageTexts(i));
        } else {
            EXPECT_TRUE(printed.pages.empty());
        }
    }
}

}  // namespace
}  // namespace quorle::testing
