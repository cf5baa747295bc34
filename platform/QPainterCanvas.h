#pragma once

#include "Canvas.h"
#include "SpriteRim.h"
#include "SpriteSource.h"

#include <QFont>
#include <QPainter>

#include <optional>
#include <unordered_map>

// A drawing surface on a painter of any device: an SVG generator, a PDF writer, a printer. It takes
// board coordinates and draws figures as the raster canvas lays out its pixels, each one-unit line
// through the middle of the pixels it covers, so that the figures of a vector picture lie where the
// pixels of a PNG lie. Text has the raster canvas's metrics; sprites are the images of their source at
// SpriteScale. What a vector device cannot do, a flood fill or an XOR pen, is left out: the board's
// drawing uses neither.
//
// In printer ink everything is black on white: the background and every fill white, every line and
// text black, sprites as their dark strokes and outlines, a display's image as its segments; no
// grid dots.
class QPainterCanvas : public Canvas {
public:
    // The sprites' resolution: device pixels per board unit of the images drawn for them.
    static constexpr double SpriteScale = 4.0;

    enum class TInk { Colour, Printer };

    // The painter is set up by the caller (the board's origin, the scale) and outlives the canvas;
    // area is the board rectangle drawn, for Width and Height.
    QPainterCanvas(QPainter& painter, const TRect& area, const SpriteSource* sprites, TInk ink = TInk::Colour);

    int Width() const override { return area_.Right - area_.Left; }
    int Height() const override { return area_.Bottom - area_.Top; }

    void SetPenColor(TColor color) override { pen_ = color; }
    void SetPenMode(TPenMode) override {}
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
    void FloodFill(int, int, TColor) override {}
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    void ClipTo(const TRect& r) override;
    void Unclip() override;

    void DrawSprite(TSpriteList list, int index, int x, int y) override;
    // Only the colour ink rims sprites: the printer's is black on white already.
    void SetSpriteRim(std::optional<TColor> rim) override { rimmed_.SetRim(rim); }
    // Draws the pixels of a raster canvas (a display's image) over the destination.
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) override;

private:
    QColor Line(TColor color) const;
    QColor Fill(TColor color) const;
    QPen Pen() const;
    const QFont& Font();
    // The sprite in printer ink, made once per image; a solid one all black.
    const QImage& PrinterInkOf(const QImage& sprite, bool solid);

    QPainter& painter_;
    TRect area_;
    const SpriteSource* sprites_;
    TInk ink_;
    TColor pen_ = clBlack;
    TColor brush_ = clWhite;
    TColor fontColor_ = clBlack;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    TPoint position_{0, 0};
    std::string fontFace_ = BoardFontFace;
    int fontSize_ = 12;
    std::optional<QFont> font_;
    std::unordered_map<qint64, QImage> printerSprites_;
    TRimmedSprites rimmed_;
};
