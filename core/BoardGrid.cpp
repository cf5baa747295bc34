#include "BoardGrid.h"

#include "PartsBase.h"

#include <algorithm>

namespace {

// Cells of 64 × 64 pixels: a part or a short wire covers one to four of them.
constexpr int CellShift = 6;
// A region over more cells than this (a very long wire, a big box, absurd file geometry) is
// visited by every question instead, which keeps the grid's memory proportional to the board.
constexpr int64_t MaxObjectCells = 128;
constexpr int64_t MaxQueryCells = 256;

}  // namespace

void TBoardGrid::RemoveSlot(std::vector<TSlot>& slots, const TPartsBase* object)
{
    auto it = std::find_if(slots.begin(), slots.end(), [&](const TSlot& s) { return s.Object == object; });
    if (it == slots.end()) return;
    *it = slots.back();
    slots.pop_back();
}

void TBoardGrid::Add(TPartsBase* object)
{
    auto [it, added] = entries_.try_emplace(object, TEntry{{++lastSeq_, object}, {}, false, true});
    if (!added) return;
    if (object->Board != &owner_) {
        // Touches reach the object's own board only, so an object held for another one never
        // gets placed: every question visits it.
        it->second.Wide = true;
        it->second.Dirty = false;
        wide_.push_back(it->second.Slot);
        return;
    }
    dirty_.push_back(object);
}

void TBoardGrid::Remove(const TPartsBase* object)
{
    auto it = entries_.find(object);
    if (it == entries_.end()) return;
    Unplace(it->second);
    entries_.erase(it);
}

void TBoardGrid::RemoveAll(const std::unordered_set<const TPartsBase*>& gone)
{
    std::unordered_set<uint64_t> cells;
    bool wide = false;
    for (const TPartsBase* object : gone) {
        auto it = entries_.find(object);
        if (it == entries_.end()) continue;
        const TEntry& e = it->second;
        wide = wide || e.Wide;
        if (!e.Wide)
            for (int64_t cx = e.Cells.X0; cx <= e.Cells.X1; ++cx)
                for (int64_t cy = e.Cells.Y0; cy <= e.Cells.Y1; ++cy) cells.insert(Key(cx, cy));
        entries_.erase(it);
    }
    auto goneSlot = [&](const TSlot& s) { return gone.contains(s.Object); };
    if (wide) std::erase_if(wide_, goneSlot);
    for (const uint64_t key : cells) {
        auto it = cells_.find(key);
        if (it == cells_.end()) continue;
        std::erase_if(it->second, goneSlot);
        if (it->second.empty()) cells_.erase(it);
    }
}

void TBoardGrid::Clear()
{
    entries_.clear();
    cells_.clear();
    wide_.clear();
    dirty_.clear();
}

void TBoardGrid::Touch(const TPartsBase* object)
{
    auto it = entries_.find(object);
    if (it == entries_.end() || it->second.Dirty) return;
    it->second.Dirty = true;
    dirty_.push_back(object);
}

bool TBoardGrid::Near(std::initializer_list<TRect> areas, std::vector<TPartsBase*>& out)
{
    int64_t cellCount = 0;
    for (const TRect& r : areas) {
        if (r.Left > r.Right || r.Top > r.Bottom) return false;
        cellCount += CellsOf(r.Left, r.Top, r.Right, r.Bottom).Count();
        if (cellCount > MaxQueryCells) return false;
    }
    Flush();
    std::vector<TSlot> found(wide_);
    for (const TRect& r : areas) {
        const TCells c = CellsOf(r.Left, r.Top, r.Right, r.Bottom);
        for (int64_t cx = c.X0; cx <= c.X1; ++cx)
            for (int64_t cy = c.Y0; cy <= c.Y1; ++cy)
                if (auto it = cells_.find(Key(cx, cy)); it != cells_.end())
                    found.insert(found.end(), it->second.begin(), it->second.end());
    }
    std::sort(found.begin(), found.end(), [](const TSlot& a, const TSlot& b) { return a.Seq < b.Seq; });
    for (size_t i = 0; i < found.size(); ++i)
        if (i == 0 || found[i].Seq != found[i - 1].Seq) out.push_back(found[i].Object);
    return true;
}

TBoardGrid::TCells TBoardGrid::CellsOf(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return {left >> CellShift, top >> CellShift, right >> CellShift, bottom >> CellShift};
}

void TBoardGrid::Flush()
{
    for (const TPartsBase* object : dirty_) {
        auto it = entries_.find(object);
        if (it == entries_.end() || !it->second.Dirty) continue;
        Unplace(it->second);
        Place(it->second);
        it->second.Dirty = false;
    }
    dirty_.clear();
}

void TBoardGrid::Place(TEntry& entry)
{
    const TPartsBase& o = *entry.Slot.Object;
    const int64_t left = o.Left, top = o.Top;
    int64_t x0 = std::min(left, left + o.Width), x1 = std::max(left, left + o.Width);
    int64_t y0 = std::min(top, top + o.Height), y1 = std::max(top, top + o.Height);
    for (const TTanshi* t : o.Tanshis) {
        x0 = std::min(x0, left + t->X);
        x1 = std::max(x1, left + t->X);
        y0 = std::min(y0, top + t->Y);
        y1 = std::max(y1, top + t->Y);
    }
    const TCells cells = CellsOf(x0 - 2, y0 - 2, x1 + 2, y1 + 2);
    if (cells.Count() > MaxObjectCells) {
        entry.Wide = true;
        wide_.push_back(entry.Slot);
        return;
    }
    entry.Cells = cells;
    for (int64_t cx = cells.X0; cx <= cells.X1; ++cx)
        for (int64_t cy = cells.Y0; cy <= cells.Y1; ++cy) cells_[Key(cx, cy)].push_back(entry.Slot);
}

void TBoardGrid::Unplace(TEntry& entry)
{
    if (entry.Wide) {
        RemoveSlot(wide_, entry.Slot.Object);
        entry.Wide = false;
        return;
    }
    const TCells& c = entry.Cells;
    for (int64_t cx = c.X0; cx <= c.X1; ++cx) {
        for (int64_t cy = c.Y0; cy <= c.Y1; ++cy) {
            auto it = cells_.find(Key(cx, cy));
            if (it == cells_.end()) continue;
            RemoveSlot(it->second, entry.Slot.Object);
            if (it->second.empty()) cells_.erase(it);
        }
    }
    entry.Cells = {};
}
