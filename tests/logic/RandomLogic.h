#pragma once

#include "BoolFunction.h"

#include <random>

// A function of the inputs whose rows are one and don't care at about these percentages, the others zero.
inline TBoolFunction RandomFunction(std::mt19937& random, int inputs, unsigned onePercent, unsigned dontCarePercent)
{
    TBoolFunction f(inputs);
    for (uint32_t row = 0; row < f.Rows(); ++row) {
        const unsigned draw = random() % 100;
        f.Set(row, draw < onePercent                     ? TLogicValue::One
                   : draw < onePercent + dontCarePercent ? TLogicValue::DontCare
                                                         : TLogicValue::Zero);
    }
    return f;
}

// A cube caring about each input at about this percentage.
inline TCube RandomCube(std::mt19937& random, int inputs, unsigned carePercent)
{
    TCube cube;
    for (int bit = 0; bit < inputs; ++bit)
        if (random() % 100 < carePercent) {
            cube.Care |= 1u << bit;
            cube.Value |= (random() & 1u) << bit;
        }
    return cube;
}
