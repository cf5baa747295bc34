#include "BoardIndex.h"

#include "Board.h"

#include <algorithm>
#include <numeric>

TBoardIndex::TBoardIndex(const TBord& board)
{
    std::vector<std::pair<uint64_t, uint32_t>> entries;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        for (const TTanshi* t : o->Tanshis) {
            const TPoint p = o->LocalToBoard(t->GetPos());
            entries.emplace_back(Key(p.x, p.y), static_cast<uint32_t>(i));
        }
    }
    std::sort(entries.begin(), entries.end());
    keys_.reserve(entries.size());
    objects_.reserve(entries.size());
    for (const auto& [key, object] : entries) {
        keys_.push_back(key);
        objects_.push_back(object);
    }
}

std::span<const uint32_t> TBoardIndex::At(int32_t x, int32_t y) const
{
    const auto [first, last] = std::equal_range(keys_.begin(), keys_.end(), Key(x, y));
    return {objects_.data() + (first - keys_.begin()), static_cast<size_t>(last - first)};
}
