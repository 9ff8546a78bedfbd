#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "grading/Compute.h"
#include "grading/GradeColumns.h"

namespace quorle {
namespace {

// Two tests, a quiz and an Extra1 grade; Ames has every grade, Bell has an
// omitted second test and a row that lost its quiz (as only a damaged file has).
ClassRecord SmallClass() {
    ClassRecord record = NewClassRecord();
    record.extra1Name = "Project";
    auto item = [&](int category, const char* title, float possible) {
        for (TStudent& row : record.roster) row.scores[category].push_back(TGrades{kOmitMarker, FixedText<10>(title)});
        record.Row(0).scores[category].back().value = possible;
    };
    AddStudent(record, "Ames", "Ann", "7");
    AddStudent(record, "Bell", "Bo", "8");
    item(kTests, "Unit 1", 100);
    item(kTests, "Unit 2", 50);
    item(kQuizzes, "Quiz A", 10);
    item(kExtra1, "Poster", 20);
    record.Row(1).scores[kTests][0].value = 90;
    record.Row(1).scores[kTests][1].value = 40;
    record.Row(1).scores[kQuizzes][0].value = 9;
    record.Row(1).scores[kExtra1][0].value = 18;
    record.Row(2).scores[kTests][0].value = 70;
    record.Row(2).scores[kQuizzes].clear();
    record.Row(2).scores[kExtra1][0].value = 10;
    return record;
}

std::vector<std::string> Headings(const ClassRecord& record, const std::vector<GradeColumn>& columns) {
    std::vector<std::string> headings;
    for (const GradeColumn& column : columns) headings.push_back(GradeColumnHeading(record, column));
    return headings;
}

TEST(GradeColumns, EachViewGetsItsChoiceInTheOneOrder) {
    const ClassRecord record = SmallClass();
    ColumnChoice everything;
    everything.lastName = everything.firstName = everything.id = true;
    everything.lastTest = everything.lastQuiz = true;
    everything.grades.fill(true);
    everything.averages[kTests] = everything.averages[kExtra1] = true;
    everything.points[kQuizzes] = everything.points[kExtra1] = true;
    everything.total = everything.possible = true;

    ColumnChoice lastOnly;
    lastOnly.lastTest = lastOnly.lastQuiz = true;
    lastOnly.grades[kExtra1] = true;

    // The print options' order: Last Name, then the display flags' order.
    const std::set<int> options = {1, 3 + kQuizzes, 15 + kExtra1, 22};

    const ClassRecord empty;
    const struct {
        const char* what;
        const ClassRecord& record;
        ColumnChoice choice;
        std::vector<std::string> headings;
    } cases[] = {
        {"everything", record, everything,
         {"Last Name", "First Name", "ID #", "Unit 2", "Quiz A", "Unit 1", "Unit 2", "Quiz A", "Poster", "Test Aver",
          "Project Aver", "Quiz Pts", "Project Pts", "Total Pts", "Poss Pts", "Average", "Grade"}},
        {"last test and quiz", record, lastOnly, {"Unit 2", "Quiz A", "Poster", "Average", "Grade"}},
        {"print options", record, ChoiceFromFlags([&](int i) { return options.count(i + 1) > 0; }),
         {"First Name", "Quiz A", "Project Pts", "Poss Pts", "Average", "Grade"}},
        {"nothing chosen", record, ColumnChoice{}, {"Average", "Grade"}},
        {"no rows: no grade columns", empty, lastOnly, {"Average", "Grade"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Headings(c.record, GradeColumns(c.record, c.choice)), c.headings) << c.what;

    // The grades pane leaves the names to the names pane.
    DisplayFlags flags{};
    flags[kShowFirstName] = flags[kShowId] = 1;
    flags[kShowGradesFirst + int{kQuizzes}] = 1;
    EXPECT_EQ(Headings(record, GradeColumns(record, flags)), (std::vector<std::string>{"Quiz A", "Average", "Grade"}));
}

TEST(GradeColumns, CellsAndMeansAreTheFiguresOfTheirRows) {
    const ClassRecord record = SmallClass();
    const GradeColumn unit2{GradeColumn::Grade, kTests, 1};
    const GradeColumn quiz{GradeColumn::Grade, kQuizzes, 0};
    const GradeColumn project{GradeColumn::Average, kExtra1, 0};
    const GradeColumn total{GradeColumn::Total};
    const GradeColumn overall{GradeColumn::Overall};
    const GradeColumn letter{GradeColumn::Letter};
    const GradeColumn id{GradeColumn::Id};
    const GradeColumn pastTheEnd{GradeColumn::Grade, kTests, 5};
    ClassRecord excused = SmallClass();  // Unit 2 omitted for both
    excused.Row(1).scores[kTests][1].value = kOmitMarker;

    const struct {
        GradeColumn column;
        std::vector<std::string> cells;  // rows 0, 1, 2
        std::string mean;
        const ClassRecord* in = nullptr;  // SmallClass() when not given
    } cases[] = {
        {unit2, {" 50.00", " 40.00", " N/A"}, " 40.00"},  // the omitted grade is left out
        {unit2, {" 50.00", " N/A", " N/A"}, " N/A", &excused},
        {quiz, {" 10.00", "  9.00", ""}, "  4.50"},  // a lost grade shows nothing and counts 0
        {project, {FormatScore(100), FormatScore(90), FormatScore(50)}, FormatScore(70)},
        {total, {FormatScore(180), FormatScore(157), FormatScore(80)}, FormatScore(118.5f)},
        {overall,
         {FormatScore(OverallAverage(record.grading, record.Row(0), record.Row(0))),
          FormatScore(OverallAverage(record.grading, record.Row(0), record.Row(1))),
          FormatScore(OverallAverage(record.grading, record.Row(0), record.Row(2)))},
         FormatScore(ClassAverage(record.grading, record.roster))},
        {letter,
         {"", LetterGrade(record.grading, OverallAverage(record.grading, record.Row(0), record.Row(1))),
          LetterGrade(record.grading, OverallAverage(record.grading, record.Row(0), record.Row(2)))},
         ""},
        {id, {"    ", "7", "8"}, ""},  // the Possible Points row keeps its stored blanks
        {pastTheEnd, {"", "", ""}, "  0.00"},
    };
    for (const auto& c : cases) {
        const ClassRecord& in = c.in ? *c.in : record;
        const std::string heading = GradeColumnHeading(in, c.column);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(GradeColumnCell(in, c.column, j), c.cells[static_cast<std::size_t>(j)]) << heading << " row " << j;
        EXPECT_EQ(GradeColumnMean(in.grading, in.roster, c.column), c.mean) << heading;
        // A class without students has no means at all.
        EXPECT_EQ(GradeColumnMean(in.grading, {in.Row(0)}, c.column), "") << heading;
    }
}

}  // namespace
}  // namespace quorle
