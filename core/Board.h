#pragma once

#include "BoardGrid.h"
#include "Geometry.h"
#include "PartsBase.h"

#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

class TCode;
class TBoardIndex;

// The board: owns every placed object in one ordered list, answers the geometric queries of the
// editor, keeps the Linked flags current after edits and runs the simulation passes.
// List order matters: later objects are drawn over earlier ones, point queries search from the
// last object to the first, and the passes run in list order.
class TBord {
public:
    TBord(TCircuitContext& context, Canvas* surface);
    TBord(const TBord&) = delete;
    TBord& operator=(const TBord&) = delete;
    ~TBord();

    TCircuitContext& Context() const { return context_; }
    Canvas* GetCanvas() const { return canvas_; }
    void SetCanvas(Canvas* surface) { canvas_ = surface; }

    // Creates an object of class T on this board, appended at the end of the list.
    template <class T, class... Args>
    T* Create(Canvas* windowSurface, Args&&... args)
    {
        auto object = std::make_unique<T>(*this, windowSurface, std::forward<Args>(args)...);
        T* raw = object.get();
        Add(std::move(object));
        return raw;
    }

    void Add(std::unique_ptr<TPartsBase> object);
    // Takes the object off the list and hands over its ownership (null when absent).
    std::unique_ptr<TPartsBase> Remove(TPartsBase* object);
    // Removes the object from the list and destroys it; nothing when absent.
    void Destroy(TPartsBase* object);
    // Destroys every listed object in one sweep of the list, the last in the list first; objects
    // not on this board are ignored.
    void DestroyAll(const std::vector<TPartsBase*>& objects);
    bool Holds(const TPartsBase* object) const;

    int Count() const { return static_cast<int>(objects_.size()); }
    TPartsBase* Items(int i) const { return objects_[static_cast<size_t>(i)].get(); }
    void CopyParts(TPartsList& list) const;
    void ClearAll();
    void DrawAll();
    // ShowHeld of every object in list order: what a redraw of the whole board records, painted or not.
    void ShowAll();
    // What DrawAll draws inside the area (edges inclusive), as DrawAll would draw it there: the
    // objects that may draw inside it, in DrawAll's order. All of them when the grid cannot tell
    // which cheaply.
    void DrawAll(const TRect& area);

    struct THit {
        int Result = hitNone;
        TPartsBase* Object = nullptr;
        TTanshi* Tanshi = nullptr;
    };
    THit PartAt(const TContainer* level, int x, int y) const;
    int PartsAt(const TContainer* level, int x, int y, TPartsList& list) const;
    THit ContainerAt(int x, int y) const;
    void PartsInRect(const TContainer* level, int x1, int y1, int x2, int y2, TPartsList& list) const;
    void TanshisAt(const TContainer* level, int x, int y, TTanshiList& list) const;
    void TanshisTouching(const TPartsBase& object, int x, int y, TTanshiList& list) const;
    void ChildrenOf(const TContainer* container, TPartsList& list) const;
    // PartsAt restricted to objects of the given kinds (class flags), for the kinds that keep the
    // base hit test (wires, dots): the same objects in the same order, found through the grid.
    void PartsOfKindAt(uint8_t kinds, const TContainer* level, int x, int y, TPartsList& list) const;

    void CheckAllLinks();
    void CheckLinksInRect(const TRect& r);
    void BeginUpdate();
    void UnionBefore(const TRect& r);
    void UnionAfter(const TRect& r);
    void EndUpdate();
    TRect BeforeRect = EmptyUpdateRect;
    TRect AfterRect = EmptyUpdateRect;

    // An object's position, size or terminals may have changed: the grid places it anew.
    void Touch(const TPartsBase& object) { grid_.Touch(&object); }
    // Tests turn the grid off to compare its answers with plain scans of the list.
    void SetGridLookup(bool enabled) { gridLookup_ = enabled; }

    // Merges a new wire into a collinear one; answers the wire that absorbed it, or none.
    TCode* LinkCode(TCode* wire);

    // Gives t the terminals on that level at (x, y) but itself, as TanshisAt finds them; during
    // a link pass all terminals on one point share one list.
    void ShareLinks(TTanshi& t, const TContainer* level, int x, int y);
    void SetConnectTanshi();
    void ResolveNets();
    void CalcAll();
    void TickAll();

private:
    void CollectDriven(TTanshi& output);
    // The link pass proper: every object's LinkTanshi, with one group per point and level.
    void LinkAll();
    struct TLinkGroups;
    // The Linked flags of the terminals at one point, as every object's CheckLinks in list order
    // would leave them; at holds the indexes of the objects with a terminal there.
    void CheckLinksAt(int x, int y, std::span<const uint32_t> at);
    // While a bulk pass runs, point queries use an index of terminal points built for it.
    class TIndexScope;
    // While the board draws, every box's children come from one sweep of the list.
    using TChildren = std::unordered_map<const TContainer*, std::vector<TPartsBase*>>;
    template <class Visit>
    void ForEachAt(int x, int y, bool bodies, Visit visit) const;
    // The objects near the areas in list order; false when the list is to be scanned instead.
    bool Near(std::initializer_list<TRect> areas, std::vector<TPartsBase*>& out) const
    {
        return gridLookup_ && grid_.Near(areas, out);
    }

    TCircuitContext& context_;
    Canvas* canvas_;
    std::vector<std::unique_ptr<TPartsBase>> objects_;
    const TBoardIndex* index_ = nullptr;
    const TChildren* children_ = nullptr;
    TLinkGroups* groups_ = nullptr;
    // A cache of where the objects lie; questions keep it current, hence mutable.
    mutable TBoardGrid grid_{*this};
    bool gridLookup_ = true;
    uint32_t visitEpoch_ = 0;
};
