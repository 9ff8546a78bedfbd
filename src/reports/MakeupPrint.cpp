#include "reports/MakeupPrint.h"

#include <algorithm>

namespace quorle {

namespace {

constexpr int kMakeupLinesPerPage = 85;
constexpr int kMakeupLineBudget = 50;
constexpr const char* kMakeupPrefix = "    Makeup work for ";

}  // namespace

bool IsMissingWork(float value) { return value == 0.0f; }

int MissingWorkCount(const TStudent& student) {
    int count = 0;
    for (const auto& list : student.scores.lists)
        for (const auto& grade : list)
            if (IsMissingWork(grade.value)) ++count;
    return count;
}

int TMakeupPrint::LineCost(int missingCount) { return 1 + missingCount / 8; }

TMakeupPrint::TMakeupPrint(std::string title, const ClassRecord& record, TMyPrinter& printer, platform::Ui& ui)
    : TCountedPrintout(std::move(title), printer), roster_(record.roster), info_(record.info), today_(ui.Today()) {
    std::vector<int> costs;
    if (roster_.size() > 1) costs.reserve(roster_.size() - 1);
    for (std::size_t i = 1; i < roster_.size(); ++i) {
        const int missing = MissingWorkCount(roster_[i]);
        mostMissing_ = std::max(mostMissing_, missing);
        costs.push_back(LineCost(missing));
    }
    pages_ = BuildPageRecords(costs, kMakeupLineBudget);
}

void TMakeupPrint::PrintPage(platform::PrintDevice& device, const TStart& record, bool) {
    // A quarter of ten characters of margin, two names of fifteen, then at
    // most eight titles of ten (or "All work completed!").
    const int titles = std::min(8, mostMissing_);
    const platform::FontSpec font =
        SelectReportFont(device, pageSize_, kMakeupLinesPerPage, 3 + 30 + std::max(19, 10 * titles));
    const ReportUnits units = MeasureUnits(device);
    PrintPageNumber(device, pageCounter_);
    const int bodyTop = PrintClassHeader(device, units, kMakeupPrefix, info_, today_, pageSize_.cx);
    int y = bodyTop;
    // A line that would pass the bottom of the paper goes on a further sheet
    // of the page, under the class header. False when the device failed.
    auto room = [&] {
        if (static_cast<long long>(y) + units.line <= pageSize_.cy || y <= bodyTop) return true;
        if (!StartFurtherSheet(device, font)) return false;
        PrintContinuedPageNumber(device, pageCounter_);
        y = PrintClassHeader(device, units, kMakeupPrefix, info_, today_, pageSize_.cx);
        return true;
    };

    const int margin = units.ten / 4;
    const int firstTitle = margin + 2 * units.fifteen;
    const int last = std::min(record.last, static_cast<int>(roster_.size()) - 1);
    for (int i = std::max(1, record.first); i <= last; ++i) {
        const TStudent& student = roster_[static_cast<std::size_t>(i)];
        if (!room()) return;
        device.TextOut(margin, y, student.lastName.View());
        device.TextOut(margin + units.fifteen, y, student.firstName.View());
        int x = firstTitle;
        int counter = 0;
        bool any = false;
        for (int k = 0; k < kCategoryCount; ++k) {
            for (const auto& grade : student.scores[k]) {
                if (!IsMissingWork(grade.value)) continue;
                any = true;
                if (counter > 6) {
                    y += units.line;
                    if (!room()) return;
                    x = firstTitle;
                    counter = 0;
                } else {
                    ++counter;
                }
                device.TextOut(x, y, grade.title.View());
                x += units.ten;
            }
        }
        if (!any) device.TextOut(firstTitle, y, "All work completed!");
        y += units.line;
    }
    device.RestoreFont();
}

}  // namespace quorle
