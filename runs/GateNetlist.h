#pragma once

#include "BoolFunction.h"

#include <cstddef>
#include <vector>

// Which gates a built circuit is made of: inverters, AND and OR gates; NAND gates alone; NOR gates alone.
enum class TGateStyle { AndOrNot, NandOnly, NorOnly };

// The gates a netlist is made of, as TGate kinds.
enum class TOp { Nand = 0, Nor = 2, And = 4, Or = 5 };

// The PartNo of a TGate of that kind and number of inputs.
int GatePartNo(TOp op, size_t inputs);

struct TGateNode {
    TOp Op;
    std::vector<int> Inputs;
    // Gates of column c read only nets of the inputs (column 0) and of gates left of c.
    int Column = 1;
};

// The gates and nets of a circuit, before any of them has a place. Nets 2i and 2i + 1 are input i and its
// complement; the net of gate k is 2·inputs + k.
class TNetlist {
public:
    explicit TNetlist(int inputs) : inputs_(inputs), used_(2 * static_cast<size_t>(inputs), false) {}

    // The output net of f's minimal sum of products, or product of sums, in the style; its gates are added, and the
    // literals it reads are marked used. A constant is built from the first input and its complement (A + /A,
    // A·/A), so that it does not depend on the switches.
    int AddForm(const TBoolFunction& f, TGateStyle style, bool productOfSums);

    int Inputs() const { return inputs_; }
    bool Used(int net) const { return used_.at(static_cast<size_t>(net)); }
    const std::vector<TGateNode>& Gates() const { return gates_; }
    int ColumnOf(int net) const;

private:
    int Literal(int input, bool complemented);
    int Gate(TOp op, std::vector<int> inputs);
    int Tree(TOp op, std::vector<int> nets);
    int Inverting(TOp op, const std::vector<int>& nets);
    int Invert(TOp op, int net) { return Gate(op, {net, net}); }

    int inputs_;
    std::vector<bool> used_;
    std::vector<TGateNode> gates_;
};
