// Reading, parsing, computing and saving a big class: 1,000 students and 300
// grade items. ReadWholeFile (the raw bytes into memory) is the floor the
// others compare with; a save that keeps the replaced bytes as an earlier
// version is measured against the same save without it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchClass.h"
#include "grading/Compute.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/VersionStore.h"

namespace {

using namespace quorle;

constexpr int kStudents = 1000;
constexpr int kItems = 300;

// The class written once to a temporary folder, removed at exit.
struct BenchFile {
    std::string folder;
    std::string path;
    ClassRecord record;
    std::vector<unsigned char> bytes;

    BenchFile() {
        char pattern[] = "/tmp/quorle-bench-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        folder = pattern;
        // Earlier versions go to the benchmark's own folder, never the real home.
        ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        record = bench::MakeBenchClass(kStudents, kItems);
        record.fileName = folder + "/bench.gdr";
        if (!WriteClassFile(record)) std::abort();
        bytes = SerializeClassFile(record);
    }
    ~BenchFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BenchFile& File() {
    static BenchFile file;
    return file;
}

void BM_ReadWholeFile(benchmark::State& state) {
    const std::string& path = File().record.fileName;
    for (auto _ : state) {
        auto bytes = ReadWholeFile(path);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(File().bytes.size()));
}
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMicrosecond);

void BM_ParseClassFile(benchmark::State& state) {
    const auto& bytes = File().bytes;
    for (auto _ : state) {
        ClassRecord record = ParseClassFile(bytes);
        benchmark::DoNotOptimize(record.roster.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseClassFile)->Unit(benchmark::kMicrosecond);

void BM_ReadClassFile(benchmark::State& state) {
    const std::string& path = File().record.fileName;
    for (auto _ : state) {
        ClassRecord record = ReadClassFile(path);
        benchmark::DoNotOptimize(record.roster.data());
    }
}
BENCHMARK(BM_ReadClassFile)->Unit(benchmark::kMicrosecond);

void BM_SerializeClassFile(benchmark::State& state) {
    const ClassRecord& record = File().record;
    for (auto _ : state) {
        auto bytes = SerializeClassFile(record);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_SerializeClassFile)->Unit(benchmark::kMicrosecond);

// A save as the class window makes it after a grade changed: the class
// serialised and written atomically (flushed, renamed over the old file).
// Each save changes one grade, so every save replaces different bytes.
void SaveAfterAGradeChange(benchmark::State& state, bool keepVersion) {
    ClassRecord record = File().record;
    record.fileName = File().folder + (keepVersion ? "/kept.gdr" : "/plain.gdr");
    if (!WriteClassRecord(record.fileName, record)) std::abort();
    float value = 1;
    for (auto _ : state) {
        record.roster[1 + static_cast<std::size_t>(value) % 1000].scores[0][0].value = value;
        value += 1;
        const bool written = keepVersion ? WriteClassFile(record)
                                         : WriteFileAtomically(record.fileName, SerializeClassFile(record));
        if (!written) std::abort();
    }
}

void BM_SaveClass(benchmark::State& state) { SaveAfterAGradeChange(state, false); }
BENCHMARK(BM_SaveClass)->Unit(benchmark::kMillisecond)->MinTime(3);

// The same save keeping the replaced bytes as an earlier version (the old
// file read, hashed, copied into the versions folder; past the 200 MB limit
// the oldest version is removed at each save).
void BM_SaveClassKeepingVersion(benchmark::State& state) { SaveAfterAGradeChange(state, true); }
BENCHMARK(BM_SaveClassKeepingVersion)->Unit(benchmark::kMillisecond)->MinTime(3);

// Every figure a full repaint of the grades pane computes: each grade's text, the
// six averages and points, total, possible, overall average and letter of every row.
void BM_ComputeRepaint(benchmark::State& state) {
    const ClassRecord& record = File().record;
    const TStudent& possible = record.PossibleRow();
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int row = 0; row < record.RowCount(); ++row) {
            const TStudent& s = record.Row(row);
            for (int c = 0; c < kCategoryCount; ++c)
                for (const TGrades& g : s.scores[c]) characters += FormatGrade(g.value).size();
            for (int c = 0; c < kCategoryCount; ++c)
                characters += FormatScore(CategoryAverage(possible.scores[c], s.scores[c])).size();
            for (int c = 0; c < kCategoryCount; ++c) characters += FormatScore(CategoryPoints(s.scores[c])).size();
            characters += FormatScore(TotalPoints(s)).size();
            characters += FormatScore(PossiblePoints(possible, s)).size();
            const float average = OverallAverage(record.grading, possible, s);
            characters += FormatScore(average).size();
            if (row > 0) characters += LetterGrade(record.grading, average).size();
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ComputeRepaint)->Unit(benchmark::kMicrosecond);

void BM_RankOrder(benchmark::State& state) {
    const ClassRecord& record = File().record;
    for (auto _ : state) {
        auto order = RankOrder(record.grading, record.roster);
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(BM_RankOrder)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
