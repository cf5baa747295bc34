// An expression read as the table of its function, and its faults in words.
#include "ExpressionTable.h"
#include "TestTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ExpressionTable, AnExpressionIsTheTableOfItsOneOutput)
{
    const TAnalysisTable table = ParseExpression("Y = A·B + /C");
    EXPECT_EQ(table.Inputs, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(table.Outputs, std::vector<std::string>{"Y"});
    ASSERT_EQ(table.Functions.size(), 1u);
    EXPECT_EQ(table.Functions[0], TBoolFunction::FromRows(3, {0, 2, 4, 6, 7}));
    EXPECT_TRUE(table.Unsettled.empty());
}

TEST(ExpressionTable, AFaultIsNamedByTheCharacterWhereItStands)
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
