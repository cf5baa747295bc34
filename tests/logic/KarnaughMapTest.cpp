// The Karnaugh map's layouts, its cells and the blocks a group is drawn as.
#include "KarnaughMap.h"
#include "RandomLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

TEST(KarnaughMap, TextbookLayoutsAndGroupsAcrossTheEdges)
{
    const TKarnaughMap four(4);
    EXPECT_EQ(four.RowInputs(), (std::vector<int>{0, 1}));
    EXPECT_EQ(four.ColumnInputs(), (std::vector<int>{2, 3}));
    std::vector<std::string> labels;
    for (int row = 0; row < four.Rows(); ++row) labels.push_back(four.RowLabel(row));
    EXPECT_EQ(labels, (std::vector<std::string>{"00", "01", "11", "10"}));
    EXPECT_EQ(four.TableRow({2, 3}), 0b1110u);  // AB = 11, CD = 10
    EXPECT_EQ(four.CellsOf(CubeOf("-0-0")), (std::vector<TMapCell>{{0, 0}, {0, 3}, {3, 0}, {3, 3}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("-0-0")).size(), 4u);
    EXPECT_EQ(four.BlocksOf(CubeOf("--10")), (std::vector<TMapBlock>{{0, 3, 4, 1}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("-1-1")), (std::vector<TMapBlock>{{1, 1, 2, 2}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("---0")), (std::vector<TMapBlock>{{0, 0, 4, 1}, {0, 3, 4, 1}}));

    const TKarnaughMap one(1), three(3), five(5), six(6);
    EXPECT_EQ(std::pair(one.Rows(), one.Columns()), std::pair(1, 2));
    EXPECT_EQ(three.ColumnLabel(2), "11");
    EXPECT_EQ(std::pair(five.Rows(), five.Columns()), std::pair(4, 8));
    EXPECT_EQ(five.ColumnLabel(6), "111");  // A = 1, DE = 11
    // Free in the input that chooses the map: the same block in both maps.
    EXPECT_EQ(five.BlocksOf(CubeOf("-11-1")), (std::vector<TMapBlock>{{2, 1, 1, 2}, {2, 5, 1, 2}}));
    EXPECT_EQ(std::pair(six.Rows(), six.Columns()), std::pair(8, 8));
    EXPECT_EQ(six.BlocksOf(CubeOf("--0000")).size(), 4u);
    EXPECT_THROW(TKarnaughMap(7), std::invalid_argument);
}

TEST(KarnaughMap, EveryCellIsOneRowAndNeighboursDifferInOneInput)
{
    std::mt19937 random(3);
    for (int inputs = 0; inputs <= TKarnaughMap::MaxInputs; ++inputs) {
        SCOPED_TRACE(testing::Message() << inputs << " inputs");
        const TKarnaughMap map(inputs);
        ASSERT_EQ(map.Rows() * map.Columns(), 1 << inputs);
        std::vector<bool> seen(size_t{1} << inputs);
        const auto next = [&](TMapCell a, TMapCell b) {
            return std::popcount(map.TableRow(a) ^ map.TableRow(b)) == 1;
        };
        for (int row = 0; row < map.Rows(); ++row)
            for (int column = 0; column < map.Columns(); ++column) {
                const uint32_t at = map.TableRow({row, column});
                ASSERT_FALSE(seen[at]);
                seen[at] = true;
                ASSERT_EQ(map.Place(at), (TMapCell{row, column}));
                // The next cell within the map, across its edge too, and the same place in the next map.
                const int top = row - row % map.MapRows(), left = column - column % map.MapColumns();
                const int down = top + (row - top + 1) % map.MapRows();
                const int right = left + (column - left + 1) % map.MapColumns();
                EXPECT_TRUE(down == row || next({row, column}, {down, column}));
                EXPECT_TRUE(right == column || next({row, column}, {row, right}));
                EXPECT_TRUE(row + map.MapRows() >= map.Rows() || next({row, column}, {row + map.MapRows(), column}));
                EXPECT_TRUE(column + map.MapColumns() >= map.Columns() ||
                            next({row, column}, {row, column + map.MapColumns()}));
            }
        // A cube's cells are those of the rows it covers, and its blocks, each within one map, tile them.
        for (int round = 0; round < 200; ++round) {
            const TCube cube = RandomCube(random, inputs, 50);
            std::vector<TMapCell> expected;
            for (int row = 0; row < map.Rows(); ++row)
                for (int column = 0; column < map.Columns(); ++column)
                    if (cube.Covers(map.TableRow({row, column}))) expected.push_back({row, column});
            const auto cells = map.CellsOf(cube);
            ASSERT_EQ(cells, expected);
            size_t tiled = 0;
            for (const TMapBlock& block : map.BlocksOf(cube)) {
                EXPECT_EQ(block.Row / map.MapRows(), (block.Row + block.Rows - 1) / map.MapRows());
                EXPECT_EQ(block.Column / map.MapColumns(), (block.Column + block.Columns - 1) / map.MapColumns());
                for (int row = block.Row; row < block.Row + block.Rows; ++row)
                    for (int column = block.Column; column < block.Column + block.Columns; ++column)
                        EXPECT_NE(std::find(cells.begin(), cells.end(), TMapCell{row, column}), cells.end());
                tiled += static_cast<size_t>(block.Rows * block.Columns);
            }
            EXPECT_EQ(tiled, cells.size());
        }
    }
}
