#pragma once
// Grades from another program: a CSV file of scores (a quiz tool's export, a
// spreadsheet's column) for the students of a class. The students are matched
// by ID number or by name; either every line of the file is taken or nothing
// is, and the first faulty line is named.
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"

namespace quorle {

struct GradesImport {
    // One value per roster row (entry 0, the Possible Points row's, unused):
    // the score, or kOmitMarker for a student given none.
    std::vector<float> values;
    int added = 0;    // students given a score
    int omitted = 0;  // students left omitted
    std::string column;  // the heading of the scores' column (Windows-1252)
    std::string error;  // empty when the file was taken whole
};

// How the refusal of a file without a column of numbers ends: the command
// line's advice, which a window replaces by its own.
inline constexpr std::string_view kNameTheColumn = "name it with --column.";

// A text as names are compared: accents dropped, case ignored, surrounding
// spaces trimmed (Windows-1252 in and out).
std::string NameKey(std::string_view text);

// Reads the bytes of a scores CSV (UTF-8 with or without a byte-order mark, or
// Windows-1252; fields separated by commas or semicolons; a header row) for
// the class. The score is the column whose heading is `column` when one is
// named, else the last column whose filled cells are all numbers.
// The headings of the file's header row, as ParseGradesCsv reads them (none
// when the file has no readable first line).
std::vector<std::string> GradesCsvHeadings(std::string_view bytes);

GradesImport ParseGradesCsv(const ClassRecord& record, std::string_view bytes, std::string_view column = {});

// A count and its noun, in the singular for one: "1 grade", "3 grades".
std::string CountOf(int count, std::string_view noun);

// Adds a grade column to the category of every row, as New Grade does: the
// Possible Points row gets `points`, row j gets values[j].
void AddGradeColumn(ClassRecord& record, int category, std::string_view title, float points,
                    const std::vector<float>& values);

}  // namespace quorle
