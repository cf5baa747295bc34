#pragma once

#include "Canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

// Small drawing helpers shared by the sprite and icon painters. Coordinates are whole pixels of the
// sprite at board size; a SpritePainter draws them at its scale, shifted by half a pixel so that an
// antialiased one-pixel stroke along integer coordinates covers exactly one row or column of pixels
// at 100 % (and their device pixels at a whole-numbered scale).

inline const QColor Ink{0, 0, 0};
inline const QColor Paper{255, 255, 255};
inline const QColor ButtonFace{clBtnFace.R, clBtnFace.G, clBtnFace.B};

// A fully transparent image, so that the board's button-face colour shows around the symbol; at a
// scale it has round(width * scale) × round(height * scale) pixels.
QImage NewSprite(int width, int height, double scale = 1);
// That many pixels at board size drawn at the scale, at least one.
int ScaledSize(int size, double scale);
// The image turned by quarter turns clockwise.
QImage Turned(const QImage& image, int quarterTurns);
// The same drawing in shades of grey.
QImage Greyed(const QImage& image);
// The picture of a disabled command: pale grey and half transparent, so that even a dark picture
// reads as unavailable against the tool bar.
QImage Unavailable(const QImage& image);

// The pixel-exact helpers (Pin, PixelCircle) map a sprite pixel x to the device pixels
// [floor(x * scale), floor((x + 1) * scale)), at least one, and draw them without antialiasing, the
// way the canvas maps board pixels, so that they stay crisp at every scale.
class SpritePainter : public QPainter {
public:
    explicit SpritePainter(QImage* image, double scale = 1);
    double Scale() const { return scale_; }
    // Antialiased outline pen of that colour, one pixel wide, and the given fill.
    void Outline(const QColor& pen, const QBrush& fill = Qt::NoBrush);
    // The device pixels of the sprite pixels left..right × top..bottom, both inclusive.
    QRect Cells(int left, int top, int right, int bottom) const;
    // Fills the device pixels of the sprite pixels left..right × top..bottom, both inclusive.
    void FillCells(int left, int top, int right, int bottom, const QColor& colour);
    // An axis-parallel line covering both end pixels: pins end exactly on their terminal point.
    void Pin(QPoint from, QPoint to, const QColor& colour = Ink);
    // A pixel-exact circle in the box [x1, x2) × [y1, y2), outlined and filled like the canvas draws
    // it, so that bubbles look the same whether a sprite or a part draws them.
    void PixelCircle(int x1, int y1, int x2, int y2, const QColor& outline = Ink, const QColor& fill = Paper);
    // Text centred on the point; an overbar marks an active-low name.
    void Label(QPointF centre, const QString& text, int pixelSize, bool overbar = false, const QColor& colour = Ink);

private:
    int64_t Device(int64_t x) const;
    double scale_;
};

// A slide toggle in the track: the knob at the given fraction from the left end; a lit track is green.
void SlideToggle(SpritePainter& p, const QRectF& track, double knob, bool lit);

// The sans-serif face of pin labels and titles.
QFont LabelFont(int pixelSize, bool bold = false);
