#include "Boxing.h"

#include "Messages.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <queue>

namespace {

// Room a sub-board terminal needs: it is 20 pixels wide, its pins in the middle of two sides.
constexpr int TerminalSize = 20;

bool Inside(TPoint p, const TRect& r) { return r.Left < p.x && p.x < r.Right && r.Top < p.y && p.y < r.Bottom; }
bool OnEdge(TPoint p, const TRect& r)
{
    const bool withinX = r.Left <= p.x && p.x <= r.Right, withinY = r.Top <= p.y && p.y <= r.Bottom;
    return withinX && withinY && !Inside(p, r);
}

TPoint StartOf(const TPartsBase& w) { return {w.Left, w.Top}; }
TPoint EndOf(const TPartsBase& w) { return {SatAdd(w.Left, w.Width), SatAdd(w.Top, w.Height)}; }

// The message, marked for the catalog, about the wire it names by its ends, %1,%2 and %3,%4, with
// the point given as %5,%6.
std::string AboutWire(const char* id, const TPartsBase& w, TPoint p = {})
{
    const TPoint a = StartOf(w), b = EndOf(w);
    return FillArguments(Tr(id), {std::to_string(a.x), std::to_string(a.y), std::to_string(b.x), std::to_string(b.y),
                                  std::to_string(p.x), std::to_string(p.y)});
}

bool IsWireOrDot(const TPartsBase& o) { return o.Is(cfCode) || o.Is(cfDot); }

// Where a wire from inside to outside meets the edge of the box.
TPoint EdgePoint(TPoint inner, TPoint outer, const TRect& box)
{
    if (inner.y == outer.y) return {outer.x < inner.x ? box.Left : box.Right, inner.y};
    return {inner.x, outer.y < inner.y ? box.Top : box.Bottom};
}

// The wires, points and drivers of one side of the edge that meet each other: a net cut at the
// box's edge falls into such groups, joined by the crossings.
class TSides {
public:
    TSides(const TBord& board, const TContainer* level, const std::vector<TCrossing>& crossings)
        : board_(board), level_(level)
    {
        for (const TCrossing& c : crossings) crossingWires_.push_back(c.Wire);
    }

    // The group of the point, found through the wires that do not cross the edge.
    int GroupOf(TPoint start)
    {
        if (const auto known = group_.find(Key(start)); known != group_.end()) return known->second;
        const int id = static_cast<int>(drivers_.size());
        drivers_.push_back(0);
        std::queue<TPoint> todo;
        todo.push(start);
        group_[Key(start)] = id;
        TTanshiList here;
        while (!todo.empty()) {
            const TPoint p = todo.front();
            todo.pop();
            board_.TanshisAt(level_, p.x, p.y, here);
            for (TTanshi* t : here) {
                TPartsBase& owner = *t->Owner;
                if (!IsWireOrDot(owner)) {
                    drivers_[static_cast<size_t>(id)] += t->Direction == dirOutput;
                    continue;
                }
                if (!owner.Is(cfCode) || IsCrossing(owner)) continue;
                for (const TPoint end : {StartOf(owner), EndOf(owner)}) {
                    if (group_.emplace(Key(end), id).second) todo.push(end);
                }
            }
        }
        return id;
    }
    int Drivers(int group) const { return drivers_[static_cast<size_t>(group)]; }
    int Groups() const { return static_cast<int>(drivers_.size()); }

private:
    static int64_t Key(TPoint p) { return (int64_t{p.x} << 32) ^ static_cast<uint32_t>(p.y); }
    bool IsCrossing(const TPartsBase& w) const
    {
        return std::find(crossingWires_.begin(), crossingWires_.end(), &w) != crossingWires_.end();
    }

    const TBord& board_;
    const TContainer* level_;
    std::vector<const TPartsBase*> crossingWires_;
    std::map<int64_t, int> group_;
    std::vector<int> drivers_;
};

// Why a crossing has no room for its terminal, if it has none.
std::string RoomFor(const TCrossing& c, const TRect& box)
{
    const bool across = c.Inner.y == c.Outer.y;
    const int64_t along = across ? c.Edge.y : c.Edge.x;
    const int64_t low = across ? box.Top : box.Left, high = across ? box.Bottom : box.Right;
    const int64_t inside = std::abs(int64_t{c.Inner.x} - c.Edge.x) + std::abs(int64_t{c.Inner.y} - c.Edge.y);
    if (along - TerminalSize / 2 < low || along + TerminalSize / 2 > high || inside < TerminalSize)
        return AboutWire(TrMark("The wire (%1,%2)-(%3,%4) is too close to a corner of the box or too short inside it"),
                         *c.Wire);
    return {};
}

}  // namespace

TBoxingPlan PlanBoxing(const TBord& board, const TContainer* level, const TRect& box, const TPartsList& takenIn)
{
    TBoxingPlan plan;
    auto taken = [&](const TPartsBase* o) { return takenIn.IndexOf(const_cast<TPartsBase*>(o)) >= 0; };
    // A sub-board terminal taken in would become a terminal of the new box and carry its signal
    // across another edge.
    for (const TPartsBase* o : takenIn)
        if (o->Is(cfSubTerminal)) {
            plan.Refusal = Tr("The sub-board terminal at (%1,%2) cannot go into the box",
                              {std::to_string(o->Left), std::to_string(o->Top)});
            return plan;
        }
    for (int i = 0; i < board.Count(); ++i) {
        TPartsBase& o = *board.Items(i);
        if (o.Container != level || taken(&o) || !o.Is(cfCode)) continue;
        const TPoint a = StartOf(o), b = EndOf(o);
        if (Inside(a, box) == Inside(b, box) || OnEdge(a, box) || OnEdge(b, box)) continue;
        const TPoint inner = Inside(a, box) ? a : b, outer = Inside(a, box) ? b : a;
        TCrossing c{static_cast<TCode*>(&o), EdgePoint(inner, outer, box), inner, outer};
        std::string why = RoomFor(c, box);
        // A pin lying on the wire where it is cut would be joined to it.
        const TPoint innerPin = EdgeTerminalFor(c, box).InnerPin;
        TTanshiList pins;
        for (const TPoint p : {c.Edge, innerPin}) {
            board.TanshisAt(level, p.x, p.y, pins);
            if (why.empty() && !pins.Empty() && p != c.Inner)
                why = AboutWire(TrMark("The wire (%1,%2)-(%3,%4) has a terminal at (%5,%6)"), o, p);
        }
        if (!why.empty()) {
            plan.Refusal = why;
            return plan;
        }
        plan.Crossings.push_back(c);
    }
    // Wires lying on each other would meet where they are cut.
    std::vector<TPoint> cuts;
    for (const TCrossing& c : plan.Crossings)
        for (const TPoint p : {c.Edge, EdgeTerminalFor(c, box).InnerPin}) {
            if (std::find(cuts.begin(), cuts.end(), p) != cuts.end()) {
                plan.Refusal =
                    AboutWire(TrMark("The wire (%1,%2)-(%3,%4) crosses the edge of the box lying on another wire"),
                              *c.Wire);
                plan.Crossings.clear();
                return plan;
            }
            cuts.push_back(p);
        }
    auto crossesAt = [&](const TPartsBase* w, TPoint p) {
        return std::any_of(plan.Crossings.begin(), plan.Crossings.end(),
                           [&](const TCrossing& c) { return c.Wire == w && c.Inner == p; });
    };
    // Every pin that goes into the box, of an object taken in, of a terminal of a box taken in, or
    // at the inner end of a crossing wire, meets only what goes in too.
    auto goesIn = [&](const TPartsBase* o, TPoint p) {
        return taken(o) || (o->Container && taken(o->Container)) || crossesAt(o, p);
    };
    TTanshiList here;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase& o = *board.Items(i);
        for (const TTanshi* t : o.Tanshis) {
            const TPoint p = o.LocalToBoard(t->GetPos());
            if (!goesIn(&o, p) || o.LinkSide(*t).Level != level) continue;
            board.TanshisAt(level, p.x, p.y, here);
            for (const TTanshi* other : here) {
                if (goesIn(other->Owner, p)) continue;
                plan.Refusal = Tr("At (%1,%2) the box is connected to something outside it",
                                  {std::to_string(p.x), std::to_string(p.y)});
                plan.Crossings.clear();
                return plan;
            }
        }
    }
    if (plan.Crossings.empty()) return plan;

    // The signal of each cut net flows out from the one group that drives it, across the edge.
    TSides sides(board, level, plan.Crossings);
    std::vector<std::pair<int, int>> joins;  // inner group, outer group
    for (const TCrossing& c : plan.Crossings) joins.emplace_back(sides.GroupOf(c.Inner), sides.GroupOf(c.Outer));
    std::vector<int> depth(static_cast<size_t>(sides.Groups()), -1);
    std::vector<int> net(static_cast<size_t>(sides.Groups()), -1);
    for (size_t first = 0; first < joins.size(); ++first) {
        if (net[static_cast<size_t>(joins[first].first)] >= 0) continue;
        // The groups of this net, and its drivers.
        std::vector<int> members{joins[first].first};
        net[static_cast<size_t>(joins[first].first)] = static_cast<int>(first);
        for (size_t k = 0; k < members.size(); ++k)
            for (const auto& [in, out] : joins)
                for (const int g : {in, out})
                    if ((in == members[k] || out == members[k]) && net[static_cast<size_t>(g)] < 0) {
                        net[static_cast<size_t>(g)] = static_cast<int>(first);
                        members.push_back(g);
                    }
        // One output drives the net; where outputs meet, which one wins depends on the order of
        // the passes, and a terminal could carry only one of them across.
        std::vector<int> sources;
        int drivers = 0;
        for (const int g : members) {
            drivers += sides.Drivers(g);
            if (sides.Drivers(g) > 0) sources.push_back(g);
        }
        if (drivers != 1) {
            plan.Refusal =
                drivers == 0 ? AboutWire(TrMark("No part drives the signal of the wire (%1,%2)-(%3,%4)"),
                                         *plan.Crossings[first].Wire)
                             : AboutWire(TrMark("Several outputs are connected to the wire (%1,%2)-(%3,%4)"),
                                         *plan.Crossings[first].Wire);
            plan.Crossings.clear();
            return plan;
        }
        // Away from the driving group, group by group.
        std::vector<int> order{sources.front()};
        depth[static_cast<size_t>(sources.front())] = 0;
        for (size_t k = 0; k < order.size(); ++k)
            for (const auto& [in, out] : joins) {
                const int from = order[k];
                const int to = in == from ? out : out == from ? in : -1;
                if (to < 0 || depth[static_cast<size_t>(to)] >= 0) continue;
                depth[static_cast<size_t>(to)] = depth[static_cast<size_t>(from)] + 1;
                order.push_back(to);
            }
    }
    for (size_t i = 0; i < plan.Crossings.size(); ++i)
        plan.Crossings[i].Input = depth[static_cast<size_t>(joins[i].second)] < depth[static_cast<size_t>(joins[i].first)];
    return plan;
}

TEdgeTerminal EdgeTerminalFor(const TCrossing& c, const TRect& box)
{
    const char* name = c.Input ? "TInTerminal" : "TOutTerminal";
    // The Way that puts the outer terminal on each edge: input terminals 0..3 for left, top, right
    // and bottom, output terminals the opposite way round.
    const auto way = [&](int32_t inputWay) { return c.Input ? inputWay : (inputWay + 2) % 4; };
    const int half = TerminalSize / 2;
    if (c.Edge.x == box.Left && c.Inner.y == c.Outer.y)
        return {name, way(0), {c.Edge.x, c.Edge.y - half}, {c.Edge.x + TerminalSize, c.Edge.y}};
    if (c.Edge.x == box.Right && c.Inner.y == c.Outer.y)
        return {name, way(2), {c.Edge.x - TerminalSize, c.Edge.y - half}, {c.Edge.x - TerminalSize, c.Edge.y}};
    if (c.Edge.y == box.Top) return {name, way(1), {c.Edge.x - half, c.Edge.y}, {c.Edge.x, c.Edge.y + TerminalSize}};
    return {name, way(3), {c.Edge.x - half, c.Edge.y - TerminalSize}, {c.Edge.x, c.Edge.y - TerminalSize}};
}
