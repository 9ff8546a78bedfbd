// The QUORLE.POP reader on arbitrary bytes: it takes as many whole options as
// the file holds, keeps the defaults for the rest, never reads past the end,
// and what it read writes back unchanged. fuzz_grades_report prints with them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "reports/GradesPrint.h"

using namespace quorle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrintOptions options = DefaultPrintOptions();
    ParsePrintOptions(std::span<const unsigned char>(data, size), options);
    const std::vector<unsigned char> written = SerializePrintOptions(options);
    const std::size_t whole = std::min(size / 4, static_cast<std::size_t>(kPrintOptionCount)) * 4;
    if (written.size() != kPrintOptionCount * 4u) __builtin_trap();
    for (std::size_t i = 0; i < whole; ++i)
        if (written[i] != data[i]) __builtin_trap();
    const std::vector<unsigned char> defaults = SerializePrintOptions(DefaultPrintOptions());
    for (std::size_t i = whole; i < written.size(); ++i)
        if (written[i] != defaults[i]) __builtin_trap();
    return 0;
}
