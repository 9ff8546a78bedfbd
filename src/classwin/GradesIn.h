#pragma once
// Grade columns made at once: Edit > New Grade Column (every grade omitted,
// typed into the table later) and Edit > Import Grades (the scores of a CSV
// file). Each asks the category, title and points possible as New Grade
// does, adds the column to every row or to none, and writes the class once.
#include <string>
#include <vector>

namespace quorle {

struct ClassRecord;
struct EditingParts;
struct GradesImport;

inline constexpr const char* kScoresFileFilter = "CSV Files (*.csv)|*.csv;*.CSV|";
inline constexpr const char* kNoGradesAdded = "No grades were added.";

// New Grade Column: the cell cursor then stands on the column's first student.
void NewGradeColumnCommand(const EditingParts& window);

// Import Grades: the scores file, the questions, the column of the scores,
// then the matches to confirm. A file that cannot be read or taken whole
// shows why (its line) and changes nothing.
void ImportGradesCommand(const EditingParts& window);

// The confirm list of an import: "Last, First: score" for every student in
// roster order, "Last, First: left omitted" for those given none.
std::vector<std::string> ImportedGradeLines(const ClassRecord& record, const GradesImport& grades);

}  // namespace quorle
