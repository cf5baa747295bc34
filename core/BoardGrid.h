#pragma once

#include "Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TBord;
class TPartsBase;

// Where the objects of one board lie, kept between edits, so that a question about a small area
// visits only the objects near it and answers them in the board's list order.
//
// An object's region is its rectangle widened by 2 pixels (the hit band of a wire) joined with its
// terminal points: every rectangle touching the object's rectangle, every point where a wire or a
// dot answers a hit test and every terminal point meets it. Regions are placed lazily: the
// position setters and the terminal rebuild of an object mark it, and the next question places it
// anew from its live geometry. Objects spanning too many cells, and objects the board holds for
// another board (the trash board holds the main board's), are visited by every question.
class TBoardGrid {
public:
    explicit TBoardGrid(const TBord& owner) : owner_(owner) {}

    // The object has just been appended to the end of the board's list.
    void Add(TPartsBase* object);
    void Remove(const TPartsBase* object);
    // Removes many objects at once, each cell swept once.
    void RemoveAll(const std::unordered_set<const TPartsBase*>& gone);
    void Clear();
    // The object's position, size or terminals may have changed.
    void Touch(const TPartsBase* object);
    bool Holds(const TPartsBase* object) const { return entries_.contains(object); }

    // Appends, once each and in the board's list order, every object whose region may meet one of
    // the areas (corners inclusive). Answers false and appends nothing when the areas cover too
    // many cells for the look-up to pay; the caller then scans the list.
    bool Near(std::initializer_list<TRect> areas, std::vector<TPartsBase*>& out);

private:
    struct TSlot {
        uint64_t Seq;  // grows with every Add, so it orders the slots as the board's list
        TPartsBase* Object;
    };
    struct TCells {
        int64_t X0 = 0, Y0 = 0, X1 = -1, Y1 = -1;
        int64_t Count() const { return (X1 - X0 + 1) * (Y1 - Y0 + 1); }
    };
    struct TEntry {
        TSlot Slot;
        TCells Cells;  // none while wide or not placed
        bool Wide = false;
        bool Dirty = true;
    };

    static TCells CellsOf(int64_t left, int64_t top, int64_t right, int64_t bottom);
    static uint64_t Key(int64_t cx, int64_t cy)
    {
        return (uint64_t{static_cast<uint32_t>(cx)} << 32) | static_cast<uint32_t>(cy);
    }
    static void RemoveSlot(std::vector<TSlot>& slots, const TPartsBase* object);
    void Flush();
    void Place(TEntry& entry);
    void Unplace(TEntry& entry);

    const TBord& owner_;
    uint64_t lastSeq_ = 0;
    std::unordered_map<const TPartsBase*, TEntry> entries_;
    std::unordered_map<uint64_t, std::vector<TSlot>> cells_;
    std::vector<TSlot> wide_;
    std::vector<const TPartsBase*> dirty_;
};
