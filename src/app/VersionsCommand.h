#pragma once
// quorle versions: the earlier versions the program keeps of a class file,
// listed, and one of them written back or to a file of its own.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorle {

const char* VersionsUsage();

// args are the words after the subcommand: CLASS.gdr, then optionally
// --restore N and -o OUT.gdr. Exit status: 0 done, 1 nothing to restore or a
// file refused, 2 bad arguments.
int RunVersionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorle
