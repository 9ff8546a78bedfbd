#pragma once
// What the class lists and blank forms share: a title line naming course and
// period, and a page counter of their own (the print dialog offers no page
// range for them).
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"
#include "reports/PageRecords.h"
#include "reports/Printout.h"

namespace quorle {

// prefix + course + ", Period " + period ("Grade Sheets for Biology, Period 3").
std::string ListTitle(std::string_view prefix, const ClassInfo& info);

// A printout of the roster that counts its own pages from 1.
class TRosterPrintout : public TPrintout {
public:
    // The roster is read, not copied: it must outlive the printout and stay
    // unchanged while the job runs (the class window is disabled meanwhile).
    TRosterPrintout(std::string title, const ClassRecord& record);

    // No page range: the dialog offers neither pages nor a selection.
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    // Every copy of a collated job starts again at the first page.
    void BeginCopy(int fromPage, int toPage, unsigned flags) override;
    bool PageExists(int page) override;
    // Prints the page the counter names (whatever the number passed) and
    // advances the counter.
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const std::vector<TStart>& Pages() const { return pages_; }

protected:
    virtual void PrintPage(platform::PrintDevice& device, const TStart& record) = 0;
    // The students of a page, clamped to the roster: first, last (inclusive).
    std::pair<int, int> RowsOf(const TStart& record) const;

    const std::vector<TStudent>& roster_;
    ClassInfo info_;
    std::vector<TStart> pages_;
    int pageCounter_ = 1;
};

// The first initial of a first name and "."; empty when there is no first name.
std::string FirstInitial(const TStudent& student);

}  // namespace quorle
