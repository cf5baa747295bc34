// The whole truth table of a random combinational board of 16 switches and 1,000 gates (65,536
// rows, 64 to a run of the lanes), the compile before it, and, as the yardstick, the same board's
// first 256 rows run one by one as a test table runs them; the truth table of a board the lanes do
// not take, row by row from fresh starts.
#include "CircuitFile.h"
#include "ParallelRows.h"
#include "PartU.h"
#include "RowBits.h"
#include "TableCheck.h"
#include "TruthTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Switches = 16, Gates = 1000, Read = 64;

// Switches and gates stacked in two columns; every wire runs in a vertical track of its own right
// of them, so that wires meet only on the terminals they join. A gate's inputs come from the
// switches and the gates before it, half of them from the 64 just before it, which makes the board
// some dozens of gates deep.
struct RandomBoard {
    TCircuit circuit;
    std::vector<TSwitch*> inputs;
    std::vector<const TTanshi*> outputs;
    int tracks = 0;

    template <class T>
    T* Place(int x, int y, int partNo)
    {
        T* part = circuit.Bord.Create<T>(nullptr);
        part->PartNo = partNo;
        part->SetTanshi();
        part->MoveTo(x, y, false);
        return part;
    }
    void Segment(int x1, int y1, int x2, int y2)
    {
        auto* wire = circuit.Bord.Create<TCode>(nullptr);
        wire->DragWidth = std::abs(x2 - x1);
        wire->DragHeight = std::abs(y2 - y1);
        wire->MoveTo(std::min(x1, x2), std::min(y1, y2), false);
    }
    static TPoint At(const TPartsBase& part, int terminal)
    {
        return part.LocalToBoard(part.Tanshis.Items(terminal)->GetPos());
    }
    void Wire(const TPartsBase& from, const TPartsBase& to, int input)
    {
        const TPoint a = At(from, from.Tanshis.Count() - 1), b = At(to, input);
        const int x = 2000 + 4 * tracks++;
        Segment(a.x, a.y, x, a.y);
        if (a.y != b.y) Segment(x, a.y, x, b.y);
        Segment(x, b.y, b.x, b.y);
    }

    RandomBoard()
    {
        std::mt19937 rng(2024);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
        std::vector<TPartsBase*> sources;
        for (int j = 0; j < Switches; ++j) {
            inputs.push_back(Place<TTglSW>(900, 100 * j, 0));
            sources.push_back(inputs.back());
        }
        for (int k = 0; k < Gates; ++k) {
            TPartsBase* gate = pick(0, 5) == 0 ? static_cast<TPartsBase*>(Place<TNot>(1000, 100 * k, 0))
                                               : Place<TGate>(1000, 100 * k, 8 * pick(0, 3) + pick(0, 7));
            for (int i = 0; i + 1 < gate->Tanshis.Count(); ++i) {
                const int count = static_cast<int>(sources.size());
                const int from = pick(0, 1) == 0 ? pick(0, count - 1) : pick(std::max(0, count - 64), count - 1);
                Wire(*sources[static_cast<size_t>(from)], *gate, i);
            }
            sources.push_back(gate);
        }
        for (size_t k = sources.size() - Read; k < sources.size(); ++k)
            outputs.push_back(sources[k]->Tanshis.Items(sources[k]->Tanshis.Count() - 1));
    }
};

RandomBoard& Board()
{
    static RandomBoard board;
    return board;
}

void BM_ParallelTable(benchmark::State& state)
{
    RandomBoard& b = Board();
    TParallelRows lanes(b.circuit.Bord, b.inputs, b.outputs);
    if (!lanes.Supported()) state.SkipWithError("the board is not supported");
    for (auto _ : state) {
        auto table = lanes.Table();
        benchmark::DoNotOptimize(table);
    }
    state.counters["passes_to_settle"] = static_cast<double>(lanes.PassesToSettle());
    state.counters["rows"] = benchmark::Counter(65536.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ParallelTable)->Unit(benchmark::kMillisecond);

// Linking the board and compiling it: what a table costs before its first run.
void BM_ParallelCompile(benchmark::State& state)
{
    RandomBoard& b = Board();
    for (auto _ : state) {
        TParallelRows lanes(b.circuit.Bord, b.inputs, b.outputs);
        benchmark::DoNotOptimize(lanes.Supported());
    }
}
BENCHMARK(BM_ParallelCompile)->Unit(benchmark::kMillisecond);

void BM_RowByRow256(benchmark::State& state)
{
    RandomBoard& b = Board();
    TTestTable test;
    for (int j = 0; j < Switches; ++j) test.Inputs.push_back({"s", "TTglSW" + std::to_string(j), false});
    for (int r = 0; r < 256; ++r) {
        TTableRow row;
        row.Line = static_cast<size_t>(r + 1);
        const std::string bits = RowBits(static_cast<uint64_t>(r), Switches);
        row.Values.assign(bits.begin(), bits.end());
        test.Rows.push_back(std::move(row));
    }
    const TNamedObjects named = PositionalNames(b.circuit.Bord);
    for (auto _ : state) {
        const TTableResult result = CheckTable(test, b.circuit.Bord, named);
        if (!result.Passed()) state.SkipWithError("a row did not settle");
    }
    state.counters["rows"] = benchmark::Counter(256.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RowByRow256)->Unit(benchmark::kMillisecond);

// The whole truth table of a board the lanes do not take (the 4-bit adder of the examples shows its sum
// on a seven-segment display): 512 rows, each from a fresh start of the circuit read anew, then the
// rows in one run in binary and in reverse order, which find the rows that depend on the rows before.
void BM_TruthTableRowByRow(benchmark::State& state)
{
    const TStrings lines = ReadCircuitFile(VOLTRANE_EXAMPLES "/adder4.lgc");
    size_t rows = 0;
    for (auto _ : state) rows = TextTruthTable(lines).Rows.size();
    state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TruthTableRowByRow)->Unit(benchmark::kMillisecond);

}  // namespace
