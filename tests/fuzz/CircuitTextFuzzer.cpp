// Reads arbitrary bytes as a circuit file. A read either fails with a format error and leaves the
// board empty, or gives objects that survive linking, drawing, a few passes and a save whose
// text reads back into the same text.
#include "CircuitFile.h"
#include "CircuitText.h"
#include "PartU.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

TStrings SaveAll(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    return lines;
}

void Exercise(TCircuit& circuit, Canvas& surface)
{
    TBord& board = circuit.Bord;
    board.CheckAllLinks();
    RedrawBoard(board, surface, surface.Width(), surface.Height());
    circuit.Context.Simulating = true;
    board.SetConnectTanshi();
    board.ResolveNets();
    board.ResetAndSettle();
    for (int pass = 0; pass < 3; ++pass) {
        board.CalcAll();
        board.TickAll();
    }
    RedrawBoard(board, surface, surface.Width(), surface.Height());
    circuit.Context.Simulating = false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TStrings lines = DecodeCircuitText(std::string_view(reinterpret_cast<const char*>(data), size));
    NullCanvas surface(64, 64);
    TCircuit circuit(&surface);
    TPartsList result;
    try {
        LoadParts(lines, result, circuit.Bord, nullptr, &surface);
    } catch (const TFormatError&) {
        if (circuit.Bord.Count() != 0) std::abort();
        return 0;
    }
    const TStrings saved = SaveAll(circuit.Bord);

    // Reading into a box of the board as paste does.
    TPartsList pasted;
    for (TPartsBase* o : result) {
        if (!o->Is(cfContainer)) continue;
        LoadParts(lines, pasted, circuit.Bord, static_cast<TContainer*>(o), &surface);
        break;
    }
    Exercise(circuit, surface);

    TCircuit again(&surface);
    LoadParts(saved, result, again.Bord, nullptr, &surface);
    if (SaveAll(again.Bord) != saved) std::abort();
    return 0;
}
