#pragma once

#include "Canvas.h"
#include "PixelShapes.h"
#include "SpriteRim.h"
#include "SpriteSource.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The drawing surface on a 32-bit RGB image. Lines, rectangles and ellipses are drawn pixel by pixel
// without antialiasing, every pixel of a figure once, so that an XOR figure drawn twice leaves no
// trace and flood fills stop exactly at one-pixel outlines.
//
// The canvas shows the board through a view: board coordinate x lies at device (image) pixel
// X(x) = floor(x * scale) - offset.x, the same for y, and board pixel x covers the device pixels
// [X(x), X(x + 1)), at least one. Every drawing operation takes board coordinates; a one-unit pen
// covers the device pixels of each board pixel it draws, diagonals and ellipse outlines are drawn
// in device pixels as thick as that pen. Text keeps its board-unit metrics at every scale and is
// drawn in a font scaled to match, sprites come from their source rendered at the scale. The size
// of the image and the pixels that PixelAt reads are device pixels.
class QImageCanvas : public Canvas {
public:
    QImageCanvas(int width, int height, const SpriteSource* sprites = nullptr);

    // A new image of that size in device pixels filled with white; the clip is removed, the view
    // and the confinement stay.
    void Resize(int width, int height);
    void SetSpriteSource(const SpriteSource* sprites) { sprites_ = sprites; }
    const QImage& Image() const { return image_; }
    TColor PixelAt(int x, int y) const;

    // The view: scale in device pixels per board unit (held to 1/64 .. 32), offset in device pixels.
    // The image keeps its pixels; the caller redraws.
    void SetView(double scale, TPoint offset);
    double Scale() const { return scale_; }
    TPoint Offset() const { return offset_; }
    // The board rectangle the image covers, rounded outwards.
    TRect BoardArea() const;
    // The board rectangle whose redraw gives every pixel of the device rectangle its final colour:
    // every board pixel drawn there, rounded outwards (below 100 % neighbouring board pixels share
    // device pixels, so this may reach a unit further than the rectangle seems to need).
    TRect BoardRectFor(const QRect& device) const;
    // The device pixels of a board rectangle (right and bottom excluded), not cut to the image.
    QRect DeviceRect(const TRect& board) const;
    // Moves the view by (dx, dy) device pixels: the offset grows by that much and the picture moves
    // the other way, so that every board point keeps its colour. Answers the device rectangles that
    // came into view (none, one or two, not overlapping); their pixels are stale until redrawn.
    std::vector<QRect> Scroll(int dx, int dy);
    // Keeps every drawing inside these device pixels until Unconfine, whatever ClipTo and Unclip
    // say: a box clips its children with ClipTo and ends with Unclip, so a partial redraw is
    // confined here instead. To redraw the pixels r: Confine(r), RedrawBoard(board, canvas,
    // BoardRectFor(r)), Unconfine().
    void Confine(const QRect& device);
    void Unconfine();

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
    // Seeded at the first device pixel of the board point.
    void FloodFill(int x, int y, TColor border) override;
    void TextOut(int x, int y, const std::string& text) override;
    // Metrics of the font at 100 %, in board units, whatever the scale.
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    void ClipTo(const TRect& r) override;
    void Unclip() override;

    void DrawSprite(TSpriteList list, int index, int x, int y) override;
    void SetSpriteRim(std::optional<TColor> rim) override { rimmed_.SetRim(rim); }
    // Copies from another image canvas, each rectangle through its own canvas's view: between equal
    // scales and equal board sizes device pixels are copied one to one, otherwise the source pixels
    // are stretched over the destination's.
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect) override;

private:
    // Device pixels From..To inclusive.
    struct TSpan {
        int64_t From = 0;
        int64_t To = -1;
    };
    int64_t DevX(int64_t x) const;
    int64_t DevY(int64_t y) const;
    // The device columns (rows) of the board pixels a..b inclusive.
    TSpan Cols(int64_t a, int64_t b) const;
    TSpan Rows(int64_t a, int64_t b) const;
    // The thickness of a one-unit pen in device pixels.
    int64_t PenWidth() const;

    // Makes the pixels this image's own (a copy of Image() taken earlier keeps its pixels) and notes
    // where they lie, for Row; every operation writing pixels starts here.
    void PrepareWrite();
    QRgb* Row(int64_t y) { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
    // Writes one pixel inside the drawable area with the pen mode.
    void Plot(int64_t x, int64_t y, TColor color, TPenMode mode);
    // Plot over the pixels x1..x2 of row y, cut to the drawable area.
    void PlotRow(int64_t x1, int64_t x2, int64_t y, TColor color, TPenMode mode);
    // PlotRow over every row of the device block.
    void PlotBlock(const TSpan& cols, const TSpan& rows, TColor color, TPenMode mode);
    void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    // A diagonal of a scaled view: a square of the pen's width swept in device pixels from the
    // start point up to the device pixels of the end point, which are left out.
    void ThickLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
    // The pixels of a sprite row by row as runs of opaque and of partly transparent pixels,
    // leaving out the transparent ones.
    struct TSpriteRun {
        int From, To;
        bool Opaque;
    };
    struct TSpriteRuns {
        std::vector<uint32_t> RowStart;
        std::vector<TSpriteRun> Runs;
    };
    const TSpriteRuns& RunsOf(const QImage& sprite);
    void UpdateArea();
    const QFont& Font();
    // The font text is drawn in: the board font scaled to the view.
    const QFont& DrawingFont();

    QImage image_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    // The image rectangle cut to the clip and the confinement: the only pixels drawing may touch.
    QRect area_;
    std::optional<TRect> clip_;
    std::optional<QRect> confined_;
    double scale_ = 1;
    // scale_ == 1: board and device pixels are the same up to the offset.
    bool unit_ = true;
    TPoint offset_;
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
    std::optional<QFont> drawingFont_;
    TPoint position_;
    // Flood fill scratch, kept between fills so that filling allocates nothing once warmed up.
    std::vector<uint32_t> fillMarks_;
    // The rows of the last ellipse drawn, relative to its box.
    struct TEllipseShape {
        int64_t Width = -1, Height = -1, Thickness = -1;
        std::vector<TEllipseRowParts> Rows;
    } ellipse_;
    // The row spans of a thick diagonal, relative to its top row.
    std::vector<TSpan> sweep_;
    uint32_t fillEpoch_ = 0;
    std::vector<TPoint> fillStack_;
    // By the images' cache keys, which change whenever an image does.
    std::unordered_map<qint64, TSpriteRuns> spriteRuns_;
    TRimmedSprites rimmed_;
};
