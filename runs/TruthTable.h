#pragma once

#include "Lists.h"
#include "PartsBase.h"
#include "PassEngine.h"

#include <cstddef>
#include <string>
#include <vector>

class TBord;

// What a combinational circuit computes, row by row. The inputs are its toggle switches and push
// buttons, the outputs its lamps and seven-segment displays, each in the board's order.
struct TTruthTable {
    // How a column is named: by the text of the label that marks its object, as a test table reads
    // labels, or else by the object's name.
    std::vector<std::string> Inputs;
    std::vector<std::string> Outputs;
    // The objects' names, by which a test table made of this one finds them.
    std::vector<std::string> InputObjects;
    std::vector<std::string> OutputObjects;
    // The column is named by a label.
    std::vector<bool> InputLabelled;
    std::vector<bool> OutputLabelled;
    // The output is a seven-segment display, which shows a hex digit.
    std::vector<bool> OutputDisplays;
    // Row r sets input i to bit (inputs − 1 − i) of r, so that the first input is the most
    // significant. One value per output, as a test table reads it: '0' or '1' for a lamp, the hex
    // digit a display shows, '-' when it is dark, '?' for segments that make no digit.
    std::vector<std::string> Rows;
    // Whether the row settled; an unsettled row holds what the outputs showed when its passes ran out.
    std::vector<bool> Settled;
    // Every row is what a fresh start with its inputs shows. History marks the rows whose outputs
    // depend on the rows run before them: run after those, in the table's order or in reverse, the
    // row shows something else. Loops names, per such row, the parts (as the columns name objects) of
    // the feedback loops behind the outputs that differ, which keep that state; it may be empty.
    std::vector<bool> History;
    std::vector<std::vector<std::string>> Loops;
};

inline constexpr size_t MaxTruthInputs = 16;

// Runs every row as a test table's row runs on a fresh start of the circuit (the circuit as its
// text holds it, a run's start, then the row's inputs set and passes until nothing changes), the
// objects named as a saved file names them; a board of gates without feedback, 64 rows at once.
// Throws TUsageError for a circuit with parts that keep a state or a clock of their own
// (flip-flops, pulse generators, one-shots, named in the message), without inputs or outputs, or
// with more than MaxTruthInputs inputs.
TTruthTable CircuitTruthTable(TBord& board);
// The same of circuit text read as the editor's Open reads it, named by the names it stores; throws
// TFormatError when it cannot be read. Each added column is an output too, after the others: a
// terminal named NAME.I, or the output terminal of a part (not a switch, lamp or display) beside
// which a label has the column's text, as a probe's channel is named; TUsageError when none is, or
// when the table has a column of that name.
TTruthTable TextTruthTable(const TStrings& lines, TEngineMode engine = TEngineMode::Auto,
                           const std::vector<std::string>& added = {});
// Reads a circuit file as voltrane-sim reads it, the added columns as above; throws TFileError or
// TFormatError when it cannot.
TTruthTable FileTruthTable(const std::string& path, TEngineMode engine = TEngineMode::Auto,
                           const std::vector<std::string>& added = {});

// "A,B,S,C" and one line a row, values as in Rows; an unsettled row's outputs read "~". A table with
// history rows has one more column, "history", last: "*" and the loop's parts parted by spaces on
// such a row, empty on the others.
std::string TruthTableCsv(const TTruthTable& table);
// Columns aligned for a terminal, a bar between inputs and outputs; a history row ends in "*", and a
// line after the rows names the loop.
std::string TruthTableText(const TTruthTable& table);
// A test table (.lgt) that checks a circuit computes this table: labelled columns bind by label
// (A=LABEL), the others by name; an unsettled row and a history row are left out.
std::string TruthTableAsTest(const TTruthTable& table);
// The parts of the loops of every history row, each once, in the order the rows name them.
std::vector<std::string> HistoryLoops(const TTruthTable& table);
