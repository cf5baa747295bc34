// The levels a run shows on the board: what they cost the run loop, and one frame's repaint.
// Run it under a display server to measure the real window (xvfb-run ./WindowLevelsBench).
#include "Code.h"
#include "LevelFrames.h"
#include "LiveImage.h"
#include "WindowBenchEditor.h"

#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int Pitch = 40, RowPitch = 50;

void AddWire(TfrmVoltrane& window, TPoint a, TPoint b)
{
    auto* wire = window.Bord.Create<TCode>(&window.WindowSurface());
    wire->DragWidth = std::abs(b.x - a.x);
    wire->DragHeight = std::abs(b.y - a.y);
    wire->MoveTo(std::min(a.x, b.x), std::min(a.y, b.y), false);
}

// Rings of an odd number of inverters, their terminals touching in a row and the last output wired
// back to the first input below the row: every net of a ring changes in every pass.
struct Rings : Editor {
    Rings(int64_t parts, int ring) : Editor(0)
    {
        TfrmVoltrane& w = *window;
        for (int64_t placed = 0, row = 0; placed < parts; ++row) {
            const int count = static_cast<int>(std::min<int64_t>(ring, parts - placed)) | 1;
            const int y = static_cast<int>(row) * RowPitch;
            for (int i = 0; i < count; ++i) w.Bord.Create<TNot>(&w.WindowSurface())->MoveTo(20 + i * Pitch, y, false);
            const int end = 20 + count * Pitch;
            const TPoint route[] = {{end, y + 20}, {end + 10, y + 20}, {end + 10, y + 45},
                                    {10, y + 45},  {10, y + 20},       {20, y + 20}};
            for (size_t k = 0; k + 1 < std::size(route); ++k) AddWire(w, route[k], route[k + 1]);
            placed += count;
        }
        w.Redraw();
        QCoreApplication::processEvents();
    }
};

// Passes per second of the start action's loop, stopped after a second, with the levels shown
// (second argument 1) or not (0).
void BM_RunLoopPassesWithLevels(benchmark::State& state)
{
    Rings rings(state.range(0), 29);
    TfrmVoltrane& window = *rings.window;
    window.Circuit.Context.Look.Levels = state.range(1) != 0;
    int64_t passes = 0;
    for (auto _ : state) {
        QTimer::singleShot(1000, &window, [&] { window.ActionManager1.actSimStop->trigger(); });
        window.ActionManager1.actSimStart->trigger();
        passes += window.Runs->Passes();
    }
    state.counters["passes/s"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

// One frame of a run on a board of 10,000 inverters seen at the given zoom (percent): the first
// 1,000 nets (the top rows, in view) change, and the frame repaints them and shows them.
void BM_LevelsFrame(benchmark::State& state)
{
    Rings rings(10000, 25);
    TfrmVoltrane& window = *rings.window;
    TCircuitContext& context = window.Circuit.Context;
    while (state.range(0) < 100 && window.BoardSurface().Scale() * 100 > state.range(0) + 1)
        window.ActionManager1.actZoomOut->trigger();
    window.Bord.SetConnectTanshi();
    context.Simulating = true;
    TLevelFrames levels(window.Bord);
    levels.Begin();
    window.Redraw();
    std::vector<TTanshi*> outputs;
    for (int i = 0; i < window.Bord.Count() && outputs.size() < 1000; ++i)
        if (window.Bord.Items(i)->Is(cfPart)) outputs.push_back(window.Bord.Items(i)->Tanshis.Items(1));
    int64_t repainted = 0;
    for (auto _ : state) {
        for (TTanshi* out : outputs) out->Level = out->Level == LevelLow ? LevelHigh : LevelLow;
        levels.Frame([&](const TRect& area) {
            ++repainted;
            window.RepaintArea(area);
        });
        TLiveImage::FlushAll();
        QCoreApplication::processEvents();
    }
    context.Simulating = false;
    state.counters["areas"] = benchmark::Counter(static_cast<double>(repainted) / state.iterations());
    state.counters["zoom%"] = window.BoardSurface().Scale() * 100;
}

}  // namespace

BENCHMARK(BM_RunLoopPassesWithLevels)
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LevelsFrame)->Arg(100)->Arg(50)->UseRealTime()->Unit(benchmark::kMillisecond);
