#pragma once

#include "SimOptions.h"
#include "Geometry.h"
#include "SimWatch.h"

#include <cstdio>
#include <optional>
#include <vector>

class TVcdWriter;

// A mouse action resolved to its object.
struct TScheduledEvent {
    TSimEvent::TKind Kind;
    TPartsBase* Object;
    int64_t Pass;
};

struct TSimRun {
    int64_t Passes = 0;
    int64_t Every = 1;
    std::vector<TWatch> Watches;
    // In command-line order.
    std::vector<TScheduledEvent> Events;
    // Optional; receives every pass.
    TVcdWriter* Vcd = nullptr;
    // Receives the header and the printed rows; none are printed when null.
    std::FILE* Out = stdout;
    // The board rectangle the surface shows; unset, the surface's size from the origin.
    std::optional<TRect> Area;
};

// Runs the board as the editor's run loop does, for run.Passes passes (none for 0), and prints
// the header and rows. surface is the board surface; it is redrawn in the simulating look after
// the first pass and left as the run drew it. Answers the seconds the run took.
double RunCircuit(TBord& board, Canvas& surface, const TSimRun& run);
