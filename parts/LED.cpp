#include "LED.h"

#include "PartDrawing.h"
#include "PartGeometry.h"

#include <utility>

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
    if (Countdown != Idle) return;
    if (in != ShownLevel) {
        Countdown = CountdownFor(in);
        ShownLevel = in;
    } else if (Simulating() && ShowsLit != (in != LevelLow)) {
        // A countdown that ended while the input was away for a pass left the lamp showing the
        // other level; it comes round to the input as if the input had just changed.
        Countdown = CountdownFor(in);
        Correcting = true;
    }
}

void TLED::Tick()
{
    if (Countdown != Idle && !Tanshis.Empty() && --Countdown == 0) {
        Countdown = Idle;
        if ((std::exchange(Correcting, false) ? AskedLevel : int32_t{Input()}) == ShownLevel) {
            ShowHeld();
            Draw();
        }
    }
    if ((AskedLevel != LevelLow) != DrawnLit && ShowsInputs()) Draw();
}

void TLED::ShowHeld()
{
    if (Simulating()) ShowsLit = ShownLevel != LevelLow;
}

void TLED::Draw()
{
    const bool lit = Simulating() && (ShowsInputs() ? AskedLevel != LevelLow : ShowsLit);
    DrawnLit = lit;
    DrawLive(*this, [&](Canvas& c) { DrawSpriteIfAny(c, TSpriteList::LED, int64_t{PartNo} * 2 + lit, Left, Top); });
}
