#pragma once

#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <optional>
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

// Terms first, literals second: a two-level form is smaller when it has fewer terms, or as many and fewer literals.
struct TCoverCost {
    int Terms = 0;
    int Literals = 0;
    auto operator<=>(const TCoverCost&) const = default;
};
TCoverCost CostOf(const std::vector<TCube>& terms);

// Up to this many inputs the minimal forms are exact; above it they come from the quick heuristic.
inline constexpr int MaxExactInputs = 10;
// How much work the exact search may do, in rows and row-term pairs gone through: a few seconds' worth. Ordinary
// functions need far less; some, such as symmetric functions of many inputs, would take years.
inline constexpr int64_t DefaultEffort = 1'000'000'000;

// A minimal form, and whether it is known to be the smallest: it is not above MaxExactInputs, nor when the search
// ran out of effort and kept the best cover it had found, which is a correct one all the same.
struct TMinimalForm {
    std::vector<TCube> Terms;
    bool Proven = false;
};

// The smallest sum of products, a cube a product, sorted by input order (a complemented literal before a plain one
// before an absent one, input by input). Don't-cares go whichever way makes the sum smaller. The sum of no products is
// the constant 0; a product of no literals is the constant 1.
TMinimalForm MinimizeSumOfProducts(const TBoolFunction& f, int64_t effort = DefaultEffort);
// The smallest product of sums, found as the smallest sum of products of the complement: each cube is the group of
// zeros one sum is 0 on, so the sum holds the complement of each of its literals (the zero group A·/B is the sum
// /A + B). No sums is the constant 1; a sum of no literals the constant 0.
TMinimalForm MinimizeProductOfSums(const TBoolFunction& f, int64_t effort = DefaultEffort);
// Their terms alone.
std::vector<TCube> MinimalSumOfProducts(const TBoolFunction& f);
std::vector<TCube> MinimalProductOfSums(const TBoolFunction& f);
// A sum of prime products found greedily, for any number of inputs: each one not yet covered grows into a prime,
// literal by literal, taking the most uncovered ones each time, and primes the others make unnecessary are dropped.
// Always a correct cover, often but not always the smallest.
std::vector<TCube> QuickSumOfProducts(const TBoolFunction& f);

// The first row a sum of products gets wrong, a one no product covers or a zero one does; none when every row is
// right (a don't-care may go either way).
std::optional<uint32_t> SumOfProductsError(const TBoolFunction& f, const std::vector<TCube>& products);
// The same for a product of sums given as its zero groups, as MinimalProductOfSums gives them.
std::optional<uint32_t> ProductOfSumsError(const TBoolFunction& f, const std::vector<TCube>& sums);

// A literal as a window draws it: the input, and whether it carries an overbar.
struct TLiteral {
    int Input = 0;
    bool Complemented = false;
    bool operator==(const TLiteral&) const = default;
};
// Each term's literals in input order: a product's are complemented where its cube holds 0, a sum's where its zero
// group holds 1. These, the formatting and the map's cells throw std::invalid_argument for a cube that cares about an
// input past the count or has a value outside Care.
std::vector<std::vector<TLiteral>> ProductLiterals(const std::vector<TCube>& products, int inputs);
std::vector<std::vector<TLiteral>> SumLiterals(const std::vector<TCube>& sums, int inputs);

// The plain-text forms, one name an input: A·B + /C for a sum of products, (A + /B)·C for a product of sums (brackets
// only round a sum of several literals among other factors), 0 and 1 for the constants.
std::string FormatSumOfProducts(const std::vector<TCube>& products, const std::vector<std::string>& names);
std::string FormatProductOfSums(const std::vector<TCube>& sums, const std::vector<std::string>& names);

// A place in a Karnaugh map's grid of cells.
struct TMapCell {
    int Row = 0;
    int Column = 0;
    bool operator==(const TMapCell&) const = default;
};
// A block of cells that lies within one map of the grid.
struct TMapBlock {
    int Row = 0;
    int Column = 0;
    int Rows = 1;
    int Columns = 1;
    bool operator==(const TMapBlock&) const = default;
};

// The Karnaugh map of a function of up to six inputs, as a grid of cells in Gray-code order (00 01 11 10). Up to four
// inputs it is one map: the first half of the inputs down the rows (the first input alone for two and three), the rest
// across. Five inputs are two 4×4 maps side by side, six four of them two by two: the first input chooses the map's
// column of maps for five and its row of maps for six, the second its column of maps for six; a cell neighbours the
// cell at its place in the next map as well as those around it within its own map, across the edges too.
class TKarnaughMap {
public:
    static constexpr int MaxInputs = 6;

    // Throws std::invalid_argument for a count outside 0 .. MaxInputs.
    explicit TKarnaughMap(int inputs);

    int Inputs() const { return inputs_; }
    int Rows() const { return static_cast<int>(rowCodes_.size()); }
    int Columns() const { return static_cast<int>(columnCodes_.size()); }
    // One map's size: the grid is Rows() / MapRows() maps down and Columns() / MapColumns() across.
    int MapRows() const { return std::min(Rows(), 4); }
    int MapColumns() const { return std::min(Columns(), 4); }
    // The inputs down the rows and across the columns, the one choosing the map first.
    const std::vector<int>& RowInputs() const { return rowInputs_; }
    const std::vector<int>& ColumnInputs() const { return columnInputs_; }
    // The values of those inputs at a grid row or column, the first input the most significant bit, and as text
    // ("01").
    uint32_t RowCode(int row) const { return rowCodes_.at(static_cast<size_t>(row)); }
    uint32_t ColumnCode(int column) const { return columnCodes_.at(static_cast<size_t>(column)); }
    std::string RowLabel(int row) const;
    std::string ColumnLabel(int column) const;

    // The truth-table row of a cell, and the cell of a truth-table row; std::out_of_range for either outside the map.
    uint32_t TableRow(TMapCell cell) const;
    TMapCell Place(uint32_t tableRow) const;
    // The cells a cube covers, row by row; and the same cells as blocks of adjacent cells, each within one map, as a
    // window draws a group: a group across an edge comes in two blocks, the four corners in four.
    std::vector<TMapCell> CellsOf(const TCube& cube) const;
    std::vector<TMapBlock> BlocksOf(const TCube& cube) const;

private:
    // The grid rows or columns whose inputs take the values the cube asks of them.
    std::vector<int> Matching(const std::vector<int>& inputs, const std::vector<uint32_t>& codes,
                              const TCube& cube) const;
    uint32_t AxisBits(const std::vector<int>& inputs, uint32_t code) const;

    int inputs_;
    std::vector<int> rowInputs_;
    std::vector<int> columnInputs_;
    std::vector<uint32_t> rowCodes_;
    std::vector<uint32_t> columnCodes_;
};
