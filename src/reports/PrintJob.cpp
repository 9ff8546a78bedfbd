#include "reports/PrintJob.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>

#include "platform/Text1252.h"

namespace quorle {

using platform::PrintDevice;
using platform::PrintSetup;

namespace {

constexpr const char* kPrintErrorCaption = "Print Error";
constexpr const char* kPrintErrorLabel = "'%s' not printed. %s.";

const char* SpoolErrorReason(int error) {
    switch (error) {
        case platform::kSpoolOutOfMemory: return "Out of memory";
        case platform::kSpoolOutOfDisk: return "Out of disk space";
        case platform::kSpoolAppAbort: return "Printing aborted in Print Manager";
        case platform::kSpoolUserAbort: return "Printing canceled";
        case platform::kSpoolGeneralError: return "Error encountered during print";
        default: return nullptr;
    }
}

// Every page of a job that asks for the whole document.
constexpr int kLastPossiblePage = INT_MAX;

}  // namespace

std::string PrintErrorText(std::string_view title, int error) {
    const char* reason = SpoolErrorReason(error);
    if (reason == nullptr) return {};
    const std::string_view label(kPrintErrorLabel);
    // Fill the markers one after the other, so a title holding "%s" stays as it is.
    const auto first = label.find("%s");
    const auto second = label.find("%s", first + 2);
    std::string out;
    out.append(label.substr(0, first));
    out.append(title);
    out.append(label.substr(first + 2, second - first - 2));
    out.append(reason);
    out.append(label.substr(second + 2));
    return out;
}

void TMyPrinter::ReportError(platform::Ui& ui, const TPrintout& printout) const {
    const std::string text = PrintErrorText(printout.Title(), error_);
    if (!text.empty()) ui.MessageBox(kPrintErrorCaption, text, platform::Buttons::Ok, platform::Icon::Stop);
}

namespace {
PrintOutputGuard& OutputGuard() {
    static PrintOutputGuard guard;
    return guard;
}
}  // namespace

void SetPrintOutputGuard(PrintOutputGuard guard) { OutputGuard() = std::move(guard); }

bool TMyPrinter::RunPrintJob(platform::Ui& ui, platform::ChildHost* parent, TPrintout& printout, bool prompt) {
    error_ = 1;
    ui.SetWaitCursor(true);

    // The printout's pages decide which range choices the dialog offers.
    int minPage = 0, maxPage = 0, selFrom = 0, selTo = 0;
    printout.GetPageRange(minPage, maxPage, selFrom, selTo);
    if (selFrom != 0) {
        setup_.flags &= ~platform::kPrintNoSelection;
        setup_.fromPage = selFrom;
        setup_.toPage = selTo;
    } else {
        setup_.flags |= platform::kPrintNoSelection;
        setup_.fromPage = 0;
        setup_.toPage = 999;
    }
    if (minPage != 0) {
        setup_.flags &= ~platform::kPrintNoPageNums;
        setup_.minPage = minPage;
        setup_.maxPage = maxPage;
        setup_.fromPage = std::clamp(setup_.fromPage, minPage, std::max(minPage, maxPage));
        setup_.toPage = std::clamp(setup_.toPage, minPage, std::max(minPage, maxPage));
    } else {
        setup_.flags |= platform::kPrintNoPageNums;
    }

    std::unique_ptr<PrintDevice> device;
    if (prompt) {
        setup_.flags &= ~(platform::kPrintSetupOnly | platform::kPrintReturnDefault);
        setup_.flags |= platform::kPrintReturnDc | platform::kPrintOfferPreview;
        ui.SetWaitCursor(false);
        // The dialog's Preview shows the pages; Print there comes back to the
        // dialog, closing the preview ends the job.
        for (;;) {
            setup_.error = 0;
            setup_.previewChosen = false;
            device = ui.PrintDialog(setup_);
            if (!device && setup_.error == platform::kPrintErrorDefaultChanged) {
                // The default printer changed under the dialog: forget the old one and ask again.
                setup_.printerName.clear();
                setup_.error = 0;
                setup_.previewChosen = false;
                device = ui.PrintDialog(setup_);
            }
            if (device || !setup_.previewChosen) break;
            setup_.previewChosen = false;
            if (!ui.PrintPreview(printout.Title(),
                                 [this, &printout](PrintDevice& preview) { RenderDocument(preview, printout); }))
                return false;
        }
        if (!device) return false;  // cancelled or failed: nothing else happens
        // A file of the program, or a link, is never printed over: nothing is written.
        if (const PrintOutputGuard& guard = OutputGuard(); guard && !setup_.outputFile.empty()) {
            if (const std::string refused = guard(setup_.outputFile); !refused.empty()) {
                const std::string name =
                    platform::Utf8ToCp1252Lossy(std::filesystem::path(setup_.outputFile).filename().string());
                ui.MessageBox("Warning", name + " " + refused + "; nothing was written.", platform::Buttons::Ok,
                              platform::Icon::Exclamation);
                return false;
            }
        }
        ui.SetWaitCursor(true);
    } else {
        device = device_ ? std::move(device_) : ui.DefaultPrintDevice(setup_);
        if (!device) {
            ui.SetWaitCursor(false);
            ui.MessageBox(kPrintErrorCaption, "Printer error", platform::Buttons::Ok, platform::Icon::Stop);
            return false;
        }
    }

    pageSize_ = platform::Size{device->DeviceCaps(platform::DeviceCap::HorizontalRes),
                               device->DeviceCaps(platform::DeviceCap::VerticalRes)};
    printout.AttachDevice(*device, pageSize_);

    ui.SetWaitCursor(false);
    if (parent != nullptr) parent->Enable(false);

    // No printout of the system asks for bands: the band is the whole page.
    const platform::Rect band{0, 0, pageSize_.cx, pageSize_.cy};

    const int requested = std::max(1, setup_.copies);
    int copiesPerPass = 1;
    // A PDF file holds every copy in its one document.
    const bool oneDocument = device->HoldsEveryCopy();
    if (!oneDocument && (setup_.flags & platform::kPrintCollate) == 0) {
        // A device that answers nonsense makes one copy per pass, so the copy loop ends.
        copiesPerPass = std::max(1, device->SetCopyCount(requested));
    }

    int fromPage = 1, toPage = kLastPossiblePage;
    const bool selectionChosen = (setup_.flags & platform::kPrintSelection) != 0;
    const bool pagesChosen = (setup_.flags & platform::kPrintPageNums) != 0;
    if ((prompt && selectionChosen) || selFrom != 0 || (prompt && pagesChosen)) {
        fromPage = setup_.fromPage;
        toPage = setup_.toPage;
    } else if (minPage != 0) {
        fromPage = minPage;
        toPage = maxPage;
    }

    // How many pages the job sends, for a device that shows how far it is (0: not known).
    const int passes = (requested + copiesPerPass - 1) / copiesPerPass;
    const std::int64_t lastPage = minPage != 0 ? std::min<std::int64_t>(toPage, maxPage) : toPage;
    const std::int64_t pagesPerPass = lastPage - fromPage + 1;
    const int jobPages = toPage == kLastPossiblePage || pagesPerPass <= 0 || pagesPerPass * passes > INT_MAX
                             ? 0
                             : static_cast<int>(pagesPerPass * passes);
    int pagesSent = 0;

    printout.StartPrinting();
    bool documentOpen = false;
    for (int copies = requested; copies > 0 && error_ > 0; copies -= copiesPerPass) {
        if (copiesPerPass > 1 && copies < copiesPerPass) device->SetCopyCount(copies);
        if (!documentOpen) error_ = device->StartDoc(printout.Title());
        documentOpen = oneDocument && error_ > 0;
        printout.BeginCopy(fromPage, toPage, kRenderText | kRenderGraphics);
        for (std::int64_t page = fromPage; error_ > 0 && page <= toPage && printout.PageExists(static_cast<int>(page));
             ++page) {
            if (!device->Continue(pagesSent, jobPages)) {
                error_ = platform::kSpoolUserAbort;
                break;
            }
            ++pagesSent;
            const int started = device->StartPage();
            if (started < 0) {
                error_ = started;
                break;
            }
            printout.RenderPage(static_cast<int>(page), band, kRenderText | kRenderGraphics);
            const int ended = device->EndPage();
            error_ = ended == 0 ? 1 : ended;
            if (printout.PageError() < 0 && error_ > 0) error_ = printout.PageError();
        }
        if (error_ > 0 && (!oneDocument || copies <= copiesPerPass)) {
            // A document the device could not finish (a PDF it could not write) is an error too.
            const int finished = device->EndDoc();
            if (finished < 0) error_ = finished;
        }
        printout.EndCopy();
    }
    printout.FinishPrinting();
    if (copiesPerPass > 1) device->SetCopyCount(1);

    if (parent != nullptr) parent->Enable(true);
    device.reset();
    if (error_ < 0 && (error_ & kSpoolNotReported) != 0) ReportError(ui, printout);
    return error_ > 0;
}

void TMyPrinter::RenderDocument(PrintDevice& device, TPrintout& printout) {
    // The preview shows every page; the range the teacher chose stays for the job.
    const int chosenFrom = setup_.fromPage;
    const int chosenTo = setup_.toPage;
    int minPage = 0, maxPage = 0, selFrom = 0, selTo = 0;
    printout.GetPageRange(minPage, maxPage, selFrom, selTo);
    // The pages a job without a chosen range prints.
    int fromPage = 1, toPage = kLastPossiblePage;
    if (selFrom != 0) {
        fromPage = selFrom;
        toPage = selTo;
    } else if (minPage != 0) {
        fromPage = minPage;
        toPage = maxPage;
    }
    const platform::Size size{device.DeviceCaps(platform::DeviceCap::HorizontalRes),
                              device.DeviceCaps(platform::DeviceCap::VerticalRes)};
    printout.AttachDevice(device, size);
    const platform::Rect band{0, 0, size.cx, size.cy};
    printout.StartPrinting();
    if (device.StartDoc(printout.Title()) > 0) {
        printout.BeginCopy(fromPage, toPage, kRenderText | kRenderGraphics);
        const int pages = toPage == kLastPossiblePage ? 0 : toPage - fromPage + 1;
        int done = 0;
        for (std::int64_t page = fromPage; page <= toPage && printout.PageExists(static_cast<int>(page)); ++page) {
            if (!device.Continue(done++, pages) || device.StartPage() < 0) break;
            printout.RenderPage(static_cast<int>(page), band, kRenderText | kRenderGraphics);
            if (device.EndPage() < 0 || printout.PageError() < 0) break;
        }
        printout.EndCopy();
        device.EndDoc();
    }
    printout.FinishPrinting();
    setup_.fromPage = chosenFrom;
    setup_.toPage = chosenTo;
}

bool TMyPrinter::RunPreview(platform::Ui& ui, platform::ChildHost* parent, TPrintout& printout) {
    const bool print =
        ui.PrintPreview(printout.Title(), [this, &printout](PrintDevice& device) { RenderDocument(device, printout); });
    if (!print) return false;
    return RunPrintJob(ui, parent, printout, true);
}

}  // namespace quorle
