// Expressions as students type them, read as the tables of their functions.
#include "BoolExpression.h"
#include "TestTable.h"

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
        const TAnalysisTable table = ParseExpression(c.Text);
        EXPECT_EQ(table.Inputs, c.Inputs);
        EXPECT_EQ(table.Outputs, std::vector<std::string>{std::string(c.Text).find("Y =") == 0 ? "Y" : "F"});
        ASSERT_EQ(table.Functions.size(), 1u);
        EXPECT_EQ(Ones(table.Functions[0]), c.Rows);
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
            const TAnalysisTable table = ParseExpression("Z = " + form);
            // A form may leave an input out; its rows are then read over the inputs it uses.
            const TBoolFunction& g = table.Functions[0];
            for (uint32_t r = 0; r < f.Rows(); ++r) {
                if (f.At(r) == TLogicValue::DontCare) continue;
                uint32_t row = 0;
                for (const std::string& name : table.Inputs)
                    row = row << 1 | ((r >> (inputs - 1 - (name[0] - 'A'))) & 1);
                ASSERT_EQ(g.At(row), f.At(r)) << form << " row " << r;
            }
        }
    }
}

TEST(BoolExpression, AFaultIsNamedByTheCharacterWhereItStands)
{
    const struct {
        const char* Text;
        const char* Says;  // what the message quotes, in any language
    } faults[] = {
        {"F = A + ", ""},   {"F = A + (B", "9"},  {"F = A) + B", "6"}, {"F = A # B", "7"},
        {"F = 2A", "2A"},   {"", ""},             {"= A", "="},        {"F = 1 + 0", ""},
        {"A = A + B", "A"}, {"F = A + · B", "9"}, {"F·G = A", "="},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.Text);
        try {
            ParseExpression(fault.Text);
            ADD_FAILURE() << "read";
        } catch (const TTableError& error) {
            EXPECT_EQ(error.Line, 1u);
            EXPECT_NE(std::string(error.what()).find(fault.Says), std::string::npos) << error.what();
        }
    }
    std::string wide = "F =";
    for (int i = 0; i < 17; ++i) wide += " X" + std::to_string(i);
    EXPECT_THROW(ParseExpression(wide), TTableError);
}
