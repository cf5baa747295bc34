#include "LogicMinimizer.h"

#include <gtest/gtest.h>

#include <bitset>
#include <climits>
#include <random>

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

TBoolFunction RandomFunction(std::mt19937& random, int inputs, unsigned onePercent, unsigned dontCarePercent)
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

TCube RandomCube(std::mt19937& random, int inputs, unsigned carePercent)
{
    TCube cube;
    for (int bit = 0; bit < inputs; ++bit)
        if (random() % 100 < carePercent) {
            cube.Care |= 1u << bit;
            cube.Value |= (random() & 1u) << bit;
        }
    return cube;
}

const std::vector<std::string> Names{"A", "B", "C", "D", "E", "F"};

}  // namespace

TEST(LogicMinimizer, EveryFunctionOfUpToFourInputsGetsTheSmallestForms)
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

TEST(LogicMinimizer, RandomFunctionsOfFiveToEightInputsMatchTheBruteForceAndBeatTheQuickCover)
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

TEST(LogicMinimizer, TextbookFunctions)
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

TEST(LogicMinimizer, FormsForTextAndForDrawingAndWhatTheyRefuse)
{
    const std::vector<TCube> terms{CubeOf("1-0"), CubeOf("-1-"), CubeOf("---")};
    EXPECT_EQ(FormatSumOfProducts(terms, {"A", "B", "C"}), "A·/C + B + 1");
    EXPECT_EQ(FormatProductOfSums(terms, {"A", "B", "C"}), "(/A + C)·/B·0");
    EXPECT_EQ(FormatSumOfProducts(terms, {"x0", "x1", "x2", "x3"}), "x1·/x3 + x2 + 1");
    using TTerms = std::vector<std::vector<TLiteral>>;
    EXPECT_EQ(ProductLiterals(terms, 3), (TTerms{{{0, false}, {2, true}}, {{1, false}}, {}}));
    EXPECT_EQ(SumLiterals(terms, 3), (TTerms{{{0, true}, {2, false}}, {{1, true}}, {}}));
    EXPECT_EQ(CubePattern(CubeOf("10-1"), 4), "10-1");
    EXPECT_EQ(CubePattern(CubeOf("10-1"), 6), "--10-1");
    EXPECT_EQ(CostOf(terms), (TCoverCost{3, 3}));

    EXPECT_THROW(FormatSumOfProducts(terms, {"A", "B"}), std::invalid_argument);
    EXPECT_THROW(CubePattern(CubeOf("1--"), 2), std::invalid_argument);
    EXPECT_THROW(ProductLiterals({TCube{0b01, 0b11}}, 2), std::invalid_argument);
    EXPECT_EQ(SumOfProductsError(TBoolFunction::FromRows(2, {3}), {TCube{0b01, 0b11}}), 3u);
    EXPECT_THROW(CubeOf("1x0"), std::invalid_argument);
    EXPECT_THROW(CubeOf("10101010101010101"), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(17), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(-1), std::invalid_argument);
    EXPECT_THROW(TBoolFunction::FromRows(3, {1, 8}), std::invalid_argument);
    EXPECT_THROW(TBoolFunction::FromRows(3, {1, 2}, {2}), std::invalid_argument);
    EXPECT_THROW(TBoolFunction(2).Set(4, TLogicValue::One), std::out_of_range);
    EXPECT_THROW(TKarnaughMap(7), std::invalid_argument);
}

TEST(KarnaughMap, TextbookLayoutsAndGroupsAcrossTheEdges)
{
    const TKarnaughMap four(4);
    EXPECT_EQ(four.RowInputs(), (std::vector<int>{0, 1}));
    EXPECT_EQ(four.ColumnInputs(), (std::vector<int>{2, 3}));
    std::vector<std::string> labels;
    for (int row = 0; row < four.Rows(); ++row) labels.push_back(four.RowLabel(row));
    EXPECT_EQ(labels, (std::vector<std::string>{"00", "01", "11", "10"}));
    EXPECT_EQ(four.TableRow({2, 3}), 0b1110u);  // AB = 11, CD = 10
    EXPECT_EQ(four.CellsOf(CubeOf("-0-0")), (std::vector<TMapCell>{{0, 0}, {0, 3}, {3, 0}, {3, 3}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("-0-0")).size(), 4u);
    EXPECT_EQ(four.BlocksOf(CubeOf("--10")), (std::vector<TMapBlock>{{0, 3, 4, 1}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("-1-1")), (std::vector<TMapBlock>{{1, 1, 2, 2}}));
    EXPECT_EQ(four.BlocksOf(CubeOf("---0")), (std::vector<TMapBlock>{{0, 0, 4, 1}, {0, 3, 4, 1}}));

    const TKarnaughMap one(1), three(3), five(5), six(6);
    EXPECT_EQ(std::pair(one.Rows(), one.Columns()), std::pair(1, 2));
    EXPECT_EQ(three.ColumnLabel(2), "11");
    EXPECT_EQ(std::pair(five.Rows(), five.Columns()), std::pair(4, 8));
    EXPECT_EQ(five.ColumnLabel(6), "111");  // A = 1, DE = 11
    // Free in the input that chooses the map: the same block in both maps.
    EXPECT_EQ(five.BlocksOf(CubeOf("-11-1")), (std::vector<TMapBlock>{{2, 1, 1, 2}, {2, 5, 1, 2}}));
    EXPECT_EQ(std::pair(six.Rows(), six.Columns()), std::pair(8, 8));
    EXPECT_EQ(six.BlocksOf(CubeOf("--0000")).size(), 4u);
}

TEST(KarnaughMap, EveryCellIsOneRowAndNeighboursDifferInOneInput)
{
    std::mt19937 random(3);
    for (int inputs = 0; inputs <= TKarnaughMap::MaxInputs; ++inputs) {
        SCOPED_TRACE(testing::Message() << inputs << " inputs");
        const TKarnaughMap map(inputs);
        ASSERT_EQ(map.Rows() * map.Columns(), 1 << inputs);
        std::vector<bool> seen(size_t{1} << inputs);
        const auto next = [&](TMapCell a, TMapCell b) {
            return std::popcount(map.TableRow(a) ^ map.TableRow(b)) == 1;
        };
        for (int row = 0; row < map.Rows(); ++row)
            for (int column = 0; column < map.Columns(); ++column) {
                const uint32_t at = map.TableRow({row, column});
                ASSERT_FALSE(seen[at]);
                seen[at] = true;
                ASSERT_EQ(map.Place(at), (TMapCell{row, column}));
                // The next cell within the map, across its edge too, and the same place in the next map.
                const int top = row - row % map.MapRows(), left = column - column % map.MapColumns();
                const int down = top + (row - top + 1) % map.MapRows();
                const int right = left + (column - left + 1) % map.MapColumns();
                EXPECT_TRUE(down == row || next({row, column}, {down, column}));
                EXPECT_TRUE(right == column || next({row, column}, {row, right}));
                EXPECT_TRUE(row + map.MapRows() >= map.Rows() || next({row, column}, {row + map.MapRows(), column}));
                EXPECT_TRUE(column + map.MapColumns() >= map.Columns() ||
                            next({row, column}, {row, column + map.MapColumns()}));
            }
        // A cube's cells are those of the rows it covers, and its blocks, each within one map, tile them.
        for (int round = 0; round < 200; ++round) {
            const TCube cube = RandomCube(random, inputs, 50);
            std::vector<TMapCell> expected;
            for (int row = 0; row < map.Rows(); ++row)
                for (int column = 0; column < map.Columns(); ++column)
                    if (cube.Covers(map.TableRow({row, column}))) expected.push_back({row, column});
            const auto cells = map.CellsOf(cube);
            ASSERT_EQ(cells, expected);
            size_t tiled = 0;
            for (const TMapBlock& block : map.BlocksOf(cube)) {
                EXPECT_EQ(block.Row / map.MapRows(), (block.Row + block.Rows - 1) / map.MapRows());
                EXPECT_EQ(block.Column / map.MapColumns(), (block.Column + block.Columns - 1) / map.MapColumns());
                for (int row = block.Row; row < block.Row + block.Rows; ++row)
                    for (int column = block.Column; column < block.Column + block.Columns; ++column)
                        EXPECT_NE(std::find(cells.begin(), cells.end(), TMapCell{row, column}), cells.end());
                tiled += static_cast<size_t>(block.Rows * block.Columns);
            }
            EXPECT_EQ(tiled, cells.size());
        }
    }
}

TEST(LogicMinimizer, TenInputsExactlyUpToSixteenQuicklyAndASearchPastItsEffortKeepsACover)
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
