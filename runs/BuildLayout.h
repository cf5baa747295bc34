#pragma once

#include "AnalysisTable.h"
#include "BuildBoard.h"
#include "GateNetlist.h"

#include <vector>

class TPartsBase;

// What stands for the inputs and the outputs: toggle switches and lamps, or a sub-board's input and output terminals
// (each inner terminal where the switch's or the lamp's was).
enum class TLayoutEnds { SwitchesAndLamps, Terminals };

// A circuit laid out on the build board.
struct TLayout {
    // The inputs' parts top to bottom, the inverters, the gates, then the outputs' parts.
    std::vector<TPartsBase*> Parts;
    // The wires, cut where they meet, and a junction dot wherever three or more ends meet.
    std::vector<TPartsBase*> Wires;
    std::vector<TPartsBase*> Dots;
    // A label left of each input's part, then one above each output's part.
    std::vector<TPartsBase*> Labels;
};

// Lays out the circuit that BuildCircuit describes for the table, whose names are checked already, with margin
// pixels more left of the inputs' labels. Throws std::logic_error when the layout breaks a rule of the wiring.
TLayout LayOut(TBuildBoard& board, const TAnalysisTable& table, TGateStyle style, bool productOfSums, int margin,
               TLayoutEnds ends);
