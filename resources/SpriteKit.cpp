#include "SpriteKit.h"

#include "PixelShapes.h"

#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

int ScaledSize(int size, double scale) { return std::max(1, static_cast<int>(std::lround(size * scale))); }

QImage NewSprite(int width, int height, double scale)
{
    QImage image(ScaledSize(width, scale), ScaledSize(height, scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Turned(const QImage& image, int quarterTurns)
{
    if (quarterTurns % 4 == 0) return image;
    return image.transformed(QTransform().rotate(90.0 * (quarterTurns % 4)));
}

namespace {

// Every pixel turned grey: its grey level mapped as lifted, its opacity divided.
QImage GreyMapped(const QImage& image, int base, int numerator, int alphaDivisor)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int g = base + qGray(line[x]) * numerator / 8;
            line[x] = qRgba(g, g, g, qAlpha(line[x]) / alphaDivisor);
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

// Lifted towards white, the way a disabled picture looks.
QImage Greyed(const QImage& image) { return GreyMapped(image, 96, 5, 1); }

QImage Unavailable(const QImage& image) { return GreyMapped(image, 150, 3, 2); }

SpritePainter::SpritePainter(QImage* image, double scale) : QPainter(image), scale_(scale)
{
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    QPainter::scale(scale, scale);
    translate(0.5, 0.5);
    Outline(Ink);
}

int64_t SpritePainter::Device(int64_t x) const
{
    return static_cast<int64_t>(std::floor(static_cast<double>(x) * scale_));
}

QRect SpritePainter::Cells(int left, int top, int right, int bottom) const
{
    const int64_t x = Device(left), y = Device(top);
    const int64_t width = std::max(Device(int64_t{right} + 1), Device(right) + 1) - x;
    const int64_t height = std::max(Device(int64_t{bottom} + 1), Device(bottom) + 1) - y;
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width), static_cast<int>(height));
}

void SpritePainter::Outline(const QColor& pen, const QBrush& fill)
{
    QPen p(pen, 1.0);
    p.setJoinStyle(Qt::MiterJoin);
    p.setCapStyle(Qt::SquareCap);
    setPen(p);
    setBrush(fill);
}

void SpritePainter::Pin(QPoint from, QPoint to, const QColor& colour)
{
    FillCells(std::min(from.x(), to.x()), std::min(from.y(), to.y()), std::max(from.x(), to.x()),
              std::max(from.y(), to.y()), colour);
}

void SpritePainter::FillCells(int left, int top, int right, int bottom, const QColor& colour)
{
    // Filled cells ignore the scale and the half-pixel shift of the strokes.
    save();
    resetTransform();
    fillRect(Cells(left, top, right, bottom), colour);
    restore();
}

void SpritePainter::PixelCircle(int x1, int y1, int x2, int y2, const QColor& outline, const QColor& fill)
{
    if (x2 <= x1 || y2 <= y1) return;
    // The device box and outline of the canvas's ellipse at this scale.
    const QRect box = Cells(x1, y1, x2 - 1, y2 - 1);
    const int64_t thickness = std::max<int64_t>(1, std::llround(scale_));
    save();
    resetTransform();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const TEllipseRowParts row =
            EllipseRowParts(box.left(), box.top(), int64_t{box.right()} + 1, int64_t{box.bottom()} + 1, y, thickness);
        const auto span = [&](const TPixelSpan& s, const QColor& c) {
            if (!s.Empty())
                fillRect(QRect(static_cast<int>(s.Left), y, static_cast<int>(s.Right - s.Left + 1), 1), c);
        };
        span(row.LeftOutline, outline);
        span(row.Inside, fill);
        span(row.RightOutline, outline);
    }
    restore();
}

void SpritePainter::Label(QPointF centre, const QString& text, int pixelSize, bool overbar, const QColor& colour)
{
    // Text is set in device pixels, in a font scaled to match, so that its glyphs are hinted at the
    // size they are seen.
    const QFont font = LabelFont(std::max(1, static_cast<int>(std::lround(pixelSize * scale_))));
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    // The centre in the device's pixel-centre coordinates.
    const QPointF device((centre.x() + 0.5) * scale_ - 0.5, (centre.y() + 0.5) * scale_ - 0.5);
    // The ink of the glyphs, not the line box, is what gets centred.
    const QPointF origin(std::round(device.x() - ink.width() / 2 - ink.left()),
                         std::round(device.y() - ink.height() / 2 - ink.top()));
    save();
    resetTransform();
    setFont(font);
    setPen(colour);
    drawText(origin, text);
    if (overbar) {
        const int thickness = std::max(1, static_cast<int>(std::lround(scale_)));
        const int gap = static_cast<int>(std::lround(2 * scale_));
        const int y = static_cast<int>(std::round(origin.y() + ink.top())) - gap - thickness + 1;
        const int left = static_cast<int>(std::round(origin.x() + ink.left()));
        fillRect(QRect(left, y, static_cast<int>(std::round(ink.width())), thickness), colour);
    }
    restore();
}

QFont LabelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void SlideToggle(SpritePainter& p, const QRectF& track, double knob, bool lit)
{
    const double r = track.height() / 2;
    p.Outline(Ink, lit ? QColor(30, 170, 30) : QColor(120, 120, 120));
    p.drawRoundedRect(track, r, r);
    const double x = track.left() + r + knob * (track.width() - 2 * r);
    p.Outline(Ink, Paper);
    p.drawEllipse(QPointF(x, track.center().y()), r - 1, r - 1);
}
