// The TrueType subsetter on arbitrary bytes read as a font file: its table
// directory (entries past the end give no table) supplies the tables, and
// the header's version and search fields, which the subsetter never sees,
// name the glyphs asked for. A font it gives is a well-formed font file:
// directory and tables within it, sorted, 4-aligned, checksummed, with a
// long loca that runs forward to the end of glyf.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/FontSubset.h"

namespace {

std::uint32_t U16(std::string_view bytes, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(bytes[at])} << 8) | static_cast<unsigned char>(bytes[at + 1]);
}
std::uint32_t U32(std::string_view bytes, std::size_t at) { return (U16(bytes, at) << 16) | U16(bytes, at + 2); }

// The table the file's directory names by `tag`, when the directory entry
// and the table both lie within the file.
std::string_view TableOf(std::string_view file, std::string_view tag) {
    if (file.size() < 12) return {};
    for (std::size_t i = 0, count = U16(file, 4); i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        if (entry + 16 > file.size()) return {};
        if (file.substr(entry, 4) != tag) continue;
        const std::size_t offset = U32(file, entry + 8), length = U32(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset) return {};
        return file.substr(offset, length);
    }
    return {};
}

std::uint32_t Sum(std::string_view bytes) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) sum += U32(bytes, at);
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    std::vector<std::uint32_t> glyphs;
    for (std::size_t at : {0, 2, 6, 8, 10})
        if (at + 2 <= size) glyphs.push_back(U16(file, at));
    const std::string font = quorle::pdf::SubsetTrueType(
        [file](std::string_view tag) { return std::string(TableOf(file, tag)); }, glyphs);
    if (font.empty()) return 0;

    if (font.size() < 12 || font.size() % 4 != 0 || U32(font, 0) != 0x00010000) __builtin_trap();
    const std::size_t count = U16(font, 4);
    if (count < 6 || 12 + 16 * count > font.size()) __builtin_trap();
    if (Sum(font) != 0xB1B0AFBAu) __builtin_trap();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        const std::size_t offset = U32(font, entry + 8), length = U32(font, entry + 12);
        if (offset % 4 != 0 || offset > font.size() || length > font.size() - offset) __builtin_trap();
        if (i > 0 && font.substr(entry - 16, 4) >= font.substr(entry, 4)) __builtin_trap();
        std::string table(font.substr(offset, length));
        if (font.substr(entry, 4) == "head") {
            if (length < 54) __builtin_trap();
            table.replace(8, 4, 4, '\0');
        }
        table.append((4 - length % 4) % 4, '\0');
        if (Sum(table) != U32(font, entry + 4)) __builtin_trap();
    }
    const std::string_view fontView(font);
    const std::string_view loca = TableOf(fontView, "loca"), glyf = TableOf(fontView, "glyf");
    const std::string_view maxp = TableOf(fontView, "maxp"), head = TableOf(fontView, "head");
    if (maxp.size() < 6 || head.size() < 54 || U16(head, 50) != 1) __builtin_trap();
    const std::size_t glyphCount = U16(maxp, 4);
    if (loca.size() != 4 * (glyphCount + 1) || U32(loca, 0) != 0 || U32(loca, 4 * glyphCount) != glyf.size())
        __builtin_trap();
    for (std::size_t g = 0; g < glyphCount; ++g)
        if (U32(loca, 4 * g) > U32(loca, 4 * (g + 1)) || U32(loca, 4 * g) % 4 != 0) __builtin_trap();
    return 0;
}
