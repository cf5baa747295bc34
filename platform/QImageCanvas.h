#pragma once

#include "Canvas.h"
#include "PixelShapes.h"
#include "SpriteSource.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The drawing surface on a 32-bit RGB image. Lines, rectangles and ellipses are drawn pixel by pixel
// without antialiasing, every pixel of a figure once, so that an XOR figure drawn twice leaves no
// trace and flood fills stop exactly at one-pixel outlines.
class QImageCanvas : public Canvas {
public:
    QImageCanvas(int width, int height, const SpriteSource* sprites = nullptr);

    // A new image of that size filled with white; the clip is removed.
    void Resize(int width, int height);
    void SetSpriteSource(const SpriteSource* sprites) { sprites_ = sprites; }
    const QImage& Image() const { return image_; }
    TColor PixelAt(int x, int y) const;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    void SetPenColor(TColor color) override { pen_ = color; }
    void SetPenMode(TPenMode mode) override { penMode_ = mode; }
    void SetBrushColor(TColor color) override { brush_ = color; }
    void SetBrushStyle(TBrushStyle style) override { brushStyle_ = style; }
    void SetFont(const std::string& face, int size) override;
    void SetFontColor(TColor color) override { fontColor_ = color; }

    void FillRect(const TRect& r) override;
    void SetPixel(int x, int y, TColor color) override;
    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void FloodFill(int x, int y, TColor border) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    void ClipTo(const TRect& r) override;
    void Unclip() override;

    void DrawSprite(TSpriteList list, int index, int x, int y) override;
    // Copies from another image canvas, scaled when the two rectangles differ in size.
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) override;

private:
    // Writes one pixel inside the drawable area with the pen mode.
    void Plot(int64_t x, int64_t y, TColor color, TPenMode mode);
    // Plot over the pixels x1..x2 of row y, cut to the drawable area.
    void PlotRow(int64_t x1, int64_t x2, int64_t y, TColor color, TPenMode mode);
    void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    void UpdateArea();
    const QFont& Font();

    QImage image_;
    // The image rectangle cut to the clip rectangle: the only pixels drawing may touch.
    QRect area_;
    std::optional<TRect> clip_;
    const SpriteSource* sprites_;
    TColor pen_ = clBlack;
    TPenMode penMode_ = TPenMode::Copy;
    TColor brush_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    TColor fontColor_ = clBlack;
    std::string fontFace_ = BoardFontFace;
    int fontSize_ = 12;
    // Built on first use, so that a canvas that draws no text needs no GUI application.
    std::optional<QFont> font_;
    TPoint position_;
    // Flood fill scratch, kept between fills so that filling allocates nothing once warmed up.
    std::vector<uint32_t> fillMarks_;
    // The rows of the last ellipse drawn, relative to its box.
    struct TEllipseShape {
        int64_t Width = -1, Height = -1;
        std::vector<TEllipseRowParts> Rows;
    } ellipse_;
    uint32_t fillEpoch_ = 0;
    std::vector<TPoint> fillStack_;
};
