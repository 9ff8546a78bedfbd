// The grades report, the makeup work report and the progress reports of a big
// class (every student ticked): rendered to a
// counting device (the reports' own work) and, where the Qt layer is linked,
// to a real PDF file (what `quorle print` does).
//
//   bench_reports                          runs the benchmarks
//   bench_reports --write-class OUT.gdr [ITEMS [STUDENTS]]
//                                          writes the 1,000-student class (40 grade
//                                          items, or ITEMS; or STUDENTS students)
//                                          for measuring `quorle print` and
//                                          `quorle show` themselves
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "BenchClass.h"
#include "app/HeadlessUi.h"
#include "support/CountingDevice.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"
#include "reports/ProgressPrint.h"

#ifdef QUORLE_BENCH_PDF
#include "platform/qt/QtPrint.h"
#endif

namespace quorle::bench {
namespace {

// Answers the two questions of the grades report with No; shows nothing.
class BenchUi : public HeadlessUi {
public:
    platform::Date Today() override { return {2026, 12, 7}; }
    std::string ProgramDirectory() override { return "."; }
};

const ClassRecord& BigClass() {
    static const ClassRecord record = MakeBenchClass(1000, 40);
    return record;
}

// Every column (all 40 grades and every figure: the wide layout) in rank order,
// or the narrow layout of names and figures in roster order.
PrintOptions Options(bool wide) {
    PrintOptions options = DefaultPrintOptions();
    if (wide) {
        for (int i = 0; i <= kPrintPossiblePoints; ++i) options[static_cast<std::size_t>(i)] = 1;
        options[kPrintCurrentOrder] = 0;
        options[kPrintRankOrder] = 1;
    } else {
        for (int i : {kPrintLastName, kPrintFirstName, kPrintId, kPrintAverageFirst, kPrintAverageFirst + 1,
                      kPrintTotalPoints, kPrintPossiblePoints})
            options[static_cast<std::size_t>(i)] = 1;
    }
    return options;
}

bool PrintGrades(std::unique_ptr<platform::PrintDevice> device, bool wide) {
    BenchUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    TGradesPrint printout("bench.gdr", BigClass(), printer, ui, Options(wide), KeepOptions::DoNotSave);
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

bool PrintMakeup(std::unique_ptr<platform::PrintDevice> device) {
    BenchUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    TMakeupPrint printout("bench.gdr", BigClass(), printer, ui);
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

// The program directory of the progress reports: the usual letter in a folder of its own.
const std::string& LetterDirectory() {
    static const std::string directory = [] {
        const auto folder = std::filesystem::temp_directory_path() / "quorle-bench-letters";
        std::filesystem::create_directories(folder);
        const std::string letter =
            "{date}\n\nPROGRESS REPORT\n\nStudent:     {firstname} {lastname}\nCourse:      {course}\n"
            "Period:      {period}\nInstructor:  {instructor}\n\nDear parent or guardian of {firstname} "
            "{lastname},\n\nThis report shows the grades your student has earned in {course} so\nfar this "
            "grading period:\n\n{grades}\n\nPlease call or write if you have any questions.\n\n{instructor}\n";
        WriteFileAtomically((folder / "quorle.prg").string(),
                            std::vector<unsigned char>(letter.begin(), letter.end()));
        return folder.string();
    }();
    return directory;
}

class LetterUi : public BenchUi {
public:
    std::string ProgramDirectory() override { return LetterDirectory(); }
};

// Every student ticked; the grades block with every category's average and
// points, total and possible points (16 columns: three bands).
bool PrintProgress(std::unique_ptr<platform::PrintDevice> device) {
    LetterUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    ProgressOptions options{};
    for (int i = 6; i < kProgressOptionCount; ++i) options[static_cast<std::size_t>(i)] = 1;
    const std::vector<bool> everyone(static_cast<std::size_t>(BigClass().RowCount()), true);
    TProgressPrint printout(BigClass(), everyone, printer, ui, ProgressKind::Progress, 0.0f, options,
                            KeepOptions::DoNotSave);
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

// What one report drew, as counted over all iterations.
testing::DrawCounts counts;

// A device like a 600 dpi Letter page that only counts.
std::unique_ptr<platform::PrintDevice> Counting() {
    return std::make_unique<testing::CountingDevice>(&counts, platform::Size{4800, 6300}, 600);
}

void Report(benchmark::State& state) {
    state.counters["pages"] =
        benchmark::Counter(static_cast<double>(counts.pages) / static_cast<double>(state.iterations()));
    state.counters["texts"] =
        benchmark::Counter(static_cast<double>(counts.texts) / static_cast<double>(state.iterations()));
}

void BM_GradesReportWide_Counting(benchmark::State& state) {
    BigClass();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(Counting(), true));
    Report(state);
}
BENCHMARK(BM_GradesReportWide_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradesReportNarrow_Counting(benchmark::State& state) {
    BigClass();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(Counting(), false));
    Report(state);
}
BENCHMARK(BM_GradesReportNarrow_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_MakeupReport_Counting(benchmark::State& state) {
    BigClass();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintMakeup(Counting()));
    Report(state);
}
BENCHMARK(BM_MakeupReport_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_ProgressReports_Counting(benchmark::State& state) {
    BigClass();
    LetterDirectory();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintProgress(Counting()));
    Report(state);
}
BENCHMARK(BM_ProgressReports_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

#ifdef QUORLE_BENCH_PDF
std::string PdfPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("quorle-bench-") + name + ".pdf")).string();
}

void PdfBytes(benchmark::State& state, const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.counters["pdf_bytes"] = benchmark::Counter(ec ? 0.0 : static_cast<double>(size));
    std::filesystem::remove(path, ec);
}

void BM_GradesReportWide_Pdf(benchmark::State& state) {
    BigClass();
    const std::string path = PdfPath("grades-wide");
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(qt::MakePdfDevice(path, "Letter"), true));
    PdfBytes(state, path);
}
BENCHMARK(BM_GradesReportWide_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradesReportNarrow_Pdf(benchmark::State& state) {
    BigClass();
    const std::string path = PdfPath("grades-narrow");
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(qt::MakePdfDevice(path, "Letter"), false));
    PdfBytes(state, path);
}
BENCHMARK(BM_GradesReportNarrow_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_MakeupReport_Pdf(benchmark::State& state) {
    BigClass();
    const std::string path = PdfPath("makeup");
    for (auto _ : state) benchmark::DoNotOptimize(PrintMakeup(qt::MakePdfDevice(path, "Letter")));
    PdfBytes(state, path);
}
BENCHMARK(BM_MakeupReport_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_ProgressReports_Pdf(benchmark::State& state) {
    BigClass();
    LetterDirectory();
    const std::string path = PdfPath("progress");
    for (auto _ : state) benchmark::DoNotOptimize(PrintProgress(qt::MakePdfDevice(path, "Letter")));
    PdfBytes(state, path);
}
BENCHMARK(BM_ProgressReports_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
#endif

}  // namespace
}  // namespace quorle::bench

int main(int argc, char** argv) {
    if (argc >= 3 && argc <= 5 && std::strcmp(argv[1], "--write-class") == 0) {
        const int items = argc >= 4 ? std::atoi(argv[3]) : 40;
        const int students = argc >= 5 ? std::atoi(argv[4]) : 1000;
        if (items < 0 || items > 1000 || students < 0 || students > 10000) {
            std::cerr << "grade items: 0 to 1000; students: 0 to 10000\n";
            return 2;
        }
        quorle::ClassRecord record = quorle::bench::MakeBenchClass(students, items);
        record.fileName = argv[2];
        if (!quorle::WriteClassFile(record)) {
            std::cerr << "cannot write " << argv[2] << "\n";
            return 1;
        }
        std::cout << record.fileName << "\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
