#pragma once

#include <cstdint>

// How the passes of a run are computed. Every mode gives the same levels and states, pass for pass.
// Objects is the reference: every part's own Calc, then every part's own Tick, in list order. Full
// runs the compiled board whole; Sparse computes only what the last pass may have changed; Auto
// switches between the two by how much changes.
enum class TEngineMode : uint8_t { Auto, Full, Sparse, Objects };

// The mode's name on the command line: auto, full, sparse or objects.
const char* EngineName(TEngineMode mode);
