#pragma once
// The columns of a class as the grades pane shows them (and quorle show prints
// them): the grades of each shown category, the shown computed columns, then
// always Average and Grade; with each column's heading and each row's text.
#include <string>
#include <vector>

#include "record/ClassRecord.h"

namespace quorle {

struct GradeColumn {
    enum Type { Grade, Average, Points, Total, Possible, Overall, Letter } type = Grade;
    int category = 0;
    int entry = 0;  // grade columns: the entry number in the category
};

std::vector<GradeColumn> GradeColumns(const ClassRecord& record, const DisplayFlags& flags);

// "Test Aver" ... Extra name + " Aver"; "Test Pts" ... Extra name + " Pts".
// The Extra name is used for the Extra categories only.
std::string AverageHeading(int category, const std::string& extraName);
std::string PointsHeading(int category, const std::string& extraName);

std::string GradeColumnHeading(const ClassRecord& record, const GradeColumn& column);
// The text of row j's cell: FormatScore of its figure, " N/A" for an omitted
// grade; the Possible Points row (j = 0) has no letter grade.
std::string GradeColumnCell(const ClassRecord& record, const GradeColumn& column, int j);

}  // namespace quorle
