#include "NetMarking.h"

#include "Context.h"
#include "NetMap.h"
#include "SharedNets.h"

bool PickNet(TBord& board, const TPartsBase* pressed)
{
    TNetMarks& marks = board.Context().Marks;
    const bool hadPick = !marks.Picked.empty();
    marks.Picked.clear();
    marks.PickedTerminals.clear();
    if (!pressed || !(pressed->Is(cfCode) || pressed->Is(cfDot))) return hadPick;
    board.SetConnectTanshi();
    const TNetMap map(board);
    const uint32_t net = map.NetOf(*pressed);
    if (net == TNetMap::NoNet) return hadPick;
    marks.Picked.insert(map.Conductors(net).begin(), map.Conductors(net).end());
    marks.PickedTerminals.insert(map.Terminals(net).begin(), map.Terminals(net).end());
    return true;
}

void RefreshNetMarks(TBord& board)
{
    TCircuitContext& context = board.Context();
    TNetMarks& marks = context.Marks;
    if (marks.Edits == context.Edits) return;
    marks.Picked.clear();
    marks.PickedTerminals.clear();
    board.SetConnectTanshi();
    marks.SecondDrivers = SecondDriverPoints(TNetMap(board));
    marks.Edits = context.Edits;
}
