// The grades report of the 1,000-student class printed from the window: to a
// queue that takes PDF (the program's own PDF writer, the file handed to the
// queue at the end) against Qt's printer pages into a PDF (what such a queue
// was sent before), and the print preview's first and last page (each page
// drawn when it is shown).
#include <benchmark/benchmark.h>

#ifdef QUORLE_BENCH_PDF
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchClass.h"
#include "app/HeadlessUi.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtPrintPreview.h"
#include "reports/GradesPrint.h"

namespace quorle::bench {
namespace {

const ClassRecord& BigClass() {
    static const ClassRecord record = MakeBenchClass(1000, 40);
    return record;
}

// Every column and every figure in rank order: the widest report.
PrintOptions EveryColumn() {
    PrintOptions options = DefaultPrintOptions();
    for (int i = 0; i <= kPrintPossiblePoints; ++i) options[static_cast<std::size_t>(i)] = 1;
    options[kPrintCurrentOrder] = 0;
    options[kPrintRankOrder] = 1;
    return options;
}

// The preview runs `look` over the pages instead of showing them.
class BenchUi : public HeadlessUi {
public:
    std::function<void(const std::function<void(platform::PrintDevice&)>&)> look;
    platform::Date Today() override { return {2026, 12, 7}; }
    std::string ProgramDirectory() override { return "."; }
    bool PrintPreview(std::string_view, const std::function<void(platform::PrintDevice&)>& render) override {
        look(render);
        return false;
    }
};

bool PrintGrades(std::unique_ptr<platform::PrintDevice> device) {
    BenchUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::move(device));
    TGradesPrint printout("bench.gdr", BigClass(), printer, ui, EveryColumn(), KeepOptions::DoNotSave);
    return printer.RunPrintJob(ui, nullptr, printout, false);
}

std::unique_ptr<QPrinter> Letter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return printer;
}

void BM_GradesReport_WindowToPdfQueue(benchmark::State& state) {
    qt::EnsureGuiApplication();
    BigClass();
    double bytes = 0;
    // The queue takes the file as it is: its size is what the spooler would get.
    const qt::SubmitToQueue keep = [&bytes](const std::string& path, const qt::QueueJob&) {
        bytes = static_cast<double>(std::filesystem::file_size(path));
        return true;
    };
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(qt::QueueDevice(Letter(), keep)));
    state.counters["pdf_bytes"] = bytes;
}
BENCHMARK(BM_GradesReport_WindowToPdfQueue)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradesReport_QtPrinterPages(benchmark::State& state) {
    qt::EnsureGuiApplication();
    BigClass();
    const std::string path = (std::filesystem::temp_directory_path() / "quorle-bench-qtprinter.pdf").string();
    for (auto _ : state) {
        auto printer = Letter();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
        benchmark::DoNotOptimize(PrintGrades(qt::PrinterDevice(std::move(printer))));
    }
    std::error_code ec;
    state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(path, ec));
    std::filesystem::remove(path, ec);
}
BENCHMARK(BM_GradesReport_QtPrinterPages)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The preview as it opens: the pages counted, then page `which` (0: the first, 1: the last) drawn.
void Preview(benchmark::State& state, bool lastPage) {
    qt::EnsureGuiApplication();
    BigClass();
    auto printer = Letter();
    int pages = 0;
    BenchUi ui;
    ui.look = [&](const std::function<void(platform::PrintDevice&)>& render) {
        qt::PreviewPages preview(*printer, render);
        pages = preview.Count();
        benchmark::DoNotOptimize(preview.Page(lastPage ? pages : 1));
    };
    for (auto _ : state) {
        TMyPrinter job;
        TGradesPrint printout("bench.gdr", BigClass(), job, ui, EveryColumn(), KeepOptions::DoNotSave);
        job.RunPreview(ui, nullptr, printout);
    }
    state.counters["pages"] = pages;
}

void BM_Preview_FirstPageShown(benchmark::State& state) { Preview(state, false); }
BENCHMARK(BM_Preview_FirstPageShown)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_Preview_LastPageShown(benchmark::State& state) { Preview(state, true); }
BENCHMARK(BM_Preview_LastPageShown)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace quorle::bench
#endif

BENCHMARK_MAIN();
