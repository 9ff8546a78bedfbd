#include "reports/PageRecords.h"

#include <algorithm>
#include <string>

namespace quorle {

void PrintPageNumber(platform::Canvas& canvas, int page) {
    if (page > 1) canvas.TextOut(20, 10, "Page " + std::to_string(page));
}

void PrintContinuedPageNumber(platform::Canvas& canvas, int page) {
    canvas.TextOut(20, 10, "Page " + std::to_string(page) + " (continued)");
}

std::vector<TStart> BuildPageRecords(const std::vector<int>& lineCosts, int budget) {
    std::vector<TStart> pages;
    TStart current{1, 0};
    int count = 0;
    const int rows = static_cast<int>(lineCosts.size());
    for (int i = 1; i <= rows; ++i) {
        const int cost = lineCosts[static_cast<std::size_t>(i - 1)];
        count += cost;
        // A row that alone reaches the budget stays on the page it starts
        // rather than leaving an empty page before it.
        if (count >= budget && i > current.first) {
            current.last = i - 1;
            pages.push_back(current);
            current = TStart{i, 0};
            count = cost;
        }
    }
    current.last = rows;
    pages.push_back(current);
    return pages;
}

std::vector<TStart> SplitStudents(int students, long long step, long long budget) {
    std::vector<TStart> pages;
    TStart current{1, 0};
    long long sum = 0;
    for (int s = 1; s <= students; ++s) {
        const bool pageEmpty = current.last < current.first;
        if (sum < budget || pageEmpty) {
            current.last = s;
            sum += step;
        } else {
            pages.push_back(current);
            current = TStart{s, s};
            sum = 0;
        }
    }
    pages.push_back(current);
    return pages;
}

void TCountedPrintout::AttachDevice(platform::PrintDevice& device, platform::Size pageSize) {
    TPrintout::AttachDevice(device, pageSize);
    pageCounter_ = printer_.Setup().fromPage;
}

void TCountedPrintout::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferEveryPage(PageCount(), printer_.Setup(), minPage, maxPage, selFrom, selTo);
}

void TCountedPrintout::BeginCopy(int fromPage, int, unsigned) {
    // Every copy starts again at the first page of the range.
    pageCounter_ = fromPage;
}

// A range the dialog let run past the report ends with the report's last page.
bool TCountedPrintout::PageExists(int) {
    return pageCounter_ <= printer_.Setup().toPage && pageCounter_ <= PageCount();
}

void TCountedPrintout::RenderPage(int, const platform::Rect&, unsigned) {
    if (device_ == nullptr || pageCounter_ < 1 || pageCounter_ > PageCount()) return;
    if (pageSize_.cx > 0 && pageSize_.cy > 0)
        PrintPage(*device_, pages_[static_cast<std::size_t>(pageCounter_ - 1)],
                  pageCounter_ == std::min(printer_.Setup().toPage, PageCount()));
    ++pageCounter_;
}

bool TCountedPrintout::StartFurtherSheet(platform::PrintDevice& device, const platform::FontSpec& font) {
    device.RestoreFont();
    const int ended = device.EndPage();
    const int started = ended < 0 ? ended : device.StartPage();
    if (started < 0) {
        pageError_ = started;
        return false;
    }
    device.SelectFont(font);
    return true;
}

}  // namespace quorle
