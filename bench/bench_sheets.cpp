// Attendance sheets of 50 school days and grade sheets of 30 boxes for a
// 1,000-student class: the page split at AttachDevice and every box of every
// page, on a counting device (the printout's own work) and, where the Qt layer
// is linked, to a real PDF file (what `quorle print attendance` and `quorle
// print sheets` do).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchClass.h"
#include "app/HeadlessUi.h"
#include "reports/SheetsPrint.h"
#include "support/CountingDevice.h"

#ifdef QUORLE_BENCH_PDF
#include "platform/qt/QtPrint.h"
#endif

namespace quorle::bench {
namespace {

const ClassRecord& BigClass() {
    static const ClassRecord record = MakeBenchClass(1000, 0);
    return record;
}

// 50 days from Monday 9/7: ten weeks, every week following the one before.
bool PrintAttendance(std::unique_ptr<platform::PrintDevice> device) {
    HeadlessUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    TFirstDay first;
    first.date = TDates{9, 7};
    first.weekday = kMonday;
    auto starts = WeekStarts(first.date, first.weekday, 50, false, [](const TDates&) { return true; });
    TAttendancePrint printout(BigClass(), 50, first, std::move(starts));
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

bool PrintGradeSheets(std::unique_ptr<platform::PrintDevice> device) {
    HeadlessUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    TSheetsPrint printout(BigClass(), 30);
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

testing::DrawCounts counts;

// A device like a 600 dpi Letter page that only counts.
std::unique_ptr<platform::PrintDevice> Counting() {
    return std::make_unique<testing::CountingDevice>(&counts, platform::Size{4800, 6300}, 600);
}

void BM_Attendance50Days_Counting(benchmark::State& state) {
    BigClass();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintAttendance(Counting()));
    const auto perRun = [&](std::int64_t n) {
        return benchmark::Counter(static_cast<double>(n) / static_cast<double>(state.iterations()));
    };
    state.counters["pages"] = perRun(counts.pages);
    state.counters["texts"] = perRun(counts.texts);
    state.counters["lines"] = perRun(counts.lines);
}
BENCHMARK(BM_Attendance50Days_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradeSheets30Boxes_Counting(benchmark::State& state) {
    BigClass();
    counts = {};
    for (auto _ : state) benchmark::DoNotOptimize(PrintGradeSheets(Counting()));
    const auto perRun = [&](std::int64_t n) {
        return benchmark::Counter(static_cast<double>(n) / static_cast<double>(state.iterations()));
    };
    state.counters["pages"] = perRun(counts.pages);
    state.counters["lines"] = perRun(counts.lines);
}
BENCHMARK(BM_GradeSheets30Boxes_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

#ifdef QUORLE_BENCH_PDF
void BM_Attendance50Days_Pdf(benchmark::State& state) {
    BigClass();
    const std::string path = (std::filesystem::temp_directory_path() / "quorle-bench-attendance.pdf").string();
    for (auto _ : state) benchmark::DoNotOptimize(PrintAttendance(qt::MakePdfDevice(path, "Letter")));
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.counters["pdf_bytes"] = benchmark::Counter(ec ? 0.0 : static_cast<double>(size));
    std::filesystem::remove(path, ec);
}
BENCHMARK(BM_Attendance50Days_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradeSheets30Boxes_Pdf(benchmark::State& state) {
    BigClass();
    const std::string path = (std::filesystem::temp_directory_path() / "quorle-bench-sheets.pdf").string();
    for (auto _ : state) benchmark::DoNotOptimize(PrintGradeSheets(qt::MakePdfDevice(path, "Letter")));
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.counters["pdf_bytes"] = benchmark::Counter(ec ? 0.0 : static_cast<double>(size));
    std::filesystem::remove(path, ec);
}
BENCHMARK(BM_GradeSheets30Boxes_Pdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
#endif

}  // namespace
}  // namespace quorle::bench

BENCHMARK_MAIN();
