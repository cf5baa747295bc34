#pragma once

#include "QImageCanvas.h"

class TLiveImage;

// The window surface: the picture the screen shows of the board. Parts drawing live and the
// editor's previews draw on it directly; every drawing marks the view that shows it.
class TWindowSurface : public Canvas {
public:
    TWindowSurface(int width, int height, const SpriteSource* sprites, TLiveImage& view);

    // A new picture of that size; the view shows it from now on.
    void Resize(int width, int height);
    const QImage& Image() const { return image_.Image(); }
    // The same view of the board as the board surface's.
    void SetView(double scale, TPoint offset) { image_.SetView(scale, offset); }

    int Width() const override { return image_.Width(); }
    int Height() const override { return image_.Height(); }
    void SetPenColor(TColor color) override { image_.SetPenColor(color); }
    void SetPenMode(TPenMode mode) override { image_.SetPenMode(mode); }
    void SetBrushColor(TColor color) override { image_.SetBrushColor(color); }
    void SetBrushStyle(TBrushStyle style) override { image_.SetBrushStyle(style); }
    void SetFont(const std::string& face, int size) override { image_.SetFont(face, size); }
    void SetFontColor(TColor color) override { image_.SetFontColor(color); }
    int TextWidth(const std::string& text) override { return image_.TextWidth(text); }
    int TextHeight(const std::string& text) override { return image_.TextHeight(text); }
    void ClipTo(const TRect& r) override { image_.ClipTo(r); }
    void Unclip() override { image_.Unclip(); }
    void SetSpriteRim(std::optional<TColor> rim) override { image_.SetSpriteRim(rim); }
    void MoveTo(int x, int y) override
    {
        image_.MoveTo(x, y);
        position_ = {x, y};
    }

    void FillRect(const TRect& r) override;
    void SetPixel(int x, int y, TColor color) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void FloodFill(int x, int y, TColor border) override;
    void TextOut(int x, int y, const std::string& text) override;
    void DrawSprite(TSpriteList list, int index, int x, int y) override;
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) override;

private:
    // Marks the device pixels of that board rectangle, and a pen's width around it, for repainting.
    void Touched(const TRect& board);
    // Marks the device pixels of the figure with these corners, both included.
    void Touched(int x1, int y1, int x2, int y2);

    QImageCanvas image_;
    TLiveImage& view_;
    TPoint position_;
};
