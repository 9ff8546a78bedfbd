#include "app/CommandLineRoster.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "app/ClassArgument.h"
#include "app/HeadlessUi.h"
#include "classwin/ImportStudents.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/RosterFile.h"
#include "record/RosterImport.h"
#include "record/VersionStore.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChart.h"
#include "seating/SeatingChartFile.h"

namespace quorle {
namespace {

// Nobody to ask: the computer seats students, and every message goes to the
// error stream.
class ConsoleUi : public HeadlessUi {
public:
    explicit ConsoleUi(std::ostream& err) : err_(err) {}
    platform::Answer MessageBox(std::string_view, std::string_view text, platform::Buttons buttons,
                                platform::Icon) override {
        err_ << platform::Cp1252ToUtf8(text) << "\n";
        return buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }

private:
    std::ostream& err_;
};

// The words of a subcommand: its files, and whether --force was given.
struct Words {
    std::vector<std::string> files;
    bool force = false;
};

bool ReadWords(const std::vector<std::string>& args, bool forceAllowed, const char* name, const char* usage,
               Words& words, std::ostream& err) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && forceAllowed && arg == "--force") {
            words.force = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "quorle " << name << ": unknown option " << arg << "\nUsage: " << usage << "\n";
            return false;
        } else {
            words.files.push_back(arg);
        }
    }
    if (words.files.size() != 2 || words.files[0].empty() || words.files[1].empty()) {
        err << "quorle " << name << ": two files are needed\nUsage: " << usage << "\n";
        return false;
    }
    return true;
}

bool IsHelp(const std::vector<std::string>& args) {
    return !args.empty() && (args.front() == "--help" || args.front() == "-h");
}

}  // namespace

const char* ImportStudentsUsage() { return "quorle import-students ROSTER.csv CLASS.gdr"; }
const char* NewPeriodUsage() { return "quorle new-period OLD.gdr NEW.gdr [--force]"; }

int RunImportStudentsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsHelp(args)) {
        out << "Usage: " << ImportStudentsUsage() << "\n"
            << "  Adds the students of a CSV roster (a header row naming \"Last Name\", \"First Name\" and\n"
            << "  optionally \"ID\") to the class, as Add Students does. Nothing is added unless every\n"
            << "  line of the roster can be taken.\n";
        return 0;
    }
    Words words;
    if (!ReadWords(args, false, "import-students", ImportStudentsUsage(), words, err)) return 2;
    const std::string& rosterPath = words.files[0];
    const std::string& classPath = words.files[1];

    ClassLock lock;
    if (!LockClassArgument(classPath, lock, err)) return 1;
    const auto bytes = ReadInputArgument(rosterPath, err);
    if (!bytes) return 1;
    auto read = ReadClassArgument(classPath, err, classPath + ": ");
    if (!read) return 1;
    ClassRecord& record = *read;
    // A roster the class cannot take is refused before anyone is added, and a
    // far too long one before all of it is read.
    const RosterImport roster =
        ParseRosterFor(record, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!roster.error.empty()) {
        err << rosterPath << ": " << roster.error << "\n" << kImportNothingAdded << "\n";
        return 1;
    }
    ConsoleUi ui(err);
    RandomGenerator& random = ProcessRandom();
    random.Seed(static_cast<std::uint32_t>(ui.Now()));
    UsedIds used = ScanUsedIds(ClassFolder(classPath));
    const int firstNew = record.RowCount();
    if (!AppendImportedStudents(record, roster.students, used, random))
        err << "Some students were given an ID number another class in the folder already uses.\n";
    record.fileName = NormalizeClassFileName(record.fileName);

    // The computer seats the new students in the chart, which is then written
    // together with the class: both change, or neither.
    FileProblem problem;
    std::optional<SeatingChart> chart;
    std::string chartPath;
    if (ChartExists(classPath)) {
        chartPath = ChartPath(classPath);
        chart = ReadChartFile(chartPath, &problem);
        if (!chart) {
            err << chartPath << ": " << kChartCannotBeOpened << "\n" << problem.Text() << "\n" << kImportNothingAdded << "\n";
            return 1;
        }
        for (int row = firstNew; row < record.RowCount(); ++row) {
            if (OccupiedSeats(chart->seats) >= chart->seatCount) {
                err << kChartFullText << "\n";
                break;
            }
            const TStudent& student = record.Row(row);
            const int seat = DrawFreeSeat(chart->seats, random);
            chart->seats[static_cast<std::size_t>(seat)] =
                TPeople::Seated(student.firstName.View(), student.lastName.View());
        }
    }
    problem = ClassFileRefusal(record, record.fileName);
    if (problem.Empty() && chart) problem = ChartFileRefusal(*chart, chartPath);
    const auto classBytes = SerializeClassFile(record);
    const auto chartBytes = chart ? SerializeChartFile(*chart) : std::vector<unsigned char>{};
    std::vector<FileToWrite> others;
    if (chart) others.push_back({chartPath, chartBytes});
    if (!problem.Empty() || !WriteClassTogether(record.fileName, classBytes, others, &problem)) {
        const bool chartFailed = chart && problem.path == chartPath;
        err << (chartFailed ? chartPath : classPath) << ": " << (chartFailed ? kChartCannotBeOpened : kFileNotFound)
            << "\n" << problem.Text() << "\n" << kImportNothingAdded << "\n";
        return 1;
    }
    out << "Added " << roster.students.size() << " students to " << record.fileName << "\n";
    return 0;
}

int RunNewPeriodCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsHelp(args)) {
        out << "Usage: " << NewPeriodUsage() << "\n"
            << "  Writes the class file of a new grading period: the same students and settings, no\n"
            << "  grades, and a copy of the seating chart. NEW.gdr is not replaced without --force.\n";
        return 0;
    }
    Words words;
    if (!ReadWords(args, true, "new-period", NewPeriodUsage(), words, err)) return 2;
    const std::string& oldPath = words.files[0];
    const std::string& newPath = words.files[1];
    ClassLock oldLock, newLock;
    if (!LockClassArgument(oldPath, oldLock, err) || !LockClassArgument(newPath, newLock, err)) return 1;
    const auto read = ReadClassArgument(oldPath, err, oldPath + ": ");
    if (!read) return 1;
    const ClassRecord& record = *read;
    std::error_code error;
    const bool replacing = std::filesystem::exists(newPath, error);
    if (replacing) {
        if (std::filesystem::equivalent(oldPath, newPath, error)) {
            err << newPath << ": the new grading period cannot replace the class it comes from.\n";
            return 1;
        }
        if (!words.force) {
            err << newPath << ": the file already exists; give --force to replace it.\n";
            return 1;
        }
    }
    // The class and the copy of its chart are written together: a full disk
    // leaves neither behind, so the command can simply be run again.
    FileProblem problem;
    const std::string oldChart = ChartExists(oldPath) ? ChartPath(oldPath) : std::string();
    std::optional<std::vector<unsigned char>> chartBytes;
    if (!oldChart.empty()) {
        chartBytes = ReadChartBytes(oldChart, &problem);
        if (!chartBytes) {
            err << oldChart << ": " << kChartCannotBeOpened << "\n" << problem.Text() << "\n";
            return 1;
        }
    }
    const ClassRecord next = NewGradingPeriodRecord(record);
    problem = ClassFileRefusal(next, newPath);
    const auto classBytes = SerializeClassFile(next);
    const std::string newChart = ChartPath(newPath);
    std::vector<FileToWrite> others;
    if (chartBytes) others.push_back({newChart, *chartBytes});
    if (!problem.Empty() || !WriteClassTogether(newPath, classBytes, others, &problem)) {
        err << (problem.path.empty() ? newPath : problem.path) << ": File cannot be opened!\n" << problem.Text() << "\n";
        return 1;
    }
    // The chart of a class file just replaced does not belong to the new one.
    if (!chartBytes && replacing && ChartExists(newPath)) std::filesystem::remove(newChart, error);
    out << "Wrote " << newPath << " with " << record.StudentCount() << " students\n";
    return 0;
}

}  // namespace quorle
