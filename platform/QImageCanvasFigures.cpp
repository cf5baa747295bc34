// The figures of the image canvas: lines, rectangles, ellipses and the flood fill.
#include "QImageCanvas.h"

#include "CanvasPixels.h"
#include "PixelShapes.h"

#include <algorithm>
#include <cmath>

namespace {

// Lines longer than this are first cut to the drawable area, so that absurd coordinates cost nothing.
constexpr int64_t LongLine = 4096;

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

constexpr int64_t SmallEllipse = 256;

}  // namespace

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
