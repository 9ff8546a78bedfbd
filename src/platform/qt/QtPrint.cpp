#include "platform/qt/QtPrint.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <QAction>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/RuleRuns.h"
#include "platform/TextRuns.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPdfFile.h"

namespace quorle::qt {

namespace {

using platform::DeviceCap;
using platform::PrintSetup;

constexpr int kPdfResolution = 600;
// What a laser printer cannot reach at the paper's edge; the PDF keeps the
// same printable area so it looks like the printed page.
constexpr double kPdfMarginMm = 6.35;

// A printer or a PDF file: one QPainter over the paged device for the whole
// document, the canvas over it while a document is open.
class PagedPrintDevice : public platform::PrintDevice {
public:
    explicit PagedPrintDevice(std::unique_ptr<QPrinter> printer)
        : owned_(std::move(printer)), printer_(owned_.get()), device_(printer_) {}
    // A printer that belongs to someone else (the print preview's).
    explicit PagedPrintDevice(QPrinter* printer) : printer_(printer), device_(printer) {}
    // A PDF file: the pages go, one by one as they end, into a save file
    // beside it, so memory stays the same however many pages there are and
    // the file takes its name only when it is all on disk.
    PagedPrintDevice(std::unique_ptr<QSaveFile> file, std::unique_ptr<QPdfWriter> writer)
        : file_(std::move(file)), writer_(std::move(writer)), device_(writer_.get()) {}

    ~PagedPrintDevice() override {
        canvas_.reset();  // open runs are dropped: nothing draws them without it
        if (painter_.isActive()) {
            // A job that stopped on an error: a printer drops it.
            if (printer_) printer_->abort();
            painter_.end();
        }
    }

    int StartDoc(std::string_view documentName) override {
        if (painter_.isActive()) return platform::kSpoolGeneralError;
        // The document name is the class file's path: the file system's UTF-8
        // when it reads as such, else the program's own single-byte text.
        QString name = QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size()));
        if (name.contains(QChar::ReplacementCharacter)) name = FromCp1252(documentName);
        if (printer_) printer_->setDocName(name);
        if (writer_) writer_->setTitle(name);
        if (file_ && !file_->isOpen() && !file_->open(QIODevice::WriteOnly)) return platform::kSpoolGeneralError;
        if (!painter_.begin(device_)) return platform::kSpoolGeneralError;
        canvas_ = std::make_unique<QtCanvas>(painter_, QFont(), Size(), device_->logicalDpiX(), device_->logicalDpiY());
        if (selected_) SelectFont(*selected_);
        firstPage_ = true;
        return 1;
    }

    int StartPage() override {
        Flush();
        DrawRules();
        if (!painter_.isActive()) return platform::kSpoolGeneralError;
        // The painter opens the first page itself; every further one is asked for.
        if (!firstPage_ && !device_->newPage()) return platform::kSpoolGeneralError;
        firstPage_ = false;
        return 1;
    }

    int EndPage() override {
        Flush();
        DrawRules();
        return painter_.isActive() ? 1 : platform::kSpoolGeneralError;
    }

    int EndDoc() override {
        Flush();
        DrawRules();
        canvas_.reset();
        if (!painter_.isActive()) return platform::kSpoolGeneralError;
        const bool ended = painter_.end();
        if (!ended || (printer_ && printer_->printerState() == QPrinter::Error)) return platform::kSpoolGeneralError;
        if (file_ && !file_->commit()) return platform::kSpoolGeneralError;
        return 1;
    }

    // A PDF file, ours or the print dialog's "print to file", is one document
    // with every copy in it: a document per copy would overwrite the file.
    bool HoldsEveryCopy() const override {
        return writer_ != nullptr || (printer_ && printer_->outputFormat() == QPrinter::PdfFormat &&
                                      !printer_->outputFileName().isEmpty());
    }

    int SetCopyCount(int copies) override {
        if (!printer_ || !printer_->supportsMultipleCopies()) return 1;
        printer_->setCopyCount(std::max(1, copies));
        return printer_->copyCount();
    }

    void SelectFont(const platform::FontSpec& font) override {
        Flush();
        selected_ = font;
        if (canvas_) {
            canvas_->SelectFont(font);
            // A fixed-pitch font lets texts of one line go out as one run.
            runs_.SetAdvance(font.fixedPitch ? QFontMetricsF(painter_.font(), device_).horizontalAdvance(QLatin1Char(' ')) : 0.0);
        }
    }
    void RestoreFont() override {
        Flush();
        selected_.reset();
        runs_.SetAdvance(0.0);
        if (canvas_) canvas_->RestoreFont();
    }
    platform::Size TextExtent(std::string_view text) override {
        if (canvas_) return canvas_->TextExtent(text);
        // Measuring before the document starts: the device's own metrics.
        const QFont font = selected_ ? QtCanvas::MakeFont(*selected_) : QFont();
        const QFontMetrics metrics(font, device_);
        return platform::Size{metrics.horizontalAdvance(FromCp1252(text)), metrics.height()};
    }
    void TextOut(int x, int y, std::string_view text) override {
        if (canvas_) runs_.Add(x, y, text);
    }
    void SetTextColor(platform::Color color) override {
        Flush();
        if (canvas_) canvas_->SetTextColor(color);
    }
    void SetDefaultTextColor() override {
        Flush();
        if (canvas_) canvas_->SetDefaultTextColor();
    }
    void SetBackgroundTransparent(bool transparent) override {
        if (canvas_) canvas_->SetBackgroundTransparent(transparent);
    }
    // Level and upright lines and boxes of the thin pen are kept until the
    // page ends and go out as long lines (see RuleRuns): a ruled form's page
    // is a few hundred lines instead of tens of thousands of short ones.
    // (A line ends the open text runs all the same, so that texts on either
    // side of it go out as they did when the line was drawn at once.)
    void Line(int x1, int y1, int x2, int y2, int penWidth) override {
        Flush();
        if (!canvas_) return;
        if (penWidth == 1 && rules_.Add(platform::LineSegment{x1, y1, x2, y2})) return;
        canvas_->Line(x1, y1, x2, y2, penWidth);
    }
    void Rectangle(const platform::Rect& rect, int penWidth) override {
        Flush();
        if (!canvas_) return;
        if (penWidth == 1 && rules_.AddBox(rect)) return;
        canvas_->Rectangle(rect, penWidth);
    }
    void Lines(std::span<const platform::LineSegment> lines, int penWidth) override {
        for (const platform::LineSegment& l : lines) Line(l.x1, l.y1, l.x2, l.y2, penWidth);
    }
    int DeviceCaps(DeviceCap cap) const override { return DeviceCapOf(*device_, cap); }

private:
    void Flush() { runs_.Flush(); }
    // A run of the fixed-pitch font from its glyphs where the canvas can, else as text.
    void Put(int x, int y, const std::string& text) {
        if (canvas_ && !canvas_->TextOutFixedPitch(x, y, text)) canvas_->TextOut(x, y, text);
    }
    void DrawRules() {
        if (rules_.Empty()) return;
        const std::vector<platform::RuleRuns::Layer> layers = rules_.Take();
        if (!canvas_) return;
        // Level and upright lines in calls of their own: where they cross,
        // each adds its ink as the boxes' edges did.
        for (const auto& layer : layers) {
            canvas_->Lines(layer.level, 1);
            canvas_->Lines(layer.upright, 1);
        }
    }
    platform::Size Size() const { return platform::Size{device_->width(), device_->height()}; }

    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QSaveFile> file_;  // before the writer, which writes into it
    std::unique_ptr<QPdfWriter> writer_;
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
    std::optional<platform::FontSpec> selected_;
    bool firstPage_ = true;
    platform::TextRuns runs_{[this](int x, int y, const std::string& text) { Put(x, y, text); }};
    platform::RuleRuns rules_;  // of the page being drawn
};

}  // namespace

std::unique_ptr<platform::PrintDevice> PrinterDevice(std::unique_ptr<QPrinter> printer) {
    printer->setCopyCount(1);
    printer->setCollateCopies(false);
    return std::make_unique<PagedPrintDevice>(std::move(printer));
}

namespace {

bool IsLetterTerritory(QLocale::Territory territory) {
    switch (territory) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Belize:
        case QLocale::Guatemala:
        case QLocale::ElSalvador:
        case QLocale::Honduras:
        case QLocale::Nicaragua:
        case QLocale::CostaRica:
        case QLocale::Panama:
        case QLocale::PuertoRico:
        case QLocale::DominicanRepublic:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::Chile:
        case QLocale::Philippines: return true;
        default: return false;
    }
}

std::optional<QPageSize> PageSizeNamed(const std::string& name) {
    const QString lower = QString::fromStdString(name).trimmed().toLower();
    if (lower.isEmpty()) return PageSizeNamed(LocalePageSizeName());
    if (lower == "letter") return QPageSize(QPageSize::Letter);
    if (lower == "a4") return QPageSize(QPageSize::A4);
    return std::nullopt;
}

}  // namespace

namespace {

QtMessageHandler previousHandler = nullptr;

// A headless run has no session: Qt's note that it has no runtime folder is
// no news to the person at the terminal, and a PDF that cannot be opened is
// reported by the job itself.
void HeadlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR")) || message.startsWith(QLatin1String("QPainter::begin")))
        return;
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(HeadlessMessages);
    static int argc = 1;
    static char name[] = "quorle";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives as long as the process
}

std::string LocalePageSizeName() {
    const QLocale locale = QLocale::system();
    if (locale.measurementSystem() == QLocale::ImperialUSSystem || IsLetterTerritory(locale.territory()))
        return "Letter";
    return "A4";
}

std::unique_ptr<platform::PrintDevice> RunPrintDialog(QWidget* parent, PrintSetup& setup) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!setup.printerName.empty()) printer->setPrinterName(QString::fromStdString(setup.printerName));

    QPrintDialog dialog(printer.get(), parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    if ((setup.flags & platform::kPrintNoSelection) == 0) options |= QAbstractPrintDialog::PrintSelection;
    if ((setup.flags & platform::kPrintNoPageNums) == 0) options |= QAbstractPrintDialog::PrintPageRange;
    dialog.setOptions(options);
    if ((setup.flags & platform::kPrintNoPageNums) == 0 && setup.minPage >= 1 && setup.maxPage >= setup.minPage) {
        dialog.setMinMax(setup.minPage, setup.maxPage);
        if (setup.fromPage >= setup.minPage && setup.toPage >= setup.fromPage)
            printer->setFromTo(setup.fromPage, setup.toPage);
    }
    printer->setPrintRange(QPrinter::AllPages);
    printer->setCopyCount(std::max(1, setup.copies));
    printer->setCollateCopies((setup.flags & platform::kPrintCollate) != 0);

    // Preview sits beside Print and Cancel; it leaves the dialog with a result of its own.
    constexpr int kPreviewResult = 2;
    if ((setup.flags & platform::kPrintOfferPreview) != 0) {
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* preview = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
            preview->setObjectName(QStringLiteral("PreviewButton"));
            QObject::connect(preview, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(kPreviewResult); });
        }
    }

    setup.previewChosen = false;
    const int result = dialog.exec();
    if (result != QDialog::Accepted) {
        setup.error = 0;
        setup.previewChosen = result == kPreviewResult;
        return nullptr;
    }

    setup.flags &= ~(platform::kPrintSelection | platform::kPrintPageNums | platform::kPrintCollate);
    switch (printer->printRange()) {
        case QPrinter::Selection: setup.flags |= platform::kPrintSelection; break;
        case QPrinter::PageRange:
            setup.flags |= platform::kPrintPageNums;
            if (printer->fromPage() > 0) {
                setup.fromPage = printer->fromPage();
                setup.toPage = std::max(printer->fromPage(), printer->toPage());
            }
            break;
        default: break;
    }
    setup.copies = std::max(1, printer->copyCount());
    if (printer->collateCopies()) setup.flags |= platform::kPrintCollate;
    setup.printerName = printer->printerName().toStdString();
    setup.error = 0;
    // The job prints the range itself: the printer gets every page it is sent.
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    return PrinterDevice(std::move(printer));
}

namespace {

// The document's name as the preview shows it: the file system's UTF-8 when
// it reads as such, else the program's own single-byte text.
QString DocumentName(std::string_view name) {
    QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (text.contains(QChar::ReplacementCharacter)) text = FromCp1252(name);
    return text;
}

}  // namespace

bool RunPrintPreview(QWidget* parent, std::string_view title,
                     const std::function<void(platform::PrintDevice&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    const QString name = DocumentName(title);
    dialog.setWindowTitle(name.isEmpty() ? QStringLiteral("Print Preview")
                                         : QStringLiteral("Print Preview - ") + name);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(&dialog);
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    layout->addWidget(bar);
    layout->addWidget(preview, 1);

    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog, [&render](QPrinter* target) {
        PagedPrintDevice device(target);
        render(device);
    });

    QAction* print = bar->addAction(QStringLiteral("&Print..."), &dialog, &QDialog::accept);
    print->setShortcut(QKeySequence::Print);
    bar->addSeparator();
    bar->addAction(QStringLiteral("Fit &Width"), preview, &QPrintPreviewWidget::fitToWidth);
    bar->addAction(QStringLiteral("Fit P&age"), preview, &QPrintPreviewWidget::fitInView);
    QAction* zoomIn = bar->addAction(QStringLiteral("Zoom &In"), preview, [preview] { preview->zoomIn(); });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction* zoomOut = bar->addAction(QStringLiteral("Zoom &Out"), preview, [preview] { preview->zoomOut(); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    bar->addSeparator();
    QAction* first = bar->addAction(QStringLiteral("&First"), preview, [preview] { preview->setCurrentPage(1); });
    QAction* previous = bar->addAction(QStringLiteral("P&revious"), preview,
                                       [preview] { preview->setCurrentPage(preview->currentPage() - 1); });
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    auto* pageLabel = new QLabel(bar);
    pageLabel->setObjectName(QStringLiteral("PageLabel"));
    pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(pageLabel);
    QAction* next = bar->addAction(QStringLiteral("&Next"), preview,
                                   [preview] { preview->setCurrentPage(preview->currentPage() + 1); });
    next->setShortcut(QKeySequence(Qt::Key_PageDown));
    QAction* last = bar->addAction(QStringLiteral("&Last"), preview,
                                   [preview] { preview->setCurrentPage(preview->pageCount()); });
    bar->addSeparator();
    bar->addAction(QStringLiteral("&Close"), &dialog, &QDialog::reject);

    // "Page 2 of 5", and the moves that lead nowhere greyed.
    const auto showPage = [=] {
        const int page = preview->currentPage();
        const int count = preview->pageCount();
        pageLabel->setText(QStringLiteral("Page %1 of %2").arg(count == 0 ? 0 : page).arg(count));
        first->setEnabled(page > 1);
        previous->setEnabled(page > 1);
        next->setEnabled(page < count);
        last->setEnabled(page < count);
    };
    QObject::connect(preview, &QPrintPreviewWidget::previewChanged, &dialog, showPage);
    preview->fitToWidth();
    preview->updatePreview();
    showPage();

    dialog.resize(parent != nullptr ? parent->window()->size().expandedTo(QSize(640, 560)) : QSize(760, 900));
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<platform::PrintDevice> MakeDefaultPrintDevice(const PrintSetup& setup) {
    QString name = QString::fromStdString(setup.printerName);
    if (name.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        name = info.printerName();
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(name);
    if (!printer->isValid()) return nullptr;
    return PrinterDevice(std::move(printer));
}

// The page as a PDF writer lays it out; the file is the program's own writing.
static std::unique_ptr<QPdfWriter> PdfLayout(const std::string& pageSize) {
    EnsureGuiApplication();
    const auto size = PageSizeNamed(pageSize);
    if (!size) return nullptr;
    auto layout = std::make_unique<QPdfWriter>(QString());
    layout->setResolution(kPdfResolution);
    layout->setPageLayout(QPageLayout(*size, QPageLayout::Portrait,
                                      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                      QPageLayout::Millimeter));
    return layout;
}

std::unique_ptr<platform::PrintDevice> MakePdfDevice(const std::string& path, const std::string& pageSize) {
    auto layout = PdfLayout(pageSize);
    if (!layout) return nullptr;
    auto file = std::make_unique<QSaveFile>(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    return MakePdfFileDevice(std::move(file), std::move(layout));
}

std::unique_ptr<platform::PrintDevice> MakePdfDevice(PdfSink sink, const std::string& pageSize) {
    auto layout = PdfLayout(pageSize);
    if (!layout) return nullptr;
    return MakePdfFileDevice(std::move(sink), std::move(layout));
}

}  // namespace quorle::qt
