#pragma once

#include "SubTerminal.h"

// What the two sub-board terminal parts share: 20 × 20, four ways, terminal 0 an input and
// terminal 1 an output. Calc copies terminal 0 to terminal 1 and Tick does nothing: the net walk
// carries signals through them, inwards through an input terminal part and outwards through an
// output terminal part. Outside any box the part has no outer side and links on its own level like
// an ordinary part. A Way outside 0..3 from a file gives a part without terminals.
class TBoxTerminal : public TSubTerminal {
public:
    TBoxTerminal(TBord& board, Canvas* windowSurface);

    void Draw() override;
    // The red circle of an open outer terminal lies on the box's border: drawn unclipped when the
    // part stands on the edge that its Way assigns to the outer terminal.
    void DrawOpenTanshi() override;
    // Inside the box both terminals answer; on the level outside it only the outer one.
    int HitTest(const TContainer* level, int x, int y, TTanshi** tanshi) override;
    // Each terminal among all terminals on its own side, without the board's rectangle filter.
    TLinkSide LinkSide(const TTanshi& t) const override { return {SideOf(&t), false}; }
    void SetTanshi() override;
    void Calc() override;
    void Tick() override {}
    TTickKind TickKind() const override { return TTickKind::Nothing; }
    TSettleKind SettleKind() const override { return TSettleKind::Conductor; }

    bool Valid() const { return Way >= 0 && Way < 4; }

private:
    // The level a terminal links on: outside the box for the outer one, inside it for the other.
    const TContainer* SideOf(const TTanshi* t) const;
    bool OnOuterEdge() const;
};

// Carries a signal from the level outside its box in through its outer terminal 0.
class TInTerminal : public TBoxTerminal {
public:
    TInTerminal(TBord& board, Canvas* windowSurface) : TBoxTerminal(board, windowSurface) { PartNo = 0; }
    const char* ClassName() const override { return "TInTerminal"; }
    int OuterIndex() const override { return 0; }
};

// Carries a signal from inside its box out through its outer terminal 1.
class TOutTerminal : public TBoxTerminal {
public:
    TOutTerminal(TBord& board, Canvas* windowSurface) : TBoxTerminal(board, windowSurface) { PartNo = 1; }
    const char* ClassName() const override { return "TOutTerminal"; }
    int OuterIndex() const override { return 1; }
};
