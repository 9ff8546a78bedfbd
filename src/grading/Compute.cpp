#include "grading/Compute.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

// Each sum, product and quotient is rounded to float on its own: no fused
// multiply-add may merge two of them.
#ifdef __clang__
#pragma STDC FP_CONTRACT OFF
#endif

namespace quorle {

// The integer part of value × 1000 is 1. A float times 1000 is exact in a
// double, so the comparison needs no rounding and no library call.
bool IsOmitted(float value) {
    const double scaled = static_cast<double>(value) * 1000.0;
    return scaled >= 1.0 && scaled < 2.0;
}

float CategoryAverage(const TGradeList& possible, const TGradeList& student) {
    float earned = 0.0f;
    float points = 0.0f;
    const std::size_t n = std::min(possible.size(), student.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (IsOmitted(student[i].value)) continue;
        points = points + possible[i].value;
        earned = earned + student[i].value;
    }
    if (points > 0.0f) {
        const float product = 100.0f * earned;
        return product / points;
    }
    return earned;
}

float CategoryPoints(const TGradeList& student) {
    float sum = 0.0f;
    for (const TGrades& g : student)
        if (!IsOmitted(g.value)) sum = sum + g.value;
    return sum;
}

float TotalPoints(const TStudent& student) {
    float sum = 0.0f;
    for (int c = 0; c < kCategoryCount; ++c)
        for (const TGrades& g : student.scores[c])
            if (!IsOmitted(g.value)) sum = sum + g.value;
    return sum;
}

float PossiblePoints(const TStudent& possible, const TStudent& student) {
    float sum = 0.0f;
    for (int c = 0; c < kCategoryCount; ++c) {
        const TGradeList& p = possible.scores[c];
        const TGradeList& s = student.scores[c];
        const std::size_t n = std::min(p.size(), s.size());
        for (std::size_t i = 0; i < n; ++i)
            if (!IsOmitted(s[i].value)) sum = sum + p[i].value;
    }
    return sum;
}

OverallBasis MakeOverallBasis(const GradingSystem& system, const TStudent& possible) {
    OverallBasis basis;
    if (system.pointsFlag == 1) return basis;
    for (int c = 0; c < kCategoryCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        basis.weights[i] = TextToDouble(system.weights[i].View());
        basis.full[i] = static_cast<float>(basis.weights[i] *
                                           static_cast<double>(CategoryAverage(possible.scores[c], possible.scores[c])));
    }
    return basis;
}

namespace {

// The student has grades in the category (those the Possible Points row
// has too) and every one of them is omitted.
bool EveryGradeOmitted(const TGradeList& possible, const TGradeList& student) {
    const std::size_t n = std::min(possible.size(), student.size());
    if (n == 0) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!IsOmitted(student[i].value)) return false;
    return true;
}

}  // namespace

float OverallAverage(const GradingSystem& system, const TStudent& possible, const TStudent& student) {
    return OverallAverage(system, possible, student, MakeOverallBasis(system, possible));
}

float OverallAverage(const GradingSystem& system, const TStudent& possible, const TStudent& student,
                     const OverallBasis& basis) {
    if (system.pointsFlag == 1) {
        const float total = TotalPoints(student);
        const float poss = PossiblePoints(possible, student);
        if (poss != 0.0f) {
            const float product = 100.0f * total;
            return product / poss;
        }
        return total;
    }
    float numerator = 0.0f;
    float denominator = 0.0f;
    for (int c = 0; c < kCategoryCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        // Every grade of the student's in the category excused: it counts as
        // a category without grades, for nothing on either side.
        if (EveryGradeOmitted(possible.scores[c], student.scores[c])) continue;
        const float earned =
            static_cast<float>(basis.weights[i] * static_cast<double>(CategoryAverage(possible.scores[c], student.scores[c])));
        numerator = numerator + earned;
        denominator = denominator + basis.full[i];
    }
    if (denominator != 0.0f) {
        const float product = 100.0f * numerator;
        return product / denominator;
    }
    return numerator;
}

std::string LetterGrade(const GradingSystem& system, float average) {
    static constexpr const char* kPlain[] = {"  A ", "  B ", "  C ", "  D "};
    static constexpr const char* kPlus[] = {"  A+", "  A ", "  A-", "  B+", "  B ", "  B-",
                                            "  C+", "  C ", "  C-", "  D+", "  D ", "  D-"};
    const double value = static_cast<double>(static_cast<float>(average));
    if (system.plusMinusFlag == 1) {
        for (std::size_t i = 0; i < system.plusLimits.size(); ++i)
            if (TextToDouble(system.plusLimits[i].View()) <= value) return kPlus[i];
    } else {
        for (std::size_t i = 0; i < system.limits.size(); ++i)
            if (TextToDouble(system.limits[i].View()) <= value) return kPlain[i];
    }
    return "  F ";
}

char LetterGroup(std::string_view letter) {
    for (char c : letter)
        if (c >= 'A' && c <= 'F' && c != 'E') return c;
    return 'F';
}

int LetterGroupIndex(std::string_view letter) {
    const char g = LetterGroup(letter);
    return g == 'F' ? 4 : g - 'A';
}

namespace {

std::vector<float> OverallAverages(const GradingSystem& system, const std::vector<TStudent>& roster) {
    std::vector<float> overall(roster.size(), 0.0f);
    if (roster.empty()) return overall;
    const OverallBasis basis = MakeOverallBasis(system, roster[0]);
    for (std::size_t i = 1; i < roster.size(); ++i) overall[i] = OverallAverage(system, roster[0], roster[i], basis);
    return overall;
}

}  // namespace

float ClassAverage(const GradingSystem& system, const std::vector<TStudent>& roster) {
    return ClassAverageOf(OverallAverages(system, roster));
}

float ClassAverageOf(const std::vector<float>& overall) {
    if (overall.size() < 2) return 0.0f;
    float sum = 0.0f;
    for (std::size_t i = 1; i < overall.size(); ++i) sum = sum + overall[i];
    return sum / static_cast<float>(overall.size() - 1);
}

std::array<int, 5> GradeDistribution(const GradingSystem& system, const std::vector<TStudent>& roster) {
    return GradeDistributionOf(system, OverallAverages(system, roster));
}

std::array<int, 5> GradeDistributionOf(const GradingSystem& system, const std::vector<float>& overall) {
    std::array<int, 5> counts{};
    for (std::size_t i = 1; i < overall.size(); ++i)
        ++counts[static_cast<std::size_t>(LetterGroupIndex(LetterGrade(system, overall[i])))];
    return counts;
}

std::vector<int> RankOrder(const GradingSystem& system, const std::vector<TStudent>& roster) {
    std::vector<int> order;
    std::vector<float> average(roster.size(), 0.0f);
    bool allComparable = true;
    for (std::size_t i = 1; i < roster.size(); ++i) {
        order.push_back(static_cast<int>(i));
        average[i] = OverallAverage(system, roster[0], roster[i]);
        if (std::isnan(average[i])) allComparable = false;
    }
    // Rows are exchanged only when the earlier average is strictly lower, so
    // equal averages keep roster order: exactly a stable descending sort.
    const auto lower = [&](int a, int b) {
        const float difference = average[static_cast<std::size_t>(a)] - average[static_cast<std::size_t>(b)];
        return difference < 0.0f;
    };
    if (allComparable) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return lower(b, a); });
    } else {
        // Averages that compare with nothing break the ordering a sort needs;
        // the bubble passes then give the order by themselves.
        const std::size_t n = order.size();
        for (std::size_t pass = 1; pass < n; ++pass)
            for (std::size_t j = 0; j + pass < n; ++j)
                if (lower(order[j], order[j + 1])) std::swap(order[j], order[j + 1]);
    }
    return order;
}

void SortByRank(const GradingSystem& system, std::vector<TStudent>& roster) {
    const std::vector<int> order = RankOrder(system, roster);
    std::vector<TStudent> sorted;
    sorted.reserve(roster.size());
    if (!roster.empty()) sorted.push_back(std::move(roster[0]));
    for (int row : order) sorted.push_back(std::move(roster[static_cast<std::size_t>(row)]));
    roster = std::move(sorted);
}

void AppendScore(std::string& out, float value) {
    const double exact = static_cast<double>(value);
    if (!std::isfinite(exact) || std::fabs(exact) >= 1e15) {
        char buffer[80];  // the widest float with two decimals fits
        const int n = std::snprintf(buffer, sizeof buffer, "%.2f", exact);
        if (n > 0 && n < 6) out.append(static_cast<std::size_t>(6 - n), ' ');
        if (n > 0) out.append(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
        return;
    }
    // A float times 100 is exact in double, so halfway cases are seen as they
    // are stored and round away from zero, as a teacher rounds. (Below 1e17
    // the hundredths are whole in a 64-bit integer.)
    const double hundredths = exact * 100.0;
    auto cents = static_cast<std::int64_t>(hundredths);
    const double rest = hundredths - static_cast<double>(cents);
    if (rest >= 0.5) ++cents;
    if (rest <= -0.5) --cents;
    if (cents == 0) {
        out += "  0.00";
        return;
    }
    // Written from the right, straight into `out`: two decimals, the point,
    // the integer digits (none below 1), the sign, then spaces up to six
    // characters. Below 1e17 cents there are at most 15 integer digits.
    const bool negative = cents < 0;
    std::uint64_t whole = static_cast<std::uint64_t>(negative ? -cents : cents);
    std::size_t length = negative ? 4 : 3;
    for (std::uint64_t rest = whole / 100; rest > 0; rest /= 10) ++length;
    length = std::max<std::size_t>(length, 6);
    const std::size_t at = out.size();
    out.resize(at + length);
    char* const start = out.data() + at;
    char* p = start + length;
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
    *--p = '.';
    for (; whole > 0; whole /= 10) *--p = static_cast<char>('0' + whole % 10);
    if (negative) *--p = '-';
    while (p > start) *--p = ' ';
}

void AppendGrade(std::string& out, float value) {
    if (IsOmitted(value))
        out += " N/A";
    else
        AppendScore(out, value);
}

std::string FormatScore(float value) {
    std::string text;
    AppendScore(text, value);
    return text;
}

std::string FormatGrade(float value) { return IsOmitted(value) ? " N/A" : FormatScore(value); }

}  // namespace quorle
