// What the analysis window does when an output is chosen or built: the smallest sum of products of
// random functions of 6, 8 and 10 inputs (half ones, a tenth don't-cares), and a 6-input function
// of four outputs laid out as a NAND sub-board and tried row by row by the test-table checker.
#include "CircuitBuilder.h"
#include "Minimizer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

TBoolFunction RandomFunction(int inputs, unsigned seed)
{
    std::mt19937 random(seed);
    TBoolFunction f(inputs);
    for (uint32_t r = 0; r < f.Rows(); ++r) {
        const uint32_t roll = random() % 20;
        f.Set(r, roll < 2 ? TLogicValue::DontCare : roll < 11 ? TLogicValue::One : TLogicValue::Zero);
    }
    return f;
}

void BM_MinimalSumOfProducts(benchmark::State& state)
{
    const TBoolFunction f = RandomFunction(static_cast<int>(state.range(0)), 2026);
    bool proven = false;
    for (auto _ : state) {
        const TMinimalForm form = MinimizeSumOfProducts(f);
        proven = form.Proven;
        benchmark::DoNotOptimize(form.Terms.data());
    }
    state.counters["proven"] = proven;
}
BENCHMARK(BM_MinimalSumOfProducts)->Arg(6)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_BuildAndTryASubBoard(benchmark::State& state)
{
    TAnalysisTable table{{"A", "B", "C", "D", "E", "F"}, {}, {}, {}};
    for (unsigned k = 0; k < 4; ++k) {
        table.Outputs.push_back("Y" + std::to_string(k));
        table.Functions.push_back(RandomFunction(6, 7 + k));
    }
    for (auto _ : state) {
        const TBuiltSubBoard built = BuildSubBoard(table, TGateStyle::NandOnly);
        if (!TryBuilt(built, table).Passed()) state.SkipWithError("the built circuit fails its table");
        benchmark::DoNotOptimize(built.Placed.data());
    }
}
BENCHMARK(BM_BuildAndTryASubBoard)->Unit(benchmark::kMillisecond);

}  // namespace
