#pragma once

#include <bit>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a truth table holds at a row.
enum class TLogicValue : uint8_t { Zero, One, DontCare };

// A Boolean function of up to sixteen inputs as its truth table. Input 0 is the first column of the table and the most
// significant bit of the row number: with inputs A B C, row = A·4 + B·2 + C.
class TBoolFunction {
public:
    static constexpr int MaxInputs = 16;

    // Every row zero. Throws std::invalid_argument for a count outside 0 .. MaxInputs.
    explicit TBoolFunction(int inputs);
    // The rows listed one or don't care, the others zero, as a textbook writes Σm(…) + d(…). Throws
    // std::invalid_argument for a row past the table or one listed both ways.
    static TBoolFunction FromRows(int inputs, const std::vector<uint32_t>& ones,
                                  const std::vector<uint32_t>& dontCares = {});

    int Inputs() const { return inputs_; }
    uint32_t Rows() const { return static_cast<uint32_t>(values_.size()); }
    // Both throw std::out_of_range for a row past the table.
    TLogicValue At(uint32_t row) const { return values_.at(row); }
    void Set(uint32_t row, TLogicValue value) { values_.at(row) = value; }
    const std::vector<TLogicValue>& Values() const { return values_; }
    // Ones and zeros swapped, don't-cares kept: the function whose sum of products is this one's product of sums.
    TBoolFunction Complement() const;

    bool operator==(const TBoolFunction&) const = default;

private:
    int inputs_;
    std::vector<TLogicValue> values_;
};

// A product of literals over the bits of a row number: it covers the rows whose bits under Care equal Value. Bit
// inputs - 1 - i stands for input i, as in a row number; Value has no bit outside Care.
struct TCube {
    uint32_t Care = 0;
    uint32_t Value = 0;

    bool Covers(uint32_t row) const { return (row & Care) == Value; }
    bool Contains(const TCube& other) const { return (other.Care & Care) == Care && (other.Value & Care) == Value; }
    int Literals() const { return std::popcount(Care); }
    auto operator<=>(const TCube&) const = default;
};

// The textbook's implicant notation, one character an input in input order: 1 and 0 for a cared value, - for a free
// input ("1-0" is A·/C of three inputs). CubeOf throws std::invalid_argument for any other character.
TCube CubeOf(std::string_view pattern);
std::string CubePattern(const TCube& cube, int inputs);
