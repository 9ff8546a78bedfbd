#include "app/ShowCommand.h"

#include <ostream>

#include "app/ClassArgument.h"

namespace quorle {

const char* ShowUsage() { return "quorle show [--all] [--rank] CLASS.gdr"; }

int RunShowCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ShowOptions options;
    std::string path;
    bool havePath = false;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << "Usage: " << ShowUsage() << "\n"
                << "  Prints the class's grades as the class window shows them, tab-separated.\n"
                << "  --all   every column, whatever the class's display options say\n"
                << "  --rank  students in rank order (highest average first)\n";
            return 0;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--all") {
            options.all = true;
        } else if (!optionsEnded && arg == "--rank") {
            options.rank = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "quorle show: unknown option " << arg << "\nUsage: " << ShowUsage() << "\n";
            return 2;
        } else if (havePath) {
            err << "quorle show: only one class file can be shown\nUsage: " << ShowUsage() << "\n";
            return 2;
        } else {
            path = arg;
            havePath = true;
        }
    }
    if (!havePath || path.empty()) {
        err << "quorle show: no class file given\nUsage: " << ShowUsage() << "\n";
        return 2;
    }
    const auto record = ReadClassArgument(path, err);
    if (!record) return 1;
    return WriteShowText(*record, options, out) ? 0 : 1;
}

}  // namespace quorle
