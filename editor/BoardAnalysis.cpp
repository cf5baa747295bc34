#include "BoardAnalysis.h"

#include "Document.h"
#include "Shell.h"
#include "TruthTable.h"
#include "UsageError.h"

std::optional<TAnalysisTable> BoardAnalysis(const TDocument& document, Shell& shell, bool tellWhy,
                                            const std::vector<std::string>& added)
{
    // A copy read from the circuit's text starts as the saved file does, whatever earlier runs left.
    TStrings lines;
    document.Text(lines);
    try {
        return AnalysisOf(TextTruthTable(lines, TEngineMode::Auto, added));
    } catch (const TUsageError& error) {
        if (tellWhy) shell.ShowError(error.what());
        return std::nullopt;
    }
}
