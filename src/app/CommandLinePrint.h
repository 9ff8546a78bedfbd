#pragma once
// quorle print: any report of a class to a PDF file, without a display.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "platform/Print.h"
#include "platform/Ui.h"

namespace quorle {

struct CommandLineServices {
    // A PDF device for a path and a page size ("Letter", "A4", or "" for the locale's).
    std::function<std::unique_ptr<platform::PrintDevice>(const std::string& path, const std::string& pageSize)> makePdfDevice;
    // Today's date for the class header; the local date when not given.
    std::function<platform::Date()> today;
};

// args are the words after "print". Exit status: 0 done, 1 file error, 2 bad arguments.
int RunPrintCommand(const std::vector<std::string>& args, const CommandLineServices& services, std::ostream& out,
                    std::ostream& err);


}  // namespace quorle
