#pragma once

#include "TestTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class TBord;
class TSwitch;
class TTanshi;

// Every row of a table of the inputs, as a truth table orders them: row r sets input i to bit
// (n − 1 − i) of r, the first input being the most significant.
struct TParallelTable {
    size_t Rows = 0;
    size_t Outputs = 0;
    // Words per row: output o of row r is bit o % 64 of Words[r × Stride + o / 64], 1 for high.
    size_t Stride = 0;
    std::vector<uint64_t> Words;

    bool High(size_t row, size_t output) const { return (Words[row * Stride + output / 64] >> (output % 64)) & 1; }
};

// The settled levels of a combinational board for up to 64 rows of a table at once: a lane is one
// row, bit l of every word, 1 for high. The board is compiled as a run compiles it; its gates are
// put in the order their signals flow and each is computed once per word, from whether any of its
// inputs is high and whether all are, as the gate loops compute a level (so Xor of more than two
// inputs is "some high and some low", not the parity). A board of gates without feedback comes to
// the same levels whatever it held before, so each lane is what a test table's row settles to on
// the one-row engine; PassesToSettle says how long that row may take there.
class TParallelRows {
public:
    static constexpr size_t Lanes = 64;
    static constexpr size_t MaxTableInputs = 16;

    // Links the board and resolves its nets, as a run's start does: made while no run goes on the
    // board, and used while the board is not edited. inputs: the switches a row sets, in column
    // order (a switch named twice takes the later word); every other switch stays low, as a run's
    // start leaves it. outputs: the terminals read, any terminal of a part on the board.
    TParallelRows(TBord& board, const std::vector<TSwitch*>& inputs, const std::vector<const TTanshi*>& outputs);

    // Whether the board can be computed lane by lane exactly: its parts are gates and inverters
    // that never feed back on themselves, switches, lamps, seven-segment displays, dot matrices,
    // scope probes, sub-board terminals and parts without terminals (text boxes); no output is
    // wired to another output; every input and output is on the board. Otherwise (a latch, a
    // flip-flop, a pulse generator, a full adder part) the rows are to be run one by one.
    bool Supported() const { return supported_; }
    // Whether every lamp comes after what writes its input in the board's list. A lamp before its
    // writer sees in its Tick the level its input had before that pass: when its countdown runs out
    // in a pass that brings the input back to the level the lamp took over, it shows its input only
    // one more countdown later. Its input terminal's word is exact either way.
    bool LampsShowTheirInputs() const { return lampsShowInputs_; }
    size_t Inputs() const { return inputs_; }
    size_t Outputs() const { return outputs_; }
    // Passes within which every row settles on the one-row engine, whatever row came before it: the
    // longest chain of gates plus two, or plus one and the longest a lamp's afterglow may still run.
    int64_t PassesToSettle() const { return passesToSettle_; }

    // Bit l of inputWords[i] is input i's level in lane l; an input without a word is low in every
    // lane. Answers per output a word, bit l high in lane l. None when the board is not supported,
    // or when a row might not settle within limit passes on the one-row engine: run row by row,
    // such a row shows what it shows when its passes run out.
    std::optional<std::vector<uint64_t>> Run(const std::vector<uint64_t>& inputWords,
                                             int64_t limit = TRowPasses::DefaultLimit);
    // Every row of the inputs' table, 64 rows a run. None as for Run, and for more than
    // MaxTableInputs inputs.
    std::optional<TParallelTable> Table(int64_t limit = TRowPasses::DefaultLimit);

private:
    // A gate in the order signals flow: its inputs are the next Count entries of ins_, its output
    // the next node; its level is C0 ^ (C1 & any high) ^ (C2 & all high), each C all zeros or all ones.
    struct TGateStep {
        uint32_t Count;
        uint8_t Form;  // bit 0: C0, bit 1: C1, bit 2: C2
    };

    void Compile(TBord& board, const std::vector<TSwitch*>& inputs, const std::vector<const TTanshi*>& outputs);
    bool Fits(int64_t limit) const { return supported_ && passesToSettle_ <= limit; }
    // Fills values_: node 0 always low, node 1 always high, then the inputs, then the gates.
    void Evaluate(const uint64_t* inputWords, size_t count);

    size_t inputs_, outputs_;
    bool supported_ = false;
    bool lampsShowInputs_ = true;
    int64_t passesToSettle_ = 0;
    std::vector<TGateStep> gates_;
    std::vector<uint32_t> ins_;
    std::vector<uint32_t> outputNodes_;
    std::vector<uint64_t> values_;
};
