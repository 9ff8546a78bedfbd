#pragma once
// Printer and PDF devices, and the platform print dialog.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
// The print preview: a modal window over the pages `render` draws onto the
// preview's printer, with zoom and page by page. True when Print was chosen.
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
