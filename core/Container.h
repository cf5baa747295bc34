#pragma once

#include "PartsBase.h"

#include <string>

// A sub-board box: every object whose Container is the box belongs to it, is drawn clipped to
// it, is found by hit tests only when the editor works inside it, and moves with it.
class TContainer : public TPartsBase {
public:
    TContainer(TBord& board, Canvas* windowSurface);

    const char* ClassName() const override { return "TContainer"; }
    void Draw() override;
    void DrawDragFrame(Canvas& surface) override;
    int HitTest(const TContainer* level, int x, int y, TTanshi** tanshi) override;
    void SetTanshi() override {}
    void MoveTo(int x, int y, bool relink) override;
    void LoadFromStrings(const TStrings& lines) override;
    void SaveToStrings(TStrings& lines) const override;
    void MouseMove(TShiftState shift, int x, int y) override;

    void ChangeCldPartsLeftTop();
    // Appends every object inside the box at any depth, each nested box before its contents.
    void CollectDescendants(TPartsList& list);
    void ClipTo();
    void Unclip();

    TRect Region;
    TPartsList Children;
    std::string MacroName;
};
