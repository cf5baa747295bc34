// A full redraw of a 1280 × 800 view on the raster canvas, headless, at 50 %, 100 % and 200 %:
// background, every part, grid dots.
#include "DMU.h"
#include "GuiSession.h"
#include "PartU.h"
#include "QImageCanvas.h"
#include "Simulation.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Sprites {
    TGuiSession session;
    TDM dm;
};

Sprites& SharedSprites()
{
    static Sprites sprites;
    return sprites;
}

// A board of inverters in rows of the given count and pitch, shown on a 1280 × 800 canvas at the
// zoom in percent.
struct View {
    QImageCanvas canvas{1280, 800, &SharedSprites().dm};
    TCircuit circuit{&canvas};

    View(int64_t zoom, int64_t parts, int columns, int pitchX, int pitchY)
    {
        canvas.SetView(static_cast<double>(zoom) / 100, {0, 0});
        for (int64_t i = 0; i < parts; ++i) {
            auto* inverter = circuit.Bord.Create<TNot>(nullptr);
            inverter->MoveTo(static_cast<int>(i % columns) * pitchX, static_cast<int>(i / columns) * pitchY, false);
        }
        circuit.Bord.CheckAllLinks();
    }
    void Redraw() { RedrawBoard(circuit.Bord, canvas, canvas.BoardArea()); }
};

// 10,000 inverters in rows of 30 whose terminals touch; the board runs far below the view.
void BM_RedrawView(benchmark::State& state)
{
    View view(state.range(0), 10000, 30, 40, 50);
    for (auto _ : state) view.Redraw();
}

// 10,000 inverters packed 100 to a row over each other, all of them in the view at 100 %.
void BM_RedrawViewAllInView(benchmark::State& state)
{
    View view(state.range(0), 10000, 100, 12, 9);
    for (auto _ : state) view.Redraw();
}

}  // namespace

BENCHMARK(BM_RedrawView)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawViewAllInView)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
