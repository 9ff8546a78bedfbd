#include "app/ImportGradesCommand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>

#include "app/ClassArgument.h"
#include "classwin/NewGrade.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/DecimalText.h"
#include "record/GradesImport.h"

namespace quorle {
namespace {

constexpr const char* kNothingAdded = "No grades were added.";
// As the grade dialogs take them: a title of 9 characters, a value of 5.
constexpr std::size_t kTitleLength = 9;
constexpr std::size_t kPointsLength = 5;

constexpr std::array<const char*, kCategoryCount> kCategoryWords{"tests", "quizzes", "homework", "labs", "extra1",
                                                                 "extra2"};

struct Request {
    std::vector<std::string> files;
    int category = -1;
    std::optional<std::string> title;  // Windows-1252
    std::optional<float> points;
    std::string column;                // Windows-1252
};

// Points possible as the value box takes them: a plain number of at most five characters.
std::optional<float> ReadPoints(const std::string& text) {
    if (text.empty() || text.size() > kPointsLength || text == "." ||
        std::count(text.begin(), text.end(), '.') > 1 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return std::nullopt;
    return static_cast<float>(TextToDouble(text));
}

// The request, or a usage problem.
std::string ReadRequest(const std::vector<std::string>& args, Request& request) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool valued = arg == "--category" || arg == "--title" || arg == "--points" || arg == "--column";
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && valued) {
            if (i + 1 >= args.size()) return arg + " needs a value";
            const std::string& value = args[++i];
            std::string text;
            if (!platform::Utf8ToCp1252(value, text)) return arg + " has characters a class file cannot store";
            if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
                return arg + " has a control character";
            if (arg == "--category") {
                std::string word = text;
                for (char& c : word) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
                const auto found = std::find(kCategoryWords.begin(), kCategoryWords.end(), word);
                if (found == kCategoryWords.end())
                    return "--category must be one of tests, quizzes, homework, labs, extra1, extra2";
                request.category = static_cast<int>(found - kCategoryWords.begin());
            } else if (arg == "--title") {
                if (text.size() > kTitleLength) text.resize(kTitleLength);
                request.title = text;
            } else if (arg == "--points") {
                request.points = ReadPoints(text);
                if (!request.points) return "--points needs a number of at least 0, at most 5 characters (as 10 or 12.5)";
            } else {
                if (text.empty()) return "--column needs a column heading";
                request.column = text;
            }
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else {
            request.files.push_back(arg);
        }
    }
    if (request.files.size() != 2 || request.files[0].empty() || request.files[1].empty())
        return "a scores file and a class file are needed";
    if (request.category < 0 || !request.title || !request.points)
        return "--category, --title and --points are needed";
    return {};
}

}  // namespace

const char* ImportGradesUsage() {
    return "quorle import-grades SCORES.csv CLASS.gdr --category CAT --title TITLE --points P [--column NAME]";
}

int RunImportGradesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << "Usage: " << ImportGradesUsage() << "\n"
            << "  Adds one grade column to the class from a CSV file of scores (a header row; students\n"
            << "  matched by \"ID\", or by \"Last Name\" and \"First Name\", or by one \"Name\" column).\n"
            << "  CAT is tests, quizzes, homework, labs, extra1 or extra2; P the points possible.\n"
            << "  --column  the heading of the scores' column (else the last column of numbers)\n"
            << "  An empty cell, N/A, - or EX, and a student not in the file, leave the grade omitted.\n"
            << "  Nothing is added unless every line of the file can be taken.\n";
        return 0;
    }
    Request request;
    if (const std::string problem = ReadRequest(args, request); !problem.empty()) {
        err << "quorle import-grades: " << problem << "\nUsage: " << ImportGradesUsage() << "\n";
        return 2;
    }
    const std::string& scoresPath = request.files[0];
    const std::string& classPath = request.files[1];

    // A class open in a window is left alone: its next save would wipe out
    // this command's work. The lock is held until the command ends.
    ClassLock lock;
    if (!LockClassArgument(classPath, lock, err)) {
        err << kNothingAdded << "\n";
        return 1;
    }
    const auto bytes = ReadInputArgument(scoresPath, err);
    if (!bytes) return 1;
    auto read = ReadClassArgument(classPath, err, classPath + ": ");
    if (!read) return 1;
    ClassRecord& record = *read;
    if (record.RowCount() == 0) {
        err << classPath << ": the class has no Possible Points row.\n" << kNothingAdded << "\n";
        return 1;
    }
    // Under the Weighted method a category weighted 0 would never count.
    if (record.grading.weightedFlag == 1 &&
        TextToInt(record.grading.weights[static_cast<std::size_t>(request.category)].View()) == 0) {
        err << platform::Cp1252ToUtf8(platform::TrimPadding(NotWeightedMessage(record, request.category))) << "\n"
            << kNothingAdded << "\n";
        return 1;
    }
    const GradesImport grades =
        ParseGradesCsv(record, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                       request.column);
    if (!grades.error.empty()) {
        err << scoresPath << ": " << platform::Cp1252ToUtf8(grades.error) << "\n" << kNothingAdded << "\n";
        return 1;
    }
    AddGradeColumn(record, request.category, *request.title, *request.points, grades.values);
    FileProblem problem = ClassFileRefusal(record, classPath);
    const auto classBytes = SerializeClassFile(record);
    if (!problem.Empty() || !WriteClassBytes(classPath, classBytes, &problem)) {
        err << classPath << ": File cannot be opened!\n" << problem.Text() << "\n" << kNothingAdded << "\n";
        return 1;
    }
    out << "Added " << CountOf(grades.added, "grade") << " to " << classPath << "; " << CountOf(grades.omitted, "student")
        << " left omitted\n";
    return 0;
}

}  // namespace quorle
