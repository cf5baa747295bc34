// Mouse editing on a board of 10,000 parts: one pointer move during a part drag (alone and with 50
// wires following it), a wire preview and a rubber band (only their XOR outlines change; the repaint
// of the window is counted too), and the hit test of a press. Run it under a display server:
// xvfb-run ./WindowEditBench
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

// An inverter right of the rows with 50 wires ending on its terminals, 25 each side, which follow
// it while it is dragged.
void BM_MoveDraggingAPartWith50Wires(benchmark::State& state)
{
    Editor editor(10000);
    TfrmVoltrane& window = *editor.window;
    auto* inverter = window.Bord.Create<TNot>(&window.WindowSurface());
    inverter->MoveTo(1240, 400, false);  // input (1240, 420), output (1280, 420)
    for (int i = 1; i <= 25; ++i) {
        auto* in = window.Bord.Create<TCode>(&window.WindowSurface());
        in->DragHeight = 10 * i;
        in->MoveTo(1240, 420 - 10 * i, true);
        auto* out = window.Bord.Create<TCode>(&window.WindowSurface());
        out->DragWidth = 10 * i;
        out->MoveTo(1280, 420, true);
    }
    window.Redraw();
    MovesDuringGesture(state, editor, {1260, 420});
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
BENCHMARK(BM_MoveDraggingAPartWith50Wires)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PressHitTest)->ArgName("grid")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
