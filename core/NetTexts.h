#pragma once

#include "NetLevels.h"

#include <string>

class TBord;

// The name an object gets in a saved file: its class and its place in the board's list.
std::string SavedName(const TBord& board, const TPartsBase& object);
// What the status bar says of the first net in conflict ("TTglSW0 and TTglSW3 drive one wire with
// different levels"); empty when no net is.
std::string ConflictText(const TBord& board, const TNetLevels& levels);
// What the tool tip over a wire of the net says: its level and the output that drives it.
std::string NetTip(const TBord& board, const TNetLevels& levels, uint32_t net);
