// The smallest sums of products and products of sums, checked against a brute force.
#include "FormText.h"
#include "Minimizer.h"
#include "RandomLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

using TRows = std::bitset<256>;

// The smallest cover found by brute force, for up to eight inputs: every cube tried as a prime, then every cover that
// takes, for the first one left uncovered, each prime that covers it.
class TBruteCover {
public:
    explicit TBruteCover(const TBoolFunction& f)
    {
        TRows zeros;
        for (uint32_t row = 0; row < f.Rows(); ++row) {
            ones_[row] = f.At(row) == TLogicValue::One;
            zeros[row] = f.At(row) == TLogicValue::Zero;
        }
        const uint32_t rows = f.Rows();
        std::vector<bool> implicant(rows * rows);
        std::vector<std::pair<TCube, TRows>> candidates;
        for (uint32_t care = 0; care < rows; ++care)
            for (uint32_t value = 0; value < rows; ++value) {
                if ((value & ~care) != 0) continue;
                TRows covered;
                const uint32_t freeBits = (rows - 1) & ~care;
                for (uint32_t part = freeBits;; part = (part - 1) & freeBits) {
                    covered[value | part] = true;
                    if (part == 0) break;
                }
                implicant[care * rows + value] = (covered & zeros).none();
                if (implicant[care * rows + value] && (covered & ones_).any())
                    candidates.emplace_back(TCube{care, value}, covered);
            }
        for (const auto& [cube, covered] : candidates) {
            bool prime = true;
            for (uint32_t bit = 1; bit < rows; bit <<= 1)
                prime = prime &&
                        ((cube.Care & bit) == 0 || !implicant[(cube.Care & ~bit) * rows + (cube.Value & ~bit)]);
            if (prime) primes_.emplace_back(cube, covered);
        }
    }

    size_t Primes() const { return primes_.size(); }
    TCoverCost Best()
    {
        best_ = {INT_MAX, 0};
        Cover(ones_, {});
        return best_;
    }

private:
    void Cover(const TRows& left, TCoverCost cost)
    {
        if (left.none()) {
            best_ = std::min(best_, cost);
            return;
        }
        if (TCoverCost{cost.Terms + 1, cost.Literals} >= best_) return;
        uint32_t row = 0;
        while (!left[row]) ++row;
        for (const auto& [prime, covered] : primes_)
            if (covered[row]) Cover(left & ~covered, {cost.Terms + 1, cost.Literals + prime.Literals()});
    }

    TRows ones_;
    std::vector<std::pair<TCube, TRows>> primes_;
    TCoverCost best_;
};

// Both minimal forms are right for the function and, when asked, as small as the brute force finds; a failure names
// the function by its table of 0, 1 and X.
testing::AssertionResult Minimal(const TBoolFunction& f, bool sumAgainstBruteForce, bool productAgainstBruteForce)
{
    std::string table;
    for (TLogicValue value : f.Values()) table += "01X"[static_cast<int>(value)];
    const TMinimalForm sum = MinimizeSumOfProducts(f), product = MinimizeProductOfSums(f);
    if (SumOfProductsError(f, sum.Terms) || ProductOfSumsError(f, product.Terms))
        return testing::AssertionFailure() << "a wrong cover of " << table;
    if (!sum.Proven || !product.Proven) return testing::AssertionFailure() << "no proof for " << table;
    if (sumAgainstBruteForce && CostOf(sum.Terms) != TBruteCover(f).Best())
        return testing::AssertionFailure() << "a sum of products too large for " << table;
    if (productAgainstBruteForce && CostOf(product.Terms) != TBruteCover(f.Complement()).Best())
        return testing::AssertionFailure() << "a product of sums too large for " << table;
    return testing::AssertionSuccess();
}

const std::vector<std::string> Names{"A", "B", "C", "D", "E", "F"};

}  // namespace

TEST(Minimizer, EveryFunctionOfUpToFourInputsGetsTheSmallestForms)
{
    // Up to three inputs every function with its don't-cares; four inputs every function of ones and zeros, and a
    // sample with don't-cares. A product of sums is the sum of products of the complement, itself one of the functions
    // tried, so four inputs check it against the brute force on every fourth only, those with don't-cares among them.
    for (int inputs = 0; inputs <= 3; ++inputs) {
        TBoolFunction f(inputs);
        uint32_t count = 1;
        for (uint32_t row = 0; row < f.Rows(); ++row) count *= 3;
        for (uint32_t number = 0; number < count; ++number) {
            uint32_t digits = number;
            for (uint32_t row = 0; row < f.Rows(); ++row, digits /= 3) f.Set(row, static_cast<TLogicValue>(digits % 3));
            ASSERT_TRUE(Minimal(f, true, true));
        }
    }
    std::mt19937 random(4);
    for (uint32_t number = 0; number < 65536; ++number) {
        TBoolFunction f(4);
        for (uint32_t row = 0; row < 16; ++row) f.Set(row, static_cast<TLogicValue>(number >> row & 1));
        if (number % 8 == 0)
            for (uint32_t row = 0; row < 16; ++row)
                if (random() % 5 == 0) f.Set(row, TLogicValue::DontCare);
        ASSERT_TRUE(Minimal(f, true, number % 4 == 0));
    }
}

TEST(Minimizer, RandomFunctionsOfFiveToEightInputsMatchTheBruteForceAndBeatTheQuickCover)
{
    std::mt19937 random(7);
    int compared = 0;
    for (int round = 0; round < 240; ++round) {
        const int inputs = 5 + round % 4;
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << inputs << " inputs");
        // A few random products with don't-cares sprinkled over the zeros: few enough primes to try every cover.
        TBoolFunction f(inputs);
        for (int cube = 0, cubes = 1 + static_cast<int>(random() % 5); cube < cubes; ++cube) {
            const TCube product = RandomCube(random, inputs, 60);
            for (uint32_t row = 0; row < f.Rows(); ++row)
                if (product.Covers(row)) f.Set(row, TLogicValue::One);
        }
        for (uint32_t row = 0; row < f.Rows(); ++row)
            if (f.At(row) == TLogicValue::Zero && random() % 8 == 0) f.Set(row, TLogicValue::DontCare);
        EXPECT_TRUE(Minimal(f, false, false));
        if (TBruteCover brute(f); brute.Primes() <= 40) {
            EXPECT_EQ(CostOf(MinimalSumOfProducts(f)), brute.Best());
            ++compared;
        }
        // Functions of any density: the quick cover is a cover too, never smaller than the exact one.
        const TBoolFunction dense = RandomFunction(random, inputs, 10 + random() % 60, random() % 30);
        const auto quick = QuickSumOfProducts(dense), exact = MinimalSumOfProducts(dense);
        EXPECT_EQ(SumOfProductsError(dense, quick), std::nullopt);
        EXPECT_EQ(SumOfProductsError(dense, exact), std::nullopt);
        EXPECT_LE(CostOf(exact), CostOf(quick));
    }
    EXPECT_GT(compared, 150);
}

TEST(Minimizer, TextbookFunctions)
{
    struct Row {
        const char* what;
        int inputs;
        std::vector<uint32_t> ones, dontCares;
        const char* sop;
        const char* pos;
    };
    const Row rows[] = {
        {"half adder sum", 2, {1, 2}, {}, "/A·B + A·/B", "(A + B)·(/A + /B)"},
        {"half adder carry and decoder output 3", 2, {3}, {}, "A·B", "A·B"},
        {"decoder output 0", 2, {0}, {}, "/A·/B", "/A·/B"},
        {"decoder output 1", 2, {1}, {}, "/A·B", "/A·B"},
        {"decoder output 2", 2, {2}, {}, "A·/B", "A·/B"},
        {"majority", 3, {3, 5, 6, 7}, {}, "A·B + A·C + B·C", "(A + B)·(A + C)·(B + C)"},
        {"odd parity", 3, {1, 2, 4, 7}, {}, "/A·/B·C + /A·B·/C + A·/B·/C + A·B·C",
         "(A + B + C)·(A + /B + /C)·(/A + B + /C)·(/A + /B + C)"},
        {"segment a of a BCD decoder", 4, {0, 2, 3, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15},
         "A + /B·/D + B·D + C", "(A + B + C + /D)·(/B + C + D)"},
        {"zero", 3, {}, {}, "0", "0"},
        {"one", 2, {0, 1, 2, 3}, {}, "1", "1"},
        {"nothing but don't-cares", 2, {}, {0, 1, 2, 3}, "0", "1"},
        {"one of no inputs", 0, {0}, {}, "1", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const TBoolFunction f = TBoolFunction::FromRows(row.inputs, row.ones, row.dontCares);
        const std::vector<std::string> names(Names.begin(), Names.begin() + row.inputs);
        EXPECT_EQ(FormatSumOfProducts(MinimalSumOfProducts(f), names), row.sop);
        EXPECT_EQ(FormatProductOfSums(MinimalProductOfSums(f), names), row.pos);
    }
    // The don't-cares of segment a save five literals; of the two equally small sums of the other example
    // the minimizer gives either, and its product of sums is the only smallest one.
    const auto segment = [](std::vector<uint32_t> dontCares) {
        return CostOf(MinimalSumOfProducts(TBoolFunction::FromRows(4, {0, 2, 3, 5, 6, 7, 8, 9}, dontCares)));
    };
    EXPECT_EQ(segment({10, 11, 12, 13, 14, 15}), (TCoverCost{4, 6}));
    EXPECT_EQ(segment({}), (TCoverCost{4, 11}));
    const TBoolFunction twoWays = TBoolFunction::FromRows(4, {1, 3, 7, 11, 15}, {0, 2, 5});
    const std::string sum = FormatSumOfProducts(MinimalSumOfProducts(twoWays), {"A", "B", "C", "D"});
    EXPECT_TRUE(sum == "/A·/B + C·D" || sum == "/A·D + C·D") << sum;
    EXPECT_EQ(FormatProductOfSums(MinimalProductOfSums(twoWays), {"A", "B", "C", "D"}), "(/A + C)·D");
}

TEST(Minimizer, ACostCountsTermsAndLiteralsAndACheckNamesTheFirstWrongRow)
{
    EXPECT_EQ(CostOf({CubeOf("1-0"), CubeOf("-1-"), CubeOf("---")}), (TCoverCost{3, 3}));
    // A product asking a value of an input it does not care about covers nothing.
    EXPECT_EQ(SumOfProductsError(TBoolFunction::FromRows(2, {3}), {TCube{0b01, 0b11}}), 3u);
    const TBoolFunction majority = TBoolFunction::FromRows(3, {3, 5, 6, 7});
    EXPECT_EQ(SumOfProductsError(majority, {CubeOf("11-"), CubeOf("1-1")}), 3u);
    EXPECT_EQ(SumOfProductsError(majority, {CubeOf("11-"), CubeOf("1-1"), CubeOf("-1-")}), 2u);
    EXPECT_EQ(ProductOfSumsError(majority, {CubeOf("00-"), CubeOf("0-0"), CubeOf("-00")}), std::nullopt);
    EXPECT_EQ(ProductOfSumsError(majority, {CubeOf("00-"), CubeOf("0-0")}), 4u);
}

TEST(Minimizer, TenInputsExactlyUpToSixteenQuicklyAndASearchPastItsEffortKeepsACover)
{
    std::mt19937 random(10);
    for (const auto& [ones, dontCares] : {std::pair{30u, 30u}, std::pair{40u, 15u}}) {
        const TBoolFunction f = RandomFunction(random, 10, ones, dontCares);
        const TMinimalForm exact = MinimizeSumOfProducts(f);
        EXPECT_TRUE(exact.Proven);
        EXPECT_EQ(SumOfProductsError(f, exact.Terms), std::nullopt);
        EXPECT_LE(CostOf(exact.Terms), CostOf(QuickSumOfProducts(f)));
    }
    for (const int inputs : {12, 16}) {
        const TBoolFunction f = RandomFunction(random, inputs, 40, 20);
        const TMinimalForm sum = MinimizeSumOfProducts(f), product = MinimizeProductOfSums(f);
        EXPECT_EQ(SumOfProductsError(f, sum.Terms), std::nullopt);
        EXPECT_EQ(ProductOfSumsError(f, product.Terms), std::nullopt);
        EXPECT_FALSE(sum.Proven || product.Proven);
    }
    // Products no two of which clash in a literal are the only primes, each needed: the quick cover finds them all.
    const std::vector<TCube> products{CubeOf("11--------------"), CubeOf("--10-----------1"),
                                      CubeOf("----1-0-1-0-----"), CubeOf("---0-1-----1-1--")};
    TBoolFunction f(16);
    for (uint32_t row = 0; row < f.Rows(); ++row)
        if (std::any_of(products.begin(), products.end(), [row](const TCube& c) { return c.Covers(row); }))
            f.Set(row, TLogicValue::One);
    auto found = MinimalSumOfProducts(f);
    std::sort(found.begin(), found.end());
    auto sorted = products;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(found, sorted);

    // One when three to six of ten inputs are: thousands of primes, no end to the search in sight.
    TBoolFunction band(10);
    for (uint32_t row = 0; row < band.Rows(); ++row)
        if (std::popcount(row) >= 3 && std::popcount(row) <= 6) band.Set(row, TLogicValue::One);
    const TMinimalForm stopped = MinimizeSumOfProducts(band, 20'000'000);
    EXPECT_FALSE(stopped.Proven);
    EXPECT_EQ(SumOfProductsError(band, stopped.Terms), std::nullopt);
    EXPECT_LT(CostOf(stopped.Terms), CostOf(QuickSumOfProducts(band)));
}
