#pragma once
// The commands that change a class's roster as a whole or work on class files
// as files: Add Students (and its loop while a class is made new),
// Alphabetize, New Grading Period, Delete File; and Grading System on a class
// window.
#include <functional>
#include <string>

#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

class TDecoChild;

inline constexpr const char* kTooManyClassFiles =
    "The computer is unable to give this student a id number because there are too many class files on this "
    "directory.  Give your own value or delete some class files.";
inline constexpr const char* kDeleteWhileOpen =
    "You may only delete files when no classes are open.  Close all classes and then delete.";
inline constexpr const char* kNewPeriodOverItself =
    "The new grading period cannot replace the class it comes from.  Choose another file name.";

// The Add Students loop: the IDs used by the class files of the class's
// folder are scanned, then the student dialog comes back, with a proposed ID,
// until it is cancelled. Each accepted student is appended to the roster
// (every existing grade omitted) and handed to added. On Cancel the class is
// written (its warning when that fails).
void AddStudentsLoop(platform::Ui& ui, ClassRecord& record, const std::function<void(const TStudent&)>& added);

// Edit > Add Students on a class window: the loop, each new student seated
// in the class's chart and given a selection box, the panes redrawn.
void AddStudentsCommand(TDecoChild& window);
// Edit > Grading System on a class window; the grades pane redrawn after it.
void GradingSystemCommand(TDecoChild& window);
// Options > Alphabetize: the roster sorted by last and first name, the panes
// redrawn and the class written.
void AlphabetizeCommand(TDecoChild& window);

// Options > New Grading Period: a new class file with the same students and
// settings and no grades, and a copy of the class's chart, written together:
// when either cannot be written (or the chart cannot be read), neither is,
// and the message names the file and the reason. The class stays open and
// unchanged.
void NewGradingPeriod(platform::Ui& ui, const ClassRecord& record);

// File > Delete File: only while no class is open; asks, then deletes the
// class file and its chart.
void DeleteClassFile(platform::Ui& ui, int openClasses);

}  // namespace quorle
