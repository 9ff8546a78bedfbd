#include "classwin/ClassPicture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "reports/ReportFont.h"

namespace quorle {

namespace {

// An average as it is shown, in hundredths: the digits of FormatScore.
long long ShownHundredths(float average) {
    long long hundredths = 0;
    for (const char c : FormatScore(average))
        if (c >= '0' && c <= '9') hundredths = hundredths * 10 + (c - '0');
    return hundredths;
}

constexpr const char* kPlainLetters[] = {"A", "B", "C", "D", "F"};
constexpr const char* kPlusLetters[] = {"A+", "A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-", "F"};

// Characters the picture's layout needs across: a page's font is made small
// enough for this many (or the title or note, when longer).
constexpr int kPictureWidthChars = 56;

std::string PictureNote(const ClassRecord& record, const ClassPictureFigures& figures) {
    if (record.StudentCount() == 0) return "The class has no students yet.";
    return LeftOutNote(figures.leftOut);
}

// Draws a text with its middle at x; the box it covers.
platform::Rect CentredText(platform::Canvas& canvas, int x, int y, const std::string& text) {
    const platform::Size size = canvas.TextExtent(text);
    canvas.TextOut(x - size.cx / 2, y, text);
    return platform::Rect{x - size.cx / 2, y, x - size.cx / 2 + size.cx, y + size.cy};
}

// An upright line from top to bottom that leaves out the texts it would cross.
void LineAroundTexts(platform::Canvas& canvas, int x, int top, int bottom, int pen, std::vector<platform::Rect> texts) {
    std::sort(texts.begin(), texts.end(), [](const platform::Rect& a, const platform::Rect& b) { return a.top < b.top; });
    int from = top;
    for (const platform::Rect& text : texts) {
        if (x < text.left - pen || x > text.right + pen || text.bottom <= from || text.top >= bottom) continue;
        if (text.top - pen > from) canvas.Line(x, from, x, text.top - pen, pen);
        from = std::max(from, text.bottom + pen);
    }
    if (from < bottom) canvas.Line(x, from, x, bottom, pen);
}

}  // namespace

int BarHeight(int count, int most, int plotHeight) {
    if (count <= 0 || most <= 0 || plotHeight <= 0) return 0;
    const long long scaled = static_cast<long long>(std::min(count, most)) * plotHeight / most;
    return static_cast<int>(std::max(1LL, scaled));
}

int AverageBand(float average) {
    if (std::isnan(average) || average < 0.0f) return 0;
    if (average > 1000.0f) return kOverHundredBand;
    const long long hundredths = ShownHundredths(average);
    if (hundredths > 10000) return kOverHundredBand;
    if (hundredths == 10000) return kAverageBands - 1;
    return static_cast<int>(hundredths / 500);
}

bool HasGradedWork(const TStudent& student) {
    for (const auto& list : student.scores.lists)
        for (const TGrades& grade : list)
            if (!IsOmitted(grade.value)) return true;
    return false;
}

ClassPictureFigures FigureClassPicture(const ClassRecord& record) {
    ClassPictureFigures figures;
    const GradingSystem& system = record.grading;
    if (system.plusMinusFlag == 1)
        figures.letters.assign(std::begin(kPlusLetters), std::end(kPlusLetters));
    else
        figures.letters.assign(std::begin(kPlainLetters), std::end(kPlainLetters));
    figures.letterCounts.assign(figures.letters.size(), 0);
    if (record.roster.empty()) return figures;

    const TStudent& possible = record.roster[0];
    // The class average over the students counted: the class's own when
    // nobody is left out, else over a roster of those counted.
    const bool anyLeftOut =
        std::any_of(record.roster.begin() + 1, record.roster.end(), [](const TStudent& s) { return !HasGradedWork(s); });
    std::vector<TStudent> counted;
    if (anyLeftOut) counted.push_back(possible);
    for (int row = 1; row < record.RowCount(); ++row) {
        const TStudent& student = record.Row(row);
        if (!HasGradedWork(student)) {
            ++figures.leftOut;
            continue;
        }
        ++figures.counted;
        const float average = OverallAverage(system, possible, student);
        const std::string letter = platform::TrimPadding(LetterGrade(system, average));
        const auto at = std::find(figures.letters.begin(), figures.letters.end(), letter);
        if (at != figures.letters.end()) ++figures.letterCounts[static_cast<std::size_t>(at - figures.letters.begin())];
        ++figures.bandCounts[static_cast<std::size_t>(AverageBand(average))];
        if (anyLeftOut) counted.push_back(student);
    }
    figures.classAverage = anyLeftOut ? ClassAverage(system, counted) : ClassAverage(system, record.roster);
    return figures;
}

std::string ClassPictureTitle(const ClassRecord& record) {
    std::string name = platform::TrimPadding(record.info.course.View());
    if (name.empty() && !record.fileName.empty())
        name = platform::Utf8ToCp1252Lossy(std::filesystem::path(record.fileName).filename().string());
    if (name.empty()) name = "Untitled";
    std::string title = "Class Picture - " + name;
    const std::string period = platform::TrimPadding(record.info.period.View());
    if (!period.empty()) title += ", Period " + period;
    return title;
}

namespace {

std::string Students(int count) { return std::to_string(count) + (count == 1 ? " student" : " students"); }

}  // namespace

std::vector<std::string> ClassPictureLines(const ClassRecord& record) {
    const ClassPictureFigures figures = FigureClassPicture(record);
    std::vector<std::string> lines{"Letter grades"};
    for (std::size_t k = 0; k < figures.letters.size() && k < figures.letterCounts.size(); ++k)
        lines.push_back(figures.letters[k] + ": " + Students(figures.letterCounts[k]));
    lines.push_back("Overall averages");
    for (int band = 0; band <= kOverHundredBand; ++band) {
        const int count = figures.bandCounts[static_cast<std::size_t>(band)];
        if (count == 0) continue;
        const std::string range = band == kOverHundredBand ? std::string(kOverHundredLabel)
                                  : band == kAverageBands - 1
                                      ? "95 to 100"
                                      : std::to_string(band * 5) + " to " + std::to_string(band * 5 + 4) + ".99";
        lines.push_back(range + ": " + Students(count));
    }
    if (figures.counted > 0) lines.push_back("Class Average " + platform::TrimPadding(FormatScore(figures.classAverage)));
    if (const std::string note = LeftOutNote(figures.leftOut); !note.empty()) lines.push_back(note);
    return lines;
}

std::string ClassPictureDescription(const ClassRecord& record) {
    const ClassPictureFigures figures = FigureClassPicture(record);
    return "Letter grades and overall averages of " + Students(figures.counted) + ".";
}

std::string LeftOutNote(int leftOut) {
    if (leftOut <= 0) return {};
    if (leftOut == 1) return "1 student with nothing graded yet is not counted.";
    return std::to_string(leftOut) + " students with nothing graded yet are not counted.";
}

void PaintClassPicture(platform::Canvas& canvas, const ClassRecord& record, platform::Size area, bool onPaper) {
    const ClassPictureFigures figures = FigureClassPicture(record);
    const std::string title = ClassPictureTitle(record);
    const std::string note = PictureNote(record, figures);
    if (onPaper) {
        const int widest = std::max({kPictureWidthChars, static_cast<int>(title.size()), static_cast<int>(note.size())});
        SelectReportFont(canvas, area, kPictureLinesPerPage, widest);
    } else {
        canvas.SelectFont(platform::CourierFont(kPictureScreenFontHeight));
        area.cx = std::max(area.cx, kPictureMinimumArea.cx);
        area.cy = std::max(area.cy, kPictureMinimumArea.cy);
    }
    const int line = std::max(1, canvas.TextExtent("X").cy);
    const int pen = onPaper ? std::max(1, line / 16) : 1;
    const int margin = line;
    const int left = margin + line;
    const int right = std::max(left + 1, area.cx - margin);
    const int quarter = line / 4;
    const int half = line / 2;

    // Down the area: title, the letters' plot, the averages' plot, the note;
    // the two plots share what the texts leave.
    const int letterTexts = line + half + line + quarter + line;
    const int averageTexts = line + half + line + line + half + quarter + line;
    const int fixed = margin + 2 * line + letterTexts + 3 * half + averageTexts + half + line + margin;
    const int plotHeight = std::max(2 * line, (area.cy - fixed) / 2);

    int y = margin;
    canvas.TextOut(margin, y, title);
    y += 2 * line;

    // Letter grades: a bar per letter, the count over it, the letter under it.
    canvas.TextOut(margin, y, "Letter grades");
    y += line + half + line;
    {
        const int base = y + plotHeight;
        const int letters = static_cast<int>(figures.letters.size());
        const int slot = (right - left) / letters;
        const int barWidth = std::max(1, slot * 3 / 5);
        const int most = std::max(1, *std::max_element(figures.letterCounts.begin(), figures.letterCounts.end()));
        for (int i = 0; i < letters; ++i) {
            const int count = figures.letterCounts[static_cast<std::size_t>(i)];
            const int x = left + i * slot + (slot - barWidth) / 2;
            const int height = BarHeight(count, most, plotHeight);
            if (height > 0) canvas.Rectangle(platform::Rect{x, base - height, x + barWidth, base}, pen);
            CentredText(canvas, x + barWidth / 2, base - height - line - pen, std::to_string(count));
            CentredText(canvas, x + barWidth / 2, base + quarter, figures.letters[static_cast<std::size_t>(i)]);
        }
        canvas.Line(left, y - line, left, base, pen);
        canvas.Line(left, base, right, base, pen);
        y = base + quarter + line + 3 * half;
    }

    // Overall averages: bands of 5 points, the class average marked.
    canvas.TextOut(margin, y, "Overall averages");
    y += line + half;
    const int averageRow = y;
    // The class average's label, then room for the counts over the bars.
    y += 2 * line + half;
    {
        const int base = y + plotHeight;
        const bool overHundred = figures.bandCounts[kOverHundredBand] > 0;
        // The band above 100 stands one band's width apart, right of 100.
        const int overSlot = kAverageBands + 1;
        const int slot = (right - left) / (overHundred ? overSlot + 1 : kAverageBands);
        const int gap = std::max(1, slot / 12);
        const int most = std::max(1, *std::max_element(figures.bandCounts.begin(), figures.bandCounts.end()));
        std::vector<platform::Rect> counts;
        for (int band = 0; band <= kOverHundredBand; ++band) {
            const int count = figures.bandCounts[static_cast<std::size_t>(band)];
            if (count == 0) continue;
            const int x = left + (band == kOverHundredBand ? overSlot : band) * slot;
            const int height = BarHeight(count, most, plotHeight);
            canvas.Rectangle(platform::Rect{x + gap, base - height, x + slot - gap, base}, pen);
            counts.push_back(CentredText(canvas, x + slot / 2, base - height - line - pen, std::to_string(count)));
        }
        canvas.Line(left, y - line, left, base, pen);
        canvas.Line(left, base, right, base, pen);
        // The edges every 10 points, and the band above 100 by its name.
        for (int band = 0; band <= kAverageBands; band += 2) {
            const int x = left + band * slot;
            canvas.Line(x, base, x, base + quarter, pen);
            CentredText(canvas, x, base + quarter, std::to_string(band * 5));
        }
        if (overHundred) CentredText(canvas, left + overSlot * slot + slot / 2, base + quarter, kOverHundredLabel);
        if (figures.counted > 0) {
            const long long shown = ShownHundredths(figures.classAverage);
            const int x = shown <= 10000 ? left + static_cast<int>(shown * slot / 500)
                                         : left + overSlot * slot + slot / 2;
            LineAroundTexts(canvas, x, averageRow + line, base, 2 * pen, counts);
            const std::string label = "Class Average " + platform::TrimPadding(FormatScore(figures.classAverage));
            const int width = canvas.TextExtent(label).cx;
            canvas.TextOut(std::clamp(x - width / 2, left, std::max(left, right - width)), averageRow, label);
        }
        y = base + quarter + line + half;
    }

    if (!note.empty()) canvas.TextOut(margin, y, note);
    canvas.RestoreFont();
}

TClassPicturePrint::TClassPicturePrint(const ClassRecord& record) : TPrintout(kPicturePrintTitle), record_(record) {}

void TClassPicturePrint::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferNoPageNumbers(minPage, maxPage, selFrom, selTo);
}

void TClassPicturePrint::RenderPage(int, const platform::Rect&, unsigned) {
    if (!device_ || pageSize_.cx <= 0 || pageSize_.cy <= 0) return;
    PaintClassPicture(*device_, record_, pageSize_, true);
}

}  // namespace quorle
