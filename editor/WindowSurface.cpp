#include "WindowSurface.h"

#include "LiveImage.h"

#include <algorithm>
#include <cmath>

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
    Touched(r);
}

void TWindowSurface::SetPixel(int x, int y, TColor color)
{
    image_.SetPixel(x, y, color);
    Touched(x, y, x, y);
}

void TWindowSurface::LineTo(int x, int y)
{
    image_.LineTo(x, y);
    Touched(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void TWindowSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    image_.Rectangle(x1, y1, x2, y2);
    Touched(x1, y1, x2, y2);
}

void TWindowSurface::Ellipse(int x1, int y1, int x2, int y2)
{
    image_.Ellipse(x1, y1, x2, y2);
    Touched(x1, y1, x2, y2);
}

void TWindowSurface::FloodFill(int x, int y, TColor border)
{
    image_.FloodFill(x, y, border);
    view_.MarkDirty();
}

void TWindowSurface::TextOut(int x, int y, const std::string& text)
{
    image_.TextOut(x, y, text);
    Touched({x, y, x + image_.TextWidth(text), y + image_.TextHeight(text)});
}

void TWindowSurface::DrawSprite(TSpriteList list, int index, int x, int y)
{
    image_.DrawSprite(list, index, x, y);
    view_.MarkDirty();
}

void TWindowSurface::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    image_.CopyRect(dest, source, sourceRect);
    Touched(dest);
}

void TWindowSurface::Touched(const TRect& board)
{
    const int pen = static_cast<int>(std::ceil(image_.Scale())) + 1;
    view_.MarkDirty(image_.DeviceRect(board).adjusted(-pen, -pen, pen, pen));
}

void TWindowSurface::Touched(int x1, int y1, int x2, int y2)
{
    Touched({std::min(x1, x2), std::min(y1, y2), SatAdd(std::max(x1, x2), 1), SatAdd(std::max(y1, y2), 1)});
}
