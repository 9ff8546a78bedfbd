#pragma once
// A small class for the class window tests, and a class window made on a fake
// frame with it.
#include <initializer_list>
#include <memory>
#include <string>

#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "record/ClassRecord.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"

namespace quorle::testing {

// Appends one grade item to every row: the Possible Points row gets the first
// value, the students the following ones in roster order.
inline void AddItem(ClassRecord& record, int category, const std::string& title, std::initializer_list<float> values) {
    auto it = values.begin();
    for (auto& row : record.roster) {
        TGrades g;
        g.title = title;
        g.value = it != values.end() ? *it++ : kOmitMarker;
        row.scores[category].push_back(g);
    }
}

// Points system, limits 90/80/70/60. Columns shown: first name, ID, tests,
// quizzes, test average, total points (plus Average and Grade).
//   Possible Points   T1 10   T2 20   Q1 5
//   Adams Ann 1       9       18      5
//   Baker Bob 2       8       N/A     4
//   Cole Cy 3         5       10      2
inline ClassRecord SmallClass() {
    ClassRecord r = NewClassRecord();
    r.info.course = "Algebra";
    r.info.instructor = "Smith";
    r.info.period = "3";
    r.grading.pointsFlag = 1;
    r.grading.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    r.display.fill(0);
    r.display[kShowFirstName] = 1;
    r.display[kShowId] = 1;
    r.display[kShowGradesFirst + int{kTests}] = 1;
    r.display[kShowGradesFirst + int{kQuizzes}] = 1;
    r.display[kShowAverageFirst + int{kTests}] = 1;
    r.display[kShowTotalPoints] = 1;
    AddStudent(r, "Adams", "Ann", "1");
    AddStudent(r, "Baker", "Bob", "2");
    AddStudent(r, "Cole", "Cy", "3");
    AddItem(r, kTests, "T1", {10, 9, 8, 5});
    AddItem(r, kTests, "T2", {20, 18, kOmitMarker, 10});
    AddItem(r, kQuizzes, "Q1", {5, 5, 4, 2});
    return r;
}

// A big class: students x items, the items spread over the four categories.
inline ClassRecord BigClass(int students, int items) {
    ClassRecord r = NewClassRecord();
    r.grading.pointsFlag = 1;
    r.grading.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    r.display.fill(1);
    for (int s = 0; s < students; ++s)
        AddStudent(r, "Last" + std::to_string(s), "First" + std::to_string(s), std::to_string(s % 999 + 1));
    for (int i = 0; i < items; ++i) {
        const int category = i % 4;
        TGrades g;
        g.title = "G" + std::to_string(i);
        for (std::size_t row = 0; row < r.roster.size(); ++row) {
            g.value = row == 0 ? 10.0f : static_cast<float>((row * 7 + static_cast<std::size_t>(i) * 3) % 11);
            if (row > 0 && (row + static_cast<std::size_t>(i)) % 13 == 0) g.value = kOmitMarker;
            r.roster[row].scores[category].push_back(g);
        }
    }
    return r;
}

// A class window set up on a fake frame; the child's client area is 800 x 600.
struct ClassWindowFixture {
    FakeFrame frame;
    FakeUi ui;
    std::unique_ptr<TDecoChild> child;

    explicit ClassWindowFixture(ClassRecord record, platform::Rect placement = {0, 0, 800, 600}) {
        child = std::make_unique<TDecoChild>(frame, ui, std::move(record));
        child->Create(placement);
    }
    FakeChildHost& Host() { return *frame.HostOf(*child); }
    FakeWindowHost& NamesHost() { return *Host().PaneHost(child->Names()); }
    FakeWindowHost& GradesHost() { return *Host().PaneHost(child->Grades()); }
    TNameWindow& Names() { return child->Names(); }
    TGradeWindow& Grades() { return child->Grades(); }
};

}  // namespace quorle::testing
