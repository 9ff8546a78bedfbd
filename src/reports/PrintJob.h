#pragma once
// The print job runner: the print dialog, then every copy of every page in
// range, and the message for a spooler error.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Frame.h"
#include "platform/Print.h"
#include "platform/Ui.h"
#include "reports/Printout.h"

namespace quorle {

// The spooler's not-reported bit: set in every negative spooler error.
inline constexpr int kSpoolNotReported = 0x4000;

// The job runner. One lives for one report command; the setup (printer, copies,
// range) is shared with the print dialog.
class TMyPrinter {
public:
    TMyPrinter() = default;

    platform::PrintSetup& Setup() { return setup_; }
    const platform::PrintSetup& Setup() const { return setup_; }

    // The device a job without prompt prints on (a PDF file for the command
    // line); without one such a job asks the platform for the default printer.
    void SetDevice(std::unique_ptr<platform::PrintDevice> device) { device_ = std::move(device); }

    // Runs the whole job: the print dialog (with prompt), then every copy of
    // every page in range. The parent (may be null) is disabled while pages are
    // made. True when the job ended without error; a cancelled dialog gives
    // false and does nothing else.
    bool RunPrintJob(platform::Ui& ui, platform::ChildHost* parent, TPrintout& printout, bool prompt);

    // The print preview of the printout: its pages as the job would print
    // them. Print in the preview goes on to the print dialog and the job, as
    // RunPrintJob with prompt; closing the preview prints nothing (false).
    bool RunPreview(platform::Ui& ui, platform::ChildHost* parent, TPrintout& printout);

private:
    // One document of every page the printout offers, onto the preview's
    // device, until the device has what it wants (its Continue). The setup's
    // page range is left as the teacher chose it.
    void RenderDocument(platform::PrintDevice& device, TPrintout& printout);
    void ReportError(platform::Ui& ui, const TPrintout& printout) const;

    platform::PrintSetup setup_;
    platform::Size pageSize_;
    int error_ = 1;
    std::unique_ptr<platform::PrintDevice> device_;
};

// What stands at a file the print dialog prints to that a job may not
// replace ("is a symbolic link", "would write over a class file"), or empty.
// The program sets it once; without it every file may be printed to.
using PrintOutputGuard = std::function<std::string(const std::string& path)>;
void SetPrintOutputGuard(PrintOutputGuard guard);

// "'%s' not printed. %s." filled with the title and the reason of a spooler
// error; empty for codes that show nothing.
std::string PrintErrorText(std::string_view title, int error);

}  // namespace quorle
