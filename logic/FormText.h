#pragma once

#include "BoolFunction.h"

#include <string>
#include <vector>

// The terms of a minimal form as a window draws them and as text. A sum of products comes as its products, a product
// of sums as the zero groups of its sums, as the minimizer gives them.

// A literal as a window draws it: the input, and whether it carries an overbar.
struct TLiteral {
    int Input = 0;
    bool Complemented = false;
    bool operator==(const TLiteral&) const = default;
};
// Each term's literals in input order: a product's are complemented where its cube holds 0, a sum's where its zero
// group holds 1. These and the formatting throw std::invalid_argument for a cube that cares about an input past the
// count or has a value outside Care.
std::vector<std::vector<TLiteral>> ProductLiterals(const std::vector<TCube>& products, int inputs);
std::vector<std::vector<TLiteral>> SumLiterals(const std::vector<TCube>& sums, int inputs);

// The plain-text forms, one name an input: A·B + /C for a sum of products, (A + /B)·C for a product of sums (brackets
// only round a sum of several literals among other factors), 0 and 1 for the constants.
std::string FormatSumOfProducts(const std::vector<TCube>& products, const std::vector<std::string>& names);
std::string FormatProductOfSums(const std::vector<TCube>& sums, const std::vector<std::string>& names);
