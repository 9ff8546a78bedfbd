#pragma once
// The columns of a class's table, wherever it is shown: the grades pane, quorle
// show and the CSV export, the grades report and the progress reports' grades
// block. Each view chooses its columns; this file alone knows their order, their
// headings, each row's text in them and the class mean under them.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "record/ClassRecord.h"

namespace quorle {

struct GradeColumn {
    enum Type { LastName, FirstName, Id, Grade, Average, Points, Total, Possible, Overall, Letter } type = Grade;
    int category = 0;
    int entry = 0;  // grade columns: the entry number in the category

    bool IsName() const { return type == LastName || type == FirstName || type == Id; }
    bool operator==(const GradeColumn&) const = default;
};

// The columns a view shows. They come in this order: the names, the last test
// and the last quiz, the grades of each chosen category, the chosen category
// averages, the chosen category points, Total and Possible Points, and always
// the overall Average and the letter Grade.
struct ColumnChoice {
    bool lastName = false;
    bool firstName = false;
    bool id = false;
    bool lastTest = false;
    bool lastQuiz = false;
    std::array<bool, kCategoryCount> grades{};
    std::array<bool, kCategoryCount> averages{};
    std::array<bool, kCategoryCount> points{};
    bool total = false;
    bool possible = false;
};

// A choice read from on/off flags in the display options' order: First Name,
// ID, each category's grades, each category's average, each category's points,
// Total and Possible Points. on(i) tells whether flag i is set.
ColumnChoice ChoiceFromFlags(const std::function<bool(int index)>& on);

std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const ColumnChoice& choice);
// The grades pane's columns for a display choice: the figures only (the names
// pane has the names).
std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const DisplayFlags& flags);

// "Test Aver" ... Extra name + " Aver"; "Test Pts" ... Extra name + " Pts".
// The Extra name is used for the Extra categories only.
std::string AverageHeading(int category, const std::string& extraName);
std::string PointsHeading(int category, const std::string& extraName);

std::string GradeColumnHeading(const ClassRecord& record, const GradeColumn& column);

// The figures of one row: each cell's text and the number a class mean adds up.
// The overall average is figured once, for both Average and Grade.
struct OverallBasis;

class GradeRowFigures {
public:
    // `basis`, when given, is the class's (MakeOverallBasis) and outlives the figures.
    GradeRowFigures(const GradingSystem& grading, const TStudent& possible, const TStudent& row, bool possibleRow,
                    const OverallBasis* basis = nullptr);

    // The name itself; FormatScore of a figure; a grade as stored (" N/A" when
    // omitted) or nothing where the row has no such grade; no letter grade for
    // the Possible Points row.
    std::string Text(const GradeColumn& column);
    // Text of a column that is not a name, appended to `out`.
    void AppendFigure(const GradeColumn& column, std::string& out);
    // A grade counts its stored value as it is (an omitted grade its marker) and
    // a missing one 0; names and the letter grade count nothing.
    float Value(const GradeColumn& column);
    // The row's overall average, worked out once.
    float Overall();

private:
    const GradingSystem& grading_;
    const TStudent& possible_;
    const TStudent& row_;
    bool possibleRow_;
    const OverallBasis* basis_;
    std::optional<float> overall_;
};

// The text of row j's cell (row 0 is the Possible Points row).
std::string GradeColumnCell(const ClassRecord& record, const GradeColumn& column, int j);

// The class mean under a column, over rows 1..N of `rows` (row 0 is the
// Possible Points row): FormatScore of the mean of the rows' values, the class
// average under Average; empty under names and Grade and for a class without
// students. A grade column's mean leaves out the rows whose grade is omitted,
// and is " N/A" when every one is.
std::string GradeColumnMean(const GradingSystem& grading, const std::vector<TStudent>& rows,
                            const GradeColumn& column);

}  // namespace quorle
