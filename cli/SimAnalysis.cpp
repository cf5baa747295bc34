#include "SimAnalysis.h"

#include "AnalysisTable.h"
#include "FileAccess.h"
#include "FormText.h"
#include "Minimizer.h"
#include "Messages.h"
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

// A line naming the rows that depend on the rows run before them, which the forms take as don't-cares; none
// when no row does.
std::string HistoryLine(const TTruthTable& table)
{
    std::string rows;
    for (size_t r = 0; r < table.History.size(); ++r)
        if (table.History[r]) rows += (rows.empty() ? "" : ", ") + std::to_string(r);
    if (rows.empty()) return {};
    std::string loops;
    for (const std::string& part : HistoryLoops(table)) loops += (loops.empty() ? "" : ", ") + part;
    if (loops.empty())
        return Tr("The forms take as don't-cares the rows that depend on the rows run before them: %1", {rows}) + "\n";
    return Tr("The forms take as don't-cares the rows that depend on the rows run before them: %1 (the loop of %2 keeps "
              "a state)",
              {rows, loops}) +
           "\n";
}

}  // namespace

int RunAnalysis(const TSimOptions& options)
{
    const TTruthTable table = FileTruthTable(options.File, options.Engine, options.Watches);
    if (options.TruthTable) std::fputs(TruthTableText(table).c_str(), stdout);
    if (!options.CsvPath.empty()) WriteFileBytes(options.CsvPath, TruthTableCsv(table));
    if (!options.LgtPath.empty()) WriteFileBytes(options.LgtPath, TruthTableAsTest(table));
    if (options.Expressions) std::fputs((Expressions(AnalysisOf(table)) + HistoryLine(table)).c_str(), stdout);
    return 0;
}
