#pragma once
// The class window's editing commands: New Grade, Student Info/Grades and
// Change/Delete Grade Title. Each does its dialogs on the class of the window
// and writes the class file once the change is confirmed.
#include <functional>
#include <string>
#include <string_view>

namespace quorle {

namespace platform {
class Ui;
}
struct ClassRecord;
class TGradeWindow;

// What the editing commands use of their class window, as the window hands
// it to them.
struct EditingParts {
    platform::Ui& ui;
    ClassRecord& record;
    TGradeWindow& grades;
    // Names the step under way (the first name given wins).
    std::function<void(std::string)> nameStep;
    // The class changed: it is written when it has a name, and shown again.
    std::function<void()> changed;
};

// Edit > New Grade (F4): on OK for every row the class is written and the
// grades pane shows the new column.
void NewGradeCommand(const EditingParts& window);

// The text of the message when no student's name holds the text looked for.
std::string NoStudentFoundMessage(std::string_view part);

// Edit > Find Student (Ctrl+F): asks for part of a name; each Find Next (or
// Enter in the box) puts the cell cursor on the next student whose last or
// first name contains it, round from the top again; Close ends it.
void FindStudentCommand(const EditingParts& window);

// Display > Sort by This Column (Ctrl+Shift+S): sorts the rows on screen by
// the cell cursor's column (again: the other way round).
void SortByColumnCommand(const EditingParts& window);

}  // namespace quorle
