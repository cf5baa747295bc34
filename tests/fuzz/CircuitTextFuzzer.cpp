// Reads arbitrary bytes as a circuit file. A read either fails with a format error and leaves the
// board empty, or gives objects that survive linking, drawing, a few passes and a save whose
// text reads back into the same text.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TStrings lines = DecodeCircuitText(fuzz::Bytes(data, size));
    NullCanvas surface(64, 64);
    TCircuit circuit(&surface);
    TPartsList result;
    try {
        LoadParts(lines, result, circuit.Bord, nullptr, &surface);
    } catch (const TFormatError&) {
        if (circuit.Bord.Count() != 0) std::abort();
        return 0;
    }
    const TStrings saved = fuzz::BoardText(circuit.Bord);

    // Reading into a box of the board as paste does.
    TPartsList pasted;
    for (TPartsBase* o : result) {
        if (!o->Is(cfContainer)) continue;
        LoadParts(lines, pasted, circuit.Bord, static_cast<TContainer*>(o), &surface);
        break;
    }
    fuzz::RunBriefly(circuit, surface);

    TCircuit again(&surface);
    LoadParts(saved, result, again.Bord, nullptr, &surface);
    if (fuzz::BoardText(again.Bord) != saved) std::abort();
    return 0;
}
