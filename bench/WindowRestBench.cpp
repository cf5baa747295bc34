// What the editor's run loop costs once its circuit has come to rest at full speed: the processor
// time of the whole program over a stretch of the run, as a share of the time that passed, and the
// passes a second that the rest counts. Run it under a display server to measure the real window
// (xvfb-run ./WindowRestBench); without one it runs on the offscreen platform.
#include "RunCommands.h"
#include "RunControl.h"
#include "WindowBenchEditor.h"

#include <QTimer>

#include <sys/resource.h>

#include <chrono>

namespace {

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The chains of inverters settle within a frame or two; after half a second the run is at rest,
// and the next two seconds are measured.
void BM_RunLoopAtRest(benchmark::State& state)
{
    Editor editor(state.range(0));
    double processor = 0, wall = 0, counted = 0;
    bool rested = true;
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        Clock::time_point from;
        double processorFrom = 0;
        int64_t passesFrom = 0;
        QTimer::singleShot(500, editor.window.get(), [&] {
            rested = rested && editor.window->Runs->Run()->Resting();
            from = Clock::now();
            processorFrom = ProcessorSeconds();
            passesFrom = editor.window->Runs->Passes();
        });
        QTimer::singleShot(2500, editor.window.get(), [&] {
            processor += ProcessorSeconds() - processorFrom;
            wall += std::chrono::duration<double>(Clock::now() - from).count();
            counted += static_cast<double>(editor.window->Runs->Passes() - passesFrom);
            editor.window->ActionManager1.actSimStop->trigger();
        });
        editor.window->ActionManager1.actSimStart->trigger();
    }
    if (!rested) state.SkipWithError("the run was not at rest after half a second");
    state.counters["cpu %"] = 100 * processor / wall;
    state.counters["counted passes/s"] = counted / wall;
}

}  // namespace

BENCHMARK(BM_RunLoopAtRest)->Arg(10)->Arg(1000)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
