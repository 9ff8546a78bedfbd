// The history of a class: recipes between two versions of a class file that
// rebuild them exactly and hold little more than what changed, whatever the
// bytes are; and steps taken back and made again in order.
#include "record/ClassHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "record/ClassFile.h"
#include "record/ClassRecord.h"

namespace quorle {
namespace {

FileBytes Text(const std::string& s) { return {s.begin(), s.end()}; }

ClassRecord Class(int students, int items) {
    ClassRecord r = NewClassRecord();
    for (int s = 0; s < students; ++s) AddStudent(r, "Last" + std::to_string(s), "First", std::to_string(s + 1));
    for (TStudent& row : r.roster)
        for (int i = 0; i < items; ++i)
            row.scores[i % 3].push_back(TGrades{static_cast<float>(i), FixedText<10>("G" + std::to_string(i))});
    return r;
}

std::size_t LiteralBytes(const ByteDelta& delta) { return delta.literals.size(); }

TEST(ClassHistoryTest, RecipesRebuildEveryVersionAndHoldLittleMoreThanTheChange) {
    const FileBytes base = SerializeClassFile(Class(20, 30));
    const auto changed = [](const std::function<void(ClassRecord&)>& change) {
        ClassRecord r = Class(20, 30);
        change(r);
        return SerializeClassFile(r);
    };
    FileBytes truncated = base;
    truncated.resize(kHeaderSize + 40);  // a row cut in its first count
    FileBytes hugeCount = base;
    hugeCount[kHeaderSize + 35] = 0xFF;  // first count of the first row: 0x7F...FF and negative
    hugeCount[kHeaderSize + 38] = 0x7F;
    FileBytes negativeCount = base;
    negativeCount[kHeaderSize + 38] = 0xFF;
    const std::string tail(40, 't');
    const struct Case {
        const char* name;
        FileBytes from;
        FileBytes to;
        std::size_t mostLiterals;  // new bytes the recipe may hold
    } cases[] = {
        {"nothing to nothing", {}, {}, 0},
        {"nothing to a class", {}, base, base.size()},
        {"a class to nothing", base, {}, 0},
        {"the same class", base, base, 0},
        {"one value", base, changed([](ClassRecord& r) { r.Row(3).scores[1][2].value = 99.5f; }), 4},
        {"a column added: count and entry", base,
         changed([](ClassRecord& r) {
             for (TStudent& row : r.roster) row.scores[2].push_back(TGrades{1.0f, FixedText<10>("New")});
         }),
         21 * (4 + 14)},
        {"a column deleted", base,
         changed([](ClassRecord& r) {
             for (TStudent& row : r.roster) row.scores[0].erase(row.scores[0].begin() + 4);
         }),
         21 * 4},
        {"rows reversed", base, changed([](ClassRecord& r) { std::reverse(r.roster.begin() + 1, r.roster.end()); }),
         0},
        {"a row dropped", base, changed([](ClassRecord& r) { RemoveStudent(r, 5); }), 4},
        {"shorter than a header", Text("abcdef"), Text("abXdef"), 1},
        {"a row cut short", base, truncated, 0},
        {"from a row cut short", truncated, base, base.size()},
        {"a count larger than the file", base, hugeCount, base.size()},
        {"a negative count", negativeCount, base, base.size()},
        // Equal bytes between two changes: 16 are copied, 15 kept as new bytes.
        {"16 equal bytes between changes", Text("a" + std::string(16, 'x') + "b" + tail),
         Text("c" + std::string(16, 'x') + "d" + tail), 2},
        {"15 equal bytes between changes", Text("a" + std::string(15, 'x') + "b" + tail),
         Text("c" + std::string(15, 'x') + "d" + tail), 17},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const ByteDelta forward = MakeDelta(k.from, k.to);
        const ByteDelta back = MakeDelta(k.to, k.from);
        EXPECT_EQ(ApplyDelta(k.from, forward), k.to);
        EXPECT_EQ(ApplyDelta(k.to, back), k.from);
        EXPECT_LE(LiteralBytes(forward), k.mostLiterals);
        if (std::string(k.name) == "15 equal bytes between changes") {
            EXPECT_EQ(LiteralBytes(forward), 17u);
        }
    }
    // A recipe followed on other bytes than its own is refused.
    const ByteDelta delta = MakeDelta(base, changed([](ClassRecord& r) { r.Row(1).id = "77"; }));
    EXPECT_EQ(ApplyDelta(FileBytes(base.begin(), base.begin() + 100), delta), std::nullopt);
}

TEST(ClassHistoryTest, StepsAreUndoneAndRedoneInOrderAndANewStepForgetsTheRedo) {
    ClassHistory history;
    history.Reset(Text("v0"));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.BytesAfterUndo(), std::nullopt);
    // Nothing changed: no step; another file unchanged counts for nothing either.
    EXPECT_FALSE(history.Record("Same", Text("v0")));
    EXPECT_FALSE(history.Record("Same", Text("v0"), {{"x.CHT", Text("c"), Text("c")}}));
    // Only a file beside the class changed: a step all the same.
    EXPECT_TRUE(history.Record("Switch Seats", Text("v0"), {{"x.CHT", Text("c1"), Text("c2")}}));
    EXPECT_TRUE(history.Record("Delete HW 2", Text("v1")));
    EXPECT_TRUE(history.Record("Drop Brooks Marcus", Text("v22")));
    EXPECT_EQ(history.UndoName(), "Drop Brooks Marcus");
    EXPECT_EQ(history.RedoName(), "");

    history.Undone(*history.BytesAfterUndo());
    EXPECT_EQ(history.Current(), Text("v1"));
    EXPECT_EQ(history.UndoName(), "Delete HW 2");
    EXPECT_EQ(history.RedoName(), "Drop Brooks Marcus");
    history.Undone(*history.BytesAfterUndo());
    history.Undone(*history.BytesAfterUndo());
    EXPECT_EQ(history.Current(), Text("v0"));
    EXPECT_FALSE(history.CanUndo());
    ASSERT_NE(history.RedoStep(), nullptr);
    EXPECT_EQ(history.RedoStep()->files.size(), 1u);
    history.Redone(*history.BytesAfterRedo());
    history.Redone(*history.BytesAfterRedo());
    EXPECT_EQ(history.Current(), Text("v1"));
    EXPECT_EQ(history.RedoName(), "Drop Brooks Marcus");

    EXPECT_TRUE(history.Record("New Grade Quiz 5", Text("v3")));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 3u);
    history.Reset(Text("w"));
    EXPECT_EQ(history.StepCount(), 0u);
    EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace quorle
