// Reads arbitrary bytes as a run record (.lgr) the way voltrane-sim --replay reads one. A record
// that fails names a line of the file; one that reads is written again and reads back as the same
// record, and replays on small circuits whose parts it names, every engine giving the same rows.
#include "FuzzSupport.h"
#include "RunRecord.h"
#include "SimReplay.h"
#include "SimRun.h"
#include "SimWatch.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

// Records may name passes far in the future; the replay runs this many at most.
constexpr int64_t ReplayedPasses = 200;

struct TReplayCircuit {
    std::string Path;
    TStrings Lines;
};

const std::vector<TReplayCircuit>& Circuits()
{
    static const std::vector<TReplayCircuit> circuits = [] {
        std::vector<TReplayCircuit> read;
        for (const std::string& path : {std::string(VOLTRANE_TEST_DATA) + "/sim_toggle_chain.lgc",
                                        std::string(VOLTRANE_TEST_DATA) + "/sim_push.lgc",
                                        std::string(VOLTRANE_EXAMPLES) + "/half-adder.lgc"})
            read.push_back({path, fuzz::SourceCircuit(path)});
        return read;
    }();
    return circuits;
}

size_t LineCount(std::string_view text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1; }

// The rows voltrane-sim prints for the replay, every terminal of every object watched; empty when
// the record names an object the circuit lacks.
std::string Replay(const TStrings& lines, const std::vector<TSimEvent>& events, int64_t passes, TEngineMode engine)
{
    NullCanvas surface, windowSurface;
    TCircuit circuit(&surface);
    fuzz::CountedMessages messages;
    circuit.Context.Messages = &messages;
    circuit.Context.Engine = engine;
    TPartsList loaded;
    std::vector<std::string> names;
    LoadParts(lines, loaded, circuit.Bord, nullptr, &windowSurface, &names);
    circuit.Bord.CheckAllLinks();
    const TNamedObjects named(names, loaded);
    TSimRun run;
    run.Passes = passes;
    for (const TSimEvent& e : events) {
        TPartsBase* object = named.Lookup(e.Name);
        if (!object) return {};
        run.Events.push_back({e.Kind, object, e.Pass});
    }
    for (size_t o = 0; o < names.size(); ++o)
        for (int t = 0; t < loaded.Items(static_cast<int>(o))->Tanshis.Count(); ++t)
            run.Watches.emplace_back(names[o] + "." + std::to_string(t), named);

    char* buffer = nullptr;
    size_t length = 0;
    run.Out = open_memstream(&buffer, &length);
    FUZZ_REQUIRE(run.Out != nullptr);
    RunCircuit(circuit.Bord, surface, run);
    std::fclose(run.Out);
    std::string rows(buffer, length);
    std::free(buffer);
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Circuits();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::Bytes(data, size);
    const std::string recordPath = fuzz::ScratchFolder::File("run.lgr");
    fuzz::WriteBytes(recordPath, text);
    std::vector<TSimEvent> events;
    try {
        events = ReadReplay(recordPath, Circuits().front().Path, [](const std::string&) {});
    } catch (const TUsageError& e) {
        // "RECORD:LINE: message", the line within the file.
        const std::string where = std::string(e.what()).substr(0, std::string(e.what()).find(": "));
        FUZZ_REQUIRE(where.starts_with(recordPath + ":"));
        const size_t line = std::stoul(where.substr(recordPath.size() + 1));
        FUZZ_REQUIRE(line >= 1 && line <= LineCount(text));
        return 0;
    }

    const TRunRecordFile record = ParseRunRecord(text);
    FUZZ_REQUIRE(record.Actions.size() == events.size());
    const TRunRecordFile again = ParseRunRecord(RunRecordText(record.CircuitFile, record.Actions));
    FUZZ_REQUIRE(again.Actions.size() == record.Actions.size());
    for (size_t i = 0; i < record.Actions.size(); ++i) {
        const TRunAction &a = record.Actions[i], &b = again.Actions[i];
        FUZZ_REQUIRE(a.Pass >= 1 && (i == 0 || a.Pass >= record.Actions[i - 1].Pass));
        FUZZ_REQUIRE(a.Pass == b.Pass && a.Kind == b.Kind && a.Name == b.Name);
        FUZZ_REQUIRE(events[i].Pass == a.Pass && events[i].Name == a.Name);
    }
    FUZZ_REQUIRE(again.CircuitFile == record.CircuitFile || again.CircuitFile == "./" + record.CircuitFile);

    const int64_t passes = events.empty() ? 2 : std::min(events.back().Pass, ReplayedPasses - 2) + 2;
    for (const TReplayCircuit& circuit : Circuits()) {
        const std::string full = Replay(circuit.Lines, events, passes, TEngineMode::Full);
        if (full.empty()) continue;
        FUZZ_REQUIRE(Replay(circuit.Lines, events, passes, TEngineMode::Sparse) == full);
        FUZZ_REQUIRE(Replay(circuit.Lines, events, passes, TEngineMode::Objects) == full);
    }
    return 0;
}
