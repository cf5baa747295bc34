#pragma once

#include "PartsBase.h"

#include <string>

// A sub-board box: every object whose Container is the box belongs to it, is drawn clipped to
// it, is found by hit tests only when the editor works inside it, and moves with it.
// Containment is a tree: no box may hold itself or a box that lies inside it (CanHold).
class TContainer : public TPartsBase {
public:
    TContainer(TBord& board, Canvas* windowSurface);

    const char* ClassName() const override { return "TContainer"; }
    // The raised box and its grab square, then the objects inside it (not nested boxes: the board
    // draws every box itself), each clipped to the box.
    void Draw() override;
    // The outline at the drag position and where the outer terminals will land.
    void DrawDragFrame(Canvas& surface) override;
    // Only with the box itself as the level: 1 on the grab square, 3 elsewhere inside, corners inclusive.
    int HitTest(const TContainer* level, int x, int y, TTanshi** tanshi) override;
    // No terminals to build; the board's grid still hears of the change.
    void SetTanshi() override;
    // Moves or resizes the box; everything inside it follows a move, each object recorded.
    void MoveTo(int x, int y, bool relink) override;
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    // Resize cursors within 2 pixels of the right and bottom edges.
    void MouseMove(TShiftState shift, int x, int y) override;

    // Places every object inside at the box's position plus its offsets, when the box stands
    // elsewhere than where its last drag began; each move is recorded.
    void ChangeCldPartsLeftTop();
    // Appends every object inside the box at any depth, each nested box before its contents.
    void CollectDescendants(TPartsList& list);
    // Whether the object may be put into this box: not the box itself, nor a box that holds it at
    // any depth, since either would make the box its own ancestor.
    bool CanHold(const TPartsBase& object) const;
    void ClipTo();
    void Unclip();

    TRect Region;
    TPartsList Children;
    std::string MacroName;
};
