#pragma once
// The dialogs of Import Grades: the column of the scores, and the matches to
// confirm before the column is added.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kScoreColumnDialogId = 670;
inline constexpr int kImportGradesDialogId = 671;

// Score Column: drop-down 101 of the file's headings, the first item the
// automatic choice.
inline constexpr int kIdScoreColumn = 101;
inline constexpr const char* kAutomaticColumn = "(the last column of numbers)";
platform::DialogResource ScoreColumnDialogResource();

// Import Grades: heading 150 ("%s" filled with the grade and its column), list
// 101 of the students and their scores, counts 151.
inline constexpr int kIdImportHeading = 150;
inline constexpr int kIdImportList = 101;
inline constexpr int kIdImportCounts = 151;
platform::DialogResource ImportGradesDialogResource();

}  // namespace quorle::resources
