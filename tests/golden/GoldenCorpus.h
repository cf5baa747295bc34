#pragma once

#include "PartsBase.h"

#include <cstdint>
#include <string>
#include <vector>

// The golden corpus: for each circuit, what voltrane-sim prints over GoldenPasses passes for every
// terminal of every part and every indicator, with scripted clicks on its switches. The expected
// rows are kept as each column's changes, so that a diff names the column and the pass.

inline constexpr int64_t GoldenPasses = 200;
inline constexpr int GoldenGenerated = 300;

struct TGoldenCircuit {
    // "random/017", "examples/half-adder", "macros/HalfAdder".
    std::string Name;
    // The circuit file, relative to the source folder.
    std::string Circuit;
    // Seeds the generated circuit and the clicks.
    uint32_t Seed = 0;
};

// The circuits of the corpus in the source folder: the generated ones, then every shipped example
// and macro.
std::vector<TGoldenCircuit> GoldenCircuits(const std::string& source);
// Where the corpus's own files of the circuit lie, relative to the source folder, without extension.
std::string GoldenStem(const TGoldenCircuit& circuit);

// The watches of a corpus run, in the loaded file's order: every terminal of every part (NAME.I),
// then, for an indicator, what it shows (NAME). Wires and dots carry no level of their own.
std::vector<std::string> GoldenWatches(const std::vector<std::string>& names, const TPartsList& loaded);

// Presses, releases and clicks of the loaded circuit's switches at passes from 1 to GoldenPasses - 1,
// as voltrane-sim options (--click=NAME@P), in the order of their passes.
std::vector<std::string> GoldenClicks(const std::vector<std::string>& names, const TPartsList& loaded, uint32_t seed);

// The printed columns: each title with its values of passes 1, 2, ...
struct TGoldenColumn {
    std::string Title;
    std::vector<std::string> Values;
    bool operator==(const TGoldenColumn&) const = default;
};
using TGoldenRows = std::vector<TGoldenColumn>;

// What voltrane-sim printed: the header and one row per pass from 1 on. Throws std::runtime_error
// on anything else.
TGoldenRows ReadPrintedRows(const std::string& text);
// One line per column: its title, a tab, its value at pass 1, then VALUE@PASS for every pass at
// which it changes.
std::string ChangesText(const TGoldenRows& rows);
// The rows of passes 1 .. passes that the changes give. Throws std::runtime_error when malformed.
TGoldenRows ReadChanges(const std::string& text, int64_t passes);
