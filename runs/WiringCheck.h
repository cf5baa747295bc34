#pragma once

#include "BuildBoard.h"

#include <vector>

class TPartsBase;

// A horizontal or vertical piece of wire of a net.
struct TSegment {
    TPt A;
    TPt B;
    int Net = 0;
};

// The wires, each cut where an end of its own net lies on it, so that every meeting is at wire ends; checked for
// what the engine's linking relies on (no wire through a terminal or across a part's body, none meeting a wire of
// another net, no loose end) and for parts that overlap. Throws std::logic_error at a fault: it is the layout's,
// not the caller's.
std::vector<TSegment> SplitAndCheck(const std::vector<TSegment>& wires, const std::vector<const TPartsBase*>& parts);

// The points where three or more wire ends meet, in order.
std::vector<TPt> Junctions(const std::vector<TSegment>& segments);
