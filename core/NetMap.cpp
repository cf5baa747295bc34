#include "NetMap.h"

#include "Board.h"
#include "Dot.h"

#include <numeric>

namespace {

class TUnion {
public:
    explicit TUnion(size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), size_t{0}); }
    size_t Root(size_t i)
    {
        while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Join(size_t a, size_t b) { parent_[Root(a)] = Root(b); }

private:
    std::vector<size_t> parent_;
};

bool Conducts(const TPartsBase& o) { return o.Is(cfCode) || o.Is(cfSubTerminal); }

}  // namespace

TNetMap::TNetMap(const TBord& board)
{
    std::vector<const TTanshi*> tanshis;
    std::unordered_map<const TTanshi*, size_t> indexOf;
    for (int i = 0; i < board.Count(); ++i)
        for (const TTanshi* t : board.Items(i)->Tanshis) {
            indexOf.emplace(t, tanshis.size());
            tanshis.push_back(t);
        }
    TUnion sets(tanshis.size());
    for (size_t i = 0; i < tanshis.size(); ++i) {
        const TTanshi& t = *tanshis[i];
        for (const TTanshi* other : t.Links)
            if (const auto it = indexOf.find(other); it != indexOf.end()) sets.Join(i, it->second);
        // A conductor's terminals are one net: join each to the conductor's first.
        if (Conducts(*t.Owner) && &t != t.Owner->Tanshis.Items(0)) sets.Join(i, indexOf.at(t.Owner->Tanshis.Items(0)));
    }

    std::unordered_map<size_t, uint32_t> netOfRoot;
    auto netOf = [&](size_t tanshi) {
        const auto [it, fresh] = netOfRoot.emplace(sets.Root(tanshi), static_cast<uint32_t>(nets_.size()));
        if (fresh) nets_.emplace_back();
        return it->second;
    };
    for (size_t i = 0; i < tanshis.size(); ++i) {
        const TTanshi* t = tanshis[i];
        const uint32_t net = netOf(i);
        tanshiNet_.emplace(t, net);
        const TPartsBase& owner = *t->Owner;
        if (Conducts(owner)) {
            if (objectNet_.emplace(&owner, net).second) nets_[net].Conductors.push_back(&owner);
        } else if (owner.Is(cfPart)) {
            nets_[net].Terminals.push_back(t);
            if (t->Direction == dirOutput) nets_[net].Drivers.push_back(t);
        }
    }
    // A dot has no terminal of its own: it shows the net of the wire ends at its centre.
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase& dot = *board.Items(i);
        if (!dot.Is(cfDot)) continue;
        const TPoint centre = static_cast<const TDot&>(dot).Centre();
        TTanshiList ends;
        board.TanshisAt(dot.Container, centre.x, centre.y, ends);
        for (const TTanshi* end : ends) {
            const auto it = tanshiNet_.find(end);
            if (it == tanshiNet_.end()) continue;
            objectNet_.emplace(&dot, it->second);
            nets_[it->second].Conductors.push_back(&dot);
            break;
        }
    }
}

uint32_t TNetMap::NetOf(const TTanshi& t) const
{
    const auto it = tanshiNet_.find(&t);
    return it == tanshiNet_.end() ? NoNet : it->second;
}

uint32_t TNetMap::NetOf(const TPartsBase& object) const
{
    const auto it = objectNet_.find(&object);
    return it == objectNet_.end() ? NoNet : it->second;
}
