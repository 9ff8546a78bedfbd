#pragma once
// The class file a subcommand was given, read once for all of them.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassLock.h"
#include "record/ClassRecord.h"

namespace quorle {

// The class at path; nothing when it cannot be read, after writing prefix and
// the reason ("Incorrect file format", say) as one line to err.
std::optional<ClassRecord> ReadClassArgument(const std::string& path, std::ostream& err, std::string_view prefix = {});

// A file of data a command reads whole (a roster, a file of scores);
// nothing when it cannot be read, after writing "PATH: File cannot be found!"
// and the reason to err.
std::optional<std::vector<unsigned char>> ReadInputArgument(const std::string& path, std::ostream& err);

// Takes the class's lock for a command that writes the class, held while
// lock lives: a class open in a window is left alone, since the window's next
// save would wipe out the command's work. False, after writing prefix and why to err (open in another
// program, or a lock that cannot be taken), when the class may not be written.
bool LockClassArgument(const std::string& path, ClassLock& lock, std::ostream& err, std::string_view prefix = {});

// A file a command reads, and what it is to the teacher ("the class file").
struct CommandInput {
    std::string path;
    std::string role;
    // Also any other case of its extension beside it ("x.cht" for "x.CHT"),
    // since the program finds such a file whatever the case.
    bool anyCaseOfExtension = false;
};

// The class file and its seating chart: what no output of a command on the
// class may be.
std::vector<CommandInput> ClassInputs(const std::string& classPath);

// The input that writing `output` would replace (the same file by any path,
// or, where the input allows, another case of its extension beside it);
// nullptr when there is none.
const CommandInput* InputAtOutput(const std::string& output, const std::vector<CommandInput>& inputs);

// Refuses an output that is one of the command's inputs: writes, after
// prefix ("quorle export: "), "-o OUT would write over ROLE (PATH); nothing
// was written" to err and gives true. False (nothing written) otherwise.
bool RefuseOutputOntoInput(const std::string& output, const std::vector<CommandInput>& inputs, std::ostream& err,
                           std::string_view prefix);

// What stands at the output of a report that it may not replace: "is a
// symbolic link", "is a folder", "is not a regular file" (a pipe, a device),
// or a file of the program whatever its name, known by its content: "would
// write over a class file", "... a seating chart", "... an assignment grid".
// Empty when nothing is there or it is another file (an older report).
std::string ProtectedOutput(const std::string& output);

// Refuses the output of a report (export, print) as RefuseOutputOntoInput
// does, and any output ProtectedOutput names: "-o OUT is a symbolic link;
// nothing was written", say. False (nothing written) otherwise.
bool RefuseReportOutput(const std::string& output, const std::vector<CommandInput>& inputs, std::ostream& err,
                        std::string_view prefix);

}  // namespace quorle
