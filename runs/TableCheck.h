#pragma once

#include "PartsBase.h"
#include "PassEngine.h"
#include "SimWatch.h"
#include "TestTable.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

class TBord;
struct TCircuitContext;

// Sets the circuit's Simulating flag for as long as it lives, and puts it back as it was.
class TSimulatingScope {
public:
    explicit TSimulatingScope(TCircuitContext& context);
    TSimulatingScope(const TSimulatingScope&) = delete;
    TSimulatingScope& operator=(const TSimulatingScope&) = delete;
    ~TSimulatingScope();

private:
    TCircuitContext& context_;
    bool was_;
};

struct TRowResult {
    enum TVerdict { Passed, Failed, Unsettled };
    TVerdict Verdict = Passed;
    // The passes the row ran after its inputs were set.
    int64_t Passes = 0;
    // One per output column: '0' or '1' for a level or a lamp; for a seven-segment display the hex
    // digit it shows, '-' when it is dark, '?' for segments that make no digit.
    std::vector<char> Actual;
};

struct TTableResult {
    // Why the circuit could not be checked at all (a name it lacks, a file it cannot read); then
    // no row ran.
    std::string Error;
    // Parallel to the table's rows, as far as they ran.
    std::vector<TRowResult> Rows;

    bool Passed() const;
    // The index of the first row that did not pass; npos when every row did.
    size_t FirstFailure() const;
    static constexpr size_t npos = std::numeric_limits<size_t>::max();
};

// Runs the board against the table: a run's start (link, resolve nets, reset and settle, one
// pass, the board drawn in the simulating look), then for each row its inputs in column order
// and its passes, then the comparison. Only the first `rows` rows run, so that the board is left
// showing the last of them. The board's objects are named by named; the board's Simulating flag
// is set while the check runs and put back as it was.
TTableResult CheckTable(const TTestTable& table, TBord& board, const TNamedObjects& named,
                        size_t rows = std::numeric_limits<size_t>::max());
// The same within a run whose engine has started (the board linked, reset and settled): pass 1,
// then the first `rows` rows. The run goes on from the last of them.
TTableResult RunTableRows(const TTestTable& table, TBord& board, const TNamedObjects& named, TPassEngine& engine,
                          size_t rows);

// Reads circuit text into a circuit of its own, as voltrane-sim and the editor's Open read it, and
// checks it; a text that does not load is the result's Error.
TTableResult CheckCircuitText(const TTestTable& table, const TStrings& lines, TEngineMode engine = TEngineMode::Auto);
// The same for a circuit file; a file that cannot be read or loaded, or not in the memory there
// is, is the result's Error.
TTableResult CheckCircuitFile(const TTestTable& table, const std::string& path,
                              TEngineMode engine = TEngineMode::Auto);

// "Line 5 [1 0 | 1 0]: S expected 1 but was 0" for a failed row, "… does not settle in 10000 passes"
// for one that did not settle, in the chosen language; the round is added for a row of a repeat
// block. The row is quoted as written, with a space for each tab.
std::string DescribeRow(const TTestTable& table, size_t row, const TRowResult& result);
// The passed verdict or the error or the first failing row, as one line without the file name.
std::string DescribeResult(const TTestTable& table, const TTableResult& result);

// The objects of the board by the names a saved file would give them: the class name followed by
// the object's place in the list.
TNamedObjects PositionalNames(const TBord& board);
