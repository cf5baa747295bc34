#pragma once

#include <vector>

class TBord;
class TTanshi;

// The nets that more than one output drives, as a run's start resolves them (SetConnectTanshi, then
// ResolveNets): per net, its outputs in the board's order, the nets in the order of their first
// output. Two outputs share a net when both reach one part terminal or one touches the other; where
// their levels differ, the one later in the list wins, which a user seldom means.
std::vector<std::vector<const TTanshi*>> SharedNets(const TBord& board);
