#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Row r of a table of n inputs sets input i to bit n − 1 − i of r: the first input is the most significant, so
// the rows count up in binary as the inputs read from left to right.
constexpr uint64_t InputMask(size_t inputs, size_t input) { return uint64_t{1} << (inputs - 1 - input); }
constexpr bool RowBit(uint64_t row, size_t inputs, size_t input) { return (row & InputMask(inputs, input)) != 0; }

// The row's inputs as '0' and '1', the first input first, each followed by after.
inline std::string RowBits(uint64_t row, size_t inputs, std::string_view after = {})
{
    std::string bits;
    bits.reserve(inputs * (1 + after.size()));
    for (size_t i = 0; i < inputs; ++i) {
        bits += RowBit(row, inputs, i) ? '1' : '0';
        bits += after;
    }
    return bits;
}
