#pragma once

#include "Lists.h"
#include "Tanshi.h"

inline int32_t HighIf(bool condition) { return condition ? LevelHigh : LevelLow; }

// The 4-bit code on terminals first .. first + 3, weights 1, 2, 4, 8; only a level of exactly 5
// counts as a one.
inline int BinaryCode(const TTanshiList& tanshis, int first)
{
    int code = 0;
    for (int bit = 0; bit < 4; ++bit)
        if (tanshis.Items(first + bit)->Level == LevelHigh) code |= 1 << bit;
    return code;
}
