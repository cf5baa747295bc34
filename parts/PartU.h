#pragma once

// The part library: every component part class placed on a board.
#include "Gates.h"
#include "PartsU.h"
