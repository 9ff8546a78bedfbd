#pragma once
// Printer and PDF devices, and the platform print dialog.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Print.h"

class QPrinter;
class QWidget;

namespace quorle::qt {

// The platform print dialog over the setup; the chosen device, or nothing
// (cancelled, or setup.error tells why).
std::unique_ptr<platform::PrintDevice> RunPrintDialog(QWidget* parent, platform::PrintSetup& setup);
// A printer (or the print dialog's PDF file) as a device. The job runner
// decides about copies: one copy per document until it asks for more.
std::unique_ptr<platform::PrintDevice> PrinterDevice(std::unique_ptr<QPrinter> printer);
// A document handed to a print queue: the queue, the document's name, the
// copies the queue makes of each page and the options it is given
// ("sides=two-sided-long-edge").
struct QueueJob {
    std::string queue;
    std::string title;
    int copies = 1;
    std::vector<std::string> options;
};
// Hands a PDF file to the queue; false when the spooler did not take it.
using SubmitToQueue = std::function<bool(const std::string& pdfPath, const QueueJob& job)>;
// Through the spooler's own command (lp).
bool SubmitWithLp(const std::string& pdfPath, const QueueJob& job);
// A printer whose queue takes PDF (what the print dialog gives for one): its
// pages laid out as the printer lays them out (paper, margins, resolution),
// written by the program's own PDF writer and handed over by `submit` at the
// end of each document. Nothing when no private folder can be made.
std::unique_ptr<platform::PrintDevice> QueueDevice(std::unique_ptr<QPrinter> printer, SubmitToQueue submit);

// The print preview: a modal window over the pages `render` draws, each
// drawn when it is shown, with zoom and page by page; every button is in the
// tab order with its key, and the page shown reads as text to a screen
// reader. True when Print was chosen.
bool RunPrintPreview(QWidget* parent, std::string_view title,
                     const std::function<void(platform::PrintDevice&)>& render);
// The default printer, without asking.
std::unique_ptr<platform::PrintDevice> MakeDefaultPrintDevice(const platform::PrintSetup& setup);
// A PDF file device for headless use: pageSize "Letter", "A4", or empty for the
// locale's. Works without a display. Nothing for an unknown page size.
std::unique_ptr<platform::PrintDevice> MakePdfDevice(const std::string& path, const std::string& pageSize);
// The same, its bytes given to the sink (see MakePdfFileDevice).
std::unique_ptr<platform::PrintDevice> MakePdfDevice(std::function<bool(std::string_view bytes)> sink,
                                                     const std::string& pageSize);

// The page size a PDF gets when none is named: "Letter" where the locale
// prints on letter paper (the United States, Canada and their neighbours),
// else "A4".
std::string LocalePageSizeName();

// Makes the process's QGuiApplication when there is none yet (offscreen unless
// a platform is named in QT_QPA_PLATFORM); it is kept for the process.
void EnsureGuiApplication();

}  // namespace quorle::qt
