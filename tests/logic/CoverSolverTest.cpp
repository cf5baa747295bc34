// The set-cover search on problems that are no functions' tables, checked against trying every set of columns.
#include "CoverSolver.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

struct TProblem {
    int Rows = 0;
    std::vector<std::vector<int>> ColumnRows;
    std::vector<int> Literals;

    std::vector<TBits> Bits() const
    {
        std::vector<TBits> bits;
        for (const std::vector<int>& rows : ColumnRows) {
            TBits& column = bits.emplace_back(static_cast<size_t>(Rows));
            for (int row : rows) column.Set(static_cast<size_t>(row));
        }
        return bits;
    }

    // What the columns cost together; {INT_MAX, 0} when they leave a row uncovered.
    TCoverCost CostOf(const std::vector<int>& columns) const
    {
        std::vector<bool> covered(static_cast<size_t>(Rows));
        TCoverCost cost{static_cast<int>(columns.size()), 0};
        for (int column : columns) {
            cost.Literals += Literals[static_cast<size_t>(column)];
            for (int row : ColumnRows[static_cast<size_t>(column)]) covered[static_cast<size_t>(row)] = true;
        }
        for (bool row : covered)
            if (!row) return {INT_MAX, 0};
        return cost;
    }
};

// Rows each in at least one of the columns, which cover about a third of the rows and cost up to five literals.
TProblem RandomProblem(std::mt19937& random, int rows, int columns)
{
    TProblem problem{rows, std::vector<std::vector<int>>(static_cast<size_t>(columns)), {}};
    for (int row = 0; row < rows; ++row) {
        problem.ColumnRows[random() % static_cast<unsigned>(columns)].push_back(row);
        for (std::vector<int>& column : problem.ColumnRows)
            if (random() % 3 == 0 && (column.empty() || column.back() != row)) column.push_back(row);
    }
    for (int column = 0; column < columns; ++column) problem.Literals.push_back(static_cast<int>(random() % 6));
    return problem;
}

TCoverCost Cheapest(const TProblem& problem)
{
    TCoverCost best{INT_MAX, 0};
    const size_t columns = problem.ColumnRows.size();
    for (uint32_t set = 0; set < (1u << columns); ++set) {
        std::vector<int> taken;
        for (size_t column = 0; column < columns; ++column)
            if ((set >> column & 1) != 0) taken.push_back(static_cast<int>(column));
        best = std::min(best, problem.CostOf(taken));
    }
    return best;
}

}  // namespace

TEST(CoverSolver, FindsTheCheapestCoverOfTermsThenLiterals)
{
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const TProblem problem = RandomProblem(random, 4 + round % 20, 3 + round % 12);
        const TCoverSolution cover = SolveCover(problem.Rows, problem.Bits(), problem.Literals, 1'000'000'000);
        EXPECT_TRUE(cover.Proven);
        EXPECT_EQ(problem.CostOf(cover.Columns), Cheapest(problem));
    }
}

TEST(CoverSolver, ASearchWithNoEffortLeftStillCoversEveryRow)
{
    std::mt19937 random(5);
    for (int round = 0; round < 50; ++round) {
        const TProblem problem = RandomProblem(random, 60, 40);
        const TCoverSolution cover = SolveCover(problem.Rows, problem.Bits(), problem.Literals, 0);
        EXPECT_FALSE(cover.Proven);
        EXPECT_LT(problem.CostOf(cover.Columns).Terms, INT_MAX);
    }
}
