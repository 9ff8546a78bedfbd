#include "pdf/FontSubset.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace quorle::pdf {
namespace {

// Every read below is bounds-checked by its caller: At16/At32 are only
// called with `at + 2` (`at + 4`) within the bytes.
std::uint16_t At16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[at]) << 8) |
                                      static_cast<unsigned char>(bytes[at + 1]));
}

std::uint32_t At32(std::string_view bytes, std::size_t at) {
    return (std::uint32_t{At16(bytes, at)} << 16) | At16(bytes, at + 2);
}

void Append16(std::string& out, std::uint32_t value) {
    const char bytes[2] = {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
    out.append(bytes, 2);
}

void Append32(std::string& out, std::uint32_t value) {
    Append16(out, value >> 16);
    Append16(out, value & 0xFFFF);
}

void Set32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

std::size_t Padded(std::size_t size) { return (size + 3) & ~std::size_t{3}; }

// The sum of a table's big-endian 32-bit words, its last word padded with zeros.
std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t sum = 0;
    const std::size_t whole = bytes.size() & ~std::size_t{3};
    for (std::size_t at = 0; at < whole; at += 4) sum += At32(bytes, at);
    std::uint32_t last = 0;
    for (std::size_t at = whole; at < bytes.size(); ++at)
        last |= std::uint32_t{static_cast<unsigned char>(bytes[at])} << (24 - 8 * (at - whole));
    return sum + last;
}

constexpr std::size_t kHeadSize = 54;
constexpr std::size_t kCheckSumAdjustment = 8;
constexpr std::size_t kIndexToLocFormat = 50;
constexpr std::size_t kHheaSize = 36;
constexpr std::size_t kNumberOfHMetrics = 34;
constexpr std::size_t kGlyphHeaderSize = 10;  // numberOfContours and the bounding box
constexpr int kMaxComponentDepth = 16;

constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kHaveScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kHaveXYScale = 0x0040;
constexpr std::uint16_t kHaveTwoByTwo = 0x0080;

// The glyphs to keep: the ones asked for and, for a composite, its parts.
class GlyphKeeper {
public:
    GlyphKeeper(std::string_view glyf, const std::vector<std::uint32_t>& offsets)
        : glyf_(glyf), offsets_(offsets), marks_(offsets.size() - 1, Mark::Left) {}

    // False when the glyph, or a part of it, is not a well-formed glyph.
    bool Keep(std::uint32_t glyph) { return Keep(glyph, 0); }
    bool Kept(std::size_t glyph) const { return marks_[glyph] == Mark::Kept; }

private:
    enum class Mark : std::uint8_t { Left, Walking, Kept };

    bool Keep(std::uint32_t glyph, int depth) {
        if (marks_[glyph] == Mark::Kept) return true;
        if (marks_[glyph] == Mark::Walking || depth > kMaxComponentDepth) return false;  // built from itself
        const std::string_view bytes = glyf_.substr(offsets_[glyph], offsets_[glyph + 1] - offsets_[glyph]);
        if (bytes.empty()) {
            marks_[glyph] = Mark::Kept;
            return true;
        }
        if (bytes.size() < kGlyphHeaderSize) return false;
        if (static_cast<std::int16_t>(At16(bytes, 0)) >= 0) {
            marks_[glyph] = Mark::Kept;
            return true;
        }
        marks_[glyph] = Mark::Walking;
        std::size_t at = kGlyphHeaderSize;
        for (;;) {
            if (bytes.size() - at < 4) return false;
            const std::uint16_t flags = At16(bytes, at);
            const std::uint16_t part = At16(bytes, at + 2);
            at += 4 + ((flags & kArgsAreWords) ? 4 : 2);
            if (flags & kHaveScale)
                at += 2;
            else if (flags & kHaveXYScale)
                at += 4;
            else if (flags & kHaveTwoByTwo)
                at += 8;
            if (at > bytes.size() || part >= marks_.size() || !Keep(part, depth + 1)) return false;
            if (!(flags & kMoreComponents)) break;
        }
        marks_[glyph] = Mark::Kept;
        return true;
    }

    std::string_view glyf_;
    const std::vector<std::uint32_t>& offsets_;
    std::vector<Mark> marks_;
};

// Where each glyph starts in glyf, and where the last one ends; empty when
// loca is too short or its offsets run backwards or past glyf.
std::vector<std::uint32_t> GlyphOffsets(std::string_view loca, bool longOffsets, std::size_t glyphCount,
                                        std::size_t glyfSize) {
    const std::size_t entrySize = longOffsets ? 4 : 2;
    if (loca.size() / entrySize < glyphCount + 1) return {};
    std::vector<std::uint32_t> offsets;
    offsets.reserve(glyphCount + 1);
    for (std::size_t i = 0; i <= glyphCount; ++i) {
        const std::uint32_t offset = longOffsets ? At32(loca, 4 * i) : 2 * std::uint32_t{At16(loca, 2 * i)};
        if (offset > glyfSize || (!offsets.empty() && offset < offsets.back())) return {};
        offsets.push_back(offset);
    }
    return offsets;
}

struct Table {
    std::array<char, 4> tag;
    std::string bytes;
};

std::array<char, 4> TagOf(std::string_view tag) { return {tag[0], tag[1], tag[2], tag[3]}; }

// The tables as one sfnt file: sorted directory, each table on a 4-byte
// boundary, checksums, and head's checkSumAdjustment. Empty when the file
// would not fit the directory's 32-bit offsets.
std::string WriteFont(std::vector<Table> tables) {
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });
    const std::size_t count = tables.size();
    std::size_t total = 12 + 16 * count;
    for (const Table& table : tables) total += Padded(table.bytes.size());
    if (total > std::numeric_limits<std::uint32_t>::max()) return {};

    std::uint32_t power = 1, selector = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++selector;
    }
    std::string out;
    out.reserve(total);
    Append32(out, 0x00010000);
    Append16(out, static_cast<std::uint32_t>(count));
    Append16(out, power * 16);
    Append16(out, selector);
    Append16(out, static_cast<std::uint32_t>(count * 16 - power * 16));
    std::size_t offset = 12 + 16 * count;
    std::size_t headAt = 0;
    for (const Table& table : tables) {
        out.append(table.tag.data(), 4);
        Append32(out, Checksum(table.bytes));
        Append32(out, static_cast<std::uint32_t>(offset));
        Append32(out, static_cast<std::uint32_t>(table.bytes.size()));
        if (table.tag == TagOf("head")) headAt = offset;
        offset += Padded(table.bytes.size());
    }
    for (const Table& table : tables) {
        out += table.bytes;
        out.append(Padded(table.bytes.size()) - table.bytes.size(), '\0');
    }
    Set32(out, headAt + kCheckSumAdjustment, 0xB1B0AFBAu - Checksum(out));
    return out;
}

}  // namespace

std::string SubsetTrueType(const FontTableSource& tables, std::span<const std::uint32_t> glyphs) {
    if (!tables) return {};
    std::string head = tables("head");
    std::string hhea = tables("hhea");
    std::string maxp = tables("maxp");
    std::string hmtx = tables("hmtx");
    const std::string loca = tables("loca");
    const std::string glyf = tables("glyf");
    if (head.size() < kHeadSize || hhea.size() < kHheaSize || maxp.size() < 6) return {};
    const std::uint16_t locFormat = At16(head, kIndexToLocFormat);
    const std::size_t glyphCount = At16(maxp, 4);
    const std::size_t metricCount = At16(hhea, kNumberOfHMetrics);
    if (locFormat > 1 || glyphCount == 0 || metricCount == 0) return {};
    if (hmtx.size() < 4 * metricCount + 2 * (glyphCount - std::min(glyphCount, metricCount))) return {};
    const std::vector<std::uint32_t> offsets = GlyphOffsets(loca, locFormat == 1, glyphCount, glyf.size());
    if (offsets.empty()) return {};

    GlyphKeeper keeper(glyf, offsets);
    if (!keeper.Keep(0)) return {};
    for (const std::uint32_t glyph : glyphs)
        if (glyph < glyphCount && !keeper.Keep(glyph)) return {};

    std::size_t keptSize = 0;
    for (std::size_t g = 0; g < glyphCount; ++g)
        if (keeper.Kept(g)) keptSize += Padded(offsets[g + 1] - offsets[g]);
    std::string newGlyf, newLoca;
    newGlyf.reserve(keptSize);
    newLoca.reserve(4 * (glyphCount + 1));
    for (std::size_t g = 0; g < glyphCount; ++g) {
        Append32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
        if (!keeper.Kept(g)) continue;
        const std::size_t size = offsets[g + 1] - offsets[g];
        newGlyf.append(glyf, offsets[g], size);
        newGlyf.append(Padded(size) - size, '\0');
    }
    Append32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));

    Set32(head, kCheckSumAdjustment, 0);
    head[kIndexToLocFormat] = 0;
    head[kIndexToLocFormat + 1] = 1;

    std::vector<Table> out;
    out.reserve(14);
    out.push_back({TagOf("head"), std::move(head)});
    out.push_back({TagOf("hhea"), std::move(hhea)});
    out.push_back({TagOf("maxp"), std::move(maxp)});
    out.push_back({TagOf("hmtx"), std::move(hmtx)});
    out.push_back({TagOf("loca"), std::move(newLoca)});
    out.push_back({TagOf("glyf"), std::move(newGlyf)});
    for (const std::string_view tag : {"cmap", "cvt ", "fpgm", "prep", "OS/2", "name", "post", "gasp"}) {
        std::string bytes = tables(tag);
        if (!bytes.empty()) out.push_back({TagOf(tag), std::move(bytes)});
    }
    return WriteFont(std::move(out));
}

}  // namespace quorle::pdf
