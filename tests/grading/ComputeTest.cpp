#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "grading/Compute.h"
#include "record/ClassFile.h"
#include "record/Random.h"
#include "record/UsualSettings.h"

namespace quorle {
namespace {

// Builds rows quickly: Item(category, possible) on the Possible Points row,
// then Set(row, category, index, value).
struct ClassBuilder {
    ClassRecord record = NewClassRecord();

    ClassBuilder& Item(int category, float possible, const char* title = "Item") {
        for (TStudent& row : record.roster) row.scores[category].push_back(TGrades{kOmitMarker, FixedText<10>(title)});
        record.Row(0).scores[category].back().value = possible;
        return *this;
    }
    ClassBuilder& Student(const std::string& last, const std::vector<std::vector<float>>& values = {}) {
        TStudent& s = AddStudent(record, last, "First", std::to_string(record.RowCount()));
        for (std::size_t c = 0; c < values.size(); ++c)
            for (std::size_t j = 0; j < values[c].size(); ++j) s.scores[static_cast<int>(c)][j].value = values[c][j];
        return *this;
    }
    ClassBuilder& Points() { record.grading.pointsFlag = 1; record.grading.weightedFlag = 0; return *this; }
    ClassBuilder& Weighted(std::array<const char*, 6> weights) {
        record.grading.pointsFlag = 0;
        record.grading.weightedFlag = 1;
        for (std::size_t i = 0; i < 6; ++i) record.grading.weights[i] = weights[i];
        return *this;
    }
    ClassBuilder& Limits(std::array<const char*, 4> limits) {
        for (std::size_t i = 0; i < 4; ++i) record.grading.limits[i] = limits[i];
        return *this;
    }
    float Average(int row) const { return OverallAverage(record.grading, record.Row(0), record.Row(row)); }
};

TEST(ComputeOmitted, MarkerIsRecognisedByItsThousandfoldTruncation) {
    EXPECT_TRUE(IsOmitted(0.001f));
    EXPECT_TRUE(IsOmitted(kOmitMarker));
    EXPECT_TRUE(IsOmitted(0.0019f));
    EXPECT_FALSE(IsOmitted(0.002f));
    EXPECT_FALSE(IsOmitted(0.0f));
    EXPECT_FALSE(IsOmitted(0.0009f));
    EXPECT_FALSE(IsOmitted(1.0f));
    EXPECT_FALSE(IsOmitted(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(FormatGrade(kOmitMarker), " N/A");
    EXPECT_EQ(FormatGrade(0.0f), "  0.00");
}

// Every float around both edges of the omit range agrees with the integer
// part of value × 1000 taken in extended precision.
TEST(ComputeOmitted, EdgesAgreeWithTheTruncatedThousandfold) {
    for (const float edge : {0.001f, 0.002f, -0.001f}) {
        float value = edge;
        for (int i = 0; i < 2000; ++i) value = std::nextafter(value, -1.0f);
        for (int i = 0; i < 4000; ++i, value = std::nextafter(value, 1.0f)) {
            const bool expected = std::trunc(static_cast<long double>(value) * 1000.0L) == 1.0L;
            ASSERT_EQ(IsOmitted(value), expected) << value;
        }
    }
    EXPECT_FALSE(IsOmitted(std::numeric_limits<float>::infinity()));
}

TEST(ComputeText, LimitsAndWeightsReadAsTheStandardConversion) {
    EXPECT_EQ(TextToDouble("90"), 90.0);
    EXPECT_EQ(TextToDouble("  87.5"), 87.5);
    EXPECT_EQ(TextToDouble("87.5%"), 87.5);
    EXPECT_EQ(TextToDouble(".5"), 0.5);
    EXPECT_EQ(TextToDouble("5."), 5.0);
    EXPECT_EQ(TextToDouble("-3"), -3.0);
    EXPECT_EQ(TextToDouble("1e2"), 100.0);
    EXPECT_EQ(TextToDouble("1e"), 1.0);
    EXPECT_EQ(TextToDouble(""), 0.0);
    EXPECT_EQ(TextToDouble("abc"), 0.0);
    EXPECT_EQ(TextToDouble("."), 0.0);
    EXPECT_EQ(TextToDouble("-"), 0.0);
    EXPECT_EQ(TextToDouble("9e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToDouble("1e-999"), 0.0);
    EXPECT_EQ(TextToDouble("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(TextToDouble("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToInt(" 999abc"), 999);
    EXPECT_EQ(TextToInt("x"), 0);
    EXPECT_EQ(TextToInt("-12"), -12);
    EXPECT_EQ(TextToInt("99999999999"), std::numeric_limits<int>::max());
}

TEST(ComputeCategory, OmittedGradesLeaveOutTheirPointsAndPossiblePoints) {
    ClassBuilder b;
    b.Item(kTests, 100).Item(kTests, 50).Student("A", {{80, kOmitMarker}});
    const TStudent& s = b.record.Row(1);
    EXPECT_EQ(CategoryAverage(b.record.Row(0).scores[kTests], s.scores[kTests]), 80.0f);
    EXPECT_EQ(CategoryPoints(s.scores[kTests]), 80.0f);
    EXPECT_EQ(FormatScore(CategoryPoints(s.scores[kTests])), " 80.00");
    EXPECT_EQ(TotalPoints(s), 80.0f);
    EXPECT_EQ(PossiblePoints(b.record.Row(0), s), 100.0f);
}

TEST(ComputeCategory, NoGradesZeroPointItemsAndEveryGradeOmitted) {
    ClassBuilder b;
    b.Item(kQuizzes, 0).Item(kQuizzes, 0).Item(kLabs, 10).Student("A", {{}, {3, 2.5f}, {}, {kOmitMarker}});
    const TStudent& p = b.record.Row(0);
    const TStudent& s = b.record.Row(1);
    EXPECT_EQ(CategoryAverage(p.scores[kTests], s.scores[kTests]), 0.0f);       // no grades
    EXPECT_EQ(CategoryAverage(p.scores[kQuizzes], s.scores[kQuizzes]), 5.5f);   // raw points
    EXPECT_EQ(CategoryAverage(p.scores[kLabs], s.scores[kLabs]), 0.0f);         // all omitted
    EXPECT_EQ(CategoryAverage(p.scores[kLabs], p.scores[kLabs]), 100.0f);
    EXPECT_EQ(CategoryAverage(p.scores[kQuizzes], p.scores[kQuizzes]), 0.0f);
}

TEST(ComputeOverall, PointsMethod) {
    ClassBuilder b;
    b.Points().Item(kTests, 100).Item(kHomework, 10).Item(kHomework, 10);
    b.Student("A", {{90}, {}, {8, kOmitMarker}}).Student("B", {{kOmitMarker}, {}, {kOmitMarker, kOmitMarker}});
    float total = 0.0f;
    total = total + 90.0f;
    total = total + 8.0f;
    float possible = 0.0f;
    possible = possible + 100.0f;
    possible = possible + 10.0f;
    const float product = 100.0f * total;
    EXPECT_EQ(b.Average(1), product / possible);
    EXPECT_EQ(FormatScore(b.Average(1)), " 89.09");
    EXPECT_EQ(b.Average(2), 0.0f);            // nothing counted
    EXPECT_EQ(b.Average(0), 100.0f);          // the Possible Points row
    EXPECT_EQ(FormatScore(b.Average(0)), "100.00");

    ClassBuilder zero;  // only items worth nothing: the raw points
    zero.Points().Item(kExtra1, 0).Item(kExtra2, 0).Student("A", {{}, {}, {}, {}, {2}, {1.5f}});
    EXPECT_EQ(zero.Average(1), 3.5f);
    EXPECT_EQ(zero.Average(0), 0.0f);

    ClassBuilder none;  // a class without grades
    none.Points().Student("A");
    EXPECT_EQ(none.Average(0), 0.0f);
    EXPECT_EQ(none.Average(1), 0.0f);
    // The points flag alone decides: 2 is not the Points method.
    none.record.grading.pointsFlag = 2;
    none.record.grading.weightedFlag = 0;
    EXPECT_EQ(none.Average(1), 0.0f);
}

// A class file's points flag alone chooses the method, whatever its weighted
// flag says (files from elsewhere may carry both or neither).
TEST(ComputeOverall, AClassFileIsGradedByItsPointsFlagAlone) {
    ClassBuilder b;
    b.Weighted({"50", "0", "50", "0", "0", "0"}).Limits({"90", "80", "70", "60"});
    b.Item(kTests, 100).Item(kHomework, 10).Student("A", {{90}, {}, {2}});
    const std::vector<unsigned char> file = SerializeClassFile(b.record);
    constexpr std::size_t kFlagsOffset = 103;  // points flag, then weighted flag
    const struct {
        std::int32_t points, weighted;
        const char* average;  // points: 92 of 110; weighted: 90 and 20 at half each
        const char* letter;
    } cases[] = {
        {1, 0, " 83.64", "  B "}, {1, 1, " 83.64", "  B "}, {0, 1, " 55.00", "  F "}, {0, 0, " 55.00", "  F "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + "," + std::to_string(c.weighted));
        std::vector<unsigned char> bytes = file;
        std::memcpy(bytes.data() + kFlagsOffset, &c.points, 4);
        std::memcpy(bytes.data() + kFlagsOffset + 4, &c.weighted, 4);
        const ClassRecord read = ParseClassFile(bytes);
        ASSERT_EQ(read.grading.pointsFlag, c.points);
        ASSERT_EQ(read.grading.weightedFlag, c.weighted);
        const float average = OverallAverage(read.grading, read.Row(0), read.Row(1));
        EXPECT_EQ(FormatScore(average), c.average);
        EXPECT_EQ(LetterGrade(read.grading, average), c.letter);
        EXPECT_EQ(FormatScore(ClassAverage(read.grading, read.roster)), c.average);
    }
}

TEST(ComputeOverall, WeightedMethodScalesOverCategoriesWithGrades) {
    ClassBuilder b;
    b.Weighted({"50", "30", "20", "0", "0", "0"}).Item(kTests, 100).Item(kTests, 100).Item(kHomework, 10);
    b.Student("A", {{85, 72}, {}, {9}});
    const TStudent& p = b.record.Row(0);
    const TStudent& s = b.record.Row(1);
    // Quizzes have no grades yet: (50 x test average + 20 x homework average) / 70.
    const float tests = CategoryAverage(p.scores[kTests], s.scores[kTests]);
    const float homework = CategoryAverage(p.scores[kHomework], s.scores[kHomework]);
    float numerator = 0.0f;
    numerator = numerator + static_cast<float>(50.0 * static_cast<double>(tests));
    numerator = numerator + static_cast<float>(20.0 * static_cast<double>(homework));
    float denominator = 0.0f;
    denominator = denominator + static_cast<float>(50.0 * 100.0);
    denominator = denominator + static_cast<float>(20.0 * 100.0);
    const float product = 100.0f * numerator;
    EXPECT_EQ(b.Average(1), product / denominator);
    EXPECT_EQ(FormatScore(b.Average(1)), " 81.79");
    EXPECT_EQ(b.Average(0), 100.0f);

    // Weights that do not add up to 100 still give a percentage.
    ClassBuilder odd;
    odd.Weighted({"3", "1", "0", "0", "0", "0"}).Item(kTests, 100).Item(kQuizzes, 10).Student("A", {{80}, {5}});
    EXPECT_EQ(FormatScore(odd.Average(1)), " 72.50");

    // Every quiz omitted: the quizzes drop out as if they had no grades.
    ClassBuilder excused;
    excused.Weighted({"50", "50", "0", "0", "0", "0"}).Item(kTests, 100).Item(kQuizzes, 10);
    excused.Student("A", {{90}, {kOmitMarker}});
    EXPECT_EQ(excused.Average(1), 90.0f);

    // No weighted category has grades: the numerator itself, and 0 on the Possible Points row.
    ClassBuilder unweighted;
    unweighted.Weighted({"0", "100", "", "x", "0", "0"}).Item(kTests, 100).Student("A", {{70}});
    EXPECT_EQ(unweighted.Average(1), 0.0f);
    EXPECT_EQ(unweighted.Average(0), 0.0f);
}

// Test 100, quiz 10, homework 20; weights 40 20 20 20; plus and minus letters.
// An excused category counts for nothing, a zero counts. Johnson: (40 x 85 + 20 x 70) / 60.
TEST(ComputeOverall, AnExcusedCategoryCountsForNothing) {
    constexpr float X = kOmitMarker;
    const struct {
        bool points;
        float test, quiz, homework;
        const char* shown;  // average and letter
    } cases[] = {{false, 85, X, 14, " 80.00  B-"}, {false, 85, 0, 14, " 60.00  D-"}, {false, X, X, 12, " 60.00  D-"},
                 {false, X, X, X, "  0.00  F "}, {true, 85, X, 14, " 82.50  B-"}};
    for (const auto& c : cases) {
        ClassBuilder b;
        b.record.grading = UsualGradingSystem();
        b.record.grading.plusMinusFlag = 1;
        if (c.points) b.Points(); else b.Weighted({"40", "20", "20", "20", "0", "0"});
        b.Item(kTests, 100).Item(kQuizzes, 10).Item(kHomework, 20).Student("J", {{c.test}, {c.quiz}, {c.homework}});
        EXPECT_EQ(FormatScore(b.Average(1)) + LetterGrade(b.record.grading, b.Average(1)), c.shown);
        EXPECT_EQ(ClassAverage(b.record.grading, b.record.roster), b.Average(1));  // built on the same average
        EXPECT_EQ(b.Average(0), 100.0f);
    }
}

TEST(ComputeFloat, SinglePrecisionGivesTheTeachersDigit) {
    // 15.9 + 9 + 23.4 out of 80: float arithmetic in order gives 60.375 exactly,
    // a double intermediate 60.37499... which would show 60.37.
    ClassBuilder b;
    b.Points().Item(kTests, 44).Item(kTests, 10).Item(kTests, 26).Student("A", {{15.9f, 9.0f, 23.4f}});
    const TStudent& p = b.record.Row(0);
    const TStudent& s = b.record.Row(1);
    float earned = 0.0f;
    float possible = 0.0f;
    for (float v : {15.9f, 9.0f, 23.4f}) earned = earned + v;
    for (float v : {44.0f, 10.0f, 26.0f}) possible = possible + v;
    const float product = 100.0f * earned;
    const float expected = product / possible;
    EXPECT_EQ(CategoryAverage(p.scores[kTests], s.scores[kTests]), expected);
    EXPECT_EQ(FormatScore(expected), " 60.38");
    const double viaDouble = 100.0 * (15.9f + 9.0 + 23.4f) / 80.0;
    EXPECT_LT(viaDouble, 60.375);  // would round to 60.37
    EXPECT_EQ(b.Average(1), expected);
    EXPECT_EQ(FormatScore(b.Average(1)), " 60.38");
}

TEST(ComputeLetter, LimitsAreInclusiveAndTriedFromTheBest) {
    ClassBuilder b;
    b.Limits({"90", "80", "70", "60"});
    const GradingSystem& g = b.record.grading;
    EXPECT_EQ(LetterGrade(g, 80.0f), "  B ");
    EXPECT_EQ(LetterGrade(g, 79.99f), "  C ");
    EXPECT_EQ(LetterGrade(g, 90.0f), "  A ");
    EXPECT_EQ(LetterGrade(g, 60.0f), "  D ");
    EXPECT_EQ(LetterGrade(g, 59.999f), "  F ");
    EXPECT_EQ(LetterGrade(g, -1.0f), "  F ");
    EXPECT_EQ(LetterGrade(g, std::numeric_limits<float>::quiet_NaN()), "  F ");

    GradingSystem fractional = g;
    fractional.limits[1] = "80.1";  // a double limit against the float average
    EXPECT_EQ(LetterGrade(fractional, 80.1f), "  C ");  // 80.1f is 80.0999985
    fractional.limits[1] = "79.9";
    EXPECT_EQ(LetterGrade(fractional, 79.9f), "  B ");  // 79.9f is 79.9000015
    fractional.limits[2] = "";      // no number: 0, reached by every average
    EXPECT_EQ(LetterGrade(fractional, 1.0f), "  C ");
}

TEST(ComputeLetter, PlusAndMinusLetters) {
    GradingSystem g;
    const char* limits[] = {"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"};
    for (std::size_t i = 0; i < 12; ++i) g.plusLimits[i] = limits[i];
    g.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    g.plusMinusFlag = 1;
    const char* letters[] = {"  A+", "  A ", "  A-", "  B+", "  B ", "  B-", "  C+", "  C ", "  C-", "  D+", "  D ", "  D-"};
    const char groups[] = "AAABBBCCCDDD";
    for (std::size_t i = 0; i < 12; ++i) {
        const float limit = static_cast<float>(TextToDouble(limits[i]));
        EXPECT_EQ(LetterGrade(g, limit), letters[i]);
        EXPECT_EQ(LetterGrade(g, limit + 0.5f), letters[i]);
        EXPECT_EQ(LetterGroup(letters[i]), groups[i]);
        EXPECT_EQ(LetterGroupIndex(letters[i]), groups[i] - 'A');
    }
    EXPECT_EQ(LetterGrade(g, 59.0f), "  F ");
    EXPECT_EQ(LetterGroup("  F "), 'F');
    EXPECT_EQ(LetterGroupIndex("  F "), 4);
    g.plusMinusFlag = 2;  // only 1 selects the twelve limits
    EXPECT_EQ(LetterGrade(g, 98.0f), "  A ");
}

TEST(ComputeClass, AverageAndDistribution) {
    ClassBuilder b;
    b.Points().Limits({"90", "80", "70", "60"}).Item(kTests, 100);
    b.Student("A", {{95}}).Student("B", {{85}}).Student("C", {{81}}).Student("D", {{40}}).Student("E", {{kOmitMarker}});
    float sum = 0.0f;
    for (float v : {95.0f, 85.0f, 81.0f, 40.0f, 0.0f}) sum = sum + v;
    EXPECT_EQ(ClassAverage(b.record.grading, b.record.roster), sum / 5.0f);
    EXPECT_EQ((GradeDistribution(b.record.grading, b.record.roster)), (std::array<int, 5>{1, 2, 0, 0, 2}));

    ClassBuilder empty;
    empty.Points().Item(kTests, 100);
    EXPECT_EQ(ClassAverage(empty.record.grading, empty.record.roster), 0.0f);
    EXPECT_FALSE(std::isnan(ClassAverage(empty.record.grading, empty.record.roster)));
    EXPECT_EQ((GradeDistribution(empty.record.grading, empty.record.roster)), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(RankOrder(empty.record.grading, empty.record.roster).empty());
    EXPECT_EQ(ClassAverage(empty.record.grading, std::vector<TStudent>{}), 0.0f);
}

TEST(ComputeFormat, TwoDecimalsPaddedToSix) {
    EXPECT_EQ(FormatScore(0.0f), "  0.00");
    EXPECT_EQ(FormatScore(-0.0f), "  0.00");
    EXPECT_EQ(FormatScore(0.004f), "  0.00");
    EXPECT_EQ(FormatScore(0.5f), "   .50");
    EXPECT_EQ(FormatScore(85.5f), " 85.50");
    EXPECT_EQ(FormatScore(100.0f), "100.00");
    EXPECT_EQ(FormatScore(8.625f), "  8.63");   // halfway, away from zero
    EXPECT_EQ(FormatScore(0.125f), "   .13");
    EXPECT_EQ(FormatScore(99.995f), "100.00");  // 99.995f is just above the half
    EXPECT_EQ(FormatScore(1234.5f), "1234.50");
    EXPECT_GE(FormatScore(3e20f).size(), 24u);
    EXPECT_EQ(FormatScore(16777216.0f), "16777216.00");
    EXPECT_EQ(FormatScore(-5.0f), " -5.00");
    EXPECT_EQ(FormatScore(-0.5f), "  -.50");
    EXPECT_EQ(FormatScore(-1234.25f), "-1234.25");
    // Values from 0.005 to 0.1: well-formed, six characters.
    for (int i = 5; i <= 100; ++i) {
        const float v = static_cast<float>(i) / 1000.0f;
        const std::string text = FormatScore(v);
        ASSERT_EQ(text.size(), 6u) << v;
        const bool zero = text == "  0.00";
        const bool fraction = text.substr(0, 4) == "   ." && std::isdigit(static_cast<unsigned char>(text[4])) &&
                              std::isdigit(static_cast<unsigned char>(text[5]));
        EXPECT_TRUE(zero || fraction) << v << " '" << text << "'";
        EXPECT_NEAR(zero ? 0.0 : std::stod(text.substr(3)), v, 0.0051) << text;
    }
}

TEST(ComputeFormat, HugeValuesAreNotCut) {
    const std::string text = FormatScore(3e20f);
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
    EXPECT_EQ(std::stod(text), static_cast<double>(3e20f));
    EXPECT_EQ(FormatScore(std::numeric_limits<float>::max()).size(), 42u);
}

// The score text worked out on the exact decimal digits of the float.
std::string ReferenceScore(float value) {
    char digits[512];
    std::snprintf(digits, sizeof digits, "%.200f", std::fabs(static_cast<double>(value)));
    std::string text = digits;
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string cents = text.substr(point + 1, 2);
    if (text[point + 3] >= '5') {  // half or more: away from zero
        std::string number = whole + cents;
        int i = static_cast<int>(number.size()) - 1;
        while (i >= 0 && number[static_cast<std::size_t>(i)] == '9') number[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) number.insert(number.begin(), '1');
        else ++number[static_cast<std::size_t>(i)];
        whole = number.substr(0, number.size() - 2);
        cents = number.substr(number.size() - 2);
    }
    while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
    if (whole == "0") whole.clear();
    std::string result = whole.empty() && cents == "00" ? "0.00" : whole + "." + cents;
    if (result != "0.00" && value < 0) result.insert(result.begin(), '-');
    if (result.size() < 6) result.insert(0, 6 - result.size(), ' ');
    return result;
}

TEST(ComputeFormat, AgreesWithTheExactDecimalDigits) {
    RandomGenerator random;
    random.Seed(42u);
    for (int i = 0; i < 200000; ++i) {
        float v = 0.0f;
        switch (i % 3) {
            case 0: {  // any float below 1e15
                std::uint32_t bits = random.Next() ^ (random.Next() << 16);
                std::memcpy(&v, &bits, sizeof v);
                if (!std::isfinite(v) || std::fabs(v) >= 1e15f) continue;
                break;
            }
            case 1:  // thousandths: many halfway and near-halfway cases
                v = static_cast<float>(random.Next() % 200000) / 1000.0f;
                break;
            default:  // exact binary fractions such as 8.625
                v = static_cast<float>(random.Next() % 100000) / 8.0f * (random.Next() % 2 ? 1.0f : -1.0f);
                break;
        }
        ASSERT_EQ(FormatScore(v), ReferenceScore(v)) << std::hexfloat << v;
    }
}

// ---- rank order ----

// The ranking as the grades report has always done it: a bubble sort of rows
// 1..N that exchanges neighbours when their difference, as a float, is below 0.
std::vector<std::string> BubbleRank(const ClassRecord& record) {
    std::vector<TStudent> rows = record.roster;
    const int n = static_cast<int>(rows.size()) - 1;
    for (int i = 1; i <= n - 1; ++i)
        for (int j = 1; j <= n - i; ++j) {
            const float difference = OverallAverage(record.grading, rows[0], rows[static_cast<std::size_t>(j)]) -
                                     OverallAverage(record.grading, rows[0], rows[static_cast<std::size_t>(j + 1)]);
            if (difference < 0) std::swap(rows[static_cast<std::size_t>(j)], rows[static_cast<std::size_t>(j + 1)]);
        }
    std::vector<std::string> ids;
    for (int j = 1; j <= n; ++j) ids.push_back(rows[static_cast<std::size_t>(j)].id.Str());
    return ids;
}

TEST(ComputeRank, TiesKeepRosterOrder) {
    ClassBuilder b;
    b.Points().Item(kTests, 10);
    b.Student("A", {{7}}).Student("B", {{9}}).Student("C", {{7}}).Student("D", {{9}}).Student("E", {{kOmitMarker}});
    const std::vector<int> order = RankOrder(b.record.grading, b.record.roster);
    EXPECT_EQ(order, (std::vector<int>{2, 4, 1, 3, 5}));
    std::vector<TStudent> copy = b.record.roster;
    SortByRank(b.record.grading, copy);
    EXPECT_EQ(copy[0].lastName.View(), "Possible");
    EXPECT_EQ(copy[1].lastName.View(), "B");
    EXPECT_EQ(copy[5].lastName.View(), "E");
    EXPECT_EQ(b.record.Row(1).lastName.View(), "A");  // the class's own roster is untouched
}

TEST(ComputeRank, AgreesWithTheBubbleSortOnRandomClasses) {
    RandomGenerator random;
    random.Seed(20261207u);
    const auto draw = [&](std::uint32_t n) { return random.Next() % n; };
    for (int round = 0; round < 400; ++round) {
        ClassBuilder b;
        if (draw(2) == 0) {
            b.Points();
        } else {
            std::array<const char*, 6> weights{};
            const char* choices[] = {"0", "10", "25", "40", "", "12.5"};
            for (auto& w : weights) w = choices[draw(6)];
            b.Weighted(weights);
        }
        for (int c = 0; c < kCategoryCount; ++c)
            for (std::uint32_t k = draw(3); k > 0; --k) b.Item(c, static_cast<float>(draw(3) * 10));
        const int students = static_cast<int>(draw(25));
        for (int i = 0; i < students; ++i) {
            TStudent& s = AddStudent(b.record, "S", "F", std::to_string(i + 1));
            for (int c = 0; c < kCategoryCount; ++c)
                for (TGrades& g : s.scores[c]) {
                    const std::uint32_t kind = draw(20);
                    g.value = kind == 0   ? kOmitMarker
                              : kind == 1 ? (round % 7 == 0 ? std::numeric_limits<float>::quiet_NaN()
                                                            : std::numeric_limits<float>::infinity())
                                          : static_cast<float>(draw(5) * 5);
                }
        }
        const std::vector<std::string> expected = BubbleRank(b.record);
        std::vector<std::string> got;
        for (int row : RankOrder(b.record.grading, b.record.roster)) got.push_back(b.record.Row(row).id.Str());
        ASSERT_EQ(got, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace quorle
