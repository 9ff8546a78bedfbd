#include "pdf/FontSubset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quorle::pdf {
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
void Set32(std::string& bytes, std::size_t at, std::uint32_t value) {
    Set16(bytes, at, value >> 16);
    Set16(bytes, at + 2, value & 0xFFFF);
}
std::string Padded(std::string bytes) { return bytes.append((4 - bytes.size() % 4) % 4, '\0'); }

std::uint32_t Sum(std::string_view bytes) {
    const std::string padded = Padded(std::string(bytes));
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < padded.size(); at += 4) sum += U32(padded, at);
    return sum;
}

// The tables of an sfnt file by its directory; a directory or table past
// the end of the file fails the test.
Tables ReadTables(std::string_view file) {
    Tables tables;
    for (std::size_t i = 0, count = file.size() < 12 ? 0 : U16(file, 4); i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        const std::size_t offset = entry + 16 > file.size() ? file.size() + 1 : U32(file, entry + 8);
        const std::size_t length = offset > file.size() ? 0 : U32(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset) {
            ADD_FAILURE() << "directory entry " << i << " past the end";
            return {};
        }
        tables[std::string(file.substr(entry, 4))] = std::string(file.substr(offset, length));
    }
    return tables;
}

const Tables& LiberationMono() {
    static const Tables tables = [] {
        std::ifstream in("/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return ReadTables(bytes.str());
    }();
    return tables;
}

FontTableSource SourceOf(const Tables& tables) {
    return [&tables](std::string_view tag) {
        const auto found = tables.find(tag);
        return found == tables.end() ? std::string() : found->second;
    };
}

// Each glyph's bytes, as the font's loca places them in its glyf.
std::vector<std::string> GlyphsOf(const Tables& font) {
    const bool longOffsets = U16(font.at("head"), 50) == 1;
    const std::string& loca = font.at("loca");
    const auto offset = [&](std::size_t i) { return longOffsets ? U32(loca, 4 * i) : 2 * U16(loca, 2 * i); };
    std::vector<std::string> glyphs;
    for (std::size_t g = 0; g < U16(font.at("maxp"), 4); ++g)
        glyphs.push_back(font.at("glyf").substr(offset(g), offset(g + 1) - offset(g)));
    return glyphs;
}

// The glyphs a composite glyph names as its parts (none for a simple glyph).
std::vector<std::uint32_t> PartsOf(std::string_view glyph) {
    std::vector<std::uint32_t> parts;
    for (std::size_t at = 10, flags = 0x20; glyph.size() >= 10 && U16(glyph, 0) >= 0x8000 && (flags & 0x20);) {
        flags = U16(glyph, at);
        parts.push_back(U16(glyph, at + 2));
        at += 4 + (flags & 1 ? 4 : 2) + (flags & 8 ? 2 : flags & 0x40 ? 4 : flags & 0x80 ? 8 : 0);
    }
    return parts;
}

// The first composite glyph built from simple glyphs only, or with a composite among its parts.
std::uint32_t FirstComposite(const std::vector<std::string>& glyphs, bool nested) {
    for (std::uint32_t g = 0; g < glyphs.size(); ++g) {
        const std::vector<std::uint32_t> parts = PartsOf(glyphs[g]);
        if (!parts.empty() &&
            nested == std::any_of(parts.begin(), parts.end(), [&](std::uint32_t p) { return !PartsOf(glyphs[p]).empty(); }))
            return g;
    }
    return 0;
}

std::set<std::uint32_t> WithParts(const std::vector<std::string>& glyphs, std::set<std::uint32_t> kept) {
    for (std::vector<std::uint32_t> next(kept.begin(), kept.end()); !next.empty();) {
        const std::uint32_t glyph = next.back();
        next.pop_back();
        for (const std::uint32_t part : PartsOf(glyphs[glyph]))
            if (kept.insert(part).second) next.push_back(part);
    }
    return kept;
}

// Every kept glyph holds its bytes as the font has them (padded to 4), at its
// own index; every other glyph is empty, and the font still has all its glyphs.
TEST(FontSubsetTest, KeepsTheGlyphsAskedForAndTheirPartsAtTheirIndexes) {
    const Tables& original = LiberationMono();
    ASSERT_EQ(U16(original.at("head"), 50), 0u) << "the font has short loca offsets";
    const std::vector<std::string> glyphs = GlyphsOf(original);
    const std::uint32_t count = static_cast<std::uint32_t>(glyphs.size());
    const std::uint32_t composite = FirstComposite(glyphs, false), nested = FirstComposite(glyphs, true);
    ASSERT_NE(composite, 0u);
    ASSERT_NE(nested, 0u);
    ASSERT_GT(WithParts(glyphs, {nested}).size(), PartsOf(glyphs[nested]).size() + 1) << "parts of parts";

    // The same font with long loca offsets, and glyph 68 one byte shorter.
    Tables longLoca = original;
    longLoca["loca"].assign(4 * (count + 1), '\0');
    for (std::size_t i = 0; i <= count; ++i) Set32(longLoca["loca"], 4 * i, 2 * U16(original.at("loca"), 2 * i) - (i == 69));
    Set16(longLoca["head"], 50, 1);

    struct Case {
        std::string what;
        const Tables* font;
        std::vector<std::uint32_t> asked;
        std::set<std::uint32_t> kept;
    };
    const std::vector<Case> cases = {
        {"nothing asked: the missing-glyph box alone", &original, {}, {0}},
        {"a few letters, one asked twice", &original, {36, 68, 36, 37}, {0, 36, 37, 68}},
        {"a composite and its parts", &original, {composite}, WithParts(glyphs, {0, composite})},
        {"a composite built from a composite", &original, {nested}, WithParts(glyphs, {0, nested})},
        {"the last glyph kept; the glyph count and past ignored", &original, {count - 1, count, 65535, 0xFFFFFFFF},
         {0, count - 1}},
        {"long loca offsets, a glyph of odd length", &longLoca, {composite, 68}, WithParts(glyphs, {0, composite, 68})},
    };
    for (const Case& c : cases) {
        const Tables font = ReadTables(SubsetTrueType(SourceOf(*c.font), c.asked));
        ASSERT_TRUE(font.count("head") && font.count("maxp") && font.count("loca")) << c.what;
        EXPECT_EQ(U16(font.at("head"), 50), 1u) << c.what << ": long loca offsets";
        ASSERT_EQ(font.at("loca").size(), 4 * (count + 1)) << c.what;
        const std::vector<std::string> given = GlyphsOf(*c.font), kept = GlyphsOf(font);
        for (std::uint32_t g = 0; g < count; ++g)
            EXPECT_EQ(kept[g], Padded(c.kept.count(g) ? given[g] : "")) << c.what << ": glyph " << g;
    }
}

const std::vector<std::string> kKeptTables = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                                              "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};

// The result is an sfnt a PDF reader takes: sorted directory with its
// search fields, tables on 4-byte boundaries with their checksums, the
// whole file summing to the magic number, and only the tables that still
// describe the font, copied as the font has them.
TEST(FontSubsetTest, WritesAWellFormedFontOfTheTablesThatStillHold) {
    const Tables& original = LiberationMono();
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
        std::vector<std::uint32_t> searchFields;  // searchRange, entrySelector, rangeShift
    };
    const std::vector<Case> cases = {
        {"the font as it is, its own extra tables dropped", &original, kKeptTables, {128, 3, 96}},
        {"kerning, layout, device metrics and signature left out", &withLayout, kKeptTables, {128, 3, 96}},
        {"only the required tables", &bare, {"glyf", "head", "hhea", "hmtx", "loca", "maxp"}, {64, 2, 32}},
        {"tables of sizes not a multiple of 4", &oddSizes, kKeptTables, {128, 3, 96}},
    };
    for (const Case& c : cases) {
        const std::string subset = SubsetTrueType(SourceOf(*c.font), std::vector<std::uint32_t>{36, 37, 68});
        ASSERT_GE(subset.size(), 12 + 16 * c.tags.size()) << c.what;
        EXPECT_EQ(U32(subset, 0), 0x00010000u) << c.what;
        ASSERT_EQ(U16(subset, 4), c.tags.size()) << c.what;
        EXPECT_EQ((std::vector<std::uint32_t>{U16(subset, 6), U16(subset, 8), U16(subset, 10)}), c.searchFields) << c.what;
        std::vector<std::string> tags;
        std::size_t end = 12 + 16 * c.tags.size();
        for (std::size_t entry = 12; entry < 12 + 16 * c.tags.size(); entry += 16) {
            const std::string tag = subset.substr(entry, 4);
            const std::size_t offset = U32(subset, entry + 8), length = U32(subset, entry + 12);
            tags.push_back(tag);
            EXPECT_EQ(offset, end) << c.what << ": " << tag << " follows the one before, 4-aligned";
            ASSERT_LE(offset + length, subset.size()) << c.what;
            std::string table = subset.substr(offset, length);
            end = offset + Padded(table).size();
            EXPECT_EQ(subset.substr(offset, end - offset), Padded(table)) << c.what << ": " << tag << " padding";
            if (tag == "head") {
                std::string expected = c.font->at("head");
                expected.replace(50, 2, std::string("\0\1", 2));  // long loca offsets
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
    const Tables& original = LiberationMono();
    const std::vector<std::string> glyphs = GlyphsOf(original);
    const std::uint32_t count = static_cast<std::uint32_t>(glyphs.size());
    const std::uint32_t composite = FirstComposite(glyphs, false);
    const std::size_t compositeAt = 2 * U16(original.at("loca"), 2 * composite);
    const std::size_t letterAt = 2 * U16(original.at("loca"), 2 * 36);
    const auto setLoca = [](Tables& t, std::size_t i, std::size_t offset) { Set16(t["loca"], 2 * i, offset / 2); };
    const auto firstPart = [&](Tables& t, std::uint32_t part) { Set16(t["glyf"], compositeAt + 12, part); };

    struct Case {
        std::string what;
        std::function<void(Tables&)> change;
        bool gives;
    };
    std::vector<Case> cases = {
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
    for (const std::string tag : {"head", "hhea", "maxp", "hmtx", "loca", "glyf"})
        cases.push_back({"no " + tag, [tag](Tables& t) { t.erase(tag); }, false});
    for (const Case& c : cases) {
        Tables font = original;
        c.change(font);
        EXPECT_EQ(SubsetTrueType(SourceOf(font), std::vector<std::uint32_t>{36, composite}).empty(), !c.gives) << c.what;
    }
    EXPECT_TRUE(SubsetTrueType(FontTableSource(), std::vector<std::uint32_t>{36}).empty()) << "no tables at all";
}

}  // namespace
}  // namespace quorle::pdf
