#pragma once
// Reports that span pages: the page records that split the roster into pages,
// the page number, and the printout that keeps its own page counter.
#include <vector>

#include "platform/Canvas.h"
#include "platform/Print.h"
#include "reports/PrintJob.h"
#include "reports/Printout.h"

namespace quorle {

// "Page " and the number at (20, 10), on every page after the first.
void PrintPageNumber(platform::Canvas& canvas, int page);
// A further sheet of a page too long for the paper: "Page 3 (continued)" at
// the same place, whatever the page.
void PrintContinuedPageNumber(platform::Canvas& canvas, int page);

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

// Splits students 1..students into pages. A running sum starts at 0; while it
// is below the budget the next student joins the page and the sum grows by
// step; otherwise a new page begins with that student and the sum restarts at
// 0 without counting him. So with step 1 and budget 45 the first page takes
// 45 students and every later one 46. A page never starts empty: with no room
// at all each student gets a page of his own. No students: one empty page.
std::vector<TStart> SplitStudents(int students, long long step, long long budget);

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
    // Ends the sheet being printed and starts another for the rest of the
    // page, with the font selected again. False when the device failed: the
    // page stops there and the job on its error.
    bool StartFurtherSheet(platform::PrintDevice& device, const platform::FontSpec& font);

    TMyPrinter& printer_;
    std::vector<TStart> pages_{TStart{}};
    int pageCounter_ = 1;
};

}  // namespace quorle
