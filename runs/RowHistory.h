#pragma once

#include "PartsBase.h"
#include "PassEngine.h"
#include "SimWatch.h"
#include "TableCheck.h"
#include "TestTable.h"

#include <cstddef>
#include <vector>

class TBord;

// The rows of a table, each run from a fresh start, and those whose outputs depend on the rows run
// before them.
struct TRowHistory {
    // Per row, what a fresh start with the row's inputs shows: the circuit as its text holds it, a
    // run's start, then that row alone.
    std::vector<TRowResult> Fresh;
    // Per row, the output columns at which the row, run after the rows before it in the table's order
    // or in the reverse order, shows something else than its fresh start; every column when it settles
    // in one and not in the other. Empty for a row whose outputs do not depend on the rows before.
    std::vector<std::vector<size_t>> Differing;
};

// Runs the table's rows on board, the circuit just loaded from lines and named by named, in the
// table's order; when the board has a loop of parts, then in reverse order, and each row alone but the first and the last, on circuits
// loaded anew from lines. Two rows' results agree when both settle with the same outputs or neither
// settles. Throws TUsageError with the check's error (a column the circuit lacks, a text that does
// not load).
TRowHistory RunRowsFresh(const TTestTable& table, TBord& board, const TNamedObjects& named, const TStrings& lines,
                         TEngineMode engine);
