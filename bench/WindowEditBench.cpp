// Mouse editing on a board of 10,000 parts: one pointer move during a part drag, a wire preview and
// a rubber band (only their XOR outlines change; the repaint of the window is counted too), and the
// hit test of a press. Run it under a display server: xvfb-run ./WindowEditBench
#include "WindowBenchEditor.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MoveDraggingAPart(benchmark::State& state)
{
    Editor editor(state.range(0));
    MovesDuringGesture(state, editor, {420, 120});  // on an inverter's body
}

void BM_MoveDrawingAWire(benchmark::State& state)
{
    Editor editor(state.range(0));
    editor.window->ActionManager1.actCode->trigger();
    MovesDuringGesture(state, editor, {420, 120});
}

void BM_MoveStretchingARubberBand(benchmark::State& state)
{
    Editor editor(state.range(0));
    MovesDuringGesture(state, editor, {1230, 100});  // right of the rows of parts
}

// What a press asks the board: the objects under the point, through the board's grid or by a scan.
void BM_PressHitTest(benchmark::State& state)
{
    Editor editor(10000);
    editor.window->Bord.SetGridLookup(state.range(0) != 0);
    TPartsList hits;
    for (auto _ : state) benchmark::DoNotOptimize(editor.window->Bord.PartsAt(nullptr, 420, 120, hits));
}

}  // namespace

BENCHMARK(BM_MoveDraggingAPart)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveDrawingAWire)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveStretchingARubberBand)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PressHitTest)->ArgName("grid")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
