// `quorle show --all` of a 1,000-student class with 300 grade items: the text
// written row by row into one buffer (what the command prints), beside the
// table of cells it is checked against.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "BenchClass.h"
#include "app/ShowCommand.h"

namespace quorle::bench {
namespace {

const ClassRecord& BigClass() {
    static const ClassRecord record = MakeBenchClass(1000, 300);
    return record;
}

void BM_ShowAll_Buffer(benchmark::State& state) {
    BigClass();
    ShowOptions options;
    options.all = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text;
        AppendShowText(BigClass(), options, text);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(bytes));
}
BENCHMARK(BM_ShowAll_Buffer)->Unit(benchmark::kMillisecond);

void BM_ShowAll_TableOfCells(benchmark::State& state) {
    BigClass();
    ShowOptions options;
    options.all = true;
    for (auto _ : state) {
        std::ostringstream out;
        WriteShowTable(BuildShowTable(BigClass(), options), out);
        benchmark::DoNotOptimize(out.tellp());
    }
}
BENCHMARK(BM_ShowAll_TableOfCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorle::bench

BENCHMARK_MAIN();
