#pragma once
// The in-memory class: class information, grading system, display flags,
// Extra names and the roster with every grade.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/FixedText.h"

namespace quorle {

inline constexpr int kCategoryCount = 6;
inline constexpr int kDisplayFlagCount = 22;
enum Category : int { kTests = 0, kQuizzes = 1, kHomework = 2, kLabs = 3, kExtra1 = 4, kExtra2 = 5 };

// The omit marker: the float nearest to 0.001.
inline constexpr float kOmitMarker = 0.001f;

struct TGrades {
    float value = 0.0f;
    FixedText<10> title;
};

using TGradeList = std::vector<TGrades>;

struct TScores {
    std::array<TGradeList, kCategoryCount> lists;
    TGradeList& operator[](int category) { return lists[static_cast<std::size_t>(category)]; }
    const TGradeList& operator[](int category) const { return lists[static_cast<std::size_t>(category)]; }
};

struct TStudent {
    FixedText<15> lastName;
    FixedText<15> firstName;
    TScores scores;
    FixedText<5> id;

    TStudent() = default;
    TStudent(std::string_view last, std::string_view first, std::string_view idText)
        : lastName(last), firstName(first), id(idText) {}
};

using LimitText = FixedText<6>;

struct GradingSystem {
    std::int32_t pointsFlag = 0;
    std::int32_t weightedFlag = 0;
    std::int32_t plusMinusFlag = 0;
    std::array<LimitText, 4> limits;       // A, B, C, D
    std::array<LimitText, 12> plusLimits;  // A+, A, A-, ... D-
    std::array<LimitText, 6> weights;      // in category order, percent
};

struct ClassInfo {
    FixedText<30> course;
    FixedText<50> instructor;
    FixedText<20> period;
};

using DisplayFlags = std::array<std::int32_t, kDisplayFlagCount>;

// Display flag indexes.
enum DisplayFlag : int {
    kShowFirstName = 0,
    kShowId = 1,
    kShowGradesFirst = 2,    // + category: the grades of that category
    kShowAverageFirst = 8,   // + category: the category average
    kShowPointsFirst = 14,   // + category: the category points
    kShowTotalPoints = 20,
    kShowPossiblePoints = 21,
};

struct ClassRecord {
    ClassInfo info;
    GradingSystem grading;
    DisplayFlags display{};
    FixedText<10> extra1Name{"Extra1"};
    FixedText<10> extra2Name{"Extra2"};
    std::vector<TStudent> roster;
    std::string fileName;  // empty while the class has never been saved
    bool modified = false;

    int RowCount() const { return static_cast<int>(roster.size()); }
    int StudentCount() const { return RowCount() > 0 ? RowCount() - 1 : 0; }
    TStudent& Row(int i) { return roster.at(static_cast<std::size_t>(i)); }
    const TStudent& Row(int i) const { return roster.at(static_cast<std::size_t>(i)); }
    const TStudent& PossibleRow() const { return roster.at(0); }
    // The teacher's name of a category: Extra1 and Extra2 carry the class's names.
    std::string ExtraName(int category) const {
        return category == kExtra1 ? extra1Name.Str() : extra2Name.Str();
    }
};

// The Possible Points row every class starts with.
TStudent MakePossiblePointsRow();

// An empty roster holding only the Possible Points row; zeroed class information,
// "Extra1" and "Extra2" as Extra names, empty file name.
ClassRecord NewClassRecord();

// Appends a student; every existing grade item is added to him as omitted.
TStudent& AddStudent(ClassRecord& record, std::string_view last, std::string_view first, std::string_view id);

// Exchanges rows i and i+1 (i >= 1): names, IDs and every value; titles stay.
void SwapAdjacent(ClassRecord& record, int i);

// Removes row i (i >= 1).
void RemoveStudent(ClassRecord& record, int i);

// Removes entry `entry` of a category from every row that has it, the
// Possible Points row's included, so the lists stay parallel.
void RemoveGradeColumn(std::vector<TStudent>& rows, int category, int entry);

}  // namespace quorle
