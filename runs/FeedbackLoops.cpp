#include "FeedbackLoops.h"

#include "Board.h"
#include "PartsBase.h"

#include <algorithm>
#include <utility>

TFeedbackLoops::TFeedbackLoops(const TBord& board)
{
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        if (!o->Is(cfPart) || o->Is(cfSubTerminal)) continue;
        index_.emplace(o, static_cast<uint32_t>(parts_.size()));
        parts_.push_back(o);
    }
    drivers_.resize(parts_.size());
    // After net resolution an output's links are the part terminals it drives.
    for (uint32_t p = 0; p < parts_.size(); ++p)
        for (const TTanshi* out : parts_[p]->Tanshis) {
            if (out->Direction != dirOutput) continue;
            for (const TTanshi* in : out->Links) {
                inputDrivers_[in].push_back(p);
                if (const auto driven = index_.find(in->Owner); driven != index_.end())
                    drivers_[driven->second].push_back(p);
            }
        }
    MarkCycles();
}

// Tarjan's strongly connected components, walking from a part to its drivers; a component is a
// loop when it has more than one part, or its one part drives itself.
void TFeedbackLoops::MarkCycles()
{
    constexpr uint32_t unseen = UINT32_MAX;
    const size_t n = parts_.size();
    std::vector<uint32_t> order(n, unseen), low(n, 0), stack;
    std::vector<bool> stacked(n, false);
    onCycle_.assign(n, false);
    std::vector<std::pair<uint32_t, size_t>> walk;  // a part and the next of its drivers to visit
    uint32_t counter = 0;
    const auto visit = [&](uint32_t p) {
        order[p] = low[p] = counter++;
        stack.push_back(p);
        stacked[p] = true;
        walk.emplace_back(p, 0);
    };
    for (uint32_t root = 0; root < n; ++root) {
        if (order[root] != unseen) continue;
        visit(root);
        while (!walk.empty()) {
            const uint32_t p = walk.back().first;
            if (size_t& next = walk.back().second; next < drivers_[p].size()) {
                const uint32_t q = drivers_[p][next++];
                if (order[q] == unseen)
                    visit(q);
                else if (stacked[q])
                    low[p] = std::min(low[p], order[q]);
                continue;
            }
            walk.pop_back();
            if (!walk.empty()) low[walk.back().first] = std::min(low[walk.back().first], low[p]);
            if (low[p] != order[p]) continue;
            auto first = stack.end();
            do --first;
            while (*first != p);
            const bool loop = stack.end() - first > 1 || std::count(drivers_[p].begin(), drivers_[p].end(), p) > 0;
            for (auto at = first; at != stack.end(); ++at) {
                stacked[*at] = false;
                onCycle_[*at] = loop;
            }
            stack.erase(first, stack.end());
        }
    }
}

std::vector<const TPartsBase*> TFeedbackLoops::Behind(const std::vector<const TTanshi*>& terminals) const
{
    // Every part whose levels reach a terminal: its drivers, theirs, and so on. A loop that reaches
    // one of them lies wholly among them.
    std::vector<bool> behind(parts_.size(), false);
    std::vector<uint32_t> todo;
    const auto reach = [&](uint32_t p) {
        if (!behind[p]) {
            behind[p] = true;
            todo.push_back(p);
        }
    };
    for (const TTanshi* t : terminals) {
        if (t->Direction == dirOutput) {
            if (const auto own = index_.find(t->Owner); own != index_.end()) reach(own->second);
        } else if (const auto drivers = inputDrivers_.find(t); drivers != inputDrivers_.end()) {
            for (const uint32_t p : drivers->second) reach(p);
        }
    }
    while (!todo.empty()) {
        const uint32_t p = todo.back();
        todo.pop_back();
        for (const uint32_t q : drivers_[p]) reach(q);
    }
    std::vector<const TPartsBase*> loops;
    for (size_t p = 0; p < parts_.size(); ++p)
        if (behind[p] && onCycle_[p]) loops.push_back(parts_[p]);
    return loops;
}

std::vector<const TPartsBase*> TFeedbackLoops::All() const
{
    std::vector<const TPartsBase*> loops;
    for (size_t p = 0; p < parts_.size(); ++p)
        if (onCycle_[p]) loops.push_back(parts_[p]);
    return loops;
}
