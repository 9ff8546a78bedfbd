// Earlier versions of a class of 600 students and 40 grade items: a save that
// keeps the version it replaces (one typed grade changed each time), reading
// back the newest and the oldest of 100 versions, and the list of what each
// changed. The counters say what 100 saves leave in the store against the
// size of the class file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchClass.h"
#include "record/ClassFile.h"
#include "record/VersionStore.h"

namespace {

using namespace quorle;
namespace fs = std::filesystem;

constexpr int kStudents = 600;
constexpr int kItems = 40;
constexpr int kSaves = 100;

// A class file in a folder of its own, its versions in the folder's data home.
struct Store {
    bench::TempFolder folder;
    ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
    int saves = 0;

    Store() {
        ::setenv("XDG_DATA_HOME", (folder.path + "/data").c_str(), 1);
        record.fileName = folder.path + "/big.gdr";
        WriteClassFile(record);
    }
    // One typed grade, then Save.
    void Save() {
        ++saves;
        TStudent& student = record.roster[static_cast<std::size_t>(1 + saves * 7 % kStudents)];
        student.scores[saves % 6][0].value = static_cast<float>(saves % 97);
        WriteClassFile(record);
    }
    std::uintmax_t StoreBytes() const {
        std::uintmax_t total = 0;
        for (const StoredVersion& version : ListVersions(record.fileName)) total += version.size;
        return total;
    }
};

void BM_SaveKeepingVersion(benchmark::State& state) {
    std::unique_ptr<Store> store;
    for (auto _ : state) {
        if (!store || store->saves == kSaves) {
            state.PauseTiming();
            store.reset();
            store = std::make_unique<Store>();
            state.ResumeTiming();
        }
        store->Save();
    }
}
BENCHMARK(BM_SaveKeepingVersion)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StoreAfter100Saves(benchmark::State& state) {
    for (auto _ : state) {
        Store store;
        for (int i = 0; i < kSaves; ++i) store.Save();
        const double classBytes = static_cast<double>(fs::file_size(store.record.fileName));
        state.counters["class_bytes"] = classBytes;
        state.counters["store_bytes"] = static_cast<double>(store.StoreBytes());
        state.counters["store_per_class"] = static_cast<double>(store.StoreBytes()) / classBytes;
        state.counters["versions"] = static_cast<double>(ListVersions(store.record.fileName).size());
    }
}
BENCHMARK(BM_StoreAfter100Saves)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

Store& Kept() {
    static Store* store = [] {
        auto* s = new Store;
        for (int i = 0; i < kSaves; ++i) s->Save();
        return s;
    }();
    return *store;
}

void BM_ReadVersion(benchmark::State& state) {
    const auto versions = ListVersions(Kept().record.fileName);
    const StoredVersion& version = state.range(0) == 0 ? versions.front() : versions.back();
    for (auto _ : state) benchmark::DoNotOptimize(ReadVersion(version));
    state.SetLabel(state.range(0) == 0 ? "oldest of 100" : "newest");
}
BENCHMARK(BM_ReadVersion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VersionList(benchmark::State& state) {
    const auto versions = ListVersions(Kept().record.fileName);
    const SummaryStyle style{[](float value) { return std::to_string(value); }, true};
    for (auto _ : state) benchmark::DoNotOptimize(VersionSummaries(versions, style));
}
BENCHMARK(BM_VersionList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
