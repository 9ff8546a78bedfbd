#include "reports/ClassListsPrint.h"

#include <algorithm>

#include "record/Random.h"

namespace quorle {

namespace {

constexpr int kListLinesPerPage = 72;
// Students on the first page of a list; later pages take one more.
constexpr int kFirstPageStudents = 45;

}  // namespace

// ------------------------------------------------------------------ Random list

TRandomPrint::TRandomPrint(const ClassRecord& record, platform::Ui& ui)
    : TPrintout("Random Lists"), roster_(record.roster), info_(record.info), chosen_(record.roster.size(), 0) {
    if (!chosen_.empty()) chosen_[0] = 1;
    ProcessRandom().Seed(static_cast<std::uint32_t>(ui.Now()));
}

void TRandomPrint::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferNoPageNumbers(minPage, maxPage, selFrom, selTo);
}

int TRandomPrint::PrintBlock(platform::Canvas& device, const ReportUnits& units, int namesPerLine, int y) {
    const int n = static_cast<int>(roster_.size());
    const int width = device.TextExtent("X").cx;
    const int left = units.ten / 2;
    int x = left;
    int place = 1;
    RandomGenerator& random = ProcessRandom();
    for (int s = 1; s < n; ++s) {
        if (place > namesPerLine) {
            y += units.line;
            x = left;
            place = 1;
        }
        // Some entry is unmarked while students remain, and every residue
        // comes up: the generator runs through all 2^64 states.
        int k = 0;
        do {
            k = static_cast<int>(random.Next() % static_cast<std::uint32_t>(n));
        } while (chosen_[static_cast<std::size_t>(k)] != 0);
        chosen_[static_cast<std::size_t>(k)] = 1;
        const TStudent& student = roster_[static_cast<std::size_t>(k)];
        device.TextOut(x, y, student.firstName.View());
        x += units.fifteen;
        device.TextOut(x, y, student.lastName.View());
        x += units.fifteen + 2 * width;
        ++place;
    }
    y += 3 * units.line;
    std::fill(chosen_.begin() + (chosen_.empty() ? 0 : 1), chosen_.end(), std::uint8_t{0});
    return y;
}

void TRandomPrint::RenderPage(int, const platform::Rect&, unsigned) {
    if (device_ == nullptr || pageSize_.cx <= 0 || pageSize_.cy <= 0) return;
    platform::PrintDevice& device = *device_;
    const std::string title = ListTitle("Random List for ", info_);
    const int titleChars = 5 + static_cast<int>(title.size());
    SelectReportFont(device, pageSize_, kListLinesPerPage, titleChars);
    const int fifteen = MeasureUnits(device).fifteen;
    const int namesPerLine = std::max(1, fifteen > 0 ? pageSize_.cx / (2 * fifteen) : 1);
    // The names per line follow from the page's font; when the last place's
    // longest last name would then run off the paper, or the first block
    // below it, the font is made smaller and the lines keep their places.
    const int students = static_cast<int>(roster_.size()) - 1;
    std::size_t longestLast = 0;
    for (int s = 1; s <= students; ++s)
        longestLast = std::max(longestLast, roster_[static_cast<std::size_t>(s)].lastName.View().size());
    const int places = std::min(namesPerLine, students);
    const int rowChars = places < 1 ? 0 : 5 + (places - 1) * 32 + 15 + static_cast<int>(longestLast);
    const int blockLines = students < 1 ? 0 : (students + namesPerLine - 1) / namesPerLine;
    SelectReportFont(device, pageSize_, kListLinesPerPage, std::max(titleChars, rowChars), 7 + blockLines);
    const ReportUnits units = MeasureUnits(device);

    int y = 5 * units.line;
    device.TextOut(units.ten / 2, y, title);
    y += 2 * units.line;

    // The first block always prints; another follows while one as high as
    // the last still ends above the bottom of the page.
    int height = 0;
    do {
        const int top = y;
        y = PrintBlock(device, units, namesPerLine, y);
        height = y - top;
    } while (height > 0 && static_cast<long long>(height) + y < pageSize_.cy);
    device.RestoreFont();
}

// -------------------------------------------------------------- Names and IDs

TNameAndIDPrint::TNameAndIDPrint(const ClassRecord& record) : TRosterPrintout("Names and IDs", record) {
    pages_ = SplitStudents(record.StudentCount(), 1, kFirstPageStudents);
}

void TNameAndIDPrint::PrintPage(platform::PrintDevice& device, const TStart& record) {
    const std::string title = ListTitle("Names and ID's for ", info_);
    // Ten characters of margin, two names of fifteen and the ID.
    SelectReportFont(device, pageSize_, kListLinesPerPage, 10 + std::max(35, static_cast<int>(title.size())));
    const ReportUnits units = MeasureUnits(device);
    const int name = units.ten;
    const int first = units.ten + units.fifteen;
    const int id = units.ten + 2 * units.fifteen;

    int y = 5 * units.line;
    device.TextOut(name, y, title);
    y += 2 * units.line;
    device.TextOut(name, y, "Last Name");
    device.TextOut(first, y, "First Name");
    device.TextOut(id, y, "ID#");
    y += units.line;
    const auto [from, to] = RowsOf(record);
    for (int i = from; i <= to; ++i) {
        const TStudent& student = roster_[static_cast<std::size_t>(i)];
        device.TextOut(name, y, student.lastName.View());
        device.TextOut(first, y, student.firstName.View());
        device.TextOut(id, y, student.id.View());
        y += units.line;
    }
    device.RestoreFont();
}

}  // namespace quorle
