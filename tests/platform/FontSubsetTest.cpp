#include "platform/FontSubset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quorle::platform {
namespace {

using Tables = std::map<std::string, std::string, std::less<>>;

std::uint32_t U16(std::string_view bytes, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(bytes[at])} << 8) | static_cast<unsigned char>(bytes[at + 1]);
}
std::uint32_t U32(std::string_view bytes, std::size_t at) { return (U16(bytes, at) << 16) | U16(bytes, at + 2); }
void Set16(std::string& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

std::uint32_t Sum(std::string_view bytes) {
    std::string padded(bytes);
    padded.append((4 - padded.size() % 4) % 4, '\0');
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < padded.size(); at += 4) sum += U32(padded, at);
    return sum;
}

// The tables of an sfnt file by its directory; a directory or table past
// the end of the file fails the test.
Tables ReadTables(std::string_view file) {
    Tables tables;
    if (file.size() < 12) {
        ADD_FAILURE() << "no sfnt header";
        return tables;
    }
    for (std::size_t i = 0, count = U16(file, 4); i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        if (entry + 16 > file.size()) {
            ADD_FAILURE() << "directory past the end";
            return {};
        }
        const std::size_t offset = U32(file, entry + 8), length = U32(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset) {
            ADD_FAILURE() << "table past the end";
            return {};
        }
        tables[std::string(file.substr(entry, 4))] = std::string(file.substr(offset, length));
    }
    return tables;
}

const std::string& LiberationMono() {
    static const std::string file = [] {
        std::ifstream in("/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }();
    return file;
}

FontTableSource SourceOf(const Tables& tables) {
    return [&tables](std::string_view tag) {
        const auto found = tables.find(tag);
        return found == tables.end() ? std::string() : found->second;
    };
}

std::size_t GlyphCount(const Tables& font) { return U16(font.at("maxp"), 4); }

// Each glyph's bytes, as the font's loca places them in its glyf.
std::vector<std::string> GlyphsOf(const Tables& font) {
    const bool longOffsets = U16(font.at("head"), 50) == 1;
    const std::string& loca = font.at("loca");
    const auto offset = [&](std::size_t i) { return longOffsets ? U32(loca, 4 * i) : 2 * U16(loca, 2 * i); };
    std::vector<std::string> glyphs;
    for (std::size_t g = 0; g < GlyphCount(font); ++g)
        glyphs.push_back(font.at("glyf").substr(offset(g), offset(g + 1) - offset(g)));
    return glyphs;
}

// The glyphs a composite glyph names as its parts (none for a simple glyph).
std::vector<std::uint32_t> PartsOf(std::string_view glyph) {
    std::vector<std::uint32_t> parts;
    if (glyph.size() < 10 || U16(glyph, 0) < 0x8000) return parts;
    for (std::size_t at = 10;;) {
        const std::uint32_t flags = U16(glyph, at);
        parts.push_back(U16(glyph, at + 2));
        at += 4 + (flags & 1 ? 4 : 2) + (flags & 8 ? 2 : flags & 0x40 ? 4 : flags & 0x80 ? 8 : 0);
        if (!(flags & 0x20)) return parts;
    }
}

struct Composites {
    std::uint32_t simpleParts = 0;  // a composite built from simple glyphs only
    std::uint32_t nested = 0;       // a composite with a composite among its parts
};

Composites FindComposites(const std::vector<std::string>& glyphs) {
    Composites found;
    for (std::uint32_t g = 0; g < glyphs.size(); ++g) {
        const std::vector<std::uint32_t> parts = PartsOf(glyphs[g]);
        if (parts.empty()) continue;
        const bool nested = std::any_of(parts.begin(), parts.end(), [&](std::uint32_t p) { return !PartsOf(glyphs[p]).empty(); });
        std::uint32_t& slot = nested ? found.nested : found.simpleParts;
        if (slot == 0) slot = g;
    }
    return found;
}

const std::vector<std::string> kKeptTables = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                                              "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};

// Every kept glyph holds its original bytes (padded to 4), at its own index;
// every other glyph is empty, and the font still has all its glyphs.
TEST(FontSubsetTest, KeepsTheGlyphsAskedForAndTheirPartsAtTheirIndexes) {
    const Tables original = ReadTables(LiberationMono());
    ASSERT_EQ(U16(original.at("head"), 50), 0u) << "the font has short loca offsets";
    const std::vector<std::string> glyphs = GlyphsOf(original);
    const std::uint32_t count = static_cast<std::uint32_t>(glyphs.size());
    const Composites composites = FindComposites(glyphs);
    ASSERT_NE(composites.simpleParts, 0u);
    ASSERT_NE(composites.nested, 0u);
    std::set<std::uint32_t> simpleComposite = {0, composites.simpleParts};
    for (std::uint32_t part : PartsOf(glyphs[composites.simpleParts])) simpleComposite.insert(part);
    std::set<std::uint32_t> nestedComposite = {0, composites.nested};
    for (std::uint32_t part : PartsOf(glyphs[composites.nested])) {
        nestedComposite.insert(part);
        for (std::uint32_t inner : PartsOf(glyphs[part])) nestedComposite.insert(inner);
    }
    ASSERT_GT(nestedComposite.size(), 3u);

    Tables longLoca = original;
    longLoca["loca"].clear();
    for (std::size_t i = 0; i <= count; ++i) {
        const std::uint32_t offset = 2 * U16(original.at("loca"), 2 * i);
        for (int shift = 24; shift >= 0; shift -= 8) longLoca["loca"] += static_cast<char>((offset >> shift) & 0xFF);
    }
    Set16(longLoca["head"], 50, 1);
    // Glyph 68 one byte shorter: a glyph whose length is not a multiple of 4.
    const std::uint32_t end68 = U32(longLoca["loca"], 4 * 69) - 1;
    for (int i = 0; i < 4; ++i) longLoca["loca"][4 * 69 + i] = static_cast<char>((end68 >> (24 - 8 * i)) & 0xFF);

    struct Case {
        std::string what;
        const Tables* font;
        std::vector<std::uint32_t> asked;
        std::set<std::uint32_t> kept;
    };
    const std::vector<Case> cases = {
        {"nothing asked: the missing-glyph box alone", &original, {}, {0}},
        {"a few letters, one asked twice", &original, {36, 68, 36, 37}, {0, 36, 37, 68}},
        {"a composite and its parts", &original, {composites.simpleParts}, simpleComposite},
        {"a composite built from a composite", &original, {composites.nested}, nestedComposite},
        {"the last glyph kept; the glyph count and past ignored", &original, {count - 1, count, 65535, 0xFFFFFFFF},
         {0, count - 1}},
        {"a font with long loca offsets, a glyph of odd length", &longLoca, {composites.simpleParts, 68}, [&] {
             auto kept = simpleComposite;
             kept.insert(68);
             return kept;
         }()},
    };
    for (const Case& c : cases) {
        const std::string subset = SubsetTrueType(SourceOf(*c.font), c.asked);
        const Tables font = ReadTables(subset);
        ASSERT_EQ(font.size(), kKeptTables.size()) << c.what;
        EXPECT_EQ(U16(font.at("head"), 50), 1u) << c.what << ": long loca offsets";
        ASSERT_EQ(font.at("loca").size(), 4 * (count + 1)) << c.what;
        ASSERT_EQ(GlyphCount(font), count) << c.what;
        const std::vector<std::string> asGiven = GlyphsOf(*c.font);
        const std::vector<std::string> kept = GlyphsOf(font);
        for (std::uint32_t g = 0; g < count; ++g) {
            std::string expected = c.kept.count(g) ? asGiven[g] : std::string();
            expected.append((4 - expected.size() % 4) % 4, '\0');
            EXPECT_EQ(kept[g], expected) << c.what << ": glyph " << g;
        }
    }
}

// The result is an sfnt a PDF reader takes: sorted directory with its
// search fields, tables on 4-byte boundaries with their checksums, the
// whole file summing to the magic number, and only the tables that still
// describe the font, copied as the font has them.
TEST(FontSubsetTest, WritesAWellFormedFontOfTheTablesThatStillHold) {
    const Tables original = ReadTables(LiberationMono());
    Tables withLayout = original;
    for (const char* tag : {"hdmx", "LTSH", "VDMX", "kern", "GPOS", "GSUB", "DSIG"}) withLayout[tag] = std::string(12, 'x');
    Tables bare = original;
    for (const char* tag : {"cmap", "cvt ", "fpgm", "prep", "OS/2", "name", "post", "gasp"}) bare.erase(tag);
    Tables oddSizes = original;
    oddSizes["name"].pop_back();
    oddSizes["cvt "] += "\x01";

    struct Case {
        std::string what;
        const Tables* font;
        std::vector<std::string> tags;
    };
    const std::vector<Case> cases = {
        {"the font as it is, its own extra tables dropped", &original, kKeptTables},
        {"kerning, layout, device metrics and signature left out", &withLayout, kKeptTables},
        {"only the required tables", &bare, {"glyf", "head", "hhea", "hmtx", "loca", "maxp"}},
        {"tables of sizes not a multiple of 4", &oddSizes, kKeptTables},
    };
    const std::vector<std::uint32_t> asked = {36, 37, 68};
    for (const Case& c : cases) {
        const std::string subset = SubsetTrueType(SourceOf(*c.font), asked);
        ASSERT_GE(subset.size(), 12u) << c.what;
        EXPECT_EQ(subset.size() % 4, 0u) << c.what;
        EXPECT_EQ(U32(subset, 0), 0x00010000u) << c.what;
        const std::size_t count = U16(subset, 4);
        ASSERT_EQ(count, c.tags.size()) << c.what;
        std::size_t power = 1, log = 0;
        while (power * 2 <= count) power *= 2, ++log;
        EXPECT_EQ(U16(subset, 6), 16 * power) << c.what;
        EXPECT_EQ(U16(subset, 8), log) << c.what;
        EXPECT_EQ(U16(subset, 10), 16 * (count - power)) << c.what;
        std::vector<std::string> tags;
        std::size_t end = 12 + 16 * count;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t entry = 12 + 16 * i;
            const std::string tag = subset.substr(entry, 4);
            const std::size_t offset = U32(subset, entry + 8), length = U32(subset, entry + 12);
            tags.push_back(tag);
            EXPECT_EQ(offset, end) << c.what << ": " << tag << " follows the one before, 4-aligned";
            ASSERT_LE(offset + length, subset.size()) << c.what;
            std::string table = subset.substr(offset, length);
            end = offset + (length + 3) / 4 * 4;
            EXPECT_EQ(subset.substr(offset + length, end - offset - length), std::string(end - offset - length, '\0'))
                << c.what << ": " << tag << " padding";
            if (tag == "head") {
                EXPECT_EQ(table.substr(50, 2), std::string("\0\1", 2)) << c.what;
                std::string expected = c.font->at("head");
                expected.replace(50, 2, std::string("\0\1", 2));
                expected.replace(8, 4, table.substr(8, 4));
                EXPECT_EQ(table, expected) << c.what;
                table.replace(8, 4, std::string(4, '\0'));
            } else if (tag != "loca" && tag != "glyf") {
                EXPECT_EQ(table, c.font->at(tag)) << c.what << ": " << tag << " copied";
            }
            EXPECT_EQ(U32(subset, entry + 4), Sum(table)) << c.what << ": " << tag << " checksum";
        }
        EXPECT_EQ(end, subset.size()) << c.what;
        EXPECT_EQ(tags, c.tags) << c.what;
        EXPECT_EQ(Sum(subset), 0xB1B0AFBAu) << c.what;
    }
}

// A font whose tables do not hold together gives no font at all; the rows
// that keep a limit's good side still give one.
TEST(FontSubsetTest, AFontThatDoesNotHoldTogetherGivesNothing) {
    const Tables original = ReadTables(LiberationMono());
    const std::vector<std::string> glyphs = GlyphsOf(original);
    const std::uint32_t count = static_cast<std::uint32_t>(glyphs.size());
    const std::uint32_t composite = FindComposites(glyphs).simpleParts;
    const std::size_t compositeAt = 2 * U16(original.at("loca"), 2 * composite);
    const std::size_t letterAt = 2 * U16(original.at("loca"), 2 * 36);
    const auto setLoca = [](Tables& t, std::size_t i, std::size_t offset) { Set16(t["loca"], 2 * i, offset / 2); };
    const auto firstPart = [&](Tables& t, std::uint32_t part) { Set16(t["glyf"], compositeAt + 12, part); };

    struct Case {
        std::string what;
        std::function<void(Tables&)> change;
        bool gives;
    };
    const std::vector<Case> cases = {
        {"no loca", [](Tables& t) { t.erase("loca"); }, false},
        {"no glyf", [](Tables& t) { t.erase("glyf"); }, false},
        {"no head", [](Tables& t) { t.erase("head"); }, false},
        {"no hhea", [](Tables& t) { t.erase("hhea"); }, false},
        {"no hmtx", [](Tables& t) { t.erase("hmtx"); }, false},
        {"no maxp", [](Tables& t) { t.erase("maxp"); }, false},
        {"head of 53 bytes", [](Tables& t) { t["head"].resize(53); }, false},
        {"head of 54 bytes", [](Tables& t) { t["head"].resize(54); }, true},
        {"maxp of 5 bytes", [](Tables& t) { t["maxp"].resize(5); }, false},
        {"maxp of 6 bytes", [](Tables& t) { t["maxp"].resize(6); }, true},
        {"hhea cut short", [](Tables& t) { t["hhea"].resize(35); }, false},
        {"hmtx cut short", [](Tables& t) { t["hmtx"].pop_back(); }, false},
        {"no glyphs", [](Tables& t) { Set16(t["maxp"], 4, 0); }, false},
        {"an unknown loca format", [](Tables& t) { Set16(t["head"], 50, 2); }, false},
        {"loca one entry short", [&](Tables& t) { t["loca"].resize(2 * count); }, false},
        {"loca exactly long enough", [&](Tables& t) { t["loca"].resize(2 * (count + 1)); }, true},
        {"glyf cut short", [&](Tables& t) { t["glyf"].resize(2 * U16(t["loca"], 2 * count) - 2); }, false},
        {"glyf ending at the last glyph", [&](Tables& t) { t["glyf"].resize(2 * U16(t["loca"], 2 * count)); }, true},
        {"loca offsets running backwards",
         [&](Tables& t) { setLoca(t, 40, 2 * U16(t["loca"], 2 * 39) - 2); }, false},
        {"a glyph shorter than its header", [&](Tables& t) { setLoca(t, 37, letterAt + 8); }, false},
        {"a glyph of its header alone", [&](Tables& t) { setLoca(t, 37, letterAt + 10); }, true},
        {"a composite cut inside a part",
         [&](Tables& t) { setLoca(t, composite + 1, compositeAt + 14); }, false},
        {"a composite built from the glyph count", [&](Tables& t) { firstPart(t, count); }, false},
        {"a composite built from the last glyph", [&](Tables& t) { firstPart(t, count - 1); }, true},
        {"a composite built from itself", [&](Tables& t) { firstPart(t, composite); }, false},
        {"the missing-glyph box built from itself", [&](Tables& t) {
             // Glyph 0 becomes a one-part composite naming glyph 0.
             std::string& glyf = t["glyf"];
             Set16(glyf, 0, 0xFFFF);
             Set16(glyf, 10, 0x0002);
             Set16(glyf, 12, 0);
         }, false},
    };
    for (const Case& c : cases) {
        Tables font = original;
        c.change(font);
        const std::vector<std::uint32_t> asked = {36, composite};
        EXPECT_EQ(SubsetTrueType(SourceOf(font), asked).empty(), !c.gives) << c.what;
    }
    EXPECT_TRUE(SubsetTrueType(FontTableSource(), std::vector<std::uint32_t>{36}).empty()) << "no tables at all";
}

}  // namespace
}  // namespace quorle::platform
