#include "app/CsvExport.h"

#include <filesystem>
#include <ostream>
#include <span>

#include "app/ClassArgument.h"
#include "classwin/ClassSaving.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/Csv.h"
#include "record/FileNames.h"

namespace quorle {
namespace {

// A cell as a spreadsheet takes it: UTF-8, without the padding that lines
// figures up on screen.
std::string Cell(const std::string& text) {
    return platform::Cp1252ToUtf8(platform::TrimPadding(text));
}

bool WriteText(const std::string& path, const std::string& text, FileProblem& problem) {
    return WriteFileAtomically(path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()),
                               &problem);
}

}  // namespace

std::string ClassCsv(const ClassRecord& record, const ShowOptions& options) {
    return ShowLinesCsv(BuildShowTable(record, options));
}

std::string ShowLinesCsv(const std::vector<ShowLine>& lines) {
    std::string csv;
    for (const ShowLine& line : lines) {
        std::vector<std::string> cells;
        cells.reserve(line.size());
        for (const std::string& cell : line) cells.push_back(Cell(cell));
        csv += CsvLine(cells);
    }
    return csv;
}

void ExportCsvCommand(platform::Ui& ui, const std::string& csv) {
    platform::FileDialogOptions options;
    options.title = "Export";
    options.filter = kCsvFileFilter;
    options.defaultExtension = "csv";
    const auto path = ChooseFileToWrite(ui, options, [](const std::string& chosen) { return EnsureExtension(chosen, "csv"); });
    if (!path) return;
    if (const std::string refused = ProtectedOutput(*path); !refused.empty()) {
        const std::string name = platform::Utf8ToCp1252Lossy(std::filesystem::path(*path).filename().string());
        ui.MessageBox("Warning", name + " " + refused + "; nothing was written.", platform::Buttons::Ok,
                      platform::Icon::Exclamation);
        return;
    }
    FileProblem problem;
    if (!WriteText(*path, csv, problem))
        ui.MessageBox("Warning", FileMessage("File cannot be opened!", problem), platform::Buttons::Ok,
                      platform::Icon::Exclamation);
}

void ExportClassCommand(platform::Ui& ui, const ClassRecord& record) {
    ExportCsvCommand(ui, ClassCsv(record, ShowOptions{}));
}

const char* ExportUsage() { return "quorle export CLASS.gdr -o OUT.csv [--all] [--rank]"; }

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ShowOptions options;
    std::string classPath;
    std::string outPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << "Usage: " << ExportUsage() << "\n"
                << "  Writes the class's grades as CSV for a spreadsheet: the columns and figures of\n"
                << "  quorle show, each figure in its own cell.\n"
                << "  --all   every column, whatever the class's display options say\n"
                << "  --rank  students in rank order (highest average first)\n";
            return 0;
        }
        if (arg == "--all") {
            options.all = true;
        } else if (arg == "--rank") {
            options.rank = true;
        } else if (arg == "-o") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "quorle export: -o needs a file name\nUsage: " << ExportUsage() << "\n";
                return 2;
            }
            outPath = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "quorle export: unknown option " << arg << "\nUsage: " << ExportUsage() << "\n";
            return 2;
        } else if (!classPath.empty()) {
            err << "quorle export: only one class file can be exported\nUsage: " << ExportUsage() << "\n";
            return 2;
        } else {
            classPath = arg;
        }
    }
    if (classPath.empty() || outPath.empty()) {
        err << "quorle export: a class file and -o OUT.csv are needed\nUsage: " << ExportUsage() << "\n";
        return 2;
    }
    if (RefuseReportOutput(outPath, ClassInputs(classPath), err, "quorle export: ")) return 2;
    const auto record = ReadClassArgument(classPath, err);
    if (!record) return 1;
    FileProblem problem;
    if (!WriteText(outPath, ClassCsv(*record, options), problem)) {
        err << outPath << ": File cannot be opened!\n" << problem.Text() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorle
