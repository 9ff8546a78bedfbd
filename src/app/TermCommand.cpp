#include "app/TermCommand.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <span>

#include "app/ClassArgument.h"
#include "app/CsvExport.h"
#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/DecimalText.h"
#include "record/GradesImport.h"

namespace quorle {
namespace {

// A grade title's length: what a heading of the class table shows.
constexpr std::size_t kHeadingLength = decltype(TGrades::title)::kMaxLength;

// A plain decimal number: digits with at most one point, nothing else.
bool IsPlainNumber(std::string_view text) {
    if (text.empty() || text == ".") return false;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// A student of the term: the names and ID of the latest class that holds
// him, and his row in each class (0 where the class does not hold him).
struct TermStudent {
    const TStudent* latest = nullptr;
    std::vector<int> rows;
    float average = 0.0f;
};

std::string Trimmed(std::string_view text) { return platform::TrimPadding(text, " \t"); }

}  // namespace

std::string TermHeading(const std::string& path) {
    std::string heading = platform::Utf8ToCp1252Lossy(std::filesystem::path(path).stem().string());
    if (heading.size() > kHeadingLength) heading.resize(kHeadingLength);
    return heading;
}

std::optional<std::vector<double>> ParseTermWeights(std::string_view text, std::size_t classes, std::string& problem) {
    std::vector<double> weights;
    double sum = 0.0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view word = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        if (!IsPlainNumber(word)) {
            problem = "the weight \"" + std::string(word) + "\" is not a number of at least 0";
            return std::nullopt;
        }
        weights.push_back(TextToDouble(word));
        sum += weights.back();
        if (weights.size() > classes) break;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (weights.size() != classes) {
        problem = "--weights needs one weight for each of the " + std::to_string(classes) + " classes";
        return std::nullopt;
    }
    if (!(sum > 0.0)) {
        problem = "the weights add up to 0";
        return std::nullopt;
    }
    return weights;
}

std::vector<ShowLine> BuildTermTable(const std::vector<TermClass>& classes, const std::vector<double>& weights,
                                     bool rank) {
    // Students in the order they first appear, matched by ID number; a
    // student without one is nobody else. Where a class gives one ID number
    // to two students, the one of the same name is the same student.
    std::vector<TermStudent> students;
    std::map<std::string, std::vector<std::size_t>> byId;
    const auto sameName = [](const TStudent& a, const TStudent& b) {
        return NameKey(a.lastName.View()) == NameKey(b.lastName.View()) &&
               NameKey(a.firstName.View()) == NameKey(b.firstName.View());
    };
    std::vector<std::vector<float>> overall(classes.size());
    for (std::size_t k = 0; k < classes.size(); ++k) {
        const ClassRecord& record = classes[k].record;
        if (record.RowCount() == 0) continue;
        const OverallBasis basis = MakeOverallBasis(record.grading, record.PossibleRow());
        overall[k].assign(record.roster.size(), 0.0f);
        for (int j = 1; j < record.RowCount(); ++j) {
            const TStudent& row = record.Row(j);
            overall[k][static_cast<std::size_t>(j)] = OverallAverage(record.grading, record.PossibleRow(), row, basis);
            const std::string id = Trimmed(row.id.View());
            std::optional<std::size_t> match;
            if (!id.empty())
                for (const std::size_t candidate : byId[id]) {
                    if (students[candidate].rows[k] != 0) continue;
                    if (sameName(*students[candidate].latest, row)) {
                        match = candidate;
                        break;
                    }
                    if (!match) match = candidate;
                }
            if (!match) {
                match = students.size();
                if (!id.empty()) byId[id].push_back(*match);
                students.push_back({&row, std::vector<int>(classes.size(), 0), 0.0f});
            }
            TermStudent& student = students[*match];
            student.latest = &row;
            student.rows[k] = j;
        }
    }
    // Over the classes that hold him, in file order: each product, then each sum.
    for (TermStudent& student : students) {
        float numerator = 0.0f;
        float denominator = 0.0f;
        for (std::size_t k = 0; k < classes.size(); ++k) {
            const int row = student.rows[k];
            if (row == 0) continue;
            const float earned = static_cast<float>(weights[k] * static_cast<double>(overall[k][static_cast<std::size_t>(row)]));
            numerator = numerator + earned;
            denominator = denominator + static_cast<float>(weights[k]);
        }
        student.average = denominator != 0.0f ? numerator / denominator : numerator;
    }
    std::vector<ShowLine> lines;
    ShowLine headings{"Last Name", "First Name", "ID #"};
    for (const TermClass& term : classes) headings.push_back(term.heading);
    headings.push_back("Term Aver");
    headings.push_back("Grade");
    lines.push_back(std::move(headings));
    std::vector<std::size_t> order(students.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (rank)
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return students[a].average > students[b].average; });
    const GradingSystem& grading = classes.back().record.grading;
    for (const std::size_t i : order) {
        const TermStudent& student = students[i];
        ShowLine line{std::string(student.latest->lastName.View()), std::string(student.latest->firstName.View()),
                      std::string(student.latest->id.View())};
        for (std::size_t k = 0; k < classes.size(); ++k) {
            const int row = student.rows[k];
            line.push_back(row == 0 ? std::string(" N/A") : FormatScore(overall[k][static_cast<std::size_t>(row)]));
        }
        line.push_back(FormatScore(student.average));
        line.push_back(LetterGrade(grading, student.average));
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    if (!students.empty()) {
        float sum = 0.0f;
        for (const TermStudent& student : students) sum = sum + student.average;
        lines.push_back({"Class Average", FormatScore(sum / static_cast<float>(students.size()))});
    }
    return lines;
}

const char* TermUsage() { return "quorle term [--weights W1,W2,...] [--rank] CLASS1.gdr CLASS2.gdr ... [-o OUT.csv]"; }

int RunTermCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto usage = [&err](const std::string& problem) {
        err << "quorle term: " << problem << "\nUsage: " << TermUsage() << "\n";
        return 2;
    };
    std::vector<std::string> paths;
    std::string outPath;
    std::optional<std::string> weightsText;
    bool rank = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << "Usage: " << TermUsage() << "\n"
                << "  Prints the term's grades made of its grading periods' class files, tab-separated:\n"
                << "  each student's average in each class (matched by ID #), the term average and\n"
                << "  its letter grade by the last class's grading system.\n"
                << "  --weights  one weight per class, in the order of the files (each 1 if not given)\n"
                << "  --rank     students in rank order (highest term average first)\n"
                << "  -o         writes the table as CSV for a spreadsheet instead\n";
            return 0;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--rank") {
            rank = true;
        } else if (!optionsEnded && (arg == "--weights" || arg == "-o")) {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return usage(arg == "-o" ? "-o needs a file name" : "--weights needs the weights, as 40,40,20");
            (arg == "-o" ? outPath : weightsText.emplace()) = args[++i];
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usage("unknown option " + arg);
        } else if (arg.empty()) {
            return usage("an empty argument is not a class file");
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.empty()) return usage("no class files given");
    std::vector<double> weights(paths.size(), 1.0);
    if (weightsText) {
        std::string problem;
        const auto given = ParseTermWeights(*weightsText, paths.size(), problem);
        if (!given) return usage(problem);
        weights = *given;
    }
    if (!outPath.empty()) {
        std::vector<CommandInput> inputs;
        for (const std::string& path : paths)
            for (CommandInput& input : ClassInputs(path)) inputs.push_back(std::move(input));
        if (RefuseOutputOntoInput(outPath, inputs, err, "quorle term: ")) return 2;
    }
    std::vector<TermClass> classes;
    classes.reserve(paths.size());
    for (const std::string& path : paths) {
        auto record = ReadClassArgument(path, err, path + ": ");
        if (!record) return 1;
        classes.push_back({TermHeading(path), std::move(*record)});
    }
    const std::vector<ShowLine> lines = BuildTermTable(classes, weights, rank);
    if (outPath.empty()) {
        WriteShowTable(lines, out);
        out.flush();
        return out ? 0 : 1;
    }
    const std::string csv = ShowLinesCsv(lines);
    FileProblem problem;
    if (!WriteFileAtomically(outPath, std::span(reinterpret_cast<const unsigned char*>(csv.data()), csv.size()),
                             &problem)) {
        err << outPath << ": File cannot be opened!\n" << problem.Text() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorle
