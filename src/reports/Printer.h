#pragma once
// The print job runner, the printout contract and the page conventions the
// class reports share: the report font, the measuring units, the page records,
// the class header and the page number.
#include <climits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Frame.h"
#include "platform/Print.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

// The spooler's not-reported bit: set in every negative spooler error.
inline constexpr int kSpoolNotReported = 0x4000;

// RenderPage flags: what the page may carry.
enum RenderFlag : unsigned { kRenderText = 1u << 0, kRenderGraphics = 1u << 1 };

// A printout: the document the job runner drives page by page onto a device.
class TPrintout {
public:
    explicit TPrintout(std::string title) : title_(std::move(title)) {}
    virtual ~TPrintout() = default;
    TPrintout(const TPrintout&) = delete;
    TPrintout& operator=(const TPrintout&) = delete;

    const std::string& Title() const { return title_; }
    bool WantsBanding() const { return wantsBanding_; }

    virtual void AttachDevice(platform::PrintDevice& device, platform::Size pageSize) {
        device_ = &device;
        pageSize_ = pageSize;
    }
    virtual void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
        minPage = 1;
        maxPage = INT_MAX;
        selFrom = 0;
        selTo = 0;
    }
    virtual void StartPrinting() {}
    virtual void BeginCopy(int /*fromPage*/, int /*toPage*/, unsigned /*flags*/) {}
    virtual bool PageExists(int page) { return page == 1; }
    virtual void RenderPage(int /*page*/, const platform::Rect& /*band*/, unsigned /*flags*/) {}
    virtual void EndCopy() {}
    virtual void FinishPrinting() {}

    // A spooler error met by a page that started a further page of its own
    // (0: none); the job stops on it as on any page's error.
    int PageError() const { return pageError_; }

protected:
    int pageError_ = 0;
    platform::PrintDevice* device_ = nullptr;
    platform::Size pageSize_;
    bool wantsBanding_ = false;

private:
    std::string title_;
};

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

private:
    void ReportError(platform::Ui& ui, const TPrintout& printout) const;

    platform::PrintSetup setup_;
    platform::Size pageSize_;
    int error_ = 1;
    std::unique_ptr<platform::PrintDevice> device_;
};

// "'%s' not printed. %s." filled with the title and the reason of a spooler
// error; empty for codes that show nothing.
std::string PrintErrorText(std::string_view title, int error);


// The report font: "Courier New", character height one N-th of the page height.
platform::FontSpec ReportFont(int pageHeight, int linesPerPage);
// Selects the report font on a page and gives it back (to select it again
// after a page break). When the report's widest line, in characters, would
// run past the page's width, the font is made just small enough for it to fit:
// the layout is counted in characters and lines, so it keeps its shape, and no
// column falls off the paper.
platform::FontSpec SelectReportFont(platform::Canvas& device, platform::Size page, int linesPerPage,
                                    int widestLineChars);
// The rounded multiply-divide of the platform: number * numerator / denominator.
int MulDiv(int number, int numerator, int denominator);

// The measuring units of a page, taken with the report font selected.
struct ReportUnits {
    int ten = 0;      // width of "XXXXXXXXXX"
    int fifteen = 0;  // width of "XXXXXXXXXXXXXXX"
    int line = 0;     // height of "X"
};
ReportUnits MeasureUnits(platform::Canvas& canvas);

// 3/7/1997: month, day and four-digit year without leading zeros.
std::string FormatDate(const platform::Date& date);

// "Page " and the number at (20, 10), on every page after the first.
void PrintPageNumber(platform::Canvas& canvas, int page);

// The class header: course and instructor, period and date. Returns the y
// where the report's body starts.
int PrintClassHeader(platform::Canvas& canvas, const ReportUnits& units, std::string_view prefix,
                     const ClassInfo& info, const platform::Date& today);

// One page of a report that spans pages: the first and last roster rows it
// prints, inclusive. A record whose last row is below its first prints no rows.
struct TStart {
    int first = 1;
    int last = 0;
    friend bool operator==(const TStart&, const TStart&) = default;
};

// Splits rows 1..costs.size() into pages by their line costs: a page takes
// rows while its count of lines stays below the budget. A row that alone
// reaches the budget gets a page of its own. No rows: one empty page.
std::vector<TStart> BuildPageRecords(const std::vector<int>& lineCosts, int budget);

// A report that keeps its own page counter: the grades report and the makeup
// work report. It prints the page whose record has the counter's number.
class TCountedPrintout : public TPrintout {
public:
    TCountedPrintout(std::string title, TMyPrinter& printer) : TPrintout(std::move(title)), printer_(printer) {}

    void AttachDevice(platform::PrintDevice& device, platform::Size pageSize) override;
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    void BeginCopy(int fromPage, int toPage, unsigned flags) override;
    bool PageExists(int page) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

    int PageCount() const { return static_cast<int>(pages_.size()); }

protected:
    // Prints one page: the record, and whether it is the last page of the job.
    virtual void PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) = 0;

    TMyPrinter& printer_;
    std::vector<TStart> pages_{TStart{}};
    int pageCounter_ = 1;
};

}  // namespace quorle
