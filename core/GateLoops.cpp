#include "GateLoops.h"

namespace {

using TOp = TPartsBase::TCalcOp;

// With the function and the input count known at compile time, each gate is a few loads, compares
// and one store.
template <TOp Op, uint32_t N>
void Run(const std::vector<uint32_t>& first, int32_t* levels)
{
    for (const uint32_t f : first) {
        int32_t* in = levels + f;
        in[N] = GateLevel(Op, in, N);
    }
}

template <uint32_t N>
void RunInputs(TOp op, const std::vector<uint32_t>& first, int32_t* levels)
{
    switch (op) {
    case TOp::Nand: Run<TOp::Nand, N>(first, levels); break;
    case TOp::Nor: Run<TOp::Nor, N>(first, levels); break;
    case TOp::And: Run<TOp::And, N>(first, levels); break;
    case TOp::Or: Run<TOp::Or, N>(first, levels); break;
    case TOp::Xor: Run<TOp::Xor, N>(first, levels); break;
    case TOp::Xnor: Run<TOp::Xnor, N>(first, levels); break;
    case TOp::Not: Run<TOp::Not, N>(first, levels); break;
    case TOp::None: break;
    }
}

}  // namespace

void RunGateGroup(TOp op, uint32_t inputs, const std::vector<uint32_t>& first, int32_t* levels)
{
    switch (inputs) {
    case 1: RunInputs<1>(op, first, levels); break;
    case 2: RunInputs<2>(op, first, levels); break;
    case 3: RunInputs<3>(op, first, levels); break;
    case 4: RunInputs<4>(op, first, levels); break;
    case 5: RunInputs<5>(op, first, levels); break;
    default:
        for (const uint32_t f : first) levels[f + inputs] = GateLevel(op, levels + f, inputs);
        break;
    }
}
