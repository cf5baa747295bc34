#include "QImageCanvas.h"

#include "CanvasPixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Larger surfaces are refused: sizes can come from a circuit file's absurd coordinates.
constexpr int MaxSide = 16384;
constexpr double MinScale = 1.0 / 64, MaxScale = 32;

}  // namespace

QImageCanvas::QImageCanvas(int width, int height, const SpriteSource* sprites) : sprites_(sprites)
{
    Resize(width, height);
}

void QImageCanvas::Resize(int width, int height)
{
    image_ = QImage(std::clamp(width, 0, MaxSide), std::clamp(height, 0, MaxSide), QImage::Format_RGB32);
    image_.fill(Qt::white);
    clip_.reset();
    fillMarks_.clear();
    UpdateArea();
}

TColor QImageCanvas::PixelAt(int x, int y) const
{
    return image_.valid(x, y) ? FromRgb(image_.pixel(x, y)) : clBlack;
}

void QImageCanvas::SetView(double scale, TPoint offset)
{
    scale_ = std::isfinite(scale) && scale > 0 ? std::clamp(scale, MinScale, MaxScale) : 1.0;
    unit_ = scale_ == 1.0;
    offset_ = offset;
    drawingFont_.reset();
    UpdateArea();
}

int64_t QImageCanvas::DevX(int64_t x) const
{
    if (unit_) return x - offset_.x;
    return static_cast<int64_t>(std::floor(static_cast<double>(x) * scale_)) - offset_.x;
}

int64_t QImageCanvas::DevY(int64_t y) const
{
    if (unit_) return y - offset_.y;
    return static_cast<int64_t>(std::floor(static_cast<double>(y) * scale_)) - offset_.y;
}

QImageCanvas::TSpan QImageCanvas::Cols(int64_t a, int64_t b) const
{
    if (b < a) return {};
    if (unit_) return {a - offset_.x, b - offset_.x};
    const int64_t last = DevX(b);
    return {DevX(a), std::max(DevX(b + 1) - 1, last)};
}

QImageCanvas::TSpan QImageCanvas::Rows(int64_t a, int64_t b) const
{
    if (b < a) return {};
    if (unit_) return {a - offset_.y, b - offset_.y};
    const int64_t last = DevY(b);
    return {DevY(a), std::max(DevY(b + 1) - 1, last)};
}

int64_t QImageCanvas::PenWidth() const { return unit_ ? 1 : std::max<int64_t>(1, std::llround(scale_)); }

QRect QImageCanvas::DeviceRect(const TRect& board) const
{
    if (board.Right <= board.Left || board.Bottom <= board.Top) return {};
    const TSpan cols = Cols(board.Left, int64_t{board.Right} - 1);
    const TSpan rows = Rows(board.Top, int64_t{board.Bottom} - 1);
    return ToQRect(cols.From, rows.From, cols.To + 1, rows.To + 1);
}

TRect QImageCanvas::BoardRectFor(const QRect& device) const
{
    if (device.isEmpty()) return {};
    // The board pixels whose device pixels meet d0 .. d1 - 1: a guess from the scale, then made exact
    // (below 100 % several board pixels may share a device pixel).
    const auto range = [this](int64_t d0, int64_t d1, int32_t offset, bool horizontal) {
        const auto dev = [&](int64_t b) { return horizontal ? DevX(b) : DevY(b); };
        const auto devEnd = [&](int64_t b) { return std::max(dev(b + 1), dev(b) + 1); };
        int64_t first = static_cast<int64_t>(std::floor(static_cast<double>(d0 + offset) / scale_));
        while (devEnd(first - 1) > d0) --first;
        while (devEnd(first) <= d0) ++first;
        int64_t end = static_cast<int64_t>(std::ceil(static_cast<double>(d1 + offset) / scale_));
        while (dev(end) < d1) ++end;
        while (dev(end - 1) >= d1) --end;
        return std::pair{SaturateInt32(first), SaturateInt32(end)};
    };
    const auto [left, right] = range(device.left(), int64_t{device.right()} + 1, offset_.x, true);
    const auto [top, bottom] = range(device.top(), int64_t{device.bottom()} + 1, offset_.y, false);
    return {left, top, right, bottom};
}

TRect QImageCanvas::BoardArea() const { return BoardRectFor(image_.rect()); }

std::vector<QRect> QImageCanvas::Scroll(int dx, int dy)
{
    const TPoint before = offset_;
    offset_ = {SatAdd(offset_.x, dx), SatAdd(offset_.y, dy)};
    const int64_t sx = int64_t{offset_.x} - before.x, sy = int64_t{offset_.y} - before.y;
    UpdateArea();
    const int width = image_.width(), height = image_.height();
    if (sx == 0 && sy == 0) return {};
    if (std::abs(sx) >= width || std::abs(sy) >= height) return {image_.rect()};
    const int shiftX = static_cast<int>(sx), shiftY = static_cast<int>(sy);
    const int kept = width - std::abs(shiftX);
    const auto moveRow = [&](int y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(image_.constScanLine(y + shiftY)) + std::max(shiftX, 0);
        QRgb* to = reinterpret_cast<QRgb*>(image_.scanLine(y)) + std::max(-shiftX, 0);
        std::memmove(to, from, static_cast<size_t>(kept) * sizeof(QRgb));
    };
    // Rows are moved in the order that reads every source row before it is overwritten.
    if (shiftY >= 0) {
        for (int y = 0; y < height - shiftY; ++y) moveRow(y);
    } else {
        for (int y = height - 1; y >= -shiftY; --y) moveRow(y);
    }
    std::vector<QRect> exposed;
    const int keptTop = std::max(-shiftY, 0), keptBottom = height - std::max(shiftY, 0);
    if (shiftY > 0) exposed.emplace_back(0, keptBottom, width, shiftY);
    if (shiftY < 0) exposed.emplace_back(0, 0, width, -shiftY);
    if (shiftX > 0) exposed.emplace_back(kept, keptTop, shiftX, keptBottom - keptTop);
    if (shiftX < 0) exposed.emplace_back(0, keptTop, -shiftX, keptBottom - keptTop);
    return exposed;
}

void QImageCanvas::Confine(const QRect& device)
{
    confined_ = device;
    UpdateArea();
}

void QImageCanvas::Unconfine()
{
    confined_.reset();
    UpdateArea();
}

void QImageCanvas::UpdateArea()
{
    area_ = image_.rect();
    if (clip_) area_ &= DeviceRect(*clip_);
    if (confined_) area_ &= *confined_;
}

void QImageCanvas::ClipTo(const TRect& r)
{
    clip_ = r;
    UpdateArea();
}

void QImageCanvas::Unclip()
{
    clip_.reset();
    UpdateArea();
}

void QImageCanvas::Plot(int64_t x, int64_t y, TColor color, TPenMode mode)
{
    if (x < area_.left() || x > area_.right() || y < area_.top() || y > area_.bottom()) return;
    QRgb* pixel = Row(y) + x;
    *pixel = mode == TPenMode::Xor ? (*pixel ^ (ToRgb(color) & RGB_MASK)) : ToRgb(color);
}

void QImageCanvas::PrepareWrite()
{
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
}

void QImageCanvas::PlotRow(int64_t x1, int64_t x2, int64_t y, TColor color, TPenMode mode)
{
    if (y < area_.top() || y > area_.bottom()) return;
    const int64_t from = std::max<int64_t>(x1, area_.left());
    const int64_t to = std::min<int64_t>(x2, area_.right());
    if (from > to) return;
    QRgb* line = Row(y);
    if (mode == TPenMode::Xor) {
        const QRgb flip = ToRgb(color) & RGB_MASK;
        for (int64_t x = from; x <= to; ++x) line[x] ^= flip;
    } else {
        std::fill(line + from, line + to + 1, ToRgb(color));
    }
}

void QImageCanvas::PlotBlock(const TSpan& cols, const TSpan& rows, TColor color, TPenMode mode)
{
    const int64_t from = std::max<int64_t>(rows.From, area_.top());
    const int64_t to = std::min<int64_t>(rows.To, area_.bottom());
    for (int64_t y = from; y <= to; ++y) PlotRow(cols.From, cols.To, y, color, mode);
}

void QImageCanvas::SetPixel(int x, int y, TColor color)
{
    PrepareWrite();
    if (unit_) Plot(int64_t{x} - offset_.x, int64_t{y} - offset_.y, color, TPenMode::Copy);
    else PlotBlock(Cols(x, x), Rows(y, y), color, TPenMode::Copy);
}

void QImageCanvas::FillRect(const TRect& r)
{
    if (brushStyle_ == TBrushStyle::Clear || r.Right <= r.Left || r.Bottom <= r.Top) return;
    PrepareWrite();
    PlotBlock(Cols(r.Left, int64_t{r.Right} - 1), Rows(r.Top, int64_t{r.Bottom} - 1), brush_, TPenMode::Copy);
}

void QImageCanvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    const auto* from = dynamic_cast<const QImageCanvas*>(&source);
    if (!from || area_.isEmpty()) return;
    QRect target = DeviceRect(dest);
    const QRect origin = from->DeviceRect(sourceRect);
    if (target.isEmpty() || origin.isEmpty()) return;
    const bool sameSize = int64_t{dest.Right} - dest.Left == int64_t{sourceRect.Right} - sourceRect.Left &&
                          int64_t{dest.Bottom} - dest.Top == int64_t{sourceRect.Bottom} - sourceRect.Top;
    // Rounding may give the two a device pixel more or less; equal views copy without stretching.
    if (sameSize && from->scale_ == scale_) target.setSize(origin.size());
    if (!target.intersects(area_)) return;
    // A copy within one image goes through a snapshot of the source pixels.
    const QImage pixels = from->image_.copy(origin);
    QPainter painter(&image_);
    painter.setClipRect(area_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, pixels);
}
