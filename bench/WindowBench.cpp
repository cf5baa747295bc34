// The editor's run loop on screen and its full redraw. Run it under a display server to measure
// the real window (xvfb-run ./WindowBench); without one it runs on the offscreen platform.
#include "WindowBenchEditor.h"

#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// Passes per second of the loop that the start action runs, the window's events served between
// passes, stopped by the stop action after half a second.
void BM_RunLoopPasses(benchmark::State& state)
{
    Editor editor(state.range(0));
    int64_t passes = 0;
    for (auto _ : state) {
        QTimer::singleShot(500, editor.window.get(), [&] { editor.window->ActionManager1.actSimStop->trigger(); });
        editor.window->ActionManager1.actSimStart->trigger();
        passes += editor.window->Runs->Passes();
    }
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

// The same loop with the events served after literally every pass, for comparison.
void BM_RunLoopPassesServingEveryPass(benchmark::State& state)
{
    struct EveryPass : MessagePump {
        int64_t passes = 0;
        void ProcessMessages() override
        {
            ++passes;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    };
    Editor editor(state.range(0));
    TCircuitContext& context = editor.window->Circuit.Context;
    int64_t passes = 0;
    for (auto _ : state) {
        EveryPass pump;
        QTimer::singleShot(500, editor.window.get(), [&] { context.Simulating = false; });
        context.Simulating = true;
        RunSimulation(editor.window->Bord, pump, {});
        passes += pump.passes;
    }
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

// One full Redraw: background, every part, grid dots, and the copy to the window surface. The
// board runs far below the window, so most parts are clipped away.
void BM_Redraw(benchmark::State& state)
{
    Editor editor(state.range(0));
    for (auto _ : state) editor.window->Redraw();
}

// The same with every part inside the window, packed 100 × 100 over each other.
void BM_RedrawAllInView(benchmark::State& state)
{
    Editor editor(state.range(0), 100, 12, 9);
    for (auto _ : state) editor.window->Redraw();
}

}  // namespace

BENCHMARK(BM_RunLoopPasses)->Arg(10)->Arg(1000)->Iterations(4)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLoopPassesServingEveryPass)->Arg(10)->Arg(1000)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawAllInView)->Arg(10000)->Unit(benchmark::kMillisecond);
