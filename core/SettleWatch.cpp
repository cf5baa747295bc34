#include "SettleWatch.h"

#include "Board.h"

#include <algorithm>

TSettleWatch::TSettleWatch(const TBord& board, const std::function<bool(const TPartsBase&)>& showingCounts)
{
    for (int i = 0; i < board.Count(); ++i) {
        TPartsBase* o = board.Items(i);
        if (!o->Is(cfPart)) continue;
        bool drives = false;
        for (TTanshi* t : o->Tanshis) {
            terminals_.push_back(t);
            drives = drives || t->Direction == dirOutput;
        }
        if (o->SettleKind() == TPartsBase::TSettleKind::Stateful && (drives || (showingCounts && showingCounts(*o))))
            stateful_.push_back(o);
    }
    levels_.resize(terminals_.size());
}

void TSettleWatch::Mark()
{
    for (size_t i = 0; i < terminals_.size(); ++i) levels_[i] = terminals_[i]->Level;
}

bool TSettleWatch::Settled()
{
    bool same = true;
    for (size_t i = 0; i < terminals_.size(); ++i) {
        const int32_t level = terminals_[i]->Level;
        same = same && level == levels_[i];
        levels_[i] = level;
    }
    return same && std::all_of(stateful_.begin(), stateful_.end(), [](const TPartsBase* p) { return p->AtRest(); });
}
