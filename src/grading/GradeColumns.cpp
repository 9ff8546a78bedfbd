#include "grading/GradeColumns.h"

#include "grading/Compute.h"

namespace quorle {
namespace {

const char* const kAverageHeadings[4] = {"Test Aver", "Quiz Aver", "HW Aver", "Lab Aver"};
const char* const kPointsHeadings[4] = {"Test Pts", "Quiz Pts", "HW Pts", "Lab Pts"};

bool Shown(const DisplayFlags& flags, int index) { return flags[static_cast<std::size_t>(index)] != 0; }

// The grade of a row at (category, entry); nullptr when the row lacks it (rows
// are kept parallel, so only a damaged class gets here).
const TGrades* GradeAt(const TStudent& row, const GradeColumn& column) {
    const TGradeList& list = row.scores[column.category];
    if (column.entry < 0 || static_cast<std::size_t>(column.entry) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(column.entry)];
}

}  // namespace

ColumnChoice ChoiceFromFlags(const std::function<bool(int index)>& on) {
    ColumnChoice choice;
    choice.firstName = on(kShowFirstName);
    choice.id = on(kShowId);
    for (int c = 0; c < kCategoryCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        choice.grades[i] = on(kShowGradesFirst + c);
        choice.averages[i] = on(kShowAverageFirst + c);
        choice.points[i] = on(kShowPointsFirst + c);
    }
    choice.total = on(kShowTotalPoints);
    choice.possible = on(kShowPossiblePoints);
    return choice;
}

std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const ColumnChoice& choice) {
    std::vector<GradeColumn> columns;
    if (choice.lastName) columns.push_back(GradeColumn{GradeColumn::LastName});
    if (choice.firstName) columns.push_back(GradeColumn{GradeColumn::FirstName});
    if (choice.id) columns.push_back(GradeColumn{GradeColumn::Id});
    if (record.RowCount() > 0) {
        const TStudent& possible = record.PossibleRow();
        auto last = [&](int category) {
            const int n = static_cast<int>(possible.scores[category].size());
            if (n > 0) columns.push_back(GradeColumn{GradeColumn::Grade, category, n - 1});
        };
        if (choice.lastTest) last(kTests);
        if (choice.lastQuiz) last(kQuizzes);
        for (int c = 0; c < kCategoryCount; ++c) {
            if (!choice.grades[static_cast<std::size_t>(c)]) continue;
            const int n = static_cast<int>(possible.scores[c].size());
            for (int i = 0; i < n; ++i) columns.push_back(GradeColumn{GradeColumn::Grade, c, i});
        }
    }
    for (int c = 0; c < kCategoryCount; ++c)
        if (choice.averages[static_cast<std::size_t>(c)]) columns.push_back(GradeColumn{GradeColumn::Average, c});
    for (int c = 0; c < kCategoryCount; ++c)
        if (choice.points[static_cast<std::size_t>(c)]) columns.push_back(GradeColumn{GradeColumn::Points, c});
    if (choice.total) columns.push_back(GradeColumn{GradeColumn::Total});
    if (choice.possible) columns.push_back(GradeColumn{GradeColumn::Possible});
    columns.push_back(GradeColumn{GradeColumn::Overall});
    columns.push_back(GradeColumn{GradeColumn::Letter});
    return columns;
}

std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const DisplayFlags& flags) {
    ColumnChoice choice = ChoiceFromFlags([&](int i) { return Shown(flags, i); });
    choice.firstName = choice.id = false;
    return GradeColumns(record, choice);
}

std::string AverageHeading(int category, const std::string& extraName) {
    return category < 4 ? kAverageHeadings[category] : extraName + " Aver";
}

std::string PointsHeading(int category, const std::string& extraName) {
    return category < 4 ? kPointsHeadings[category] : extraName + " Pts";
}

std::string GradeColumnHeading(const ClassRecord& record, const GradeColumn& column) {
    switch (column.type) {
        case GradeColumn::LastName: return "Last Name";
        case GradeColumn::FirstName: return "First Name";
        case GradeColumn::Id: return "ID #";
        case GradeColumn::Grade: {
            if (record.RowCount() == 0) return {};
            const TGrades* title = GradeAt(record.PossibleRow(), column);
            return title ? title->title.Str() : std::string();
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

GradeRowFigures::GradeRowFigures(const GradingSystem& grading, const TStudent& possible, const TStudent& row,
                                 bool possibleRow, const OverallBasis* basis)
    : grading_(grading), possible_(possible), row_(row), possibleRow_(possibleRow), basis_(basis) {}

float GradeRowFigures::Overall() {
    if (!overall_)
        overall_ = basis_ ? OverallAverage(grading_, possible_, row_, *basis_) : OverallAverage(grading_, possible_, row_);
    return *overall_;
}

std::string GradeRowFigures::Text(const GradeColumn& column) {
    switch (column.type) {
        case GradeColumn::LastName: return row_.lastName.Str();
        case GradeColumn::FirstName: return row_.firstName.Str();
        case GradeColumn::Id: return row_.id.Str();
        default: {
            std::string text;
            AppendFigure(column, text);
            return text;
        }
    }
}

void GradeRowFigures::AppendFigure(const GradeColumn& column, std::string& out) {
    switch (column.type) {
        case GradeColumn::LastName:
        case GradeColumn::FirstName:
        case GradeColumn::Id: out += Text(column); return;
        case GradeColumn::Grade: {
            if (const TGrades* grade = GradeAt(row_, column)) AppendGrade(out, grade->value);
            return;
        }
        case GradeColumn::Overall: AppendScore(out, Overall()); return;
        case GradeColumn::Letter:
            if (!possibleRow_) out += LetterGrade(grading_, Overall());
            return;
        default: AppendScore(out, Value(column)); return;
    }
}

float GradeRowFigures::Value(const GradeColumn& column) {
    switch (column.type) {
        case GradeColumn::Grade: {
            const TGrades* grade = GradeAt(row_, column);
            return grade ? grade->value : 0.0f;
        }
        case GradeColumn::Average:
            return CategoryAverage(possible_.scores[column.category], row_.scores[column.category]);
        case GradeColumn::Points: return CategoryPoints(row_.scores[column.category]);
        case GradeColumn::Total: return TotalPoints(row_);
        case GradeColumn::Possible: return PossiblePoints(possible_, row_);
        case GradeColumn::Overall: return Overall();
        default: return 0.0f;
    }
}

std::string GradeColumnCell(const ClassRecord& record, const GradeColumn& column, int j) {
    return GradeRowFigures(record.grading, record.PossibleRow(), record.Row(j), j == 0).Text(column);
}

std::string GradeColumnMean(const GradingSystem& grading, const std::vector<TStudent>& rows,
                            const GradeColumn& column) {
    if (rows.size() < 2 || column.IsName() || column.type == GradeColumn::Letter) return {};
    if (column.type == GradeColumn::Overall) return FormatScore(ClassAverage(grading, rows));
    // An excused grade is left out of its column's mean, as it is left out of
    // the student's figures; a column of excused grades has no mean.
    float sum = 0.0f;
    std::size_t counted = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (column.type == GradeColumn::Grade) {
            const TGrades* grade = GradeAt(rows[r], column);
            if (grade != nullptr && IsOmitted(grade->value)) continue;
        }
        sum = sum + GradeRowFigures(grading, rows[0], rows[r], false).Value(column);
        ++counted;
    }
    if (counted == 0) return FormatGrade(kOmitMarker);
    return FormatScore(sum / static_cast<float>(counted));
}

}  // namespace quorle
