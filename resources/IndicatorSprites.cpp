#include "SpriteKit.h"
#include "Sprites.h"

#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// The colour of a dark segment or dot; the parts fill lit ones with pure red.
const QColor DarkRed{64, 0, 0};
const QColor Bezel{70, 70, 70};

QImage Led(const QColor& lit, bool on, double scale)
{
    QImage image = NewSprite(20, 20, scale);
    SpritePainter p(&image, scale);
    const QPointF centre(9.5, 9.5);
    if (on) {
        QRadialGradient glow(QPointF(7.5, 7.5), 10);
        glow.setColorAt(0, Paper);
        glow.setColorAt(0.35, lit.lighter(130));
        glow.setColorAt(1, lit);
        p.Outline(lit.darker(200), glow);
    } else {
        p.Outline(Ink, lit.darker(330));
    }
    p.drawEllipse(centre, 9.5, 9.5);
    if (!on) {
        p.Outline(Qt::transparent, QColor(255, 255, 255, 70));
        p.drawEllipse(QPointF(7, 7), 2.5, 2.5);
    }
    return image;
}

// Sets every device pixel of the sprite pixels left..right × top..bottom whose centre, in sprite
// pixel coordinates (the centre of sprite pixel x lies at x), is inside the shape. No antialiasing:
// the parts flood-fill the segments and dots, so a region must be closed by pure black.
template <class Inside>
void SetPixelsInside(QImage& image, double scale, int left, int top, int right, int bottom, Inside inside)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(left * scale)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil((right + 1) * scale)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top * scale)));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil((bottom + 1) * scale)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (inside((x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5)) image.setPixelColor(x, y, DarkRed);
}

// A segment: a bar five pixels thick whose ends taper to a point, so that neighbouring segments
// never touch and each stays a region of its own. At 100 % row y + dy holds x1 + |dy| .. x2 - |dy|.
void HorizontalSegment(QImage& image, double scale, int y, int x1, int x2)
{
    SetPixelsInside(image, scale, x1, y - 2, x2, y + 2, [&](double px, double py) {
        const double dy = std::abs(py - y);
        return dy < 2.5 && px - x1 + 0.5 > dy && x2 - px + 0.5 > dy;
    });
}

// At 100 % row y holds x ± min(2, y - y1, y2 - y).
void VerticalSegment(QImage& image, double scale, int x, int y1, int y2)
{
    SetPixelsInside(image, scale, x - 2, y1, x + 2, y2, [&](double px, double py) {
        return std::abs(px - x) < std::min({2.5, py - y1 + 0.5, y2 - py + 0.5});
    });
}

}  // namespace

std::vector<QImage> LedSprites(double scale)
{
    std::vector<QImage> list;
    for (const QColor& colour : {QColor(255, 0, 0), QColor(40, 90, 255), QColor(0, 220, 0)})
        for (const bool on : {false, true}) list.push_back(Led(colour, on, scale));
    return list;
}

std::vector<QImage> SevenSegmentSprites(double scale)
{
    // Opaque: the part copies this image into its own display image and fills its segments there.
    QImage image(ScaledSize(41, scale), ScaledSize(51, scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Ink);
    {
        SpritePainter p(&image, scale);
        p.Outline(Bezel);
        p.drawRect(QRectF(0, 0, 40, 50));
    }
    constexpr int left = 6, right = 29, top = 5, middle = 24, bottom = 44;
    HorizontalSegment(image, scale, top, left + 2, right - 2);
    VerticalSegment(image, scale, left, top + 2, middle - 2);
    VerticalSegment(image, scale, right, top + 2, middle - 2);
    HorizontalSegment(image, scale, middle, left + 2, right - 2);
    VerticalSegment(image, scale, left, middle + 2, bottom - 2);
    VerticalSegment(image, scale, right, middle + 2, bottom - 2);
    HorizontalSegment(image, scale, bottom, left + 2, right - 2);
    SpritePainter p(&image, scale);
    p.PixelCircle(32, 43, 37, 48, DarkRed, DarkRed);  // the decimal point around (34, 45)
    return {image};
}

std::vector<QImage> MatrixSprites(double scale)
{
    // Opaque for the same reason; the board's colour shows between the pins.
    QImage image(ScaledSize(91, scale), ScaledSize(91, scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(ButtonFace);
    SpritePainter p(&image, scale);
    for (int i = 0; i < 8; ++i) {
        p.Pin({0, 10 + 10 * i}, {3, 10 + 10 * i});
        p.Pin({10 + 10 * i, 87}, {10 + 10 * i, 90});
    }
    p.fillRect(QRectF(3.5, 3.5, 83, 83), Ink);
    p.Outline(Bezel);
    p.drawRect(QRectF(4, 4, 82, 82));
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            const int x = 10 * column + 10, y = 10 * row + 10;
            p.PixelCircle(x - 3, y - 3, x + 4, y + 4, DarkRed, DarkRed);
        }
    return {image};
}
