#pragma once

#include "BoolFunction.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

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
    // window draws a group: a group across an edge comes in two blocks, the four corners in four. Both throw
    // std::invalid_argument for a cube that cares about an input past the count or has a value outside Care.
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
