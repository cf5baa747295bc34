#include "SimAnalysis.h"

#include "FileAccess.h"
#include "TruthTable.h"

#include <cstdio>

int RunAnalysis(const TSimOptions& options)
{
    const TTruthTable table = FileTruthTable(options.File, options.Engine);
    if (options.TruthTable) std::fputs(TruthTableText(table).c_str(), stdout);
    if (!options.CsvPath.empty()) WriteFileBytes(options.CsvPath, TruthTableCsv(table));
    if (!options.LgtPath.empty()) WriteFileBytes(options.LgtPath, TruthTableAsTest(table));
    return 0;
}
