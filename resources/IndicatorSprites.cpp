#include "SpriteKit.h"
#include "Sprites.h"

#include <QRadialGradient>

#include <array>
#include <cstdlib>

namespace {

// The colour of a dark segment or dot; the parts fill lit ones with pure red.
const QColor DarkRed{64, 0, 0};
const QColor Bezel{70, 70, 70};

QImage Led(const QColor& lit, bool on)
{
    QImage image = NewSprite(20, 20);
    SpritePainter p(&image);
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

// A segment as rows of pixels: a bar of width five whose ends taper to a point, so that
// neighbouring segments never touch and each stays a region of its own.
void HorizontalSegment(QImage& image, int y, int x1, int x2)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int x = x1 + std::abs(dy); x <= x2 - std::abs(dy); ++x) image.setPixelColor(x, y + dy, DarkRed);
}

void VerticalSegment(QImage& image, int x, int y1, int y2)
{
    for (int y = y1; y <= y2; ++y) {
        const int half = std::min({2, y - y1, y2 - y});
        for (int dx = -half; dx <= half; ++dx) image.setPixelColor(x + dx, y, DarkRed);
    }
}

}  // namespace

std::vector<QImage> LedSprites()
{
    std::vector<QImage> list;
    for (const QColor& colour : {QColor(255, 0, 0), QColor(40, 90, 255), QColor(0, 220, 0)})
        for (const bool on : {false, true}) list.push_back(Led(colour, on));
    return list;
}

std::vector<QImage> SevenSegmentSprites()
{
    // Opaque: the part copies this image into its own display image and fills its segments there.
    QImage image(41, 51, QImage::Format_ARGB32_Premultiplied);
    image.fill(Ink);
    {
        SpritePainter p(&image);
        p.Outline(Bezel);
        p.drawRect(QRectF(0, 0, 40, 50));
    }
    constexpr int left = 6, right = 29, top = 5, middle = 24, bottom = 44;
    HorizontalSegment(image, top, left + 2, right - 2);
    VerticalSegment(image, left, top + 2, middle - 2);
    VerticalSegment(image, right, top + 2, middle - 2);
    HorizontalSegment(image, middle, left + 2, right - 2);
    VerticalSegment(image, left, middle + 2, bottom - 2);
    VerticalSegment(image, right, middle + 2, bottom - 2);
    HorizontalSegment(image, bottom, left + 2, right - 2);
    SpritePainter p(&image);
    p.PixelCircle(32, 43, 37, 48, DarkRed, DarkRed);  // the decimal point around (34, 45)
    return {image};
}

std::vector<QImage> MatrixSprites()
{
    // Opaque for the same reason; the board's colour shows between the pins.
    QImage image(91, 91, QImage::Format_ARGB32_Premultiplied);
    image.fill(ButtonFace);
    SpritePainter p(&image);
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
