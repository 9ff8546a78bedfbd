#include "pdf/Pdf.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace quorle::pdf {

void AppendPdfNumber(std::string& out, double value) {
    if (std::isnan(value)) {
        out += '0';
        return;
    }
    if (value < 0) {
        out += '-';
        value = -value;
    }
    value = std::min(value, static_cast<double>(std::numeric_limits<unsigned>::max()));
    auto whole = static_cast<unsigned>(value);
    int fraction = static_cast<int>((value - static_cast<double>(whole)) * 1000000000);
    if (fraction == 1000000000) {
        ++whole;
        fraction = 0;
    }
    char digits[16];
    int count = 0;
    for (unsigned w = whole; w != 0; w /= 10) digits[count++] = static_cast<char>('0' + w % 10);
    int place = 100000000;
    if (count == 0) out += '0';
    while (count > 0) {
        out += digits[--count];
        place /= 10;
        fraction /= 10;
    }
    if (fraction == 0) return;
    out += '.';
    for (; place != 0; place /= 10) out += static_cast<char>('0' + fraction / place % 10);
}

void AppendExactNumber(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0;
    if (value == 0) value = 0;  // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    out.append(buffer, result.ptr);
}

namespace {

void AppendHex4(std::string& out, std::uint32_t value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

// A number once written and read back (whatever the locale's decimal point).
double ReadBack(double value) {
    std::string text;
    AppendPdfNumber(text, value);
    double read = 0;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read;
}

// What a move by `delta` comes to once written as a number and read back
// (sixty-fourths of a pixel, which layout positions are, under 1000 come back as they are).
double AsWritten(double delta) {
    const double sixtyFourths = delta * 64;
    if (std::fabs(delta) < 1000 && sixtyFourths == std::floor(sixtyFourths)) return delta;
    return ReadBack(delta);
}

}  // namespace

PdfPage::PdfPage(double scale, double left, double top) {
    content_.reserve(1 << 16);
    content_ += "/GSa gs /CSp cs /CSp CS\n";
    AppendPdfNumber(content_, scale);
    content_ += " 0 0 ";
    AppendPdfNumber(content_, -scale);
    content_ += ' ';
    AppendPdfNumber(content_, left);
    content_ += ' ';
    AppendPdfNumber(content_, top);
    content_ += " cm\n";
}

void PdfPage::FillColor(std::uint32_t color) {
    if (color == fill_) return;
    fill_ = color;
    for (int shift = 16; shift >= 0; shift -= 8) {
        AppendPdfNumber(content_, static_cast<double>((color >> shift) & 0xFF) / 255.0);
        content_ += ' ';
    }
    content_ += "scn\n";
}

// Every glyph goes where a viewer would put it had each glyph been moved to
// from the one before (each move written as a number and read back, then
// added up): a glyph that follows the one before by the fixed advance needs
// no move, and a move is written so that it reads back as exactly that place.
// The text object stays open from one call to the next while only text is
// drawn.
void PdfPage::Glyphs(int font, double pixelSize, std::uint32_t color, double y, std::span<const PlacedGlyph> glyphs,
                     double advance) {
    if (glyphs.empty()) return;
    FillColor(color);
    const double size = pixelSize == std::floor(pixelSize) && pixelSize < 1e9 ? pixelSize : ReadBack(pixelSize);
    // The character spacing that makes a glyph's own advance (as a viewer
    // works it out from its width) come to exactly the fixed advance.
    const auto advanceOf = [size](int width) { return (width * 0.001) * size; };
    if (advance > 0) {
        const double spacing = advance - advanceOf(glyphs[0].width);
        if (spacing != spacing_) {
            spacing_ = spacing;
            AppendExactNumber(content_, spacing);
            content_ += " Tc\n";
        }
    }
    if (!text_.open) {
        content_ += "BT\n";
        text_ = TextObject{};
        text_.open = true;
    }
    if (font != text_.font || size != text_.size) {
        text_.font = font;
        text_.size = size;
        content_ += "/F";
        content_ += std::to_string(font);
        content_ += ' ';
        AppendPdfNumber(content_, pixelSize);
        content_ += " Tf\n";
    }

    // Each text starts from the text matrix set afresh, so its first glyph's
    // place is read as written, not as a sum of earlier moves.
    text_.matrixSet = false;
    double placed = 0;   // where the glyph before went
    double current = 0;  // where the next glyph goes without a move
    bool open = false;   // a string of glyphs is being written
    const double baseline = -AsWritten(-y);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const PlacedGlyph& g = glyphs[i];
        const double target = i == 0 ? AsWritten(g.x) : placed + AsWritten(g.x - glyphs[i - 1].x);
        placed = target;
        if (open && current == target) {
            AppendHex4(content_, g.glyph);
            current = current + (advanceOf(g.width) + spacing_);
            continue;
        }
        if (open) content_ += "> Tj\n";
        MoveTo(target, baseline);
        content_ += '<';
        open = true;
        AppendHex4(content_, g.glyph);
        current = target + (advanceOf(g.width) + spacing_);
    }
    content_ += "> Tj\n";
}

// A move of the line's start by whole decimals when the viewer's sums come to
// exactly (x, baseline); else the text matrix set to there.
void PdfPage::MoveTo(double x, double baseline) {
    if (!text_.matrixSet || text_.originX != 0 || text_.originY != 0) {
        content_ += "1 0 0 -1 0 0 Tm\n";
        text_.matrixSet = true;
        text_.originX = text_.originY = 0;
        text_.lineX = text_.lineY = 0;
    }
    const double dx = x - text_.lineX;
    const double dy = -baseline - text_.lineY;
    if (text_.lineX + dx == x && -(text_.lineY + dy) == baseline) {
        AppendExactNumber(content_, dx);
        content_ += ' ';
        AppendExactNumber(content_, dy);
        content_ += " Td ";
        text_.lineX += dx;
        text_.lineY += dy;
        return;
    }
    content_ += "1 0 0 -1 ";
    AppendExactNumber(content_, x);
    content_ += ' ';
    AppendExactNumber(content_, baseline);
    content_ += " Tm ";
    text_.originX = x;
    text_.originY = baseline;
    text_.lineX = text_.lineY = 0;
}

void PdfPage::EndText() {
    if (!text_.open) return;
    content_ += "ET\n";
    text_ = TextObject{};
}

const std::string& PdfPage::Content() {
    EndText();
    return content_;
}

void PdfPage::Point(double x, double y, const char* op) {
    AppendPdfNumber(content_, x);
    content_ += ' ';
    AppendPdfNumber(content_, y);
    content_ += op;
}

void PdfPage::ThinOutline(double x1, double y1, double x2, double y2, bool alone) {
    constexpr double kHalf = 0.05;
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double dx = length > 0 ? (x2 - x1) / length * kHalf : kHalf;
    const double dy = length > 0 ? (y2 - y1) / length * kHalf : 0;
    // The stroke's outline: along one side, round the square end, back along
    // the other side and round the other end.
    const double nx = dy;
    const double ny = -dx;
    if ((x1 == x2 || y1 == y2) && !alone) {
        // Level or upright: the outline is a rectangle. (Alone in its fill,
        // a viewer would widen a rectangle to whole pixels, so there it keeps
        // every corner of the stroke's outline.)
        Point(x1 - dx + nx, y1 - dy + ny, " m\n");
        Point(x2 + dx + nx, y2 + dy + ny, " l\n");
        Point(x2 + dx - nx, y2 + dy - ny, " l\n");
        Point(x1 - dx - nx, y1 - dy - ny, " l\nh\n");
        return;
    }
    Point(x1 + nx, y1 + ny, " m\n");
    Point(x2 + nx, y2 + ny, " l\n");
    Point(x2 + dx + nx, y2 + dy + ny, " l\n");
    Point(x2 + dx - nx, y2 + dy - ny, " l\n");
    Point(x2 - nx, y2 - ny, " l\n");
    Point(x1 - nx, y1 - ny, " l\n");
    Point(x1 - dx - nx, y1 - dy - ny, " l\n");
    Point(x1 - dx + nx, y1 - dy + ny, " l\n");
    Point(x1 + nx, y1 + ny, " l\nh\n");
}

void PdfPage::ThinLines(std::span<const Line> lines) {
    if (lines.empty()) return;
    EndText();
    FillColor(0);
    for (const Line& l : lines) ThinOutline(l.x1, l.y1, l.x2, l.y2, lines.size() == 1);
    content_ += "f\n";
}

void PdfPage::ThinBox(const Box& box) {
    EndText();
    FillColor(0);
    constexpr double h = 0.05;
    const double x1 = box.left, y1 = box.top, x2 = box.right, y2 = box.bottom;
    // The outer edge, its corners bevelled, then the inner one.
    Point(x1, y1 - h, " m\n");
    Point(x2, y1 - h, " l\n");
    Point(x2 + h, y1, " l\n");
    Point(x2 + h, y2, " l\n");
    Point(x2, y2 + h, " l\n");
    Point(x1, y2 + h, " l\n");
    Point(x1 - h, y2, " l\n");
    Point(x1 - h, y1, " l\n");
    Point(x1, y1 - h, " l\nh\n");
    Point(x1 + h, y1, " m\n");
    Point(x1 + h, y2, " l\n");
    Point(x1, y2, " l\n");
    Point(x1, y2 - h, " l\n");
    Point(x2, y2 - h, " l\n");
    Point(x2, y2, " l\n");
    Point(x2 - h, y2, " l\n");
    Point(x2 - h, y1, " l\n");
    Point(x2, y1, " l\n");
    Point(x2, y1 + h, " l\n");
    Point(x1, y1 + h, " l\n");
    Point(x1, y1, " l\n");
    Point(x1 + h, y1, " l\nh\nf\n");
}

void PdfPage::Pen(int width) {
    EndText();
    if (width == pen_) return;
    pen_ = width;
    content_ += "0 0 0 SCN\n";
    content_ += std::to_string(width);
    content_ += " w 2 J 2 j []0  d\n";
}

void PdfPage::StrokeLines(std::span<const Line> lines, int width) {
    if (lines.empty()) return;
    Pen(width);
    for (const Line& l : lines) {
        content_ += std::to_string(l.x1) + ' ' + std::to_string(l.y1) + " m\n";
        content_ += std::to_string(l.x2) + ' ' + std::to_string(l.y2) + " l\n";
    }
    content_ += "S\n";
}

void PdfPage::StrokeBox(const Box& box, int width) {
    Pen(width);
    content_ += std::to_string(box.left) + ' ' + std::to_string(box.top) + ' ' + std::to_string(box.right - box.left) +
                ' ' + std::to_string(box.bottom - box.top) + " re\nS\n";
}

// ---------------------------------------------------------------------------

namespace {

// A compressed stream's bytes, at most `limit` of them; nothing when they do not inflate.
std::optional<std::string> Inflate(std::string_view packed, std::size_t limit) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    std::string out;
    char buffer[16384];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
        if (out.size() > limit) status = Z_MEM_ERROR;
        if (status == Z_BUF_ERROR && z.avail_in == 0) break;
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END) return std::nullopt;
    return out;
}

// The stream of object `number`, as it is stored.
std::optional<std::string_view> StreamOf(std::string_view pdf, unsigned long number) {
    const std::string head = "\n" + std::to_string(number) + " 0 obj";
    const std::size_t at = pdf.find(head);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t end = pdf.find("endobj", at);
    const std::size_t start = pdf.find("stream\n", at);
    if (start == std::string_view::npos || start > end) return std::nullopt;
    const std::size_t data = start + 7;
    const std::size_t stop = pdf.find("endstream", data);
    if (stop == std::string_view::npos || stop > end) return std::nullopt;
    std::size_t length = stop - data;
    if (length > 0 && pdf[data + length - 1] == '\n') --length;
    return pdf.substr(data, length);
}

}  // namespace

EmbeddedFont ReadEmbeddedFont(std::string_view pdf) {
    constexpr std::size_t kMostBytes = 64u << 20;
    EmbeddedFont font;
    const std::size_t named = pdf.find("/FontFile2 ");
    if (named == std::string_view::npos) return {};
    const unsigned long object = std::strtoul(std::string(pdf.substr(named + 11, 12)).c_str(), nullptr, 10);
    const auto stored = StreamOf(pdf, object);
    if (!stored) return {};
    auto program = Inflate(*stored, kMostBytes);
    if (!program || program->empty()) return {};
    // The page: the glyphs it shows, "<code> Tj" each.
    const std::size_t contents = pdf.find("/Contents ");
    if (contents == std::string_view::npos) return {};
    const unsigned long page = std::strtoul(std::string(pdf.substr(contents + 10, 12)).c_str(), nullptr, 10);
    const auto packed = StreamOf(pdf, page);
    if (!packed) return {};
    const auto shown = Inflate(*packed, kMostBytes);
    if (!shown) return {};
    for (std::size_t k = shown->find('<'); k != std::string::npos; k = shown->find('<', k + 1)) {
        if (k + 9 > shown->size() || shown->compare(k + 5, 4, "> Tj") != 0) continue;
        const std::string hex = shown->substr(k + 1, 4);
        char* stop = nullptr;
        const unsigned long code = std::strtoul(hex.c_str(), &stop, 16);
        if (stop != hex.c_str() + 4) return {};
        font.codes.push_back(static_cast<std::uint16_t>(code));
    }
    font.trueType = std::move(*program);
    return font;
}

namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kResources = 3;
constexpr int kGraphicsState = 4;
constexpr int kFirstFree = 5;

int ReadU16(const std::string& t, std::size_t at) {
    if (at + 2 > t.size()) return 0;
    return (static_cast<unsigned char>(t[at]) << 8) | static_cast<unsigned char>(t[at + 1]);
}
int ReadS16(const std::string& t, std::size_t at) {
    const int v = ReadU16(t, at);
    return v >= 0x8000 ? v - 0x10000 : v;
}

// The font's PostScript name from its name table, letters and digits only.
std::string PostScriptName(const std::string& name) {
    const int count = ReadU16(name, 2);
    const std::size_t strings = static_cast<std::size_t>(ReadU16(name, 4));
    for (int i = 0; i < count; ++i) {
        const std::size_t record = 6 + static_cast<std::size_t>(i) * 12;
        if (record + 12 > name.size()) break;
        const int platform = ReadU16(name, record);
        if (ReadU16(name, record + 6) != 6) continue;
        const auto length = static_cast<std::size_t>(ReadU16(name, record + 8));
        const std::size_t at = strings + static_cast<std::size_t>(ReadU16(name, record + 10));
        if (at + length > name.size()) continue;
        std::string out;
        const std::size_t step = platform == 1 ? 1 : 2;
        for (std::size_t k = step - 1; k < length; k += step) {
            const char c = name[at + k];
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') out += c;
        }
        if (!out.empty()) return out;
    }
    return {};
}

// The six capitals that mark a font as a subset: from the font's name, its
// place in the document and the glyphs the subset holds, so that two subsets
// never share a name.
std::string SubsetTag(const std::string& name, int index, std::span<const std::uint32_t> glyphs) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint64_t value) {
        hash ^= value;
        hash *= 1099511628211ull;
    };
    for (const char c : name) mix(static_cast<unsigned char>(c));
    mix(static_cast<std::uint64_t>(index) + 0x100);
    for (const std::uint32_t glyph : glyphs) mix(glyph + 0x10000ull);
    std::string tag;
    for (int i = 0; i < 6; ++i) {
        tag += static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

}  // namespace

std::string PdfDate(std::int64_t secondsSinceEpoch) {
    using namespace std::chrono;
    const sys_seconds time{seconds{secondsSinceEpoch}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    char text[32];
    std::snprintf(text, sizeof text, "D:%04d%02u%02u%02d%02d%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string PdfCreationDate() {
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed != nullptr && *fixed != '\0') {
        std::int64_t seconds = 0;
        const char* end = fixed + std::strlen(fixed);
        const auto [stop, error] = std::from_chars(fixed, end, seconds);
        // Up to the year 9999, the last a PDF date holds.
        if (error == std::errc() && stop == end && seconds >= 0 && seconds < 253402300800) return PdfDate(seconds);
    }
    const auto now = std::chrono::system_clock::now();
    return PdfDate(std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
}

PdfDocument::PdfDocument(Sink sink) : sink_(std::move(sink)) {
    offsets_.assign(kFirstFree, 0);
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    BeginObject(kGraphicsState);
    Write("<<\n/Type /ExtGState\n/SA true\n/SM 0.02\n/ca 1.0\n/CA 1.0\n/AIS false\n/SMask /None>>\nendobj\n");
}

PdfDocument::~PdfDocument() = default;

int PdfDocument::NewObject() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size()) - 1;
}

void PdfDocument::Write(std::string_view bytes) {
    if (failed_) return;
    if (!sink_(bytes)) {
        failed_ = true;
        return;
    }
    written_ += bytes.size();
}

void PdfDocument::BeginObject(int object) {
    offsets_[static_cast<std::size_t>(object)] = written_;
    Write(std::to_string(object) + " 0 obj\n");
}

void PdfDocument::WriteStream(int object, std::string_view data, std::string_view extra) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), Z_BEST_SPEED) != Z_OK) {
        failed_ = true;
        return;
    }
    packed.resize(size);
    BeginObject(object);
    Write("<<\n/Length " + std::to_string(packed.size()) + "\n/Filter /FlateDecode\n");
    Write(extra);
    Write(">>\nstream\n");
    Write(packed);
    Write("\nendstream\nendobj\n");
}

int PdfDocument::AddFont(const std::string& key, FontTableSource tables, PdfFontMaker maker) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].key == key) return static_cast<int>(i);
    fonts_.push_back(Font{key, std::move(tables), std::move(maker), NewObject(), {}, {}});
    return static_cast<int>(fonts_.size()) - 1;
}

void PdfDocument::UseGlyph(int font, std::uint32_t glyph, char32_t character, int width) {
    if (font < 0 || static_cast<std::size_t>(font) >= fonts_.size() || glyph > 0xFFFF) return;
    Font& f = fonts_[static_cast<std::size_t>(font)];
    if (f.seen.empty()) f.seen.resize(0x10000);
    if (f.seen[glyph]) return;
    f.seen[glyph] = true;
    f.glyphs.emplace(glyph, std::pair(character, width));
}

bool PdfDocument::AddPage(double width, double height, PdfPage& page) {
    const int contents = NewObject();
    WriteStream(contents, page.Content(), "");
    const int object = NewObject();
    BeginObject(object);
    std::string text = "<<\n/Type /Page\n/Parent 2 0 R\n/Contents " + std::to_string(contents) +
                       " 0 R\n/Resources 3 0 R\n/MediaBox [0 0 ";
    AppendPdfNumber(text, width);
    text += ' ';
    AppendPdfNumber(text, height);
    text += "]\n>>\nendobj\n";
    Write(text);
    pages_.push_back(object);
    return !failed_;
}

void PdfDocument::WriteFont(Font& font, int index) {
    std::vector<std::uint32_t> glyphs;
    glyphs.reserve(font.glyphs.size());
    for (const auto& entry : font.glyphs) glyphs.push_back(entry.first);
    PdfFontProgram made;
    if (font.maker) made = font.maker(glyphs);
    if (made.trueType.empty()) made = PdfFontProgram{SubsetTrueType(font.tables, glyphs), {}};
    const std::string& program = made.trueType;
    const std::string head = font.tables("head");
    const std::string hhea = font.tables("hhea");
    const std::string post = font.tables("post");
    const std::string os2 = font.tables("OS/2");
    std::string name = PostScriptName(font.tables("name"));
    if (name.empty()) name = "Font" + std::to_string(index);
    name = SubsetTag(name, index, glyphs) + "+" + name;
    const int unitsPerEm = ReadU16(head, 18) > 0 ? ReadU16(head, 18) : 1000;
    const double scale = 1000.0 / unitsPerEm;

    const int cidFont = NewObject();
    const int descriptor = NewObject();
    const int file = NewObject();
    const int toUnicode = NewObject();
    const int glyphMap = made.glyphIndex.empty() ? 0 : NewObject();

    // The font the pages name: glyph indexes as two-byte codes.
    BeginObject(font.object);
    Write("<< /Type /Font\n/Subtype /Type0\n/BaseFont /" + name + "\n/Encoding /Identity-H\n/DescendantFonts [" +
          std::to_string(cidFont) + " 0 R]\n/ToUnicode " + std::to_string(toUnicode) + " 0 R>>\nendobj\n");
    std::string widths;
    for (const auto& [glyph, use] : font.glyphs) widths += std::to_string(glyph) + " [" + std::to_string(use.second) + "] ";
    BeginObject(cidFont);
    Write("<< /Type /Font\n/Subtype /CIDFontType2\n/BaseFont /" + name +
          "\n/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>\n/FontDescriptor " +
          std::to_string(descriptor) + " 0 R\n/CIDToGIDMap " +
          (glyphMap == 0 ? std::string("/Identity") : std::to_string(glyphMap) + " 0 R") + "\n/W [" + widths +
          "] >>\nendobj\n");
    if (glyphMap != 0) {
        // The program's glyph for each code, two bytes a code.
        std::string map(2 * (static_cast<std::size_t>(made.glyphIndex.rbegin()->first & 0xFFFF) + 1), '\0');
        for (const auto& [code, glyph] : made.glyphIndex) {
            const std::size_t at = 2 * static_cast<std::size_t>(code & 0xFFFF);
            map[at] = static_cast<char>(glyph >> 8);
            map[at + 1] = static_cast<char>(glyph & 0xFF);
        }
        WriteStream(glyphMap, map, "");
    }

    // Symbolic (its own glyph codes), and fixed-pitch and italic as the font says.
    const double italicAngle = ReadS16(post, 4) + ReadU16(post, 6) / 65536.0;
    int flags = 4;
    if (post.size() >= 16 && (ReadU16(post, 12) != 0 || ReadU16(post, 14) != 0)) flags |= 1;
    if (italicAngle != 0) flags |= 64;
    std::string text = "<< /Type /FontDescriptor\n/FontName /" + name + "\n/Flags " + std::to_string(flags) +
                       "\n/FontBBox [";
    for (const int at : {36, 38, 40, 42}) {
        AppendPdfNumber(text, ReadS16(head, static_cast<std::size_t>(at)) * scale);
        text += ' ';
    }
    text += "]\n/ItalicAngle ";
    AppendPdfNumber(text, italicAngle);
    text += "\n/Ascent ";
    AppendPdfNumber(text, ReadS16(hhea, 4) * scale);
    text += "\n/Descent ";
    AppendPdfNumber(text, ReadS16(hhea, 6) * scale);
    // The capitals' height from OS/2 (version 2 on), else the ascent.
    const int capHeight = ReadU16(os2, 0) >= 2 && os2.size() >= 90 ? ReadS16(os2, 88) : ReadS16(hhea, 4);
    text += "\n/CapHeight ";
    AppendPdfNumber(text, capHeight * scale);
    // TrueType fonts give no stem width; the usual estimate from the weight
    // class (400, regular: 88; 700, bold: 166).
    const int weight = ReadU16(os2, 4) > 0 ? ReadU16(os2, 4) : 400;
    text += "\n/StemV ";
    text += std::to_string(std::lround(50 + (weight / 65.0) * (weight / 65.0)));
    if (!program.empty()) text += "\n/FontFile2 " + std::to_string(file) + " 0 R";
    text += "\n>>\nendobj\n";
    BeginObject(descriptor);
    Write(text);
    WriteStream(file, program, "/Length1 " + std::to_string(program.size()) + "\n");

    // What each glyph reads back as.
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::size_t left = font.glyphs.size();
    auto it = font.glyphs.begin();
    while (left > 0) {
        const std::size_t block = std::min<std::size_t>(left, 100);
        cmap += std::to_string(block) + " beginbfchar\n";
        for (std::size_t k = 0; k < block; ++k, ++it) {
            cmap += '<';
            AppendHex4(cmap, it->first & 0xFFFF);
            cmap += "> <";
            char32_t c = it->second.first;
            if (c > 0xFFFF && c <= 0x10FFFF) {
                c -= 0x10000;
                AppendHex4(cmap, 0xD800 + (c >> 10));
                AppendHex4(cmap, 0xDC00 + (c & 0x3FF));
            } else {
                AppendHex4(cmap, c > 0xFFFF ? 0xFFFD : static_cast<std::uint32_t>(c));
            }
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
        left -= block;
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    WriteStream(toUnicode, cmap, "");
}

bool PdfDocument::Finish(std::u16string_view title, std::u16string_view creator, std::string_view creationDate) {
    for (std::size_t i = 0; i < fonts_.size(); ++i) WriteFont(fonts_[i], static_cast<int>(i));

    std::string text = "<<\n/ColorSpace <<\n/CSp /DeviceRGB\n/CSpg /DeviceGray\n>>\n/ExtGState <<\n/GSa 4 0 R\n>>\n/Font <<\n";
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        text += "/F" + std::to_string(i) + ' ' + std::to_string(fonts_[i].object) + " 0 R\n";
    text += ">>\n>>\nendobj\n";
    BeginObject(kResources);
    Write(text);

    text = "<<\n/Type /Pages\n/Kids\n[\n";
    for (const int page : pages_) text += std::to_string(page) + " 0 R\n";
    text += "]\n/Count " + std::to_string(pages_.size()) + "\n>>\nendobj\n";
    BeginObject(kPageTree);
    Write(text);
    BeginObject(kCatalog);
    Write("<<\n/Type /Catalog\n/Pages 2 0 R\n>>\nendobj\n");

    // Texts as UTF-16 with a byte order mark, in hexadecimal.
    const auto utf16 = [](std::u16string_view s) {
        std::string hex = "<FEFF";
        for (const char16_t c : s) AppendHex4(hex, c);
        return hex + '>';
    };
    const int info = NewObject();
    BeginObject(info);
    Write("<<\n/Title " + utf16(title) + "\n/Creator " + utf16(creator) + "\n/Producer " + utf16(creator) +
          "\n/CreationDate (" + std::string(creationDate) + ")\n>>\nendobj\n");

    const std::uint64_t table = written_;
    text = "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < offsets_.size(); ++i) {
        if (offsets_[i] == 0) failed_ = true;  // an object promised and never written
        char line[24];
        std::snprintf(line, sizeof line, "%010llu 00000 n \n", static_cast<unsigned long long>(offsets_[i]));
        text += line;
    }
    text += "trailer\n<<\n/Size " + std::to_string(offsets_.size()) + "\n/Info " + std::to_string(info) +
            " 0 R\n/Root 1 0 R\n>>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    Write(text);
    return !failed_;
}

}  // namespace quorle::pdf
