#pragma once
// quorle print: any report of a class to a PDF file, without a display.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Print.h"
#include "platform/Ui.h"

namespace quorle {

// Takes a PDF's bytes in order as they are made; false stops the job.
using PdfBytesSink = std::function<bool(std::string_view bytes)>;

struct CommandLineServices {
    // A PDF device for a page size ("Letter", "A4", or "" for the locale's)
    // that gives the file's bytes to the sink; the command puts them on disk
    // once the whole job has succeeded.
    std::function<std::unique_ptr<platform::PrintDevice>(PdfBytesSink sink, const std::string& pageSize)> makePdfDevice;
    // Today's date for the class header; the local date when not given.
    std::function<platform::Date()> today;
};

// args are the words after "print". Exit status: 0 done, 1 file error, 2 bad arguments.
int RunPrintCommand(const std::vector<std::string>& args, const CommandLineServices& services, std::ostream& out,
                    std::ostream& err);


}  // namespace quorle
