#pragma once

#include "PartsBase.h"

// A sub-board terminal part standing in a box: its inner terminal links inside the box, its outer
// terminal on the level outside it. The board's net walk treats it as a conductor.
class TSubTerminal : public TPart {
public:
    TSubTerminal(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface) { ClassFlags |= cfSubTerminal; }
    // Index in Tanshis of the terminal that links outside the box.
    virtual int OuterIndex() const = 0;
};
