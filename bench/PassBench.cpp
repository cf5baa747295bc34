// One simulation pass and the link passes on chains of inverters whose terminals touch directly;
// a redraw of deeply nested boxes; the settle before a run.
#include "PartU.h"

#include <benchmark/benchmark.h>

namespace {

struct Chain {
    TCircuit circuit;
    explicit Chain(int64_t length)
    {
        for (int64_t i = 0; i < length; ++i) {
            auto* inverter = circuit.Bord.Create<TNot>(nullptr);
            // Rows of 1,000 keep coordinates small; each row starts a new chain.
            inverter->MoveTo(static_cast<int>(i % 1000) * 40, static_cast<int>(i / 1000) * 50, false);
        }
    }
};

void BM_Pass(benchmark::State& state)
{
    Chain chain(state.range(0));
    TBord& board = chain.circuit.Bord;
    board.SetConnectTanshi();
    board.ResolveNets();
    for (auto _ : state) {
        board.CalcAll();
        board.TickAll();
    }
    // Seconds per part and pass, shown with an SI prefix (e.g. 2.1n).
    state.counters["per_part"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void BM_LinkAndResolve(benchmark::State& state)
{
    Chain chain(state.range(0));
    for (auto _ : state) {
        chain.circuit.Bord.SetConnectTanshi();
        chain.circuit.Bord.ResolveNets();
    }
}

void BM_CheckAllLinks(benchmark::State& state)
{
    Chain chain(state.range(0));
    for (auto _ : state) chain.circuit.Bord.CheckAllLinks();
}

// A redraw of boxes nested one in the other, each holding a gate beside the next box.
void BM_RedrawNestedBoxes(benchmark::State& state)
{
    NullCanvas canvas;
    TCircuit circuit(&canvas);
    TContainer* outer = nullptr;
    for (int64_t i = 0; i < state.range(0); ++i) {
        auto* box = circuit.Bord.Create<TContainer>(nullptr);
        box->Container = outer;
        box->SetLeftTop(static_cast<int>(i % 1000), static_cast<int>(i % 1000));
        auto* gate = circuit.Bord.Create<TGate>(nullptr);
        gate->Container = box;
        gate->MoveTo(box->Left + 20, box->Top + 20, false);
        outer = box;
    }
    for (auto _ : state) circuit.Bord.DrawAll();
}

// The settle before a run on independent parts: two-input gates (second argument 0), gates and a
// pulse generator (1), or T flip-flops (2); the third argument turns off the skipping of what
// cannot change, for every full pass.
void BM_Settle(benchmark::State& state)
{
    TCircuit circuit;
    for (int64_t i = 0; i < state.range(0); ++i) {
        TPartsBase* part = nullptr;
        if (state.range(1) == 2) {
            part = circuit.Bord.Create<TTFF>(nullptr);
        } else {
            part = circuit.Bord.Create<TGate>(nullptr);
            part->PartNo = static_cast<int32_t>(i % 8);
            part->SetTanshi();
        }
        part->MoveTo(static_cast<int>(i % 1000) * 100, static_cast<int>(i / 1000) * 100, false);
    }
    if (state.range(1) == 1) circuit.Bord.Create<TPulser>(nullptr)->MoveTo(-100, -100, false);
    circuit.Bord.SetConnectTanshi();
    circuit.Bord.ResolveNets();
    TPassEngine engine(circuit.Bord, state.range(2) == 0 ? TEngineMode::Sparse : TEngineMode::Objects);
    for (auto _ : state) engine.Settle();
}

}  // namespace

BENCHMARK(BM_Pass)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_LinkAndResolve)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckAllLinks)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawNestedBoxes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Settle)
    ->Args({2000, 0, 1})
    ->Args({2000, 0, 0})
    ->Args({20000, 0, 0})
    ->Args({20000, 1, 0})
    ->Args({20000, 2, 0})
    ->Unit(benchmark::kMillisecond);
