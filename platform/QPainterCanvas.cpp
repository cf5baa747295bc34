#include "QPainterCanvas.h"

#include "Fonts.h"
#include "QImageCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

QColor ToQColor(TColor c) { return QColor(c.R, c.G, c.B); }

QRectF ToQRectF(const TRect& r) { return QRectF(r.Left, r.Top, double(r.Right) - r.Left, double(r.Bottom) - r.Top); }

// The outline of a figure whose one-unit pen covers the pixels x1 .. x2 - 1: through their middles.
QRectF OutlineOf(int x1, int y1, int x2, int y2)
{
    return QRectF(x1 + 0.5, y1 + 0.5, double(x2) - x1 - 1, double(y2) - y1 - 1);
}

// A stroke of a drawing: dark and without colour, as outlines are; a dim lamp is dark but red.
bool Stroke(QRgb pixel)
{
    const int most = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int least = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return most < 100 && most - least < 40;
}

// A sprite in printer ink: its strokes black, and black around the edge of its shape, so that a
// dark lamp prints as an outlined disc; every other pixel of the shape white. A solid one is black.
QImage PrinterSprite(const QImage& sprite, bool solid)
{
    const QImage image = sprite.convertToFormat(QImage::Format_ARGB32);
    QImage ink(image.size(), QImage::Format_ARGB32);
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) > 127;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool edge = !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
            const bool black = solid || Stroke(pixel) || edge;
            ink.setPixel(x, y, qRgba(black ? 0 : 255, black ? 0 : 255, black ? 0 : 255, qAlpha(pixel)));
        }
    return ink;
}

// A display's image in printer ink: every segment or dot black, lit or not, on white in a black frame.
QImage PrinterDisplay(const QImage& display)
{
    QImage ink(display.size(), QImage::Format_RGB32);
    for (int y = 0; y < display.height(); ++y)
        for (int x = 0; x < display.width(); ++x) {
            const bool frame = x == 0 || y == 0 || x == display.width() - 1 || y == display.height() - 1;
            const bool segment =
                std::max({qRed(display.pixel(x, y)), qGreen(display.pixel(x, y)), qBlue(display.pixel(x, y))}) >= 48;
            ink.setPixel(x, y, frame || segment ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return ink;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, const TRect& area, const SpriteSource* sprites, TInk ink)
    : painter_(painter), area_(area), sprites_(sprites), ink_(ink)
{
    painter_.setClipRect(ToQRectF(area_));
}

QColor QPainterCanvas::Line(TColor color) const
{
    if (ink_ == TInk::Colour) return ToQColor(color);
    return color == clBtnFace || color == clWhite ? Qt::white : Qt::black;
}

QColor QPainterCanvas::Fill(TColor color) const
{
    if (ink_ == TInk::Colour) return ToQColor(color);
    // Paper keeps a dark fill black, so that a junction dot or a grip stays solid; a light one is the paper.
    return qGray(color.R, color.G, color.B) < 128 ? Qt::black : Qt::white;
}

QPen QPainterCanvas::Pen() const
{
    QPen pen(Line(pen_), 1.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void QPainterCanvas::SetFont(const std::string& face, int size)
{
    if (font_ && face == fontFace_ && size == fontSize_) return;
    fontFace_ = face;
    fontSize_ = size;
    font_.reset();
}

const QFont& QPainterCanvas::Font()
{
    if (!font_) {
        // Named by the face it resolves to, which other programs reading the picture may have.
        QFont font = PointSizedFont(fontFace_, fontSize_);
        font.setFamily(QFontInfo(font).family());
        font_ = font;
    }
    return *font_;
}

void QPainterCanvas::FillRect(const TRect& r)
{
    if (brushStyle_ == TBrushStyle::Clear || r.Right <= r.Left || r.Bottom <= r.Top) return;
    painter_.fillRect(ToQRectF(r), Fill(brush_));
}

void QPainterCanvas::SetPixel(int x, int y, TColor color)
{
    // A board's only single pixels are its grid dots, which paper does without.
    if (ink_ == TInk::Colour) painter_.fillRect(QRectF(x, y, 1, 1), ToQColor(color));
}

void QPainterCanvas::LineTo(int x, int y)
{
    painter_.setPen(Pen());
    painter_.drawLine(QPointF(position_.x + 0.5, position_.y + 0.5), QPointF(x + 0.5, y + 0.5));
    position_ = {x, y};
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    painter_.setPen(Pen());
    painter_.setBrush(brushStyle_ == TBrushStyle::Solid ? QBrush(Fill(brush_)) : QBrush(Qt::NoBrush));
    painter_.drawRect(OutlineOf(x1, y1, x2, y2));
}

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    painter_.setPen(Pen());
    painter_.setBrush(brushStyle_ == TBrushStyle::Solid ? QBrush(Fill(brush_)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(OutlineOf(x1, y1, x2, y2));
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text)
{
    if (text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(Font());
    if (brushStyle_ == TBrushStyle::Solid)
        painter_.fillRect(QRectF(x, y, metrics.horizontalAdvance(s), metrics.height()), Fill(brush_));
    painter_.setFont(Font());
    painter_.setPen(Line(fontColor_));
    painter_.drawText(QPointF(x, y + metrics.ascent()), s);
}

int QPainterCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(Font()).horizontalAdvance(QString::fromStdString(text));
}

int QPainterCanvas::TextHeight(const std::string&) { return QFontMetrics(Font()).height(); }

void QPainterCanvas::ClipTo(const TRect& r) { painter_.setClipRect(ToQRectF(r).intersected(ToQRectF(area_))); }

void QPainterCanvas::Unclip() { painter_.setClipRect(ToQRectF(area_)); }

void QPainterCanvas::DrawSprite(TSpriteList list, int index, int x, int y)
{
    const QImage* sprite = sprites_ ? sprites_->Sprite(list, index, SpriteScale) : nullptr;
    if (!sprite) return;
    // On paper a junction dot stays solid, and so does a lit lamp (the odd images of the lamps), so
    // that a lit lamp is told from a dark one without colour.
    const bool solid = list == TSpriteList::Dot || (list == TSpriteList::LED && index % 2 == 1);
    painter_.drawImage(QRectF(x, y, sprite->width() / SpriteScale, sprite->height() / SpriteScale),
                       ink_ == TInk::Colour ? rimmed_.Of(*sprite) : PrinterInkOf(*sprite, solid));
}

const QImage& QPainterCanvas::PrinterInkOf(const QImage& sprite, bool solid)
{
    auto [kept, added] = printerSprites_.try_emplace(sprite.cacheKey());
    if (added) kept->second = PrinterSprite(sprite, solid);
    return kept->second;
}

void QPainterCanvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    const auto* raster = dynamic_cast<const QImageCanvas*>(&source);
    if (!raster) return;
    const QRect from = raster->DeviceRect(sourceRect);
    if (ink_ == TInk::Colour) painter_.drawImage(ToQRectF(dest), raster->Image(), QRectF(from));
    else painter_.drawImage(ToQRectF(dest), PrinterDisplay(raster->Image().copy(from)));
}
