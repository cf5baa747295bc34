#pragma once

#include "PartsBase.h"

// A 20 × 20 switch worked with the mouse while simulating, with one output that Way moves round
// the body; the image does not turn. A Way outside 0..3 from a file leaves it without output.
class TSwitch : public TPart {
public:
    // Image 0 while editing; while simulating image 0 or 1 by the output level, on both surfaces.
    void Draw() override;
    void SetTanshi() override;
    int32_t OutputLevel() const { return Tanshis.Empty() ? LevelLow : Tanshis.Items(0)->Level; }
    // Only the mouse changes the output; the passes just drive it.
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }

protected:
    TSwitch(TBord& board, Canvas* windowSurface, TSpriteList sprites);
    void SetOutputLevel(int32_t level);
    void DrawImage(int index) const;

private:
    TSpriteList sprites_;
};

// Momentary switch: high while a button is held on it. The release goes only to the parts under
// the pointer, so a release elsewhere leaves it high until the next release over it.
class TPushSW : public TSwitch {
public:
    TPushSW(TBord& board, Canvas* windowSurface) : TSwitch(board, windowSurface, TSpriteList::PushSW) {}
    const char* ClassName() const override { return "TPushSW"; }
    void PartMouseDown(TMouseButton, TShiftState, int, int) override;
    void PartMouseUp(TMouseButton, TShiftState, int, int) override;
};

// Toggle switch: shows image 2 while pressed and changes its level on the release.
class TTglSW : public TSwitch {
public:
    TTglSW(TBord& board, Canvas* windowSurface) : TSwitch(board, windowSurface, TSpriteList::TglSW) {}
    const char* ClassName() const override { return "TTglSW"; }
    void PartMouseDown(TMouseButton, TShiftState, int, int) override;
    void PartMouseUp(TMouseButton, TShiftState, int, int) override;
};
