#pragma once
// The canvas over a QPainter: screen panes, printer pages and PDF files.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/Canvas.h"

namespace quorle::qt {

// A fixed-pitch font's glyph for each Windows-1252 byte (0: not in the font),
// its advance and ascent, as laying text out on a device gives them.
struct FixedPitchGlyphs {
    QRawFont raw;
    std::array<quint32, 256> glyphs{};
    qreal advance = 0;
    qreal ascent = 0;
};
// Nothing for a font that is not fixed-pitch or draws lines under, over or
// through its text.
std::optional<FixedPitchGlyphs> LookUpFixedPitch(const QFont& font, QPaintDevice* device);

// Texts measured in one font on one device: a letter or report measures the
// same words for every student. Emptied when full.
class TextExtents {
public:
    platform::Size Measure(const QFont& font, QPaintDevice* device, std::string_view text);
    void Clear() { sizes_.clear(); }

private:
    std::unordered_map<std::string, platform::Size> sizes_;
};

class QtCanvas : public platform::Canvas {
public:
    // The painter must outlive the canvas. The default font is what RestoreFont
    // returns to; the size is the device's printable area in pixels and dpi its resolution.
    QtCanvas(QPainter& painter, const QFont& defaultFont, platform::Size deviceSize, int dpiX, int dpiY);

    void SelectFont(const platform::FontSpec& font) override;
    void RestoreFont() override;
    platform::Size TextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void SetTextColor(platform::Color color) override;
    void SetDefaultTextColor() override;
    void SetBackgroundTransparent(bool transparent) override;
    void Line(int x1, int y1, int x2, int y2, int penWidth) override;
    void Rectangle(const platform::Rect& rect, int penWidth) override;
    int DeviceCaps(platform::DeviceCap cap) const override;
    // The lines with one pen in one call of the painter.
    void Lines(std::span<const platform::LineSegment> lines, int penWidth) override;

    // Text of a fixed-pitch font from glyphs looked up once per font: every
    // character one advance after the one before, where laying the text out
    // puts it, and no glyph for a space (it leaves no ink). False, with
    // nothing drawn, where that does not hold: a font that is not
    // fixed-pitch or draws lines under or through its text, or a character
    // the font lacks.
    bool TextOutFixedPitch(int x, int y, std::string_view text);

    // A Qt font for a font request: the face (with metric-compatible stand-ins),
    // the pixel size from the height, the weight and the pitch.
    static QFont MakeFont(const platform::FontSpec& wanted);
    // A key naming the font request whole, for caches of fonts made from it.
    static std::string FontKey(const platform::FontSpec& font);

private:
    QPainter& painter_;
    QFont defaultFont_;
    platform::Size size_;
    int dpiX_;
    int dpiY_;
    QColor defaultColor_;
    // The glyphs of the font in use, per Windows-1252 byte (0: not in the
    // font), and its advance; made on the first fixed-pitch text after a
    // font change.
    bool glyphsReady_ = false;
    std::optional<FixedPitchGlyphs> fixedPitch_;
    TextExtents extents_;  // in the font in use, emptied at a font change
};

// A paint device's size in pixels and resolution, as a device's caps give them.
int DeviceCapOf(const QPaintDevice& device, platform::DeviceCap cap);

// Windows-1252 bytes to a QString.
QString FromCp1252(std::string_view text);
// A document's name (a class file's path): the file system's UTF-8 when it
// reads as such, else the program's own single-byte text.
QString DocumentName(std::string_view name);
// A QString to Windows-1252 bytes; characters without a byte become '?'.
std::string ToCp1252(const QString& text);

}  // namespace quorle::qt
