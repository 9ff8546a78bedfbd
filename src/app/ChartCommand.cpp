#include "app/ChartCommand.h"

#include <ostream>

#include "platform/Text1252.h"
#include "seating/ChartPicture.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

const char* ChartUsage() { return "quorle chart CLASS.gdr"; }

int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    for (const auto& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            err << "quorle chart: unknown option " << arg << "\nUsage: " << ChartUsage() << "\n";
            return 2;
        }
        files.push_back(arg);
    }
    if (files.size() != 1) {
        err << "quorle chart: " << (files.empty() ? "no class file given" : "one class file at a time")
            << "\nUsage: " << ChartUsage() << "\n";
        return 2;
    }
    const auto chart = ChartExists(files[0]) ? ReadChartFile(ChartPath(files[0])) : std::nullopt;
    if (!chart) {
        err << kChartCannotBeOpened << "\n";
        return 1;
    }
    for (const auto& line : ChartPictureText(*chart)) out << platform::Cp1252ToUtf8(line) << "\n";
    return 0;
}

}  // namespace quorle
