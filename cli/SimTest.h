#pragma once

#include "SimOptions.h"
#include "TestTable.h"

// Checks every FILE of the options against the table, prints one line per file unless printLines
// is false, and writes the JUnit and CSV reports asked for. Answers 0 when every file passed and
// 1 otherwise; throws TFileError for a report that cannot be written.
int RunTableTests(const TTestTable& table, const TSimOptions& options, bool printLines);
