// A letter file as any bytes, read as the printout reads it: lines stay within
// their limits. The same bytes as the letters' option and level files.
// fuzz_letter takes the editor's round trip and prints the letters.
#include <cstddef>
#include <cstdint>
#include <span>

#include "reports/ProgressPrint.h"
#include "reports/ProgressTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorle;
    const std::span<const unsigned char> bytes(data, size);

    const TTemplate lines = ParseTemplate(bytes);
    for (const TSentence& line : lines)
        if (line.text.Length() > kSentenceChars) __builtin_trap();

    // The same bytes as the other small files of the letters.
    ProgressOptions options{};
    ParseProgressOptions(bytes, options);
    const LevelText level = ParseWarningLevel(bytes);
    if (level.Length() > 14) __builtin_trap();
    (void)WarningLevelValue(level);
    return 0;
}
