#pragma once
// The printing device and the setup the print dialog shares with the job runner.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace quorle::platform {

// Setup flags, as the print dialog knows them.
enum PrintFlag : unsigned {
    kPrintSelection = 1u << 0,      // the user chose "Selection"
    kPrintPageNums = 1u << 1,       // the user chose a page range
    kPrintNoSelection = 1u << 2,    // the selection choice is disabled
    kPrintNoPageNums = 1u << 3,     // the page range choice is disabled
    kPrintCollate = 1u << 4,
    kPrintReturnDc = 1u << 5,
    kPrintSetupOnly = 1u << 6,
    kPrintReturnDefault = 1u << 7,
    kPrintOfferPreview = 1u << 8,   // the dialog offers a Preview button
};

// The dialog's error when the default printer changed under it.
inline constexpr int kPrintErrorDefaultChanged = 4108;

struct PrintSetup {
    int minPage = 0;
    int maxPage = 0;
    int fromPage = 0;
    int toPage = 0;
    unsigned flags = 0;
    int copies = 1;
    int error = 0;  // the dialog's last error; 0 for a cancel
    std::string printerName;
    // The file the dialog prints to instead of a printer (empty: a printer).
    std::string outputFile;
    // The dialog was left through its Preview button (it gives no device then).
    bool previewChosen = false;
};

// Spooler results: greater than 0 is success.
inline constexpr int kSpoolGeneralError = -1;
inline constexpr int kSpoolUserAbort = -2;
inline constexpr int kSpoolAppAbort = -3;
inline constexpr int kSpoolOutOfDisk = -4;
inline constexpr int kSpoolOutOfMemory = -5;

// A printer (or PDF file) device: a canvas plus the job calls.
class PrintDevice : public Canvas {
public:
    virtual int StartDoc(std::string_view documentName) = 0;
    virtual int StartPage() = 0;
    virtual int EndPage() = 0;
    virtual int EndDoc() = 0;
    // Asks the device to make the copies itself; returns how many it makes per pass.
    virtual int SetCopyCount(int copies) = 0;
    virtual bool CanBand() const { return false; }
    // A device whose one document holds every copy (a PDF file): the copies
    // go into that document one after the other.
    virtual bool HoldsEveryCopy() const { return false; }
    // Asked before each page of a job: `page` pages are done of `pages` (0
    // when the count is not known). A device that takes long shows how far
    // the job is with a Cancel; false stops the job (the person cancelled, or
    // the device has all it wants).
    virtual bool Continue(int /*page*/, int /*pages*/) { return true; }
};

// A device that hands every call on to another one: the base of a device
// that adds to one part of the job (counting its pages, handing its file to a
// print queue) and leaves the rest as the inner device does it.
class ForwardingPrintDevice : public PrintDevice {
public:
    explicit ForwardingPrintDevice(std::unique_ptr<PrintDevice> inner = nullptr) : inner_(std::move(inner)) {}

    void SelectFont(const FontSpec& font) override { inner_->SelectFont(font); }
    void RestoreFont() override { inner_->RestoreFont(); }
    Size TextExtent(std::string_view text) override { return inner_->TextExtent(text); }
    void TextOut(int x, int y, std::string_view text) override { inner_->TextOut(x, y, text); }
    void SetTextColor(Color color) override { inner_->SetTextColor(color); }
    void SetDefaultTextColor() override { inner_->SetDefaultTextColor(); }
    void SetBackgroundTransparent(bool transparent) override { inner_->SetBackgroundTransparent(transparent); }
    void Line(int x1, int y1, int x2, int y2, int penWidth) override { inner_->Line(x1, y1, x2, y2, penWidth); }
    void Rectangle(const Rect& rect, int penWidth) override { inner_->Rectangle(rect, penWidth); }
    void Lines(std::span<const LineSegment> lines, int penWidth) override { inner_->Lines(lines, penWidth); }
    int DeviceCaps(DeviceCap cap) const override { return inner_->DeviceCaps(cap); }
    int StartDoc(std::string_view documentName) override { return inner_->StartDoc(documentName); }
    int StartPage() override { return inner_->StartPage(); }
    int EndPage() override { return inner_->EndPage(); }
    int EndDoc() override { return inner_->EndDoc(); }
    int SetCopyCount(int copies) override { return inner_->SetCopyCount(copies); }
    bool CanBand() const override { return inner_->CanBand(); }
    bool HoldsEveryCopy() const override { return inner_->HoldsEveryCopy(); }
    bool Continue(int page, int pages) override { return inner_->Continue(page, pages); }

protected:
    // The device handed on to, when it is made after this one.
    void SetInner(std::unique_ptr<PrintDevice> inner) { inner_ = std::move(inner); }
    // Nothing when the inner device could not be made.
    bool HasInner() const { return inner_ != nullptr; }

private:
    std::unique_ptr<PrintDevice> inner_;
};

}  // namespace quorle::platform
