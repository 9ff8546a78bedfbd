// The term command's arguments from arbitrary bytes (words split at zero
// bytes): any of them gives an exit status of 0, 1 or 2 and no crash; the
// weights it takes are as many as the classes, none below 0, with a positive sum.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/TermCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size && words.size() < 16; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    // Never a file the run could write (-o is dropped with its word), nor one
    // outside the current folder (a device would block the read).
    std::vector<std::string> args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "-o") {
            ++i;
            continue;
        }
        if (words[i].find('/') == std::string::npos) args.push_back(words[i]);
    }
    std::string problem;
    const auto weights = quorle::ParseTermWeights(words.front(), words.size(), problem);
    if (weights) {
        double sum = 0.0;
        if (weights->size() != words.size()) __builtin_trap();
        for (const double w : *weights) {
            if (!(w >= 0.0)) __builtin_trap();
            sum += w;
        }
        if (!(sum > 0.0)) __builtin_trap();
    } else if (problem.empty()) {
        __builtin_trap();
    }
    std::ostringstream out, err;
    const int status = quorle::RunTermCommand(args, out, err);
    if (status < 0 || status > 2) __builtin_trap();
    return 0;
}
