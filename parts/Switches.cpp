#include "Switches.h"

#include "PartDrawing.h"
#include "PartGeometry.h"

TSwitch::TSwitch(TBord& board, Canvas* windowSurface, TSpriteList sprites)
    : TPart(board, windowSurface), sprites_(sprites)
{
    SetSize(20, 20);
    WayCount = 4;
    SetTanshi();
}

void TSwitch::SetTanshi()
{
    ClearTanshis();
    if (Way < 0 || Way > 3) return;
    const TPoint out = TurnInSquare({20, 10}, Way, 20);
    AddTanshi(out.x, out.y, dirOutput);
}

void TSwitch::SetOutputLevel(int32_t level)
{
    if (!Tanshis.Empty()) Tanshis.Items(0)->Level = level;
}

void TSwitch::DrawImage(int index) const
{
    DrawLive(*this, [&](Canvas& c) { c.DrawSprite(sprites_, index, Left, Top); });
}

void TSwitch::Draw() { DrawImage(Simulating() && OutputLevel() != LevelLow ? 1 : 0); }

void TPushSW::PartMouseDown(TMouseButton, TShiftState, int, int)
{
    SetOutputLevel(LevelHigh);
    Draw();
}

void TPushSW::PartMouseUp(TMouseButton, TShiftState, int, int)
{
    SetOutputLevel(LevelLow);
    Draw();
}

void TTglSW::PartMouseDown(TMouseButton, TShiftState, int, int) { DrawImage(2); }

void TTglSW::PartMouseUp(TMouseButton, TShiftState, int, int)
{
    SetOutputLevel(OutputLevel() == LevelLow ? LevelHigh : LevelLow);
    Draw();
}
