// A report whose widest line would run past the paper's edge is set in a font
// just small enough for it; one that fits keeps the font of its page height.
#include <gtest/gtest.h>

#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"
#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

// The right edge of the widest text of a job, with the device's fixed metrics.
int RightmostEdge(const RecordingPrintDevice& device) {
    int right = 0;
    for (const auto& page : device.pages)
        for (const auto& t : page.texts)
            right = std::max(right, t.x + static_cast<int>(t.text.size()) * std::max(1, t.fontHeight / 2));
    return right;
}

ClassRecord SevenFigures() {
    ClassRecord record = PointsClass();
    AddStudents(record, 3);
    for (int i = 0; i < 7; ++i) AddItem(record, kTests, "T" + std::to_string(i), 10, {9, 8, 7});
    return record;
}

bool PrintGrades(const ClassRecord& record, RecordingPrintDevice& device) {
    FakeUi ui;
    PrintOptions options = DefaultPrintOptions();
    for (int i : {kPrintLastName, kPrintFirstName, kPrintGradesFirst + kTests}) options[static_cast<std::size_t>(i)] = 1;
    TMyPrinter printer;
    TGradesPrint printout("c.gdr", record, printer, ui, options, KeepOptions::DoNotSave);
    EXPECT_EQ(printout.ColumnCount(), 11);  // names, seven tests, Average, Grade: the wide layout's band of nine
    ui.printDialogs.push_back(PrintDialogOk(device));
    return printer.RunPrintJob(ui, nullptr, printout, true);
}

TEST(ReportPageWidth, AGradesTableTooWideForThePaperIsSetSmallerToFit) {
    // Names and seven grades in a band: 10 + 15 + 15 + 7 x 10 = 110 characters.
    RecordingPrintDevice roomy(2400, 3200);  // character height 38, width 19: 2090 pixels
    ASSERT_TRUE(PrintGrades(SevenFigures(), roomy));
    EXPECT_EQ(roomy.pages[0].texts.front().fontHeight, 38);

    RecordingPrintDevice narrow(1500, 3200);
    ASSERT_TRUE(PrintGrades(SevenFigures(), narrow));
    EXPECT_EQ(narrow.pages[0].texts.front().fontHeight, 38 * 1500 / 2090);
    EXPECT_LE(RightmostEdge(narrow), 1500);
    EXPECT_NE(FindOn(narrow.pages[0], "T6"), nullptr);
}

TEST(ReportPageWidth, AMakeupLineOfEightTitlesFitsThePaper) {
    ClassRecord record = PointsClass();
    AddStudents(record, 1);
    for (int i = 0; i < 9; ++i) AddItem(record, kTests, "Work" + std::to_string(i), 10, {0});
    RecordingPrintDevice narrow(1500, 3200);
    FakeUi ui;
    TMyPrinter printer;
    TMakeupPrint printout("c.gdr", record, printer, ui);
    ui.printDialogs.push_back(PrintDialogOk(narrow));
    ASSERT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true));
    // The student's lines (not the class header, which is the teacher's own text).
    int right = 0;
    for (const auto& t : narrow.pages[0].texts)
        if (t.text.rfind("Work", 0) == 0) right = std::max(right, t.x + static_cast<int>(t.text.size()) * (t.fontHeight / 2));
    EXPECT_LE(right, 1500);
    EXPECT_LT(narrow.pages[0].texts.front().fontHeight, 38);
}

}  // namespace
}  // namespace quorle::testing
