#pragma once

#include "PartsBase.h"

#include <algorithm>
#include <cstdint>

// Lit and dark segments and dots of the displays.
inline constexpr TColor clLitLamp = clRed;
inline constexpr TColor clDarkLamp{64, 0, 0};

// The rectangle of that size at (left, top), cut to the 32-bit range.
inline TRect RectAt(int32_t left, int32_t top, int64_t width, int64_t height)
{
    const auto clamp = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {left, top, clamp(int64_t{left} + width), clamp(int64_t{top} + height)};
}

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
