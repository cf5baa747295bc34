#include "FormText.h"

#include "CubeRows.h"

#include <stdexcept>

namespace {

std::vector<std::vector<TLiteral>> Literals(const std::vector<TCube>& terms, int inputs, bool sums)
{
    CheckInputs(inputs);
    std::vector<std::vector<TLiteral>> literals;
    for (const TCube& cube : terms) {
        CheckCube(cube, inputs);
        std::vector<TLiteral>& term = literals.emplace_back();
        for (int input = 0; input < inputs; ++input)
            if (const uint32_t bit = InputBit(inputs, input); (cube.Care & bit) != 0)
                term.push_back({input, ((cube.Value & bit) != 0) == sums});
    }
    return literals;
}

std::string Format(const std::vector<TCube>& terms, const std::vector<std::string>& names, bool sums)
{
    if (names.size() > static_cast<size_t>(TBoolFunction::MaxInputs))
        throw std::invalid_argument("more names than a function has inputs");
    const auto literals = Literals(terms, static_cast<int>(names.size()), sums);
    if (literals.empty()) return sums ? "1" : "0";
    std::string text;
    for (const std::vector<TLiteral>& term : literals) {
        if (!text.empty()) text += sums ? "\u00B7" : " + ";
        if (term.empty()) {
            text += sums ? "0" : "1";
            continue;
        }
        // As the textbook writes it: brackets only round a sum of several literals among other factors.
        const bool bracket = sums && term.size() > 1 && literals.size() > 1;
        if (bracket) text += '(';
        for (size_t i = 0; i < term.size(); ++i) {
            if (i > 0) text += sums ? " + " : "\u00B7";
            if (term[i].Complemented) text += '/';
            text += names[static_cast<size_t>(term[i].Input)];
        }
        if (bracket) text += ')';
    }
    return text;
}

}  // namespace

std::vector<std::vector<TLiteral>> ProductLiterals(const std::vector<TCube>& products, int inputs)
{
    return Literals(products, inputs, false);
}

std::vector<std::vector<TLiteral>> SumLiterals(const std::vector<TCube>& sums, int inputs)
{
    return Literals(sums, inputs, true);
}

std::string FormatSumOfProducts(const std::vector<TCube>& products, const std::vector<std::string>& names)
{
    return Format(products, names, false);
}

std::string FormatProductOfSums(const std::vector<TCube>& sums, const std::vector<std::string>& names)
{
    return Format(sums, names, true);
}
