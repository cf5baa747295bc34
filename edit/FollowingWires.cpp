#include "FollowingWires.h"

#include <algorithm>

namespace {

TPoint Shifted(TPoint p, TPoint offset) { return {SatAdd(p.x, offset.x), SatAdd(p.y, offset.y)}; }

// The moved objects with everything inside the moved sub-boards, which move with them.
TPartsList WithContents(const TPartsList& moved)
{
    TPartsList all;
    for (TPartsBase* o : moved) {
        if (all.IndexOf(o) < 0) all.Add(o);
        if (!o->Is(cfContainer)) continue;
        TPartsList inside;
        static_cast<TContainer*>(o)->CollectDescendants(inside);
        for (TPartsBase* child : inside)
            if (all.IndexOf(child) < 0) all.Add(child);
    }
    return all;
}

}  // namespace

void TFollowingWires::Collect(const TBord& board, const TPartsList& moved)
{
    wires_.clear();
    const TPartsList all = WithContents(moved);
    TPartsList found;
    for (TPartsBase* o : all) {
        if (o->Is(cfCode) || o->Is(cfDot)) continue;
        for (const TTanshi* t : o->Tanshis) {
            const TPoint pin = o->LocalToBoard(t->GetPos());
            const TContainer* level = o->LinkSide(*t).Level;
            board.PartsOfKindAt(cfCode, level, pin.x, pin.y, found);
            for (TPartsBase* w : found) {
                if (all.IndexOf(w) >= 0 || w->HitTest(level, pin.x, pin.y, nullptr) != hitTanshi) continue;
                auto follower = std::find_if(wires_.begin(), wires_.end(), [&](const TFollower& f) { return f.Wire == w; });
                if (follower == wires_.end()) {
                    const TPoint start{w->Left, w->Top};
                    follower = wires_.insert(wires_.end(), {static_cast<TCode*>(w), start,
                                                            Shifted(start, {w->Width, w->Height})});
                }
                (pin == follower->Start ? follower->StartMoves : follower->EndMoves) = true;
            }
        }
    }
}

std::vector<TFollowingWires::TRoute> TFollowingWires::Routes(TPoint offset) const
{
    std::vector<TRoute> routes;
    routes.reserve(wires_.size());
    for (const TFollower& f : wires_) {
        if (f.StartMoves && f.EndMoves) {
            routes.push_back({f.Wire, {Shifted(f.Start, offset), Shifted(f.End, offset)}});
            continue;
        }
        const TPoint fixed = f.StartMoves ? f.End : f.Start;
        const TPoint moved = Shifted(f.StartMoves ? f.Start : f.End, offset);
        const bool across = f.Start.y == f.End.y;
        const TPoint corner = across ? TPoint{moved.x, fixed.y} : TPoint{fixed.x, moved.y};
        // Still in line, or turned a right angle about its fixed end: one straight wire.
        if (corner == moved || corner == fixed)
            routes.push_back({f.Wire, {fixed, moved}});
        else
            routes.push_back({f.Wire, {fixed, corner, moved}});
    }
    return routes;
}

void TFollowingWires::Draw(Canvas& surface, TPoint offset) const
{
    for (const TRoute& route : Routes(offset)) {
        surface.MoveTo(route.Points.front().x, route.Points.front().y);
        for (size_t i = 1; i < route.Points.size(); ++i) surface.LineTo(route.Points[i].x, route.Points[i].y);
    }
}
