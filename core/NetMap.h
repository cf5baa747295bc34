#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

class TBord;
class TPartsBase;
class TTanshi;

// The nets of a board as its terminals' link lists join them: terminals on one point, and all the
// terminals of a wire or sub-board terminal, belong to one net. Junction dots belong to the net of
// the wires that meet at their centre. Built from the lists a link pass left (SetConnectTanshi),
// before or after the run resolves them; the map names the board's objects and terminals, so it is
// built anew after every edit.
class TNetMap {
public:
    static constexpr uint32_t NoNet = UINT32_MAX;

    explicit TNetMap(const TBord& board);

    uint32_t Count() const { return static_cast<uint32_t>(nets_.size()); }
    // The net of a terminal, or of a wire, dot or sub-board terminal; NoNet for anything else.
    uint32_t NetOf(const TTanshi& t) const;
    uint32_t NetOf(const TPartsBase& object) const;
    // The outputs of parts on the net, in the board's order: where their levels differ, the last wins.
    std::span<const TTanshi* const> Drivers(uint32_t net) const { return nets_[net].Drivers; }
    // Its wires, dots and sub-board terminals, in the board's order.
    std::span<const TPartsBase* const> Conductors(uint32_t net) const { return nets_[net].Conductors; }
    // The terminals of parts on it, inputs and outputs, in the board's order.
    std::span<const TTanshi* const> Terminals(uint32_t net) const { return nets_[net].Terminals; }

private:
    struct TNet {
        std::vector<const TTanshi*> Drivers;
        std::vector<const TPartsBase*> Conductors;
        std::vector<const TTanshi*> Terminals;
    };
    std::vector<TNet> nets_;
    std::unordered_map<const TTanshi*, uint32_t> tanshiNet_;
    std::unordered_map<const TPartsBase*, uint32_t> objectNet_;
};
