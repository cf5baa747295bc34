#include "LED.h"

#include "PartDrawing.h"
#include "PartGeometry.h"

TLED::TLED(TBord& board, Canvas* windowSurface) : TAfterglowPart(board, windowSurface)
{
    SetSize(20, 20);
    WayCount = 4;
    SetTanshi();
}

void TLED::SetTanshi()
{
    ClearTanshis();
    if (Way < 0 || Way > 3) return;
    const TPoint in = TurnInSquare({0, 10}, Way, 20);
    AddTanshi(in.x, in.y, dirInput);
}

void TLED::Calc()
{
    if (Tanshis.Empty()) return;
    const int32_t in = Input();
    AskedLevel = in;
    if (in == ShownLevel || Countdown != Idle) return;
    Countdown = CountdownFor(in);
    ShownLevel = in;
}

void TLED::Tick()
{
    if (Countdown != Idle && !Tanshis.Empty() && --Countdown == 0) {
        Countdown = Idle;
        if (Input() == ShownLevel) Draw();
    }
    if ((AskedLevel != LevelLow) != DrawnLit && ShowsInputs()) Paint();
}

void TLED::Draw()
{
    if (Simulating()) ShowsLit = ShownLevel != LevelLow;
    Paint();
}

void TLED::Paint()
{
    const bool lit = Simulating() && (ShowsInputs() ? AskedLevel : ShownLevel) != LevelLow;
    DrawnLit = lit;
    DrawLive(*this, [&](Canvas& c) { DrawSpriteIfAny(c, TSpriteList::LED, int64_t{PartNo} * 2 + lit, Left, Top); });
}
