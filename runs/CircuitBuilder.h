#pragma once

#include "AnalysisTable.h"
#include "GateNetlist.h"
#include "PartsBase.h"
#include "TableCheck.h"

// Circuit text (header line first, without line ends) of a circuit that computes each of the table's functions in
// its minimal two-level form: a toggle switch per input labelled with its name, top to bottom in input order; a
// vertical bus per literal a form uses (an input and, through an inverter, its complement); the gates in columns left
// to right on rows below the switches, wires horizontal or vertical, each output's of its own; and a lamp per output
// labelled with its name, in a column right of the gates. The sum of products becomes AND–OR, NAND–NAND, or
// NOR–NOR with an inverter after it; the product of sums OR–AND, NAND–NAND with an inverter after it, or NOR–NOR.
// Terms wider than a gate takes (four inputs) become trees; a term of one literal takes the literal's bus; an inverter
// of the NAND or NOR style is a two-input gate with both inputs on one net. A constant function is built from the first
// input and its complement (A + /A, A·/A), so that it does not depend on the switches.
// The parts are real ones, placed by their own sizes and terminals, and the text is the circuit writer's.
// Throws std::invalid_argument for no inputs, no outputs, a function of another number of inputs, or names that
// cannot mark a column: empty, with control characters or blanks at either end, with characters a circuit file
// cannot hold (code page 932), or the same twice. The layout is checked before it is written (no wire through a
// terminal or across a part, none meeting a wire of another net, no loose wire end, no parts overlapping);
// std::logic_error reports a fault there.
TStrings BuildCircuit(const TAnalysisTable& table, TGateStyle style, bool productOfSums = false);

// The same circuit as a sub-board: an input terminal on its left edge per input, where the switch was, and an
// output terminal on its right edge per output, where the lamp was, each named by a label outside the box beside it.
struct TBuiltSubBoard {
    // The box with its terminals, gates, wires and dots, and the labels.
    TStrings Placed;
    // The box between a labelled toggle switch per input and a labelled lamp per output, to be tried by a test table.
    TStrings Tester;
};
TBuiltSubBoard BuildSubBoard(const TAnalysisTable& table, TGateStyle style, bool productOfSums = false);

// Runs the sub-board's tester through the test-table checker with the table's AnalysisTest of the rows at which some
// output is not a don't-care: its switches set, each lamp expected to show its function there.
TTableResult TryBuilt(const TBuiltSubBoard& built, const TAnalysisTable& table);
