#pragma once
// quorle show: a class's grades pane as tab-separated text (the table itself
// is grading/ShowTable.h).
#include <iosfwd>
#include <string>
#include <vector>

#include "grading/ShowTable.h"

namespace quorle {

// args are the words after "show". Exit status: 0 done, 1 file error, 2 bad arguments.
int RunShowCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage line of the show subcommand.
const char* ShowUsage();

}  // namespace quorle
