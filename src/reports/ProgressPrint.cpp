#include "reports/ProgressPrint.h"

#include <algorithm>

#include "grading/Compute.h"
#include "grading/GradeColumns.h"
#include "record/Binary.h"
#include "resources/ProgressDialogs.h"

namespace quorle {

namespace {

constexpr int kLetterLinesPerPage = 72;
// A band of the grades block: seven columns of ten characters after the margin.
constexpr int kColumnsPerBand = 7;
constexpr int kWidestLineChars = 10 + 10 * kColumnsPerBand;
// Options 0..19 are the display flags 2..21 of the same columns.
constexpr int kFlagOffset = kShowGradesFirst;
static_assert(kDisplayFlagCount - kFlagOffset == kProgressOptionCount);

bool Chosen(const ProgressOptions& options, int index) { return options[static_cast<std::size_t>(index)] == 1; }

}  // namespace

const char* TemplateFileName(ProgressKind kind) {
    return kind == ProgressKind::Progress ? "quorle.prg" : "quorle.wrn";
}

std::string UnableToOpen(const char* fileName) { return std::string("Unable to open ") + fileName; }

std::optional<std::vector<unsigned char>> ReadTemplateFile(const std::string& programDirectory, ProgressKind kind) {
    return ReadWholeFile(ProgramFilePath(programDirectory, TemplateFileName(kind)), kMaxTemplateBytes);
}

bool WriteTemplateFile(const std::string& programDirectory, ProgressKind kind, std::span<const unsigned char> bytes) {
    return WriteFileAtomically(ProgramFilePath(programDirectory, TemplateFileName(kind)), bytes);
}

// ------------------------------------------------------------- print options

const char* ProgressOptionFileName(ProgressKind kind) {
    return kind == ProgressKind::Progress ? "QUORLE.PRP" : "QUORLE.WRP";
}

void ParseProgressOptions(std::span<const unsigned char> bytes, ProgressOptions& options) {
    ReadInt32s(bytes, options);
}

std::vector<unsigned char> SerializeProgressOptions(const ProgressOptions& options) { return Int32sBytes(options); }

void LoadProgressOptions(const std::string& programDirectory, ProgressKind kind, ProgressOptions& options) {
    options.fill(0);
    if (const auto bytes = ReadWholeFile(ProgramFilePath(programDirectory, ProgressOptionFileName(kind))))
        ParseProgressOptions(*bytes, options);
}

bool SaveProgressOptions(const std::string& programDirectory, ProgressKind kind, const ProgressOptions& options) {
    return WriteFileAtomically(ProgramFilePath(programDirectory, ProgressOptionFileName(kind)),
                               SerializeProgressOptions(options));
}

// ------------------------------------------------------------- warning level

LevelText ParseWarningLevel(std::span<const unsigned char> bytes) {
    // A short file gives what it holds; a field without its zero keeps 14 characters.
    std::array<unsigned char, LevelText::kSize> field{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size()), field.begin());
    LevelText level;
    level.AssignRaw(field.data());
    return level;
}

std::vector<unsigned char> SerializeWarningLevel(const LevelText& level) {
    ByteWriter writer;
    writer.WriteText(level);
    return writer.Bytes();
}

std::optional<LevelText> ReadWarningLevel(const std::string& programDirectory) {
    const auto bytes = ReadWholeFile(ProgramFilePath(programDirectory, kWarningLevelFile));
    if (!bytes) return std::nullopt;
    return ParseWarningLevel(*bytes);
}

bool WriteWarningLevel(const std::string& programDirectory, const LevelText& level) {
    return WriteFileAtomically(ProgramFilePath(programDirectory, kWarningLevelFile), SerializeWarningLevel(level));
}

float WarningLevelValue(const LevelText& level) { return static_cast<float>(TextToDouble(level.View())); }

std::optional<std::string> AcceptedWarningLevel(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    const double value = TextToDouble(text);
    if (value < 0.0 || value > 100.0) return std::nullopt;
    return std::string(text);
}

// ------------------------------------------------------------------- dialogs

TProgressDialog::TProgressDialog(std::string& text)
    : Dialog(resources::ProgressDialogResource()), text_(text) {}

void TProgressDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdLetterText, text_);
    host.SetFocus(resources::kIdLetterText);
}

bool TProgressDialog::CanClose(platform::DialogHost& host) {
    text_ = host.Text(resources::kIdLetterText);
    return true;
}

TProgressPrintDialog::TProgressPrintDialog(ProgressOptions& options, std::string extra1Name, std::string extra2Name)
    : Dialog(resources::ProgressPrintDialogResource()),
      options_(options),
      extra1_(std::move(extra1Name)),
      extra2_(std::move(extra2Name)) {}

void TProgressPrintDialog::SetupWindow(platform::DialogHost& host) {
    for (int id = resources::kIdFirstLetterBox; id <= resources::kIdLastLetterBox; ++id)
        host.SetChecked(id, Chosen(options_, id - resources::kIdFirstLetterBox));
    for (int id : {resources::kIdLetterExtra1, resources::kIdLetterExtra1Average, resources::kIdLetterExtra1Points})
        if (const auto* c = Resource().Find(id)) host.SetText(id, platform::FillLabel(c->text, extra1_));
    for (int id : {resources::kIdLetterExtra2, resources::kIdLetterExtra2Average, resources::kIdLetterExtra2Points})
        if (const auto* c = Resource().Find(id)) host.SetText(id, platform::FillLabel(c->text, extra2_));
}

bool TProgressPrintDialog::CanClose(platform::DialogHost& host) {
    for (int id = resources::kIdFirstLetterBox; id <= resources::kIdLastLetterBox; ++id)
        options_[static_cast<std::size_t>(id - resources::kIdFirstLetterBox)] = host.IsChecked(id) ? 1 : 0;
    return true;
}

TGradeLevelDialog::TGradeLevelDialog(platform::Ui& ui, LevelText& level)
    : Dialog(resources::GradeLevelDialogResource()), ui_(ui), level_(level) {}

void TGradeLevelDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdLevelText, level_.View());
    host.SetFocus(resources::kIdLevelText);
}

bool TGradeLevelDialog::CanClose(platform::DialogHost& host) {
    std::string text = host.Text(resources::kIdLevelText);
    if (text.size() > static_cast<std::size_t>(resources::kLevelTextLimit))
        text.resize(static_cast<std::size_t>(resources::kLevelTextLimit));
    const auto accepted = AcceptedWarningLevel(text);
    if (!accepted) {
        ui_.MessageBox("Warning", kWarningLevelRefused, platform::Buttons::Ok, platform::Icon::Exclamation);
        host.SetFocus(resources::kIdLevelText);
        return false;
    }
    level_ = *accepted;
    return true;
}

// ------------------------------------------------------------------ printout

TProgressPrint::TProgressPrint(const ClassRecord& record, const std::vector<bool>& selected, TMyPrinter& printer,
                               platform::Ui& ui, ProgressKind kind, float level, const ProgressOptions& options,
                               KeepOptions keep)
    : TPrintout("Progress or Warning"),
      record_(record),
      printer_(printer),
      ui_(ui),
      kind_(kind),
      level_(kind == ProgressKind::Progress ? 0.0f : level),
      options_(options),
      info_(record.info),
      today_(ui.Today()) {
    const std::string directory = ui.ProgramDirectory();
    if (keep == KeepOptions::Save) SaveProgressOptions(directory, kind_, options_);

    const auto bytes = ReadTemplateFile(directory, kind_);
    if (!bytes) {
        ui.MessageBox("Warning", UnableToOpen(TemplateFileName(kind_)), platform::Buttons::Ok,
                      platform::Icon::Exclamation);
        return;
    }
    template_ = ParseTemplate(*bytes);
    hasTemplate_ = true;

    if (record.RowCount() < 2) return;
    if (kind_ == ProgressKind::Progress) {
        // Ticked students pair up: the first of a pair opens a page, the second fills its bottom half.
        bool open = false;
        for (int row = 1; row < record.RowCount(); ++row) {
            if (static_cast<std::size_t>(row) >= selected.size() || !selected[static_cast<std::size_t>(row)]) continue;
            if (open)
                pages_.back().bottom = row;
            else
                pages_.push_back(TLetterPage{row, row});
            open = !open;
        }
    } else {
        const TStudent& possible = record.PossibleRow();
        for (int row = 1; row < record.RowCount(); ++row)
            if (OverallAverage(record.grading, possible, record.Row(row)) < level_)
                pages_.push_back(TLetterPage{row, row});
    }
}

void TProgressPrint::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    if (kind_ == ProgressKind::Warning && PageCount() > 0)
        OfferEveryPage(PageCount(), printer_.Setup(), minPage, maxPage, selFrom, selTo);
    else
        OfferNoPageNumbers(minPage, maxPage, selFrom, selTo);
}

bool TProgressPrint::PageExists(int page) {
    if (pages_.empty() || page < 1 || page > PageCount()) return false;
    return kind_ == ProgressKind::Progress || page <= printer_.Setup().toPage;
}

void TProgressPrint::RenderPage(int page, const platform::Rect&, unsigned) {
    if (device_ == nullptr || page < 1 || page > PageCount() || template_.empty()) return;
    if (pageSize_.cx <= 0 || pageSize_.cy <= 0) return;
    const platform::FontSpec font = SelectReportFont(*device_, pageSize_, kLetterLinesPerPage, kWidestLineChars);
    const ReportUnits units = MeasureUnits(*device_);
    const TLetterPage& pair = pages_[static_cast<std::size_t>(page - 1)];
    const int top = 5 * units.line;
    const int half = pageSize_.cy / 2 + 5 * units.line;
    const LetterRecorder first = LayOutLetter(units, pair.top);
    // A warning notice fills both halves with the same letter.
    if (kind_ == ProgressKind::Warning || pair.bottom != pair.top) {
        const LetterRecorder second = LayOutLetter(units, pair.bottom);
        if (top + first.Bottom(units.line) <= pageSize_.cy / 2 && half + second.Bottom(units.line) <= pageSize_.cy) {
            PlaceLetter(first, units, top, font);
            PlaceLetter(second, units, half, font);
        } else {
            // Letters too long for their half page each have a page of their own.
            if (PlaceLetter(first, units, top, font) && NewSheet(font)) PlaceLetter(second, units, top, font);
        }
    } else {
        PlaceLetter(first, units, top, font);
    }
    device_->RestoreFont();
}

bool TProgressPrint::NewSheet(const platform::FontSpec& font) {
    device_->RestoreFont();
    const int ended = device_->EndPage();
    const int started = ended < 0 ? ended : device_->StartPage();
    if (started < 0) {
        pageError_ = started;
        return false;
    }
    device_->SelectFont(font);
    return true;
}

bool TProgressPrint::PlaceLetter(const LetterRecorder& letter, const ReportUnits& units, int y,
                                 const platform::FontSpec& font) {
    // A line (or a band of the grades block) that would pass the bottom goes
    // to the top of a new sheet, and the rest of the letter with it.
    int offset = y;
    bool firstOnSheet = true;
    const auto& texts = letter.texts;
    for (std::size_t i = 0; i < texts.size();) {
        std::size_t end = i;
        int bottom = 0;
        while (end < texts.size() && texts[end].top == texts[i].top) bottom = std::max(bottom, texts[end++].y + units.line);
        if (!firstOnSheet && offset + bottom > pageSize_.cy) {
            if (!NewSheet(font)) return false;
            offset = 5 * units.line - texts[i].top;
        }
        for (; i < end; ++i) device_->TextOut(texts[i].x, texts[i].y + offset, texts[i].text);
        firstOnSheet = false;
    }
    return true;
}

LetterRecorder TProgressPrint::LayOutLetter(const ReportUnits& units, int row) {
    LetterRecorder letter(*device_);
    if (row < 1 || row >= record_.RowCount()) return letter;
    const TStudent& student = record_.Row(row);
    LetterFields fields;
    fields.lastName = student.lastName.Str();
    fields.firstName = student.firstName.Str();
    fields.course = info_.course.Str();
    fields.instructor = info_.instructor.Str();
    fields.period = info_.period.Str();
    fields.date = FormatDate(today_);
    fields.right = pageSize_.cx;
    fields.grades = [&](int& x, int& y) { PrintGradesBlock(letter, units, row, x, y); };
    fields.warn = [this](PlaceholderWarning warning) {
        ui_.MessageBox("Warning", PlaceholderWarningText(warning), platform::Buttons::Ok, platform::Icon::Exclamation);
    };
    PrintLetter(letter, units, template_, 0, fields);
    return letter;
}

void TProgressPrint::PrintGradesBlock(LetterRecorder& canvas, const ReportUnits& units, int row, int& x, int& y) {
    // The chosen columns are the grades pane's columns of the same choice.
    DisplayFlags flags{};
    for (int i = 0; i < kProgressOptionCount; ++i)
        flags[static_cast<std::size_t>(kFlagOffset + i)] = Chosen(options_, i) ? 1 : 0;
    y += units.line;
    x = units.ten;
    int counter = 0;
    for (const GradeColumn& column : GradeColumns(record_, flags)) {
        if (counter >= kColumnsPerBand) {
            y += 2 * units.line;
            x = units.ten;
            counter = 0;
        }
        // A band's headings and values go onto a page together.
        canvas.keepTop = y;
        canvas.TextOut(x, y, platform::FitToColumn(GradeColumnHeading(record_, column), units.ten, units.ten));
        const std::string value = GradeColumnCell(record_, column, row);
        if (!value.empty()) canvas.TextOut(x, y + units.line, value);
        ++counter;
        x += units.ten;
    }
    canvas.keepTop = -1;
    y += 2 * units.line;
}

}  // namespace quorle
