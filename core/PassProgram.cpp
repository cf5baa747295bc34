#include "PassProgram.h"

#include "Board.h"

#include <algorithm>
#include <map>

namespace {

using TOp = TPartsBase::TCalcOp;
using TTick = TPartsBase::TTickKind;

bool IsGate(const TPartsBase& part)
{
    return part.CalcOp() != TOp::None && part.SettleKind() == TPartsBase::TSettleKind::Combinational &&
           part.TickKind() == TTick::Drives;
}

// Appends to a per-key list given as (key, value) pairs: values grouped by key, keys 0..count-1.
void BuildIndex(std::vector<std::pair<uint32_t, uint32_t>>& pairs, size_t count, std::vector<uint32_t>& values,
                std::vector<uint32_t>& start)
{
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    start.assign(count + 1, 0);
    for (const auto& [key, value] : pairs) ++start[key + 1];
    for (size_t k = 0; k < count; ++k) start[k + 1] += start[k];
    values.clear();
    values.reserve(pairs.size());
    for (const auto& pair : pairs) values.push_back(pair.second);
}

}  // namespace

TPassProgram::TPassProgram(TBord& board)
{
    for (int i = 0; i < board.Count(); ++i)
        if (board.Items(i)->Is(cfPart)) Parts.push_back(board.Items(i));

    // Slots: every part's terminals in a row, then the terminals off the board that outputs reach.
    for (TPartsBase* part : Parts) {
        FirstSlot.push_back(static_cast<uint32_t>(bound_.size()));
        for (TTanshi* t : part->Tanshis) {
            t->Slot = static_cast<uint32_t>(bound_.size());
            bound_.push_back(t);
        }
    }
    FirstSlot.push_back(static_cast<uint32_t>(bound_.size()));
    OwnerOf.assign(bound_.size(), None);
    for (uint32_t p = 0; p < Parts.size(); ++p)
        for (uint32_t s = FirstSlot[p]; s < FirstSlot[p + 1]; ++s) OwnerOf[s] = p;
    for (TPartsBase* part : Parts) {
        if (part->TickKind() == TTick::Nothing) continue;
        for (const TTanshi* out : part->Tanshis) {
            if (out->Direction != dirOutput) continue;
            for (TTanshi* x : out->Links) {
                if (SlotOf(*x) != None) continue;
                x->Slot = static_cast<uint32_t>(bound_.size());
                bound_.push_back(x);
                OwnerOf.push_back(None);
            }
        }
    }
    Levels.resize(bound_.size());
    for (uint32_t s = 0; s < bound_.size(); ++s) bound_[s]->Level.Bind(&Levels[s]);

    // Every write of the tick phase, in list order; which targets must keep their order.
    struct TWrite {
        uint32_t From, To;
    };
    std::vector<TWrite> writes;
    std::vector<uint8_t> written(bound_.size(), 0), ordered(bound_.size(), 0);
    for (uint32_t p = 0; p < Parts.size(); ++p) {
        const TTick tick = Parts[p]->TickKind();
        if (tick == TTick::Nothing) continue;
        // An own Tick may read the part's terminals and drive its outputs' targets at any level.
        if (tick == TTick::Own)
            for (uint32_t s = FirstSlot[p]; s < FirstSlot[p + 1]; ++s) ordered[s] = 1;
        for (const TTanshi* out : Parts[p]->Tanshis) {
            if (out->Direction != dirOutput) continue;
            for (const TTanshi* x : out->Links) {
                written[x->Slot] = 1;
                if (tick == TTick::Own || x->Direction == dirOutput) ordered[x->Slot] = 1;
                if (tick == TTick::Drives) writes.push_back({out->Slot, x->Slot});
            }
        }
    }
    // An output written in the tick phase passes on what it holds at that moment: its writes keep
    // their place too.
    for (const TWrite& w : writes)
        if (written[w.From]) ordered[w.To] = 1;

    Roles.assign(Parts.size(), TRole::Generic);
    Ops.assign(Parts.size(), TOp::None);
    Pinned.assign(Parts.size(), 0);
    for (uint32_t s = 0; s < bound_.size(); ++s)
        if (written[s] && bound_[s]->Direction == dirOutput && OwnerOf[s] != None) Pinned[OwnerOf[s]] = 1;
    std::map<std::pair<TOp, uint32_t>, size_t> groupOf;
    for (uint32_t p = 0; p < Parts.size(); ++p) {
        const TPartsBase& part = *Parts[p];
        if (Pinned[p] || part.SettleKind() == TPartsBase::TSettleKind::Stateful) {
            Roles[p] = TRole::Stateful;
            Calls.push_back(p);
        } else if (IsGate(part)) {
            Roles[p] = TRole::Gate;
            Ops[p] = part.CalcOp();
            const uint32_t inputs = FirstSlot[p + 1] - FirstSlot[p] - 1;
            const auto [it, added] = groupOf.try_emplace({part.CalcOp(), inputs}, Gates.size());
            if (added) Gates.push_back({part.CalcOp(), inputs, {}});
            Gates[it->second].First.push_back(FirstSlot[p]);
        } else {
            Calls.push_back(p);
        }
        OutputStart.push_back(static_cast<uint32_t>(Outputs.size()));
        for (uint32_t s = FirstSlot[p]; s < FirstSlot[p + 1]; ++s)
            if (bound_[s]->Direction == dirOutput) Outputs.push_back(s);
    }
    OutputStart.push_back(static_cast<uint32_t>(Outputs.size()));

    // The last write to a free target is the one that counts; the ordered ones keep all theirs.
    GatherOf.assign(bound_.size(), None);
    std::vector<uint8_t> stepped(bound_.size(), 0);
    for (const TWrite& w : writes) {
        if (ordered[w.To]) {
            Steps.push_back({nullptr, w.From, w.To, None});
            if (!stepped[w.To]) StepTargets.push_back(w.To);
            stepped[w.To] = 1;
            continue;
        }
        if (GatherOf[w.To] == None) {
            GatherOf[w.To] = static_cast<uint32_t>(GatherTo.size());
            GatherTo.push_back(w.To);
            GatherFrom.push_back(w.From);
        }
        GatherFrom[GatherOf[w.To]] = w.From;
    }
    // The own Ticks join the steps in list order.
    std::vector<TStep> steps;
    size_t next = 0;
    for (uint32_t p = 0; p < Parts.size(); ++p) {
        if (Parts[p]->TickKind() == TTick::Own) {
            steps.push_back({Parts[p], None, None, p});
            for (const TTanshi* out : Parts[p]->Tanshis)
                if (out->Direction == dirOutput)
                    for (const TTanshi* x : out->Links)
                        if (!stepped[x->Slot]) {
                            StepTargets.push_back(x->Slot);
                            stepped[x->Slot] = 1;
                        }
        }
        while (next < Steps.size() && OwnerOf[Steps[next].From] == p) steps.push_back(Steps[next++]);
    }
    Steps = std::move(steps);

    std::vector<std::pair<uint32_t, uint32_t>> fan, own;
    for (uint32_t g = 0; g < GatherTo.size(); ++g) {
        fan.emplace_back(GatherFrom[g], g);
        if (OwnerOf[GatherTo[g]] != None) own.emplace_back(OwnerOf[GatherTo[g]], g);
    }
    BuildIndex(fan, bound_.size(), Fan, FanStart);
    BuildIndex(own, Parts.size(), OwnGathers, OwnStart);
}

TPassProgram::~TPassProgram()
{
    for (TTanshi* t : bound_) t->Level.Unbind();
}

uint32_t TPassProgram::SlotOf(const TTanshi& t) const
{
    return t.Slot < bound_.size() && bound_[t.Slot] == &t ? t.Slot : None;
}
