// The board seen through the viewport on a board of inverters: a full redraw at 50 %, 100 % and
// 200 %, a scroll by a quarter of the view, zoom to fit on a large board, and a pointer move
// during a part drag at 200 %. Run it under a display server: xvfb-run ./WindowViewBench
#include "BoardView.h"
#include "WindowBenchEditor.h"

#include <benchmark/benchmark.h>

namespace {

TBoardView& View(Editor& editor) { return *static_cast<TBoardView*>(editor.window->centralWidget()); }

void BM_RedrawAtZoom(benchmark::State& state)
{
    Editor editor(10000, 100, 12, 9);
    View(editor).ZoomTo(static_cast<double>(state.range(0)) / 100);
    for (auto _ : state) editor.window->Redraw();
}

// A quarter of the view down and back up, each a scroll of its own with what it shows drawn.
void BM_ScrollQuarterView(benchmark::State& state)
{
    Editor editor(10000);
    TBoardView& view = View(editor);
    const int quarter = view.Viewport().DeviceHeight() / 4;
    bool down = true;
    for (auto _ : state) {
        view.ScrollBy(0, down ? quarter : -quarter);
        down = !down;
    }
}

void BM_ZoomToFit(benchmark::State& state)
{
    Editor editor(state.range(0), 300);
    for (auto _ : state) {
        View(editor).Reset();
        editor.window->ActionManager1.actZoomFit->trigger();
    }
}

void BM_MoveDraggingAPartAt200(benchmark::State& state)
{
    Editor editor(10000);
    View(editor).ZoomTo(2);
    MovesDuringGesture(state, editor, {420, 120});
}

}  // namespace

BENCHMARK(BM_RedrawAtZoom)->ArgName("percent")->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollQuarterView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomToFit)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveDraggingAPartAt200)->Unit(benchmark::kMicrosecond);
