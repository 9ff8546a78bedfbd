#include "reports/GradesPrint.h"

#include <filesystem>

#include "grading/Compute.h"
#include "grading/GradeColumns.h"
#include "record/Binary.h"
#include "resources/ReportDialogs.h"

namespace quorle {

namespace {

constexpr int kGradesLinesPerPage = 85;
constexpr int kGradesLineBudget = 44;
constexpr int kColumnsPerBand = 9;
// The class header ends where the body starts: 9 lines down.
constexpr int kBodyLines = 9;


bool Chosen(const PrintOptions& options, int index) { return options[static_cast<std::size_t>(index)] == 1; }

}  // namespace

PrintOptions DefaultPrintOptions() {
    PrintOptions options{};
    options[kPrintCurrentOrder] = 1;
    return options;
}

void ParsePrintOptions(std::span<const unsigned char> bytes, PrintOptions& options) { ReadInt32s(bytes, options); }

std::vector<unsigned char> SerializePrintOptions(const PrintOptions& options) { return Int32sBytes(options); }

std::string PrintOptionPath(const std::string& programDirectory) {
    return ProgramFilePath(programDirectory, kPrintOptionFile);
}

void LoadPrintOptions(const std::string& programDirectory, PrintOptions& options) {
    const auto bytes = ReadWholeFile(PrintOptionPath(programDirectory));
    if (!bytes) {
        options = DefaultPrintOptions();
        return;
    }
    ParsePrintOptions(*bytes, options);
}

bool SavePrintOptions(const std::string& programDirectory, const PrintOptions& options) {
    return WriteFileAtomically(PrintOptionPath(programDirectory), SerializePrintOptions(options));
}

TGradePrintDialog::TGradePrintDialog(PrintOptions& options, std::string extra1Name, std::string extra2Name)
    : Dialog(resources::GradePrintDialogResource()),
      options_(options),
      extra1_(std::move(extra1Name)),
      extra2_(std::move(extra2Name)) {}

void TGradePrintDialog::SetupWindow(platform::DialogHost& host) {
    for (int id = resources::kIdFirstPrintBox; id <= resources::kIdLastPrintBox; ++id)
        host.SetChecked(id, Chosen(options_, id - resources::kIdFirstPrintBox));
    // The order is a pair of radio buttons: only Rank = 1 prints in rank order,
    // so anything else shows Current.
    const bool rank = Chosen(options_, kPrintRankOrder);
    host.SetChecked(resources::kIdPrintCurrent, !rank);
    host.SetChecked(resources::kIdPrintRank, rank);

    const int extra1Labels[] = {resources::kIdPrintExtra1, resources::kIdPrintExtra1Average,
                                resources::kIdPrintExtra1Points};
    const int extra2Labels[] = {resources::kIdPrintExtra2, resources::kIdPrintExtra2Average,
                                resources::kIdPrintExtra2Points};
    for (int id : extra1Labels)
        if (const auto* c = Resource().Find(id)) host.SetText(id, platform::FillLabel(c->text, extra1_));
    for (int id : extra2Labels)
        if (const auto* c = Resource().Find(id)) host.SetText(id, platform::FillLabel(c->text, extra2_));
}

bool TGradePrintDialog::CanClose(platform::DialogHost& host) {
    for (int id = resources::kIdFirstPrintBox; id <= resources::kIdPrintRank; ++id)
        options_[static_cast<std::size_t>(id - resources::kIdFirstPrintBox)] = host.IsChecked(id) ? 1 : 0;
    return true;
}

int TGradesPrint::LineCost(int columnCount) {
    const int bands = (columnCount + kColumnsPerBand - 1) / kColumnsPerBand;
    return bands <= 1 ? 1 : 2 * bands;
}

TGradesPrint::TGradesPrint(std::string title, const ClassRecord& record, TMyPrinter& printer, platform::Ui& ui,
                           const PrintOptions& options, KeepOptions keep)
    : TCountedPrintout(std::move(title), printer),
      grading_(record.grading),
      options_(options),
      info_(record.info),
      today_(ui.Today()) {
    if (keep == KeepOptions::Save) SavePrintOptions(ui.ProgramDirectory(), options_);
    rows_ = record.roster;

    // The options are the display flags' order with Last Name before them.
    ColumnChoice choice = ChoiceFromFlags([this](int i) { return Chosen(options_, i + 1); });
    choice.lastName = Chosen(options_, kPrintLastName);

    const TStudent* possible = rows_.empty() ? nullptr : &rows_[0];
    if (possible != nullptr && !choice.grades[kTests] && !possible->scores[kTests].empty())
        choice.lastTest = ui.MessageBox("Include Last Test Score", "Print last test score?", platform::Buttons::YesNo,
                                        platform::Icon::Question) == platform::Answer::Yes;
    if (possible != nullptr && !choice.grades[kQuizzes] && !possible->scores[kQuizzes].empty())
        choice.lastQuiz = ui.MessageBox("Include Last Quiz Score", "Print last quiz score?", platform::Buttons::YesNo,
                                        platform::Icon::Question) == platform::Answer::Yes;
    columns_ = GradeColumns(record, choice);
    for (const GradeColumn& column : columns_) headings_.push_back(GradeColumnHeading(record, column));

    const int students = rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1;
    pages_ = BuildPageRecords(std::vector<int>(static_cast<std::size_t>(students), LineCost(ColumnCount())),
                              kGradesLineBudget);

    // The summary is figured in roster order, as the class window figures it.
    for (const GradeColumn& column : columns_) columnMeans_.push_back(GradeColumnMean(grading_, rows_, column));
    distribution_ = GradeDistribution(grading_, rows_);
    if (rows_.size() >= 2) classAverage_ = FormatScore(ClassAverage(grading_, rows_));
    if (Chosen(options_, kPrintRankOrder)) SortByRank(grading_, rows_);
}

int TGradesPrint::WidestLineChars() const {
    // Characters: the left margin of ten, then the columns; the wide layout
    // prints them in bands of nine.
    const ReportUnits chars{10, 15, 1};
    int widest = 0;
    int band = 0;
    int counter = 0;
    for (const GradeColumn& column : columns_) {
        if (Wide() && counter == kColumnsPerBand) band = counter = 0;
        band += ColumnWidth(column, chars);
        ++counter;
        widest = std::max(widest, band);
    }
    return chars.ten + widest;
}

int TGradesPrint::ColumnWidth(const GradeColumn& column, const ReportUnits& units) const {
    switch (column.type) {
        case GradeColumn::LastName:
        case GradeColumn::FirstName: return units.fifteen;
        case GradeColumn::Id: return units.fifteen / 3;
        default: return units.ten;
    }
}

namespace {

// A heading or name cut to leave at least one character's space before the
// next column: a heading longer than its column (an Extra name with " Aver")
// would otherwise run into its neighbour. Figures are never cut.
std::string Fit(std::string text, int columnWidth, const ReportUnits& units) {
    return platform::FitToColumn(std::move(text), columnWidth, units.ten);
}

}  // namespace

void TGradesPrint::PrintHeadingLine(platform::Canvas& canvas, const ReportUnits& units, int y) {
    int x = units.ten;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const int width = ColumnWidth(columns_[c], units);
        canvas.TextOut(x, y, Fit(headings_[c], width, units));
        x += width;
    }
}

bool TGradesPrint::PrintRow(platform::PrintDevice& device, const TStudent& row, bool possibleRow, int& y) {
    const ReportUnits& units = sheet_.units;
    GradeRowFigures figures(grading_, rows_[0], row, possibleRow);
    // Names are cut to their column like headings; figures never are.
    auto cell = [&](const GradeColumn& column, int width) {
        const std::string text = figures.Text(column);
        return column.IsName() ? Fit(text, width, units) : text;
    };
    int x = units.ten;
    if (!Wide()) {
        if (!MakeRoom(device, y, units.line, true)) return false;
        for (const GradeColumn& column : columns_) {
            const int width = ColumnWidth(column, units);
            const std::string text = cell(column, width);
            if (!text.empty()) device.TextOut(x, y, text);
            x += width;
        }
        y += units.line;
        return true;
    }
    // Bands of nine columns, each a heading line with the values under it.
    int counter = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const GradeColumn& column = columns_[c];
        if (counter >= kColumnsPerBand) {
            y += 2 * units.line;
            x = units.ten;
            counter = 0;
        }
        if (counter == 0 && !MakeRoom(device, y, 2 * units.line, true)) return false;
        const int width = ColumnWidth(column, units);
        if (!(possibleRow && column.type == GradeColumn::Letter)) {
            device.TextOut(x, y, Fit(headings_[c], width, units));
            const std::string text = cell(column, width);
            if (!text.empty()) device.TextOut(x, y + units.line, text);
        }
        ++counter;
        x += width;
    }
    y += 3 * units.line;
    return true;
}

bool TGradesPrint::PrintSummary(platform::PrintDevice& device, int y) {
    const ReportUnits& units = sheet_.units;
    const bool hasStudents = rows_.size() >= 2;
    if (hasStudents && !Wide()) {
        if (!MakeRoom(device, y, units.line, true)) return false;
        device.TextOut(0, y, "Averages");
        int x = units.ten;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (!columnMeans_[c].empty()) device.TextOut(x, y, columnMeans_[c]);
            x += ColumnWidth(columns_[c], units);
        }
    } else if (hasStudents) {
        // Each mean under its heading, on the blank line that ends the last block.
        int x = units.ten;
        int counter = 0;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (counter >= kColumnsPerBand) {
                y += 2 * units.line;
                x = units.ten;
                counter = 0;
            }
            if (counter == 0) {
                int top = y - units.line;
                if (!MakeRoom(device, top, 2 * units.line, true)) return false;
                y = top + units.line;
                if (c == 0) device.TextOut(0, top, "Averages:");
            }
            if (!columnMeans_[c].empty()) {
                device.TextOut(x, y - units.line, Fit(headings_[c], ColumnWidth(columns_[c], units), units));
                device.TextOut(x, y, columnMeans_[c]);
            }
            ++counter;
            x += ColumnWidth(columns_[c], units);
        }
    }

    y += 2 * units.line;
    if (!MakeRoom(device, y, units.line, false)) return false;
    device.TextOut(2 * units.ten, y, "Distribution of Grades:");
    y += units.line;
    const char* const labels[] = {"A     ", "B     ", "C     ", "D     ", "F     "};
    for (std::size_t g = 0; g < 5; ++g) {
        if (!MakeRoom(device, y, units.line, false)) return false;
        device.TextOut(3 * units.ten, y, std::string(labels[g]) + std::string(static_cast<std::size_t>(distribution_[g]), 'X'));
        y += units.line;
    }
    y += units.line;
    if (hasStudents) {
        if (!MakeRoom(device, y, units.line, false)) return false;
        device.TextOut(0, y, "               Class Average is: " + classAverage_);
    }
    return true;
}

int TGradesPrint::StartBody(platform::Canvas& canvas, bool headings) {
    int y = PrintClassHeader(canvas, sheet_.units, "", info_, today_, pageSize_.cx);
    if (headings && !Wide()) {
        PrintHeadingLine(canvas, sheet_.units, y);
        y += sheet_.units.line;
    }
    return y;
}

bool TGradesPrint::MakeRoom(platform::PrintDevice& device, int& top, int height, bool headings) {
    if (static_cast<long long>(top) + height <= pageSize_.cy || top <= sheet_.bodyTop) return true;
    if (!StartFurtherSheet(device, sheet_.font)) return false;
    PrintContinuedPageNumber(device, sheet_.number);
    top = StartBody(device, headings);
    return true;
}

void TGradesPrint::PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) {
    sheet_.font = SelectReportFont(device, pageSize_, kGradesLinesPerPage, WidestLineChars());
    sheet_.units = MeasureUnits(device);
    sheet_.number = pageCounter_;
    const ReportUnits& units = sheet_.units;
    PrintPageNumber(device, pageCounter_);
    int y = StartBody(device, true);
    sheet_.bodyTop = y;

    if (!rows_.empty()) {
        if (!PrintRow(device, rows_[0], true, y)) return;
        const int last = std::min(record.last, static_cast<int>(rows_.size()) - 1);
        for (int i = std::max(1, record.first); i <= last; ++i)
            if (!PrintRow(device, rows_[static_cast<std::size_t>(i)], false, y)) return;
    }
    y += units.line;
    if (lastOfJob) {
        // A full last page of the wide layout leaves too little room for the
        // summary: rather than run off the paper it goes on a page of its own,
        // after the class header (and, narrow, the heading line it stands under).
        if (y + SummaryHeight(units) > pageSize_.cy && y > kBodyLines * units.line + units.line) {
            if (!StartFurtherSheet(device, sheet_.font)) return;
            // Numbered after the report's last page, so that a range ending
            // early never gives it the number of a real page.
            sheet_.number = PageCount() + 1;
            PrintPageNumber(device, sheet_.number);
            y = StartBody(device, true);
            sheet_.bodyTop = y;
            if (Wide()) y += units.line;
        }
        if (!PrintSummary(device, y)) return;
    }
    device.RestoreFont();
}

int TGradesPrint::SummaryHeight(const ReportUnits& units) const {
    // The averages (a band of means each two lines further when wide), two
    // lines, the distribution heading and its five bars, two lines, the class
    // average.
    int bands = 1;
    if (Wide()) bands = (ColumnCount() + kColumnsPerBand - 1) / kColumnsPerBand;
    return (2 * (bands - 1) + 1 + 2 + 5 + 2) * units.line;
}

}  // namespace quorle
