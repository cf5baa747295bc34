#include "KarnaughMap.h"

#include "CubeRows.h"

#include <stdexcept>
#include <utility>

namespace {

// The Gray-code order of the values of up to three inputs: 0 1, then 00 01 11 10, and for three the first input
// choosing one of two maps, each in the order of two.
std::vector<uint32_t> AxisCodes(size_t inputs)
{
    switch (inputs) {
    case 0: return {0};
    case 1: return {0, 1};
    case 2: return {0, 1, 3, 2};
    default: return {0, 1, 3, 2, 4, 5, 7, 6};
    }
}

std::string CodeLabel(uint32_t code, size_t inputs)
{
    std::string label;
    for (size_t j = inputs; j-- > 0;) label += (code >> j & 1) != 0 ? '1' : '0';
    return label;
}

// Consecutive indices as runs of first and length, a run never crossing from one map to the next.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& indices, int mapSize)
{
    std::vector<std::pair<int, int>> runs;
    for (int index : indices) {
        if (!runs.empty() && runs.back().first + runs.back().second == index && index % mapSize != 0)
            ++runs.back().second;
        else
            runs.emplace_back(index, 1);
    }
    return runs;
}

}  // namespace

TKarnaughMap::TKarnaughMap(int inputs) : inputs_(inputs)
{
    // Down the rows and across the columns, for each count of inputs.
    static const std::vector<int> layouts[][2] = {
        {{}, {}}, {{}, {0}}, {{0}, {1}}, {{0}, {1, 2}}, {{0, 1}, {2, 3}}, {{1, 2}, {0, 3, 4}}, {{0, 2, 3}, {1, 4, 5}},
    };
    if (inputs < 0 || inputs > MaxInputs) throw std::invalid_argument("a Karnaugh map has 0 to 6 inputs");
    rowInputs_ = layouts[inputs][0];
    columnInputs_ = layouts[inputs][1];
    rowCodes_ = AxisCodes(rowInputs_.size());
    columnCodes_ = AxisCodes(columnInputs_.size());
}

std::string TKarnaughMap::RowLabel(int row) const { return CodeLabel(RowCode(row), rowInputs_.size()); }

std::string TKarnaughMap::ColumnLabel(int column) const
{
    return CodeLabel(ColumnCode(column), columnInputs_.size());
}

uint32_t TKarnaughMap::AxisBits(const std::vector<int>& inputs, uint32_t code) const
{
    uint32_t bits = 0;
    for (size_t j = 0; j < inputs.size(); ++j)
        if ((code >> (inputs.size() - 1 - j) & 1) != 0) bits |= InputBit(inputs_, inputs[j]);
    return bits;
}

uint32_t TKarnaughMap::TableRow(TMapCell cell) const
{
    return AxisBits(rowInputs_, RowCode(cell.Row)) | AxisBits(columnInputs_, ColumnCode(cell.Column));
}

TMapCell TKarnaughMap::Place(uint32_t tableRow) const
{
    if (tableRow > FullMask(inputs_)) throw std::out_of_range("a row past the truth table");
    const TCube row{FullMask(inputs_), tableRow};
    return {Matching(rowInputs_, rowCodes_, row).front(), Matching(columnInputs_, columnCodes_, row).front()};
}

std::vector<int> TKarnaughMap::Matching(const std::vector<int>& inputs, const std::vector<uint32_t>& codes,
                                        const TCube& cube) const
{
    CheckCube(cube, inputs_);
    const uint32_t axis = AxisBits(inputs, ~0u);
    std::vector<int> matching;
    for (size_t k = 0; k < codes.size(); ++k)
        if (((AxisBits(inputs, codes[k]) ^ cube.Value) & cube.Care & axis) == 0)
            matching.push_back(static_cast<int>(k));
    return matching;
}

std::vector<TMapCell> TKarnaughMap::CellsOf(const TCube& cube) const
{
    std::vector<TMapCell> cells;
    const std::vector<int> columns = Matching(columnInputs_, columnCodes_, cube);
    for (int row : Matching(rowInputs_, rowCodes_, cube))
        for (int column : columns) cells.push_back({row, column});
    return cells;
}

std::vector<TMapBlock> TKarnaughMap::BlocksOf(const TCube& cube) const
{
    std::vector<TMapBlock> blocks;
    const auto columns = Runs(Matching(columnInputs_, columnCodes_, cube), MapColumns());
    for (const auto& [row, rows] : Runs(Matching(rowInputs_, rowCodes_, cube), MapRows()))
        for (const auto& [column, width] : columns) blocks.push_back({row, column, rows, width});
    return blocks;
}
