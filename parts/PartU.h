#pragma once

// The part library: every component part class placed on a board.
#include "FlipFlops.h"
#include "Gates.h"
#include "Pulsers.h"
#include "Switches.h"
#include "PartsU.h"
