#pragma once

#include "Geometry.h"

#include <vector>

class TBord;
class TNetMap;
class TTanshi;

// The nets that more than one output drives, once a link pass has built the terminals' lists
// (SetConnectTanshi; resolving them after changes nothing here): per net, its outputs in the
// board's order, the nets in the order of their first output. Where their levels differ, the one
// later in the list wins, which a user seldom means.
std::vector<std::vector<const TTanshi*>> SharedNets(const TBord& board);
// Where each output after the first joins a net that several drive: the editing look marks them.
std::vector<TPoint> SecondDriverPoints(const TNetMap& map);
