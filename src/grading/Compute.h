#pragma once
// Every computed figure of a class: averages and points per category, total and
// possible points, overall average, letter grade, class average, distribution and
// rank. Pure functions in 32-bit float arithmetic; nothing is cached.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"
#include "record/DecimalText.h"

namespace quorle {

bool IsOmitted(float value);

float CategoryAverage(const TGradeList& possible, const TGradeList& student);
float CategoryPoints(const TGradeList& student);
float TotalPoints(const TStudent& student);
float PossiblePoints(const TStudent& possible, const TStudent& student);
// Points: 100 × total points / points possible, omitted grades left out.
// Weighted: 100 × Σ weight × category average / Σ weight × the Possible Points
// row's category average, over the categories in order; a category without
// grades, or whose grades are all omitted for the student, adds to neither sum.
float OverallAverage(const GradingSystem& system, const TStudent& possible, const TStudent& student);
// What the overall average takes from the class alone: each category's weight
// and the Possible Points row's own category average. Made once, it serves
// every student of the class, with the same result.
struct OverallBasis {
    std::array<double, kCategoryCount> weights{};
    std::array<float, kCategoryCount> full{};
};
OverallBasis MakeOverallBasis(const GradingSystem& system, const TStudent& possible);
float OverallAverage(const GradingSystem& system, const TStudent& possible, const TStudent& student,
                     const OverallBasis& basis);

// Four characters: two spaces, the letter, then the sign or a space.
std::string LetterGrade(const GradingSystem& system, float average);
// 'A' to 'F': the letter of a letter-grade text, signs counted in their letter.
char LetterGroup(std::string_view letter);
// Index 0 to 4 for A, B, C, D, F.
int LetterGroupIndex(std::string_view letter);

// Mean overall average of rows 1..N; 0 for a class without students.
float ClassAverage(const GradingSystem& system, const std::vector<TStudent>& roster);
// Counts of A, B, C, D, F over rows 1..N.
std::array<int, 5> GradeDistribution(const GradingSystem& system, const std::vector<TStudent>& roster);
// The same two from each row's overall average, in roster order (entry 0, the
// Possible Points row's, counts for neither).
float ClassAverageOf(const std::vector<float>& overall);
std::array<int, 5> GradeDistributionOf(const GradingSystem& system, const std::vector<float>& overall);

// The row numbers 1..N in rank order: descending overall average, ties in roster order.
std::vector<int> RankOrder(const GradingSystem& system, const std::vector<TStudent>& roster);
// Reorders rows 1..N of a roster (a copy: the class's own roster is never ranked).
void SortByRank(const GradingSystem& system, std::vector<TStudent>& roster);

// Two decimals, padded on the left to six characters.
std::string FormatScore(float value);
// FormatScore, or " N/A" for an omitted grade.
std::string FormatGrade(float value);
// The same texts appended to `out`.
void AppendScore(std::string& out, float value);
void AppendGrade(std::string& out, float value);

}  // namespace quorle
