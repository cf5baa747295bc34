// Wire merging and junction dots on boards of many wires, looked up through the board's grid
// (second argument 1) or by scanning the board's list (0).
#include "PartsU.h"

#include <benchmark/benchmark.h>

namespace {

// Rows of 100 short horizontal wires, 10 pixels apart, none touching another.
struct WireBoard {
    TCircuit circuit;
    TCode* middle = nullptr;
    WireBoard(int64_t count, bool grid)
    {
        circuit.Bord.SetGridLookup(grid);
        for (int64_t k = 0; k < count; ++k) {
            auto* w = circuit.Bord.Create<TCode>(nullptr);
            w->DragWidth = 30;
            w->MoveTo(static_cast<int>(k % 100) * 40, static_cast<int>(k / 100) * 20, false);
            if (k == count / 2 + 50) middle = w;
        }
        circuit.Bord.CheckAllLinks();
    }
};

// A new wire drawn on from the end of another: LinkCode merges it, then the grown wire is
// resized back so that every round starts from the same board.
void BM_DrawAndMerge(benchmark::State& state)
{
    WireBoard b(state.range(0), state.range(1) != 0);
    TBord& board = b.circuit.Bord;
    TCode* o = b.middle;
    for (auto _ : state) {
        b.circuit.Context.OpenBatch();
        auto* w = board.Create<TCode>(nullptr);
        w->RecordCreate("MouseUp DrawingCode");
        w->DragWidth = 5;
        w->MoveTo(o->Left + 30, o->Top, true);
        benchmark::DoNotOptimize(board.LinkCode(w));
        o->DragWidth = 30;
        o->MoveTo(o->Left, o->Top, true);
        b.circuit.Context.PushBatch();
    }
}

// A junction dot dragged between the middles of two neighbouring wires: each move joins the wire
// it leaves and cuts the one it lands on.
void BM_DotMove(benchmark::State& state)
{
    WireBoard b(state.range(0), state.range(1) != 0);
    const int left = b.middle->Left, top = b.middle->Top - 10;
    auto* dot = b.circuit.Bord.Create<TDot>(nullptr);
    dot->MoveTo(left, top, true);
    bool onNext = false;
    for (auto _ : state) {
        onNext = !onNext;
        b.circuit.Context.OpenBatch();
        dot->CollectCodes();
        dot->RecordGeometry(false, "");
        dot->MoveTo(onNext ? left + 40 : left, top, true);
        dot->RecordGeometry(true, "MouseUp CreateDot");
        b.circuit.Context.PushBatch();
    }
}

void Sizes(benchmark::internal::Benchmark* b)
{
    for (const int64_t grid : {1, 0})
        for (const int64_t wires : {1000, 10000, 100000}) b->Args({wires, grid});
}

}  // namespace

BENCHMARK(BM_DrawAndMerge)->Apply(Sizes);
BENCHMARK(BM_DotMove)->Apply(Sizes);
