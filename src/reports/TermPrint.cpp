#include "reports/TermPrint.h"

#include <algorithm>

#include "reports/ClassHeader.h"

namespace quorle {
namespace {

// As the grades report: a character one 85th of the page high, 43 students
// to a page.
constexpr int kTermLinesPerPage = 85;
constexpr int kTermLineBudget = 44;
// The names and ID stand on every sheet.
constexpr std::size_t kNameColumns = 3;
// The left margin, in characters.
constexpr int kMarginChars = 10;
// The smallest the font is made for a table to fit across, in tenths of the report font.
constexpr int kSmallestTenths = 7;

// The grades report's widths: names fifteen characters, the ID five, figures ten.
int UsualChars(std::size_t column) {
    if (column < 2) return 15;
    return column == 2 ? 5 : 10;
}

}  // namespace

TTermPrint::TTermPrint(std::string title, TermReport report, TMyPrinter& printer, const platform::Date& today)
    : TCountedPrintout(std::move(title), printer), report_(std::move(report)), today_(today) {
    const std::size_t columns = std::max(report_.headings.size(), kNameColumns);
    report_.headings.resize(columns);
    for (auto& row : report_.rows) row.resize(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        std::size_t longest = report_.headings[c].size();
        for (const auto& row : report_.rows) longest = std::max(longest, row[c].size());
        chars_.push_back(std::max(UsualChars(c), static_cast<int>(std::min<std::size_t>(longest, 1000)) + 1));
    }
    pages_ = BuildPageRecords(std::vector<int>(report_.rows.size(), 1), kTermLineBudget);
}

int TTermPrint::PartChars(const Part& part) const {
    int chars = kMarginChars;
    for (std::size_t c = 0; c < kNameColumns; ++c) chars += chars_[c];
    for (std::size_t c = part.first; c < part.second; ++c) chars += chars_[c];
    return chars;
}

std::vector<TTermPrint::Part> TTermPrint::Parts(platform::PrintDevice& device) const {
    device.SelectFont(ReportFont(pageSize_.cy, kTermLinesPerPage));
    const long long ten = std::max(1, device.TextExtent("XXXXXXXXXX").cx);
    device.RestoreFont();
    // Characters across the paper in the smallest font allowed.
    const long long across = static_cast<long long>(pageSize_.cx) * 10 * 10 / (ten * kSmallestTenths);
    std::vector<Part> parts;
    Part part{kNameColumns, kNameColumns};
    for (std::size_t c = kNameColumns; c < chars_.size(); ++c) {
        if (part.second > part.first && PartChars(Part{part.first, c + 1}) > across) {
            parts.push_back(part);
            part.first = c;
        }
        part.second = c + 1;
    }
    parts.push_back(part);
    return parts;
}

int TTermPrint::StartBody(platform::Canvas& canvas, const Part& part) {
    int y = PrintClassHeader(canvas, units_, "", report_.info, today_, pageSize_.cx);
    // The subtitle in lines as wide as the paper, broken between words.
    const int room = pageSize_.cx - units_.ten;
    std::string line;
    std::size_t start = 0;
    while (start < report_.subtitle.size()) {
        std::size_t end = report_.subtitle.find(' ', start);
        if (end == std::string::npos) end = report_.subtitle.size();
        const std::string word = report_.subtitle.substr(start, end - start);
        start = end + 1;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (line.empty() || canvas.TextExtent(longer).cx <= room) {
            line = longer;
            continue;
        }
        canvas.TextOut(units_.ten, y, FitToRoom(canvas, line, room));
        y += units_.line;
        line = word;
    }
    if (!line.empty()) {
        canvas.TextOut(units_.ten, y, FitToRoom(canvas, line, room));
        y += 2 * units_.line;
    }
    PrintCells(canvas, report_.headings, part, y);
    return y + units_.line;
}

void TTermPrint::PrintCells(platform::Canvas& canvas, const std::vector<std::string>& cells, const Part& part,
                            int y) const {
    int x = units_.ten;
    auto cell = [&](std::size_t c) {
        if (!cells[c].empty()) canvas.TextOut(x, y, cells[c]);
        x += units_.ten * chars_[c] / 10;
    };
    for (std::size_t c = 0; c < kNameColumns; ++c) cell(c);
    for (std::size_t c = part.first; c < part.second; ++c) cell(c);
}

bool TTermPrint::MakeRoom(platform::PrintDevice& device, int& y, const Part& part) {
    if (static_cast<long long>(y) + units_.line <= pageSize_.cy || y <= bodyTop_) return true;
    if (!StartFurtherSheet(device, font_)) return false;
    PrintContinuedPageNumber(device, pageCounter_);
    y = StartBody(device, part);
    return true;
}

void TTermPrint::PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) {
    const std::vector<Part> parts = Parts(device);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Part& part = parts[p];
        if (p > 0 && !StartFurtherSheet(device, font_)) return;
        font_ = SelectReportFont(device, pageSize_, kTermLinesPerPage, PartChars(part));
        units_ = MeasureUnits(device);
        if (p > 0)
            PrintContinuedPageNumber(device, pageCounter_);
        else
            PrintPageNumber(device, pageCounter_);
        int y = StartBody(device, part);
        bodyTop_ = y;
        const int last = std::min(record.last, static_cast<int>(report_.rows.size()));
        for (int i = std::max(1, record.first); i <= last; ++i) {
            if (!MakeRoom(device, y, part)) return;
            PrintCells(device, report_.rows[static_cast<std::size_t>(i - 1)], part, y);
            y += units_.line;
        }
        // The class average under the last part, where the term averages are.
        if (lastOfJob && p + 1 == parts.size() && !report_.classAverage.empty()) {
            y += units_.line;
            if (!MakeRoom(device, y, part)) return;
            device.TextOut(0, y, "               Class Average is: " + report_.classAverage);
        }
    }
    device.RestoreFont();
}

}  // namespace quorle
