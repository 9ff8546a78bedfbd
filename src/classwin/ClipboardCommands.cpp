#include "classwin/ClipboardCommands.h"

#include <optional>
#include <vector>

#include "classwin/Panes.h"
#include "grading/Compute.h"
#include "grading/GradeColumns.h"
#include "grading/ShowTable.h"
#include "platform/Dialog.h"
#include "platform/Text1252.h"
#include "platform/Ui.h"
#include "record/DecimalText.h"

namespace quorle {
namespace {

void Tell(platform::Ui& ui, const std::string& text) {
    ui.MessageBox("Information", text, platform::Buttons::Ok, platform::Icon::Information);
}

// The clipboard's lines without their line ends; the empty line after the
// last line end is no line.
std::vector<std::string_view> ClipboardLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A line as a message quotes it: short, on one line.
std::string Quoted(std::string_view line) {
    constexpr std::size_t kShown = 20;
    std::string text(Trimmed(line).substr(0, kShown));
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    if (Trimmed(line).size() > kShown) text += "...";
    return text;
}

// The value of a line, as the cell would store it typed; none when the cell
// refuses it.
std::optional<float> LineValue(std::string_view line) {
    std::string text(Trimmed(line));
    if (text.empty() || text == "N" || text == "n" || text == "N/A" || text == "n/a") return kOmitMarker;
    for (char& c : text) c = platform::TypedChar(platform::kStylePoints, c);
    // "100.00", as the panes show a grade, is the 100 that may be typed:
    // zeros ending at most two decimals do not count toward the length.
    if (const std::size_t point = text.find('.');
        point != std::string::npos && text.find('.', point + 1) == std::string::npos && text.size() - point <= 3) {
        while (text.size() > point + 1 && text.back() == '0') text.pop_back();
        if (text.size() == point + 1 && point > 0) text.pop_back();
    }
    if (!GradeEntryRefusal(text).empty()) return std::nullopt;
    return static_cast<float>(TextToDouble(text));
}

}  // namespace

std::string NotAGradeMessage(int line, std::string_view text) {
    return "Line " + std::to_string(line) + " of the clipboard, \"" + Quoted(text) +
           "\", is not a grade. Nothing was pasted.";
}

void CopyCommand(const EditingParts& window) {
    const auto& cursor = window.grades.Cursor();
    const ClassRecord& record = window.record;
    if (!cursor || cursor->row < 0 || cursor->row >= record.RowCount()) return;
    GradeColumn column{GradeColumn::LastName};
    if (cursor->column != kNameColumn) {
        const std::vector<GradeColumn> columns = window.grades.Columns();
        if (cursor->column < 0 || cursor->column >= static_cast<int>(columns.size())) return;
        column = columns[static_cast<std::size_t>(cursor->column)];
    }
    window.ui.SetClipboardText(platform::TrimPadding(GradeColumnCell(record, column, cursor->row)));
}

void CopyTableCommand(const EditingParts& window) {
    std::string text;
    AppendShowText(window.record, ShowOptions{}, text);
    window.ui.SetClipboardText(platform::Utf8ToCp1252Lossy(text));
}

void PasteCommand(const EditingParts& window) {
    ClassRecord& record = window.record;
    TGradeWindow& grades = window.grades;
    const auto column = grades.CursorColumn();
    const std::optional<CellCursor> cursor = grades.Cursor();
    if (!column || !cursor || cursor->row < 0 || cursor->row >= record.RowCount()) {
        Tell(window.ui, "Click a grade in the column to paste into, then paste again.");
        return;
    }
    const std::string clipboard = window.ui.ClipboardText();
    const std::vector<std::string_view> lines = ClipboardLines(clipboard);
    bool any = false;
    for (std::string_view line : lines) any = any || !Trimmed(line).empty();
    if (!any) {
        Tell(window.ui, "The clipboard holds no grades to paste.");
        return;
    }
    const int start = grades.PositionOf(cursor->row);
    const auto rows = static_cast<std::size_t>(record.RowCount() - start);
    if (lines.size() > rows) {
        Tell(window.ui, "The clipboard holds " + std::to_string(lines.size()) + " lines, but there are only " +
                            std::to_string(rows) + " rows from the cursor down. Nothing was pasted.");
        return;
    }
    std::vector<float> values;
    values.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (lines[i].find('\t') != std::string_view::npos) {
            Tell(window.ui, "Line " + std::to_string(number) +
                                " of the clipboard holds more than one column. Nothing was pasted.");
            return;
        }
        const std::optional<float> value = LineValue(lines[i]);
        if (!value) {
            Tell(window.ui, NotAGradeMessage(number, lines[i]));
            return;
        }
        values.push_back(*value);
    }
    const auto entry = static_cast<std::size_t>(column->entry);
    for (std::size_t i = 0; i < values.size(); ++i) {
        TGradeList& list = record.Row(grades.RowAt(start + static_cast<int>(i))).scores[column->category];
        if (entry < list.size()) list[entry].value = values[i];
    }
    const TGradeList& heads = record.PossibleRow().scores[column->category];
    window.nameStep("Paste into " + (entry < heads.size() ? heads[entry].title.Str() : std::string()));
    record.modified = true;
    window.changed();
    // The cursor's cell is read out again, with its new grade.
    grades.PutCursor(cursor->row, cursor->column);
}

}  // namespace quorle
