#include "SubTerminals.h"

#include "Board.h"
#include "Container.h"
#include "PartDrawing.h"
#include "PartGeometry.h"

TBoxTerminal::TBoxTerminal(TBord& board, Canvas* windowSurface) : TSubTerminal(board, windowSurface)
{
    SetSize(20, 20);
    WayCount = 4;
    SetTanshi();
}

void TBoxTerminal::Draw()
{
    if (Canvas* c = BoardCanvas()) DrawSpriteIfAny(*c, TSpriteList::Terminal, int64_t{PartNo} * 4 + Way, Left, Top);
}

void TBoxTerminal::DrawOpenTanshi()
{
    if (Container && OnOuterEdge())
        if (Canvas* c = BoardCanvas()) c->Unclip();
    TSubTerminal::DrawOpenTanshi();
}

int TBoxTerminal::HitTest(const TContainer* level, int x, int y, TTanshi** tanshi)
{
    const int r = TSubTerminal::HitTest(level, x, y, tanshi);
    if (r != hitNone || !Container || level != Container->Container || OuterIndex() >= Tanshis.Count()) return r;
    TTanshi* outer = Tanshis.Items(OuterIndex());
    if (int64_t{Left} + outer->X != x || int64_t{Top} + outer->Y != y) return hitNone;
    if (tanshi) *tanshi = outer;
    return hitTanshi;
}

void TBoxTerminal::SetTanshi()
{
    ClearTanshis();
    if (!Valid()) return;
    const TPoint input = TurnInSquare({0, 10}, Way, 20);
    const TPoint output = TurnInSquare({20, 10}, Way, 20);
    AddTanshi(input.x, input.y, dirInput);
    AddTanshi(output.x, output.y, dirOutput);
}

void TBoxTerminal::Calc()
{
    if (Tanshis.Count() == 2) Tanshis.Items(1)->Level = Tanshis.Items(0)->Level;
}

const TContainer* TBoxTerminal::SideOf(const TTanshi* t) const
{
    if (!Container) return nullptr;
    const bool outer = OuterIndex() < Tanshis.Count() && t == Tanshis.Items(OuterIndex());
    return outer ? Container->Container : Container;
}

bool TBoxTerminal::OnOuterEdge() const
{
    if (!Valid()) return false;
    const TContainer& box = *Container;
    const int64_t lastLeft = int64_t{box.Width} - Width, lastTop = int64_t{box.Height} - Height;
    const bool alongSide = 0 <= OffsetTop && OffsetTop <= lastTop;    // within the left or right edge
    const bool alongTop = 0 <= OffsetLeft && OffsetLeft <= lastLeft;  // within the top or bottom edge
    // Edges clockwise from the left one; the outer terminal of an output part faces the other way.
    switch ((Way + 2 * OuterIndex()) % 4) {
    case 0: return OffsetLeft == 0 && alongSide;
    case 1: return OffsetTop == 0 && alongTop;
    case 2: return OffsetLeft == lastLeft && alongSide;
    default: return OffsetTop == lastTop && alongTop;
    }
}
