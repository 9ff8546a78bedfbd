// The reader of earlier versions kept as deltas, on arbitrary bytes: the
// first byte says how many of the rest are the base, the others are a delta.
// It rebuilds a version or refuses the delta, never reading past the delta or
// the base and never making more than the size the delta names. And a delta
// made from any two byte strings rebuilds its version exactly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "record/VersionDelta.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const unsigned char> rest(data + 1, size - 1);
    const std::size_t split = std::min<std::size_t>(data[0] * 4u, rest.size());
    const auto base = rest.first(split);
    const auto delta = rest.subspan(split);

    if (const auto header = quorle::ParseVersionDeltaHeader(delta)) {
        if (const auto bytes = quorle::ApplyVersionDelta(delta, base))
            if (bytes->size() != header->targetSize) __builtin_trap();
    }
    // The steps alone, with the size the steps' own first bytes name.
    const std::size_t wanted = delta.empty() ? 0 : delta[0] * 16u;
    if (const auto bytes = quorle::ApplyVersionDeltaSteps(delta, base, wanted))
        if (bytes->size() != wanted) __builtin_trap();

    // Any two byte strings: the delta between them rebuilds the first.
    const auto made = quorle::MakeVersionDelta(delta, base);
    const auto rebuilt = quorle::ApplyVersionDelta(made, base);
    if (!rebuilt || !std::equal(rebuilt->begin(), rebuilt->end(), delta.begin(), delta.end())) __builtin_trap();
    return 0;
}
