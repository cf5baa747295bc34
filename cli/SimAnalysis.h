#pragma once

#include "SimOptions.h"

// --truth-table and --expr: prints what the combinational circuit FILE computes, and writes the
// files asked for. Answers 0; throws TFileError or TFormatError for a file that cannot be read or
// written, TUsageError for a circuit that has no truth table.
int RunAnalysis(const TSimOptions& options);
