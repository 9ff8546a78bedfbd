#pragma once
// A class's table as the grades pane shows it, in lines of tab-separated text:
// what `quorle show` prints and what Copy Table puts on the clipboard.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "record/ClassRecord.h"

namespace quorle {

struct ShowOptions {
    bool all = false;   // every column, whatever the display flags say
    bool rank = false;  // students in rank order instead of roster order
};

// One line of the output; an empty line has no cells.
using ShowLine = std::vector<std::string>;

// The lines `quorle show` prints, cells as Windows-1252 text exactly as the grades
// pane shows them: the headings, the Possible Points row, every student, an empty
// line, the class average (left out for a class without students) and the
// distribution of letters.
std::vector<ShowLine> BuildShowTable(const ClassRecord& record, const ShowOptions& options);

// Writes the lines as UTF-8, cells separated by tabs.
void WriteShowTable(const std::vector<ShowLine>& lines, std::ostream& out);

// The same text as WriteShowTable of BuildShowTable, appended to `out` row by
// row without a table in between (what the command itself prints).
void AppendShowText(const ClassRecord& record, const ShowOptions& options, std::string& out);
// The same text written to `out`, a chunk of about `chunk` bytes at a time;
// false when the stream failed.
bool WriteShowText(const ClassRecord& record, const ShowOptions& options, std::ostream& out,
                   std::size_t chunk = 1 << 16);

}  // namespace quorle
