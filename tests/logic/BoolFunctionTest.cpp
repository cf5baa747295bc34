// Truth tables of functions and cubes in the textbook's notation.
#include "BoolFunction.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(BoolFunction, CubesInTheTextbooksNotationAndWhatTheyRefuse)
{
    EXPECT_EQ(CubePattern(CubeOf("10-1"), 4), "10-1");
    EXPECT_EQ(CubePattern(CubeOf("10-1"), 6), "--10-1");

    EXPECT_THROW(CubePattern(CubeOf("1--"), 2), std::invalid_argument);
    EXPECT_THROW(CubeOf("1x0"), std::invalid_argument);
    EXPECT_THROW(CubeOf("10101010101010101"), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(17), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(-1), std::invalid_argument);
    EXPECT_THROW(TBoolFunction::FromRows(3, {1, 8}), std::invalid_argument);
    EXPECT_THROW(TBoolFunction::FromRows(3, {1, 2}, {2}), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(2).Set(4, TLogicValue::One), std::out_of_range);
}
