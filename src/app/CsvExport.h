#pragma once
// A class's grades for a spreadsheet: the table quorle show prints, as CSV
// (RFC 4180, UTF-8, CRLF line ends), each figure in its own cell without the
// screen's padding: "8.63", "N/A", "B+".
#include <iosfwd>
#include <string>
#include <vector>

#include "app/ShowCommand.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

inline constexpr const char* kCsvFileFilter = "CSV Files (*.csv)|*.csv;*.CSV|";

std::string ClassCsv(const ClassRecord& record, const ShowOptions& options);
// Any table of show lines (Windows-1252 cells) as that CSV.
std::string ShowLinesCsv(const std::vector<ShowLine>& lines);

// Export from a window: the file name (with the overwrite question), then the
// CSV written atomically; "File cannot be opened!" when it cannot be written.
// A file of the program (a class, a chart, a grid, whatever its name), a
// link, a folder or anything but a plain file is refused: nothing is written.
void ExportCsvCommand(platform::Ui& ui, const std::string& csv);

// File > Export on a class window: the class's CSV as its display options show it.
void ExportClassCommand(platform::Ui& ui, const ClassRecord& record);

// quorle export CLASS.gdr -o OUT.csv [--all] [--rank]. Exit status: 0 done,
// 1 a file could not be read or written, 2 bad arguments.
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
const char* ExportUsage();

}  // namespace quorle
