#include "app/CommandLine.h"

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/ChartCommand.h"
#include "app/CommandLineRoster.h"
#include "app/CsvExport.h"
#include "app/ImportGradesCommand.h"
#include "app/ShowCommand.h"
#include "app/TermCommand.h"
#include "app/VersionsCommand.h"
#include "record/FileNames.h"
#include "record/VersionStore.h"

namespace quorle {
namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage:\n"
        << "  quorle [CLASS.gdr ...]\n"
        << "      opens the classes in the window\n"
        << "  " << ShowUsage() << "\n"
        << "      prints the class's grades, tab-separated, as the class window shows them\n"
        << "      (--all: every column; --rank: students in rank order)\n"
        << "  " << ChartUsage() << "\n"
        << "      prints the class's seating chart as the chart window draws it\n"
        << "  quorle print REPORT CLASS.gdr -o OUT.pdf [options]  (see quorle print --help)\n"
        << "  quorle print grid GRID.col CLASS.gdr -o OUT.pdf [--page-size Letter|A4]\n"
        << "  quorle print picture CLASS.gdr -o OUT.pdf [--page-size Letter|A4]\n"
        << "      prints the class picture: letter grades and averages at a glance\n"
        << "  " << ExportUsage() << "\n"
        << "      writes the class's grades as CSV for a spreadsheet (the columns of quorle show)\n"
        << "  " << ImportStudentsUsage() << "\n"
        << "      adds the students of a CSV roster to the class, as Add Students does\n"
        << "  " << ImportGradesUsage() << "\n"
        << "      adds one grade column to the class from a CSV file of scores (a quiz tool's export)\n"
        << "  " << TermUsage() << "\n"
        << "      prints the term's grades made of its grading periods' classes, weighted\n"
        << "  " << NewPeriodUsage() << "\n"
        << "      writes the class of a new grading period: same students and settings, no grades\n"
        << "  " << VersionsUsage() << "\n"
        << "      lists the earlier versions kept of the class; --restore N writes one back (or to OUT.gdr)\n"
        << "  quorle --help\n"
        << "  quorle --version\n";
}

// A class file named on the command line: the documented extension in any
// case, or a file that is there (an old class may carry any name).
bool IsClassFileWord(const std::string& word) {
    if (word.size() > 4) {
        std::string ext = word.substr(word.size() - 4);
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".gdr") return true;
    }
    return FileExists(word);
}

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

}  // namespace

bool IsCommandLineCommand(int argc, char** argv) {
    if (argc < 2 || argv == nullptr || argv[1] == nullptr) return false;
    const std::string_view word(argv[1]);
    return word == "show" || word == "print" || word == "chart" || word == "export" || word == "import-students" ||
           word == "new-period" || word == "versions" || word == "term" || word == "import-grades" || IsHelp(word);
}

std::string VersionLine() { return std::string("quorle ") + QUORLE_VERSION; }

StartRequest ReadStartArguments(int argc, char** argv) {
    StartRequest request;
    if (IsCommandLineCommand(argc, argv)) {
        request.kind = StartRequest::Kind::Command;
        return request;
    }
    for (int i = 1; i < argc && argv != nullptr; ++i) {
        const std::string word = argv[i] != nullptr ? argv[i] : "";
        if (word == "--version" && argc == 2) {
            request.kind = StartRequest::Kind::Version;
            return request;
        }
        if (word == "--no-splash") {
            request.splash = false;
        } else if (word.empty()) {
            request.problem = "an empty argument is neither a command nor a class file";
        } else if (word[0] == '-') {
            request.problem = "unknown option " + word;
        } else if (IsClassFileWord(word)) {
            request.files.push_back(word);
        } else {
            request.problem = "'" + word + "' is neither a command nor a class file (CLASS.gdr)";
        }
        if (!request.problem.empty()) {
            request.kind = StartRequest::Kind::Usage;
            request.files.clear();
            return request;
        }
    }
    request.kind = StartRequest::Kind::Window;
    return request;
}

bool DisplayAvailable(const std::function<const char*(const char*)>& getenv) {
    const auto set = [&getenv](const char* name) {
        const char* value = getenv(name);
        return value != nullptr && *value != '\0';
    };
    const char* chosen = getenv("QT_QPA_PLATFORM");
    const std::string platform = chosen ? chosen : "";
    // "wayland;xcb" tries each in turn.
    if (platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland")) {
        const bool x11 = platform.empty() || platform.find("xcb") != std::string::npos;
        const bool wayland = platform.empty() || platform.find("wayland") != std::string::npos;
        return (x11 && set("DISPLAY")) || (wayland && set("WAYLAND_DISPLAY"));
    }
    return true;
}

namespace {

// What a command printed must have reached its reader: a full disk or a
// closed pipe behind the output is an error of the command, as a file that
// could not be written is.
int OutputChecked(int status, std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return status;
    err << "quorle: the output could not be written\n";
    return status == 0 ? 1 : status;
}

}  // namespace

int StartWithoutWindow(const StartRequest& request, int argc, char** argv, const CommandLineServices& services,
                       bool displayAvailable, std::ostream& out, std::ostream& err) {
    switch (request.kind) {
        case StartRequest::Kind::Command: return OutputChecked(RunCommandLine(argc, argv, services, out, err), out, err);
        case StartRequest::Kind::Version: out << VersionLine() << "\n"; return OutputChecked(0, out, err);
        case StartRequest::Kind::Usage:
            err << "quorle: " << request.problem << "\n";
            PrintUsage(err);
            return 2;
        case StartRequest::Kind::Window: break;
    }
    if (displayAvailable) return -1;
    err << "quorle: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "the commands below work without one\n";
    PrintUsage(err);
    return 2;
}

int RunCommandLine(int argc, char** argv, const CommandLineServices& services, std::ostream& out, std::ostream& err) {
    if (!IsCommandLineCommand(argc, argv)) {
        PrintUsage(err);
        return 2;
    }
    const std::string_view command(argv[1]);
    std::vector<std::string> args;
    for (int i = 2; i < argc; ++i)
        if (argv[i] != nullptr) args.emplace_back(argv[i]);
    if (IsHelp(command)) {
        PrintUsage(out);
        return 0;
    }
    // A class file written by the command whose earlier version cannot be
    // kept says so once, on the error stream.
    SetVersionProblemListener([&err](const FileProblem& problem) {
        err << "quorle: " << kVersionsNotKept << "\n" << problem.Text() << "\n";
    });
    struct ListenerReset {
        ~ListenerReset() { SetVersionProblemListener(nullptr); }
    } reset;
    if (command == "show") return RunShowCommand(args, out, err);
    if (command == "versions") return RunVersionsCommand(args, out, err);
    if (command == "chart") return RunChartCommand(args, out, err);
    if (command == "export") return RunExportCommand(args, out, err);
    if (command == "import-students") return RunImportStudentsCommand(args, out, err);
    if (command == "term") return RunTermCommand(args, out, err);
    if (command == "import-grades") return RunImportGradesCommand(args, out, err);
    if (command == "new-period") return RunNewPeriodCommand(args, out, err);
    return RunPrintCommand(args, services, out, err);
}

}  // namespace quorle
