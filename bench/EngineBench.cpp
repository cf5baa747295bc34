// The pass engines side by side: a pass over chains of inverters, rings in which every gate or one
// gate changes per pass, the settle before a run, the compile step, and a
// plain netlist loop of the same pass model as the yardstick.
#include "PartU.h"
#include "PassEngine.h"
#include "PassProgram.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

// Every allocation of the program is counted, to show that passes allocate nothing.
namespace {
std::atomic<int64_t> allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size)) return p;
    throw std::bad_alloc();
}
// g++ takes the replaced pair for a mismatch of new and free.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Allocations per pass in the timed loop, after the warm-up passes before it.
class TAllocationCount {
public:
    explicit TAllocationCount(benchmark::State& state) : state_(state), before_(allocations) {}
    ~TAllocationCount()
    {
        state_.counters["allocs_per_pass"] = benchmark::Counter(static_cast<double>(allocations - before_),
                                                                benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    int64_t before_;
};

const TEngineMode Modes[] = {TEngineMode::Objects, TEngineMode::Full, TEngineMode::Sparse, TEngineMode::Auto};

TEngineMode ModeOf(const benchmark::State& state) { return Modes[state.range(0)]; }

// Inverters whose terminals touch, in rows of 1,000; each row starts a new chain. Without a settle
// every terminal starts low, and a wave runs down each row until the chain is at rest.
struct Chain {
    TCircuit circuit;
    explicit Chain(int64_t length)
    {
        for (int64_t i = 0; i < length; ++i)
            circuit.Bord.Create<TNot>(nullptr)->MoveTo(static_cast<int>(i % 1000) * 40,
                                                       static_cast<int>(i / 1000) * 50, false);
        circuit.Bord.SetConnectTanshi();
        circuit.Bord.ResolveNets();
    }
};

// Seconds per part and pass, shown with an SI prefix (e.g. 1.2n).
void PerPart(benchmark::State& state, int64_t parts)
{
    state.counters["per_part"] = benchmark::Counter(
        static_cast<double>(parts), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ChainPass(benchmark::State& state)
{
    Chain chain(state.range(1));
    TPassEngine engine(chain.circuit.Bord, ModeOf(state));
    for (int warmUp = 0; warmUp < 2000; ++warmUp) engine.Pass();
    {
        const TAllocationCount count(state);
        for (auto _ : state) engine.Pass();
    }
    PerPart(state, state.range(1));
    state.SetLabel(EngineName(ModeOf(state)));
}

// An odd ring of inverters closed by three wires. Started with every terminal low, the whole ring
// turns over in every pass (third argument 0); started alternating, one wave runs round it and one
// gate changes per pass (1).
void BM_RingPass(benchmark::State& state)
{
    TCircuit circuit;
    const int stages = static_cast<int>(state.range(1));
    for (int i = 0; i < stages; ++i) circuit.Bord.Create<TNot>(nullptr)->MoveTo(i * 40, 0, false);
    const int end = stages * 40;
    for (const auto& [x1, y1, x2, y2] : {std::array{end, 20, end, 100}, std::array{end, 100, 0, 100},
                                         std::array{0, 100, 0, 20}}) {
        auto* wire = circuit.Bord.Create<TCode>(nullptr);
        wire->DragWidth = std::abs(x2 - x1);
        wire->DragHeight = std::abs(y2 - y1);
        wire->MoveTo(std::min(x1, x2), std::min(y1, y2), false);
    }
    circuit.Bord.SetConnectTanshi();
    circuit.Bord.ResolveNets();
    if (state.range(2) == 1)
        for (int i = 0; i < stages; ++i) {
            const TTanshiList& t = circuit.Bord.Items(i)->Tanshis;
            t.Items(0)->Level = i % 2 ? LevelHigh : LevelLow;
            t.Items(1)->Level = i % 2 ? LevelLow : LevelHigh;
        }
    TPassEngine engine(circuit.Bord, ModeOf(state));
    for (int warmUp = 0; warmUp < 2000; ++warmUp) engine.Pass();
    {
        const TAllocationCount count(state);
        for (auto _ : state) engine.Pass();
    }
    state.counters["passes_per_second"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    PerPart(state, stages);
    state.SetLabel(EngineName(ModeOf(state)));
}

void BM_SettleChain(benchmark::State& state)
{
    Chain chain(state.range(1));
    for (auto _ : state) {
        TPassEngine engine(chain.circuit.Bord, ModeOf(state));
        engine.Settle();
    }
    state.SetLabel(EngineName(ModeOf(state)));
}

void BM_Compile(benchmark::State& state)
{
    Chain chain(state.range(0));
    for (auto _ : state) TPassProgram program(chain.circuit.Bord);
}

// The same chains as a plain netlist: levels in one array, each inverter an input and an output
// index, each input fed from one output.
void BM_PlainNetlistChain(benchmark::State& state)
{
    const auto n = static_cast<uint32_t>(state.range(0));
    std::vector<int32_t> levels(2 * n, LevelLow);
    std::vector<uint32_t> in(n), out(n), from, to;
    for (uint32_t i = 0; i < n; ++i) {
        in[i] = 2 * i;
        out[i] = 2 * i + 1;
        if (i % 1000 != 0) {
            from.push_back(out[i - 1]);
            to.push_back(in[i]);
        }
    }
    for (auto _ : state) {
        for (uint32_t i = 0; i < n; ++i) levels[out[i]] = levels[in[i]] == LevelHigh ? LevelLow : LevelHigh;
        for (size_t k = 0; k < to.size(); ++k) levels[to[k]] = levels[from[k]];
        benchmark::DoNotOptimize(levels.data());
    }
    PerPart(state, state.range(0));
}

}  // namespace

BENCHMARK(BM_ChainPass)->ArgsProduct({{0, 1, 2, 3}, {10000, 100000}});
BENCHMARK(BM_PlainNetlistChain)->Arg(10000)->Arg(100000);
BENCHMARK(BM_RingPass)->ArgsProduct({{0, 1, 2, 3}, {1001, 10001}, {0, 1}});
BENCHMARK(BM_SettleChain)->ArgsProduct({{0, 1, 3}, {10000}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
