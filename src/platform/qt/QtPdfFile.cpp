#include "platform/qt/QtPdfFile.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <QTextLayout>
#include <array>
#include <map>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "pdf/Pdf.h"
#include "platform/RuleRuns.h"
#include "platform/Text1252.h"
#include "platform/TextRuns.h"
#include "platform/qt/QtCanvas.h"

namespace quorle::qt {

namespace {

using platform::DeviceCap;

// A font's tables as the PDF writer reads them.
pdf::FontTableSource TablesOf(const QRawFont& font) {
    return [font](std::string_view tag) {
        const std::string name(tag);
        const QByteArray table = font.fontTable(name.c_str());
        return std::string(table.constData(), static_cast<std::size_t>(table.size()));
    };
}

// A glyph's advance in thousandths of the font's size, from the font's design.
int WidthOf(const QRawFont& font, quint32 glyph) {
    const QList<QPointF> advances = font.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
    if (advances.isEmpty() || font.pixelSize() <= 0) return 0;
    return static_cast<int>(std::lround(advances[0].x() / font.pixelSize() * 1000));
}

}  // namespace

pdf::PdfFontProgram QtFontProgram(const QRawFont& font, std::span<const std::uint32_t> glyphs) {
    if (glyphs.empty()) return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            indexes.append(glyphs[i]);
            positions.append(QPointF(static_cast<qreal>(i % 64) * font.pixelSize(), 0));
        }
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, font.pixelSize()), run);
        painter.end();
    }
    const QByteArray& pdf = buffer.data();
    pdf::EmbeddedFont embedded =
        pdf::ReadEmbeddedFont(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (embedded.codes.size() != glyphs.size()) return {};
    pdf::PdfFontProgram program;
    program.trueType = std::move(embedded.trueType);
    for (std::size_t i = 0; i < glyphs.size(); ++i) program.glyphIndex.emplace(glyphs[i], embedded.codes[i]);
    return program;
}

namespace {

std::string KeyOf(const QRawFont& font) {
    return (font.familyName() + QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
            QString::number(font.weight()) + QLatin1Char('/') + QString::number(static_cast<int>(font.style())))
        .toStdString();
}

// Where the file's bytes go: opened when the document starts, given the
// bytes as they are made, closed when it ends; false from any step fails the job.
class PdfOutput {
public:
    virtual ~PdfOutput() = default;
    virtual bool Open() = 0;
    virtual bool Write(std::string_view bytes) = 0;
    virtual bool Close() = 0;
};

class SinkOutput : public PdfOutput {
public:
    explicit SinkOutput(PdfSink sink) : sink_(std::move(sink)) {}
    bool Open() override { return static_cast<bool>(sink_); }
    bool Write(std::string_view bytes) override { return sink_(bytes); }
    bool Close() override { return true; }

private:
    PdfSink sink_;
};

class SaveFileOutput : public PdfOutput {
public:
    explicit SaveFileOutput(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}
    bool Open() override { return file_->isOpen() || file_->open(QIODevice::WriteOnly); }
    bool Write(std::string_view bytes) override {
        return file_->write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    }
    bool Close() override { return file_->flush() && file_->commit(); }

private:
    std::unique_ptr<QSaveFile> file_;
};

class PdfFileDevice : public platform::PrintDevice {
public:
    PdfFileDevice(std::unique_ptr<PdfOutput> output, std::unique_ptr<QPdfWriter> layout)
        : output_(std::move(output)), layout_(std::move(layout)) {
        // The printable area's corner as the page's transformation puts it.
        const QPageLayout page = layout_->pageLayout();
        const int resolution = layout_->resolution();
        const QRect full = page.fullRectPoints();
        const QRect paint = page.paintRectPixels(resolution);
        scale_ = 72.0 / resolution;
        width_ = full.width();
        height_ = full.height();
        left_ = paint.left() * scale_ + paint.top() * 0.0;
        top_ = height_ + (paint.top() * -scale_ + paint.left() * 0.0);
        RestoreFont();
    }

    int StartDoc(std::string_view documentName) override {
        if (document_) return platform::kSpoolGeneralError;
        if (!output_->Open()) return platform::kSpoolGeneralError;
        title_ = DocumentName(documentName).toStdU16String();
        document_ = std::make_unique<pdf::PdfDocument>([this](std::string_view bytes) { return output_->Write(bytes); });
        fonts_.clear();
        for (auto& [key, font] : used_) font.ready = false;  // its number was the last document's
        simple_ = false;
        // Drawing goes to the first page until a page is asked for.
        NewPage();
        firstPage_ = true;
        return 1;
    }

    int StartPage() override {
        if (!document_) return platform::kSpoolGeneralError;
        EndDrawing();
        if (!firstPage_) {
            document_->AddPage(width_, height_, *page_);
            NewPage();
        }
        firstPage_ = false;
        return document_->Failed() ? platform::kSpoolGeneralError : 1;
    }

    int EndPage() override {
        if (!document_) return platform::kSpoolGeneralError;
        EndDrawing();
        return document_->Failed() ? platform::kSpoolGeneralError : 1;
    }

    int EndDoc() override {
        if (!document_) return platform::kSpoolGeneralError;
        EndDrawing();
        document_->AddPage(width_, height_, *page_);
        page_.reset();
        const bool written = document_->Finish(title_, u"Quorle", pdf::PdfCreationDate());
        document_.reset();
        if (!written || !output_->Close()) return platform::kSpoolGeneralError;
        return 1;
    }

    bool HoldsEveryCopy() const override { return true; }
    int SetCopyCount(int) override { return 1; }

    void SelectFont(const platform::FontSpec& font) override {
        Use(QtCanvas::FontKey(font), [&font] { return QtCanvas::MakeFont(font); }, font.fixedPitch);
    }
    void RestoreFont() override {
        Use(std::string(), [] { return QFont(); }, false);
    }
    platform::Size TextExtent(std::string_view text) override {
        return f_->extents.Measure(f_->font, layout_.get(), text);
    }
    void TextOut(int x, int y, std::string_view text) override {
        if (page_) runs_.Add(x, y, text);
    }
    void SetTextColor(platform::Color color) override {
        runs_.Flush();
        color_ = (static_cast<std::uint32_t>(color.r) << 16) | (static_cast<std::uint32_t>(color.g) << 8) | color.b;
        // A pen of another colour: from here on lines are stroked as pens are.
        if (color_ != 0) simple_ = true;
    }
    void SetDefaultTextColor() override {
        runs_.Flush();
        color_ = 0;
    }
    // Text on the page gets no background of its own: no printout asks for
    // one, and on paper it would be white on white.
    void SetBackgroundTransparent(bool) override {}

    // Level and upright lines and boxes of the thin pen are kept until the
    // page ends and go out as long lines (see RuleRuns).
    void Line(int x1, int y1, int x2, int y2, int penWidth) override {
        runs_.Flush();
        if (!page_) return;
        const platform::LineSegment line{x1, y1, x2, y2};
        if (penWidth == 1 && rules_.Add(line)) return;
        Draw(std::span(&line, 1), penWidth);
    }
    void Rectangle(const platform::Rect& rect, int penWidth) override {
        runs_.Flush();
        if (!page_) return;
        if (penWidth == 1 && rules_.AddBox(rect)) return;
        const pdf::Box box{rect.left, rect.top, rect.right, rect.bottom};
        if (FillsThin(penWidth))
            page_->ThinBox(box);
        else
            page_->StrokeBox(box, penWidth);
    }
    void Lines(std::span<const platform::LineSegment> lines, int penWidth) override {
        for (const platform::LineSegment& l : lines) Line(l.x1, l.y1, l.x2, l.y2, penWidth);
    }
    int DeviceCaps(DeviceCap cap) const override { return DeviceCapOf(*layout_, cap); }

private:
    // Each page states its pen and colours afresh.
    void NewPage() { page_ = std::make_unique<pdf::PdfPage>(scale_, left_, top_); }

    void EndDrawing() {
        runs_.Flush();
        if (rules_.Empty() || !page_) return;
        for (const auto& layer : rules_.Take()) {
            Draw(layer.level, 1);
            Draw(layer.upright, 1);
        }
    }

    // The thin pen fills its lines' outlines until another pen has been
    // used; from then on, and for every other pen, lines are strokes.
    bool FillsThin(int penWidth) {
        if (penWidth != 1) simple_ = true;
        return !simple_;
    }
    void Draw(std::span<const platform::LineSegment> lines, int penWidth) {
        lines_.clear();
        for (const platform::LineSegment& l : lines) lines_.push_back(pdf::Line{l.x1, l.y1, l.x2, l.y2});
        if (FillsThin(penWidth))
            page_->ThinLines(lines_);
        else
            page_->StrokeLines(lines_, penWidth);
    }

    // A font is made, measured and its glyphs looked up once a document: a
    // letter selects the same fonts for every student.
    template <typename Make>
    void Use(const std::string& key, Make make, bool fixed) {
        runs_.Flush();
        auto [entry, made] = used_.try_emplace(key);
        if (made) {
            entry->second.font = make();
            entry->second.runAdvance =
                fixed ? QFontMetricsF(entry->second.font, layout_.get()).horizontalAdvance(QLatin1Char(' ')) : 0.0;
        }
        f_ = &entry->second;
        runs_.SetAdvance(f_->runAdvance);
    }

    // The fixed-pitch glyphs of the font in use, and their widths.
    void PrepareGlyphs() {
        f_->ready = true;
        f_->fixed = LookUpFixedPitch(f_->font, layout_.get());
        if (!f_->fixed) return;
        f_->number = FontNumber(f_->fixed->raw);
        for (std::size_t byte = 0; byte < 256; ++byte)
            f_->widths[byte] = f_->fixed->glyphs[byte] != 0 ? WidthOf(f_->fixed->raw, f_->fixed->glyphs[byte]) : 0;
    }

    int FontNumber(const QRawFont& raw) {
        const std::string key = KeyOf(raw);
        if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
        const int number = document_->AddFont(
            key, TablesOf(raw), [raw](std::span<const std::uint32_t> glyphs) { return QtFontProgram(raw, glyphs); });
        fonts_.emplace(key, number);
        return number;
    }

    void Put(int x, int y, const std::string& text) {
        if (!page_ || !document_) return;
        if (!f_->ready) PrepareGlyphs();
        if (f_->fixed && PutFixedPitch(x, y, text, *f_->fixed)) return;
        PutLaidOut(x, y, text);
    }

    // Every character one advance after the one before, where laying the
    // text out puts it; no glyph for a space (it leaves no ink).
    bool PutFixedPitch(int x, int y, const std::string& text, const FixedPitchGlyphs& font) {
        placed_.clear();
        for (std::size_t k = 0; k < text.size(); ++k) {
            const auto byte = static_cast<unsigned char>(text[k]);
            if (byte == ' ') continue;
            const quint32 glyph = font.glyphs[byte];
            if (glyph == 0 || byte < 0x20) return false;
            placed_.push_back(pdf::PlacedGlyph{glyph, x + static_cast<double>(k) * font.advance, f_->widths[byte]});
        }
        for (std::size_t k = 0; k < text.size(); ++k) {
            const auto byte = static_cast<unsigned char>(text[k]);
            if (byte != ' ')
                document_->UseGlyph(f_->number, font.glyphs[byte], platform::Cp1252ToCodePoint(byte), f_->widths[byte]);
        }
        page_->Glyphs(f_->number, font.raw.pixelSize(), color_, y + font.ascent, placed_, font.advance);
        return true;
    }

    // Any other text as Qt lays it out, in whichever fonts it takes.
    void PutLaidOut(int x, int y, const std::string& text) {
        const QString string = FromCp1252(text);
        QTextLayout layout(string, f_->font, layout_.get());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid()) return;
        const double baseline = y + QFontMetrics(f_->font, layout_.get()).ascent();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            const QRawFont raw = run.rawFont();
            const int number = FontNumber(raw);
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            std::unordered_map<quint32, char32_t> characters;
            for (const QChar c : string) {
                const QList<quint32> found = raw.glyphIndexesForString(QString(c));
                if (found.size() == 1) characters.emplace(found[0], c.unicode());
            }
            placed_.clear();
            double runY = baseline;
            for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
                const auto found = characters.find(indexes[i]);
                const int width = WidthOf(raw, indexes[i]);
                document_->UseGlyph(number, indexes[i], found != characters.end() ? found->second : U'\uFFFD', width);
                placed_.push_back(pdf::PlacedGlyph{indexes[i], x + positions[i].x(), width});
                runY = baseline + positions[i].y() - line.ascent();
            }
            page_->Glyphs(number, raw.pixelSize(), color_, runY, placed_, 0.0);
        }
    }

    std::unique_ptr<PdfOutput> output_;
    std::unique_ptr<QPdfWriter> layout_;
    double scale_ = 0;
    double width_ = 0;
    double height_ = 0;
    double left_ = 0;
    double top_ = 0;
    std::u16string title_;
    std::unique_ptr<pdf::PdfDocument> document_;
    std::unique_ptr<pdf::PdfPage> page_;
    bool firstPage_ = true;
    // Whether a pen other than the thin black one has drawn in this document.
    bool simple_ = false;

    // A font in use and what is known of it.
    struct FontInUse {
        QFont font;
        double runAdvance = 0;  // of a character, for joining texts into runs; 0: not fixed-pitch
        TextExtents extents;
        // The fixed-pitch glyphs and each byte's width; looked up at the first text.
        bool ready = false;
        std::optional<FixedPitchGlyphs> fixed;
        std::array<int, 256> widths{};
        int number = 0;  // in the document
    };
    std::map<std::string, FontInUse> used_;
    FontInUse* f_ = nullptr;
    std::uint32_t color_ = 0;
    std::unordered_map<std::string, int> fonts_;  // the document's number of each font
    std::vector<pdf::PlacedGlyph> placed_;
    std::vector<pdf::Line> lines_;

    platform::RuleRuns rules_;  // of the page being drawn
    platform::TextRuns runs_{[this](int x, int y, const std::string& text) { Put(x, y, text); }};
};

}  // namespace

std::unique_ptr<platform::PrintDevice> MakePdfFileDevice(PdfSink sink, std::unique_ptr<QPdfWriter> layout) {
    return std::make_unique<PdfFileDevice>(std::make_unique<SinkOutput>(std::move(sink)), std::move(layout));
}

std::unique_ptr<platform::PrintDevice> MakePdfFileDevice(std::unique_ptr<QSaveFile> file,
                                                         std::unique_ptr<QPdfWriter> layout) {
    return std::make_unique<PdfFileDevice>(std::make_unique<SaveFileOutput>(std::move(file)), std::move(layout));
}

}  // namespace quorle::qt
