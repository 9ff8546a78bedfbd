#pragma once
// The pages of a print preview, each drawn when it is shown: the document is
// walked from its start to the page wanted with nothing drawn before it, so a
// preview holds a page or two however many pages the document has.
#include <QFont>
#include <QRect>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Print.h"
#include "platform/qt/QtCanvas.h"

class QPainter;
class QPrinter;

namespace quorle::qt {

// One page as the printout drew it: its drawing, to be painted at any scale,
// and its texts read line by line, top to bottom.
struct PageDrawing {
    enum class Kind : unsigned char { Font, DefaultFont, Text, Color, DefaultColor, Transparent, Opaque, Line, Box };
    struct Step {
        Kind kind = Kind::Text;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int pen = 0;
        std::size_t index = 0;  // of the font or the text
        platform::Color color;
    };
    struct Line {
        std::string text;
        QRect place;  // in device pixels of the printable area
    };
    std::vector<Step> steps;
    std::vector<platform::FontSpec> fonts;
    std::vector<std::string> texts;
    std::vector<Line> lines;

    // Paints the page's drawing with the painter as it stands (its transform
    // maps device pixels of a device of `dpi`); texts wholly outside
    // `visible` are left out.
    void Paint(QPainter& painter, platform::Size deviceSize, int dpi, const QRect& visible) const;
};

// Texts measured on the printer, per font, kept for every walk of a preview.
class PrinterMeasures {
public:
    explicit PrinterMeasures(QPrinter& printer) : printer_(printer) {}
    platform::Size Measure(const std::optional<platform::FontSpec>& font, std::string_view text);
    QPrinter& Printer() { return printer_; }

private:
    struct Font {
        QFont font;
        TextExtents extents;
    };
    QPrinter& printer_;
    std::map<std::string, Font> fonts_;
};

class PreviewPages {
public:
    PreviewPages(QPrinter& printer, std::function<void(platform::PrintDevice&)> render);

    // The pages of the document: found by one walk with nothing drawn.
    int Count();
    // Page `number` (1 to Count()), drawn on first use; the last few are kept.
    std::shared_ptr<const PageDrawing> Page(int number);

private:
    PrinterMeasures measures_;
    std::function<void(platform::PrintDevice&)> render_;
    std::optional<int> count_;
    std::list<std::pair<int, std::shared_ptr<const PageDrawing>>> kept_;
};

}  // namespace quorle::qt
