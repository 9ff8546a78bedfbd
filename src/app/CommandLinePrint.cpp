#include "app/CommandLinePrint.h"

#include "app/ClassArgument.h"
#include "app/CommandLineForms.h"
#include "app/HeadlessUi.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <span>
#include <ostream>
#include <system_error>

#include "classwin/ClassPicture.h"
#include "grids/ColumnPrint.h"
#include "platform/ProgramDirectory.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "grading/Compute.h"
#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"
#include "seating/SeatPrint.h"
#include "seating/SeatingChartFile.h"
#include "reports/ProgressPrint.h"

namespace quorle {
namespace {

// The names of print options 0 to 22 on the command line, in option order.
constexpr const char* kColumnNames[] = {
    "last",     "first",    "id",           "tests",   "quizzes",    "homework",   "labs",       "extra1",
    "extra2",   "test-avg", "quiz-avg",     "homework-avg", "lab-avg", "extra1-avg", "extra2-avg", "test-pts",
    "quiz-pts", "homework-pts", "lab-pts", "extra1-pts", "extra2-pts", "total",      "possible"};
constexpr int kColumnOptionCount = 23;
static_assert(sizeof kColumnNames / sizeof kColumnNames[0] == kColumnOptionCount);

// Progress reports and warning notices choose among the grade columns only:
// column name i + 3 is their option i.
constexpr int kLetterColumnFirst = 3;

constexpr const char* kUsage =
    "Usage: quorle print grades|makeup|progress|warning|random|names|sheets|attendance|seating|picture\n"
    "                   CLASS.gdr -o OUT.pdf [options]\n"
    "       quorle print grid GRID.col CLASS.gdr -o OUT.pdf [--page-size SIZE]\n"
    "Writes a report of the class as a PDF file, page for page as a printer gets it.\n"
    "\n"
    "Reports:\n"
    "  grades          the grades report, with the options the Print Display Options\n"
    "                  dialog left in QUORLE.POP (the program directory)\n"
    "  makeup          the makeup work report\n"
    "  progress        progress reports from the letter quorle.prg, two students to a page\n"
    "  warning         warning notices from the letter quorle.wrn for every student whose\n"
    "                  average is below the warning level, each twice on its page\n"
    "  random          a page of random orderings of the class\n"
    "  names           the students' names and ID numbers\n"
    "  sheets          blank grade sheets (needs --grades)\n"
    "  attendance      blank attendance sheets (needs --days)\n"
    "  seating         the class's seating chart (its .CHT file), as Print Chart prints it\n"
    "  picture         the class picture on one page, as its window prints it: the\n"
    "                  count of each letter grade and the overall averages in bands\n"
    "                  of 5 points with the class average marked\n"
    "  grid            an assignment grid (GRID.col) with the class's students,\n"
    "                  one page per group of students\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT.pdf   the PDF file to write (required)\n"
    "  --page-size SIZE       Letter or A4 (default: the locale's paper)\n"
    "Grades report only:\n"
    "  --columns LIST         the columns to print instead of the saved choice, comma-\n"
    "                         separated; Average and Grade are always printed:\n"
    "                           last, first, id,\n"
    "                           tests, quizzes, homework, labs, extra1, extra2,\n"
    "                           test-avg, quiz-avg, homework-avg, lab-avg, extra1-avg, extra2-avg,\n"
    "                           test-pts, quiz-pts, homework-pts, lab-pts, extra1-pts, extra2-pts,\n"
    "                           total, possible,\n"
    "                         or all, or none\n"
    "  --rank                 students in rank order\n"
    "  --current              students in the roster's order\n"
    "  --last-test            print the last test score when tests are not printed\n"
    "  --last-quiz            print the last quiz score when quizzes are not printed\n"
    "Grade sheets only:\n"
    "  --grades N             boxes per student, 1 to 30\n"
    "Attendance sheets only:\n"
    "  --days N               school days on the sheet, 1 to 50\n"
    "  --start M/D/YYYY       the first school day (default: today, or the Monday\n"
    "                         after a weekend); its year tells whether February\n"
    "                         has 29 days; each week follows the one before it\n"
    "                         (no holiday week is skipped)\n"
    "Progress reports and warning notices:\n"
    "  --columns LIST         the grades block's columns instead of the saved choice\n"
    "                         (QUORLE.PRP or QUORLE.WRP): the names above from tests\n"
    "                         to possible, or all, or none\n"
    "  --students all|LIST    progress reports: the students to print, by their place\n"
    "                         in the roster counted from 1, comma-separated (1,4,7);\n"
    "                         default all\n"
    "  --level N              warning notices: students below this average (default:\n"
    "                         the level in quorle.low)\n"
    "The questions of the menu commands are taken as answered Yes; the warnings the\n"
    "window would show go to standard error. A report without pages (no student\n"
    "chosen or below the level, no letter) writes no file.\n"
    "\n"
    "Exit status: 0 written, 1 the class or the PDF could not be read or written,\n"
    "2 bad arguments.\n";

struct PrintArguments {
    std::string report;
    std::string gridFile;  // the grid report
    std::string classFile;
    std::string output;
    std::string pageSize;
    bool columnsGiven = false;
    std::array<bool, kColumnOptionCount> columns{};
    int order = 0;  // 0: as saved, 23: current, 24: rank
    bool lastTest = false;
    bool lastQuiz = false;
    FormChoices forms;
    std::string columnList;
    std::string students;  // progress reports; empty: all
    std::string level;     // warning notices; empty: quorle.low
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Reads a comma-separated column list; an error text when a name is unknown
// (or names a column before `first`, which "all" leaves out too).
std::string ParseColumns(const std::string& list, std::array<bool, kColumnOptionCount>& columns, int first = 0) {
    columns.fill(false);
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = list.find(',', start);
        const std::string name = Lower(platform::TrimPadding(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start), " \t"));
        start = comma == std::string::npos ? list.size() + 1 : comma + 1;
        if (name.empty() || name == "none") continue;
        if (name == "all") {
            for (int i = first; i < kColumnOptionCount; ++i) columns[static_cast<std::size_t>(i)] = true;
            continue;
        }
        for (int i = 0; i < first; ++i)
            if (name == kColumnNames[i]) return "the grades block has no column '" + name + "'";
        bool known = false;
        for (int i = first; i < kColumnOptionCount; ++i)
            if (name == kColumnNames[i]) {
                columns[static_cast<std::size_t>(i)] = true;
                known = true;
            }
        if (!known) return "unknown column '" + name + "' (see quorle print --help for the names)";
    }
    return {};
}

// Reads the words after "print"; an error text for bad arguments.
std::string ParseArguments(const std::vector<std::string>& args, PrintArguments& parsed) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string word = args[i];
        std::string value;
        bool hasValue = false;
        if (word.rfind("--", 0) == 0) {
            const auto equals = word.find('=');
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
                word = word.substr(0, equals);
                hasValue = true;
            }
        }
        auto takeValue = [&](std::string& target) -> bool {
            if (!hasValue) {
                if (i + 1 >= args.size()) return false;
                value = args[++i];
            }
            target = value;
            return true;
        };
        if (word == "-o" || word == "--output") {
            if (!takeValue(parsed.output) || parsed.output.empty()) return "-o needs the PDF file to write";
        } else if (word == "--page-size") {
            std::string size;
            if (!takeValue(size)) return "--page-size needs Letter or A4";
            const std::string lower = Lower(platform::TrimPadding(size, " \t"));
            if (lower == "letter") parsed.pageSize = "Letter";
            else if (lower == "a4") parsed.pageSize = "A4";
            else return "unknown page size '" + size + "' (Letter or A4)";
        } else if (word == "--columns") {
            std::string list;
            if (!takeValue(list)) return "--columns needs a list of columns";
            const std::string error = ParseColumns(list, parsed.columns);
            if (!error.empty()) return error;
            parsed.columnsGiven = true;
            parsed.columnList = list;
        } else if (word == "--students") {
            if (!takeValue(parsed.students) || platform::TrimPadding(parsed.students, " \t").empty())
                return "--students needs all or a list of roster places";
        } else if (word == "--level") {
            if (!takeValue(parsed.level)) return "--level needs a number";
            // The level the window's dialog would take, and nothing else.
            const auto accepted = AcceptedWarningLevel(parsed.level);
            if (!accepted) return "--level needs a number from 0 to 100, not '" + parsed.level + "'";
            parsed.level = *accepted;
        } else if (IsFormOption(word)) {
            std::string text;
            if (!takeValue(text)) return word + " needs a value";
            if (std::string error = TakeFormOption(word, text, parsed.forms); !error.empty()) return error;
        } else if (hasValue) {
            return "option " + word + " takes no value";
        } else if (word == "--rank" || word == "--current") {
            const int order = word == "--rank" ? kPrintRankOrder : kPrintCurrentOrder;
            if (parsed.order != 0 && parsed.order != order) return "choose either --rank or --current";
            parsed.order = order;
        } else if (word == "--last-test") {
            parsed.lastTest = true;
        } else if (word == "--last-quiz") {
            parsed.lastQuiz = true;
        } else if (word.size() > 1 && word[0] == '-') {
            return "unknown option " + word;
        } else {
            positional.push_back(word);
        }
    }
    if (positional.empty())
        return "name the report: grades, makeup, progress, warning, random, names, sheets, attendance, seating, picture or grid";
    parsed.report = positional[0];
    const bool letters = parsed.report == "progress" || parsed.report == "warning";
    if (parsed.report != "grades" && parsed.report != "makeup" && parsed.report != "grid" &&
        parsed.report != "seating" && parsed.report != "picture" && !letters && !IsFormReport(parsed.report))
        return "unknown report '" + parsed.report +
               "' (grades, makeup, progress, warning, random, names, sheets, attendance, seating, picture or grid)";
    if (parsed.report == "grid") {
        if (positional.size() < 3) return "name the grid file and the class file";
        parsed.gridFile = positional[1];
        positional.erase(positional.begin() + 1);
    }
    if (positional.size() < 2) return "name the class file";
    if (positional.size() > 2) return "one class file at a time";
    parsed.classFile = positional[1];
    if (parsed.output.empty()) return "name the PDF file to write with -o";
    if (parsed.report != "grades" && !letters &&
        (parsed.columnsGiven || parsed.order != 0 || parsed.lastTest || parsed.lastQuiz))
        return "--columns, --rank, --current, --last-test and --last-quiz belong to the grades report";
    if (letters && (parsed.order != 0 || parsed.lastTest || parsed.lastQuiz))
        return "--rank, --current, --last-test and --last-quiz belong to the grades report";
    if (letters && parsed.columnsGiven) {
        const std::string error = ParseColumns(parsed.columnList, parsed.columns, kLetterColumnFirst);
        if (!error.empty()) return error;
    }
    if (!parsed.students.empty() && parsed.report != "progress") return "--students belongs to progress reports";
    if (!parsed.level.empty() && parsed.report != "warning") return "--level belongs to warning notices";
    if (IsFormReport(parsed.report) || parsed.forms.grades || parsed.forms.days || parsed.forms.start)
        return CheckFormChoices(parsed.report, parsed.forms);
    return {};
}

// The Ui of a headless job: the two questions of the grades report are
// answered from the arguments, every other box goes to the error stream.
class CommandLineUi : public HeadlessUi {
public:
    CommandLineUi(const PrintArguments& arguments, const CommandLineServices& services, std::ostream& err)
        : arguments_(arguments), services_(services), err_(err) {}

    platform::Answer MessageBox(std::string_view caption, std::string_view text, platform::Buttons buttons,
                                platform::Icon icon) override {
        if (caption == "Include Last Test Score") return arguments_.lastTest ? platform::Answer::Yes : platform::Answer::No;
        if (caption == "Include Last Quiz Score") return arguments_.lastQuiz ? platform::Answer::Yes : platform::Answer::No;
        err_ << "quorle print: " << platform::Cp1252ToUtf8(text) << "\n";
        return HeadlessUi::MessageBox(caption, text, buttons, icon);
    }
    platform::Date Today() override { return services_.today ? services_.today() : HeadlessUi::Today(); }

private:
    const PrintArguments& arguments_;
    const CommandLineServices& services_;
    std::ostream& err_;
};

// The PDF device as the command hands it to the job, counting the pages made.
class PageCountingDevice : public platform::ForwardingPrintDevice {
public:
    PageCountingDevice(std::unique_ptr<platform::PrintDevice> device, int& pages)
        : ForwardingPrintDevice(std::move(device)), pages_(pages) {}
    int StartPage() override {
        const int result = ForwardingPrintDevice::StartPage();
        if (result > 0) ++pages_;
        return result;
    }

private:
    int& pages_;
};

// Every file the report reads: the class and its chart, the grid, and the
// settings and letters of the program directory the report takes.
std::vector<CommandInput> ReportInputs(const PrintArguments& arguments) {
    std::vector<CommandInput> inputs = ClassInputs(arguments.classFile);
    if (!arguments.gridFile.empty()) inputs.push_back({arguments.gridFile, "the grid file", false});
    const std::filesystem::path folder(platform::FindProgramDirectory());
    const auto setting = [&](const char* name, const char* role) {
        inputs.push_back({(folder / name).string(), role, false});
    };
    if (arguments.report == "grades") setting(kPrintOptionFile, "the grades report's print options");
    if (arguments.report == "progress" || arguments.report == "warning") {
        const ProgressKind kind = arguments.report == "progress" ? ProgressKind::Progress : ProgressKind::Warning;
        setting(TemplateFileName(kind), "the letter's template");
        setting(ProgressOptionFileName(kind), "the letters' print options");
        if (kind == ProgressKind::Warning) setting(kWarningLevelFile, "the warning level");
    }
    return inputs;
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "quorle print: " << problem << "\n"
        << "Usage: quorle print REPORT CLASS.gdr -o OUT.pdf [options]  (quorle print --help)\n";
    return 2;
}

// The ticked students of progress reports: every one, or the roster places
// listed (counted from 1). An error text for a place the class does not have.
std::string ChooseStudents(const std::string& list, int students, std::vector<bool>& selected) {
    selected.assign(static_cast<std::size_t>(students) + 1, false);
    if (list.empty() || Lower(platform::TrimPadding(list, " \t")) == "all") {
        std::fill(selected.begin() + 1, selected.end(), true);
        return {};
    }
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = list.find(',', start);
        const std::string word = platform::TrimPadding(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start), " \t");
        start = comma == std::string::npos ? list.size() + 1 : comma + 1;
        int place = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), place);
        if (word.empty() || ec != std::errc() || end != word.data() + word.size())
            return "--students needs all or roster places such as 1,4,7, not '" + word + "'";
        if (place < 1 || place > students)
            return "the class has no student " + word + " (it has " + std::to_string(students) + ")";
        selected[static_cast<std::size_t>(place)] = true;
    }
    return {};
}

}  // namespace


int RunPrintCommand(const std::vector<std::string>& args, const CommandLineServices& services, std::ostream& out,
                    std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << kUsage;
        return 0;
    }
    PrintArguments arguments;
    if (const std::string problem = ParseArguments(args, arguments); !problem.empty()) return Usage(err, problem);
    if (RefuseReportOutput(arguments.output, ReportInputs(arguments), err, "quorle print: ")) return 2;

    const auto read = ReadClassArgument(arguments.classFile, err, "quorle print: " + arguments.classFile + ": ");
    if (!read) return 1;
    const ClassRecord& record = *read;

    CommandLineUi ui(arguments, services, err);
    // The file's bytes as the device makes them; they go on disk, atomically,
    // only once the whole job has succeeded, so a failed job or write leaves
    // an older file of that name as it was.
    std::string pdf;
    TMyPrinter printer;
    int pages = 0;
    if (services.makePdfDevice) {
        const auto keep = [&pdf](std::string_view bytes) {
            pdf.append(bytes);
            return true;
        };
        if (auto device = services.makePdfDevice(keep, arguments.pageSize))
            printer.SetDevice(std::make_unique<PageCountingDevice>(std::move(device), pages));
    }

    TColumnList grid;
    if (arguments.report == "grid") {
        auto columns = ReadGridFile(arguments.gridFile);
        if (!columns) {
            err << "quorle print: " << arguments.gridFile << ": " << kGridCannotOpen << "\n";
            return 1;
        }
        grid = std::move(*columns);
    }

    std::optional<SeatingChart> chart;
    if (arguments.report == "seating") {
        if (ChartExists(record.fileName)) chart = ReadChartFile(ChartPath(record.fileName));
        if (!chart) {
            err << "quorle print: " << ChartPath(record.fileName) << ": " << kChartCannotBeOpened << "\n";
            return 1;
        }
    }

    std::unique_ptr<TPrintout> printout;
    if (arguments.report == "picture") {
        printout = std::make_unique<TClassPicturePrint>(record);
    } else if (arguments.report == "seating") {
        printout = std::make_unique<TSeatPrint>(kChartPrintTitle, *chart, record.info);
    } else if (IsFormReport(arguments.report)) {
        std::string refusal;
        printout = MakeFormPrintout(arguments.report, arguments.forms, record, ui, refusal);
        if (!printout) {
            err << "quorle print: " << platform::Cp1252ToUtf8(refusal) << "\n";
            return 2;
        }
    } else if (arguments.report == "progress" || arguments.report == "warning") {
        const ProgressKind kind = arguments.report == "progress" ? ProgressKind::Progress : ProgressKind::Warning;
        std::vector<bool> selected;
        if (const std::string problem = ChooseStudents(arguments.students, record.StudentCount(), selected);
            !problem.empty())
            return Usage(err, problem);
        std::string level = platform::TrimPadding(arguments.level, " \t");
        if (kind == ProgressKind::Warning && level.empty()) {
            const auto stored = ReadWarningLevel(ui.ProgramDirectory());
            if (!stored) {
                err << "quorle print: " << UnableToOpen(kWarningLevelFile) << "\n";
                return 1;
            }
            level = stored->Str();
        }
        ProgressOptions options{};
        LoadProgressOptions(ui.ProgramDirectory(), kind, options);
        if (arguments.columnsGiven)
            for (int i = 0; i < kProgressOptionCount; ++i)
                options[static_cast<std::size_t>(i)] =
                    arguments.columns[static_cast<std::size_t>(i + kLetterColumnFirst)] ? 1 : 0;
        const auto levelValue = static_cast<float>(TextToDouble(level));
        auto letters = std::make_unique<TProgressPrint>(record, selected, printer, ui, kind, levelValue, options,
                                                        KeepOptions::DoNotSave);
        if (letters->PageCount() == 0) {
            // A job without pages would still make a PDF of one blank page.
            // (A missing letter has said so already.)
            if (letters->HasTemplate())
                err << "quorle print: nothing to print: "
                    << (kind == ProgressKind::Progress ? std::string("the class has no students")
                                                       : "no student's average is below " + level)
                    << "\n";
            err << "quorle print: " << arguments.output << " was not written\n";
            return 1;
        }
        printout = std::move(letters);
    } else if (arguments.report == "grades") {
        PrintOptions options = DefaultPrintOptions();
        LoadPrintOptions(ui.ProgramDirectory(), options);
        if (arguments.columnsGiven)
            for (int i = 0; i < kColumnOptionCount; ++i)
                options[static_cast<std::size_t>(i)] = arguments.columns[static_cast<std::size_t>(i)] ? 1 : 0;
        if (arguments.order != 0) {
            options[kPrintCurrentOrder] = arguments.order == kPrintCurrentOrder ? 1 : 0;
            options[kPrintRankOrder] = arguments.order == kPrintRankOrder ? 1 : 0;
        }
        printout = std::make_unique<TGradesPrint>(record.fileName, record, printer, ui, options, KeepOptions::DoNotSave);
    } else if (arguments.report == "grid") {
        printout = std::make_unique<TColumnPrint>(printer, grid, record.roster, record.info.course.View(),
                                                  record.info.period.View(), ui.Today());
    } else {
        printout = std::make_unique<TMakeupPrint>(record.fileName, record, printer, ui);
    }

    if (!printer.RunPrintJob(ui, nullptr, *printout, false)) {
        err << "quorle print: " << arguments.output << " was not written\n";
        return 1;
    }
    FileProblem problem;
    if (!WriteFileAtomically(arguments.output,
                             std::span(reinterpret_cast<const unsigned char*>(pdf.data()), pdf.size()), &problem)) {
        err << "quorle print: " << arguments.output << " was not written\n" << problem.Text() << "\n";
        return 1;
    }
    out << arguments.output << ": " << pages << (pages == 1 ? " page\n" : " pages\n");
    return 0;
}

}  // namespace quorle
