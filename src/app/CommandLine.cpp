#include "app/CommandLine.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/ChartCommand.h"
#include "app/CommandLineRoster.h"
#include "app/CsvExport.h"
#include "app/ShowCommand.h"

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
        << "  " << ExportUsage() << "\n"
        << "      writes the class's grades as CSV for a spreadsheet (the columns of quorle show)\n"
        << "  " << ImportStudentsUsage() << "\n"
        << "      adds the students of a CSV roster to the class, as Add Students does\n"
        << "  " << NewPeriodUsage() << "\n"
        << "      writes the class of a new grading period: same students and settings, no grades\n"
        << "  quorle --help\n";
}

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

}  // namespace

bool IsCommandLineCommand(int argc, char** argv) {
    if (argc < 2 || argv == nullptr || argv[1] == nullptr) return false;
    const std::string_view word(argv[1]);
    return word == "show" || word == "print" || word == "chart" || word == "export" || word == "import-students" ||
           word == "new-period" || IsHelp(word);
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
    if (command == "show") return RunShowCommand(args, out, err);
    if (command == "chart") return RunChartCommand(args, out, err);
    if (command == "export") return RunExportCommand(args, out, err);
    if (command == "import-students") return RunImportStudentsCommand(args, out, err);
    if (command == "new-period") return RunNewPeriodCommand(args, out, err);
    return RunPrintCommand(args, services, out, err);
}

}  // namespace quorle
