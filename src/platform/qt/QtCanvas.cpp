#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
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

void QtCanvas::SelectFont(const platform::FontSpec& font) { painter_.setFont(MakeFont(font)); }

void QtCanvas::RestoreFont() { painter_.setFont(defaultFont_); }

platform::Size QtCanvas::TextExtent(std::string_view text) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    return platform::Size{metrics.horizontalAdvance(FromCp1252(text)), metrics.height()};
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
