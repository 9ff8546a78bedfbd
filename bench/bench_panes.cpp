// One repaint of a full class window (names pane and grades pane, 1200 x 800
// pixels) of a class of 1,000 students and 300 grade items, scrolled to the
// middle, on a canvas that only counts what it is asked to draw.
#include <benchmark/benchmark.h>

#include "BenchClass.h"
#include "classwin/Panes.h"
#include "support/CountingDevice.h"

namespace {

using namespace quorle;

void BM_RepaintClassWindow(benchmark::State& state) {
    ClassRecord record = bench::MakeBenchClass(1000, 300);
    TNameWindow names(record, nullptr);
    TGradeWindow grades(record, nullptr);
    names.SetGrades(&grades);
    grades.SetNames(&names);
    names.SetDisplayFlags(record.display);
    grades.UpdateScroller();
    names.UpdateScroller();
    const auto& s = grades.GetScroller();
    // 0: scrolled to the middle; 1: to the last columns, where every row's
    // overall average and letter grade are computed.
    grades.ScrollTo(state.range(0) == 0 ? s.xRange / 2 : s.xRange - 10, s.yRange / 2);
    grades.SyncNames();

    const PaneMetrics m{120, 80, 16};
    const int namesWidth = names.PaneWidth(m);
    const platform::Size window{1200, 800};
    testing::CountingDevice canvas;
    for (auto _ : state) {
        const auto& gs = grades.GetScroller();
        const int gx = gs.xPos * gs.xUnit;
        const int gy = gs.yPos * gs.yUnit;
        grades.Paint(canvas, platform::Rect{gx, gy, gx + window.cx - namesWidth, gy + window.cy});
        const auto& ns = names.GetScroller();
        const int ny = ns.yPos * ns.yUnit;
        names.Paint(canvas, platform::Rect{0, ny, namesWidth, ny + window.cy});
        benchmark::DoNotOptimize(canvas.Counts().texts);
    }
    state.counters["texts/repaint"] =
        benchmark::Counter(static_cast<double>(canvas.Counts().texts) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RepaintClassWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A mouse move over the grades pane: the hit test and its status text.
void BM_HitTestGradesPane(benchmark::State& state) {
    ClassRecord record = bench::MakeBenchClass(1000, 300);
    TGradeWindow grades(record, nullptr);
    grades.UpdateScroller();
    const auto& s = grades.GetScroller();
    grades.ScrollTo(s.xRange / 2, s.yRange / 2);
    int x = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grades.HitTest({x, 401}));
        x = (x + 37) % 900;
    }
}
BENCHMARK(BM_HitTestGradesPane)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
