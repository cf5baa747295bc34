// One simulation pass over boards filled with the part library's flip-flops, timers, indicators
// and converters, headless (the displays draw on surfaces that draw nothing).
#include "PartU.h"

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
    board.SetConnectTanshi();
    board.ResolveNets();
    for (auto _ : state) {
        board.CalcAll();
        board.TickAll();
    }
    // Seconds per part and pass, shown with an SI prefix.
    state.counters["per_part"] = benchmark::Counter(static_cast<double>(groups * PartsPerGroup),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_PartLibraryPass)->Arg(10)->Arg(100)->Arg(1000);
