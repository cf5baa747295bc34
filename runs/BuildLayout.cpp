#include "BuildLayout.h"

#include "PartU.h"
#include "WiringCheck.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// Input rows from the top: each row holds its inverter and, below it, the jog of the plain literal to its bus.
constexpr int FirstRow = 40, RowPitch = 80;
// Wires and tracks keep to a grid of this pitch, and parts keep this far from the next column or row.
constexpr int Pitch = 20;

// Places the parts and draws the wires in the order the steps take: the inputs with their labels; the inverters and
// the literals' buses; the gates in columns of their level, on rows below the inputs; the outputs right of the gates;
// then the wires from each net's bus or track to the inputs it feeds, checked and cut where they meet.
class TLayoutBuilder {
public:
    TLayoutBuilder(TBuildBoard& board, const TAnalysisTable& table, TGateStyle style, bool productOfSums, int margin,
                   TLayoutEnds ends)
        : board_(board), table_(table), style_(style), margin_(margin), ends_(ends),
          n_(static_cast<int>(table.Inputs.size())), netlist_(n_)
    {
        // The logic, output by output; literals are shared, gates not.
        for (const TBoolFunction& f : table.Functions) outputs_.push_back(netlist_.AddForm(f, style, productOfSums));
    }

    TLayout Build()
    {
        PlaceInputs();
        PlaceLiterals();
        PlaceGates();
        PlaceOutputs();
        Route();
        return std::move(layout_);
    }

private:
    void PlaceInputs();
    void PlaceLiterals();
    void PlaceGates();
    void PlaceOutputs();
    void Route();

    void Wire(TPt a, TPt b, int net) { wires_.push_back({a, b, net}); }
    // Where the vertical bus of an input's literal runs, the complement right of the plain one.
    int BusX(int net) const { return busLeft_ + 2 * Pitch * (net / 2) + Pitch * (net % 2); }
    // Whether the net is an output whose last gate stands in the last column: it is wired straight to its part,
    // level with it. Only outputs have gates there, each its own.
    bool Straight(int net) const
    {
        return net >= 2 * n_ && netlist_.ColumnOf(net) == lastColumn_ &&
               std::find(outputs_.begin(), outputs_.end(), net) != outputs_.end();
    }
    // The inverter of the style: a NOT, or a NAND or NOR with both inputs on one net.
    std::pair<const char*, int> Inverter() const
    {
        if (style_ == TGateStyle::AndOrNot) return {"TNot", 0};
        return {"TGate", GatePartNo(style_ == TGateStyle::NandOnly ? TOp::Nand : TOp::Nor, 2)};
    }

    TBuildBoard& board_;
    const TAnalysisTable& table_;
    TGateStyle style_;
    int margin_;
    TLayoutEnds ends_;
    int n_;
    TNetlist netlist_;
    std::vector<int> outputs_;

    std::vector<TPartsBase*> inputs_;
    int busLeft_ = 0, gateTop_ = 0, lampLeft_ = 0, lowRow_ = 0, lastColumn_ = 0;
    // Each net's vertical track (an input's literal bus, or the track right of a gate) and the heights it must reach.
    std::map<int, int> trackX_;
    std::map<int, std::vector<int>> trackYs_;
    // Inputs fed from a net's track by a horizontal wire; gate outputs wired straight to their output's part.
    std::vector<std::pair<int, TPt>> taps_;
    std::map<int, TPt> outputPins_;
    std::vector<TSegment> wires_;
    TLayout layout_;
};

void TLayoutBuilder::PlaceInputs()
{
    // The labels first: the widest sets where the inputs stand, on the grid.
    std::vector<TPartsBase*> labels;
    int widest = 0;
    for (const std::string& name : table_.Inputs) {
        labels.push_back(&board_.Label(name));
        widest = std::max(widest, labels.back()->Width);
    }
    // The widest label and its gap at least a pitch from the board's edge, rounded up to the grid of 10.
    const int left = (widest + 3 * Pitch / 2 + 9) / 10 * 10 + margin_;
    for (int i = 0; i < n_; ++i) {
        TPartsBase& input = board_.Part(ends_ == TLayoutEnds::Terminals ? "TInTerminal" : "TTglSW");
        Put(input, {left, FirstRow + RowPitch * i});
        PutLeftOf(*labels[static_cast<size_t>(i)], input);
        inputs_.push_back(&input);
    }
    layout_.Parts = inputs_;
    layout_.Labels = labels;
    gateTop_ = FirstRow + RowPitch * n_ + Pitch;
}

void TLayoutBuilder::PlaceLiterals()
{
    // Right of the inputs a junction column, then the inverters, then a bus for each literal.
    const auto [inverterClass, inverterNo] = Inverter();
    const int jx = OutputPin(*inputs_.front()).x + Pitch, inverterLeft = jx + Pitch;
    busLeft_ = inverterLeft + board_.Size(inverterClass, inverterNo).x + Pitch;
    for (int i = 0; i < n_; ++i) {
        const TPt out = OutputPin(*inputs_[static_cast<size_t>(i)]);
        const int yo = out.y, plain = 2 * i, complement = plain + 1;
        if (netlist_.Used(complement)) {
            TPartsBase& inverter = board_.Part(inverterClass, inverterNo);
            Put(inverter, {inverterLeft, 0});
            Bring(inverter, OutputPin(inverter), {OutputPin(inverter).x, yo});
            layout_.Parts.push_back(&inverter);
            Wire(out, {jx, yo}, plain);
            int low = yo, high = yo;
            for (const TPt pin : InputPins(inverter)) {
                Wire({jx, pin.y}, pin, plain);
                low = std::min(low, pin.y);
                high = std::max(high, pin.y);
            }
            // The plain literal jogs under the inverter to its bus.
            if (netlist_.Used(plain)) {
                high = inverter.Top + inverter.Height + Pitch / 2;
                Wire({jx, high}, {BusX(plain), high}, plain);
                trackYs_[plain].push_back(high);
            }
            Wire({jx, low}, {jx, high}, plain);
            Wire(OutputPin(inverter), {BusX(complement), yo}, complement);
            trackYs_[complement].push_back(yo);
        } else if (netlist_.Used(plain)) {
            Wire(out, {BusX(plain), yo}, plain);
            trackYs_[plain].push_back(yo);
        }
        trackX_[plain] = BusX(plain);
        trackX_[complement] = BusX(complement);
    }
}

void TLayoutBuilder::PlaceGates()
{
    // The gates first, so that the widest of a column sets its width and the tallest the rows' pitch.
    const std::vector<TGateNode>& gates = netlist_.Gates();
    for (const TGateNode& g : gates) lastColumn_ = std::max(lastColumn_, g.Column);
    const size_t columns = static_cast<size_t>(lastColumn_) + 2;
    std::vector<TPartsBase*> parts;
    std::vector<int> widths(columns, 0), tracks(columns, 0), columnX(columns, 0);
    int tallest = 0;
    for (const TGateNode& g : gates) {
        TPartsBase& gate = board_.Part("TGate", GatePartNo(g.Op, g.Inputs.size()));
        parts.push_back(&gate);
        const size_t c = static_cast<size_t>(g.Column);
        widths[c] = std::max(widths[c], gate.Width);
        tallest = std::max(tallest, gate.Height);
        ++tracks[c];
    }
    // Each column is followed by a gap with a vertical track for each of its gates' outputs.
    columnX[1] = busLeft_ + 2 * Pitch * n_ + Pitch;
    for (size_t c = 1; c + 1 < columns; ++c) columnX[c + 1] = columnX[c] + widths[c] + Pitch * (tracks[c] + 1);
    const int rowPitch = tallest + Pitch;

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
    std::vector<int> nextTrack(columns, 0);
    for (size_t k = 0; k < gates.size(); ++k) {
        const TGateNode& g = gates[k];
        TSpan span{g.Column, g.Column, g.Inputs.size() == 3};
        for (int net : g.Inputs) span.From = std::min(span.From, netlist_.ColumnOf(net));
        size_t row = 0;
        while (row < rows.size() &&
               !std::all_of(rows[row].begin(), rows[row].end(), [&](const TSpan& other) { return fits(span, other); }))
            ++row;
        if (row == rows.size()) rows.emplace_back();
        rows[row].push_back(span);

        const size_t c = static_cast<size_t>(g.Column);
        TPartsBase& gate = *parts[k];
        Put(gate, {columnX[c], gateTop_ + rowPitch * static_cast<int>(row)});
        layout_.Parts.push_back(&gate);
        const std::vector<TPt> inputs = InputPins(gate);
        for (size_t i = 0; i < g.Inputs.size(); ++i) taps_.emplace_back(g.Inputs[i], inputs.at(i));
        const TPt pin = OutputPin(gate);
        const int net = 2 * n_ + static_cast<int>(k);
        trackX_[net] = columnX[c] + widths[c] + Pitch * (++nextTrack[c]);
        if (Straight(net)) {
            outputPins_[net] = pin;
            continue;
        }
        Wire(pin, {trackX_[net], pin.y}, net);
        trackYs_[net].push_back(pin.y);
    }
    lampLeft_ = columnX[static_cast<size_t>(lastColumn_) + 1];
    lowRow_ = gateTop_ + rowPitch * static_cast<int>(rows.size()) + Pitch;
}

void TLayoutBuilder::PlaceOutputs()
{
    // In a column right of the gates: level with a last-column gate and wired straight to it; or on rows of their own
    // below the gates, fed from a track or an input's bus, whose wires cross the tracks of the other outputs there
    // without meeting them.
    for (size_t k = 0; k < outputs_.size(); ++k) {
        const int net = outputs_[k];
        TPartsBase& output = board_.Part(ends_ == TLayoutEnds::Terminals ? "TOutTerminal" : "TLED");
        // A lamp that follows its input at once.
        if (auto* lamp = dynamic_cast<TLED*>(&output)) lamp->ZanzoTime = 1;
        Put(output, {lampLeft_, lowRow_});
        if (Straight(net)) {
            Bring(output, InputPins(output).at(0), {lampLeft_, outputPins_.at(net).y});
            Wire(outputPins_.at(net), InputPins(output).at(0), net);
        } else {
            lowRow_ += output.Height + Pitch;
            taps_.emplace_back(net, InputPins(output).at(0));
        }
        TPartsBase& label = board_.Label(table_.Outputs[k]);
        PutAbove(label, output);
        layout_.Parts.push_back(&output);
        layout_.Labels.push_back(&label);
    }
}

void TLayoutBuilder::Route()
{
    for (const auto& [net, pin] : taps_) {
        Wire({trackX_.at(net), pin.y}, pin, net);
        trackYs_[net].push_back(pin.y);
    }
    for (const auto& [net, ys] : trackYs_) {
        const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
        Wire({trackX_.at(net), *low}, {trackX_.at(net), *high}, net);
    }
    std::vector<const TPartsBase*> bodies(layout_.Parts.begin(), layout_.Parts.end());
    bodies.insert(bodies.end(), layout_.Labels.begin(), layout_.Labels.end());
    const std::vector<TSegment> segments = SplitAndCheck(wires_, bodies);
    for (const TSegment& s : segments) layout_.Wires.push_back(&board_.Wire(s.A, s.B));
    for (const TPt p : Junctions(segments)) layout_.Dots.push_back(&board_.Dot(p));
}

}  // namespace

TLayout LayOut(TBuildBoard& board, const TAnalysisTable& table, TGateStyle style, bool productOfSums, int margin,
               TLayoutEnds ends)
{
    return TLayoutBuilder(board, table, style, productOfSums, margin, ends).Build();
}
