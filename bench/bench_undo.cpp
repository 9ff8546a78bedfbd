// Undo and Redo of a big class, 1,000 students and 300 grade items: one step
// taken back and made again in a class window, the class file written each
// time; and what a history of 200 steps of every kind holds in memory.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "BenchClass.h"
#include "classwin/ClassWindow.h"
#include "record/ClassFile.h"
#include "record/ClassHistory.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"

namespace {

using namespace quorle;

constexpr int kStudents = 1000;
constexpr int kItems = 300;

// The resident size of the program in MB.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

// The changes the history is measured with, as a class window makes them.
void ChangeGrade(ClassRecord& r, int k) {
    r.Row(1 + k % (r.RowCount() - 1)).scores[k % 6][0].value = static_cast<float>(k % 10);
}
void RenameGrade(ClassRecord& r, int k) {
    for (TStudent& row : r.roster) row.scores[k % 6][1].title = "Renamed" + std::to_string(k % 100);
}
void DeleteGradeSet(ClassRecord& r, int k) {
    for (TStudent& row : r.roster) row.scores[k % 6].erase(row.scores[k % 6].begin());
}
void NewGrade(ClassRecord& r, int k) {
    for (TStudent& row : r.roster) {
        TGrades g;
        g.title = "New " + std::to_string(k);
        g.value = 7.0f;
        row.scores[k % 6].push_back(g);
    }
}
void DropStudent(ClassRecord& r, int k) { RemoveStudent(r, 1 + k % (r.RowCount() - 1)); }
void Reverse(ClassRecord& r, int) { std::reverse(r.roster.begin() + 1, r.roster.end()); }

using Change = void (*)(ClassRecord&, int);
const Change kChanges[] = {ChangeGrade, RenameGrade, DeleteGradeSet, NewGrade, DropStudent, Reverse};

// Undo and then Redo of one step in a class window, each writing the file.
void UndoRedo(benchmark::State& state, Change change) {
    bench::TempFolder folder;
    testing::FakeFrame frame;
    testing::FakeUi ui;
    ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
    record.fileName = folder.path + "/bench.gdr";
    if (!WriteClassFile(record)) std::abort();
    TDecoChild child(frame, ui, std::move(record));
    child.Create({0, 0, 800, 600});
    child.BeginStep();
    change(child.Record(), 3);
    child.WritePaneChange();
    child.EndStep("Step");
    for (auto _ : state) {
        if (!child.Undo() || !child.Redo()) std::abort();
    }
}
BENCHMARK_CAPTURE(UndoRedo, grade, ChangeGrade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UndoRedo, rename_grade, RenameGrade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UndoRedo, delete_grade_set, DeleteGradeSet)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UndoRedo, new_grade, NewGrade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UndoRedo, drop, DropStudent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UndoRedo, alphabetize, Reverse)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the class file written once, as every change writes it.
void BM_WriteClassFile(benchmark::State& state) {
    bench::TempFolder folder;
    ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
    record.fileName = folder.path + "/bench.gdr";
    for (auto _ : state)
        if (!WriteClassFile(record)) std::abort();
}
BENCHMARK(BM_WriteClassFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// 200 steps, the six kinds in turn: what the history holds, and the
// program's resident size with the class and its history in memory.
void BM_History200Steps(benchmark::State& state) {
    for (auto _ : state) {
        ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
        ClassHistory history;
        history.Reset(SerializeClassFile(record));
        for (int k = 0; k < 200; ++k) {
            kChanges[k % 6](record, k);
            history.Record("Step", SerializeClassFile(record));
        }
        state.counters["history_MB"] = static_cast<double>(history.StoredBytes()) / (1024.0 * 1024.0);
        state.counters["resident_MB"] = ResidentMb();
        benchmark::DoNotOptimize(history);
    }
}
BENCHMARK(BM_History200Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
BENCHMARK_MAIN();
