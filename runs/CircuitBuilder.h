#pragma once

#include "LogicMinimizer.h"
#include "PartsBase.h"
#include "TableCheck.h"

#include <string>
#include <vector>

// Which gates a built circuit is made of: inverters, AND and OR gates; NAND gates alone; NOR gates alone.
enum class TGateStyle { AndOrNot, NandOnly, NorOnly };

// Circuit text (header line first, without line ends) of a circuit that computes f in its minimal two-level form: a
// labelled toggle switch per input, top to bottom in input order; a vertical bus per literal the form uses (an input
// and, through an inverter, its complement); the gates in columns left to right on rows below the switches, wires
// horizontal or vertical; and a lamp labelled outputName. The sum of products becomes AND–OR, NAND–NAND, or
// NOR–NOR with an inverter after it; the product of sums OR–AND, NAND–NAND with an inverter after it, or NOR–NOR.
// Terms wider than a gate takes (four inputs) become trees; a term of one literal takes the literal's bus; an inverter
// of the NAND or NOR style is a two-input gate with both inputs on one net. A constant function is built from the first
// input and its complement (A + /A, A·/A), so that it does not depend on the switches.
// Throws std::invalid_argument for a function of no inputs, a name count that differs from the input count, or names
// that cannot mark a column: empty, with control characters or blanks at either end, or the same twice. The layout
// is checked before it is written (no wire through a terminal or across a part, none meeting a wire of another net,
// no loose wire end, no parts overlapping); std::logic_error reports a fault there.
TStrings BuildCircuit(const TBoolFunction& f, const std::vector<std::string>& inputNames,
                      const std::string& outputName, TGateStyle style, bool productOfSums = false);

// The same circuit as a sub-board: an input terminal on its left edge per input, where the switch was, and an
// output terminal on its right edge for the output, each named by a label outside the box beside it.
struct TBuiltSubBoard {
    // The box with its terminals, gates, wires and dots, and the labels.
    TStrings Placed;
    // The box between a labelled toggle switch per input and a labelled lamp, to be tried by a test table.
    TStrings Tester;
};
TBuiltSubBoard BuildSubBoard(const TBoolFunction& f, const std::vector<std::string>& inputNames,
                             const std::string& outputName, TGateStyle style, bool productOfSums = false);

// Runs the sub-board's tester through the test-table checker: a row for each input combination at which f is
// not a don't-care, its switches set and its lamp expected to show f there.
TTableResult TryBuilt(const TBuiltSubBoard& built, const TBoolFunction& f, const std::vector<std::string>& inputNames,
                      const std::string& outputName);
