#include "QImageCanvas.h"

#include "Fonts.h"
#include "PixelShapes.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Larger surfaces are refused: sizes can come from a circuit file's absurd coordinates.
constexpr int MaxSide = 16384;
// Lines longer than this are first cut to the drawable area, so that absurd coordinates cost nothing.
constexpr int64_t LongLine = 4096;

QRgb ToRgb(TColor c) { return qRgb(c.R, c.G, c.B); }

TColor FromRgb(QRgb p)
{
    return {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))};
}

// The rectangle of the classic form (right and bottom excluded) as a QRect, or an empty one when it
// is inverted or too large for Qt's integers.
QRect ToQRect(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    if (right <= left || bottom <= top) return {};
    constexpr int64_t lo = -(int64_t{1} << 28), hi = int64_t{1} << 28;
    const auto clamp = [&](int64_t v) { return static_cast<int>(std::clamp(v, lo, hi)); };
    return QRect(QPoint(clamp(left), clamp(top)), QPoint(clamp(right) - 1, clamp(bottom) - 1));
}

// Liang–Barsky: cuts the segment to the box; false when nothing of it lies inside.
bool CutLine(double& x0, double& y0, double& x1, double& y1, const QRect& box)
{
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left(), box.right() - x0, y0 - box.top(), box.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double sx = x0, sy = y0;
    x0 = sx + t0 * dx;
    y0 = sy + t0 * dy;
    x1 = sx + t1 * dx;
    y1 = sy + t1 * dy;
    return true;
}

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

void QImageCanvas::UpdateArea()
{
    area_ = image_.rect();
    if (clip_) area_ &= ToQRect(clip_->Left, clip_->Top, clip_->Right, clip_->Bottom);
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
    auto* pixel = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y))) + x;
    *pixel = mode == TPenMode::Xor ? (*pixel ^ (ToRgb(color) & RGB_MASK)) : ToRgb(color);
}

void QImageCanvas::PlotRow(int64_t x1, int64_t x2, int64_t y, TColor color, TPenMode mode)
{
    if (y < area_.top() || y > area_.bottom()) return;
    const int64_t from = std::max<int64_t>(x1, area_.left());
    const int64_t to = std::min<int64_t>(x2, area_.right());
    if (from > to) return;
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)));
    if (mode == TPenMode::Xor) {
        const QRgb flip = ToRgb(color) & RGB_MASK;
        for (int64_t x = from; x <= to; ++x) line[x] ^= flip;
    } else {
        std::fill(line + from, line + to + 1, ToRgb(color));
    }
}

void QImageCanvas::SetPixel(int x, int y, TColor color) { Plot(x, y, color, TPenMode::Copy); }

void QImageCanvas::FillRect(const TRect& r)
{
    if (brushStyle_ == TBrushStyle::Clear) return;
    const QRect box = ToQRect(r.Left, r.Top, r.Right, r.Bottom) & area_;
    if (box.isEmpty()) return;
    for (int y = box.top(); y <= box.bottom(); ++y) PlotRow(box.left(), box.right(), y, brush_, TPenMode::Copy);
}

void QImageCanvas::LineTo(int x, int y)
{
    Line(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void QImageCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    if (area_.isEmpty()) return;
    const auto plot = [this](int64_t x, int64_t y) { Plot(x, y, pen_, penMode_); };
    if (y0 == y1) {
        if (x0 != x1) PlotRow(x0 < x1 ? x0 : x1 + 1, x0 < x1 ? x1 - 1 : x0, y0, pen_, penMode_);
        return;
    }
    if (x0 == x1) {
        const int64_t from = std::max<int64_t>(y0 < y1 ? y0 : y1 + 1, area_.top());
        const int64_t to = std::min<int64_t>(y0 < y1 ? y1 - 1 : y0, area_.bottom());
        for (int64_t y = from; y <= to; ++y) plot(x0, y);
        return;
    }
    if (std::abs(x1 - x0) <= LongLine && std::abs(y1 - y0) <= LongLine) {
        LinePixels(x0, y0, x1, y1, plot);
        return;
    }
    double fx0 = static_cast<double>(x0), fy0 = static_cast<double>(y0);
    double fx1 = static_cast<double>(x1), fy1 = static_cast<double>(y1);
    if (!CutLine(fx0, fy0, fx1, fy1, area_.adjusted(-1, -1, 1, 1))) return;
    LinePixels(std::llround(fx0), std::llround(fy0), std::llround(fx1), std::llround(fy1), plot);
}

void QImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int64_t left = std::min(x1, x2), right = int64_t{std::max(x1, x2)} - 1;
    const int64_t top = std::min(y1, y2), bottom = int64_t{std::max(y1, y2)} - 1;
    if (left > right || top > bottom) return;
    PlotRow(left, right, top, pen_, penMode_);
    if (bottom == top) return;
    PlotRow(left, right, bottom, pen_, penMode_);
    const int64_t from = std::max<int64_t>(top + 1, area_.top());
    const int64_t to = std::min<int64_t>(bottom - 1, area_.bottom());
    for (int64_t y = from; y <= to; ++y) {
        Plot(left, y, pen_, penMode_);
        if (right != left) Plot(right, y, pen_, penMode_);
        if (brushStyle_ == TBrushStyle::Solid) PlotRow(left + 1, right - 1, y, brush_, penMode_);
    }
}

namespace {

constexpr int64_t SmallEllipse = 256;

}  // namespace

void QImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    const int64_t from = std::max<int64_t>(top, area_.top());
    const int64_t to = std::min<int64_t>(bottom - 1, area_.bottom());
    if (from > to) return;
    // Boards draw many small ellipses of one size (the open-terminal marks): their rows are worked
    // out once.
    const bool small = bottom - top <= SmallEllipse;
    if (small && (ellipse_.Width != right - left || ellipse_.Height != bottom - top)) {
        ellipse_.Width = right - left;
        ellipse_.Height = bottom - top;
        ellipse_.Rows.clear();
        for (int64_t y = 0; y < ellipse_.Height; ++y)
            ellipse_.Rows.push_back(EllipseRowParts(0, 0, ellipse_.Width, ellipse_.Height, y));
    }
    for (int64_t y = from; y <= to; ++y) {
        const TEllipseRowParts row = small ? ellipse_.Rows[static_cast<size_t>(y - top)]
                                           : EllipseRowParts(0, top, right - left, bottom, y);
        PlotRow(left + row.LeftOutline.Left, left + row.LeftOutline.Right, y, pen_, penMode_);
        if (brushStyle_ == TBrushStyle::Solid)
            PlotRow(left + row.Inside.Left, left + row.Inside.Right, y, brush_, penMode_);
        PlotRow(left + row.RightOutline.Left, left + row.RightOutline.Right, y, pen_, penMode_);
    }
}

void QImageCanvas::FloodFill(int x, int y, TColor border)
{
    if (brushStyle_ == TBrushStyle::Clear || !area_.contains(x, y)) return;
    const QRgb wall = ToRgb(border) & RGB_MASK;
    const int width = image_.width();
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(image_.height());
    if (fillMarks_.size() != pixels || ++fillEpoch_ == 0) {
        fillMarks_.assign(pixels, 0);
        fillEpoch_ = 1;
    }
    const auto row = [this](int py) { return reinterpret_cast<QRgb*>(image_.scanLine(py)); };
    const auto mark = [&](int px, int py) -> uint32_t& {
        return fillMarks_[static_cast<size_t>(py) * static_cast<size_t>(width) + static_cast<size_t>(px)];
    };
    const auto fillable = [&](int px, int py) {
        return (row(py)[px] & RGB_MASK) != wall && mark(px, py) != fillEpoch_;
    };
    const QRgb paint = ToRgb(brush_);
    fillStack_.clear();
    fillStack_.push_back({x, y});
    while (!fillStack_.empty()) {
        const TPoint seed = fillStack_.back();
        fillStack_.pop_back();
        if (!fillable(seed.x, seed.y)) continue;
        int left = seed.x, right = seed.x;
        while (left > area_.left() && fillable(left - 1, seed.y)) --left;
        while (right < area_.right() && fillable(right + 1, seed.y)) ++right;
        QRgb* line = row(seed.y);
        for (int px = left; px <= right; ++px) {
            line[px] = paint;
            mark(px, seed.y) = fillEpoch_;
        }
        for (const int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < area_.top() || ny > area_.bottom()) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool open = fillable(px, ny);
                if (open && !inRun) fillStack_.push_back({px, ny});
                inRun = open;
            }
        }
    }
}

const QFont& QImageCanvas::Font()
{
    if (!font_) font_ = PointSizedFont(fontFace_, fontSize_);
    return *font_;
}

void QImageCanvas::SetFont(const std::string& face, int size)
{
    if (font_ && face == fontFace_ && size == fontSize_) return;
    fontFace_ = face;
    fontSize_ = size;
    font_.reset();
}

void QImageCanvas::TextOut(int x, int y, const std::string& text)
{
    if (area_.isEmpty() || text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(Font());
    QPainter painter(&image_);
    painter.setClipRect(area_);
    if (brushStyle_ == TBrushStyle::Solid)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), QColor(ToRgb(brush_)));
    painter.setFont(Font());
    painter.setPen(QColor(ToRgb(fontColor_)));
    painter.drawText(x, y + metrics.ascent(), s);
}

int QImageCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(Font()).horizontalAdvance(QString::fromStdString(text));
}

int QImageCanvas::TextHeight(const std::string&) { return QFontMetrics(Font()).height(); }

void QImageCanvas::DrawSprite(TSpriteList list, int index, int x, int y)
{
    const QImage* sprite = sprites_ ? sprites_->Sprite(list, index) : nullptr;
    if (!sprite || area_.isEmpty()) return;
    QPainter painter(&image_);
    painter.setClipRect(area_);
    painter.drawImage(x, y, *sprite);
}

void QImageCanvas::CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    const auto* from = dynamic_cast<const QImageCanvas*>(&source);
    const QRect target = ToQRect(dest.Left, dest.Top, dest.Right, dest.Bottom);
    const QRect origin = ToQRect(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom);
    if (!from || target.isEmpty() || origin.isEmpty() || area_.isEmpty()) return;
    // A copy within one image goes through a snapshot of the source pixels.
    const QImage pixels = from->image_.copy(origin);
    QPainter painter(&image_);
    painter.setClipRect(area_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, pixels);
}
