// New Grade: the grade type, its title and one value per row; the grade goes
// to every row and the class file, or nowhere.
#include <gtest/gtest.h>

#include "EditFixture.h"
#include "classwin/NewGrade.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"

namespace quorle::testing {
namespace {

namespace res = resources;

DialogScript Value(std::string text) { return TypeOk(res::kIdValue, std::move(text)); }
DialogScript Omit() { return ClickOk(res::kIdOmit); }

struct NewGradeTest : EditTest {
    void Run() { f->child->Command(res::cmd::kNewGrade); }
};

TEST_F(NewGradeTest, AppendsToEveryRowWritesTheClassAndShowsTheColumnAtTheEndOfItsCategory) {
    Open(SmallClass());
    Script(ClickOk(res::kIdFirstGradeType + kTests));
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdTitlePrompt), "Title of this test ?");
        EXPECT_EQ(h.Text(res::kIdTitle), "");
        h.Type(res::kIdTitle, "Chapter 12 test");  // nine characters fit
        EXPECT_TRUE(h.PressOk());
    });
    std::vector<std::pair<std::string, std::string>> lines;
    auto value = [&lines](DialogScript then) {
        return [&lines, then](FakeDialogHost& h) {
            lines.emplace_back(h.Text(res::kIdValueLine1), h.Text(res::kIdValueLine2));
            EXPECT_EQ(h.Text(res::kIdValue), "");
            EXPECT_FALSE(h.IsChecked(res::kIdOmit));
            then(h);
        };
    };
    Script(value(Value("50")));  // points possible
    Script(value(Value("45")));
    Script(value(Omit()));
    Script(value(Ok()));  // nothing typed: a zero score
    Run();

    EXPECT_TRUE(Ui().boxes.empty());
    EXPECT_EQ(Ui().dialogCaptions, (std::vector<std::string>{"Grade Type", "New/Change Grade Title",
                                                             "New/Change Grade Value", "New/Change Grade Value",
                                                             "New/Change Grade Value", "New/Change Grade Value"}));
    const std::string line1 = "Grade in Chapter 1 for:";
    EXPECT_EQ(lines, (std::vector<std::pair<std::string, std::string>>{
                         {line1, "Points Possible"}, {line1, "Ann Adams"}, {line1, "Bob Baker"}, {line1, "Cy Cole"}}));
    const std::vector<float> expected{50, 45, kOmitMarker, 0};
    for (int j = 0; j < 4; ++j) {
        const auto& tests = Rec().Row(j).scores[kTests];
        ASSERT_EQ(tests.size(), 3u);
        EXPECT_EQ(tests[2].title.Str(), "Chapter 1");
        EXPECT_EQ(tests[2].value, expected[static_cast<std::size_t>(j)]);
    }
    ExpectWritten();
    EXPECT_FALSE(Rec().modified);

    // The new test stands after T2, before the quiz; averages follow it.
    RecordingCanvas c = f->GradesHost().Paint();
    ASSERT_GE(c.Line(0).size(), 4u);
    EXPECT_EQ(c.Line(0)[2].text, "Chapter 1");
    EXPECT_EQ(c.Line(0)[3].text, "Q1");
    EXPECT_EQ(c.Line(16)[2].text, " 50.00");
    EXPECT_EQ(c.Line(32)[2].text, " 45.00");
    EXPECT_EQ(c.Line(48)[2].text, " N/A");
    EXPECT_EQ(c.Line(64)[2].text, "  0.00");
    EXPECT_EQ(c.Line(32)[4].text, " 90.00");  // Adams: (9 + 18 + 45) / 80
    EXPECT_EQ(c.Line(64)[4].text, " 18.75");  // Cole: (5 + 10 + 0) / 80
}

// Cancel in any dialog ends the command with the class and its file as they were.
TEST_F(NewGradeTest, CancelAnywhereLeavesTheClassAndFileUntouched) {
    struct Case {
        const char* name;
        int valuesBeforeCancel;  // -1: cancel the grade type, -2: the title
    };
    for (const Case& k : {Case{"type", -1}, Case{"title", -2}, Case{"possible points", 0},
                          Case{"fifth student", 5}, Case{"last student", 6}}) {
        SCOPED_TRACE(k.name);
        Open(ClassOf(6));
        const auto before = OnDisk();
        const auto roster = SerializeClassFile(Rec());
        if (k.valuesBeforeCancel == -1) {
            Script(Cancel());
        } else {
            Script(ClickOk(res::kIdFirstGradeType + kQuizzes));
            if (k.valuesBeforeCancel == -2) {
                Script(Cancel());
            } else {
                Script(TypeOk(res::kIdTitle, "Pop"));
                for (int i = 0; i < k.valuesBeforeCancel; ++i) Script(Value(std::to_string(i + 1)));
                Script(Cancel());
            }
        }
        Run();
        EXPECT_TRUE(Ui().dialogs.empty());
        EXPECT_EQ(OnDisk(), before);
        EXPECT_EQ(SerializeClassFile(Rec()), roster);
        for (const auto& row : Rec().roster) EXPECT_TRUE(row.scores[kQuizzes].empty());
    }
}

TEST_F(NewGradeTest, ACategoryWeightedZeroIsRefusedAndTheTypeDialogComesBackWithItChosen) {
    struct Case {
        int weightedFlag;
        int category;
        const char* weight;
        const char* message;  // nullptr: no refusal
    };
    const Case cases[] = {
        {1, kQuizzes, "0", "You have not weighted quizzes in your grading system. "},
        {0, kQuizzes, "0", nullptr},
        {2, kQuizzes, "0", nullptr},
        {1, kTests, "0.5", "You have not weighted tests in your grading system. "},
        {1, kHomework, ".9", "You have not weighted homework in your grading system. "},
        {1, kLabs, "", "You have not weighted labs in your grading system. "},
        {1, kExtra1, "0", "You have not weighted Proj in your grading system."},
        {1, kExtra2, "00", "You have not weighted Extra2 in your grading system."},
        {1, kLabs, "1", nullptr},
        {1, kQuizzes, " 25", nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.weightedFlag) + " " + std::to_string(k.category) + " '" + k.weight + "'");
        ClassRecord r = SmallClass();
        r.extra1Name = "Proj";
        r.grading.weightedFlag = k.weightedFlag;
        for (auto& w : r.grading.weights) w = "20";
        r.grading.weights[static_cast<std::size_t>(k.category)] = k.weight;
        Open(r);
        Script(ClickOk(res::kIdFirstGradeType + k.category));
        bool stillChosen = false;
        if (k.message) Script([&](FakeDialogHost& h) {
            stillChosen = h.IsChecked(res::kIdFirstGradeType + k.category);
            h.PressCancel();
        });
        else Script(Cancel());  // the title
        Run();
        if (k.message) {
            ASSERT_EQ(Ui().boxes.size(), 1u);
            EXPECT_EQ(Ui().boxes[0].caption, "Warning");
            EXPECT_EQ(Ui().boxes[0].text, k.message);
            EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Exclamation);
            EXPECT_EQ(Ui().dialogCaptions, (std::vector<std::string>{"Grade Type", "Grade Type"}));
            EXPECT_TRUE(stillChosen);
        } else {
            EXPECT_TRUE(Ui().boxes.empty());
            EXPECT_EQ(Ui().dialogCaptions, (std::vector<std::string>{"Grade Type", "New/Change Grade Title"}));
        }
    }
}

// An Extra category named like another category is judged by its own weight.
TEST_F(NewGradeTest, AnExtraCategoryNamedLikeAnotherIsJudgedByItsOwnWeight) {
    ClassRecord r = SmallClass();
    r.extra1Name = "test";
    r.grading.weightedFlag = 1;
    for (auto& w : r.grading.weights) w = "20";
    r.grading.weights[kTests] = "0";
    Open(r);
    Script(ClickOk(res::kIdFirstGradeType + kExtra1));
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdTitlePrompt), "Title of this test ?");
        h.PressCancel();
    });
    Run();
    EXPECT_TRUE(Ui().boxes.empty());
}

TEST_F(NewGradeTest, TheGradeTypeDialogNamesTheExtraCategoriesAndStartsAtTests) {
    ClassRecord r = SmallClass();
    r.extra1Name = "Proj";
    r.extra2Name = "Essay";
    Open(r);
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdExtra1TypeLabel), "Proj");
        EXPECT_EQ(h.Text(res::kIdExtra2TypeLabel), "Essay");
        for (int c = 0; c < kCategoryCount; ++c) EXPECT_EQ(h.IsChecked(res::kIdFirstGradeType + c), c == 0) << c;
        h.Click(res::kIdFirstGradeType + kExtra2);
        EXPECT_FALSE(h.IsChecked(res::kIdFirstGradeType));
        EXPECT_TRUE(h.PressOk());
    });
    Script([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdTitlePrompt), "Title of this Essay ?");
        h.PressCancel();
    });
    Run();
}

// The grade boxes of the double-click dialog, Edit Student and New Grade over
// a class holding half points: keys that change no text change no grade, a
// text put back gives back the stored grade, half points typed are taken, and
// a second point or third decimal is refused with the box's tooltip. What
// counts is the class file's bytes afterwards.
TEST_F(NewGradeTest, GradeBoxesKeepHalfPointsThroughKeysThatChangeNoText) {
    using Act = std::function<void(FakeDialogHost&, int)>;
    const Act end = [](FakeDialogHost& h, int id) { h.ReleaseKey(id); };
    auto press = [](std::string k) { return Act([k](FakeDialogHost& h, int id) { h.Keys(id, k); }); };
    auto type = [](std::string t) { return Act([t](FakeDialogHost& h, int id) { h.Type(id, t); }); };
    const std::string refused = "Only digits and one decimal point, with at most two decimals, can be typed here.";
    // Adams, Baker and Cole hold 5.5, 6.5 and 0.25 in T1, shown as such.
    const char* shown[] = {"", "5.5", "6.5", "0.25"};
    const struct {
        const char* name;
        int row;
        Act act;
        float edited;  // the stored grade after the double-click dialog or Edit Student
        float added;   // the new grade after New Grade, whose box starts empty
        std::size_t refusals;       // tooltips shown in the first two
        std::size_t addedRefusals;  // and in New Grade
    } cases[] = {
        {"End", 1, end, 5.5f, 0, 0, 0},
        {"Tab", 2, end, 6.5f, 0, 0, 0},
        {"Shift", 3, end, 0.25f, 0, 0, 0},
        {"End, Shift and Tab", 1,
         [](FakeDialogHost& h, int id) {
             for (int k = 0; k < 3; ++k) h.ReleaseKey(id);
         },
         5.5f, 0, 0, 0},
        {"a digit typed then deleted", 2, press("9\b"), 6.5f, 0, 0, 0},
        {"the last digit deleted then retyped", 3, press("\b5"), 0.25f, 5, 0, 0},
        {"8.5 typed", 1, type("8.5"), 8.5f, 8.5f, 0, 0},
        {"17.25 typed", 2, type("17.25"), 17.25f, 17.25f, 0, 0},
        {"8,5 typed: the comma is the decimal point", 1, type("8,5"), 8.5f, 8.5f, 0, 0},
        {"a third decimal", 3, type("0.125"), 0.12f, 0.12f, 1, 1},
        {"a second point", 1, type("8.5.5"), 8.55f, 8.55f, 1, 1},
        {"a digit after two stored decimals", 3, press("9"), 0.25f, 9, 1, 0},
    };
    ClassRecord start = SmallClass();
    start.Row(1).scores[kTests][0].value = 5.5f;
    start.Row(2).scores[kTests][0].value = 6.5f;
    start.Row(3).scores[kTests][0].value = 0.25f;
    enum Dialog { kDoubleClick, kEditStudent, kNewGrade };
    for (const auto& c : cases) {
        for (const Dialog d : {kDoubleClick, kEditStudent, kNewGrade}) {
            SCOPED_TRACE(std::string(c.name) + " in dialog " + std::to_string(d));
            Open(start);
            std::vector<std::string> refusals;
            std::string before;
            auto work = [&](int id) {
                return [&, id](FakeDialogHost& h) {
                    before = h.Text(id);
                    c.act(h, id);
                    refusals = h.refusals;
                    EXPECT_TRUE(h.PressOk());
                };
            };
            ClassRecord expected = start;
            if (d == kDoubleClick) {
                Script(work(res::kIdValue));
                f->Grades().LeftDoubleClick(platform::Point{10, (c.row + 1) * 16 + 5});
                expected.Row(c.row).scores[kTests][0].value = c.edited;
            } else if (d == kEditStudent) {
                Script([&](FakeDialogHost& h) {
                    h.Select(res::kIdStudentList, c.row);
                    work(res::kIdEditGrade)(h);
                });
                f->child->Command(res::cmd::kStudentInfo);
                expected.Row(c.row).scores[kTests][0].value = c.edited;
            } else {
                Script(ClickOk(res::kIdFirstGradeType + kTests));
                Script(TypeOk(res::kIdTitle, "H1"));
                for (int j = 0; j < 4; ++j) Script(j == c.row ? work(res::kIdValue) : Ok());
                Run();
                AddItem(expected, kTests, "H1", {0, c.row == 1 ? c.added : 0, c.row == 2 ? c.added : 0,
                                                 c.row == 3 ? c.added : 0});
            }
            EXPECT_EQ(before, d == kNewGrade ? "" : shown[c.row]);
            EXPECT_EQ(refusals, std::vector<std::string>(d == kNewGrade ? c.addedRefusals : c.refusals, refused));
            expected.fileName = Rec().fileName;
            EXPECT_EQ(OnDisk(), SerializeClassFile(expected));
            EXPECT_TRUE(Ui().boxes.empty());
        }
    }
}

// The value entry as a teacher types into it.
TEST(GradeValueDialog, EntryRules) {
    struct Case {
        const char* name;
        float start;
        bool newGrade;
        std::function<void(FakeDialogHost&)> act;
        bool ok;
        float expected;
        const char* shown;
        bool omitChecked;
        bool boxEnabled;
    };
    auto type = [](std::string t) { return [t](FakeDialogHost& h) { h.Type(res::kIdValue, t); }; };
    auto click = [](FakeDialogHost& h) { h.Click(res::kIdOmit); };
    auto none = [](FakeDialogHost&) {};
    const Case cases[] = {
        {"new, nothing typed", 0, true, none, true, 0, "", false, true},
        {"new, typed", 0, true, type("85"), true, 85, "85", false, true},
        {"letters cannot be typed", 0, true, type("9a8b"), true, 98, "98", false, true},
        {"five digits at most", 0, true, type("1234567"), true, 12345, "12345", false, true},
        {"five nines", 0, true, type("99999"), true, 99999, "99999", false, true},
        {"erased", 0, true, type(""), true, 0, "", false, true},
        {"omit", 0, true, click, true, kOmitMarker, "N/A", true, false},
        {"omit and back", 0, true,
         [&](FakeDialogHost& h) {
             click(h);
             click(h);
         },
         true, 0, "", false, true},
        {"existing, nothing typed", 85.5f, false, none, true, 85.5f, "85.5", false, true},
        // The box shows what the panes show, without padding or trailing zeros.
        {"existing two decimals", 17.25f, false, none, true, 17.25f, "17.25", false, true},
        {"existing below one", 0.25f, false, none, true, 0.25f, "0.25", false, true},
        {"existing whole", 100, false, none, true, 100, "100", false, true},
        {"existing zero", 0, false, none, true, 0, "0", false, true},
        // A third decimal is shown rounded as in the panes, and kept as stored
        // while the text is put back as it was shown.
        {"existing third decimal kept", 2.125f, false,
         [](FakeDialogHost& h) {
             h.Keys(res::kIdValue, "\b");
             h.Keys(res::kIdValue, "3");
         },
         true, 2.125f, "2.13", false, true},
        {"existing third decimal retyped", 2.125f, false, [](FakeDialogHost& h) { h.Keys(res::kIdValue, "\b4"); },
         true, 2.14f, "2.14", false, true},
        {"a point first", 0, true, type(".5"), true, 0.5f, ".5", false, true},
        {"existing omitted", kOmitMarker, false, none, true, kOmitMarker, "N/A", true, false},
        {"existing omitted, omit unchecked", kOmitMarker, false, click, true, 0, "", false, true},
        {"existing, retyped", 7, false, type("9"), true, 9, "9", false, true},
        {"cancel keeps the value", 7, false, type("9"), false, 7, "9", false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TGrades entry;
        entry.value = k.start;
        entry.title = "Unit";
        TGradeValueDialog dialog(entry, "Unit", "Ann", "Adams", k.newGrade);
        FakeDialogHost host(dialog);
        dialog.SetupWindow(host);
        k.act(host);
        EXPECT_EQ(host.Text(res::kIdValue), k.shown);
        EXPECT_EQ(host.IsChecked(res::kIdOmit), k.omitChecked);
        EXPECT_EQ(host.IsEnabled(res::kIdValue), k.boxEnabled);
        if (k.ok)
            EXPECT_TRUE(host.PressOk());
        else
            host.PressCancel();
        EXPECT_EQ(entry.value, k.expected);
    }
}

}  // namespace
}  // namespace quorle::testing
