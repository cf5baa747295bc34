#include "Board.h"

#include <algorithm>
#include <unordered_map>

namespace {

using TKind = TPartsBase::TSettleKind;

// The settle's passes, each running only what a full pass could change.
//
// A full pass is CalcAll, then TickAll. Calc reads a part's inputs and state and writes its
// outputs and state; Tick drives the part's outputs into the inputs they reach, and the last
// writer in list order wins. So, once every part has been through one full pass:
// - a combinational or conducting part whose inputs kept their levels since its last Calc would
//   change nothing (a latch holds, a gate writes the same): its Calc is skipped until an input
//   changes ("dirty");
// - an input keeps its level through TickAll unless one of its writers drives another level;
//   every writer is among the parts whose outputs reach it ("drivers"). A combinational driver
//   whose outputs kept their levels writes what it wrote before. So TickAll's effect is that of
//   the Ticks, in list order, of every stateful part, every combinational part whose outputs
//   changed in this pass, every driver of a just-forced input, and every other driver of an input
//   one of those reaches (the last writer may be any of them);
// - stateful parts (flip-flops, one-shots, pulsers, LEDs with afterglow, …) run both in every
//   pass until they come to rest (AtRest: Calc and Tick would change nothing on these inputs),
//   and again from the pass after an input changed; as their Calc may write their own inputs
//   (an open input reads high), the drivers of those inputs tick whenever they run.
// Hence levels and states after each pass are exactly those of a full pass, and a forcing that
// finds its input at the forced level costs nothing when every stateful part is at rest.
// A part whose output another output drives (two outputs on one point) sees that output written
// between its Calc and its Tick, so it counts as stateful and never rests.
class TSettle {
public:
    explicit TSettle(const std::vector<TPartsBase*>& parts) : parts_(parts)
    {
        for (uint32_t p = 0; p < parts_.size(); ++p) {
            partIndex_.emplace(parts_[p], p);
            kinds_.push_back(parts_[p]->SettleKind());
        }
        targets_.resize(parts_.size());
        for (uint32_t p = 0; p < parts_.size(); ++p) {
            if (kinds_[p] == TKind::Conductor) continue;
            for (const TTanshi* out : parts_[p]->Tanshis) {
                if (out->Direction != dirOutput) continue;
                for (TTanshi* x : out->Links) {
                    const auto [it, added] = drivenIndex_.try_emplace(x, static_cast<uint32_t>(driven_.size()));
                    if (added) {
                        driven_.push_back(x);
                        drivers_.emplace_back();
                        const auto owner = partIndex_.find(x->Owner);
                        owner_.push_back(owner == partIndex_.end() ? NoPart : owner->second);
                    }
                    auto& writers = drivers_[it->second];
                    if (writers.empty() || writers.back() != p) writers.push_back(p);
                    targets_[p].push_back(it->second);
                }
            }
        }
        pinned_.assign(parts_.size(), 0);
        for (uint32_t d = 0; d < driven_.size(); ++d) {
            if (owner_[d] == NoPart || driven_[d]->Direction != dirOutput) continue;
            kinds_[owner_[d]] = TKind::Stateful;
            pinned_[owner_[d]] = 1;
        }
        ownDriven_.resize(parts_.size());
        for (uint32_t d = 0; d < driven_.size(); ++d)
            if (owner_[d] != NoPart && kinds_[owner_[d]] == TKind::Stateful) ownDriven_[owner_[d]].push_back(d);
        dirty_.assign(parts_.size(), 0);
        restless_.assign(parts_.size(), 0);
        active_.assign(parts_.size(), 0);
        seen_.assign(driven_.size(), 0);
        before_.assign(driven_.size(), 0);
        for (uint32_t p = 0; p < parts_.size(); ++p) MarkDirty(p);
    }

    void Force(TTanshi& input, int32_t level)
    {
        if (input.Level == level) return;
        input.Level = level;
        if (const auto owner = partIndex_.find(input.Owner); owner != partIndex_.end()) MarkDirty(owner->second);
        if (const auto d = drivenIndex_.find(&input); d != drivenIndex_.end())
            for (const uint32_t p : drivers_[d->second]) Activate(p);
    }

    void Pass()
    {
        std::sort(restlessList_.begin(), restlessList_.end());
        for (const uint32_t p : restlessList_) {
            parts_[p]->Calc();
            Activate(p);
            for (const uint32_t d : ownDriven_[p])
                for (const uint32_t q : drivers_[d]) Activate(q);
        }
        for (const uint32_t p : dirtyList_) {
            dirty_[p] = 0;
            TPartsBase& part = *parts_[p];
            outputs_.clear();
            for (const TTanshi* t : part.Tanshis)
                if (t->Direction == dirOutput) outputs_.push_back(t->Level);
            part.Calc();
            size_t k = 0;
            bool changed = false;
            for (const TTanshi* t : part.Tanshis)
                if (t->Direction == dirOutput) changed = changed || t->Level != outputs_[k++];
            if (changed && kinds_[p] == TKind::Combinational) Activate(p);
        }
        dirtyList_.clear();

        ++epoch_;
        touched_.clear();
        for (size_t i = 0; i < activeList_.size(); ++i) {
            for (const uint32_t d : targets_[activeList_[i]]) {
                if (seen_[d] == epoch_) continue;
                seen_[d] = epoch_;
                touched_.push_back(d);
                before_[d] = driven_[d]->Level;
                for (const uint32_t p : drivers_[d]) Activate(p);
            }
        }
        std::sort(activeList_.begin(), activeList_.end());
        for (const uint32_t p : activeList_) {
            active_[p] = 0;
            parts_[p]->Tick();
        }
        activeList_.clear();

        restingCheck_.swap(restlessList_);
        restlessList_.clear();
        for (const uint32_t p : restingCheck_) restless_[p] = 0;
        for (const uint32_t p : restingCheck_)
            if (pinned_[p] || !parts_[p]->AtRest()) Wake(p);
        for (const uint32_t d : touched_)
            if (driven_[d]->Level != before_[d] && owner_[d] != NoPart) MarkDirty(owner_[d]);
    }

private:
    static constexpr uint32_t NoPart = UINT32_MAX;

    void MarkDirty(uint32_t p)
    {
        if (kinds_[p] == TKind::Stateful) {
            Wake(p);
            return;
        }
        if (dirty_[p]) return;
        dirty_[p] = 1;
        dirtyList_.push_back(p);
    }
    void Wake(uint32_t p)
    {
        if (restless_[p]) return;
        restless_[p] = 1;
        restlessList_.push_back(p);
    }
    void Activate(uint32_t p)
    {
        if (active_[p]) return;
        active_[p] = 1;
        activeList_.push_back(p);
    }

    const std::vector<TPartsBase*>& parts_;
    std::unordered_map<const TPartsBase*, uint32_t> partIndex_;
    std::vector<TKind> kinds_;
    // The inputs some output drives: each with the parts that drive it, ascending, and its part.
    std::unordered_map<const TTanshi*, uint32_t> drivenIndex_;
    std::vector<TTanshi*> driven_;
    std::vector<std::vector<uint32_t>> drivers_;
    std::vector<uint32_t> owner_;
    std::vector<std::vector<uint32_t>> targets_;  // per part, the driven inputs its outputs reach
    // Per stateful part, the driven terminals of its own, which its Calc may write.
    std::vector<std::vector<uint32_t>> ownDriven_;
    std::vector<uint8_t> pinned_;  // outputs that other outputs drive: never at rest

    std::vector<uint8_t> dirty_, restless_, active_;
    std::vector<uint32_t> dirtyList_, restlessList_, restingCheck_, activeList_, touched_;
    std::vector<uint32_t> seen_;
    std::vector<int32_t> before_;
    std::vector<int32_t> outputs_;
    uint32_t epoch_ = 0;
};

}  // namespace

void TBord::ResetAndSettle()
{
    for (const auto& o : objects_) o->ResetTanshi();
    std::vector<TTanshi*> inputs;
    for (const auto& o : objects_)
        for (TTanshi* t : o->Tanshis)
            if (t->Direction == dirInput) inputs.push_back(t);
    if (inputs.empty()) return;

    // The first forcing gets a full pass, after which every part has computed from its inputs.
    inputs.front()->Level = LevelHigh;
    CalcAll();
    TickAll();
    std::vector<TPartsBase*> parts;
    for (const auto& o : objects_)
        if (o->Is(cfPart)) parts.push_back(o.get());
    TSettle settle(parts);
    if (!settleShortcut_) {
        for (const int32_t level : {LevelHigh, LevelLow}) {
            for (size_t i = level == LevelHigh ? 1 : 0; i < inputs.size(); ++i) {
                inputs[i]->Level = level;
                CalcAll();
                TickAll();
            }
        }
        return;
    }
    for (const int32_t level : {LevelHigh, LevelLow}) {
        for (size_t i = level == LevelHigh ? 1 : 0; i < inputs.size(); ++i) {
            settle.Force(*inputs[i], level);
            settle.Pass();
        }
    }
}
