#include "SharedNets.h"

#include "Board.h"

#include <numeric>
#include <unordered_map>

namespace {

// Sets of outputs, joined as they are found to share a net.
class TDriverSets {
public:
    explicit TDriverSets(size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), size_t{0}); }
    size_t Root(size_t i)
    {
        while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Join(size_t a, size_t b) { parent_[Root(a)] = Root(b); }

private:
    std::vector<size_t> parent_;
};

}  // namespace

std::vector<std::vector<const TTanshi*>> SharedNets(const TBord& board)
{
    std::vector<const TTanshi*> outputs;
    std::unordered_map<const TTanshi*, size_t> indexOf;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase& o = *board.Items(i);
        if (!o.Is(cfPart) || o.Is(cfSubTerminal)) continue;
        for (const TTanshi* t : o.Tanshis) {
            if (t->Direction != dirOutput) continue;
            indexOf.emplace(t, outputs.size());
            outputs.push_back(t);
        }
    }
    TDriverSets sets(outputs.size());
    // The first output found to reach each part terminal; a later one that reaches it shares its net.
    std::unordered_map<const TTanshi*, size_t> reachedBy;
    for (size_t d = 0; d < outputs.size(); ++d) {
        for (const TTanshi* reached : outputs[d]->Links) {
            if (const auto other = indexOf.find(reached); other != indexOf.end()) sets.Join(d, other->second);
            if (const auto [first, fresh] = reachedBy.emplace(reached, d); !fresh) sets.Join(d, first->second);
        }
    }
    std::unordered_map<size_t, size_t> netOf;
    std::vector<std::vector<const TTanshi*>> nets;
    for (size_t d = 0; d < outputs.size(); ++d) {
        const auto [net, fresh] = netOf.emplace(sets.Root(d), nets.size());
        if (fresh) nets.emplace_back();
        nets[net->second].push_back(outputs[d]);
    }
    std::erase_if(nets, [](const std::vector<const TTanshi*>& net) { return net.size() < 2; });
    return nets;
}
