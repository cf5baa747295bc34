// Expressions as students type them, read as the functions they compute.
#include "BoolExpression.h"
#include "FormText.h"
#include "Minimizer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Ones(const TBoolFunction& f)
{
    std::string rows;
    for (const TLogicValue v : f.Values()) rows += v == TLogicValue::One ? '1' : '0';
    return rows;
}

}  // namespace

TEST(BoolExpression, EveryNotationReadsAsItsTableWithTheTextbooksPrecedence)
{
    // Expression, inputs in alphabetical order, rows from 0.
    const struct {
        const char* Text;
        std::vector<std::string> Inputs;
        const char* Rows;
    } cases[] = {
        {"F = A·B + /C", {"A", "B", "C"}, "10101011"},
        {"A*B | !C", {"A", "B", "C"}, "10101011"},
        {"A & B ∨ ¬C", {"A", "B", "C"}, "10101011"},
        {"A B + C'", {"A", "B", "C"}, "10101011"},
        {"A(B + C)", {"A", "B", "C"}, "00000111"},
        {"A ^ B C", {"A", "B", "C"}, "00011110"},  // AND binds before XOR
        {"A + B ⊕ B", {"A", "B"}, "0011"},          // XOR before OR
        {"~(A + B)'", {"A", "B"}, "0111"},
        {"A'' · 1 + 0", {"A"}, "01"},
        {"carry_in ⋅ x.1", {"carry_in", "x.1"}, "0001"},
        {"Y = C + B + A", {"A", "B", "C"}, "01111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const TBoolExpression expression = ReadExpression(c.Text);
        EXPECT_EQ(expression.Inputs, c.Inputs);
        EXPECT_EQ(expression.Output, std::string(c.Text).find("Y =") == 0 ? "Y" : "F");
        EXPECT_EQ(Ones(expression.Function), c.Rows);
    }
}

TEST(BoolExpression, TheMinimalFormsTheAnalysisPrintsReadBackAsTheFunctionsTheyCameFrom)
{
    std::mt19937 random(7122026);
    for (int sample = 0; sample < 300; ++sample) {
        const int inputs = 1 + static_cast<int>(random() % 6);
        TBoolFunction f(inputs);
        for (uint32_t r = 0; r < f.Rows(); ++r) f.Set(r, static_cast<TLogicValue>(random() % 3));
        std::vector<std::string> names;
        for (int i = 0; i < inputs; ++i) names.push_back(std::string(1, static_cast<char>('A' + i)));
        for (const bool sums : {false, true}) {
            const std::string form = sums ? FormatProductOfSums(MinimalProductOfSums(f), names)
                                          : FormatSumOfProducts(MinimalSumOfProducts(f), names);
            if (form == "0" || form == "1") continue;  // a constant uses no input
            const TBoolExpression expression = ReadExpression("Z = " + form);
            // A form may leave an input out; its rows are then read over the inputs it uses.
            const TBoolFunction& g = expression.Function;
            for (uint32_t r = 0; r < f.Rows(); ++r) {
                if (f.At(r) == TLogicValue::DontCare) continue;
                uint32_t row = 0;
                for (const std::string& name : expression.Inputs)
                    row = row << 1 | ((r >> (inputs - 1 - (name[0] - 'A'))) & 1);
                ASSERT_EQ(g.At(row), f.At(r)) << form << " row " << r;
            }
        }
    }
}

TEST(BoolExpression, AFaultIsNamedByTheCharacterWhereItStands)
{
    using F = TExpressionFault;
    const struct {
        const char* Text;
        TExpressionFault Fault;
        size_t Column;
        const char* Word;
    } faults[] = {
        {"F = A + ", F::EndsEarly, 0, ""},
        {"F = A + (B", F::NotClosed, 9, ""},
        {"F = A) + B", F::ClosesNone, 6, ""},
        {"F = A # B", F::NotASymbol, 7, ""},
        {"F = 2A", F::NotAName, 5, "2A"},
        {"", F::Empty, 0, ""},
        {"= A", F::NoOutputName, 0, ""},
        {"F = 1 + 0", F::NoInput, 0, ""},
        {"A = A + B", F::OutputIsInput, 0, "A"},
        {"F = A + · B", F::OperandExpected, 9, ""},
        {"F·G = A", F::NoOutputName, 0, ""},
        {"F = A·B # C", F::NotASymbol, 9, ""},  // '·' is one character, two bytes
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.Text);
        try {
            ReadExpression(fault.Text);
            ADD_FAILURE() << "read";
        } catch (const TExpressionError& error) {
            EXPECT_EQ(error.Fault, fault.Fault);
            EXPECT_EQ(error.Column, fault.Column);
            EXPECT_EQ(error.Word, fault.Word);
        }
    }
    std::string wide = "F =";
    for (int i = 0; i < 17; ++i) wide += " X" + std::to_string(i);
    try {
        ReadExpression(wide);
        ADD_FAILURE() << "read";
    } catch (const TExpressionError& error) {
        EXPECT_EQ(error.Fault, F::TooManyInputs);
        EXPECT_EQ(error.Inputs, 17u);
    }
}
