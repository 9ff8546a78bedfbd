// A page of the grades report or the makeup report that is longer than the
// paper goes on on a further sheet, under "Page N (continued)" and the class
// header, rather than printing past the bottom edge.
#include <gtest/gtest.h>

#include <functional>

#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"
#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

// One student, under every test of `tests` in the wide layout: with the three
// name columns and Average and Grade, a band of nine columns each.
ClassRecord OneStudentUnderTests(int tests) {
    ClassRecord record = PointsClass();
    AddStudents(record, 1);
    for (int i = 0; i < tests; ++i) AddItem(record, kTests, "T" + std::to_string(i), 10, {5});
    return record;
}

// One student owing `zeros` tests, titled W1 on.
ClassRecord OneStudentOwing(int zeros) {
    ClassRecord record = PointsClass();
    AddStudents(record, 1);
    for (int i = 1; i <= zeros; ++i) AddItem(record, kTests, "W" + std::to_string(i), 10, {0.0f});
    return record;
}

bool PrintGrades(const ClassRecord& record, RecordingPrintDevice& device) {
    FakeUi ui;
    TMyPrinter printer;
    PrintOptions options = DefaultPrintOptions();
    for (int i : {kPrintLastName, kPrintFirstName, kPrintId, kPrintGradesFirst + kTests})
        options[static_cast<std::size_t>(i)] = 1;
    TGradesPrint printout("c.gdr", record, printer, ui, options, KeepOptions::DoNotSave);
    ui.printDialogs.push_back(PrintDialogOk(device));
    return printer.RunPrintJob(ui, nullptr, printout, true);
}

bool PrintMakeup(const ClassRecord& record, RecordingPrintDevice& device) {
    FakeUi ui;
    TMyPrinter printer;
    TMakeupPrint printout("c.gdr", record, printer, ui);
    ui.printDialogs.push_back(PrintDialogOk(device));
    return printer.RunPrintJob(ui, nullptr, printout, true);
}

TEST(ContinuedSheet, WhatWouldPassThePapersBottomGoesOnAFurtherSheet) {
    // The page is 3200 high in lines of 38: 84 whole lines, the body from 9.
    struct Case {
        const char* what;
        ClassRecord record;
        std::function<bool(const ClassRecord&, RecordingPrintDevice&)> print;
        const char* last;  // the page's last text
        std::size_t sheet;
        int line;
        const char* header;
    };
    const Case cases[] = {
        // The Possible Points row and the student, 2 x 18 bands, end on line 82.
        {"162 columns", OneStudentUnderTests(157), PrintGrades, "Grade", 0, 9 + 37 + 34, nullptr},
        // A 19th band would end on line 86: it starts the next sheet's body.
        {"163 columns", OneStudentUnderTests(158), PrintGrades, "Grade", 1, 9,
         "Course: Biology       Instructor: Ms. Gray"},
        // Seven titles on the names line, eight on each further line: 75 lines.
        {"599 titles", OneStudentOwing(599), PrintMakeup, "W599", 0, 9 + 74, nullptr},
        {"600 titles", OneStudentOwing(600), PrintMakeup, "W600", 1, 9,
         "    Makeup work for Course: Biology       Instructor: Ms. Gray"},
    };
    for (const Case& c : cases) {
        RecordingPrintDevice device(2400, 3200);
        ASSERT_TRUE(c.print(c.record, device)) << c.what;
        for (std::size_t s = 0; s < device.pages.size(); ++s)
            for (const auto& t : device.pages[s].texts)
                EXPECT_LE(t.y + t.fontHeight, 3200) << c.what << ", sheet " << s + 1 << ": " << t.text;
        ASSERT_GT(device.pages.size(), c.sheet) << c.what;
        const DrawnText* last = FindOn(device.pages[c.sheet], c.last);
        ASSERT_NE(last, nullptr) << c.what;
        EXPECT_EQ(last->y, c.line * kLine) << c.what;
        const RecordingPrintDevice::Page& first = device.pages[0];
        EXPECT_EQ(FindOn(first, "Page 1 (continued)"), nullptr) << c.what;
        if (c.header != nullptr) {
            const RecordingPrintDevice::Page& further = device.pages[c.sheet];
            ASSERT_FALSE(further.texts.empty());
            EXPECT_EQ(further.texts[0].text, "Page 1 (continued)") << c.what;
            EXPECT_EQ(further.texts[0].x, 20) << c.what;
            EXPECT_EQ(further.texts[0].y, 10) << c.what;
            const DrawnText* header = FindOn(further, c.header);
            ASSERT_NE(header, nullptr) << c.what;
            EXPECT_EQ(header->y, 5 * kLine) << c.what;
            // The further sheet goes on in the page's font, not the device's own.
            for (const auto& t : further.texts) EXPECT_EQ(t.fontHeight, kLine) << c.what << ": " << t.text;
        }
    }
}

TEST(ContinuedSheet, AFailingFurtherSheetStopsTheJobWithItsError) {
    RecordingPrintDevice device(2400, 3200);
    device.endPageResults[1] = platform::kSpoolOutOfDisk;
    FakeUi ui;
    TMyPrinter printer;
    const ClassRecord record = OneStudentOwing(600);
    TMakeupPrint printout("c.gdr", record, printer, ui);
    ui.printDialogs.push_back(PrintDialogOk(device));
    EXPECT_FALSE(printer.RunPrintJob(ui, nullptr, printout, true));
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(FindOn(device.pages[0], "W600"), nullptr);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "'c.gdr' not printed. Out of disk space.");
}

}  // namespace
}  // namespace quorle::testing
