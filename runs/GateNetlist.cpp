#include "GateNetlist.h"

#include "FormText.h"
#include "Minimizer.h"

#include <algorithm>
#include <utility>

namespace {

// The widest gate the builder uses; wider terms become trees.
constexpr size_t MaxGateInputs = 4;

// Groups of two to four, as even as they come, for a tree of more than four.
std::vector<std::vector<int>> Groups(const std::vector<int>& nets)
{
    const size_t count = (nets.size() + MaxGateInputs - 1) / MaxGateInputs;
    std::vector<std::vector<int>> groups(count);
    for (size_t i = 0; i < nets.size(); ++i) groups[i * count / nets.size()].push_back(nets[i]);
    return groups;
}

// The terms of the form, each a list of literals; a constant becomes a form of the first input and its complement.
std::vector<std::vector<TLiteral>> Terms(const TBoolFunction& f, bool productOfSums)
{
    const int n = f.Inputs();
    std::vector<std::vector<TLiteral>> terms = productOfSums ? SumLiterals(MinimalProductOfSums(f), n)
                                                             : ProductLiterals(MinimalSumOfProducts(f), n);
    const bool constant =
        terms.empty() || std::any_of(terms.begin(), terms.end(), [](const auto& t) { return t.empty(); });
    if (!constant) return terms;
    // No products is 0 and an empty product 1; no sums is 1 and an empty sum 0.
    const bool one = productOfSums ? terms.empty() : !terms.empty();
    const TLiteral a{0, false}, notA{0, true};
    if (productOfSums == one) return {{a, notA}};  // A + /A as one sum, or A·/A as one product
    return {{a}, {notA}};                          // (A)·(/A), or A + /A as two products
}

}  // namespace

int GatePartNo(TOp op, size_t inputs) { return 8 * (static_cast<int>(inputs) - 2) + static_cast<int>(op); }

int TNetlist::ColumnOf(int net) const
{
    return net < 2 * inputs_ ? 0 : gates_.at(static_cast<size_t>(net - 2 * inputs_)).Column;
}

int TNetlist::Literal(int input, bool complemented)
{
    const int net = 2 * input + (complemented ? 1 : 0);
    used_.at(static_cast<size_t>(net)) = true;
    return net;
}

int TNetlist::Gate(TOp op, std::vector<int> inputs)
{
    int column = 1;
    for (int net : inputs) column = std::max(column, ColumnOf(net) + 1);
    gates_.push_back({op, std::move(inputs), column});
    return 2 * inputs_ + static_cast<int>(gates_.size()) - 1;
}

// AND or OR of the nets, as a tree of gates of up to four inputs; one net is itself.
int TNetlist::Tree(TOp op, std::vector<int> nets)
{
    while (nets.size() > MaxGateInputs) {
        std::vector<int> next;
        for (std::vector<int>& group : Groups(nets)) next.push_back(Gate(op, std::move(group)));
        nets = std::move(next);
    }
    return nets.size() == 1 ? nets[0] : Gate(op, std::move(nets));
}

// NAND or NOR of the nets made of that gate alone; of one net, the gate with both inputs on it.
int TNetlist::Inverting(TOp op, const std::vector<int>& nets)
{
    if (nets.size() == 1) return Invert(op, nets[0]);
    if (nets.size() <= MaxGateInputs) return Gate(op, nets);
    std::vector<int> next;
    for (const std::vector<int>& group : Groups(nets)) next.push_back(Invert(op, Inverting(op, group)));
    return Inverting(op, next);
}

int TNetlist::AddForm(const TBoolFunction& f, TGateStyle style, bool productOfSums)
{
    const std::vector<std::vector<TLiteral>> terms = Terms(f, productOfSums);
    std::vector<int> termNets;
    if (style == TGateStyle::AndOrNot) {
        const TOp inner = productOfSums ? TOp::Or : TOp::And;
        const TOp outer = productOfSums ? TOp::And : TOp::Or;
        for (const auto& term : terms) {
            std::vector<int> nets;
            for (const TLiteral& l : term) nets.push_back(Literal(l.Input, l.Complemented));
            termNets.push_back(Tree(inner, nets));
        }
        return Tree(outer, termNets);
    }
    const TOp op = style == TGateStyle::NandOnly ? TOp::Nand : TOp::Nor;
    // NAND–NAND is a sum of products and NOR–NOR a product of sums, the first level giving each term's
    // complement; the other form takes the complemented literals and an inverter at the end.
    const bool natural = (style == TGateStyle::NandOnly) != productOfSums;
    for (const auto& term : terms) {
        if (term.size() == 1) {
            termNets.push_back(Literal(term[0].Input, term[0].Complemented != natural));
            continue;
        }
        std::vector<int> nets;
        for (const TLiteral& l : term) nets.push_back(Literal(l.Input, l.Complemented == natural));
        termNets.push_back(Inverting(op, nets));
    }
    if (natural) return Inverting(op, termNets);
    return termNets.size() == 1 ? termNets[0] : Invert(op, Inverting(op, termNets));
}
