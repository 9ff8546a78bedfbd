#pragma once
// The headless subcommands of the quorle executable: "show", "chart", "print",
// "export", "import-students", "new-period" and "versions", and how the executable tells
// them from class files to open in the window.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/CommandLinePrint.h"

namespace quorle {

// True when argv names a headless subcommand ("show", "chart", "print",
// "export", "import-students", "new-period", "versions", "--help", "-h", "help").
bool IsCommandLineCommand(int argc, char** argv);
int RunCommandLine(int argc, char** argv, const CommandLineServices& services, std::ostream& out, std::ostream& err);

// The program's version, as --version prints it ("quorle 0.1").
std::string VersionLine();

// What a start of the executable asks for.
struct StartRequest {
    enum class Kind {
        Command,  // a headless subcommand (RunCommandLine)
        Version,  // --version: the version line, no window
        Window,   // the window, with the class files to open
        Usage,    // neither: the problem and the usage on standard error, exit status 2
    };
    Kind kind = Kind::Window;
    std::vector<std::string> files;  // Window: the classes to open, in order
    bool splash = true;              // Window: false after --no-splash
    std::string problem;             // Usage: what was wrong, one line
};

// Sorts the arguments. Besides a subcommand and --version, the window takes
// --no-splash and class files: a name ending in ".gdr" in any case, or a file
// that exists. Anything else (an unknown option, an empty word, a word that
// is no command and no file) is a usage error, so a script with a typo stops
// at once instead of opening a window that waits for a person.
StartRequest ReadStartArguments(int argc, char** argv);

// Whether a window can be shown: a platform plugin that needs no display is
// chosen (QT_QPA_PLATFORM=offscreen, say), or the display the chosen or
// default plugin connects to is named (DISPLAY for X11, WAYLAND_DISPLAY for
// Wayland). getenv gives an environment variable, nullptr when unset.
bool DisplayAvailable(const std::function<const char*(const char*)>& getenv);

// The executable's start, up to where the window would be made: runs a
// subcommand, prints the version, or refuses with the usage. Gives the exit
// status, or -1 when the window is to be shown for `request`.
int StartWithoutWindow(const StartRequest& request, int argc, char** argv, const CommandLineServices& services,
                       bool displayAvailable, std::ostream& out, std::ostream& err);

}  // namespace quorle
