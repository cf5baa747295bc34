#include "MirroredPart.h"

#include "PartDrawing.h"

TMirroredPart::TMirroredPart(TBord& board, Canvas* windowSurface, int width, int height,
                             std::span<const TPinSpec> pins, TSpriteList sprites)
    : TPart(board, windowSurface), bodyWidth_(width), pins_(pins), sprites_(sprites)
{
    SetSize(width, height);
    SetTanshi();
}

void TMirroredPart::SetTanshi()
{
    ClearTanshis();
    if (Way != 0 && Way != 1) return;
    for (const TPinSpec& pin : pins_) {
        const TPoint p = Way == 1 ? MirrorInWidth(pin.Way0, bodyWidth_) : pin.Way0;
        AddTanshi(p.x, p.y, pin.Direction);
    }
}

void TMirroredPart::Draw()
{
    Canvas* c = BoardCanvas();
    if (c && Built()) DrawSpriteIfAny(*c, sprites_, SpriteIndex(), Left, Top);
}
