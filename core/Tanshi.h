#pragma once

#include "Geometry.h"
#include "Level.h"
#include "LinkList.h"
#include "Lists.h"

#include <cstdint>

enum TDirection : uint8_t { dirInput = 0, dirOutput = 1, dirWireEnd = 2 };

// A terminal of a placed object, positioned relative to its owner's top-left corner.
class TTanshi {
public:
    TTanshi(TPartsBase* owner, int32_t x, int32_t y, TDirection direction)
        : Owner(owner), X(x), Y(y), Direction(direction)
    {
    }

    TPoint GetPos() const { return {X, Y}; }

    TPartsBase* Owner;
    int32_t X;
    int32_t Y;
    bool Linked = false;
    TDirection Direction;
    TLevel Level;
    // The slot a compiled board gave the terminal last; the program that bound it checks it is its.
    uint32_t Slot = UINT32_MAX;
    // After a link pass: the terminals on the same point; after net resolution, for an
    // output: the part inputs it drives.
    TLinkList Links;
};
