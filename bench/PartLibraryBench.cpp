// One simulation pass over boards filled with the part library's flip-flops, timers, indicators
// and converters, headless (the displays draw on surfaces that draw nothing), computed by every
// part's own Calc and Tick (second argument 0) and by the engine the editor uses (1).
#include "PartU.h"
#include "PassEngine.h"

#include <benchmark/benchmark.h>

namespace {

// A pulser lighting an LED, plus one of each other kind, in a cell of 300 × 200 pixels.
constexpr int PartsPerGroup = 11;

void PlaceGroup(TBord& board, int x, int y)
{
    board.Create<TPulser>(nullptr)->MoveTo(x, y, false);
    board.Create<TLED>(nullptr)->MoveTo(x + 40, y + 10, false);  // on the pulser's output
    board.Create<TJKFF>(nullptr)->MoveTo(x, y + 60, false);
    board.Create<TTFF>(nullptr)->MoveTo(x + 60, y + 60, false);
    board.Create<TOneShot>(nullptr)->MoveTo(x + 70, y, false);
    board.Create<TLED7SEG>(nullptr)->MoveTo(x + 120, y, false);
    board.Create<TMatrix8X8>(nullptr)->MoveTo(x + 170, y, false);
    board.Create<T2TO10>(nullptr)->MoveTo(x + 120, y + 80, false);
    board.Create<T7SEG>(nullptr)->MoveTo(x + 180, y + 80, false);
    board.Create<TFullAdder>(nullptr)->MoveTo(x + 240, y + 80, false);
    board.Create<TScope>(nullptr)->MoveTo(x + 260, y, false);
}

void BM_PartLibraryPass(benchmark::State& state)
{
    TCircuit circuit;
    TBord& board = circuit.Bord;
    const int64_t groups = state.range(0);
    for (int64_t g = 0; g < groups; ++g)
        PlaceGroup(board, static_cast<int>(g % 100) * 300, static_cast<int>(g / 100) * 200);
    board.CheckAllLinks();
    const TEngineMode mode = state.range(1) == 0 ? TEngineMode::Objects : TEngineMode::Auto;
    TPassEngine engine(board, mode);
    engine.Start();
    for (auto _ : state) engine.Pass();
    // Seconds per part and pass, shown with an SI prefix.
    state.counters["per_part"] = benchmark::Counter(static_cast<double>(groups * PartsPerGroup),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
    state.SetLabel(EngineName(mode));
}

}  // namespace

BENCHMARK(BM_PartLibraryPass)->ArgsProduct({{10, 100, 1000}, {0, 1}});
