#pragma once
// quorle chart: the text picture of a class's seating chart.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorle {

// args are the words after "chart". Writes the picture's non-empty lines as
// UTF-8, one per line. Exit status: 0 done, 1 no chart or an unreadable one
// ("File cannot be opened!" on err), 2 bad arguments.
int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage line of the chart subcommand.
const char* ChartUsage();

}  // namespace quorle
