#pragma once

#include "PartsU.h"

#include <string>
#include <vector>

// What a new sub-board does at its edge so that the objects it takes in keep every connection:
// each wire running from inside out is cut at the edge and joined through a sub-board terminal
// there, an input terminal where its signal comes from outside, an output terminal where it comes
// from inside. Sub-board terminals conduct without delay, so the circuit computes as before.
struct TCrossing {
    TCode* Wire;
    // Where the wire meets the edge, and its ends inside and outside the box.
    TPoint Edge, Inner, Outer;
    // The signal comes from outside: an input terminal.
    bool Input = false;
};

struct TBoxingPlan {
    std::vector<TCrossing> Crossings;
    // Why the box cannot keep its connections, naming the wire or terminal; empty when it can.
    std::string Refusal;
};

// The crossings of a box with the corners given on level, which takes in the objects given.
TBoxingPlan PlanBoxing(const TBord& board, const TContainer* level, const TRect& box, const TPartsList& takenIn);

// The sub-board terminal for a crossing of the box's edge: its class, Way and corner, placed so
// that its outer terminal lies on the crossing and its inner one 20 pixels inside.
struct TEdgeTerminal {
    const char* ClassName;
    int32_t Way;
    TPoint Corner;
    TPoint InnerPin;
};
TEdgeTerminal EdgeTerminalFor(const TCrossing& crossing, const TRect& box);
