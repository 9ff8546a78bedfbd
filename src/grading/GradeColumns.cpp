#include "grading/GradeColumns.h"

#include "grading/Compute.h"

namespace quorle {
namespace {

const char* const kAverageHeadings[4] = {"Test Aver", "Quiz Aver", "HW Aver", "Lab Aver"};
const char* const kPointsHeadings[4] = {"Test Pts", "Quiz Pts", "HW Pts", "Lab Pts"};

bool Shown(const DisplayFlags& flags, int index) { return flags[static_cast<std::size_t>(index)] != 0; }

}  // namespace

std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const DisplayFlags& flags) {
    std::vector<GradeColumn> columns;
    if (record.RowCount() > 0) {
        const TStudent& possible = record.PossibleRow();
        for (int c = 0; c < kCategoryCount; ++c) {
            if (!Shown(flags, kShowGradesFirst + c)) continue;
            const int n = static_cast<int>(possible.scores[c].size());
            for (int i = 0; i < n; ++i) columns.push_back(GradeColumn{GradeColumn::Grade, c, i});
        }
    }
    for (int c = 0; c < kCategoryCount; ++c)
        if (Shown(flags, kShowAverageFirst + c)) columns.push_back(GradeColumn{GradeColumn::Average, c, 0});
    for (int c = 0; c < kCategoryCount; ++c)
        if (Shown(flags, kShowPointsFirst + c)) columns.push_back(GradeColumn{GradeColumn::Points, c, 0});
    if (Shown(flags, kShowTotalPoints)) columns.push_back(GradeColumn{GradeColumn::Total, 0, 0});
    if (Shown(flags, kShowPossiblePoints)) columns.push_back(GradeColumn{GradeColumn::Possible, 0, 0});
    columns.push_back(GradeColumn{GradeColumn::Overall, 0, 0});
    columns.push_back(GradeColumn{GradeColumn::Letter, 0, 0});
    return columns;
}

std::string AverageHeading(int category, const std::string& extraName) {
    return category < 4 ? kAverageHeadings[category] : extraName + " Aver";
}

std::string PointsHeading(int category, const std::string& extraName) {
    return category < 4 ? kPointsHeadings[category] : extraName + " Pts";
}

std::string GradeColumnHeading(const ClassRecord& record, const GradeColumn& column) {
    switch (column.type) {
        case GradeColumn::Grade: {
            const TGradeList& items = record.PossibleRow().scores[column.category];
            const auto entry = static_cast<std::size_t>(column.entry);
            return entry < items.size() ? items[entry].title.Str() : std::string();
        }
        case GradeColumn::Average: return AverageHeading(column.category, record.ExtraName(column.category));
        case GradeColumn::Points: return PointsHeading(column.category, record.ExtraName(column.category));
        case GradeColumn::Total: return "Total Pts";
        case GradeColumn::Possible: return "Poss Pts";
        case GradeColumn::Overall: return "Average";
        case GradeColumn::Letter: return "Grade";
    }
    return {};
}

std::string GradeColumnCell(const ClassRecord& record, const GradeColumn& column, int j) {
    const TStudent& row = record.Row(j);
    const TStudent& possible = record.PossibleRow();
    switch (column.type) {
        case GradeColumn::Grade: {
            const TGradeList& list = row.scores[column.category];
            const auto entry = static_cast<std::size_t>(column.entry);
            return entry < list.size() ? FormatGrade(list[entry].value) : std::string();
        }
        case GradeColumn::Average:
            return FormatScore(CategoryAverage(possible.scores[column.category], row.scores[column.category]));
        case GradeColumn::Points: return FormatScore(CategoryPoints(row.scores[column.category]));
        case GradeColumn::Total: return FormatScore(TotalPoints(row));
        case GradeColumn::Possible: return FormatScore(PossiblePoints(possible, row));
        case GradeColumn::Overall: return FormatScore(OverallAverage(record.grading, possible, row));
        case GradeColumn::Letter:
            return j == 0 ? std::string() : LetterGrade(record.grading, OverallAverage(record.grading, possible, row));
    }
    return {};
}

}  // namespace quorle
