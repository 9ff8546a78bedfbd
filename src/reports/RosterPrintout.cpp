#include "reports/RosterPrintout.h"

#include <algorithm>

namespace quorle {

std::string ListTitle(std::string_view prefix, const ClassInfo& info) {
    std::string title(prefix);
    title += info.course.View();
    title += ", Period ";
    title += info.period.View();
    return title;
}

TRosterPrintout::TRosterPrintout(std::string title, const ClassRecord& record)
    : TPrintout(std::move(title)), roster_(record.roster), info_(record.info) {}

void TRosterPrintout::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferNoPageNumbers(minPage, maxPage, selFrom, selTo);
}

void TRosterPrintout::BeginCopy(int, int, unsigned) { pageCounter_ = 1; }

bool TRosterPrintout::PageExists(int) { return pageCounter_ >= 1 && pageCounter_ <= PageCount(); }

void TRosterPrintout::RenderPage(int, const platform::Rect&, unsigned) {
    if (device_ == nullptr || pageCounter_ < 1 || pageCounter_ > PageCount()) return;
    if (pageSize_.cx > 0 && pageSize_.cy > 0)
        PrintPage(*device_, pages_[static_cast<std::size_t>(pageCounter_ - 1)]);
    ++pageCounter_;
}

std::pair<int, int> TRosterPrintout::RowsOf(const TStart& record) const {
    const int lastRow = static_cast<int>(roster_.size()) - 1;
    return {std::max(1, record.first), std::min(record.last, lastRow)};
}

std::string FirstInitial(const TStudent& student) {
    if (student.firstName.Empty()) return {};
    return std::string(1, student.firstName.View().front()) + ".";
}

}  // namespace quorle
