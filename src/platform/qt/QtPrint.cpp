#include "platform/qt/QtPrint.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QPrintDialog>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QDialogButtonBox>
#include <QPushButton>
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

// How far a job from the window is. Once it has taken a second, a window
// shows the page being made with a Cancel; the window goes with the job.
class JobProgress {
public:
    JobProgress() { clock_.start(); }

    bool Continue(int page, int pages) {
        if (!dialog_) {
            // A command-line job has no windows; a short one needs none.
            if (clock_.elapsed() < 1000 || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
                return true;
            QWidget* owner = QApplication::activeModalWidget();
            if (owner == nullptr) owner = QApplication::activeWindow();
            dialog_ = std::make_unique<QProgressDialog>(owner);
            dialog_->setWindowTitle(QStringLiteral("Printing"));
            dialog_->setCancelButtonText(QStringLiteral("Cancel"));
            dialog_->setWindowModality(Qt::ApplicationModal);
            dialog_->setAutoClose(false);
            dialog_->setAutoReset(false);
            dialog_->setMinimumDuration(0);
            dialog_->setMinimumWidth(320);
        }
        // Pages not known in advance: a bar that only says the job goes on.
        dialog_->setMaximum(std::max(0, pages));
        dialog_->setLabelText(pages > 0 ? QStringLiteral("Printing page %1 of %2").arg(page + 1).arg(pages)
                                        : QStringLiteral("Printing page %1").arg(page + 1));
        dialog_->setValue(pages > 0 ? std::min(page, pages) : 0);
        if (!dialog_->isVisible()) dialog_->show();
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    }

private:
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

// A printer or a PDF file: one QPainter over the paged device for the whole
// document, the canvas over it while a document is open.
class PagedPrintDevice : public platform::PrintDevice {
public:
    explicit PagedPrintDevice(std::unique_ptr<QPrinter> printer)
        : owned_(std::move(printer)), printer_(owned_.get()), device_(printer_) {}
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
        const QString name = DocumentName(documentName);
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

    bool Continue(int page, int pages) override { return progress_.Continue(page, pages); }

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
    JobProgress progress_;
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

namespace {

// The program's own PDF writer under a job from the window: the file the
// print dialog names, or a print queue's job, handed to the queue at the end
// of each document.
class WindowPdfDevice : public platform::ForwardingPrintDevice {
public:
    // A queue's job: the file goes in a private folder until it is handed over.
    WindowPdfDevice(const QPrinter& printer, QueueJob job, SubmitToQueue submit)
        : job_(std::move(job)), submit_(std::move(submit)) {
        if (!folder_.isValid()) return;
        path_ = QDir(folder_.path()).filePath(QStringLiteral("job.pdf"));
        SetInner(MakePdfFileDevice(std::make_unique<QSaveFile>(path_), LayoutOf(printer)));
    }
    // A file: every copy in its one document.
    WindowPdfDevice(const QPrinter& printer, const QString& file)
        : ForwardingPrintDevice(MakePdfFileDevice(std::make_unique<QSaveFile>(file), LayoutOf(printer))) {}

    bool Valid() const { return HasInner(); }

    int StartDoc(std::string_view documentName) override {
        job_.title.assign(documentName);
        return ForwardingPrintDevice::StartDoc(documentName);
    }
    int EndDoc() override {
        const int ended = ForwardingPrintDevice::EndDoc();
        if (ended < 0 || !submit_) return ended;
        const bool taken = submit_(path_.toStdString(), job_);
        QFile::remove(path_);
        return taken ? 1 : platform::kSpoolGeneralError;
    }
    // The queue makes the copies of each page; collated copies are documents of their own.
    int SetCopyCount(int copies) override {
        if (!submit_) return 1;
        job_.copies = std::max(1, copies);
        return job_.copies;
    }
    bool HoldsEveryCopy() const override { return !submit_; }
    bool Continue(int page, int pages) override { return progress_.Continue(page, pages); }

private:
    // The page as the printer lays it out: its paper, margins and resolution.
    static std::unique_ptr<QPdfWriter> LayoutOf(const QPrinter& printer) {
        auto layout = std::make_unique<QPdfWriter>(QString());
        layout->setResolution(printer.resolution());
        layout->setPageLayout(printer.pageLayout());
        return layout;
    }

    QTemporaryDir folder_;
    QString path_;
    QueueJob job_;
    SubmitToQueue submit_;
    JobProgress progress_;
};

// A print queue of this desktop takes PDF: its filters make of it what the
// printer needs. Handed over with the spooler's own command.
bool QueueTakesPdf(const QPrinter& printer) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("lp")).isEmpty();
#else
    Q_UNUSED(printer);
    return false;
#endif
}

// What the dialog chose besides the copies, as the queue's options.
QueueJob JobFor(const QPrinter& printer) {
    QueueJob job;
    job.queue = printer.printerName().toStdString();
    switch (printer.duplex()) {
        case QPrinter::DuplexNone: job.options.push_back("sides=one-sided"); break;
        case QPrinter::DuplexLongSide: job.options.push_back("sides=two-sided-long-edge"); break;
        case QPrinter::DuplexShortSide: job.options.push_back("sides=two-sided-short-edge"); break;
        default: break;
    }
    if (printer.colorMode() == QPrinter::GrayScale) job.options.push_back("print-color-mode=monochrome");
    return job;
}

// The device for the printer the dialog chose: a PDF file or a queue that
// takes PDF get the program's own PDF writer, any other printer Qt's pages.
std::unique_ptr<platform::PrintDevice> DialogDevice(std::unique_ptr<QPrinter> printer) {
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        auto device = std::make_unique<WindowPdfDevice>(*printer, printer->outputFileName());
        if (device->Valid()) return device;
    } else if (QueueTakesPdf(*printer)) {
        auto device = std::make_unique<WindowPdfDevice>(*printer, JobFor(*printer), SubmitWithLp);
        if (device->Valid()) return device;
    }
    return PrinterDevice(std::move(printer));
}

// What the teacher chose in the dialog, kept in the setup for the job and for
// the dialog's next showing (after a preview).
void KeepChoices(const QPrinter& printer, PrintSetup& setup) {
    setup.flags &= ~(platform::kPrintSelection | platform::kPrintPageNums | platform::kPrintCollate);
    switch (printer.printRange()) {
        case QPrinter::Selection: setup.flags |= platform::kPrintSelection; break;
        case QPrinter::PageRange:
            setup.flags |= platform::kPrintPageNums;
            if (printer.fromPage() > 0) {
                setup.fromPage = printer.fromPage();
                setup.toPage = std::max(printer.fromPage(), printer.toPage());
            }
            break;
        default: break;
    }
    setup.copies = std::max(1, printer.copyCount());
    if (printer.collateCopies()) setup.flags |= platform::kPrintCollate;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    setup.outputFile = toFile ? printer.outputFileName().toStdString() : std::string();
    if (!toFile || setup.printerName.empty()) setup.printerName = printer.printerName().toStdString();
    setup.error = 0;
}

}  // namespace

bool SubmitWithLp(const std::string& pdfPath, const QueueJob& job) {
    QStringList arguments{QStringLiteral("-d"), QString::fromStdString(job.queue), QStringLiteral("-t"),
                          QString::fromUtf8(job.title.data(), static_cast<qsizetype>(job.title.size())),
                          QStringLiteral("-n"), QString::number(std::max(1, job.copies))};
    for (const std::string& option : job.options) arguments << QStringLiteral("-o") << QString::fromStdString(option);
    arguments << QString::fromStdString(pdfPath);
    QProcess lp;
    lp.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lp.setStandardOutputFile(QProcess::nullDevice());
    lp.start(QStringLiteral("lp"), arguments);
    // The file goes to the spooler before lp ends; a spooler that does not answer fails the job.
    if (!lp.waitForFinished(120000)) {
        lp.kill();
        lp.waitForFinished();
        return false;
    }
    return lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
}

std::unique_ptr<platform::PrintDevice> QueueDevice(std::unique_ptr<QPrinter> printer, SubmitToQueue submit) {
    auto device = std::make_unique<WindowPdfDevice>(*printer, JobFor(*printer), std::move(submit));
    if (!device->Valid()) return nullptr;
    return device;
}

std::unique_ptr<platform::PrintDevice> RunPrintDialog(QWidget* parent, PrintSetup& setup) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!setup.printerName.empty()) printer->setPrinterName(QString::fromStdString(setup.printerName));
    if (!setup.outputFile.empty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(setup.outputFile));
    }

    // The dialog takes its copies from the printer as it is made.
    printer->setCopyCount(std::max(1, setup.copies));
    printer->setCollateCopies((setup.flags & platform::kPrintCollate) != 0);

    QPrintDialog dialog(printer.get(), parent);
    // A file chosen before: the dialog's own entry for it (its last), with
    // that name, chosen once the dialog has shown its default printer.
    if (!setup.outputFile.empty()) {
        const QString name = QString::fromStdString(setup.outputFile);
        QTimer::singleShot(0, &dialog, [&dialog, name] {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
            if (printers == nullptr || file == nullptr || printers->count() == 0) return;
            printers->setCurrentIndex(printers->count() - 1);
            file->setText(name);
        });
    }
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    const bool offersSelection = (setup.flags & platform::kPrintNoSelection) == 0;
    const bool offersPages = (setup.flags & platform::kPrintNoPageNums) == 0;
    if (offersSelection) options |= QAbstractPrintDialog::PrintSelection;
    if (offersPages) options |= QAbstractPrintDialog::PrintPageRange;
    dialog.setOptions(options);
    bool pagesSet = false;
    if (offersPages && setup.minPage >= 1 && setup.maxPage >= setup.minPage) {
        dialog.setMinMax(setup.minPage, setup.maxPage);
        if (setup.fromPage >= setup.minPage && setup.toPage >= setup.fromPage) {
            printer->setFromTo(setup.fromPage, setup.toPage);
            pagesSet = true;
        }
    }
    // The range chosen when the dialog was last left (before a preview), else every page.
    if (pagesSet && (setup.flags & platform::kPrintPageNums) != 0)
        printer->setPrintRange(QPrinter::PageRange);
    else if (offersSelection && (setup.flags & platform::kPrintSelection) != 0)
        printer->setPrintRange(QPrinter::Selection);
    else
        printer->setPrintRange(QPrinter::AllPages);

    // Preview sits beside Print and Cancel. It leaves the dialog as Print
    // does, so that what the teacher chose is kept, but gives no device.
    bool previewPressed = false;
    if ((setup.flags & platform::kPrintOfferPreview) != 0) {
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* preview = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
            preview->setObjectName(QStringLiteral("PreviewButton"));
            QObject::connect(preview, &QPushButton::clicked, &dialog, [&dialog, &previewPressed] {
                previewPressed = true;
                dialog.accept();
                // A choice the dialog refused keeps it open: Preview was not taken.
                if (dialog.isVisible()) previewPressed = false;
            });
        }
    }

    setup.previewChosen = false;
    const int result = dialog.exec();
    if (result != QDialog::Accepted) {
        setup.error = 0;
        return nullptr;
    }
    KeepChoices(*printer, setup);
    if (previewPressed) {
        setup.previewChosen = true;
        return nullptr;
    }
    // The job prints the range itself: the printer gets every page it is sent.
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    return DialogDevice(std::move(printer));
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
