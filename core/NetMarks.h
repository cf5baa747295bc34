#pragma once

#include "Geometry.h"

#include <cstdint>
#include <limits>
#include <unordered_set>
#include <vector>

class TPartsBase;
class TTanshi;

// What the editing look marks on the nets: the net a click with the select tool picked, drawn in
// the highlight colour until the next click, and the points where a second output joins a net.
struct TNetMarks {
    std::unordered_set<const TPartsBase*> Picked;
    std::unordered_set<const TTanshi*> PickedTerminals;
    std::vector<TPoint> SecondDrivers;
    // The board's edit count the marks were found at.
    uint64_t Edits = std::numeric_limits<uint64_t>::max();
};
