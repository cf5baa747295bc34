#include "OutputChanges.h"

#include "Board.h"

namespace {

// Calls f(part, level) for every output terminal of every part, in list and terminal order.
template <class F>
void ForEachOutput(const TBord& board, F f)
{
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        if (!o->Is(cfPart)) continue;
        for (const TTanshi* t : o->Tanshis)
            if (t->Direction == dirOutput) f(o, t->Level);
    }
}

}  // namespace

void TOutputChanges::Before(const TBord& board)
{
    levels_.clear();
    ForEachOutput(board, [this](const TPartsBase*, int32_t level) { levels_.push_back(level); });
}

void TOutputChanges::After(const TBord& board)
{
    changed_.clear();
    size_t i = 0;
    ForEachOutput(board, [&](const TPartsBase* o, int32_t level) {
        const bool differs = i >= levels_.size() || levels_[i] != level;
        ++i;
        if (differs && (changed_.empty() || changed_.back() != o)) changed_.push_back(o);
    });
}

void TOutputChanges::Clear()
{
    levels_.clear();
    changed_.clear();
}
