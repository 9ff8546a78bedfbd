#pragma once
// The two printed lists of a class's students: a page of random orderings
// (TRandomPrint) and the names with their ID numbers (TNameAndIDPrint).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/PageRecords.h"
#include "reports/Printout.h"
#include "reports/ReportFont.h"
#include "reports/RosterPrintout.h"

namespace quorle {

// One page of as many random orderings of the whole class as fit, each a
// block of names a few to the line. Seeds the process's generator with the
// clock when made; the blocks of the page continue its draws.
class TRandomPrint : public TPrintout {
public:
    TRandomPrint(const ClassRecord& record, platform::Ui& ui);

    // No page range; the page is the only one.
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

private:
    // One block from y: returns the y after it.
    int PrintBlock(platform::Canvas& device, const ReportUnits& units, int namesPerLine, int y);

    const std::vector<TStudent>& roster_;
    ClassInfo info_;
    // One mark per roster entry: drawn already in this block. The Possible
    // Points entry stays marked, so it is never drawn.
    std::vector<std::uint8_t> chosen_;
};

// Every student's last name, first name and ID in roster order, 45 on the
// first page and 46 on each later one.
class TNameAndIDPrint : public TRosterPrintout {
public:
    explicit TNameAndIDPrint(const ClassRecord& record);

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record) override;
};

}  // namespace quorle
