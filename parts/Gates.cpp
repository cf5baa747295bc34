#include "Gates.h"

#include "Board.h"
#include "PartGeometry.h"

#include <array>

namespace {

// A point relative to the part, turned a quarter clockwise per Way step inside the 40 × 40 body.
TPoint Turn(TPoint p, int way) { return TurnInSquare(p, way, 40); }

// Input positions on the west side for Way 0, in terminal order.
constexpr std::array<std::array<int, 5>, 4> InputRows{{
    {10, 30, -1, -1, -1},
    {10, 20, 30, -1, -1},
    {0, 40, 10, 30, -1},
    {0, 40, 10, 20, 30},
}};

// Input i of a gate with that many inputs. Turned to Way 1, gates of three or more inputs list
// their inputs left to right along the top edge rather than in the turned order.
TPoint InputPos(int inputs, int i, int way)
{
    const int y = InputRows[static_cast<size_t>(inputs - 2)][static_cast<size_t>(i)];
    if (way == 1 && inputs >= 3) return {y, 0};
    return Turn({0, y}, way);
}

constexpr std::array<TSpriteList, 4> GateSprites{TSpriteList::Gate2In, TSpriteList::Gate3In, TSpriteList::Gate4In,
                                                 TSpriteList::Gate5In};

}  // namespace

TGate::TGate(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface)
{
    SetSize(40, 40);
    WayCount = 4;
    SetTanshi();
}

void TGate::SetTanshi()
{
    ClearTanshis();
    if (!Valid()) return;
    const int inputs = InputCount();
    for (int i = 0; i < inputs; ++i) {
        const TPoint p = InputPos(inputs, i, Way);
        AddTanshi(p.x, p.y, dirInput);
    }
    const TPoint out = Turn({40, 20}, Way);
    AddTanshi(out.x, out.y, dirOutput);
}

void TGate::Calc()
{
    // PartNo may have been set without the terminals rebuilt yet; then the gate waits for them.
    if (!Valid() || Tanshis.Count() != InputCount() + 1) return;
    const int inputs = InputCount();
    bool allHigh = true, anyHigh = false, anyNotLow = false, anyNotHigh = false;
    for (int i = 0; i < inputs; ++i) {
        const int32_t level = Tanshis.Items(i)->Level;
        allHigh = allHigh && level == LevelHigh;
        anyHigh = anyHigh || level == LevelHigh;
        anyNotLow = anyNotLow || level != LevelLow;
        anyNotHigh = anyNotHigh || level != LevelHigh;
    }
    const bool mixed = anyNotLow && anyNotHigh;
    bool high = false;
    switch (GateKind()) {
    case gkNand:
    case gkNandNegative: high = !allHigh; break;
    case gkNor:
    case gkNorNegative: high = !anyHigh; break;
    case gkAnd: high = allHigh; break;
    case gkOr: high = anyHigh; break;
    case gkEor: high = mixed; break;
    default: high = !mixed; break;
    }
    Tanshis.Items(inputs)->Level = high ? LevelHigh : LevelLow;
}

TPartsBase::TCalcOp TGate::CalcOp() const
{
    if (!Valid() || Tanshis.Count() != InputCount() + 1) return TCalcOp::None;
    static constexpr std::array<TCalcOp, 8> ops{TCalcOp::Nand, TCalcOp::Nand, TCalcOp::Nor, TCalcOp::Nor,
                                               TCalcOp::And,  TCalcOp::Or,   TCalcOp::Xor, TCalcOp::Xnor};
    return ops[static_cast<size_t>(GateKind())];
}

void TGate::Draw()
{
    Canvas* c = BoardCanvas();
    if (!c || !Valid()) return;
    c->DrawSprite(GateSprites[static_cast<size_t>(PartNo / 8)], GateKind() * 4 + Way, Left, Top);
    if ((PartNo != 17 && PartNo != 19 && PartNo != 25 && PartNo != 27) || Tanshis.Count() < 2) return;
    // The negative-logic NAND and NOR of four and five inputs carry bubbles on their corner inputs.
    c->SetPenColor(clBlack);
    c->SetBrushStyle(TBrushStyle::Clear);
    static constexpr std::array<TPoint, 4> inward{{{7, 0}, {0, 7}, {-7, 0}, {0, -7}}};
    const TPoint step = inward[static_cast<size_t>(Way)];
    for (int i = 0; i < 2; ++i) {
        const TPoint p = LocalToBoard({Tanshis.Items(i)->X + step.x, Tanshis.Items(i)->Y + step.y});
        c->Ellipse(SatAdd(p.x, -3), SatAdd(p.y, -3), SatAdd(p.x, 4), SatAdd(p.y, 4));
    }
}

TNot::TNot(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface)
{
    SetSize(40, 40);
    WayCount = 4;
    SetTanshi();
}

void TNot::SetTanshi()
{
    ClearTanshis();
    if (!Valid()) return;
    const TPoint in = Turn({0, 20}, Way);
    const TPoint out = Turn({40, 20}, Way);
    AddTanshi(in.x, in.y, dirInput);
    AddTanshi(out.x, out.y, dirOutput);
}

void TNot::Calc()
{
    if (Valid() && Tanshis.Count() == 2) Tanshis.Items(1)->Level = Tanshis.Items(0)->Level == LevelHigh ? LevelLow : LevelHigh;
}

void TNot::Draw()
{
    Canvas* c = BoardCanvas();
    if (c && Valid()) c->DrawSprite(TSpriteList::Not, PartNo * 4 + Way, Left, Top);
}
