// Minimal forms as text and as the literals a window draws.
#include "FormText.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(FormText, FormsForTextAndForDrawingAndWhatTheyRefuse)
{
    const std::vector<TCube> terms{CubeOf("1-0"), CubeOf("-1-"), CubeOf("---")};
    EXPECT_EQ(FormatSumOfProducts(terms, {"A", "B", "C"}), "A·/C + B + 1");
    EXPECT_EQ(FormatProductOfSums(terms, {"A", "B", "C"}), "(/A + C)·/B·0");
    EXPECT_EQ(FormatSumOfProducts(terms, {"x0", "x1", "x2", "x3"}), "x1·/x3 + x2 + 1");
    using TTerms = std::vector<std::vector<TLiteral>>;
    EXPECT_EQ(ProductLiterals(terms, 3), (TTerms{{{0, false}, {2, true}}, {{1, false}}, {}}));
    EXPECT_EQ(SumLiterals(terms, 3), (TTerms{{{0, true}, {2, false}}, {{1, true}}, {}}));

    EXPECT_THROW(FormatSumOfProducts(terms, {"A", "B"}), std::invalid_argument);
    EXPECT_THROW(ProductLiterals({TCube{0b01, 0b11}}, 2), std::invalid_argument);
}
