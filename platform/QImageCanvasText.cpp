// The text and the sprites of the image canvas.
#include "QImageCanvas.h"

#include "CanvasPixels.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

const QFont& QImageCanvas::Font()
{
    if (!font_) font_ = PointSizedFont(fontFace_, fontSize_);
    return *font_;
}

const QFont& QImageCanvas::DrawingFont()
{
    if (unit_) return Font();
    if (!drawingFont_) {
        QFont font = Font();
        // An even pixel size keeps the half-width glyphs exactly half as wide as the full-width
        // ones; rounding down keeps the text inside the box its metrics at 100 % give it.
        const double pixels = font.pixelSize() * scale_;
        font.setPixelSize(std::max(2, static_cast<int>(std::min(pixels, 8192.0) / 2) * 2));
        drawingFont_ = font;
    }
    return *drawingFont_;
}

void QImageCanvas::SetFont(const std::string& face, int size)
{
    if (font_ && face == fontFace_ && size == fontSize_) return;
    fontFace_ = face;
    fontSize_ = size;
    font_.reset();
    drawingFont_.reset();
}

void QImageCanvas::TextOut(int x, int y, const std::string& text)
{
    if (area_.isEmpty() || text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(Font());
    const QRect box = DeviceRect({x, y, SatAdd(x, metrics.horizontalAdvance(s)), SatAdd(y, metrics.height())});
    const QPoint origin = ToQRect(DevX(x), DevY(y), DevX(x) + 1, DevY(y) + 1).topLeft();
    QPainter painter(&image_);
    painter.setClipRect(area_);
    if (brushStyle_ == TBrushStyle::Solid) painter.fillRect(box, QColor(ToRgb(brush_)));
    painter.setFont(DrawingFont());
    painter.setPen(QColor(ToRgb(fontColor_)));
    painter.drawText(origin.x(), origin.y() + QFontMetrics(DrawingFont()).ascent(), s);
}

int QImageCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(Font()).horizontalAdvance(QString::fromStdString(text));
}

int QImageCanvas::TextHeight(const std::string&) { return QFontMetrics(Font()).height(); }

namespace {

// x × a / 255 in each byte, rounded as the raster painter rounds it.
inline uint32_t ByteMul(uint32_t x, uint32_t a)
{
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

// Sprites kept as runs: more than this many different images and the runs are made afresh.
constexpr size_t KeptSpriteRuns = 4096;

}  // namespace

const QImageCanvas::TSpriteRuns& QImageCanvas::RunsOf(const QImage& sprite)
{
    if (spriteRuns_.size() > KeptSpriteRuns) spriteRuns_.clear();
    auto [it, added] = spriteRuns_.try_emplace(sprite.cacheKey());
    TSpriteRuns& runs = it->second;
    if (!added) return runs;
    for (int y = 0; y < sprite.height(); ++y) {
        runs.RowStart.push_back(static_cast<uint32_t>(runs.Runs.size()));
        const auto* line = reinterpret_cast<const QRgb*>(sprite.constScanLine(y));
        for (int x = 0; x < sprite.width();) {
            const uint32_t alpha = qAlpha(line[x]);
            int end = x + 1;
            if (alpha == 0) {
                while (end < sprite.width() && qAlpha(line[end]) == 0) ++end;
            } else {
                const bool opaque = alpha == 255;
                while (end < sprite.width() && qAlpha(line[end]) != 0 && (qAlpha(line[end]) == 255) == opaque) ++end;
                runs.Runs.push_back({x, end, opaque});
            }
            x = end;
        }
    }
    runs.RowStart.push_back(static_cast<uint32_t>(runs.Runs.size()));
    return runs;
}

void QImageCanvas::DrawSprite(TSpriteList list, int index, int x, int y)
{
    if (!sprites_ || area_.isEmpty()) return;
    const int64_t left = DevX(x), top = DevY(y);
    if (left > area_.right() || top > area_.bottom()) return;
    const QImage* source = sprites_->Sprite(list, index, scale_);
    if (!source || left + source->width() <= area_.left() || top + source->height() <= area_.top()) return;
    const QImage* sprite = &rimmed_.Of(*source);
    if (sprite->format() != QImage::Format_ARGB32_Premultiplied) {
        QPainter painter(&image_);
        painter.setClipRect(area_);
        painter.drawImage(QPoint(static_cast<int>(left), static_cast<int>(top)), *sprite);
        return;
    }
    // Boards draw thousands of sprites: blended here, source over, exactly as a painter would, but
    // without setting one up for each, and skipping the transparent pixels.
    PrepareWrite();
    const TSpriteRuns& runs = RunsOf(*sprite);
    const int64_t from = std::max<int64_t>(left, area_.left()) - left;
    const int64_t to = std::min<int64_t>(left + sprite->width(), int64_t{area_.right()} + 1) - left;
    const int y0 = static_cast<int>(std::max<int64_t>(top, area_.top()) - top);
    const int y1 = static_cast<int>(std::min<int64_t>(top + sprite->height(), int64_t{area_.bottom()} + 1) - top);
    for (int sy = y0; sy < y1; ++sy) {
        const auto* source = reinterpret_cast<const QRgb*>(sprite->constScanLine(sy));
        QRgb* line = Row(top + sy);
        for (uint32_t r = runs.RowStart[static_cast<size_t>(sy)]; r < runs.RowStart[static_cast<size_t>(sy) + 1]; ++r) {
            const TSpriteRun& run = runs.Runs[r];
            const int64_t a = std::max<int64_t>(run.From, from), b = std::min<int64_t>(run.To, to);
            if (a >= b) continue;
            if (run.Opaque) {
                std::copy(source + a, source + b, line + (left + a));
                continue;
            }
            for (int64_t sx = a; sx < b; ++sx) {
                QRgb& target = line[left + sx];
                target = source[sx] + ByteMul(target, 255 - qAlpha(source[sx]));
            }
        }
    }
}
