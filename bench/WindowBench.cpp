// The editor's run loop on screen and its full redraw. Run it under a display server to measure
// the real window (xvfb-run ./WindowBench); without one it runs on the offscreen platform.
#include "DMU.h"
#include "PartU.h"
#include "QtShell.h"
#include "VoltraneU.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "WindowBench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// The main window with a board of inverters in rows, their terminals touching in chains when the
// pitch is 40 (rows of 30 fill the width of the window); a smaller pitch packs them over each other.
struct Editor {
    QApplication& app = App();
    QtShell shell;
    TDM dm;
    std::unique_ptr<TfrmVoltrane> window;

    explicit Editor(int64_t parts, int columns = 30, int pitchX = 40, int pitchY = 50)
    {
        window = std::make_unique<TfrmVoltrane>(shell, dm);
        window->resize(1280, 960);
        window->show();
        for (int64_t i = 0; i < parts; ++i) {
            auto* inverter = window->Bord.Create<TNot>(&window->WindowSurface());
            inverter->MoveTo(static_cast<int>(i % columns) * pitchX, static_cast<int>(i / columns) * pitchY, false);
        }
        window->Redraw();
        QCoreApplication::processEvents();
    }
};

// Passes per second of the loop that the start action runs, the window's events served between
// passes, stopped by the stop action after half a second.
void BM_RunLoopPasses(benchmark::State& state)
{
    Editor editor(state.range(0));
    int64_t passes = 0;
    for (auto _ : state) {
        QTimer::singleShot(500, editor.window.get(), [&] { editor.window->ActionManager1.actSimStop->trigger(); });
        editor.window->ActionManager1.actSimStart->trigger();
        passes += editor.window->SimulationPasses();
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
