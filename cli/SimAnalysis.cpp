#include "SimAnalysis.h"

#include "AnalysisTable.h"
#include "FileAccess.h"
#include "LogicMinimizer.h"
#include "TruthTable.h"

#include <cstdio>

namespace {

// Two lines an output: its minimal sum of products, then its minimal product of sums.
std::string Expressions(const TAnalysisTable& table)
{
    std::string text;
    for (size_t o = 0; o < table.Outputs.size(); ++o) {
        const TBoolFunction& f = table.Functions[o];
        text += table.Outputs[o] + " = " + FormatSumOfProducts(MinimalSumOfProducts(f), table.Inputs) + "\n";
        text += table.Outputs[o] + " = " + FormatProductOfSums(MinimalProductOfSums(f), table.Inputs) + "\n";
    }
    return text;
}

}  // namespace

int RunAnalysis(const TSimOptions& options)
{
    const TTruthTable table = FileTruthTable(options.File, options.Engine, options.Watches);
    if (options.TruthTable) std::fputs(TruthTableText(table).c_str(), stdout);
    if (!options.CsvPath.empty()) WriteFileBytes(options.CsvPath, TruthTableCsv(table));
    if (!options.LgtPath.empty()) WriteFileBytes(options.LgtPath, TruthTableAsTest(table));
    if (options.Expressions) std::fputs(Expressions(AnalysisOf(table)).c_str(), stdout);
    return 0;
}
