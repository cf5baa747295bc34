#pragma once

#include "BoolFunction.h"
#include "RowBits.h"
#include "TestTable.h"
#include "TruthTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A truth table as the analysis works on it: named inputs and, per named output, the function it
// computes, with don't-cares where the table leaves a row open.
struct TAnalysisTable {
    std::vector<std::string> Inputs;
    std::vector<std::string> Outputs;
    // One per output, over the inputs in their order (the first the most significant bit of a row).
    std::vector<TBoolFunction> Functions;
    // The rows of a circuit's table that did not settle, ascending; their outputs are don't-cares.
    std::vector<uint32_t> Unsettled;
    // The rows of a circuit's table whose outputs depend on the rows run before them, ascending; their
    // outputs are don't-cares too. Fresh holds per output what a fresh start with the row's inputs
    // shows, Loop the parts of the feedback loops that keep the state.
    struct THistoryRow {
        uint32_t Row = 0;
        std::vector<TLogicValue> Fresh;
        std::vector<std::string> Loop;
        bool operator==(const THistoryRow&) const = default;
    };
    std::vector<THistoryRow> History = {};

    // The history row at row, or null.
    const THistoryRow* HistoryAt(uint32_t row) const;
};

// A circuit's table: a lamp is one output; a seven-segment display's hex digit four, NAME.3 (the
// most significant bit) to NAME.0. A row that did not settle or depends on the rows before, a dark
// display or segments that make no digit are don't-cares.
TAnalysisTable AnalysisOf(const TTruthTable& table);

// A table a person types, pastes or opens, in either form:
// - a test table (.lgt): input columns, '|', output columns; rows of 0, 1 and X (an input X stands
//   for both values, an output X is a don't-care), hex digits for a display's column;
// - CSV: a heading line of names, then rows of values separated by commas; a column named | parts
//   the inputs from the outputs, or else the inputs are as many as the rows' count is a power of two.
// Rows not given are don't-cares. Throws TTableError naming the line for anything else, and for more
// than TBoolFunction::MaxInputs inputs or rows that contradict each other.
TAnalysisTable ParseAnalysisTable(std::string_view text);

// The table with a column moved, columns counted inputs first, then outputs: an input among the
// inputs, which reorders the bits of a row and so the rows of every function; an output among the
// outputs. Throws std::out_of_range for a column past the last or a move from one group to the other.
TAnalysisTable MoveColumn(const TAnalysisTable& table, size_t from, size_t to);

// The table as a test table that checks the ones and zeros: each column bound by the label its name gives (A=A), a
// row for each combination of the inputs (X for a don't-care), or only for those at which some output is not one.
TTestTable AnalysisTest(const TAnalysisTable& table, bool caredRowsOnly = false);

// Written back as CSV (X for a don't-care) or as the text of its test table, a column whose name the headings
// cannot hold written by that name alone.
std::string AnalysisCsv(const TAnalysisTable& table);
std::string AnalysisAsTest(const TAnalysisTable& table);

// Where two tables of the same inputs differ: the outputs of the same name, row by row, a
// don't-care on either side agreeing with anything.
struct TTableDifference {
    uint32_t Row = 0;
    size_t Output = 0;  // in the first table
    bool operator==(const TTableDifference&) const = default;
};
// Throws TTableError (line 0) when the inputs differ or the tables share no output.
std::vector<TTableDifference> CompareTables(const TAnalysisTable& first, const TAnalysisTable& second);
