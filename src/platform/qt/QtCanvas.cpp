#include "platform/qt/QtCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <QLine>
#include <QPen>
#include <QVarLengthArray>
#include <cstdlib>

#include "platform/Text1252.h"

namespace quorle::qt {

QString FromCp1252(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) out.append(QChar(static_cast<char16_t>(platform::Cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    return out;
}

QString DocumentName(std::string_view name) {
    QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (text.contains(QChar::ReplacementCharacter)) text = FromCp1252(name);
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int byte = platform::CodePointToCp1252(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

QtCanvas::QtCanvas(QPainter& painter, const QFont& defaultFont, platform::Size deviceSize, int dpiX, int dpiY)
    : painter_(painter), defaultFont_(defaultFont), size_(deviceSize), dpiX_(dpiX), dpiY_(dpiY) {
    painter_.setFont(defaultFont_);
    defaultColor_ = painter_.pen().color();
    painter_.setBackgroundMode(Qt::TransparentMode);
}

std::string QtCanvas::FontKey(const platform::FontSpec& font) {
    return font.face + '/' + std::to_string(font.height) + '/' + std::to_string(font.weight) + '/' +
           (font.fixedPitch ? 'f' : 'p') + (font.italic ? 'i' : 'r') + (font.underline ? 'u' : 'n');
}

QFont QtCanvas::MakeFont(const platform::FontSpec& wanted) {
    QFont font(QString::fromStdString(wanted.face));
    if (wanted.face == "Courier New") font.setFamilies({"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"});
    if (wanted.fixedPitch) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    // A negative height asks for the character height, which is the em size;
    // a positive one for the cell height, of which the em is about 85 %.
    const int h = wanted.height < 0 ? -wanted.height : (wanted.height * 85 + 50) / 100;
    font.setPixelSize(std::max(1, h));
    font.setWeight(wanted.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setKerning(false);
    return font;
}

void QtCanvas::SelectFont(const platform::FontSpec& font) {
    painter_.setFont(MakeFont(font));
    glyphsReady_ = false;
    extents_.Clear();
}

void QtCanvas::RestoreFont() {
    painter_.setFont(defaultFont_);
    glyphsReady_ = false;
    extents_.Clear();
}

std::optional<FixedPitchGlyphs> LookUpFixedPitch(const QFont& font, QPaintDevice* device) {
    if (!font.fixedPitch() || !QFontInfo(font).fixedPitch() || font.underline() || font.strikeOut() ||
        font.overline())
        return std::nullopt;
    // The advance as laying out text gives it, from two characters.
    QTextLayout layout(QStringLiteral("XX"), font, device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs[0].positions().size() != 2) return std::nullopt;
    FixedPitchGlyphs found;
    found.advance = runs[0].positions()[1].x() - runs[0].positions()[0].x();
    if (found.advance <= 0) return std::nullopt;
    found.raw = runs[0].rawFont();
    found.ascent = QFontMetrics(font, device).ascent();
    for (int byte = 0; byte < 256; ++byte) {
        const QString one = FromCp1252(std::string(1, static_cast<char>(byte)));
        const QList<quint32> glyph = found.raw.glyphIndexesForString(one);
        found.glyphs[static_cast<std::size_t>(byte)] = glyph.size() == 1 ? glyph[0] : 0;
    }
    return found;
}

bool QtCanvas::TextOutFixedPitch(int x, int y, std::string_view text) {
    if (!glyphsReady_) {
        glyphsReady_ = true;
        fixedPitch_ = LookUpFixedPitch(painter_.font(), painter_.device());
    }
    if (!fixedPitch_) return false;
    const FixedPitchGlyphs& font = *fixedPitch_;
    QVarLengthArray<quint32, 256> indexes;
    QVarLengthArray<QPointF, 256> positions;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte == ' ') continue;
        const quint32 glyph = font.glyphs[byte];
        if (glyph == 0 || byte < 0x20) return false;
        indexes.append(glyph);
        positions.append(QPointF(static_cast<qreal>(k) * font.advance, 0));
    }
    if (indexes.isEmpty()) return true;
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setRawData(indexes.constData(), positions.constData(), static_cast<int>(indexes.size()));
    painter_.drawGlyphRun(QPointF(x, y + font.ascent), run);
    return true;
}

platform::Size TextExtents::Measure(const QFont& font, QPaintDevice* device, std::string_view text) {
    constexpr std::size_t kMostExtents = 4096;
    std::string key(text);
    if (const auto found = sizes_.find(key); found != sizes_.end()) return found->second;
    const QFontMetrics metrics(font, device);
    const platform::Size size{metrics.horizontalAdvance(FromCp1252(text)), metrics.height()};
    if (sizes_.size() >= kMostExtents) sizes_.clear();
    sizes_.emplace(std::move(key), size);
    return size;
}

platform::Size QtCanvas::TextExtent(std::string_view text) {
    return extents_.Measure(painter_.font(), painter_.device(), text);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    painter_.drawText(x, y + metrics.ascent(), FromCp1252(text));
}

void QtCanvas::SetTextColor(platform::Color color) {
    QPen pen = painter_.pen();
    pen.setColor(QColor(color.r, color.g, color.b));
    painter_.setPen(pen);
}

void QtCanvas::SetDefaultTextColor() {
    QPen pen = painter_.pen();
    pen.setColor(defaultColor_);
    painter_.setPen(pen);
}

void QtCanvas::SetBackgroundTransparent(bool transparent) {
    painter_.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, int penWidth) {
    const QPen old = painter_.pen();
    painter_.setPen(QPen(Qt::black, penWidth));
    painter_.drawLine(x1, y1, x2, y2);
    painter_.setPen(old);
}

void QtCanvas::Rectangle(const platform::Rect& r, int penWidth) {
    const QPen old = painter_.pen();
    painter_.setPen(QPen(Qt::black, penWidth));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    painter_.setPen(old);
}

void QtCanvas::Lines(std::span<const platform::LineSegment> lines, int penWidth) {
    if (lines.empty()) return;
    QVarLengthArray<QLine, 256> qlines;
    qlines.reserve(static_cast<qsizetype>(lines.size()));
    for (const platform::LineSegment& l : lines) qlines.append(QLine(l.x1, l.y1, l.x2, l.y2));
    const QPen old = painter_.pen();
    painter_.setPen(QPen(Qt::black, penWidth));
    painter_.drawLines(qlines.constData(), static_cast<int>(qlines.size()));
    painter_.setPen(old);
}

int DeviceCapOf(const QPaintDevice& device, platform::DeviceCap cap) {
    switch (cap) {
        case platform::DeviceCap::HorizontalRes: return device.width();
        case platform::DeviceCap::VerticalRes: return device.height();
        case platform::DeviceCap::LogPixelsX: return device.logicalDpiX();
        case platform::DeviceCap::LogPixelsY: return device.logicalDpiY();
    }
    return 0;
}

int QtCanvas::DeviceCaps(platform::DeviceCap cap) const {
    switch (cap) {
        case platform::DeviceCap::HorizontalRes: return size_.cx;
        case platform::DeviceCap::VerticalRes: return size_.cy;
        case platform::DeviceCap::LogPixelsX: return dpiX_;
        case platform::DeviceCap::LogPixelsY: return dpiY_;
    }
    return 0;
}

}  // namespace quorle::qt
