#pragma once

#include <array>

// The segments lit for each 4-bit code, as segment digits read one at a time: 0 top, 1 upper left,
// 2 upper right, 3 middle, 4 lower left, 5 lower right, 6 bottom.
inline constexpr std::array<const char*, 16> DigitSegments{
    "012456", "25",     "02346", "02356",   "1235",   "01356", "013456", "025",
    "0123456", "012356", "012345", "13456", "0146",   "23456", "01346",  "0134",
};
