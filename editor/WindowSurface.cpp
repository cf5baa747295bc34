#include "WindowSurface.h"

#include "LiveImage.h"

TWindowSurface::TWindowSurface(int width, int height, const SpriteSource* sprites, TLiveImage& view)
    : image_(width, height, sprites), view_(view)
{
    view_.SetSource(&image_.Image());
}

void TWindowSurface::Resize(int width, int height)
{
    image_.Resize(width, height);
    view_.SetSource(&image_.Image());
    view_.MarkDirty();
}

void TWindowSurface::FillRect(const TRect& r)
{
    image_.FillRect(r);
    view_.MarkDirty();
}

void TWindowSurface::SetPixel(int x, int y, TColor color)
{
    image_.SetPixel(x, y, color);
    view_.MarkDirty();
}

void TWindowSurface::LineTo(int x, int y)
{
    image_.LineTo(x, y);
    view_.MarkDirty();
}

void TWindowSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    image_.Rectangle(x1, y1, x2, y2);
    view_.MarkDirty();
}

void TWindowSurface::Ellipse(int x1, int y1, int x2, int y2)
{
    image_.Ellipse(x1, y1, x2, y2);
    view_.MarkDirty();
}

void TWindowSurface::FloodFill(int x, int y, TColor border)
{
    image_.FloodFill(x, y, border);
    view_.MarkDirty();
}

void TWindowSurface::TextOut(int x, int y, const std::string& text)
{
    image_.TextOut(x, y, text);
    view_.MarkDirty();
}

void TWindowSurface::DrawSprite(TSpriteList list, int index, int x, int y)
{
    image_.DrawSprite(list, index, x, y);
    view_.MarkDirty();
}

void TWindowSurface::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    image_.CopyRect(dest, source, sourceRect);
    view_.MarkDirty();
}
