#include "pdf/Pdf.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <tuple>
#include <iterator>
#include <regex>
#include <string>
#include <vector>


namespace quorle::pdf {
namespace {

// Numbers as the page's content gives them: nine significant digits, the rest
// cut off, whole numbers bare.
TEST(PdfTest, NumbersKeepNineDigitsCutNotRounded) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {4610, "4610"},
        {-89, "-89"},
        {43.796875, "43.7968750"},
        {605.05, "605.049999"},      // 605.05 is stored just below itself
        {604.95, "604.950000"},
        {-0.05, "-0.050000000"},
        {0.12, "0.120000000"},
        {1007.328125, "1007.32812"},  // ten digits: the last is cut
        {123456789.5, "123456789"},   // nine whole digits leave no room for a fraction
        {0.0000000001, "0"},          // below the ninth decimal
    };
    for (const auto& c : cases) {
        std::string text;
        AppendPdfNumber(text, c.value);
        EXPECT_EQ(text, c.text) << c.value;
    }
    std::string exact;
    AppendExactNumber(exact, 0.1 + 0.2);
    EXPECT_EQ(std::stod(exact), 0.1 + 0.2);
}

std::string Inflated(const std::string& packed) {
    std::string out(1 << 20, '\0');
    uLongf size = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   packed.size()) != Z_OK)
        return "<not zlib>";
    out.resize(size);
    return out;
}

// Every compressed stream of a file, inflated, in order.
std::vector<std::string> Streams(const std::string& pdf) {
    std::vector<std::string> out;
    for (std::size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at + 1)) {
        if (at >= 3 && pdf.compare(at - 3, 3, "end") == 0) continue;
        const std::size_t end = pdf.find("\nendstream", at);
        out.push_back(Inflated(pdf.substr(at + 7, end - at - 7)));
    }
    return out;
}

std::string PageContent(PdfPage& page) { return page.Content(); }

// A page's content: the page's own scale and corner, text that follows a fixed
// advance in one string per word, and a viewer's sums giving each glyph its
// place; thin rules as filled outlines, other pens as strokes.
TEST(PdfTest, PageContentPlacesGlyphsAndRules) {
    PdfPage page(0.12, 18, 774);
    const double advance = 43.796875;
    // "AB CD" at x 438: the space leaves no glyph; every glyph 600 thousandths wide.
    const std::vector<PlacedGlyph> word = {
        {36, 438, 600}, {37, 438 + advance, 600}, {38, 438 + 3 * advance, 600}, {39, 438 + 4 * advance, 600}};
    page.Glyphs(0, 73, 0, 476, word, advance);
    page.Glyphs(0, 73, 0xFF0000, 560, std::vector<PlacedGlyph>{{36, 100, 600}}, advance);
    page.ThinLines(std::vector<Line>{{0, 605, 4610, 605}, {0, 605, 0, 3509}});
    page.ThinLines(std::vector<Line>{{756, 595, 756, 3451}});
    page.StrokeLines(std::vector<Line>{{212, 952, 212, 877}}, 2);
    page.StrokeBox(Box{1000, 200, 1200, 250}, 2);
    const std::string content = PageContent(page);
    // The spacing that, added to a glyph's own advance as a viewer works it
    // out (600 thousandths of 73), gives exactly the fixed advance.
    std::string spacing;
    AppendExactNumber(spacing, advance - (600 * 0.001) * 73);
    EXPECT_EQ((600 * 0.001) * 73 + std::stod(spacing), advance);
    const std::string expected =
        "/GSa gs /CSp cs /CSp CS\n0.120000000 0 0 -0.120000000 18 774 cm\n" + spacing +
        " Tc\nBT\n/F0 73 Tf\n1 0 0 -1 0 0 Tm\n"
        "438 -476 Td <00240025> Tj\n131.390625 0 Td <00260027> Tj\n"
        "1 0 0 scn\n1 0 0 -1 0 0 Tm\n100 -560 Td <0024> Tj\nET\n"
        "0 0 0 scn\n"
        // Two rules in one fill: rectangles; a rule alone keeps every corner
        // of the stroke's outline, which a viewer would otherwise widen to a pixel.
        "-0.050000000 604.950000 m\n4610.05000 604.950000 l\n4610.05000 605.049999 l\n-0.050000000 605.049999 l\nh\n"
        "0.050000000 604.950000 m\n0.050000000 3509.05000 l\n-0.050000000 3509.05000 l\n-0.050000000 604.950000 l\nh\n"
        "f\n"
        "756.049999 595 m\n756.049999 3451 l\n756.049999 3451.05000 l\n755.950000 3451.05000 l\n"
        "755.950000 3451 l\n755.950000 595 l\n755.950000 594.950000 l\n756.049999 594.950000 l\n"
        "756.049999 595 l\nh\nf\n"
        "0 0 0 SCN\n2 w 2 J 2 j []0  d\n212 952 m\n212 877 l\nS\n1000 200 200 50 re\nS\n";
    EXPECT_EQ(content, expected);
}

// The file: a header, every object where the cross-reference table says, the
// pages in order, the fonts with the glyphs the pages showed and what each
// reads back as; and a sink that fails stops the document.
TEST(PdfTest, DocumentHoldsItsObjectsWhereTheTableSays) {
    std::string file;
    PdfDocument document([&file](std::string_view bytes) {
        file.append(bytes);
        return true;
    });
    // A font program of the maker's own: the document embeds it as given.
    const int font = document.AddFont(
        "Mono", [](std::string_view) { return std::string(); },
        [](std::span<const std::uint32_t> glyphs) {
            PdfFontProgram program{"not a real font", {}};
            for (std::size_t i = 0; i < glyphs.size(); ++i)
                program.glyphIndex.emplace(glyphs[i], static_cast<std::uint16_t>(i + 1));
            return program;
        });
    EXPECT_EQ(document.AddFont("Mono", nullptr), font);
    document.UseGlyph(font, 36, U'A', 600);
    document.UseGlyph(font, 104, U'\u00E9', 600);
    for (int i = 0; i < 3; ++i) {
        PdfPage page(0.12, 18, 774);
        page.Glyphs(font, 73, 0, 100, std::vector<PlacedGlyph>{{36, 10, 600}}, 0);
        ASSERT_TRUE(document.AddPage(612, 792, page));
    }
    ASSERT_TRUE(document.Finish(u"Biology", u"Quorle", "D:20250203120000Z"));
    EXPECT_EQ(document.PageCount(), 3);

    EXPECT_EQ(file.rfind("%PDF-1.4\n", 0), 0u);
    ASSERT_NE(file.rfind("\nxref\n"), std::string::npos);
    const std::size_t table = file.rfind("\nxref\n") + 1;
    EXPECT_NE(file.find("startxref\n" + std::to_string(table) + "\n%%EOF\n"), std::string::npos);
    std::smatch size;
    const std::string tail = file.substr(table);
    ASSERT_TRUE(std::regex_search(tail, size, std::regex("xref\n0 (\\d+)\n")));
    const int objects = std::stoi(size[1]);
    for (int n = 1; n < objects; ++n) {
        const std::size_t entry = table + size.length(0) + 20 * static_cast<std::size_t>(n);
        const std::size_t offset = std::stoul(file.substr(entry, 10));
        EXPECT_EQ(file.compare(offset, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0) << n;
    }
    EXPECT_NE(file.find("/Count 3"), std::string::npos);
    EXPECT_NE(file.find("/MediaBox [0 0 612 792]"), std::string::npos);
    EXPECT_NE(file.find("/W [36 [600] 104 [600] ]"), std::string::npos);
    EXPECT_NE(file.find("/Title <FEFF00420069006F006C006F00670079>"), std::string::npos);
    const std::vector<std::string> streams = Streams(file);
    const auto has = [&streams](const std::string& text) {
        for (const std::string& s : streams)
            if (s.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("not a real font"));
    EXPECT_TRUE(has("<0024> <0041>\n<0068> <00E9>\n"));            // what the glyphs read back as
    EXPECT_TRUE(has(std::string(73, '\0') + '\x01'));  // code 36 (at byte 72) is the program's glyph 1

    int calls = 0;
    PdfDocument failing([&calls](std::string_view) { return ++calls < 3; });
    PdfPage page(0.12, 18, 774);
    failing.AddPage(612, 792, page);
    EXPECT_FALSE(failing.Finish(u"", u"Quorle", "D:20250203120000Z"));
    EXPECT_TRUE(failing.Failed());
}

// The font's description: the subset's tag on both its names, different for
// every subset, and the figures the font's own tables give.
TEST(PdfTest, FontDescriptionComesFromTheFontAndNamesItsSubset) {
    const struct {
        int fixedPitch, italic, weight, capHeight;  // post's pitch and angle, OS/2's weight and capitals
        std::vector<std::uint32_t> glyphs;
        const char* description;
    } cases[] = {
        {1, 0, 400, 612, {36, 37}, "/Flags 5\n/FontBBox [0 0 0 0 ]\n/ItalicAngle 0\n/Ascent 800\n/Descent 0\n/CapHeight 612\n/StemV 88\n"},
        {1, 0, 400, 612, {36, 38}, "/Flags 5\n"},
        {0, -12, 700, 700, {36}, "/Flags 68\n/FontBBox [0 0 0 0 ]\n/ItalicAngle -12\n/Ascent 800\n/Descent 0\n/CapHeight 700\n/StemV 166\n"},
    };
    std::vector<std::string> tags;
    for (const auto& c : cases) {
        std::map<std::string, std::string> tables{{"head", std::string(54, '\0')}, {"hhea", std::string(36, '\0')},
                                                  {"post", std::string(32, '\0')}, {"OS/2", std::string(96, '\0')}};
        using Field = std::tuple<const char*, int, int>;  // table, offset, big-endian 16-bit value
        for (const auto& [table, at, value] : {Field{"head", 18, 1000}, Field{"hhea", 4, 800}, Field{"post", 4, c.italic},
                                               Field{"post", 14, c.fixedPitch}, Field{"OS/2", 0, 2},
                                               Field{"OS/2", 4, c.weight}, Field{"OS/2", 88, c.capHeight}})
            tables[table][at] = static_cast<char>(value >> 8 & 0xFF), tables[table][at + 1] = static_cast<char>(value & 0xFF);
        std::string file;
        PdfDocument document([&file](std::string_view bytes) { return file.append(bytes), true; });
        const int font = document.AddFont("Mono", [&](std::string_view tag) { return tables[std::string(tag)]; });
        for (const std::uint32_t glyph : c.glyphs) document.UseGlyph(font, glyph, U'A', 600);
        PdfPage page(1, 0, 0);
        document.AddPage(612, 792, page);
        ASSERT_TRUE(document.Finish(u"", u"", "D:20250203120000Z"));
        std::smatch name;
        ASSERT_TRUE(std::regex_search(file, name, std::regex("/FontName /([A-Z]{6})\\+Font0\n")));
        const std::string base = "/BaseFont /" + name[1].str() + "+Font0\n";
        EXPECT_TRUE(file.find(base) == file.find("/BaseFont") && file.rfind(base) == file.rfind("/BaseFont"));
        EXPECT_NE(file.find(name[0].str() + c.description), std::string::npos) << c.description;
        tags.push_back(name[1]);
    }
    EXPECT_TRUE(tags[0] != tags[1] && tags[1] != tags[2]);
    // The creation date from SOURCE_DATE_EPOCH, when it is a time.
    setenv("SOURCE_DATE_EPOCH", "1738584000", 1);
    EXPECT_EQ(PdfCreationDate(), "D:20250203120000Z");
    setenv("SOURCE_DATE_EPOCH", "soon", 1);
    EXPECT_NE(PdfCreationDate(), "D:20250203120000Z");
    unsetenv("SOURCE_DATE_EPOCH");
}

// What a PDF of one page of glyphs gives back, and nothing from anything else.
TEST(PdfTest, EmbeddedFontIsReadOnlyFromAPageOfGlyphs) {
    std::string file;
    PdfDocument document([&file](std::string_view bytes) {
        file.append(bytes);
        return true;
    });
    const int font = document.AddFont("Mono", [](std::string_view) { return std::string(); },
                                      [](std::span<const std::uint32_t>) { return PdfFontProgram{"program", {}}; });
    document.UseGlyph(font, 7, U'x', 600);
    PdfPage page(1, 0, 0);
    page.Glyphs(font, 10, 0, 10, std::vector<PlacedGlyph>{{7, 0, 600}, {9, 50, 600}, {7, 100, 600}}, 0);
    document.AddPage(100, 100, page);
    document.Finish(u"", u"", "");
    const EmbeddedFont read = ReadEmbeddedFont(file);
    EXPECT_EQ(read.trueType, "program");
    EXPECT_EQ(read.codes, (std::vector<std::uint16_t>{7, 9, 7}));

    const std::string cut = file.substr(0, file.find("/FontFile2") + 14);
    for (const std::string& bad : {std::string(), std::string("%PDF-1.4\n"), cut,
                                   std::regex_replace(file, std::regex("/FontFile2 \\d+"), "/FontFile2 999"),
                                   std::regex_replace(file, std::regex("stream\n"), "stream\nxx")}) {
        EXPECT_TRUE(ReadEmbeddedFont(bad).trueType.empty()) << bad.size();
    }
}

}  // namespace
}  // namespace quorle::pdf
