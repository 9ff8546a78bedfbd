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
    void Check(const Case& k, int command, int category, const std::string& file = {}) {
        SCOPED_TRACE(k.name);
        ClassRecord r = SmallClass();
        for (auto& w : r.grading.weights) w = "25";
        r.grading.weightedFlag = 1;
        r.grading.weights[kQuizzes] = "0";
        Open(r);
        if (!file.empty()) Ui().fileNames.push_back(dir.File(file));
        const auto before = OnDisk();
        const float average = ClassAverage(Rec().grading, Rec().roster);
        for (const auto& s : k.scripts) Script(s);
        f->child->Command(command);
        std::vector<std::string> boxes;
        for (const auto& b : Ui().boxes) boxes.push_back(b.text);
        EXPECT_EQ(boxes, k.boxes);
        EXPECT_TRUE(Ui().dialogs.empty());
        if (k.added.empty()) {
            EXPECT_EQ(OnDisk(), before);
            EXPECT_EQ(f->child->History().StepCount(), 0u);
            return;
        }
        std::vector<float> column;
        for (const auto& row : Rec().roster) column.push_back(row.scores[category].back().value);
        EXPECT_EQ(column, k.added);
        EXPECT_EQ(Rec().PossibleRow().scores[category].back().title.Str(), "Quiz 5");
        ExpectWritten();
        if (column[1] == N) {
            EXPECT_EQ(ClassAverage(Rec().grading, Rec().roster), average);
        }
        EXPECT_EQ(f->Grades().CursorColumn()->category, category);
        EXPECT_EQ(f->Grades().Cursor()->row, 1);
        f->child->Command(res::cmd::kUndo);
        EXPECT_EQ(OnDisk(), before);
    }
};

TEST_F(GradesInTest, NewGradeColumnAsksTypeTitleAndPointsAndOmitsEveryGrade) {
    const std::string refused = "You have not weighted quizzes in your grading system. ";
    const Case cases[] = {
        {"OK all through", {Ok(), TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")}, {10, N, N, N}},
        {"weight 0, then tests",
         {ClickOk(res::kIdFirstGradeType + kQuizzes), ClickOk(res::kIdFirstGradeType + kTests),
          TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")},
         {10, N, N, N},
         {refused}},
        {"Cancel at the type", {Cancel()}, {}},
        {"Cancel at the title", {Ok(), Cancel()}, {}},
        {"Cancel at the points", {Ok(), TypeOk(res::kIdTitle, "Quiz 5"), Cancel()}, {}},
    };
    for (const Case& k : cases) Check(k, res::cmd::kNewGradeColumn, kTests);
}

TEST_F(GradesInTest, ImportGradesAddsTheConfirmedMatchesOrNothing) {
    const std::string csv = "Name,Q1,Total\nAnn Adams,7,\"4,5\"\nCy Cole,x,\n";
    const auto confirm = [](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdImportHeading), "Grades in Quiz 5 from the column \"Total\":");
        EXPECT_EQ(h.ListItems(res::kIdImportList),
                  (std::vector<std::string>{"Adams, Ann: 4.5", "Baker, Bob: left omitted", "Cole, Cy: left omitted"}));
        EXPECT_EQ(h.Text(res::kIdImportCounts), "1 grades, 2 students left omitted.");
        EXPECT_TRUE(h.PressOk());
    };
    const auto column = [](int item) { return [item](FakeDialogHost& h) { h.Select(res::kIdScoreColumn, item); h.PressOk(); }; };
    const std::vector<DialogScript> asked{Ok(), TypeOk(res::kIdTitle, "Quiz 5"), TypeOk(res::kIdValue, "10")};
    const auto then = [&](std::vector<DialogScript> more) {
        std::vector<DialogScript> all = asked;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const Case cases[] = {
        {"matched", then({Ok(), confirm}), {10, 4.5f, N, N}},
        {"refused", then({column(2)}), {}, {"Line 3: the score \"x\" is not a number.\n\nNo grades were added."}},
        {"Cancel at the file", {}, {}},
        {"Cancel at the type", {Cancel()}, {}},
        {"Cancel at the column", then({Cancel()}), {}},
        {"Cancel at the confirmation", then({Ok(), Cancel()}), {}},
    };
    for (const Case& k : cases) {
        dir.Write("quiz.csv", std::vector<unsigned char>(csv.begin(), csv.end()));
        Check(k, res::cmd::kImportGrades, kTests, std::string(k.name) == "Cancel at the file" ? "" : "quiz.csv");
    }
    res::ExpectTidy(res::ScoreColumnDialogResource());
    res::ExpectTidy(res::ImportGradesDialogResource());
}

}  // namespace
}  // namespace quorle::testing
