// Every report of a class whose texts are as long as a class file holds them,
// printed on Letter and on A4: every drawn text lies on the printable page,
// no two drawn texts overlap, and the long texts are there to read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "grids/ColumnPrint.h"
#include "record/Random.h"
#include "reports/ClassListsPrint.h"
#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"
#include "reports/ReportFixtures.h"
#include "reports/SheetsPrint.h"
#include "seating/SeatPrint.h"

namespace quorle::testing {
namespace {

// The printable page of a PDF at 600 pixels an inch, a quarter inch kept
// free at every edge, as `quorle print` makes it.
constexpr Paper kLetter{"Letter", 4800, 6300};
constexpr Paper kA4{"A4", 4661, 6716};

// How wide a character and how high a line are for a font of character
// height h: the recording device's own (h / 2 by h), or those of a printer's
// fixed-pitch font, whose characters are wider and whose lines are taller.
struct Metrics {
    const char* name;
    int widthNumerator, widthDenominator;
    int lineNumerator, lineDenominator;
    int CharWidth(int h) const { return std::max(1, h * widthNumerator / widthDenominator); }
    int Line(int h) const { return (h * lineNumerator + lineDenominator - 1) / lineDenominator; }
};
constexpr Metrics kRecording{"recording", 1, 2, 1, 1};
constexpr Metrics kPrinterFont{"printer font", 5, 9, 21, 20};

class PaperDevice : public RecordingPrintDevice {
public:
    PaperDevice(Paper paper, Metrics metrics) : RecordingPrintDevice(paper.width, paper.height), metrics_(metrics) {}
    Size TextExtent(std::string_view text) override {
        const int h = RecordingPrintDevice::TextExtent("X").cy;
        return Size{static_cast<int>(text.size()) * metrics_.CharWidth(h), metrics_.Line(h)};
    }
    Rect Box(const DrawnText& t) const {
        return Rect{t.x, t.y, t.x + static_cast<int>(t.text.size()) * metrics_.CharWidth(t.fontHeight),
                    t.y + metrics_.Line(t.fontHeight)};
    }

private:
    Metrics metrics_;
};

const char* const kLastNames[] = {"Wolfeschlegels", "Featherstonemw", "Abernathy-Chan", "Montgomerywwww"};
const char* const kFirstNames[] = {"Maximilianoxyz", "Wilhelminawwww", "Christophernmw", "Alexandrinaabc"};
constexpr const char* kInstructor = "Dr. Maximiliana Featherstonehaugh-Worthington III";
constexpr int kStudents = 30;
constexpr int kGradesPerCategory = 24;

// 29 characters of course, 49 of instructor, 19 of period, names of 14,
// titles of 9 and 24 grades in each category; every fifth grade is missing.
ClassRecord LongNamesClass() {
    ClassRecord record = PointsClass();
    record.info.course = "Advanced Placement Biology II";
    record.info.instructor = kInstructor;
    record.info.period = "Block 3 10:15-11:45";
    record.extra1Name = "Portfolio";
    record.extra2Name = "Community";
    for (int s = 0; s < kStudents; ++s)
        AddStudent(record, kLastNames[s % 4], kFirstNames[(s / 4) % 4], std::to_string(900 + s));
    for (int c = 0; c < kCategoryCount; ++c)
        for (int j = 0; j < kGradesPerCategory; ++j) {
            std::vector<float> values;
            for (int s = 0; s < kStudents; ++s) values.push_back((s + j + c) % 5 == 0 ? 0.0f : 50.0f + static_cast<float>(s));
            AddItem(record, c, "Lab Wk " + std::to_string(c) + std::to_string(j % 10), 100, values);
        }
    return record;
}

PrintOptions Options(std::initializer_list<int> chosen) {
    PrintOptions options = DefaultPrintOptions();
    for (int i : chosen) options[static_cast<std::size_t>(i)] = 1;
    return options;
}

PrintOptions EveryColumn() {
    PrintOptions options = DefaultPrintOptions();
    for (int i = kPrintLastName; i <= kPrintPossiblePoints; ++i) options[static_cast<std::size_t>(i)] = 1;
    return options;
}

// What a report case prints with.
struct Job {
    const ClassRecord& record;
    TMyPrinter& printer;
    FakeUi& ui;
    // Runs the job on the device; false when it failed.
    std::function<bool(TPrintout&)> run;
};

class EveryReportOnPaper : public ::testing::Test {
protected:
    void SetUp() override { ui.today = platform::Date{2024, 12, 31}; }
    FakeUi ui;
};

TEST_F(EveryReportOnPaper, LongNamesStayOnThePaperAndApart) {
    const ClassRecord record = LongNamesClass();

    SeatingChart chart;
    for (int column : {0, 1, 3, 4, 6})
        for (int place = 0; place < 7; ++place) SetDesk(chart.grid, column, place, true);
    chart.Recount();
    chart.seats.assign(static_cast<std::size_t>(chart.seatCount), TPeople::Free());
    RandomGenerator random;
    random.Seed(7);
    ComputerFill(chart.seats, record.roster, random);

    TColumnList grid;
    for (const char* heading : {"Permission slip signed", "Paid", "Lunch", "Bus", "Back home safely"})
        grid.push_back(TColumn{FixedText<80>(heading), 6});

    TFirstDay wednesday;
    wednesday.date = TDates{9, 4};
    wednesday.weekday = 2;
    auto always = [](const TDates&) { return true; };

    const std::string instructorLine = std::string("Instructor: ") + kInstructor;
    struct Case {
        const char* report;
        std::function<bool(Job&)> print;
        std::vector<std::string> whole;  // what a teacher finds whole on the paper, in a text of its own or not
    };
    auto grades = [](PrintOptions options) {
        return [options](Job& job) {
            TGradesPrint printout("long.gdr", job.record, job.printer, job.ui, options, KeepOptions::DoNotSave);
            return job.run(printout);
        };
    };
    // 3 names + 5 categories of 24 grades + 11 averages and points + Average
    // and Grade: 136 columns, the narrowest that overran the page.
    PrintOptions columns136 = Options({0, 1, 2, 3, 4, 5, 6, 7});
    for (int i = kPrintAverageFirst; i < kPrintAverageFirst + 11; ++i) columns136[static_cast<std::size_t>(i)] = 1;

    const std::vector<Case> cases = {
        {"grades, narrow", grades(Options({0, 1, 2, 9, 10, 21})), {instructorLine, "Wolfeschlegels", "Grade"}},
        {"grades, 136 columns", grades(columns136), {instructorLine, "Christophernmw", "Average", "Grade"}},
        {"grades, every column", grades(EveryColumn()), {instructorLine, "Community", "Poss Pts", "Grade"}},
        {"makeup",
         [](Job& job) {
             TMakeupPrint printout("long.gdr", job.record, job.printer, job.ui);
             return job.run(printout);
         },
         {instructorLine, "Abernathy-Chan", "Alexandrinaabc"}},
        {"random",
         [](Job& job) {
             TRandomPrint printout(job.record, job.ui);
             return job.run(printout);
         },
         {"Wolfeschlegels", "Featherstonemw", "Abernathy-Chan", "Montgomerywwww"}},
        {"names",
         [](Job& job) {
             TNameAndIDPrint printout(job.record);
             return job.run(printout);
         },
         {"Montgomerywwww", "Christophernmw", "929"}},
        {"grade sheets",
         [](Job& job) {
             TSheetsPrint printout(job.record, kMaxSheetGrades);
             return job.run(printout);
         },
         {"Grade Sheets for Advanced Placement Biology II, Period Block 3 10:15-11:45", "Wolfeschl", "M."}},
        {"attendance, 30 days",
         [&](Job& job) {
             TAttendancePrint printout(job.record, 30, wednesday, WeekStarts(wednesday.date, 2, 30, false, always));
             return job.run(printout);
         },
         {"Montgomer", "10/14"}},
        {"attendance, 50 days",
         [&](Job& job) {
             TAttendancePrint printout(job.record, 50, wednesday, WeekStarts(wednesday.date, 2, 50, false, always));
             return job.run(printout);
         },
         {"Abernathy", "11/11"}},
        {"seating",
         [&](Job& job) {
             TSeatPrint printout(kChartPrintTitle, chart, job.record.info);
             return job.run(printout);
         },
         {"Back", "Front"}},
        {"grid",
         [&](Job& job) {
             TColumnPrint printout(job.printer, grid, job.record.roster, job.record.info.course.View(),
                                   job.record.info.period.View(), job.ui.Today());
             return job.run(printout);
         },
         {"Wolfeschlegel M.", "Back home safely"}},
    };

    for (const Paper& paper : {kLetter, kA4}) {
        for (const Metrics& metrics : {kRecording, kPrinterFont}) {
            for (const Case& c : cases) {
                const std::string what = std::string(c.report) + " on " + paper.name + ", " + metrics.name;
                PaperDevice device(paper, metrics);
                TMyPrinter printer;
                auto run = [&](TPrintout& printout) {
                    ui.printDialogs.push_back(PrintDialogOk(device));
                    return printer.RunPrintJob(ui, nullptr, printout, true);
                };
                Job job{record, printer, ui, run};
                ASSERT_TRUE(c.print(job)) << what;
                ASSERT_FALSE(device.pages.empty()) << what;

                ExpectOnPaperAndApart(device.pages, paper, [&](const DrawnText& t) { return device.Box(t); }, what);
                for (const std::string& text : c.whole) {
                    bool found = false;
                    for (const auto& page : device.pages)
                        for (const DrawnText& t : page.texts) found = found || t.text.find(text) != std::string::npos;
                    EXPECT_TRUE(found) << what << ": \"" << text << "\" is not printed whole";
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorle::testing
