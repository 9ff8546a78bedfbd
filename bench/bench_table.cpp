// The grades pane as a table on a class of 1,000 students and 300 grade items,
// in a class window on the fake frame (1200 x 800): a cursor key and the
// repaint of both panes that follows it; a value typed and stored with Enter
// (the class file written, one undo step); sorting the view by a column.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "BenchClass.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "record/ClassFile.h"
#include "support/CountingDevice.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"

namespace {

using namespace quorle;

constexpr int kStudents = 1000;
constexpr int kItems = 300;

// A class window on the big class, written to a temporary folder.
struct BenchWindow {
    bench::TempFolder folder;
    testing::FakeFrame frame;
    testing::FakeUi ui;
    std::unique_ptr<TDecoChild> child;
    BenchWindow() {
        ClassRecord record = bench::MakeBenchClass(kStudents, kItems);
        record.fileName = folder.path + "/bench.gdr";
        if (!WriteClassFile(record)) std::abort();
        child = std::make_unique<TDecoChild>(frame, ui, std::move(record));
        child->Create({0, 0, 1200, 800});
    }
    // Both panes painted as the screen paints them after an invalidation.
    void Repaint(testing::CountingDevice& canvas) {
        for (platform::Window* pane : {static_cast<platform::Window*>(&child->Grades()),
                                       static_cast<platform::Window*>(&child->Names())}) {
            const auto& s = pane->GetScroller();
            const platform::Size view = pane->Host()->ClientSize();
            const int x = s.xPos * s.xUnit;
            const int y = s.yPos * s.yUnit;
            pane->Paint(canvas, platform::Rect{x, y, x + view.cx, y + view.cy});
        }
    }
};

// Down, or at the last student Ctrl+Home, then both panes repainted.
void BM_CursorKeyToRepaint(benchmark::State& state) {
    BenchWindow w;
    TGradeWindow& grades = w.child->Grades();
    grades.PutCursor(kStudents / 2, kItems / 2);
    testing::CountingDevice canvas;
    for (auto _ : state) {
        const bool last = grades.Cursor()->row == kStudents;
        grades.KeyDown(last ? platform::Key::CtrlHome : platform::Key::Down);
        w.Repaint(canvas);
    }
    benchmark::DoNotOptimize(canvas.Counts().texts);
}
BENCHMARK(BM_CursorKeyToRepaint)->Unit(benchmark::kMicrosecond);

// A character typed into a cell and the repaint that shows it.
void BM_TypedCharacterToRepaint(benchmark::State& state) {
    BenchWindow w;
    TGradeWindow& grades = w.child->Grades();
    grades.PutCursor(kStudents / 2, 10);
    testing::CountingDevice canvas;
    for (auto _ : state) {
        grades.CharTyped('7');
        w.Repaint(canvas);
        grades.KeyDown(platform::Key::Backspace);
    }
    grades.KeyDown(platform::Key::Escape);
    benchmark::DoNotOptimize(canvas.Counts().texts);
}
BENCHMARK(BM_TypedCharacterToRepaint)->Unit(benchmark::kMicrosecond);

// A value typed and stored with Enter: the class file written and one undo
// step recorded; the cursor goes round the middle of the class.
void BM_StoreEntry(benchmark::State& state) {
    BenchWindow w;
    TGradeWindow& grades = w.child->Grades();
    int k = 0;
    for (auto _ : state) {
        grades.PutCursor(1 + k % 100, 5);
        grades.CharTyped(static_cast<char>('1' + k % 9));
        grades.KeyDown(platform::Key::Enter);
        ++k;
    }
    benchmark::DoNotOptimize(w.child->History().StepCount());
}
BENCHMARK(BM_StoreEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

// Sorting the view by a grade column, by the overall average, and by name.
void BM_SortView(benchmark::State& state) {
    BenchWindow w;
    TGradeWindow& grades = w.child->Grades();
    const int columns = static_cast<int>(grades.Columns().size());
    const int column = state.range(0) == 0 ? 7 : state.range(0) == 1 ? columns - 2 : kNameColumn;
    grades.PutCursor(1, column);
    for (auto _ : state) grades.SortByCursorColumn();
    benchmark::DoNotOptimize(grades.RowAt(1));
}
BENCHMARK(BM_SortView)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
