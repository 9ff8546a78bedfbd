#pragma once
// quorle import-grades: a grade column from a CSV file of scores, without a window.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorle {

const char* ImportGradesUsage();

// args are the words after the subcommand. Exit status: 0 done, 1 a file or
// its contents refused (the class file unchanged), 2 bad arguments.
int RunImportGradesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorle
