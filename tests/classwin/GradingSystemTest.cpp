// Edit > Grading System through the fake platform: which dialogs the teacher
// sees, the messages, what the class keeps and the bytes of the default files.
#include <gtest/gtest.h>

#include <functional>

#include "classwin/GradingSystem.h"
#include "grading/GradingDefaults.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "resources/GradingDialogs.h"
#include "ClassFixture.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::FakeDialogHost;
using testing::FakeUi;
using testing::TempDir;
namespace res = resources;

constexpr const char* kSystem = "Grading System";
constexpr const char* kWeights = "Weighted Percentages";
constexpr const char* kNoPlus = "Enter Lowest Value for Each";
constexpr const char* kPlus = "Enter lowest value for each grade.";

// A weighted class (A 90 B 80 C 70 D 60) with one test, one quiz and, when
// asked, one Extra1 grade; Extra1 is named Lab2.
ClassRecord WeightedClass(bool extraGrade) {
    ClassRecord r = testing::SmallClass();
    r.grading.pointsFlag = 0;
    r.grading.weightedFlag = 1;
    r.grading.weights = {LimitText("40"), LimitText("30"), LimitText("20"), LimitText("10"), LimitText("0"),
                         LimitText("0")};
    r.extra1Name = "Lab2";
    if (extraGrade) testing::AddItem(r, kExtra1, "L1", {10, 9, 8, 7});
    return r;
}

std::function<void(FakeDialogHost&)> System(bool weighted, bool plusMinus) {
    return [=](FakeDialogHost& host) {
        host.Click(weighted ? res::kIdWeighted : res::kIdPoints);
        if (host.IsChecked(res::kIdPlusMinus) != plusMinus) host.Click(res::kIdPlusMinus);
        EXPECT_TRUE(host.PressOk());
    };
}

// Types the fields from firstId on and presses OK each time; the last set must pass.
std::function<void(FakeDialogHost&)> Fields(int firstId, std::vector<std::vector<std::string>> attempts) {
    return [=](FakeDialogHost& host) {
        for (std::size_t a = 0; a < attempts.size(); ++a) {
            for (std::size_t i = 0; i < attempts[a].size(); ++i)
                host.Type(firstId + static_cast<int>(i), attempts[a][i]);
            EXPECT_EQ(host.PressOk(), a + 1 == attempts.size()) << "attempt " << a;
        }
    };
}

std::function<void(FakeDialogHost&)> Cancel() {
    return [](FakeDialogHost& host) { host.PressCancel(); };
}

std::vector<unsigned char> FieldBytes(std::initializer_list<const char*> texts) {
    ByteWriter out;
    for (const char* t : texts) out.WriteText(LimitText(t));
    return out.Bytes();
}

TEST(GradingSystem, ChecksWeightsAndLimitsAndKeepsWhatPasses) {
    const std::string tests = "Your must weigh tests more than 0 % since test grades exist!!";
    const std::string quizzes = "Your must weigh quizzes more than 0 % since quiz grades exist!!";
    const std::string lab2 = "Your must weigh Lab2 more than 0 % since Lab2 grades exist!!";
    const struct {
        const char* name;
        bool extraGrade;
        std::vector<std::vector<std::string>> weights;
        std::vector<std::string> messages;
    } cases[] = {
        {"quarter each", false, {{"25", "25", "25", "25", "0", "0"}}, {}},
        {"sum 99", false, {{"25", "25", "25", "24", "0", "0"}, {"25", "25", "25", "25", "0", "0"}}, {kWeightsNot100}},
        {"halves count", false, {{"50.5", "49.5", "0", "0", "0", "0"}}, {}},
        {"quiz unweighted", false, {{"50", "0", "25", "25", "0", "0"}, {"50", "25", "25", "0", "0", "0"}}, {quizzes}},
        {"half a test", false, {{"0.5", "50", "49.5", "0", "0", "0"}, {"50", "50", "0", "0", "0", "0"}}, {tests}},
        {"extra by name", true, {{"25", "25", "25", "25", "0", "0"}, {"25", "25", "25", "20", "5", "0"}}, {lab2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        FakeUi ui;
        ClassRecord r = WeightedClass(c.extraGrade);
        r.fileName = dir.File("class.gdr");
        ui.dialogs = {System(true, false), Fields(res::kIdFirstWeight, c.weights),
                      Fields(res::kIdFirstLimit, {{"90", "80", "80", "60"}, {"93", "85", "75", "65"}})};
        ASSERT_EQ(EditGradingSystem(ui, r, dir.Path()), GradingEdit::Done);
        std::vector<std::string> expected = c.messages;
        expected.push_back(kLimitsNotDescending);
        EXPECT_EQ(ui.BoxTexts(), expected);
        EXPECT_EQ(ui.dialogCaptions, (std::vector<std::string>{kSystem, kWeights, kNoPlus}));
        const auto& last = c.weights.back();
        EXPECT_EQ(dir.Read("QUORLE.WTS"),
                  FieldBytes({last[0].c_str(), last[1].c_str(), last[2].c_str(), last[3].c_str(), last[4].c_str(),
                              last[5].c_str()}));
        EXPECT_EQ(dir.Read("QUORLE.NPL"), FieldBytes({"93", "85", "75", "65"}));
        EXPECT_EQ(dir.Read("QUORLE.SYS"), (std::vector<unsigned char>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_FALSE(dir.Exists("QUORLE.PLU"));
        EXPECT_EQ(dir.Read("class.gdr"), SerializeClassFile(r));
        EXPECT_EQ(r.grading.weights[0].View(), last[0]);
        EXPECT_FALSE(r.modified);
    }
}

// Each weight is a percentage from 0 to 100: any other text is refused with
// a message naming its category, and the dialog stays with the entries as typed
// and the box at fault to type in. Weights that pass are kept and written.
TEST(GradingSystem, WeightsOutsideZeroToOneHundredAreRefusedWithTheEntriesKept) {
    using W = std::vector<std::string>;
    const auto range = [](const char* name) {
        return "The weight of " + std::string(name) + " must be from 0 to 100 percent!!";
    };
    const struct {
        const char* name;
        W weights;
        std::string message;  // empty: accepted
        int box;              // the box at fault
    } cases[] = {
        {"100 in the first", {"100", "0", "0", "0", "0", "0"}, "", 0},
        {"100 in the last", {"0", "0", "0", "0", "0", "100"}, "", 0},
        {"blanks around, an empty box is 0", {" 50", "25 ", "25", "", "0", "0"}, "", 0},
        {"halves", {"99.5", ".5", "0", "0", "0", "0"}, "", 0},
        {"just over 100", {"100.1", "-0.1", "0", "0", "0", "0"}, range("tests"), 0},
        {"110 and -10 add up to 100", {"0", "110", "-10", "0", "0", "0"}, range("quizzes"), 1},
        {"below 0 after others", {"50", "50", "10", "0", "-10", "0"}, range("Lab2"), 4},
        {"not a number", {"25", "25", "25", "25", "abc", "0"}, range("Lab2"), 4},
        {"two points", {"50", "50", "0", "0", "0", "0.0."}, range("Extra2"), 5},
        {"an exponent", {"0", "0", "0", "1e2", "0", "0"}, range("labs"), 3},
    };
    const W good{"25", "25", "25", "25", "0", "0"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        FakeUi ui;
        ClassRecord r = WeightedClass(false);
        for (TStudent& row : r.roster)
            for (auto& list : row.scores.lists) list.clear();
        r.fileName = dir.File("class.gdr");
        W kept;
        int focus = -1;
        const auto box = [](std::size_t i) { return res::kIdFirstWeight + static_cast<int>(i); };
        const auto weights = [&](FakeDialogHost& host) {
            for (std::size_t i = 0; i < 6; ++i) host.Type(box(i), c.weights[i]);
            if (host.PressOk()) return;
            for (std::size_t i = 0; i < 6; ++i) kept.push_back(host.Text(box(i)));
            focus = host.Focus();
            for (std::size_t i = 0; i < 6; ++i) host.Type(box(i), good[i]);
            EXPECT_TRUE(host.PressOk());
        };
        ui.dialogs = {System(true, false), weights, Fields(res::kIdFirstLimit, {{"93", "85", "75", "65"}})};
        ASSERT_EQ(EditGradingSystem(ui, r, dir.Path()), GradingEdit::Done);
        const W& taken = c.message.empty() ? c.weights : good;
        EXPECT_EQ(dir.Read("QUORLE.WTS"), FieldBytes({taken[0].c_str(), taken[1].c_str(), taken[2].c_str(),
                                                      taken[3].c_str(), taken[4].c_str(), taken[5].c_str()}));
        if (c.message.empty()) {
            EXPECT_TRUE(ui.boxes.empty());
            continue;
        }
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "Warning");
        EXPECT_EQ(ui.boxes[0].text, c.message);
        EXPECT_EQ(ui.boxes[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(kept, c.weights);
        EXPECT_EQ(focus, res::kIdFirstWeight + c.box);
    }
}

TEST(GradingSystem, ShowsOnlyTheDialogsTheChoiceNeeds) {
    TempDir dir;
    FakeUi ui;
    ClassRecord r = WeightedClass(false);
    r.fileName = dir.File("class.gdr");
    const std::vector<std::string> plus{"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"};
    std::vector<std::string> flat = plus;
    flat[6] = "80";  // C+ equal to B-
    ui.dialogs = {System(false, true), Fields(res::kIdFirstLimit, {flat, plus})};
    ASSERT_EQ(EditGradingSystem(ui, r, dir.Path()), GradingEdit::Done);
    EXPECT_EQ(ui.dialogCaptions, (std::vector<std::string>{kSystem, kPlus}));
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{kLimitsNotDescending}));
    EXPECT_EQ(r.grading.pointsFlag, 1);
    EXPECT_EQ(r.grading.weightedFlag, 0);
    EXPECT_EQ(r.grading.plusMinusFlag, 1);
    EXPECT_EQ(r.grading.plusLimits[11].View(), "60");
    EXPECT_EQ(r.grading.weights[0].View(), "40");  // not edited
    EXPECT_EQ(r.grading.limits[0].View(), "90");   // the other set stays
    EXPECT_FALSE(dir.Exists("QUORLE.WTS"));
    EXPECT_FALSE(dir.Exists("QUORLE.NPL"));
    EXPECT_EQ(dir.Read("QUORLE.SYS"), (std::vector<unsigned char>{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(ReadClassFile(r.fileName).grading.plusMinusFlag, 1);
}

TEST(GradingSystem, CancelKeepsOnlyWhatWasConfirmedBefore) {
    const struct {
        const char* name;
        int dialogs;  // the dialog cancelled: 0 system, 1 weights, 2 limits
        GradingEdit result;
    } cases[] = {{"at the system", 0, GradingEdit::Unchanged},
                 {"at the weights", 1, GradingEdit::Unchanged},
                 {"at the limits", 2, GradingEdit::WeightsOnly}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        FakeUi ui;
        ClassRecord r = WeightedClass(false);
        r.fileName = dir.File("class.gdr");
        r.grading.plusMinusFlag = 0;
        const GradingSystem before = r.grading;
        ui.dialogs = {System(true, true), Fields(res::kIdFirstWeight, {{"25", "25", "25", "25", "0", "0"}}), Cancel()};
        ui.dialogs[static_cast<std::size_t>(c.dialogs)] = Cancel();
        EXPECT_EQ(EditGradingSystem(ui, r, dir.Path()), c.result);
        EXPECT_FALSE(dir.Exists("class.gdr"));
        EXPECT_FALSE(dir.Exists("QUORLE.SYS"));
        EXPECT_EQ(r.grading.plusMinusFlag, 0);  // the flags stay as they were
        if (c.result == GradingEdit::WeightsOnly) {
            EXPECT_EQ(r.grading.weights[0].View(), "25");
            EXPECT_EQ(dir.Read("QUORLE.WTS"), FieldBytes({"25", "25", "25", "25", "0", "0"}));
            EXPECT_TRUE(r.modified);
        } else {
            EXPECT_EQ(r.grading.weights[0].View(), before.weights[0].View());
            EXPECT_FALSE(dir.Exists("QUORLE.WTS"));
            EXPECT_FALSE(r.modified);
        }
    }
}

TEST(GradingSystem, DefaultFilesThatCannotBeWrittenAreReportedAndTheClassStillKeepsItsSystem) {
    TempDir dir;
    FakeUi ui;
    ClassRecord r = WeightedClass(false);
    r.fileName = dir.File("class.gdr");
    ui.dialogs = {System(true, false), Fields(res::kIdFirstWeight, {{"25", "25", "25", "25", "0", "0"}}),
                  Fields(res::kIdFirstLimit, {{"93", "85", "75", "65"}})};
    ASSERT_EQ(EditGradingSystem(ui, r, dir.File("no such folder")), GradingEdit::Done);
    const std::string missing = "File cannot be found!\nNo such file or folder: " + dir.File("no such folder/");
    EXPECT_EQ(ui.BoxTexts(),
              (std::vector<std::string>{missing + "QUORLE.WTS", missing + "QUORLE.NPL", missing + "QUORLE.SYS"}));
    EXPECT_EQ(dir.Read("class.gdr"), SerializeClassFile(r));
    EXPECT_EQ(r.grading.limits[0].View(), "93");
}

TEST(GradingSystem, WeightsDialogNamesTheExtraCategories) {
    FakeUi ui;
    ClassRecord r = WeightedClass(false);
    std::array<LimitText, 6> weights = r.grading.weights;
    TWeightsDialog dialog(ui, r, weights);
    FakeDialogHost host(dialog);
    dialog.SetupWindow(host);
    EXPECT_EQ(host.Text(res::kIdExtra1WeightLabel), "Lab2 :");
    EXPECT_EQ(host.Text(res::kIdExtra2WeightLabel), "Extra2 :");
    EXPECT_EQ(host.Text(res::kIdFirstWeight), "40");
}

TEST(GradingDefaults, NewClassReadsEachFileAndWarnsForEachMissingOne) {
    TempDir dir;
    FakeUi ui;
    GradingSystem stored;
    stored.pointsFlag = 0;
    stored.weightedFlag = 1;
    stored.plusMinusFlag = 1;
    stored.plusLimits[0] = "98";
    stored.weights[3] = "15";
    stored.limits[2] = "71";
    ASSERT_TRUE(WriteGradingDefault(dir.Path(), GradingDefault::System, stored));
    ASSERT_TRUE(WriteGradingDefault(dir.Path(), GradingDefault::Weights, stored));
    dir.Write("QUORLE.NPL", std::vector<unsigned char>(23, '7'));  // one byte short

    ClassRecord r = NewClassRecord();
    r.grading.limits[2] = "70";
    r.grading.plusLimits[0] = "97";
    LoadGradingDefaults(ui, r, dir.Path());
    EXPECT_EQ(ui.BoxTexts(),
              (std::vector<std::string>{"File cannot be found!\nNo such file or folder: " + dir.File("QUORLE.PLU"),
                                        "File cannot be found!\nToo short to hold its settings: " +
                                            dir.File("QUORLE.NPL")}));
    EXPECT_EQ(r.grading.weightedFlag, 1);
    EXPECT_EQ(r.grading.plusMinusFlag, 1);
    EXPECT_EQ(r.grading.weights[3].View(), "15");
    EXPECT_EQ(r.grading.plusLimits[0].View(), "97");
    EXPECT_EQ(r.grading.limits[2].View(), "70");
}

}  // namespace
}  // namespace quorle
