// New Grade Column and Import Grades: a column added to every row at once as
// one step, or nothing changed.
#include <gtest/gtest.h>

#include "DialogResourceCheck.h"
#include "EditFixture.h"
#include "classwin/GradesIn.h"
#include "grading/Compute.h"
#include "resources/EditDialogs.h"
#include "resources/GradesInDialogs.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

namespace res = resources;
constexpr float N = kOmitMarker;

struct Case {
    const char* name;
    std::vector<DialogScript> scripts;
    std::vector<float> added;  // the new column, Possible Points first; empty: nothing added
    std::vector<std::string> boxes = {};
};

struct GradesInTest : EditTest {
    // Runs the command over the small class (quizzes weighted 0 under the
    // Weighted method) and checks the column, the file, the cursor and undo.
    void Check(const Case& k, int command, bool file = false) {
        SCOPED_TRACE(k.name);
        ClassRecord r = SmallClass();
        r.grading.weightedFlag = 1;
        for (auto& w : r.grading.weights) w = "25";
        r.grading.weights[kQuizzes] = "0";
        Open(r);
        if (file) Ui().fileNames.push_back(dir.File("quiz.csv"));
        const auto before = OnDisk();
        const float average = ClassAverage(Rec().grading, Rec().roster);
        for (const auto& s : k.scripts) Script(s);
        f->child->Command(command);
        EXPECT_EQ(Ui().BoxTexts(), k.boxes);
        EXPECT_TRUE(Ui().dialogs.empty());
        if (k.added.empty()) {
            EXPECT_EQ(OnDisk(), before);
            EXPECT_EQ(f->child->History().StepCount(), 0u);
            return;
        }
        std::vector<float> column;
        for (const auto& row : Rec().roster) column.push_back(row.scores[kTests].back().value);
        EXPECT_EQ(column, k.added);
        EXPECT_EQ(Rec().PossibleRow().scores[kTests][2].title.Str(), "Quiz 5");
        ExpectWritten();
        EXPECT_TRUE(column[1] != N || ClassAverage(Rec().grading, Rec().roster) == average);
        EXPECT_EQ(f->Grades().Cursor(), (CellCursor{1, *f->Grades().ColumnOf(kTests, 2)}));
        f->child->Command(res::cmd::kUndo);
        EXPECT_EQ(OnDisk(), before);
    }
};

TEST_F(GradesInTest, NewGradeColumnAsksTypeTitleAndPointsAndOmitsEveryGrade) {
    const Case cases[] = {
        {"OK all through", {Ok(), TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")}, {10, N, N, N}},
        {"weight 0, then tests",
         {ClickOk(res::kIdFirstGradeType + kQuizzes), ClickOk(res::kIdFirstGradeType + kTests),
          TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")},
         {10, N, N, N},
         {"You have not weighted quizzes in your grading system. "}},
        {"Cancel at the type", {Cancel()}, {}},
        {"Cancel at the title", {Ok(), Cancel()}, {}},
        {"Cancel at the points", {Ok(), TypeOk(res::kIdTitle, "Quiz 5"), Cancel()}, {}},
    };
    for (const Case& k : cases) Check(k, res::cmd::kNewGradeColumn);
}

TEST_F(GradesInTest, ImportGradesAddsTheConfirmedMatchesOrNothing) {
    const std::string csv = "Name,Q1,Total\nAnn Adams,7,\"4,5\"\nCy Cole,x,\n";
    const auto confirm = [](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdImportHeading), "Grades in Quiz 5 from the column \"Total\":");
        EXPECT_EQ(h.ListItems(res::kIdImportList),
                  (std::vector<std::string>{"Adams, Ann: 4.5", "Baker, Bob: left omitted", "Cole, Cy: left omitted"}));
        EXPECT_EQ(h.Text(res::kIdImportCounts), "1 grade, 2 students left omitted.");
        EXPECT_TRUE(h.PressOk());
    };
    const auto q1 = [](FakeDialogHost& h) { h.Select(res::kIdScoreColumn, 2); h.PressOk(); };
    const auto then = [](std::vector<DialogScript> more) {  // after the category, title and points
        more.insert(more.begin(), {Ok(), TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")});
        return more;
    };
    const Case cases[] = {
        {"matched", then({Ok(), confirm}), {10, 4.5f, N, N}},
        {"refused", then({q1}), {}, {"Line 3: the score \"x\" is not a number.\n\nNo grades were added."}},
        {"Cancel at the type", {Cancel()}, {}},
        {"Cancel at the column", then({Cancel()}), {}},
        {"Cancel at the confirmation", then({Ok(), Cancel()}), {}},
    };
    dir.Write("quiz.csv", std::vector<unsigned char>(csv.begin(), csv.end()));
    for (const Case& k : cases) Check(k, res::cmd::kImportGrades, true);
    Check({"Cancel at the file", {}, {}}, res::cmd::kImportGrades);
    for (const auto& d : {res::ScoreColumnDialogResource(), res::ImportGradesDialogResource()}) res::ExpectTidy(d);
}

}  // namespace
}  // namespace quorle::testing
