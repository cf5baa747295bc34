#pragma once

#include "ProbeHub.h"

#include <string>

class TBord;

// The label of a probe's channel on the board: the one-line text beside its terminal, read as a
// test table's label is read; empty when there is none or the probe is not on this board.
std::string ProbeChannelLabel(const TBord& board, const TProbeChannel& channel);
