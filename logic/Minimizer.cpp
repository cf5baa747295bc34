#include "Minimizer.h"

#include "CubeRows.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

// A complemented literal before a plain one before an absent one, input by input.
void SortTerms(std::vector<TCube>& terms, int inputs)
{
    const auto rank = [](const TCube& cube, uint32_t bit) {
        return (cube.Care & bit) == 0 ? 2 : (cube.Value & bit) != 0 ? 1 : 0;
    };
    std::sort(terms.begin(), terms.end(), [&](const TCube& a, const TCube& b) {
        for (int input = 0; input < inputs; ++input) {
            const uint32_t bit = InputBit(inputs, input);
            if (rank(a, bit) != rank(b, bit)) return rank(a, bit) < rank(b, bit);
        }
        return false;
    });
}

// Visits every cube of n inputs in the order of its ternary number, digit i for bit i: 0 and 1 a cared value, 2 free.
template <typename TVisit>
void ForEachTernary(int n, TVisit visit)
{
    std::vector<uint8_t> digits(static_cast<size_t>(n), 0);
    uint32_t care = FullMask(n), value = 0;
    for (uint32_t number = 0;; ++number) {
        visit(number, care, value);
        size_t i = 0;
        for (; i < digits.size() && digits[i] == 2; ++i) {
            digits[i] = 0;
            care |= 1u << i;
        }
        if (i == digits.size()) return;
        if (++digits[i] == 1) {
            value |= 1u << i;
        } else {
            care &= ~(1u << i);
            value &= ~(1u << i);
        }
    }
}

// Every prime implicant that covers a one, from one pass over all 3^n cubes: a cube with a free bit is an implicant
// when both its halves are, and they come before it in ternary order. Then a prime is an implicant no cube with one
// more free bit is.
std::vector<TCube> UsefulPrimes(const TBoolFunction& f)
{
    const int n = f.Inputs();
    const uint32_t full = FullMask(n);
    std::vector<uint32_t> power(static_cast<size_t>(n) + 1, 1);
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) power[i + 1] = power[i] * 3;
    constexpr uint8_t Implicant = 1, HoldsOne = 2;
    std::vector<uint8_t> kind(power.back());
    ForEachTernary(n, [&](uint32_t number, uint32_t care, uint32_t value) {
        if (care == full) {
            const TLogicValue at = f.Values()[value];
            kind[number] = (at != TLogicValue::Zero ? Implicant : 0) | (at == TLogicValue::One ? HoldsOne : 0);
            return;
        }
        const uint32_t step = power[static_cast<size_t>(std::countr_zero(full & ~care))];
        const uint8_t low = kind[number - 2 * step], high = kind[number - step];
        kind[number] = static_cast<uint8_t>((low & high & Implicant) | ((low | high) & HoldsOne));
    });
    std::vector<TCube> primes;
    ForEachTernary(n, [&](uint32_t number, uint32_t care, uint32_t value) {
        if (kind[number] != (Implicant | HoldsOne)) return;
        for (uint32_t bits = care; bits != 0; bits &= bits - 1) {
            const int bit = std::countr_zero(bits);
            if (kind[number + (2 - (value >> bit & 1)) * power[static_cast<size_t>(bit)]] & Implicant) return;
        }
        primes.push_back({care, value});
    });
    return primes;
}

TMinimalForm ExactSumOfProducts(const TBoolFunction& f, int64_t effort)
{
    const std::vector<TCube> primes = UsefulPrimes(f);
    std::vector<int> oneIndex(f.Rows(), -1);
    int ones = 0;
    for (uint32_t row = 0; row < f.Rows(); ++row)
        if (f.Values()[row] == TLogicValue::One) oneIndex[row] = ones++;
    if (ones == 0) return {{}, true};
    std::vector<TBits> columnRows;
    std::vector<int> literals;
    columnRows.reserve(primes.size());
    for (const TCube& prime : primes) {
        TBits& rows = columnRows.emplace_back(static_cast<size_t>(ones));
        ForEachRow(prime, FullMask(f.Inputs()), [&](uint32_t row) {
            if (oneIndex[row] >= 0) rows.Set(static_cast<size_t>(oneIndex[row]));
            return true;
        });
        literals.push_back(prime.Literals());
    }
    const auto [columns, proven] = SolveCover(ones, std::move(columnRows), std::move(literals), effort);
    TMinimalForm form{{}, proven};
    for (int column : columns) form.Terms.push_back(primes[static_cast<size_t>(column)]);
    return form;
}

}  // namespace

TCoverCost CostOf(const std::vector<TCube>& terms)
{
    TCoverCost cost{static_cast<int>(terms.size()), 0};
    for (const TCube& cube : terms) cost.Literals += cube.Literals();
    return cost;
}

TMinimalForm MinimizeSumOfProducts(const TBoolFunction& f, int64_t effort)
{
    // Past MaxExactInputs the exact cover's time grows too fast for a window waiting on it.
    if (f.Inputs() > MaxExactInputs) return {QuickSumOfProducts(f), false};
    TMinimalForm form = ExactSumOfProducts(f, effort);
    SortTerms(form.Terms, f.Inputs());
    return form;
}

TMinimalForm MinimizeProductOfSums(const TBoolFunction& f, int64_t effort)
{
    return MinimizeSumOfProducts(f.Complement(), effort);
}

std::vector<TCube> MinimalSumOfProducts(const TBoolFunction& f) { return MinimizeSumOfProducts(f).Terms; }

std::vector<TCube> MinimalProductOfSums(const TBoolFunction& f) { return MinimizeProductOfSums(f).Terms; }

std::vector<TCube> QuickSumOfProducts(const TBoolFunction& f)
{
    const std::vector<TLogicValue>& values = f.Values();
    const uint32_t full = FullMask(f.Inputs());
    std::vector<uint32_t> covering(values.size());  // how many products of the cover hold each row
    std::vector<TCube> cover;
    for (uint32_t row = 0; row < f.Rows(); ++row) {
        if (values[row] != TLogicValue::One || covering[row] > 0) continue;
        TCube cube{full, row};
        for (;;) {
            uint32_t bestBit = 0;
            int64_t bestGain = -1;
            for (uint32_t bits = cube.Care; bits != 0;) {
                const uint32_t bit = std::bit_floor(bits);
                bits &= ~bit;
                int64_t gain = 0;
                const bool clean = ForEachRow({cube.Care, cube.Value ^ bit}, full, [&](uint32_t other) {
                    gain += values[other] == TLogicValue::One && covering[other] == 0 ? 1 : 0;
                    return values[other] != TLogicValue::Zero;
                });
                if (clean && gain > bestGain) {
                    bestGain = gain;
                    bestBit = bit;
                }
            }
            if (bestGain < 0) break;
            cube.Care &= ~bestBit;
            cube.Value &= ~bestBit;
        }
        ForEachRow(cube, full, [&](uint32_t other) {
            ++covering[other];
            return true;
        });
        cover.push_back(cube);
    }
    // The products with the most literals are the first to go when the others cover their ones.
    std::vector<size_t> order(cover.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return cover[a].Literals() > cover[b].Literals(); });
    std::vector<bool> keep(cover.size(), true);
    for (size_t i : order) {
        const bool spare = ForEachRow(cover[i], full, [&](uint32_t other) {
            return values[other] != TLogicValue::One || covering[other] > 1;
        });
        if (!spare) continue;
        keep[i] = false;
        ForEachRow(cover[i], full, [&](uint32_t other) {
            --covering[other];
            return true;
        });
    }
    std::vector<TCube> kept;
    for (size_t i = 0; i < cover.size(); ++i)
        if (keep[i]) kept.push_back(cover[i]);
    SortTerms(kept, f.Inputs());
    return kept;
}

std::optional<uint32_t> SumOfProductsError(const TBoolFunction& f, const std::vector<TCube>& products)
{
    // Marks the rows product by product when they are fewer than the rows times the products, else tries each product
    // at each row; a product asking a value of an input it does not care about, or past the table, covers nothing.
    const uint32_t full = FullMask(f.Inputs());
    uint64_t marks = 0;
    for (const TCube& cube : products) marks += uint64_t{1} << std::popcount(full & ~cube.Care);
    std::vector<bool> covered(f.Rows());
    if (marks <= uint64_t{f.Rows()} * products.size()) {
        for (const TCube& cube : products)
            if ((cube.Value & ~(cube.Care & full)) == 0)
                ForEachRow({cube.Care & full, cube.Value}, full, [&](uint32_t row) {
                    covered[row] = true;
                    return true;
                });
    } else {
        for (uint32_t row = 0; row < f.Rows(); ++row)
            covered[row] =
                std::any_of(products.begin(), products.end(), [row](const TCube& c) { return c.Covers(row); });
    }
    for (uint32_t row = 0; row < f.Rows(); ++row)
        if (f.Values()[row] != TLogicValue::DontCare && covered[row] != (f.Values()[row] == TLogicValue::One))
            return row;
    return std::nullopt;
}

std::optional<uint32_t> ProductOfSumsError(const TBoolFunction& f, const std::vector<TCube>& sums)
{
    return SumOfProductsError(f.Complement(), sums);
}
