#pragma once
// quorle import-students and quorle new-period: roster work on class files
// without a window, for a teacher starting several classes at once.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace quorle {

const char* ImportStudentsUsage();
const char* NewPeriodUsage();

// args are the words after the subcommand. Exit status: 0 done, 1 a file or
// its contents refused (the class file unchanged), 2 bad arguments.
int RunImportStudentsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunNewPeriodCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorle
