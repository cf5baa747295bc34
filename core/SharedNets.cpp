#include "SharedNets.h"

#include "Board.h"
#include "NetMap.h"

#include <algorithm>
#include <unordered_map>

std::vector<std::vector<const TTanshi*>> SharedNets(const TBord& board)
{
    const TNetMap map(board);
    std::vector<std::vector<const TTanshi*>> nets;
    for (uint32_t net = 0; net < map.Count(); ++net)
        if (map.Drivers(net).size() >= 2) nets.emplace_back(map.Drivers(net).begin(), map.Drivers(net).end());
    // The map numbers nets by their first terminal of any kind; the board's order of outputs decides here.
    std::unordered_map<const TTanshi*, size_t> rank;
    for (int i = 0; i < board.Count(); ++i)
        for (const TTanshi* t : board.Items(i)->Tanshis)
            if (t->Direction == dirOutput) rank.emplace(t, rank.size());
    std::sort(nets.begin(), nets.end(),
              [&](const auto& a, const auto& b) { return rank.at(a.front()) < rank.at(b.front()); });
    return nets;
}

std::vector<TPoint> SecondDriverPoints(const TNetMap& map)
{
    std::vector<TPoint> points;
    for (uint32_t net = 0; net < map.Count(); ++net) {
        const auto drivers = map.Drivers(net);
        for (size_t d = 1; d < drivers.size(); ++d)
            points.push_back(drivers[d]->Owner->LocalToBoard(drivers[d]->GetPos()));
    }
    return points;
}
