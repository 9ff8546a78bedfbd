#pragma once
// A device context: the screen panes, a printed page and a test recording all
// draw through it. Coordinates are device pixels; texts are Windows-1252 bytes.
#include <span>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace quorle::platform {

struct FontSpec {
    std::string face;
    // Device units. Negative asks for that character height (the height of the
    // letters without internal leading), positive for that cell height.
    int height = 0;
    int weight = 400;
    bool fixedPitch = true;
    bool italic = false;
    bool underline = false;
};

// The fixed-pitch "Courier New" every screen picture and report is drawn in,
// at a height in device units (negative: of the letters, as FontSpec says).
inline FontSpec CourierFont(int height) {
    FontSpec font;
    font.face = "Courier New";
    font.height = height;
    return font;
}

enum class DeviceCap {
    HorizontalRes,  // printable width in pixels
    VerticalRes,    // printable height in pixels
    LogPixelsX,     // pixels per inch across
    LogPixelsY,     // pixels per inch down
};

// A text cut so that, in a fixed-pitch font whose ten characters are
// tenCharWidth wide, a character's gap stays between it and the next column.
// (Measured on ten characters, so fractional character widths do not round
// a column of ten down to nine.)
inline std::string FitToColumn(std::string text, int columnWidth, int tenCharWidth) {
    const long long ten = tenCharWidth > 0 ? tenCharWidth : 1;
    const long long room = static_cast<long long>(columnWidth) * 10 / ten - 1;
    const auto keep = static_cast<std::size_t>(room > 1 ? room : 1);
    if (text.size() > keep) text.resize(keep);
    return text;
}

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SelectFont(const FontSpec& font) = 0;
    // Back to the device's own default font.
    virtual void RestoreFont() = 0;
    virtual Size TextExtent(std::string_view text) = 0;
    // Text with its top left corner at (x, y).
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void SetTextColor(Color color) = 0;
    virtual void SetDefaultTextColor() = 0;
    virtual void SetBackgroundTransparent(bool transparent) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, int penWidth = 1) = 0;
    virtual void Rectangle(const Rect& rect, int penWidth = 1) = 0;
    virtual int DeviceCaps(DeviceCap cap) const = 0;
    // Many lines of one pen at once, each as Line draws it; a device may draw
    // them in one go.
    virtual void Lines(std::span<const LineSegment> lines, int penWidth = 1) {
        for (const LineSegment& l : lines) Line(l.x1, l.y1, l.x2, l.y2, penWidth);
    }
};

}  // namespace quorle::platform
