#pragma once
// File > Term Grades: the Term Grades dialog that chooses the grading
// periods' class files and their weights, and the menu of the window that
// shows the term's table.
#include <vector>

#include "platform/Dialog.h"
#include "platform/Menu.h"

namespace quorle::resources {

inline constexpr int kTermGradesDialogId = 3030;

// The class files of the term, in order, one a line.
inline constexpr int kIdTermClasses = 101;
inline constexpr int kIdTermAdd = 102;
inline constexpr int kIdTermRemove = 103;
inline constexpr int kIdTermUp = 104;
inline constexpr int kIdTermDown = 105;
// The weights, separated by commas ("40,40,20"); empty: each class counts 1.
inline constexpr int kIdTermWeights = 106;
inline constexpr int kTermWeightsLimit = 120;

platform::DialogResource TermGradesDialogResource();

// The help page of the term grades (F1 in their window).
inline constexpr int kHelpTopicTermGrades = 720;

namespace cmd {
inline constexpr int kTermPrint = 24560;
inline constexpr int kTermExport = 24561;
inline constexpr int kTermClose = 24562;
inline constexpr int kTermRankOrder = 24563;
inline constexpr int kTermClassOrder = 24564;
}  // namespace cmd

// "&File": Print, Export, a separator, Close; "&Display": Rank Order, Class
// Order (the order shown is greyed).
platform::Menu TermWindowMenu();
// Ctrl+P prints; Escape and Ctrl+W close.
std::vector<platform::Accelerator> TermWindowAccelerators();

}  // namespace quorle::resources
