#pragma once
// Edit > Copy, Copy Table and Paste: the class's table to and from the
// desktop's clipboard, for a spreadsheet or another program.
#include <string>
#include <string_view>

#include "classwin/EditCommands.h"

namespace quorle {

// Edit > Copy (Ctrl+C): the text of the cursor's cell, as the panes show it
// without the padding (a grade "9.50" or "N/A", the last name, a figure, a
// letter). Without a cursor nothing is copied.
void CopyCommand(const EditingParts& window);

// Edit > Copy Table (Ctrl+Shift+C): the whole table as `quorle show` prints
// it, tab-separated, one line a row.
void CopyTableCommand(const EditingParts& window);

// Edit > Paste (Ctrl+V): a column of grades, one a line, into the cursor's
// grade column from the cursor's row down, in the order the rows are shown.
// Each line is a grade as it may be typed into the cell ("9.5", "9,5" with a
// decimal comma, "N/A" or "N" for omitted, an empty line omitted too); spaces
// around it and zeros ending its decimals do not count. Nothing changes when
// a line is refused, when there are more lines than rows from the cursor
// down, or when the cursor is not on a grade: a message says which.
void PasteCommand(const EditingParts& window);

// The refusal of line `line` (1-based) of the clipboard, holding `text`.
std::string NotAGradeMessage(int line, std::string_view text);

}  // namespace quorle
