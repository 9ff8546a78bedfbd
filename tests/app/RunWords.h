#pragma once
// The command line run in this process as `quorle WORDS…` would run it.
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace quorle::testing {

// The exit status; out and err get what the command wrote.
inline int RunWords(std::vector<std::string> words, std::string& out, std::string& err) {
    words.insert(words.begin(), "quorle");
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    std::ostringstream o, e;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), CommandLineServices{}, o, e);
    out = o.str();
    err = e.str();
    return status;
}

}  // namespace quorle::testing
