#pragma once

#include "Level.h"
#include "PartsBase.h"

#include <cstdint>
#include <vector>

// A gate's output level from its n input levels, exactly as the gates' own Calc computes it.
inline int32_t GateLevel(TPartsBase::TCalcOp op, const int32_t* in, uint32_t n)
{
    using TOp = TPartsBase::TCalcOp;
    if (op == TOp::Not) return in[0] == LevelHigh ? LevelLow : LevelHigh;
    bool allHigh = true, anyHigh = false, anyNotLow = false, anyNotHigh = false;
    for (uint32_t i = 0; i < n; ++i) {
        allHigh = allHigh && in[i] == LevelHigh;
        anyHigh = anyHigh || in[i] == LevelHigh;
        anyNotLow = anyNotLow || in[i] != LevelLow;
        anyNotHigh = anyNotHigh || in[i] != LevelHigh;
    }
    const bool mixed = anyNotLow && anyNotHigh;
    bool high = false;
    switch (op) {
    case TOp::Nand: high = !allHigh; break;
    case TOp::Nor: high = !anyHigh; break;
    case TOp::And: high = allHigh; break;
    case TOp::Or: high = anyHigh; break;
    case TOp::Xor: high = mixed; break;
    default: high = !mixed; break;
    }
    return high ? LevelHigh : LevelLow;
}

// Computes every gate of one function and input count; each gate is given by its first slot, its
// output being the slot after its inputs.
void RunGateGroup(TPartsBase::TCalcOp op, uint32_t inputs, const std::vector<uint32_t>& first, int32_t* levels);
