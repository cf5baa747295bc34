#include "PixelShapes.h"

#include <algorithm>
#include <cmath>

TPixelSpan EllipseRow(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t y)
{
    const int64_t w = x2 - x1;
    const int64_t h = y2 - y1;
    if (w <= 0 || h <= 0 || y < y1 || y >= y2) return {};
    // Pixel centres of the box run from 0 to w − 1; the ellipse reaches half a pixel beyond them.
    const double cx = (static_cast<double>(w) - 1) / 2;
    const double cy = (static_cast<double>(h) - 1) / 2;
    const double a = static_cast<double>(w) / 2;
    const double b = static_cast<double>(h) / 2;
    const double t = (static_cast<double>(y - y1) - cy) / b;
    const double half = a * std::sqrt(std::max(0.0, 1 - t * t));
    const int64_t left = std::clamp(static_cast<int64_t>(std::ceil(cx - half - 1e-9)), int64_t{0}, w - 1);
    // Mirrored so that the shape is symmetric whatever the rounding did.
    return {x1 + left, x1 + (w - 1 - left)};
}

TEllipseRowParts EllipseRowParts(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t y, int64_t thickness)
{
    const TPixelSpan row = EllipseRow(x1, y1, x2, y2, y);
    if (row.Empty()) return {};
    // Rows are nested intervals, so the narrowest of the rows within reach decides where the inside
    // begins.
    int64_t insideLeft = row.Left + thickness, insideRight = row.Right - thickness;
    for (int64_t k = 1; k <= thickness; ++k) {
        for (const int64_t near : {y - k, y + k}) {
            const TPixelSpan other = EllipseRow(x1, y1, x2, y2, near);
            if (other.Empty()) return {row, {}, {}};
            insideLeft = std::max(insideLeft, other.Left);
            insideRight = std::min(insideRight, other.Right);
        }
    }
    if (insideLeft > insideRight) return {row, {}, {}};
    return {{row.Left, insideLeft - 1}, {insideLeft, insideRight}, {insideRight + 1, row.Right}};
}
