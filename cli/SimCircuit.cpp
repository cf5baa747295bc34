#include "SimCircuit.h"

#include "BoardPicture.h"
#include "CircuitFile.h"
#include "SharedNets.h"
#include "TableColumns.h"
#include "UsageError.h"

#include <unordered_map>

namespace {

TStrings ReadCircuit(const std::string& file, const TSimCircuit::TWarn& warn)
{
    std::vector<size_t> badLines;
    TStrings lines = OpenCircuitFile(file, &badLines);
    if (!badLines.empty() && warn) warn(BadBytesWarning(file, badLines));
    return lines;
}

}  // namespace

TSimCircuit::TSimCircuit(const std::string& file, TEngineMode engine, WindowFactory* windows, int rasterScale,
                         const TWarn& warn)
    : circuit_(ReadCircuit(file, warn), engine, windows)
{
    if (rasterScale <= 0) return;
    picture_ = MakeBoardPictureSurface(circuit_.Bord(), rasterScale);
    circuit_.Bord().SetCanvas(picture_.get());
}

TSimRun TSimCircuit::PrepareRun(const std::vector<std::string>& watches, const std::vector<TSimEvent>& events)
{
    TSimRun run;
    run.Area = BoardPictureArea(Surface());
    const TNamedObjects named = circuit_.Named();
    for (const std::string& w : watches) run.Watches.push_back(NamedWatch(w, circuit_.Bord(), named));
    for (const TSimEvent& e : events) {
        try {
            run.Events.push_back({e.Kind, &named.Find(e.Name), e.Pass});
        } catch (const TUsageError& error) {
            if (e.Where.empty()) throw;
            throw TUsageError(e.Where + ": " + error.what());
        }
    }
    return run;
}

std::vector<std::string> TSimCircuit::SharedNets()
{
    TBord& board = circuit_.Bord();
    board.SetConnectTanshi();
    board.ResolveNets();
    std::unordered_map<const TPartsBase*, const std::string*> nameOf;
    for (int i = 0; i < circuit_.Loaded().Count(); ++i)
        nameOf.emplace(circuit_.Loaded().Items(i), &circuit_.Names()[static_cast<size_t>(i)]);
    std::vector<std::string> nets;
    for (const std::vector<const TTanshi*>& outputs : ::SharedNets(board)) {
        std::string names;
        for (const TTanshi* t : outputs)
            names +=
                (names.empty() ? "" : ", ") + *nameOf.at(t->Owner) + "." + std::to_string(t->Owner->Tanshis.IndexOf(t));
        nets.push_back(std::move(names));
    }
    return nets;
}
