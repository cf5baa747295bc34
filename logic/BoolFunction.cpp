#include "BoolFunction.h"

#include "CubeRows.h"

#include <stdexcept>

TBoolFunction::TBoolFunction(int inputs) : inputs_(inputs)
{
    CheckInputs(inputs);
    values_.assign(size_t{1} << inputs, TLogicValue::Zero);
}

TBoolFunction TBoolFunction::FromRows(int inputs, const std::vector<uint32_t>& ones,
                                      const std::vector<uint32_t>& dontCares)
{
    TBoolFunction f(inputs);
    const auto place = [&](uint32_t row, TLogicValue value) {
        if (row >= f.Rows()) throw std::invalid_argument("a row past the truth table");
        if (value == TLogicValue::DontCare && f.values_[row] == TLogicValue::One)
            throw std::invalid_argument("a row listed both as one and as don't care");
        f.values_[row] = value;
    };
    for (uint32_t row : ones) place(row, TLogicValue::One);
    for (uint32_t row : dontCares) place(row, TLogicValue::DontCare);
    return f;
}

TBoolFunction TBoolFunction::Complement() const
{
    TBoolFunction complement = *this;
    for (TLogicValue& value : complement.values_)
        if (value != TLogicValue::DontCare) value = value == TLogicValue::One ? TLogicValue::Zero : TLogicValue::One;
    return complement;
}

TCube CubeOf(std::string_view pattern)
{
    if (pattern.size() > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw std::invalid_argument("a cube has at most 16 inputs");
    TCube cube;
    for (char c : pattern) {
        if (c != '0' && c != '1' && c != '-') throw std::invalid_argument("a cube is written with 0, 1 and -");
        cube.Care = cube.Care << 1 | (c != '-' ? 1 : 0);
        cube.Value = cube.Value << 1 | (c == '1' ? 1 : 0);
    }
    return cube;
}

std::string CubePattern(const TCube& cube, int inputs)
{
    CheckInputs(inputs);
    CheckCube(cube, inputs);
    std::string pattern;
    for (int input = 0; input < inputs; ++input) {
        const uint32_t bit = InputBit(inputs, input);
        pattern += (cube.Care & bit) == 0 ? '-' : (cube.Value & bit) != 0 ? '1' : '0';
    }
    return pattern;
}
