#include "app/ShowCommand.h"

#include <ostream>

#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "record/ClassFile.h"

namespace quorle {
namespace {

constexpr const char* kAverageHeading[kCategoryCount] = {"Test Aver", "Quiz Aver", "HW Aver", "Lab Aver", "", ""};
constexpr const char* kPointsHeading[kCategoryCount] = {"Test Pts", "Quiz Pts", "HW Pts", "Lab Pts", "", ""};

// Which columns the table carries.
struct Columns {
    bool firstName = true;
    bool id = true;
    bool grades[kCategoryCount] = {};
    bool averages[kCategoryCount] = {};
    bool points[kCategoryCount] = {};
    bool total = true;
    bool possible = true;
};

Columns ChooseColumns(const ClassRecord& record, bool all) {
    const auto shown = [&](int flag) { return all || record.display[static_cast<std::size_t>(flag)] != 0; };
    Columns columns;
    columns.firstName = shown(kShowFirstName);
    columns.id = shown(kShowId);
    for (int c = 0; c < kCategoryCount; ++c) {
        columns.grades[c] = shown(kShowGradesFirst + c);
        columns.averages[c] = shown(kShowAverageFirst + c);
        columns.points[c] = shown(kShowPointsFirst + c);
    }
    columns.total = shown(kShowTotalPoints);
    columns.possible = shown(kShowPossiblePoints);
    return columns;
}

std::string CategoryHeading(const ClassRecord& record, const char* const headings[], int c, const char* suffix) {
    if (c == kExtra1 || c == kExtra2) return record.ExtraName(c) + suffix;
    return headings[c];
}

ShowLine Headings(const ClassRecord& record, const Columns& columns) {
    ShowLine line{"Last Name"};
    if (columns.firstName) line.emplace_back("First Name");
    if (columns.id) line.emplace_back("ID #");
    const TStudent& possible = record.PossibleRow();
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.grades[c])
            for (const TGrades& item : possible.scores[c]) line.push_back(item.title.Str());
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.averages[c]) line.push_back(CategoryHeading(record, kAverageHeading, c, " Aver"));
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.points[c]) line.push_back(CategoryHeading(record, kPointsHeading, c, " Pts"));
    if (columns.total) line.emplace_back("Total Pts");
    if (columns.possible) line.emplace_back("Poss Pts");
    line.emplace_back("Average");
    line.emplace_back("Grade");
    return line;
}

ShowLine Row(const ClassRecord& record, const Columns& columns, const TStudent& row, bool isPossibleRow) {
    const TStudent& possible = record.PossibleRow();
    ShowLine line{row.lastName.Str()};
    if (columns.firstName) line.push_back(row.firstName.Str());
    if (columns.id) line.push_back(row.id.Str());
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.grades[c])
            for (const TGrades& grade : row.scores[c]) line.push_back(FormatGrade(grade.value));
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.averages[c]) line.push_back(FormatScore(CategoryAverage(possible.scores[c], row.scores[c])));
    for (int c = 0; c < kCategoryCount; ++c)
        if (columns.points[c]) line.push_back(FormatScore(CategoryPoints(row.scores[c])));
    if (columns.total) line.push_back(FormatScore(TotalPoints(row)));
    if (columns.possible) line.push_back(FormatScore(PossiblePoints(possible, row)));
    const float average = OverallAverage(record.grading, possible, row);
    line.push_back(FormatScore(average));
    line.push_back(isPossibleRow ? std::string() : LetterGrade(record.grading, average));
    return line;
}

// Control characters (only ever in a damaged file) would break the lines and cells.
std::string CellText(const std::string& cell) {
    std::string text = platform::Cp1252ToUtf8(cell);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return text;
}

}  // namespace

const char* ShowUsage() { return "quorle show [--all] [--rank] CLASS.gdr"; }

std::vector<ShowLine> BuildShowTable(const ClassRecord& record, const ShowOptions& options) {
    std::vector<ShowLine> lines;
    if (record.roster.empty()) return lines;
    const Columns columns = ChooseColumns(record, options.all);
    lines.reserve(record.roster.size() + 4);
    lines.push_back(Headings(record, columns));
    lines.push_back(Row(record, columns, record.PossibleRow(), true));
    if (options.rank) {
        for (int row : RankOrder(record.grading, record.roster)) lines.push_back(Row(record, columns, record.Row(row), false));
    } else {
        for (int row = 1; row < record.RowCount(); ++row) lines.push_back(Row(record, columns, record.Row(row), false));
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

int RunShowCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ShowOptions options;
    std::string path;
    bool havePath = false;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << "Usage: " << ShowUsage() << "\n"
                << "  Prints the class's grades as the class window shows them, tab-separated.\n"
                << "  --all   every column, whatever the class's display options say\n"
                << "  --rank  students in rank order (highest average first)\n";
            return 0;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--all") {
            options.all = true;
        } else if (!optionsEnded && arg == "--rank") {
            options.rank = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "quorle show: unknown option " << arg << "\nUsage: " << ShowUsage() << "\n";
            return 2;
        } else if (havePath) {
            err << "quorle show: only one class file can be shown\nUsage: " << ShowUsage() << "\n";
            return 2;
        } else {
            path = arg;
            havePath = true;
        }
    }
    if (!havePath || path.empty()) {
        err << "quorle show: no class file given\nUsage: " << ShowUsage() << "\n";
        return 2;
    }
    ClassRecord record;
    try {
        record = ReadClassFile(path);
    } catch (const ClassFileError& error) {
        err << error.what() << "\n";
        return 1;
    }
    WriteShowTable(BuildShowTable(record, options), out);
    out.flush();
    return out ? 0 : 1;
}

}  // namespace quorle
