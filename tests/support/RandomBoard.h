#pragma once

#include "ClassRegistry.h"
#include "Wiring.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

struct TRandomBoardShape {
    // Parts and wire crossings placed on the grid.
    int Items = 120;
    // Of ten items, how many are wire crossings (a dot on one of them) rather than parts.
    int Crossings = 3;
    // The grid's steps each way, and the step at which the box begins each way.
    int Grid = 12;
    int Box = 10;
    // L-shaped wires drawn afterwards (FeedInputs).
    int Wires = 0;
};

// L-shaped wires from outputs to inputs that link on the same level (the top or the box). Each feeds
// an input not fed yet of a part whose inputs are fed least, so that every part is fed once before
// any is fed twice. It comes from an output that changes when one is at hand: half the time one of
// a part without inputs (a switch, a pulse generator), else of such a part or one fed from a
// changing output before.
inline void FeedInputs(TestCircuit& t, TContainer* box, int wires, std::mt19937& random)
{
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto any = [&](const auto& list) { return list[static_cast<size_t>(pick(0, static_cast<int>(list.size()) - 1))]; };
    struct TEnd {
        TPoint At;
        TContainer* Level;
        const TPartsBase* Owner;
    };
    std::vector<TEnd> outputs, inputs;
    std::vector<const TPartsBase*> origins;
    for (int i = 0; i < t.Bord.Count(); ++i) {
        const TPartsBase* o = t.Bord.Items(i);
        if (!o->Is(cfPart)) continue;
        bool origin = true;
        for (const TTanshi* k : o->Tanshis) {
            if (k->Direction == dirWireEnd) continue;
            origin = origin && k->Direction == dirOutput;
            (k->Direction == dirOutput ? outputs : inputs)
                .push_back({o->LocalToBoard(k->GetPos()), o->LinkSide(*k).Level ? box : nullptr, o});
        }
        if (origin) origins.push_back(o);
    }
    std::vector<const TPartsBase*> changing = origins;
    auto among = [](const std::vector<const TPartsBase*>& parts, const TPartsBase* o) {
        return std::find(parts.begin(), parts.end(), o) != parts.end();
    };
    std::map<const TPartsBase*, int> fed;
    for (int w = 0; w < wires && !inputs.empty(); ++w) {
        int least = INT_MAX;
        for (const TEnd& in : inputs) least = std::min(least, fed[in.Owner]);
        std::vector<size_t> candidates;
        for (size_t i = 0; i < inputs.size(); ++i)
            if (fed[inputs[i].Owner] == least) candidates.push_back(i);
        const TPartsBase* owner = inputs[any(candidates)].Owner;
        std::erase_if(candidates, [&](size_t i) { return inputs[i].Owner != owner; });
        const size_t chosen = any(candidates);
        const TEnd to = inputs[chosen];
        inputs.erase(inputs.begin() + static_cast<std::ptrdiff_t>(chosen));
        ++fed[owner];

        std::vector<const TEnd*> sources, changingSources, originSources;
        for (const TEnd& from : outputs) {
            if (from.Level != to.Level || from.Owner == owner) continue;
            sources.push_back(&from);
            if (among(changing, from.Owner)) changingSources.push_back(&from);
            if (among(origins, from.Owner)) originSources.push_back(&from);
        }
        if (!changingSources.empty()) {
            sources = !originSources.empty() && pick(0, 1) ? originSources : changingSources;
            if (!among(changing, owner)) changing.push_back(owner);
        }
        if (sources.empty()) continue;
        const TEnd& from = *any(sources);
        if (from.At.x != to.At.x) AddWire(t, from.At.x, from.At.y, to.At.x, from.At.y, from.Level);
        if (from.At.y != to.At.y) AddWire(t, to.At.x, from.At.y, to.At.x, to.At.y, from.Level);
    }
}

// Parts, wires and dots on a grid of 20-pixel steps, so that many terminals meet and outputs meet
// outputs; the parts from the box's step on each way go in a 200 × 200 box, with sub-board terminals
// among them. stateful adds flip-flops, pulse generators, lamps and displays.
inline void RandomBoard(TestCircuit& t, uint32_t seed, bool stateful, const TRandomBoardShape& shape = {})
{
    static const std::vector<std::string> combinational{"TGate",      "TNot",   "TTglSW", "TPushSW",
                                                        "TFullAdder", "T10TO2", "T7SEG",  "TDFF"};
    static const std::vector<std::string> withState{"TJKFF",    "TTFF",    "TLED",     "T2TO10",
                                                    "TOneShot", "TPulser", "TLED7SEG", "TMatrix8X8"};
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int corner = 20 * shape.Box;
    TContainer* box = AddBox(t, corner, corner, 200, 200);
    auto boxAt = [&](int x, int y) { return x >= corner && y >= corner ? box : nullptr; };
    for (int i = 0; i < shape.Items; ++i) {
        const int x = 20 * pick(0, shape.Grid), y = 20 * pick(0, shape.Grid);
        const int roll = pick(0, 9);
        if (roll < shape.Crossings) {
            AddWire(t, x, y, x + 20 * pick(-3, 3), y);
            AddWire(t, x, y, x, y + 20 * pick(-3, 3));
            if (roll == 0) PlaceDot(t, x, y, boxAt(x, y));
            continue;
        }
        std::string name = combinational[static_cast<size_t>(pick(0, static_cast<int>(combinational.size()) - 1))];
        if (stateful && roll < 5) name = withState[static_cast<size_t>(pick(0, static_cast<int>(withState.size()) - 1))];
        if (roll == 9) name = pick(0, 1) ? "TInTerminal" : "TOutTerminal";
        TPartsBase* part = FindPartClass(name)->Create(t.Bord, nullptr);
        if (name == "TGate") part->PartNo = pick(0, 33);  // 32 and 33 compute nothing
        if (part->WayCount > 1) part->SetWay(pick(0, part->WayCount - 1));
        part->Container = boxAt(x, y);
        part->MoveTo(x, y, false);
    }
    FeedInputs(t, box, shape.Wires, random);
}
