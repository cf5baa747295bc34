#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

struct TPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle by its corners; which edges count as inside is up to the operation using it.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The update rectangle that any union turns into the other operand.
inline constexpr TRect EmptyUpdateRect{10000, 10000, -10000, -10000};

// Two rectangles touch when neither lies wholly beside the other; shared edges count.
inline bool RectsOverlap(const TRect& r1, const TRect& r2)
{
    return r2.Right >= r1.Left && r1.Right >= r2.Left && r2.Bottom >= r1.Top && r1.Bottom >= r2.Top;
}

inline TRect UnionRect(const TRect& a, const TRect& b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// A sum or difference of stored geometry, computed in 64 bits, brought back into a 32-bit field.
inline int32_t SaturateInt32(int64_t v)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// a + b for coordinates drawn from stored geometry, kept within the 32-bit range.
inline int32_t SatAdd(int64_t a, int64_t b) { return SaturateInt32(a + b); }
