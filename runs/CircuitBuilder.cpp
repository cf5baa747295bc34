#include "CircuitBuilder.h"

#include "CircuitText.h"
#include "CommaText.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <cstddef>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

struct TPt {
    int x = 0;
    int y = 0;
    auto operator<=>(const TPt&) const = default;
};

// The gates a netlist is made of, as TGate kinds.
enum class TOp { Nand = 0, Nor = 2, And = 4, Or = 5 };

constexpr int MaxGateInputs = 4;

int GatePartNo(TOp op, size_t inputs) { return 8 * (static_cast<int>(inputs) - 2) + static_cast<int>(op); }

// Where a gate's inputs lie below its top edge, by input count (2 to 4), in terminal order.
int InputOffset(size_t inputs, size_t i)
{
    static constexpr std::array<std::array<int, 4>, 3> rows{{{10, 30, -1, -1}, {10, 20, 30, -1}, {0, 40, 10, 30}}};
    return rows.at(inputs - 2).at(i);
}

// Groups of two to four, as even as they come, for a tree of more than four.
std::vector<std::vector<int>> Groups(const std::vector<int>& nets)
{
    const size_t count = (nets.size() + MaxGateInputs - 1) / MaxGateInputs;
    std::vector<std::vector<int>> groups(count);
    for (size_t i = 0; i < nets.size(); ++i) groups[i * count / nets.size()].push_back(nets[i]);
    return groups;
}

struct TGateNode {
    TOp Op;
    std::vector<int> Inputs;
    int Column = 1;
};

// The gates and nets of the circuit, before any of them has a place. Nets 2i and 2i + 1 are input i and its
// complement; the net of gate k is 2·inputs + k.
class TNetlist {
public:
    explicit TNetlist(int inputs) : inputs_(inputs), used_(2 * static_cast<size_t>(inputs), false) {}

    int Literal(TLiteral l, bool flip = false)
    {
        const int net = 2 * l.Input + ((l.Complemented != flip) ? 1 : 0);
        used_.at(static_cast<size_t>(net)) = true;
        return net;
    }

    int Gate(TOp op, std::vector<int> inputs)
    {
        int column = 1;
        for (int net : inputs) column = std::max(column, ColumnOf(net) + 1);
        gates_.push_back({op, std::move(inputs), column});
        return 2 * inputs_ + static_cast<int>(gates_.size()) - 1;
    }

    // AND or OR of the nets, as a tree of gates of up to four inputs; one net is itself.
    int Tree(TOp op, std::vector<int> nets)
    {
        while (nets.size() > MaxGateInputs) {
            std::vector<int> next;
            for (std::vector<int>& group : Groups(nets)) next.push_back(Gate(op, std::move(group)));
            nets = std::move(next);
        }
        return nets.size() == 1 ? nets[0] : Gate(op, std::move(nets));
    }

    // NAND or NOR of the nets made of that gate alone; of one net, the gate with both inputs on it.
    int Inverting(TOp op, const std::vector<int>& nets)
    {
        if (nets.size() == 1) return Invert(op, nets[0]);
        if (nets.size() <= MaxGateInputs) return Gate(op, nets);
        std::vector<int> next;
        for (const std::vector<int>& group : Groups(nets)) next.push_back(Invert(op, Inverting(op, group)));
        return Inverting(op, next);
    }

    int Invert(TOp op, int net) { return Gate(op, {net, net}); }

    int Inputs() const { return inputs_; }
    bool Used(int net) const { return used_.at(static_cast<size_t>(net)); }
    const std::vector<TGateNode>& Gates() const { return gates_; }
    int ColumnOf(int net) const
    {
        return net < 2 * inputs_ ? 0 : gates_.at(static_cast<size_t>(net - 2 * inputs_)).Column;
    }

private:
    int inputs_;
    std::vector<bool> used_;
    std::vector<TGateNode> gates_;
};

struct TPlacedPart {
    std::string Class;
    int PartNo = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int WayCount = 4;
    std::vector<std::string> Extra;
    std::vector<TPt> Pins;
};

struct TSegment {
    TPt A;
    TPt B;
    int Net = 0;
};

bool StrictlyInside(TPt p, TPt a, TPt b)
{
    if (a.x == b.x && p.x == a.x) return std::min(a.y, b.y) < p.y && p.y < std::max(a.y, b.y);
    if (a.y == b.y && p.y == a.y) return std::min(a.x, b.x) < p.x && p.x < std::max(a.x, b.x);
    return false;
}

bool OnSegment(TPt p, const TSegment& s) { return p == s.A || p == s.B || StrictlyInside(p, s.A, s.B); }

// Whether a horizontal or vertical segment passes through the inside of a part's body (its edges do not count).
bool Crosses(const TSegment& s, const TPlacedPart& part)
{
    const int left = std::min(s.A.x, s.B.x), right = std::max(s.A.x, s.B.x);
    const int top = std::min(s.A.y, s.B.y), bottom = std::max(s.A.y, s.B.y);
    const int pl = part.Left, pr = part.Left + part.Width, pt = part.Top, pb = part.Top + part.Height;
    if (top == bottom) return pt < top && top < pb && left < pr && right > pl;
    return pl < left && left < pr && top < pb && bottom > pt;
}

// Each net's wires cut where an end of the same net lies on them, so that every meeting is at wire ends; then the
// checks the engine's linking relies on, and that no two parts overlap. A failure here is a fault of the layout, not
// of the caller's input.
std::vector<TSegment> SplitAndCheck(const std::vector<TSegment>& wires, const std::vector<TPlacedPart>& parts)
{
    std::map<int, std::set<TPt>> endsByNet;
    for (const TSegment& s : wires) {
        if (s.A.x != s.B.x && s.A.y != s.B.y) throw std::logic_error("circuit builder: a slanted wire");
        endsByNet[s.Net].insert(s.A);
        endsByNet[s.Net].insert(s.B);
    }
    std::vector<TSegment> segments;
    for (const TSegment& s : wires) {
        if (s.A == s.B) continue;
        std::vector<TPt> cuts{s.A, s.B};
        for (TPt p : endsByNet[s.Net])
            if (StrictlyInside(p, s.A, s.B)) cuts.push_back(p);
        const auto distance = [&](TPt p) { return std::abs(p.x - s.A.x) + std::abs(p.y - s.A.y); };
        std::sort(cuts.begin(), cuts.end(), [&](TPt p, TPt q) { return distance(p) < distance(q); });
        for (size_t i = 0; i + 1 < cuts.size(); ++i) segments.push_back({cuts[i], cuts[i + 1], s.Net});
    }
    for (size_t i = 0; i < parts.size(); ++i)
        for (size_t j = i + 1; j < parts.size(); ++j) {
            const TPlacedPart& p = parts[i];
            const TPlacedPart& q = parts[j];
            if (p.Left < q.Left + q.Width && q.Left < p.Left + p.Width && p.Top < q.Top + q.Height &&
                q.Top < p.Top + p.Height)
                throw std::logic_error("circuit builder: two parts overlap");
        }
    std::set<TPt> pins;
    for (const TPlacedPart& part : parts)
        for (TPt p : part.Pins) pins.insert(p);
    std::map<TPt, int> endCount;
    for (const TSegment& s : segments) {
        ++endCount[s.A];
        ++endCount[s.B];
    }
    for (const TSegment& s : segments) {
        for (TPt p : pins)
            if (StrictlyInside(p, s.A, s.B)) throw std::logic_error("circuit builder: a wire through a terminal");
        for (const auto& [net, ends] : endsByNet)
            if (net != s.Net)
                for (TPt p : ends)
                    if (OnSegment(p, s)) throw std::logic_error("circuit builder: wires of two nets meet");
        for (TPt p : {s.A, s.B})
            if (endCount[p] < 2 && !pins.contains(p)) throw std::logic_error("circuit builder: a loose wire end");
        for (const TPlacedPart& part : parts)
            if (Crosses(s, part)) throw std::logic_error("circuit builder: a wire across a part");
    }
    return segments;
}

void CheckName(const std::string& name)
{
    if (name.empty()) throw std::invalid_argument("circuit builder: an empty name");
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            throw std::invalid_argument("circuit builder: a name with a control character");
    if (name.front() == ' ' || name.back() == ' ')
        throw std::invalid_argument("circuit builder: a name with blanks around it");
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

// A laid-out circuit: the parts (the switches first, the lamp last), the wires cut where they meet, the junction
// dots and the labels, the inputs' first.
struct TLayout {
    std::vector<TPlacedPart> Parts;
    std::vector<TSegment> Wires;
    std::vector<TPt> Dots;
    std::vector<std::pair<std::string, TPt>> Labels;
};

TPlacedPart LabelBox(const std::string& text, TPt at)
{
    return {"TTextBox", 0, at.x, at.y, 6 * static_cast<int>(text.size()), 12, 0,
            {"Text=" + EncodeCommaText({text}), "FontSize=12"}, {}};
}

// The output net of f's form in the style, its gates added to the netlist.
int AddForm(TNetlist& netlist, const TBoolFunction& f, TGateStyle style, bool productOfSums)
{
    const std::vector<std::vector<TLiteral>> terms = Terms(f, productOfSums);
    std::vector<int> termNets;
    if (style == TGateStyle::AndOrNot) {
        const TOp inner = productOfSums ? TOp::Or : TOp::And;
        const TOp outer = productOfSums ? TOp::And : TOp::Or;
        for (const auto& term : terms) {
            std::vector<int> nets;
            for (const TLiteral& l : term) nets.push_back(netlist.Literal(l));
            termNets.push_back(netlist.Tree(inner, nets));
        }
        return netlist.Tree(outer, termNets);
    }
    const TOp op = style == TGateStyle::NandOnly ? TOp::Nand : TOp::Nor;
    // NAND–NAND is a sum of products and NOR–NOR a product of sums, the first level giving each term's
    // complement; the other form takes the complemented literals and an inverter at the end.
    const bool natural = (style == TGateStyle::NandOnly) != productOfSums;
    for (const auto& term : terms) {
        if (term.size() == 1) {
            termNets.push_back(netlist.Literal(term[0], natural));
            continue;
        }
        std::vector<int> nets;
        for (const TLiteral& l : term) nets.push_back(netlist.Literal(l, !natural));
        termNets.push_back(netlist.Inverting(op, nets));
    }
    if (natural) return netlist.Inverting(op, termNets);
    return termNets.size() == 1 ? termNets[0] : netlist.Invert(op, netlist.Inverting(op, termNets));
}

// The layout of BuildCircuit, with margin pixels more left of the switches' labels.
TLayout LayOut(const TAnalysisTable& table, TGateStyle style, bool productOfSums, int margin)
{
    const std::vector<std::string>& inputNames = table.Inputs;
    const int n = static_cast<int>(inputNames.size());
    if (n < 1) throw std::invalid_argument("circuit builder: a function of no inputs");
    if (table.Outputs.empty() || table.Functions.size() != table.Outputs.size())
        throw std::invalid_argument("circuit builder: no outputs, or not a function for each");
    for (const TBoolFunction& f : table.Functions)
        if (f.Inputs() != n) throw std::invalid_argument("circuit builder: the names do not match the inputs");
    std::set<std::string> names;
    const auto check = [&](const std::string& name) {
        CheckName(name);
        if (!names.insert(name).second) throw std::invalid_argument("circuit builder: a name given twice");
    };
    for (const std::string& name : inputNames) check(name);
    for (const std::string& name : table.Outputs) check(name);

    // The logic, output by output; literals are shared, gates not.
    TNetlist netlist(n);
    std::vector<int> outputs;
    for (const TBoolFunction& f : table.Functions) outputs.push_back(AddForm(netlist, f, style, productOfSums));

    // The places. Input rows at the top, a literal bus pair per input right of them, then a column of gates per
    // level on rows below the input rows; each gate output has a vertical track of its own in the gap right of its
    // column, and each gate input is fed from its net's bus or track by a horizontal wire.
    size_t longest = 0;
    for (const std::string& name : inputNames) longest = std::max(longest, name.size());
    const int switchLeft = static_cast<int>((30 + 6 * longest + 9) / 10 * 10) + margin;
    constexpr int firstRow = 40, rowPitch = 80, bandPitch = 60;
    const int jx = switchLeft + 40, inverterLeft = switchLeft + 60, busLeft = inverterLeft + 60;
    const auto busX = [&](int net) { return busLeft + 40 * (net / 2) + 20 * (net % 2); };
    const int gateTop = firstRow + rowPitch * n + 20;

    std::vector<TPlacedPart> parts;
    std::vector<TSegment> wires;
    std::vector<std::pair<std::string, TPt>> labels;
    std::map<int, int> trackX;
    std::map<int, std::vector<int>> trackYs;
    const auto wire = [&](TPt a, TPt b, int net) { wires.push_back({a, b, net}); };

    for (int i = 0; i < n; ++i) {
        const int top = firstRow + rowPitch * i, yo = top + 10;
        parts.push_back({"TTglSW", 0, switchLeft, top, 20, 20, 4, {}, {{switchLeft + 20, yo}}});
        labels.emplace_back(inputNames[static_cast<size_t>(i)],
                            TPt{switchLeft - 10 - 6 * static_cast<int>(inputNames[static_cast<size_t>(i)].size()),
                                top + 4});
    }
    for (int i = 0; i < n; ++i) {
        const int yo = firstRow + rowPitch * i + 10, plain = 2 * i, complement = plain + 1;
        const TPt out{switchLeft + 20, yo};
        if (netlist.Used(complement)) {
            std::vector<int> ins;
            if (style == TGateStyle::AndOrNot) {
                parts.push_back({"TNot", 0, inverterLeft, yo - 20, 40, 40, 4, {},
                                 {{inverterLeft, yo}, {inverterLeft + 40, yo}}});
                ins = {yo};
            } else {
                const TOp op = style == TGateStyle::NandOnly ? TOp::Nand : TOp::Nor;
                parts.push_back({"TGate", GatePartNo(op, 2), inverterLeft, yo - 20, 40, 40, 4, {},
                                 {{inverterLeft, yo - 10}, {inverterLeft, yo + 10}, {inverterLeft + 40, yo}}});
                ins = {yo - 10, yo + 10};
            }
            wire(out, {jx, yo}, plain);
            int low = yo, high = yo;
            for (int y : ins) {
                wire({jx, y}, {inverterLeft, y}, plain);
                low = std::min(low, y);
                high = std::max(high, y);
            }
            if (netlist.Used(plain)) {
                high = yo + 30;
                wire({jx, high}, {busX(plain), high}, plain);
                trackYs[plain].push_back(high);
            }
            wire({jx, low}, {jx, high}, plain);
            wire({inverterLeft + 40, yo}, {busX(complement), yo}, complement);
            trackYs[complement].push_back(yo);
        } else if (netlist.Used(plain)) {
            wire(out, {busX(plain), yo}, plain);
            trackYs[plain].push_back(yo);
        }
        trackX[plain] = busX(plain);
        trackX[complement] = busX(complement);
    }

    const std::vector<TGateNode>& gates = netlist.Gates();
    int lastColumn = 0;
    for (const TGateNode& g : gates) lastColumn = std::max(lastColumn, g.Column);
    std::vector<int> columnX(static_cast<size_t>(lastColumn) + 2, 0), tracks(static_cast<size_t>(lastColumn) + 2, 0);
    for (const TGateNode& g : gates) ++tracks[static_cast<size_t>(g.Column)];
    columnX[1] = busLeft + 40 * n + 20;
    for (size_t c = 1; c + 1 < columnX.size(); ++c) columnX[c + 1] = columnX[c] + 40 + 20 * (tracks[c] + 1);

    // Rows of gates. A gate's wires reach from the gap its first source's track lies in to the gap right of it, so
    // gates share a row only where those spans do not overlap: then no wire to one passes another, and every track a
    // wire crosses has no end at that height. Spans may touch at a gap, the right gate's inputs coming from the tracks
    // the left gate's output joins, unless the right gate has three inputs, one level with that output.
    struct TSpan {
        int From = 0;
        int To = 0;
        bool Middle = false;
    };
    std::vector<std::vector<TSpan>> rows;
    const auto fits = [](const TSpan& a, const TSpan& b) {
        return a.To < b.From || b.To < a.From || (a.To == b.From && !b.Middle) || (b.To == a.From && !a.Middle);
    };
    std::vector<std::pair<int, TPt>> taps;
    std::vector<int> nextTrack(columnX.size(), 0);
    int rowCount = 0;
    // An output whose last gate stands in the last column is wired straight to its lamp, level with it; only
    // outputs have gates there, each its own.
    const auto straight = [&](int net) {
        return net >= 2 * n && netlist.ColumnOf(net) == lastColumn &&
               std::find(outputs.begin(), outputs.end(), net) != outputs.end();
    };
    std::map<int, TPt> outputPins;
    for (size_t k = 0; k < gates.size(); ++k) {
        const TGateNode& g = gates[k];
        TSpan span{g.Column, g.Column, g.Inputs.size() == 3};
        for (int net : g.Inputs) span.From = std::min(span.From, netlist.ColumnOf(net));
        size_t row = 0;
        while (row < rows.size() &&
               !std::all_of(rows[row].begin(), rows[row].end(), [&](const TSpan& other) { return fits(span, other); }))
            ++row;
        if (row == rows.size()) rows.emplace_back();
        rows[row].push_back(span);
        rowCount = static_cast<int>(rows.size());

        const int left = columnX[static_cast<size_t>(g.Column)], top = gateTop + bandPitch * static_cast<int>(row);
        TPlacedPart part{"TGate", GatePartNo(g.Op, g.Inputs.size()), left, top, 40, 40, 4, {}, {}};
        for (size_t i = 0; i < g.Inputs.size(); ++i) {
            const TPt pin{left, top + InputOffset(g.Inputs.size(), i)};
            part.Pins.push_back(pin);
            taps.emplace_back(g.Inputs[i], pin);
        }
        const TPt pin{left + 40, top + 20};
        part.Pins.push_back(pin);
        parts.push_back(std::move(part));
        const int net = 2 * n + static_cast<int>(k);
        trackX[net] = left + 40 + 20 * (++nextTrack[static_cast<size_t>(g.Column)]);
        if (straight(net)) {
            outputPins[net] = pin;
            continue;
        }
        wire(pin, {trackX[net], pin.y}, net);
        trackYs[net].push_back(pin.y);
    }
    // The lamps in a column right of the gates: level with a last-column gate and wired straight to it; or on rows
    // of their own below the gates, fed from a track or an input's bus, whose wires cross the tracks of the other
    // outputs there without meeting them.
    const int lampLeft = columnX[static_cast<size_t>(lastColumn) + 1];
    int lowRow = gateTop + bandPitch * rowCount + 20;
    for (size_t k = 0; k < outputs.size(); ++k) {
        const int net = outputs[k];
        const bool fromGate = straight(net);
        const int lampTop = fromGate ? outputPins.at(net).y - 10 : std::exchange(lowRow, lowRow + 40);
        const TPt lampPin{lampLeft, lampTop + 10};
        parts.push_back({"TLED", 0, lampLeft, lampTop, 20, 20, 4, {"ZanzoTime=1"}, {lampPin}});
        labels.emplace_back(table.Outputs[k], TPt{lampLeft + 2, lampTop - 14});
        if (fromGate)
            wire(outputPins.at(net), lampPin, net);
        else
            taps.emplace_back(net, lampPin);
    }

    for (const auto& [net, pin] : taps) {
        wire({trackX.at(net), pin.y}, pin, net);
        trackYs[net].push_back(pin.y);
    }
    for (const auto& [net, ys] : trackYs) {
        const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
        wire({trackX.at(net), *low}, {trackX.at(net), *high}, net);
    }

    std::vector<TPlacedPart> bodies = parts;
    for (const auto& [text, at] : labels) bodies.push_back(LabelBox(text, at));
    TLayout layout{std::move(parts), SplitAndCheck(wires, bodies), {}, std::move(labels)};
    std::map<TPt, int> endCount;
    for (const TSegment& s : layout.Wires) {
        ++endCount[s.A];
        ++endCount[s.B];
    }
    for (const auto& [p, count] : endCount)
        if (count >= 3) layout.Dots.push_back(p);
    return layout;
}

TPlacedPart WirePart(TPt a, TPt b)
{
    return {"TCode", 0, std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y), 0, {}, {}};
}

// Circuit text of the parts, those of the box's list inside it (the box first, at index 0 of parts when there is
// one), the others on the board.
TStrings CircuitLines(const std::vector<TPlacedPart>& parts, size_t boxed = 0)
{
    TStrings lines{CircuitTextHeader};
    const TPlacedPart* box = boxed > 0 ? &parts.front() : nullptr;
    for (size_t i = 0; i < parts.size(); ++i) {
        const TPlacedPart& p = parts[i];
        const bool inside = box && i > 0 && i < boxed;
        const std::string left = std::to_string(p.Left), top = std::to_string(p.Top);
        for (std::string line :
             {"ClassName=" + p.Class, "Name=" + p.Class + std::to_string(i),
              "ContainerName=" + (inside ? box->Class + "0" : std::string()), "PartNo=" + std::to_string(p.PartNo),
              "Left=" + left, "Top=" + top, "OffsetLeft=" + std::to_string(p.Left - (inside ? box->Left : 0)),
              "OffsetTop=" + std::to_string(p.Top - (inside ? box->Top : 0)), "Width=" + std::to_string(p.Width),
              "Height=" + std::to_string(p.Height), "WayCount=" + std::to_string(p.WayCount), std::string("Way=0")})
            lines.push_back(std::move(line));
        lines.insert(lines.end(), p.Extra.begin(), p.Extra.end());
        lines.push_back("End");
    }
    return lines;
}

// The wires and the junction dots of the layout, after its parts.
void AddWiring(std::vector<TPlacedPart>& parts, const TLayout& layout)
{
    for (const TSegment& s : layout.Wires) parts.push_back(WirePart(s.A, s.B));
    for (const TPt p : layout.Dots) parts.push_back({"TDot", 0, p.x - 10, p.y - 10, 20, 20, 1, {}, {}});
}

}  // namespace

TStrings BuildCircuit(const TAnalysisTable& table, TGateStyle style, bool productOfSums)
{
    const TLayout layout = LayOut(table, style, productOfSums, 0);
    std::vector<TPlacedPart> parts = layout.Parts;
    AddWiring(parts, layout);
    for (const auto& [text, at] : layout.Labels) parts.push_back(LabelBox(text, at));
    return CircuitLines(parts);
}

TBuiltSubBoard BuildSubBoard(const TAnalysisTable& table, TGateStyle style, bool productOfSums)
{
    // Room left of the box for a switch per input and its label, in the circuit that tries it.
    constexpr int tester = 40;
    const TLayout layout = LayOut(table, style, productOfSums, tester);
    const size_t n = table.Inputs.size(), outputs = table.Outputs.size(), firstLamp = layout.Parts.size() - outputs;
    const int boxLeft = layout.Parts.front().Left, boxRight = layout.Parts.back().Left + layout.Parts.back().Width;
    int bottom = 0;
    for (const TPlacedPart& p : layout.Parts) bottom = std::max(bottom, p.Top + p.Height);
    for (const TSegment& s : layout.Wires) bottom = std::max({bottom, s.A.y, s.B.y});
    const int boxTop = layout.Parts.front().Top - 20;

    // The switches become input terminals on the box's left edge, the lamps output terminals on its right edge:
    // each terminal's inner side where the part's terminal was, its outer side on the edge.
    std::vector<TPlacedPart> parts{{"TContainer", 0, boxLeft, boxTop, boxRight - boxLeft, bottom + 20 - boxTop, 0,
                                    {"MacroName="}, {}}};
    for (TPlacedPart p : layout.Parts) {
        if (p.Class == "TTglSW") p = {"TInTerminal", 0, p.Left, p.Top, 20, 20, 4, {}, {}};
        if (p.Class == "TLED") p = {"TOutTerminal", 1, p.Left, p.Top, 20, 20, 4, {}, {}};
        parts.push_back(std::move(p));
    }
    AddWiring(parts, layout);
    const size_t boxed = parts.size();

    // Outside: each input's name left of its terminal, each output's right of its terminal.
    std::vector<TPlacedPart> named;
    for (size_t i = 0; i < n; ++i) named.push_back(LabelBox(layout.Labels[i].first, layout.Labels[i].second));
    for (size_t k = 0; k < outputs; ++k)
        named.push_back(LabelBox(table.Outputs[k], {boxRight + 6, layout.Parts[firstLamp + k].Top + 4}));
    TBuiltSubBoard built;
    std::vector<TPlacedPart> placed = parts;
    placed.insert(placed.end(), named.begin(), named.end());
    built.Placed = CircuitLines(placed, boxed);

    // The circuit that tries it: a labelled switch wired to each input terminal, a labelled lamp to each output one.
    for (size_t i = 0; i < n; ++i) {
        const int top = layout.Parts[i].Top, y = top + 10;
        parts.push_back({"TTglSW", 0, boxLeft - tester, top, 20, 20, 4, {}, {}});
        parts.push_back(WirePart({boxLeft - tester + 20, y}, {boxLeft, y}));
        const std::string& name = table.Inputs[i];
        parts.push_back(LabelBox(name, {boxLeft - tester - 10 - 6 * static_cast<int>(name.size()), top + 4}));
    }
    for (size_t k = 0; k < outputs; ++k) {
        const int top = layout.Parts[firstLamp + k].Top;
        parts.push_back({"TLED", 0, boxRight + tester - 20, top, 20, 20, 4, {"ZanzoTime=1"}, {}});
        parts.push_back(WirePart({boxRight, top + 10}, {boxRight + tester - 20, top + 10}));
        parts.push_back(LabelBox(table.Outputs[k], {boxRight + tester - 18, top - 14}));
    }
    built.Tester = CircuitLines(parts, boxed);
    return built;
}

TTableResult TryBuilt(const TBuiltSubBoard& built, const TAnalysisTable& table)
{
    return CheckCircuitText(AnalysisTest(table, true), built.Tester);
}
