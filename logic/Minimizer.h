#pragma once

#include "BoolFunction.h"
#include "CoverSolver.h"

#include <cstdint>
#include <optional>
#include <vector>

// What a two-level form of these terms costs.
TCoverCost CostOf(const std::vector<TCube>& terms);

// Up to this many inputs the minimal forms are exact; above it they come from the quick heuristic.
inline constexpr int MaxExactInputs = 10;
// How much work the exact search may do, in rows and row-term pairs gone through: a few seconds' worth. Ordinary
// functions need far less; some, such as symmetric functions of many inputs, would take years.
inline constexpr int64_t DefaultEffort = 1'000'000'000;

// A minimal form, and whether it is known to be the smallest: it is not above MaxExactInputs, nor when the search
// ran out of effort and kept the best cover it had found, which is a correct one all the same.
struct TMinimalForm {
    std::vector<TCube> Terms;
    bool Proven = false;
};

// The smallest sum of products, a cube a product, sorted by input order (a complemented literal before a plain one
// before an absent one, input by input). Don't-cares go whichever way makes the sum smaller. The sum of no products is
// the constant 0; a product of no literals is the constant 1.
TMinimalForm MinimizeSumOfProducts(const TBoolFunction& f, int64_t effort = DefaultEffort);
// The smallest product of sums, found as the smallest sum of products of the complement: each cube is the group of
// zeros one sum is 0 on, so the sum holds the complement of each of its literals (the zero group A·/B is the sum
// /A + B). No sums is the constant 1; a sum of no literals the constant 0.
TMinimalForm MinimizeProductOfSums(const TBoolFunction& f, int64_t effort = DefaultEffort);
// Their terms alone.
std::vector<TCube> MinimalSumOfProducts(const TBoolFunction& f);
std::vector<TCube> MinimalProductOfSums(const TBoolFunction& f);
// A sum of prime products found greedily, for any number of inputs: each one not yet covered grows into a prime,
// literal by literal, taking the most uncovered ones each time, and primes the others make unnecessary are dropped.
// Always a correct cover, often but not always the smallest.
std::vector<TCube> QuickSumOfProducts(const TBoolFunction& f);

// The first row a sum of products gets wrong, a one no product covers or a zero one does; none when every row is
// right (a don't-care may go either way).
std::optional<uint32_t> SumOfProductsError(const TBoolFunction& f, const std::vector<TCube>& products);
// The same for a product of sums given as its zero groups, as MinimalProductOfSums gives them.
std::optional<uint32_t> ProductOfSumsError(const TBoolFunction& f, const std::vector<TCube>& sums);
