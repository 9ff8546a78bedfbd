#pragma once
// A PDF file written as its pages come. Each page's content goes out,
// compressed, when the page ends, so memory stays the same however many pages
// a printout has; the fonts, the page tree and the cross-reference table go
// out at the end.
//
// The pages draw in device pixels, y down, as a printer page is laid out, and
// in the forms a viewer shows exactly as the program's printer pages: text as
// glyphs of an embedded TrueType font at the places the layout gave, thin
// rules as filled outlines a tenth of a pixel wide, other lines as strokes of
// their pen's width.
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/FontSubset.h"

namespace quorle::pdf {

// A straight line from (x1, y1) to (x2, y2), and a box by its edges, in
// device pixels.
struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A number as a content stream gives it: the integer part, then the fraction
// cut (not rounded) to nine significant digits in all, and left out when it
// is zero ("43.7968750", "605.049999", "-0.050000000", "4610").
void AppendPdfNumber(std::string& out, double value);
// The shortest decimal that reads back as exactly the same double.
void AppendExactNumber(std::string& out, double value);

// A date as a PDF's information gives it: "D:20250203120000Z" (UTC).
std::string PdfDate(std::int64_t secondsSinceEpoch);
// The date a new document is made: SOURCE_DATE_EPOCH when it is set to a
// time in seconds (so the same input makes the same file), else now.
std::string PdfCreationDate();

// A glyph of a font at its place on the baseline, x in device pixels, and
// its advance in thousandths of the font's size.
struct PlacedGlyph {
    std::uint32_t glyph = 0;
    double x = 0;
    int width = 0;
};

// The content of one page as it is drawn.
class PdfPage {
public:
    // scale: points per device pixel; (left, top): the printable area's top
    // left corner in points from the page's bottom left.
    PdfPage(double scale, double left, double top);

    // Glyphs of one font at one pixel size on the baseline y, in the colour
    // (0xRRGGBB). `advance`, when not 0, is the font's fixed advance in
    // pixels: glyphs that follow one another by it go out without a move of
    // their own.
    void Glyphs(int font, double pixelSize, std::uint32_t color, double y, std::span<const PlacedGlyph> glyphs,
                double advance);
    // Lines of the thinnest pen, filled as outlines a tenth of a pixel wide
    // with square ends, all in one fill.
    void ThinLines(std::span<const Line> lines);
    // The same pen's box: the outline of its edges, in one fill.
    void ThinBox(const Box& box);
    // Lines and a box stroked with a pen `width` pixels wide (square ends,
    // bevelled corners), one stroke for all the lines.
    void StrokeLines(std::span<const Line> lines, int width);
    void StrokeBox(const Box& box, int width);

    // The content so far, with any text object ended.
    const std::string& Content();

private:
    void MoveTo(double x, double baseline);
    void EndText();
    void FillColor(std::uint32_t color);
    void Pen(int width);
    void ThinOutline(double x1, double y1, double x2, double y2, bool alone);
    // A point of a path and its operator (" m\n", " l\n" ...).
    void Point(double x, double y, const char* op);

    std::string content_;
    std::uint32_t fill_ = 0;  // the fill colour in force
    int pen_ = 0;             // the stroke width in force; 0: the page's default state
    double spacing_ = 0;      // the character spacing in force
    // The text object being written: its font and size, and the line's start
    // and text matrix's offset as the viewer's sums have them.
    struct TextObject {
        bool open = false;
        bool matrixSet = false;
        int font = -1;
        double size = 0;
        double lineX = 0;
        double lineY = 0;
        double originX = 0;
        double originY = 0;
    };
    TextObject text_;
};

// A font program to embed, and the index in it of each glyph the pages show
// by the font's own index (none: the same indexes).
struct PdfFontProgram {
    std::string trueType;
    std::map<std::uint32_t, std::uint16_t> glyphIndex;
};
// Makes the program of a font holding the glyphs the pages showed.
using PdfFontMaker = std::function<PdfFontProgram(std::span<const std::uint32_t> glyphs)>;

// From a PDF of one page that shows glyphs of one embedded TrueType font, one
// after the other: that font program and the codes the page shows, in order.
// Nothing (an empty program) when the file is not of that form.
struct EmbeddedFont {
    std::string trueType;
    std::vector<std::uint16_t> codes;
};
EmbeddedFont ReadEmbeddedFont(std::string_view pdf);

class PdfDocument {
public:
    // Writes the bytes of the file, in order; false stops the document.
    using Sink = std::function<bool(std::string_view bytes)>;
    explicit PdfDocument(Sink sink);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // The number pages name a font by: the same key gives the same number.
    // The font's tables are read, and its program made, when the document
    // ends; without a maker the program is the tables' own glyphs.
    int AddFont(const std::string& key, FontTableSource tables, PdfFontMaker maker = nullptr);
    // A glyph of a font some page shows, the character it stands for (what
    // copying or reading back the text gives) and its advance in thousandths
    // of the font's size.
    void UseGlyph(int font, std::uint32_t glyph, char32_t character, int width);

    // A page of the given size in points.
    bool AddPage(double width, double height, PdfPage& page);
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // The fonts, the page tree and the document's title, creator and
    // creation date ("D:20250203120000Z"); false when anything failed to write.
    bool Finish(std::u16string_view title, std::u16string_view creator, std::string_view creationDate);
    bool Failed() const { return failed_; }

private:
    struct Font {
        std::string key;
        FontTableSource tables;
        PdfFontMaker maker;
        int object = 0;  // the Type0 font the pages name
        std::map<std::uint32_t, std::pair<char32_t, int>> glyphs;  // character, width
        std::vector<bool> seen;                                    // per glyph index
    };
    int NewObject();
    void BeginObject(int object);
    void Write(std::string_view bytes);
    void WriteStream(int object, std::string_view data, std::string_view extra);
    void WriteFont(Font& font, int index);

    Sink sink_;
    bool failed_ = false;
    std::uint64_t written_ = 0;
    std::vector<std::uint64_t> offsets_;  // per object number; 0: not yet written
    std::vector<int> pages_;
    std::vector<Font> fonts_;
};

}  // namespace quorle::pdf
