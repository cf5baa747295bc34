// The timing diagram's cost: a pass of the 4-bit adder, bare and with four probes' windows fed
// sixteen of its terminals, with and without the hub recording them and feeding the trigger; and a
// million recorded passes of sixteen channels written as VCD.
#include "CircuitFile.h"
#include "CircuitText.h"
#include "PartU.h"
#include "PassEngine.h"
#include "ProbeHub.h"
#include "WaveExport.h"
#include "WaveRecord.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

namespace {

const std::string Examples = (std::filesystem::path(__FILE__).parent_path() / ".." / "docs" / "examples").string();

struct Adder {
    TCircuit circuit;
    std::vector<const TTanshi*> probed;
    Adder()
    {
        TPartsList loaded;
        LoadParts(ReadCircuitFile(Examples + "/adder4.lgc"), loaded, circuit.Bord, nullptr, nullptr);
        circuit.Bord.CheckAllLinks();
        for (int i = 0; i < circuit.Bord.Count() && probed.size() < TWaveRecord::MaxChannels; ++i)
            for (const TTanshi* t : circuit.Bord.Items(i)->Tanshis)
                if (probed.size() < TWaveRecord::MaxChannels) probed.push_back(t);
    }
};

void BM_Adder4Pass(benchmark::State& state)
{
    Adder adder;
    TPassEngine engine(adder.circuit.Bord, TEngineMode::Full);
    engine.Start();
    for (auto _ : state) engine.Pass();
}

// Four probes' windows fed in every pass, as the probes feed them: each keeps its channels' levels
// and, when recording, hands a change on to the hub.
void Adder4PassProbed(benchmark::State& state, TProbeHub* hub)
{
    Adder adder;
    TPassEngine engine(adder.circuit.Bord, TEngineMode::Full);
    engine.Start();
    if (hub) {
        for (int probe = 0; probe < 4; ++probe) hub->Attach();
        hub->Trigger().Change({0, TTriggerEdge::Rising, TTriggerMode::Normal, 1000});
    }
    std::array<int32_t, TWaveRecord::MaxChannels> windowLevels{};
    int64_t pass = 0;
    for (auto _ : state) {
        engine.Pass();
        for (size_t c = 0; c < adder.probed.size(); ++c) {
            const int32_t level = adder.probed[c]->Level;
            if (level == windowLevels[c]) continue;
            windowLevels[c] = level;
            if (hub) hub->SetLevel(static_cast<int>(c / 4) + 1, static_cast<int>(c % 4), level);
        }
        if (hub) hub->EndPass(++pass);
        benchmark::DoNotOptimize(windowLevels);
    }
}

void BM_Adder4PassProbed(benchmark::State& state) { Adder4PassProbed(state, nullptr); }

void BM_Adder4PassProbedRecording16(benchmark::State& state)
{
    TProbeHub hub;
    Adder4PassProbed(state, &hub);
}

void BM_VcdOfAMillionPasses16(benchmark::State& state)
{
    TWaveRecord record;
    for (int64_t pass = 1; pass <= 1'000'000; ++pass)
        record.Record(pass, static_cast<TWaveRecord::THighs>((pass / 7) ^ (pass / 13)));
    std::vector<std::string> names;
    for (int c = 0; c < TWaveRecord::MaxChannels; ++c) names.push_back("ch" + std::to_string(c));
    const std::string path = (std::filesystem::temp_directory_path() / "voltrane-wave-bench.vcd").string();
    for (auto _ : state) WriteWaveVcd(path, record, names, 1, 1'000'000);
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(BM_Adder4Pass);
BENCHMARK(BM_Adder4PassProbed);
BENCHMARK(BM_Adder4PassProbedRecording16);
BENCHMARK(BM_VcdOfAMillionPasses16)->Unit(benchmark::kMillisecond);
