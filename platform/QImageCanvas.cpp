#include "QImageCanvas.h"

#include "Fonts.h"
#include "PixelShapes.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Larger surfaces are refused: sizes can come from a circuit file's absurd coordinates.
constexpr int MaxSide = 16384;
// Lines longer than this are first cut to the drawable area, so that absurd coordinates cost nothing.
constexpr int64_t LongLine = 4096;
constexpr double MinScale = 1.0 / 64, MaxScale = 32;

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

void QImageCanvas::LineTo(int x, int y)
{
    PrepareWrite();
    Line(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void QImageCanvas::Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    if (area_.isEmpty()) return;
    if (y0 == y1) {
        if (x0 != x1) PlotBlock(Cols(x0 < x1 ? x0 : x1 + 1, x0 < x1 ? x1 - 1 : x0), Rows(y0, y0), pen_, penMode_);
        return;
    }
    if (x0 == x1) {
        PlotBlock(Cols(x0, x0), Rows(y0 < y1 ? y0 : y1 + 1, y0 < y1 ? y1 - 1 : y0), pen_, penMode_);
        return;
    }
    if (PenWidth() > 1) {
        ThickLine(x0, y0, x1, y1);
        return;
    }
    const auto plot = [this](int64_t x, int64_t y) { Plot(x, y, pen_, penMode_); };
    const int64_t dx0 = DevX(x0), dy0 = DevY(y0), dx1 = DevX(x1), dy1 = DevY(y1);
    if (dx0 == dx1 && dy0 == dy1) {
        // Below 100 % a short line may start and end in one device pixel.
        plot(dx0, dy0);
        return;
    }
    if (std::abs(dx1 - dx0) <= LongLine && std::abs(dy1 - dy0) <= LongLine) {
        LinePixels(dx0, dy0, dx1, dy1, plot);
        return;
    }
    double fx0 = static_cast<double>(dx0), fy0 = static_cast<double>(dy0);
    double fx1 = static_cast<double>(dx1), fy1 = static_cast<double>(dy1);
    if (!CutLine(fx0, fy0, fx1, fy1, area_.adjusted(-1, -1, 1, 1))) return;
    LinePixels(std::llround(fx0), std::llround(fy0), std::llround(fx1), std::llround(fy1), plot);
}

void QImageCanvas::ThickLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    const int64_t pen = PenWidth();
    const TSpan endCols = Cols(x1, x1), endRows = Rows(y1, y1);
    int64_t ax = DevX(x0), ay = DevY(y0), bx = DevX(x1), by = DevY(y1);
    if (std::abs(bx - ax) > LongLine || std::abs(by - ay) > LongLine) {
        double fx0 = static_cast<double>(ax), fy0 = static_cast<double>(ay);
        double fx1 = static_cast<double>(bx), fy1 = static_cast<double>(by);
        const int reach = static_cast<int>(pen) + 1;
        if (!CutLine(fx0, fy0, fx1, fy1, area_.adjusted(-reach, -reach, 1, 1))) return;
        ax = std::llround(fx0);
        ay = std::llround(fy0);
        bx = std::llround(fx1);
        by = std::llround(fy1);
    }
    // The squares along the path cover one interval of every row, since the path is monotone.
    const int64_t top = std::min(ay, by);
    sweep_.assign(static_cast<size_t>(std::abs(by - ay) + pen), TSpan{INT64_MAX, INT64_MIN});
    const auto stamp = [&](int64_t x, int64_t y) {
        for (int64_t row = y; row < y + pen; ++row) {
            TSpan& s = sweep_[static_cast<size_t>(row - top)];
            s.From = std::min(s.From, x);
            s.To = std::max(s.To, x + pen - 1);
        }
    };
    LinePixels(ax, ay, bx, by, stamp);
    stamp(bx, by);
    const int64_t from = std::max<int64_t>(top, area_.top());
    const int64_t to = std::min<int64_t>(top + static_cast<int64_t>(sweep_.size()) - 1, area_.bottom());
    for (int64_t y = from; y <= to; ++y) {
        const TSpan& s = sweep_[static_cast<size_t>(y - top)];
        if (y < endRows.From || y > endRows.To) {
            PlotRow(s.From, s.To, y, pen_, penMode_);
            continue;
        }
        // The end point's own pixels belong to the next line of a polyline.
        PlotRow(s.From, std::min(s.To, endCols.From - 1), y, pen_, penMode_);
        PlotRow(std::max(s.From, endCols.To + 1), s.To, y, pen_, penMode_);
    }
}

void QImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int64_t left = std::min(x1, x2), right = int64_t{std::max(x1, x2)} - 1;
    const int64_t top = std::min(y1, y2), bottom = int64_t{std::max(y1, y2)} - 1;
    if (left > right || top > bottom) return;
    PrepareWrite();
    const TSpan cols = Cols(left, right), rows = Rows(top, bottom);
    const TSpan leftCols = Cols(left, left), rightCols = Cols(right, right);
    const int64_t topEnd = Rows(top, top).To, bottomStart = Rows(bottom, bottom).From;
    const int64_t from = std::max<int64_t>(rows.From, area_.top());
    const int64_t to = std::min<int64_t>(rows.To, area_.bottom());
    for (int64_t y = from; y <= to; ++y) {
        if (y <= topEnd || y >= bottomStart || leftCols.To + 1 >= rightCols.From) {
            PlotRow(cols.From, cols.To, y, pen_, penMode_);
            continue;
        }
        PlotRow(leftCols.From, leftCols.To, y, pen_, penMode_);
        PlotRow(rightCols.From, rightCols.To, y, pen_, penMode_);
        if (brushStyle_ == TBrushStyle::Solid) PlotRow(leftCols.To + 1, rightCols.From - 1, y, brush_, penMode_);
    }
}

namespace {

constexpr int64_t SmallEllipse = 256;

}  // namespace

void QImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right <= left || bottom <= top) return;
    const TSpan cols = Cols(left, right - 1), rows = Rows(top, bottom - 1);
    const int64_t boxLeft = cols.From, width = cols.To + 1 - cols.From;
    const int64_t boxTop = rows.From, boxBottom = rows.To + 1;
    const int64_t from = std::max<int64_t>(boxTop, area_.top());
    const int64_t to = std::min<int64_t>(boxBottom - 1, area_.bottom());
    if (from > to) return;
    PrepareWrite();
    const int64_t pen = PenWidth();
    // Boards draw many small ellipses of one size (the open-terminal marks): their rows are worked
    // out once.
    const bool small = boxBottom - boxTop <= SmallEllipse;
    if (small && (ellipse_.Width != width || ellipse_.Height != boxBottom - boxTop || ellipse_.Thickness != pen)) {
        ellipse_.Width = width;
        ellipse_.Height = boxBottom - boxTop;
        ellipse_.Thickness = pen;
        ellipse_.Rows.clear();
        for (int64_t y = 0; y < ellipse_.Height; ++y)
            ellipse_.Rows.push_back(EllipseRowParts(0, 0, ellipse_.Width, ellipse_.Height, y, pen));
    }
    for (int64_t y = from; y <= to; ++y) {
        const TEllipseRowParts row = small ? ellipse_.Rows[static_cast<size_t>(y - boxTop)]
                                           : EllipseRowParts(0, boxTop, width, boxBottom, y, pen);
        PlotRow(boxLeft + row.LeftOutline.Left, boxLeft + row.LeftOutline.Right, y, pen_, penMode_);
        if (brushStyle_ == TBrushStyle::Solid)
            PlotRow(boxLeft + row.Inside.Left, boxLeft + row.Inside.Right, y, brush_, penMode_);
        PlotRow(boxLeft + row.RightOutline.Left, boxLeft + row.RightOutline.Right, y, pen_, penMode_);
    }
}

void QImageCanvas::FloodFill(int bx, int by, TColor border)
{
    const int64_t sx = DevX(bx), sy = DevY(by);
    if (brushStyle_ == TBrushStyle::Clear || sx < area_.left() || sx > area_.right() || sy < area_.top() ||
        sy > area_.bottom())
        return;
    const int x = static_cast<int>(sx), y = static_cast<int>(sy);
    const QRgb wall = ToRgb(border) & RGB_MASK;
    const int width = image_.width();
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(image_.height());
    if (fillMarks_.size() != pixels || ++fillEpoch_ == 0) {
        fillMarks_.assign(pixels, 0);
        fillEpoch_ = 1;
    }
    PrepareWrite();
    const auto row = [this](int py) { return Row(py); };
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
    const QImage* sprite = sprites_->Sprite(list, index, scale_);
    if (!sprite || left + sprite->width() <= area_.left() || top + sprite->height() <= area_.top()) return;
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
