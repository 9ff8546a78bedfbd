// The QUORLE.OPT reader on arbitrary bytes: it reads the 22 flags or refuses
// the file, never reading past its end.
#include <cstddef>
#include <cstdint>
#include <span>

#include "grading/DisplayOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorle::DisplayFlags flags{};
    flags.fill(7);
    const bool ok = quorle::ParseDisplayOptions(std::span<const unsigned char>(data, size), flags);
    if (ok != (size >= quorle::kDisplayOptionsSize)) __builtin_trap();
    if (!ok && flags[0] != 7) __builtin_trap();
    if (ok && quorle::SerializeDisplayOptions(flags) !=
                  std::vector<unsigned char>(data, data + quorle::kDisplayOptionsSize))
        __builtin_trap();
    return 0;
}
