#include "SpriteKit.h"

#include "PixelShapes.h"

#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QImage NewSprite(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
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

SpritePainter::SpritePainter(QImage* image) : QPainter(image)
{
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    translate(0.5, 0.5);
    Outline(Ink);
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
    const int left = std::min(from.x(), to.x()), top = std::min(from.y(), to.y());
    const int width = std::abs(from.x() - to.x()) + 1, height = std::abs(from.y() - to.y()) + 1;
    // Filled cells ignore the half-pixel shift of the strokes.
    fillRect(QRectF(left - 0.5, top - 0.5, width, height), colour);
}

void SpritePainter::PixelCircle(int x1, int y1, int x2, int y2, const QColor& outline, const QColor& fill)
{
    for (int y = y1; y < y2; ++y) {
        const TEllipseRowParts row = EllipseRowParts(x1, y1, x2, y2, y);
        const auto span = [&](const TPixelSpan& s, const QColor& c) {
            if (!s.Empty()) fillRect(QRectF(s.Left - 0.5, y - 0.5, s.Right - s.Left + 1, 1), c);
        };
        span(row.LeftOutline, outline);
        span(row.Inside, fill);
        span(row.RightOutline, outline);
    }
}

void SpritePainter::Label(QPointF centre, const QString& text, int pixelSize, bool overbar, const QColor& colour)
{
    const QFont font = LabelFont(pixelSize);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    // The ink of the glyphs, not the line box, is what gets centred.
    const QPointF origin(std::round(centre.x() - ink.width() / 2 - ink.left()),
                         std::round(centre.y() - ink.height() / 2 - ink.top()));
    save();
    setFont(font);
    setPen(colour);
    drawText(origin - QPointF(0.5, 0.5), text);
    if (overbar) {
        const double y = std::round(origin.y() + ink.top()) - 2.0;
        const double left = std::round(origin.x() + ink.left());
        fillRect(QRectF(left - 0.5, y - 0.5, std::round(ink.width()), 1), colour);
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
