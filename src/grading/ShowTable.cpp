#include "grading/ShowTable.h"

#include <ostream>

#include "grading/Compute.h"
#include "grading/GradeColumns.h"
#include "platform/Text1252.h"

namespace quorle {
namespace {

// The table's columns: the names, then the grades pane's, for the class's
// flags or for all.
std::vector<GradeColumn> ChooseColumns(const ClassRecord& record, bool all) {
    DisplayFlags flags = record.display;
    if (all) flags.fill(1);
    ColumnChoice choice = ChoiceFromFlags([&](int i) { return flags[static_cast<std::size_t>(i)] != 0; });
    choice.lastName = true;
    return GradeColumns(record, choice);
}

ShowLine Headings(const ClassRecord& record, const std::vector<GradeColumn>& columns) {
    ShowLine line;
    for (const GradeColumn& column : columns) line.push_back(GradeColumnHeading(record, column));
    return line;
}

ShowLine Row(const ClassRecord& record, const std::vector<GradeColumn>& columns, int j) {
    GradeRowFigures figures(record.grading, record.PossibleRow(), record.Row(j), j == 0);
    ShowLine line;
    for (const GradeColumn& column : columns) line.push_back(figures.Text(column));
    return line;
}

// Control characters (only ever in a damaged file) would break the lines and cells.
std::string CellText(const std::string& cell) {
    std::string text = platform::Cp1252ToUtf8(cell);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return text;
}

// Appends a cell as UTF-8, control characters as spaces (as CellText).
void AppendCell(std::string& out, std::string_view cell) {
    for (const char c : cell) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += byte < 0x20 || byte == 0x7F ? ' ' : c;
            continue;
        }
        const char32_t cp = platform::Cp1252ToCodePoint(byte);  // below U+10000
        if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Row j's line; its overall average goes into `overall`.
void AppendRow(std::string& out, const ClassRecord& record, const std::vector<GradeColumn>& columns,
               const OverallBasis& basis, int j, std::vector<float>& overall) {
    GradeRowFigures figures(record.grading, record.PossibleRow(), record.Row(j), j == 0, &basis);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) out += '\t';
        // Figures and letters are plain characters; names are the class's own text.
        if (columns[i].IsName())
            AppendCell(out, figures.Text(columns[i]));
        else
            figures.AppendFigure(columns[i], out);
    }
    out += '\n';
    if (j > 0) overall[static_cast<std::size_t>(j)] = figures.Overall();
}

}  // namespace

std::vector<ShowLine> BuildShowTable(const ClassRecord& record, const ShowOptions& options) {
    std::vector<ShowLine> lines;
    if (record.roster.empty()) return lines;
    const std::vector<GradeColumn> columns = ChooseColumns(record, options.all);
    lines.reserve(record.roster.size() + 4);
    lines.push_back(Headings(record, columns));
    lines.push_back(Row(record, columns, 0));
    if (options.rank) {
        for (int row : RankOrder(record.grading, record.roster)) lines.push_back(Row(record, columns, row));
    } else {
        for (int row = 1; row < record.RowCount(); ++row) lines.push_back(Row(record, columns, row));
    }
    lines.emplace_back();
    if (record.StudentCount() > 0)
        lines.push_back({"Class Average", FormatScore(ClassAverage(record.grading, record.roster))});
    ShowLine distribution{"Distribution"};
    for (int count : GradeDistribution(record.grading, record.roster)) distribution.push_back(std::to_string(count));
    lines.push_back(std::move(distribution));
    return lines;
}

void WriteShowTable(const std::vector<ShowLine>& lines, std::ostream& out) {
    std::string text;
    for (const ShowLine& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) text += '\t';
            text += CellText(line[i]);
        }
        text += '\n';
    }
    out << text;
}

namespace {

// The text row by row into `out`; `rowDone` may take what is there after each row.
template <typename RowDone>
void ShowText(const ClassRecord& record, const ShowOptions& options, std::string& out, RowDone rowDone) {
    if (record.roster.empty()) return;
    const std::vector<GradeColumn> columns = ChooseColumns(record, options.all);
    const OverallBasis basis = MakeOverallBasis(record.grading, record.PossibleRow());
    std::vector<float> overall(record.roster.size(), 0.0f);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) out += '\t';
        AppendCell(out, GradeColumnHeading(record, columns[i]));
    }
    out += '\n';
    AppendRow(out, record, columns, basis, 0, overall);
    rowDone(out);
    if (options.rank) {
        for (int row : RankOrder(record.grading, record.roster)) {
            AppendRow(out, record, columns, basis, row, overall);
            rowDone(out);
        }
    } else {
        for (int row = 1; row < record.RowCount(); ++row) {
            AppendRow(out, record, columns, basis, row, overall);
            rowDone(out);
        }
    }
    out += '\n';
    if (record.StudentCount() > 0) {
        out += "Class Average\t";
        out += FormatScore(ClassAverageOf(overall));
        out += '\n';
    }
    out += "Distribution";
    for (int count : GradeDistributionOf(record.grading, overall)) {
        out += '\t';
        out += std::to_string(count);
    }
    out += '\n';
}

}  // namespace

void AppendShowText(const ClassRecord& record, const ShowOptions& options, std::string& out) {
    ShowText(record, options, out, [](std::string&) {});
}

bool WriteShowText(const ClassRecord& record, const ShowOptions& options, std::ostream& out, std::size_t chunk) {
    // A buffer of a few rows, written out as it fills, stays in the cache; the
    // whole table at once would be megabytes of fresh memory.
    std::string text;
    text.reserve(chunk + 4096);
    const auto write = [&out](std::string& t) {
        out.write(t.data(), static_cast<std::streamsize>(t.size()));
        t.clear();
    };
    ShowText(record, options, text, [&](std::string& t) {
        if (t.size() >= chunk) write(t);
    });
    write(text);
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace quorle
