#pragma once

#include "AnalysisTable.h"

#include <optional>
#include <string>
#include <vector>

class Shell;
class TDocument;

// The truth table of the open circuit as its file would hold it, with the added terminals' columns,
// for the analysis window; none for a circuit that has none, the reason in an error box when asked
// to tell it.
std::optional<TAnalysisTable> BoardAnalysis(const TDocument& document, Shell& shell, bool tellWhy,
                                            const std::vector<std::string>& added);
