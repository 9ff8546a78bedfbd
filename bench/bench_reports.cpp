// The grades report and the makeup work report of a big class: rendered to a
// counting device (the reports' own work) and, where the Qt layer is linked,
// to a real PDF file (what `quorle print` does).
//
//   bench_reports                          runs the benchmarks
//   bench_reports --write-class OUT.gdr    writes the 1,000-student class for
//                                          measuring `quorle print` itself
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "BenchClass.h"
#include "app/HeadlessUi.h"
#include "record/ClassFile.h"
#include "reports/GradesPrint.h"
#include "reports/MakeupPrint.h"

#ifdef QUORLE_BENCH_PDF
#include "platform/qt/QtPrint.h"
#endif

namespace quorle::bench {
namespace {

// A Letter page at 600 dpi inside quarter-inch margins; fixed metrics, every
// call counted, nothing kept.
class CountingDevice : public platform::PrintDevice {
public:
    void SelectFont(const platform::FontSpec& font) override { height_ = font.height < 0 ? -font.height : font.height; }
    void RestoreFont() override { height_ = 16; }
    platform::Size TextExtent(std::string_view text) override {
        return {static_cast<int>(text.size()) * (height_ * 6 / 10), height_ * 113 / 100};
    }
    void TextOut(int, int, std::string_view text) override {
        ++texts;
        characters += text.size();
    }
    void SetTextColor(platform::Color) override {}
    void SetDefaultTextColor() override {}
    void SetBackgroundTransparent(bool) override {}
    void Line(int, int, int, int, int) override {}
    void Rectangle(const platform::Rect&, int) override {}
    int DeviceCaps(platform::DeviceCap cap) const override {
        switch (cap) {
            case platform::DeviceCap::HorizontalRes: return 4800;
            case platform::DeviceCap::VerticalRes: return 6300;
            default: return 600;
        }
    }
    int StartDoc(std::string_view) override { return 1; }
    int StartPage() override {
        ++pages;
        return 1;
    }
    int EndPage() override { return 1; }
    int EndDoc() override { return 1; }
    int SetCopyCount(int) override { return 1; }

    static inline std::int64_t texts = 0;
    static inline std::int64_t characters = 0;
    static inline std::int64_t pages = 0;

private:
    int height_ = 16;
};

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

void Report(benchmark::State& state) {
    state.counters["pages"] = benchmark::Counter(static_cast<double>(CountingDevice::pages) /
                                                 static_cast<double>(state.iterations()));
    state.counters["texts"] = benchmark::Counter(static_cast<double>(CountingDevice::texts) /
                                                 static_cast<double>(state.iterations()));
}

void BM_GradesReportWide_Counting(benchmark::State& state) {
    BigClass();
    CountingDevice::pages = CountingDevice::texts = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(std::make_unique<CountingDevice>(), true));
    Report(state);
}
BENCHMARK(BM_GradesReportWide_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_GradesReportNarrow_Counting(benchmark::State& state) {
    BigClass();
    CountingDevice::pages = CountingDevice::texts = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PrintGrades(std::make_unique<CountingDevice>(), false));
    Report(state);
}
BENCHMARK(BM_GradesReportNarrow_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_MakeupReport_Counting(benchmark::State& state) {
    BigClass();
    CountingDevice::pages = CountingDevice::texts = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PrintMakeup(std::make_unique<CountingDevice>()));
    Report(state);
}
BENCHMARK(BM_MakeupReport_Counting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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
#endif

}  // namespace
}  // namespace quorle::bench

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-class") == 0) {
        quorle::ClassRecord record = quorle::bench::MakeBenchClass(1000, 40);
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
