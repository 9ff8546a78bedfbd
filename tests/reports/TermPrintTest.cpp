// The term report keeps every word on the paper: a long term goes on on
// page 2 under the class header and headings, a term of many periods on a
// further sheet with the names repeated.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/ReportFixtures.h"
#include "reports/TermPrint.h"

namespace quorle::testing {
namespace {

TermReport Term(int periods, int students) {
    TermReport report;
    report.info.course = "Biology";
    report.info.instructor = "Ms. Rivera";
    report.info.period = "3";
    report.subtitle = "Term grades of";
    report.headings = {"Last Name", "First Name", "ID #"};
    for (int k = 1; k <= periods; ++k) {
        report.headings.push_back("biology" + std::to_string(k));
        report.subtitle += " biology" + std::to_string(k) + " (weight 1),";
    }
    report.headings.insert(report.headings.end(), {"Term Aver", "Grade"});
    for (int s = 1; s <= students; ++s) {
        std::vector<std::string> row{"Student" + std::to_string(s), "Maximilianoxyz", std::to_string(s)};
        for (int k = 0; k < periods + 1; ++k) row.push_back(" 81.50");
        row.push_back("B");
        report.rows.push_back(row);
    }
    report.classAverage = " 81.50";
    return report;
}

TEST(TermPrint, EveryWordLiesOnThePaperAndLongTermsGoOn) {
    constexpr Paper kLetter{"Letter", 4800, 6300};
    struct Case {
        const char* what;
        int periods;
        int students;
        std::size_t sheets;
        // Texts on the last sheet: where the rows or columns went on.
        std::vector<std::string> lastSheet;
    };
    const Case cases[] = {
        {"three periods", 3, 5, 1, {"Student5", "biology3", " 81.50", "               Class Average is:  81.50"}},
        {"fifty students", 3, 50, 2, {"Page 2", "Course: Biology       Instructor: Ms. Rivera", "Last Name", "Student44",
                                      "Student50", "               Class Average is:  81.50"}},
        {"fourteen periods", 14, 5, 2, {"Page 1 (continued)", "Student5", "Last Name", "Term Aver", "Grade"}},
    };
    for (const Case& c : cases) {
        RecordingPrintDevice device(kLetter.width, kLetter.height);
        FakeUi ui;
        TMyPrinter printer;
        TTermPrint printout("Term Grades", Term(c.periods, c.students), printer, ui.today);
        ui.printDialogs.push_back(PrintDialogOk(device));
        ASSERT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true)) << c.what;
        ASSERT_EQ(device.pages.size(), c.sheets) << c.what;
        ExpectOnPaperAndApart(device.pages, kLetter, [](const DrawnText& t) {
            const int h = t.fontHeight;
            return Rect{t.x, t.y, t.x + static_cast<int>(t.text.size()) * std::max(1, h / 2), t.y + h};
        }, c.what);
        const auto copies = [](const std::vector<DrawnText>& texts, const std::string& text) {
            return std::count_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
        };
        for (const std::string& text : c.lastSheet)
            EXPECT_GE(copies(device.pages.back().texts, text), 1) << c.what << ": \"" << text << "\" not on the last sheet";
        // The names stand on every sheet; no student is printed twice.
        for (const auto& page : device.pages) EXPECT_LE(copies(page.texts, "Student1"), 1) << c.what;
    }
}

}  // namespace
}  // namespace quorle::testing
