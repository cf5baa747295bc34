// Writing and reading circuit text of many objects: the writer with the code page 932 encoding of
// a file, the reader with the decoding. peak_bytes is the most heap the operation held at once
// beyond what was allocated before it; time and peak should both grow linearly with the count.
#include "CircuitFile.h"
#include "CircuitText.h"
#include "PartU.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int64_t> liveBytes{0};
std::atomic<int64_t> peakBytes{0};

void Count(void* p)
{
    const int64_t now = liveBytes += static_cast<int64_t>(malloc_usable_size(p));
    int64_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

void* Allocate(size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) throw std::bad_alloc();
    Count(p);
    return p;
}

void Release(void* p) noexcept
{
    if (!p) return;
    liveBytes -= static_cast<int64_t>(malloc_usable_size(p));
    std::free(p);
}

// Measures the heap one operation holds at its peak, above what was live when it began.
class PeakScope {
public:
    PeakScope() : base_(liveBytes.load()) { peakBytes = base_; }
    int64_t Peak() const { return peakBytes.load() - base_; }

private:
    int64_t base_;
};

// A mix of the common classes: gates, inverters, flip-flops, switches and timing parts.
void Fill(TBord& board, int64_t count)
{
    for (int64_t i = 0; i < count; ++i) {
        const int x = static_cast<int>(i % 1000) * 60, y = static_cast<int>(i / 1000) * 90;
        TPartsBase* o = nullptr;
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
        case 3: o = board.Create<TGate>(nullptr); break;
        case 4:
        case 5: o = board.Create<TNot>(nullptr); break;
        case 6: o = board.Create<TTFF>(nullptr); break;
        case 7: o = board.Create<TTglSW>(nullptr); break;
        case 8: o = board.Create<TPulser>(nullptr); break;
        default: o = board.Create<TOneShot>(nullptr); break;
        }
        o->PartNo = static_cast<int32_t>(i % 8);
        o->SetLeftTop(x, y);
        o->SetTanshi();
    }
}

std::string TextOf(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    return EncodeCircuitText(lines);
}

// count objects, then as many sub-board terminals at top level, which the reader drops.
std::string Bytes(int64_t count, bool strayTerminals = false)
{
    TCircuit circuit;
    Fill(circuit.Bord, count);
    for (int64_t i = 0; strayTerminals && i < count; ++i)
        circuit.Bord.Create<TInTerminal>(nullptr)->MoveTo(static_cast<int>(i % 1000) * 60, 0, false);
    return TextOf(circuit.Bord);
}

void BM_Write(benchmark::State& state)
{
    TCircuit circuit;
    Fill(circuit.Bord, state.range(0));
    TPartsList all;
    circuit.Bord.CopyParts(all);
    int64_t peak = 0;
    size_t size = 0;
    for (auto _ : state) {
        PeakScope scope;
        TStrings lines;
        SaveParts(all, lines);
        const std::string bytes = EncodeCircuitText(lines);
        size = bytes.size();
        peak = scope.Peak();
    }
    state.counters["peak_bytes"] = static_cast<double>(peak);
    state.counters["file_bytes"] = static_cast<double>(size);
    state.SetComplexityN(state.range(0));
}

// Reads the text onto an empty board, then sets the Linked flags and links for a run when asked.
void ReadEach(benchmark::State& state, const std::string& bytes, bool link)
{
    int64_t peak = 0;
    for (auto _ : state) {
        TCircuit circuit;
        TPartsList result;
        {
            PeakScope scope;
            LoadParts(DecodeCircuitText(bytes), result, circuit.Bord, nullptr, nullptr);
            if (link) {
                circuit.Bord.CheckAllLinks();
                circuit.Bord.SetConnectTanshi();
                circuit.Bord.ResolveNets();
            }
            peak = scope.Peak();
        }
        state.PauseTiming();
        circuit.Bord.ClearAll();
        state.ResumeTiming();
    }
    state.counters["peak_bytes"] = static_cast<double>(peak);
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_Read(benchmark::State& state)
{
    ReadEach(state, Bytes(state.range(0), state.range(1) != 0), false);
    state.SetComplexityN(state.range(0));
}

// Wires in four directions, every one with an end at (0, 0).
std::string StarBytes(int64_t count)
{
    TCircuit circuit;
    for (int64_t i = 0; i < count; ++i) {
        auto* wire = circuit.Bord.Create<TCode>(nullptr);
        const int length = static_cast<int>(i / 4 + 1) * 10;
        const bool across = i % 2 == 0, backwards = i % 4 >= 2;
        wire->SetLeftTop(across && backwards ? -length : 0, !across && backwards ? -length : 0);
        (across ? wire->Width : wire->Height) = length;
        wire->SetTanshi();
    }
    return TextOf(circuit.Bord);
}

// Reading wires that all meet at one point, setting their Linked flags and linking them for a run.
void BM_ReadAndLinkStar(benchmark::State& state) { ReadEach(state, StarBytes(state.range(0)), true); }

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

BENCHMARK(BM_Write)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
// The second argument adds as many top-level sub-board terminals, which the reader drops.
BENCHMARK(BM_Read)
    ->ArgsProduct({{10000, 30000, 100000}, {0}})
    ->Args({80000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndLinkStar)->Arg(16000)->Arg(100000)->Unit(benchmark::kMillisecond);
