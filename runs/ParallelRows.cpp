#include "ParallelRows.h"

#include "Board.h"
#include "GateLoops.h"
#include "PartU.h"
#include "PassProgram.h"

#include <algorithm>
#include <utility>

namespace {

using TOp = TPartsBase::TCalcOp;
constexpr uint32_t None = TPassProgram::None;

// The lanes whose number has bit b set, for b below 6.
constexpr uint64_t LaneBits[6] = {0xAAAAAAAAAAAAAAAA, 0xCCCCCCCCCCCCCCCC, 0xF0F0F0F0F0F0F0F0,
                                  0xFF00FF00FF00FF00, 0xFFFF0000FFFF0000, 0xFFFFFFFF00000000};

// With every level low or high, a gate's level depends only on whether any input is high and
// whether all are (an inverter reads its one input, of which both say the same). The form is read
// off GateLevel itself in the three cases there are: none high, some but not all, all high.
uint8_t FormOf(TOp op, uint32_t inputs)
{
    std::vector<int32_t> levels(std::max<uint32_t>(inputs, 1), LevelLow);
    const auto high = [&] { return GateLevel(op, levels.data(), inputs) == LevelHigh; };
    const bool none = high();
    bool some = none;
    if (inputs >= 2) {
        levels[0] = LevelHigh;
        some = high();
    }
    std::fill(levels.begin(), levels.end(), LevelHigh);
    const bool all = high();
    return static_cast<uint8_t>(none | (none != some) << 1 | (some != all) << 2);
}

// The passes a lamp may still take to come to rest once its input keeps its level: the rest of a
// countdown for the other level, then a whole one for this level, each as long as
// TAfterglowPart::CountdownFor makes it, and for a lamp before its writer one more, which brings it
// round to its input when its Tick read the input before the writer's Tick set it. A countdown
// begun before its afterglow time was edited may be longer than either.
int64_t Afterglow(const TLED& lamp, bool beforeWriter)
{
    const int64_t toHigh = 20, toLow = std::max<int64_t>(int64_t{lamp.ZanzoTime} * 10, 1);
    const int64_t longer = std::max(toHigh, toLow);
    return std::max(toHigh + toLow, std::max<int64_t>(lamp.Countdown, 0) + longer) + (beforeWriter ? longer : 0);
}

// Whether the part's Calc and Tick write no level that anything reads. Displays and scope probes
// only read; a sub-board terminal copies its inner terminal to its outer one, which no pass writes
// into or reads from, the nets running through it; a part without terminals (a text box) has
// nothing to compute. Any other part computes something of its own.
bool Quiet(const TPartsBase& part)
{
    return part.Tanshis.Empty() || dynamic_cast<const TLED7SEG*>(&part) || dynamic_cast<const TScope*>(&part) ||
           dynamic_cast<const TBoxTerminal*>(&part);
}

// Bit c of a[r] and bit r of a[c] trade places: 64 words of lanes become 64 words of outputs.
void Transpose(uint64_t (&a)[64])
{
    uint64_t m = 0x00000000FFFFFFFF;
    for (unsigned j = 32; j != 0; j >>= 1, m ^= m << j) {
        for (unsigned k = 0; k < 64; k = ((k | j) + 1) & ~j) {
            const uint64_t t = ((a[k] >> j) ^ a[k | j]) & m;
            a[k] ^= t << j;
            a[k | j] ^= t;
        }
    }
}

}  // namespace

TParallelRows::TParallelRows(TBord& board, const std::vector<TSwitch*>& inputs,
                             const std::vector<const TTanshi*>& outputs)
    : inputs_(inputs.size()), outputs_(outputs.size())
{
    board.SetConnectTanshi();
    board.ResolveNets();
    Compile(board, inputs, outputs);
    if (!supported_) {
        gates_.clear();
        ins_.clear();
        outputNodes_.clear();
    }
}

void TParallelRows::Compile(TBord& board, const std::vector<TSwitch*>& inputs,
                            const std::vector<const TTanshi*>& outputs)
{
    // The program lives only here: it binds the board's terminals while it lives.
    const TPassProgram program(board);
    const size_t slots = program.Levels.size();

    // What each slot takes in the tick: the last writer's output, in list order.
    std::vector<uint32_t> driver(slots, None);
    for (size_t g = 0; g < program.GatherTo.size(); ++g) driver[program.GatherTo[g]] = program.GatherFrom[g];
    for (const TPassProgram::TStep& step : program.Steps)
        if (!step.Part) driver[step.To] = step.From;
    const auto sourceOf = [&](uint32_t slot) { return driver[slot] != None ? driver[slot] : slot; };

    // The node of a slot that nothing drives: low (0) after a run's start, which resets every
    // terminal, unless its own part sets it; the switches' are their inputs' (from 2).
    std::vector<uint32_t> nodeAt(slots, 0);
    // The gates, by the slot of their output; the lamps a row waits for.
    std::vector<uint32_t> gateAt(slots, None);
    std::vector<uint32_t> gateParts;
    bool lamps = false;
    int64_t afterglow = 0;
    for (uint32_t p = 0; p < program.Parts.size(); ++p) {
        const TPartsBase& part = *program.Parts[p];
        if (program.Pinned[p]) return;
        if (program.Roles[p] == TPassProgram::TRole::Gate) {
            if (program.FirstSlot[p + 1] - program.FirstSlot[p] < 2) return;
            gateAt[program.FirstSlot[p + 1] - 1] = static_cast<uint32_t>(gateParts.size());
            gateParts.push_back(p);
        } else if (dynamic_cast<const TSwitch*>(&part)) {
            // Only a click changes its level; its Calc does nothing.
        } else if (const auto* lamp = dynamic_cast<const TLED*>(&part)) {
            // Of the parts that only read, only a lamp holds a row up, while its afterglow runs.
            if (lamp->Tanshis.Empty()) continue;
            lamps = true;
            const uint32_t writer = driver[program.FirstSlot[p]];
            const bool beforeWriter = writer != None && program.OwnerOf[writer] > p;
            if (beforeWriter) lampsShowInputs_ = false;
            afterglow = std::max(afterglow, Afterglow(*lamp, beforeWriter));
        } else if (dynamic_cast<const TMatrix8X8*>(&part)) {
            // Its Calc sets its open inputs high.
            for (uint32_t s = program.FirstSlot[p]; s < program.FirstSlot[p + 1]; ++s)
                if (!part.Tanshis.Items(static_cast<int>(s - program.FirstSlot[p]))->Linked) nodeAt[s] = 1;
        } else if (!Quiet(part)) {
            return;
        }
    }

    std::vector<const TPartsBase*> onBoard(program.Parts.begin(), program.Parts.end());
    std::sort(onBoard.begin(), onBoard.end());
    for (size_t i = 0; i < inputs.size(); ++i) {
        const TSwitch* input = inputs[i];
        if (!input || !std::binary_search(onBoard.begin(), onBoard.end(), input)) return;
        if (!input->Tanshis.Empty()) nodeAt[program.SlotOf(*input->Tanshis.Items(0))] = static_cast<uint32_t>(2 + i);
    }

    // The gates in the order signals flow through them; one left over feeds back on itself.
    const auto inputsOf = [&](uint32_t gate) {
        const uint32_t p = gateParts[gate];
        const uint32_t n = program.FirstSlot[p + 1] - program.FirstSlot[p] - 1;
        return std::pair{program.FirstSlot[p], program.Ops[p] == TOp::Not ? 1u : n};
    };
    const uint32_t gates = static_cast<uint32_t>(gateParts.size());
    std::vector<uint32_t> waiting(gates, 0), fanStart(gates + 1, 0), fan;
    std::vector<std::pair<uint32_t, uint32_t>> edges;
    for (uint32_t g = 0; g < gates; ++g) {
        const auto [first, n] = inputsOf(g);
        for (uint32_t k = 0; k < n; ++k) {
            const uint32_t from = gateAt[sourceOf(first + k)];
            if (from == None) continue;
            edges.emplace_back(from, g);
            ++waiting[g];
            ++fanStart[from + 1];
        }
    }
    for (uint32_t g = 0; g < gates; ++g) fanStart[g + 1] += fanStart[g];
    fan.resize(edges.size());
    std::vector<uint32_t> next(fanStart.begin(), fanStart.end() - 1);
    for (const auto& [from, to] : edges) fan[next[from]++] = to;
    std::vector<uint32_t> order, depth(gates, 1);
    order.reserve(gates);
    for (uint32_t g = 0; g < gates; ++g)
        if (waiting[g] == 0) order.push_back(g);
    for (size_t k = 0; k < order.size(); ++k) {
        const uint32_t g = order[k];
        for (uint32_t e = fanStart[g]; e < fanStart[g + 1]; ++e) {
            depth[fan[e]] = std::max(depth[fan[e]], depth[g] + 1);
            if (--waiting[fan[e]] == 0) order.push_back(fan[e]);
        }
    }
    if (order.size() != gates) return;

    std::vector<uint32_t> position(gates);
    for (uint32_t k = 0; k < gates; ++k) position[order[k]] = k;
    const uint32_t firstGate = static_cast<uint32_t>(2 + inputs.size());
    const auto nodeOf = [&](uint32_t slot) {
        const uint32_t source = sourceOf(slot);
        return gateAt[source] != None ? firstGate + position[gateAt[source]] : nodeAt[source];
    };
    for (const uint32_t g : order) {
        const auto [first, n] = inputsOf(g);
        gates_.push_back({n, FormOf(program.Ops[gateParts[g]], n)});
        for (uint32_t k = 0; k < n; ++k) ins_.push_back(nodeOf(first + k));
    }
    for (const TTanshi* output : outputs) {
        const uint32_t slot = output ? program.SlotOf(*output) : None;
        if (slot == None) return;
        outputNodes_.push_back(nodeOf(slot));
    }

    // After its inputs change a row's levels change for at most as many passes as the longest chain
    // of gates and one, the first carrying the switches' levels to what they drive; a pass later
    // nothing changes. A lamp's input keeps its level from that one pass on; its afterglow then ends.
    const int64_t longest = gates == 0 ? 0 : *std::max_element(depth.begin(), depth.end());
    passesToSettle_ = longest + 2;
    if (lamps) passesToSettle_ = std::max(passesToSettle_, longest + 1 + afterglow);
    values_.assign(firstGate + gates, 0);
    supported_ = true;
}

void TParallelRows::Evaluate(const uint64_t* inputWords, size_t count)
{
    uint64_t* v = values_.data();
    v[0] = 0;
    v[1] = ~uint64_t{0};
    for (size_t i = 0; i < inputs_; ++i) v[2 + i] = i < count ? inputWords[i] : 0;
    const uint32_t* in = ins_.data();
    uint64_t* out = v + 2 + inputs_;
    for (const TGateStep& g : gates_) {
        uint64_t any = 0, all = ~uint64_t{0};
        for (uint32_t k = 0; k < g.Count; ++k) {
            const uint64_t x = v[in[k]];
            any |= x;
            all &= x;
        }
        in += g.Count;
        const uint64_t c0 = 0 - static_cast<uint64_t>(g.Form & 1u);
        const uint64_t c1 = 0 - static_cast<uint64_t>((g.Form >> 1) & 1u);
        const uint64_t c2 = 0 - static_cast<uint64_t>((g.Form >> 2) & 1u);
        *out++ = c0 ^ (c1 & any) ^ (c2 & all);
    }
}

std::optional<std::vector<uint64_t>> TParallelRows::Run(const std::vector<uint64_t>& inputWords, int64_t limit)
{
    if (!Fits(limit)) return std::nullopt;
    Evaluate(inputWords.data(), inputWords.size());
    std::vector<uint64_t> words;
    words.reserve(outputNodes_.size());
    for (const uint32_t node : outputNodes_) words.push_back(values_[node]);
    return words;
}

std::optional<TParallelTable> TParallelRows::Table(int64_t limit)
{
    if (!Fits(limit) || inputs_ > MaxTableInputs) return std::nullopt;
    TParallelTable table;
    table.Rows = size_t{1} << inputs_;
    table.Outputs = outputs_;
    table.Stride = (outputs_ + 63) / 64;
    table.Words.assign(table.Rows * table.Stride, 0);
    std::vector<uint64_t> words(inputs_);
    uint64_t block[64];
    for (size_t first = 0; first < table.Rows; first += Lanes) {
        for (size_t i = 0; i < inputs_; ++i) {
            const size_t bit = inputs_ - 1 - i;
            words[i] = bit < 6 ? LaneBits[bit] : ((first >> bit) & 1 ? ~uint64_t{0} : 0);
        }
        Evaluate(words.data(), words.size());
        const size_t lanes = std::min(Lanes, table.Rows - first);
        for (size_t c = 0; c < table.Stride; ++c) {
            for (size_t k = 0; k < 64; ++k) {
                const size_t o = c * 64 + k;
                block[k] = o < outputs_ ? values_[outputNodes_[o]] : 0;
            }
            Transpose(block);
            for (size_t l = 0; l < lanes; ++l) table.Words[(first + l) * table.Stride + c] = block[l];
        }
    }
    return table;
}
