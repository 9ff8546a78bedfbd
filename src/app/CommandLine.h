#pragma once
// The headless subcommands of the quorle executable: "show", "chart", "print",
// "import-students" and "new-period".
#include <iosfwd>

#include "app/CommandLinePrint.h"

namespace quorle {
// True when argv names a headless subcommand ("show", "chart", "print", "--help", "-h", "help").
bool IsCommandLineCommand(int argc, char** argv);
int RunCommandLine(int argc, char** argv, const CommandLineServices& services, std::ostream& out, std::ostream& err);
}  // namespace quorle
