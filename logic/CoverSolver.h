#pragma once

#include "Bits.h"

#include <compare>
#include <cstdint>
#include <vector>

// Terms first, literals second: a two-level form is smaller when it has fewer terms, or as many and fewer literals.
// A column of a cover costs a term and its literals.
struct TCoverCost {
    int Terms = 0;
    int Literals = 0;
    auto operator<=>(const TCoverCost&) const = default;
};

// The columns of a cover, and whether it is known to be the cheapest.
struct TCoverSolution {
    std::vector<int> Columns;
    bool Proven = false;
};

// The cheapest set of columns that together cover the rows 0 .. rows - 1, column c covering the rows of columnRows[c]
// at the cost of a term and literals[c] literals; every row has a column. Essential columns are taken and dominated
// rows and columns dropped until nothing changes; rows no column joins split into problems solved one by one;
// otherwise the search branches on the row with the fewest columns left. It is bounded by Lagrangian bounds on the
// terms and the literals still needed, which also rule out the columns that would need too many terms, and its prices
// suggest covers to beat. Past its effort, in rows and row-column pairs gone through, the search ends with the best
// cover it has, which is not proven.
TCoverSolution SolveCover(int rows, std::vector<TBits> columnRows, std::vector<int> literals, int64_t effort);
