#include "reports/MakeupPrint.h"

#include <gtest/gtest.h>

#include "reports/PrintMenuCommands.h"
#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

constexpr int kMargin = kTen / 4;
constexpr int kFirstTitle = kMargin + 2 * kFifteen;
constexpr int kBody = 9 * kLine;

class MakeupReportTest : public ::testing::Test {
protected:
    void Print(const ClassRecord& record) {
        ui.printDialogs.push_back(PrintDialogOk(device, &parent));
        PrintMakeupCommand(ui, &parent, record);
    }
    std::vector<DrawnText> LineOf(std::size_t page, int y) const {
        std::vector<DrawnText> out;
        for (const auto& t : device.pages.at(page).texts)
            if (t.y == y) out.push_back(t);
        return out;
    }
    FakeUi ui;
    FakeParent parent;
    RecordingPrintDevice device;
};

// A student with n zero grades in tests, titled W1..Wn.
ClassRecord WithZeros(int n) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "1");
    for (int i = 1; i <= n; ++i) AddItem(record, kTests, "W" + std::to_string(i), 10, {0.0f});
    return record;
}

std::vector<std::string> TitlesFrom(const std::vector<DrawnText>& line, std::size_t first) {
    std::vector<std::string> out;
    for (std::size_t i = first; i < line.size(); ++i) out.push_back(line[i].text);
    return out;
}

TEST_F(MakeupReportTest, HeaderCarriesThePrefixAndNoPageNumberOnPageOne) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "1");
    Print(record);
    ASSERT_EQ(device.pages.size(), 1u);
    const auto header = LineOf(0, 5 * kLine);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].text, "    Makeup work for Course: Biology       Instructor: Ms. Gray");
    EXPECT_EQ(header[0].x, kTen);
    EXPECT_EQ(Texts(LineOf(0, 7 * kLine)), (std::vector<std::string>{"Period: 3", "3/7/1997"}));
    for (const auto& t : device.pages[0].texts) EXPECT_NE(t.text.rfind("Page ", 0), 0u) << t.text;
    EXPECT_EQ(device.documents, std::vector<std::string>{"/classes/bio.gdr"});
    EXPECT_TRUE(parent.IsEnabled());
    EXPECT_EQ(parent.changes, (std::vector<bool>{false, true}));
}

TEST_F(MakeupReportTest, StudentWithoutZerosHasAllWorkCompleted) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "1");
    AddItem(record, kTests, "T1", 10, {8});
    Print(record);
    const auto line = LineOf(0, kBody);
    ASSERT_EQ(Texts(line), (std::vector<std::string>{"Adams", "Ann", "All work completed!"}));
    EXPECT_EQ(line[0].x, kMargin);
    EXPECT_EQ(line[1].x, kMargin + kFifteen);
    EXPECT_EQ(line[2].x, kFirstTitle);
}

TEST_F(MakeupReportTest, SevenTitlesShareTheNamesLine) {
    Print(WithZeros(7));
    const auto line = LineOf(0, kBody);
    ASSERT_EQ(line.size(), 9u);
    EXPECT_EQ(TitlesFrom(line, 2), (std::vector<std::string>{"W1", "W2", "W3", "W4", "W5", "W6", "W7"}));
    for (std::size_t i = 2; i < line.size(); ++i) EXPECT_EQ(line[i].x, kFirstTitle + static_cast<int>(i - 2) * kTen);
    EXPECT_TRUE(LineOf(0, kBody + kLine).empty());
}

TEST_F(MakeupReportTest, EighthTitleStartsASecondLineAndSixteenthAThird) {
    Print(WithZeros(16));
    EXPECT_EQ(LineOf(0, kBody).size(), 9u);
    const auto second = LineOf(0, kBody + kLine);
    EXPECT_EQ(Texts(second), (std::vector<std::string>{"W8", "W9", "W10", "W11", "W12", "W13", "W14", "W15"}));
    EXPECT_EQ(second[0].x, kFirstTitle);
    const auto third = LineOf(0, kBody + 2 * kLine);
    ASSERT_EQ(Texts(third), std::vector<std::string>{"W16"});
    EXPECT_EQ(third[0].x, kFirstTitle);
    EXPECT_EQ(TMakeupPrint::LineCost(7), 1);
    EXPECT_EQ(TMakeupPrint::LineCost(8), 2);
    EXPECT_EQ(TMakeupPrint::LineCost(16), 3);
}

TEST_F(MakeupReportTest, OnlyExactZerosAreMissingWork) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "1");
    AddItem(record, kTests, "Omit", 10, {kOmitMarker});
    AddItem(record, kTests, "Half", 10, {0.5f});
    AddItem(record, kTests, "Zero", 10, {0.0f});
    Print(record);
    EXPECT_EQ(Texts(LineOf(0, kBody)), (std::vector<std::string>{"Adams", "Ann", "Zero"}));
}

TEST_F(MakeupReportTest, TitlesComeInCategoryOrder) {
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "1");
    AddItem(record, kExtra2, "X2", 10, {0});
    AddItem(record, kHomework, "HW", 10, {0});
    AddItem(record, kTests, "T", 10, {0});
    AddItem(record, kQuizzes, "Q", 10, {0});
    Print(record);
    EXPECT_EQ(TitlesFrom(LineOf(0, kBody), 2), (std::vector<std::string>{"T", "Q", "HW", "X2"}));
}

TEST_F(MakeupReportTest, FiftyStudentsFillFortyNineOnTheFirstPage) {
    ClassRecord record = PointsClass();
    AddStudents(record, 50);
    Print(record);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(device.pages[0], "Last49"), nullptr);
    EXPECT_EQ(FindOn(device.pages[0], "Last50"), nullptr);
    const DrawnText* number = FindOn(device.pages[1], "Page 2");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->x, 20);
    EXPECT_EQ(number->y, 10);
    EXPECT_EQ(LineOf(1, kBody).at(0).text, "Last50");
    EXPECT_NE(FindOn(device.pages[1], "    Makeup work for Course: Biology       Instructor: Ms. Gray"), nullptr);
}

TEST_F(MakeupReportTest, LongListsCostTheirLines) {
    ClassRecord record = PointsClass();
    AddStudents(record, 30);
    // Every student owes 8 grades: two lines each, so 24 students a page.
    for (int i = 0; i < 8; ++i) AddItem(record, kLabs, "L" + std::to_string(i), 5, std::vector<float>(30, 0.0f));
    Print(record);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NE(FindOn(device.pages[0], "Last24"), nullptr);
    EXPECT_EQ(LineOf(1, kBody).at(0).text, "Last25");
}

TEST_F(MakeupReportTest, ClassWithoutStudentsPrintsTheHeaderOnly) {
    Print(PointsClass());
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.pages[0].texts.size(), 3u);
}

TEST_F(MakeupReportTest, CancelledPrintDialogPrintsNothing) {
    ClassRecord record = PointsClass();
    AddStudents(record, 3);
    PrintMakeupCommand(ui, &parent, record);
    EXPECT_EQ(ui.printDialogCount, 1);
    EXPECT_TRUE(device.pages.empty());
    EXPECT_TRUE(parent.IsEnabled());
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace quorle::testing
