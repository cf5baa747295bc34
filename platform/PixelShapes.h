#pragma once

#include <cstdint>

// The pixel rows of the classic device-context shapes, so that the canvas touches every pixel of a
// figure exactly once (which is what makes XOR drawing undo itself).

// The pixels of row y of the ellipse inscribed in the box [x1, x2) × [y1, y2): Left..Right inclusive,
// empty when Left > Right.
struct TPixelSpan {
    int64_t Left = 1;
    int64_t Right = 0;
    bool Empty() const { return Left > Right; }
};
TPixelSpan EllipseRow(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t y);

// Row y of an ellipse split into the outline on the left, the inside and the outline on the right.
// An outline pixel lies within thickness pixels, straight left, right, up or down, of a pixel
// outside the ellipse, so the outline is a closed ring that thick that a 4-connected flood fill
// cannot leak through.
struct TEllipseRowParts {
    TPixelSpan LeftOutline;
    TPixelSpan Inside;
    TPixelSpan RightOutline;
};
TEllipseRowParts EllipseRowParts(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t y, int64_t thickness = 1);

// Calls plot(x, y) for every pixel of the line from (x0, y0) to (x1, y1), the end point left out.
template <class Plot>
void LinePixels(int64_t x0, int64_t y0, int64_t x1, int64_t y1, Plot&& plot)
{
    const int64_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int64_t dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int64_t sx = x0 < x1 ? 1 : -1;
    const int64_t sy = y0 < y1 ? 1 : -1;
    int64_t err = dx - dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const int64_t e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x0 += sx;
        }
        if (e2 < dx) {
            err += dx;
            y0 += sy;
        }
    }
}
