#pragma once
// The class window's editing commands: New Grade, Student Info/Grades and
// Change/Delete Grade Title. Each does its dialogs on the class of the window
// and writes the class file once the change is confirmed.
namespace quorle {

class TDecoChild;

// Edit > New Grade (F4): on OK for every row the class is written and the
// grades pane shows the new column.
void NewGradeCommand(TDecoChild& child);

}  // namespace quorle
