// The ID scan of Add Students over a folder of 300 class files of 40 students
// and 60 grade items each, beside the raw read of the same files (list the
// folder, read every file whole): the floor the scan compares with.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchClass.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/RosterFile.h"

namespace {

using namespace quorle;

constexpr int kFiles = 300;
constexpr int kStudents = 40;
constexpr int kItems = 60;

// The folder written once, removed at exit.
struct BenchFolder {
    std::string folder;
    std::size_t bytes = 0;

    BenchFolder() {
        char pattern[] = "/tmp/quorle-bench-ids-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        folder = pattern;
        ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
        for (int f = 0; f < kFiles; ++f) {
            for (int s = 1; s <= kStudents; ++s) record.Row(s).id = std::to_string((f * kStudents + s) % 999 + 1);
            const auto image = SerializeClassFile(record);
            std::ofstream out(folder + "/class" + std::to_string(f) + ".gdr", std::ios::binary);
            out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
            bytes += image.size();
        }
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

void BM_RawReadOfTheFolder(benchmark::State& state) {
    const BenchFolder& f = Folder();
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& entry : std::filesystem::directory_iterator(f.folder)) {
            const auto bytes = ReadWholeFile(entry.path().string());
            total += bytes ? bytes->size() : 0;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(f.bytes));
}
BENCHMARK(BM_RawReadOfTheFolder)->Unit(benchmark::kMillisecond);

void BM_IdScanOfTheFolder(benchmark::State& state) {
    const BenchFolder& f = Folder();
    for (auto _ : state) {
        const UsedIds used = ScanUsedIds(f.folder);
        benchmark::DoNotOptimize(used);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(f.bytes));
}
BENCHMARK(BM_IdScanOfTheFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
