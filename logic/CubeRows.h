#pragma once

#include "BoolFunction.h"

#include <cstdint>
#include <stdexcept>

// The bits of row numbers and the rows a cube covers, as logic's own files share them.

inline uint32_t FullMask(int inputs) { return inputs == 0 ? 0u : ~0u >> (32 - inputs); }
inline uint32_t InputBit(int inputs, int input) { return 1u << (inputs - 1 - input); }

inline void CheckInputs(int inputs)
{
    if (inputs < 0 || inputs > TBoolFunction::MaxInputs)
        throw std::invalid_argument("a function has 0 to 16 inputs");
}

inline void CheckCube(const TCube& cube, int inputs)
{
    if ((cube.Care & ~FullMask(inputs)) != 0) throw std::invalid_argument("a cube cares about an input past the count");
    if ((cube.Value & ~cube.Care) != 0)
        throw std::invalid_argument("a cube has a value for an input it does not care about");
}

// Calls visit with every row the cube covers, in increasing order, until it answers false; false when it did.
template <typename TVisit>
bool ForEachRow(const TCube& cube, uint32_t full, TVisit visit)
{
    const uint32_t freeBits = full & ~cube.Care;
    uint32_t rest = 0;
    do {
        if (!visit(cube.Value | rest)) return false;
        rest = (rest - freeBits) & freeBits;
    } while (rest != 0);
    return true;
}
