#include "grids/ColumnPrint.h"

#include <gtest/gtest.h>

#include "grids/GridPicture.h"
#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

// The recording device's page is 2400 x 3200: the grid font (N = 60) is 53
// high, so a cell is 26 x 53.
constexpr int kW = 26;
constexpr int kH = 53;

ClassRecord ClassOf(int students) {
    ClassRecord record = PointsClass();
    AddStudents(record, students);
    return record;
}

std::vector<std::string> NamesOn(const RecordingPrintDevice::Page& page) {
    std::vector<std::string> names;
    for (const auto& t : page.texts)
        if (t.text.rfind("Last", 0) == 0) names.push_back(t.text);
    return names;
}

std::vector<std::string> Names(int first, int last) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) {
        std::string name = "Last" + std::to_string(i);
        name.resize(14, ' ');
        out.push_back(name + "F.");
    }
    return out;
}

TEST(ColumnPrint, OnePagePerStudentGroupTitledGridSheet) {
    const struct {
        int students;
        std::vector<std::pair<int, int>> pages;  // first and last student of each page
    } cases[] = {
        {20, {{1, 20}}},
        {21, {{1, 20}, {21, 21}}},
        {41, {{1, 20}, {21, 41}}},
    };
    for (const auto& c : cases) {
        const ClassRecord record = ClassOf(c.students);
        FakeUi ui;
        RecordingPrintDevice device;
        FakeParent parent;
        int maxPage = 0;
        ui.printDialogs.push_back(PrintDialogOk(device, &parent, [&](platform::PrintSetup& s) { maxPage = s.maxPage; }));
        PrintGrid(ui, &parent, {TColumn{FixedText<80>("Signed"), 6}}, record);

        EXPECT_EQ(maxPage, static_cast<int>(c.pages.size())) << c.students;
        EXPECT_EQ(device.documents, std::vector<std::string>{"Grid Sheet"});
        ASSERT_EQ(device.pages.size(), c.pages.size()) << c.students;
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const auto& page = device.pages[p];
            EXPECT_EQ(NamesOn(page), Names(c.pages[p].first, c.pages[p].second)) << c.students << " page " << p + 1;
            // Each page starts with its own heading block three lines down.
            const DrawnText* course = FindOn(page, "Biology");
            ASSERT_NE(course, nullptr);
            EXPECT_EQ(course->y, 3 * kH);
            EXPECT_EQ(course->x, 27 * kW);
            EXPECT_NE(FindOn(page, "3/7/1997"), nullptr);
            EXPECT_NE(FindOn(page, "Period: 3"), nullptr);
            EXPECT_NE(FindOn(page, "Signed"), nullptr);
            const int students = c.pages[p].second - c.pages[p].first + 1;
            const auto picture = GridPicture(page.lines, kW, kH);
            ASSERT_EQ(picture.size(), static_cast<std::size_t>(2 + 2 * students + 1));
            EXPECT_EQ(picture.front(), "   ╔═════════════════╦══════╗");
            EXPECT_EQ(picture.back(), "   ╚═════════════════╩══════╝");
            for (const auto& l : page.lines) EXPECT_EQ(l.penWidth, 2);
        }
        EXPECT_TRUE(parent.IsEnabled());
    }
}

TEST(ColumnPrint, GridWiderThanThePaperIsSetSmallerToFit) {
    TColumnList columns{TColumn{FixedText<80>(std::string(50, 'W')), 50}};
    for (int i = 0; i < 40; ++i) columns.push_back(TColumn{});
    const ClassRecord record = ClassOf(3);
    FakeUi ui;
    RecordingPrintDevice device;
    ui.printDialogs.push_back(PrintDialogOk(device));
    PrintGrid(ui, nullptr, columns, record);
    ASSERT_EQ(device.pages.size(), 1u);
    int right = 0;
    for (const auto& l : device.pages[0].lines) right = std::max({right, l.x1, l.x2});
    EXPECT_LE(right, 2400);
    EXPECT_GT(right, 2000);
}

}  // namespace
}  // namespace quorle::testing
