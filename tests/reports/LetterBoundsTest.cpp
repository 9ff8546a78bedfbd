// Progress reports and warning notices of a class whose every text is as long
// as its field allows, with every figure of many grades chosen, printed on
// Letter and A4 paper: each word lies on the paper and no two overlap.
#include <gtest/gtest.h>

#include "reports/ProgressPrint.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

// The printable part of a sheet at 300 dots per inch inside quarter-inch
// margins, measured as Courier New measures: a character three fifths of its
// height wide, a line nine eighths of it high.
constexpr Paper kLetter{"Letter", 2400, 3150};
constexpr Paper kA4{"A4", 2331, 3358};

int TextWidth(std::size_t chars, int height) { return static_cast<int>(chars) * height * 3 / 5; }
int TextHeight(int height) { return height * 9 / 8; }

class PaperDevice : public RecordingPrintDevice {
public:
    explicit PaperDevice(const Paper& paper) : RecordingPrintDevice(paper.width, paper.height) {}
    Size TextExtent(std::string_view text) override {
        const int height = Canvas().CharHeight();
        return {TextWidth(text.size(), height), TextHeight(height)};
    }
};

// The letters as the program ships them.
constexpr const char* kProgressLetter =
    "{date}\n\nPROGRESS REPORT\n\nStudent:     {firstname} {lastname}\nCourse:      {course}\n"
    "Period:      {period}\nInstructor:  {instructor}\n\nDear parent or guardian of {firstname} {lastname},\n\n"
    "This report shows the grades your student has earned in {course} so\nfar this grading period:\n\n"
    "{grades}\n\nPlease call or write if you have any questions.\n\n{instructor}\n";
constexpr const char* kWarningLetter =
    "{date}\n\nWARNING NOTICE\n\nStudent:     {firstname} {lastname}\nCourse:      {course}\n"
    "Period:      {period}\nInstructor:  {instructor}\n\n{firstname} is in danger of failing {course}. "
    "The grades so far:\n\n{grades}\n\nPlease contact me to talk about how we can help.\n\n{instructor}\n";

std::string LongLetter() {
    std::string letter = kProgressLetter;
    for (int i = 0; i < 8; ++i)
        letter += "{firstname} {lastname} has worked on every lab of {course}\nwith {instructor} this term.\n";
    return letter;
}

ClassRecord LongNamesClass() {
    ClassRecord record = PointsClass();
    record.info.course = "Advanced Placement Biology II";
    record.info.instructor = "Dr. Maximiliana Throckmorton-Vanderbilt-Oglethorp";
    record.info.period = "Third Block Morning";
    record.extra1Name = "Fieldwork";
    record.extra2Name = "Portfolio";
    const char* firsts[] = {"Christabelline", "Maximilianusxy", "Bartholomewxyz"};
    const char* lasts[] = {"Wolfeschlegels", "Throckmortonxy", "Vanderbiltxyzq"};
    for (int i = 0; i < 3; ++i) AddStudent(record, lasts[i], firsts[i], std::to_string(101 + i));
    const std::pair<int, int> categories[] = {{kTests, 12}, {kQuizzes, 10}, {kHomework, 10}, {kLabs, 6},
                                              {kExtra1, 2},  {kExtra2, 2}};
    for (const auto& [category, count] : categories)
        for (int i = 0; i < count; ++i)
            AddItem(record, category, "Chapter" + std::to_string(10 + i), 100, {55.5f, 100, 42});
    return record;
}

TEST(LetterBoundsTest, EveryWordOfTheLongestLettersLiesOnThePaperAndNoTwoOverlap) {
    const ClassRecord record = LongNamesClass();
    ASSERT_EQ(record.info.course.Str().size(), 29u);
    ASSERT_EQ(record.Row(1).firstName.Str().size(), 14u);
    ASSERT_EQ(record.Row(1).lastName.Str().size(), 14u);
    ProgressOptions every{};
    every.fill(1);
    ProgressOptions none{};

    const struct {
        const char* name;
        ProgressKind kind;
        std::string letter;
        ProgressOptions options;
        int sheets;  // on either paper
    } cases[] = {
        {"progress, every figure", ProgressKind::Progress, kProgressLetter, every, 2},
        {"progress, Average and Grade", ProgressKind::Progress, kProgressLetter, none, 1},
        {"progress, a long letter", ProgressKind::Progress, LongLetter(), every, 4},
        {"warning, every figure", ProgressKind::Warning, kWarningLetter, every, 4},
        {"warning, Average and Grade", ProgressKind::Warning, kWarningLetter, none, 2},
    };
    for (const Paper& paper : {kLetter, kA4}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(paper.name) + ": " + c.name);
            TempDir dir;
            dir.Write(TemplateFileName(c.kind), std::vector<unsigned char>(c.letter.begin(), c.letter.end()));
            FakeUi ui;
            ui.programDirectory = dir.Path();
            PaperDevice device(paper);
            TMyPrinter printer;
            // Students 1 and 3 get progress reports; 1 and 3 are below 60.
            TProgressPrint printout(record, {false, true, false, true}, printer, ui, c.kind, 60.0f, c.options,
                                    KeepOptions::DoNotSave);
            ui.printDialogs.push_back(PrintDialogOk(device));
            ASSERT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true));
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(static_cast<int>(device.pages.size()), c.sheets);

            ExpectOnPaperAndApart(
                device.pages, paper,
                [](const DrawnText& t) {
                    return Rect{t.x, t.y, t.x + TextWidth(t.text.size(), t.fontHeight), t.y + TextHeight(t.fontHeight)};
                },
                std::string(paper.name) + ": " + c.name);
            int courses = 0;
            for (const auto& page : device.pages)
                for (const DrawnText& t : page.texts) courses += t.text == record.info.course.Str();
            // Nothing is lost on the way: every letter's course line is there, whole.
            EXPECT_GE(courses, c.kind == ProgressKind::Progress ? 2 : 4);
        }
    }
}

}  // namespace
}  // namespace quorle::testing
