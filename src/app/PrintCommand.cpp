#include "app/PrintCommand.h"

#include <ostream>

// Placeholder until the reports are built.
namespace quorle {

int RunPrintCommand(const std::vector<std::string>&, const CommandLineServices&, std::ostream&, std::ostream& err) {
    err << "quorle print: no reports are available yet\n";
    return 2;
}

}  // namespace quorle
