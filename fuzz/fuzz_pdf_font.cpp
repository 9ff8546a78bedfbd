// The font program and glyph codes read back from a PDF of one page of
// glyphs, on arbitrary bytes: whatever it gives comes from the input's own
// streams, and it never reads past the input.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pdf/Pdf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pdf(reinterpret_cast<const char*>(data), size);
    const quorle::pdf::EmbeddedFont font = quorle::pdf::ReadEmbeddedFont(pdf);
    // Codes come four hexadecimal digits and "> Tj" apiece from an inflated stream.
    if (font.trueType.empty() && !font.codes.empty()) __builtin_trap();
    if (font.trueType.size() > (64u << 20)) __builtin_trap();
    return 0;
}
