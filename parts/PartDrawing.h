#pragma once

#include "PartsBase.h"

#include <cstdint>

// Draws image index of the list, nothing when the list has no such image (a PartNo or Way from a
// file may name one that does not exist).
inline void DrawSpriteIfAny(Canvas& surface, TSpriteList list, int64_t index, int x, int y)
{
    if (index >= 0 && index < SpriteImageCount(list)) surface.DrawSprite(list, static_cast<int>(index), x, y);
}

// Draws on the board surface and, while simulating, also on the window surface, so that a
// change shows at once without a repaint of the window.
template <class DrawOn>
void DrawLive(const TPartsBase& part, DrawOn drawOn)
{
    if (Canvas* board = part.BoardCanvas()) drawOn(*board);
    if (part.Simulating() && part.WindowSurface) drawOn(*part.WindowSurface);
}
