#pragma once

#include "Canvas.h"

#include <QRect>
#include <QRgb>

#include <algorithm>
#include <cstdint>

// Conversions between the canvas's colours and rectangles and Qt's.
inline QRgb ToRgb(TColor c) { return qRgb(c.R, c.G, c.B); }

inline TColor FromRgb(QRgb p)
{
    return {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))};
}

// The rectangle of the classic form (right and bottom excluded) as a QRect, or an empty one when it
// is inverted or too large for Qt's integers.
inline QRect ToQRect(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    if (right <= left || bottom <= top) return {};
    constexpr int64_t lo = -(int64_t{1} << 28), hi = int64_t{1} << 28;
    const auto clamp = [&](int64_t v) { return static_cast<int>(std::clamp(v, lo, hi)); };
    return QRect(QPoint(clamp(left), clamp(top)), QPoint(clamp(right) - 1, clamp(bottom) - 1));
}
