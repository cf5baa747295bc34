#pragma once

#include "Bits.h"
#include "CoverSolver.h"

#include <cstddef>
#include <span>
#include <vector>

inline TCoverCost Plus(TCoverCost a, TCoverCost b) { return {a.Terms + b.Terms, a.Literals + b.Literals}; }
inline TCoverCost Minus(TCoverCost a, TCoverCost b) { return {a.Terms - b.Terms, a.Literals - b.Literals}; }

// The columns of a cover and what they cost together.
struct TCover {
    TCoverCost Cost;
    std::vector<int> Columns;
};

// One subproblem with its rows numbered afresh: the live columns and the rows each covers, kept in one array.
struct TLocalProblem {
    std::vector<int> RowNumbers;
    std::vector<int> Columns;
    std::vector<std::vector<int>> RowColumns;
    std::vector<int> Entries;
    std::vector<size_t> Starts{0};
    size_t RowCount = 0;

    size_t ColumnCount() const { return Columns.size(); }
    std::span<const int> Rows(size_t c) const { return {Entries.data() + Starts[c], Entries.data() + Starts[c + 1]}; }
};

// A cover problem as its search sees it: the rows of each column and the columns of each row, what a column costs,
// and the covers that need no search.
class TCoverProblem {
public:
    TCoverProblem(int rows, std::vector<TBits> columnRows, std::vector<int> literals);

    int RowCount() const { return rowCount_; }
    size_t ColumnCount() const { return literals_.size(); }
    const TBits& RowColumns(int row) const { return rowColumns_[static_cast<size_t>(row)]; }
    const TBits& ColumnRows(int column) const { return columnRows_[static_cast<size_t>(column)]; }
    TCoverCost Cost(int column) const { return {1, literals_[static_cast<size_t>(column)]}; }

    // The rows and the columns of a subproblem, numbered afresh; a column covering none of the rows is left out.
    TLocalProblem Localize(const TBits& rows, const TBits& columns) const;
    // The columns' costs in a bound: a term each, or their literals.
    std::vector<double> Costs(const TLocalProblem& local, bool literals) const;
    // The cover the prices suggest: the columns priced below their cost, then for each row left the column adding the
    // most rows, then the columns the others make unnecessary dropped, those of the most literals first; last, each
    // column gives way to one of fewer literals that covers the rows only it covers.
    TCover Suggest(const TLocalProblem& local, const std::vector<double>& reduced) const;
    // Most rows first, fewest literals among equals, then the columns the others make unnecessary dropped.
    TCover Greedy(TBits rows, const TBits& columns) const;
    // The rows in groups that no column joins.
    std::vector<TBits> Components(const TBits& rows, const TBits& columns) const;

private:
    int rowCount_;
    std::vector<TBits> columnRows_;
    std::vector<TBits> rowColumns_;
    std::vector<int> literals_;
};
