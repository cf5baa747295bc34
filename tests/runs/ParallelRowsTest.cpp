// The rows of a combinational board computed 64 at a time, a lane a row: every lane equal to what
// a test table's row settles to on the one-row engine, on random boards and on the shipped
// examples; the boards that must go row by row; how long a row may take to settle.
#include "CircuitFile.h"
#include "CircuitText.h"
#include "ParallelRows.h"
#include "PartU.h"
#include "RowBits.h"
#include "TableCheck.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A board whose wires each run in a vertical track of their own, right of every part, so that two
// of them meet only where they start or end on the same terminal.
struct WiredBoard {
    TestCircuit t;
    int tracks = 0;

    void Segment(int x1, int y1, int x2, int y2)
    {
        auto* wire = t.Bord.Create<TCode>(nullptr);
        wire->DragWidth = std::abs(x2 - x1);
        wire->DragHeight = std::abs(y2 - y1);
        wire->MoveTo(std::min(x1, x2), std::min(y1, y2), false);
    }
    void Wire(const TPartsBase& from, int out, const TPartsBase& to, int in)
    {
        const TPoint a = from.LocalToBoard(from.Tanshis.Items(out)->GetPos());
        const TPoint b = to.LocalToBoard(to.Tanshis.Items(in)->GetPos());
        const int x = 4000 + 4 * tracks++;
        Segment(a.x, a.y, x, a.y);
        if (a.y != b.y) Segment(x, a.y, x, b.y);
        Segment(x, b.y, b.x, b.y);
    }
};

int LastTerminal(const TPartsBase& part) { return part.Tanshis.Count() - 1; }

struct Agreement {
    bool supported = false, lampsShowInputs = false;
    int64_t passesToSettle = 0;
    size_t rows = 0;
    std::string fault;  // the first difference, empty when none
};

// Runs every row of the table of the board's switches (board order) both ways: one by one as a
// test table runs them, and 64 lanes at a time. Read are every terminal of every other part (as
// NAME.I) and, where lamps show their inputs, what every lamp shows against its input's word.
Agreement CompareRows(TBord& board, TEngineMode engine)
{
    std::vector<TSwitch*> inputs;
    std::vector<const TTanshi*> outputs;
    std::vector<bool> shown;
    TTestTable test;
    const auto read = [&](const std::string& name, const TTanshi* t, bool lamp) {
        outputs.push_back(t);
        shown.push_back(lamp);
        test.Outputs.push_back({name, name, false});
    };
    for (int i = 0; i < board.Count(); ++i) {
        TPartsBase* o = board.Items(i);
        const std::string name = o->ClassName() + std::to_string(i);
        if (auto* input = dynamic_cast<TSwitch*>(o)) {
            inputs.push_back(input);
            test.Inputs.push_back({name, name, false});
        } else if (o->Is(cfPart)) {
            if (dynamic_cast<TLED*>(o) && !o->Tanshis.Empty()) read(name, o->Tanshis.Items(0), true);
            for (int k = 0; k < o->Tanshis.Count(); ++k)
                read(name + "." + std::to_string(k), o->Tanshis.Items(k), false);
        }
    }
    Agreement a;
    TParallelRows lanes(board, inputs, outputs);
    a.supported = lanes.Supported();
    a.passesToSettle = lanes.PassesToSettle();
    a.lampsShowInputs = lanes.LampsShowTheirInputs();
    const std::optional<TParallelTable> table = lanes.Table();
    if (!table) {
        if (a.supported) a.fault = "no table within the limit";
        return a;
    }
    a.rows = table->Rows;
    for (size_t r = 0, n = inputs.size(); r < table->Rows; ++r) {
        TTableRow row;
        const std::string bits = RowBits(r, n);
        row.Values.assign(bits.begin(), bits.end());
        row.Values.insert(row.Values.end(), outputs.size(), 'X');
        test.Rows.push_back(std::move(row));
    }
    board.Context().Engine = engine;
    const TTableResult reference = CheckTable(test, board, PositionalNames(board));
    a.fault = reference.Error;
    for (size_t r = 0; r < table->Rows && a.fault.empty(); ++r) {
        const TRowResult& row = reference.Rows[r];
        if (row.Verdict == TRowResult::Unsettled || row.Passes > a.passesToSettle)
            a.fault = "row " + std::to_string(r) + " took " + std::to_string(row.Passes) + " passes";
        for (size_t c = 0; c < outputs.size() && a.fault.empty(); ++c)
            if ((row.Actual[c] == '1') != table->High(r, c) && (a.lampsShowInputs || !shown[c]))
                a.fault = "row " + std::to_string(r) + ": " + test.Outputs[c].Title + " was " + row.Actual[c];
    }
    return a;
}

// Switches, then gates and inverters of every function and input count, each input wired to a
// switch or an earlier gate (now and then through a sub-board terminal standing in the wire) or
// left open; lamps on some gates; sometimes a scope probe, a seven-segment display, a dot matrix
// and a text box reading random sources. Sometimes the last switch is placed after the gates,
// before or after the lamps, and wired onto a driven input, so that the net it joins has two
// writers and the later in the list sets it.
void BuildRandom(WiredBoard& b, std::mt19937& rng)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const int switches = pick(2, 6), gates = pick(5, 30);
    const bool late = switches >= 3 && pick(0, 3) == 0, lateAfterLamps = pick(0, 1) == 0;
    std::vector<TPartsBase*> sources, placed;
    const auto source = [&]() -> TPartsBase& {
        return *sources[static_cast<size_t>(pick(0, int(sources.size()) - 1))];
    };
    for (int j = 0; j < switches - late; ++j) sources.push_back(b.t.Place<TTglSW>(900, 100 * j));
    std::vector<std::pair<TPartsBase*, int>> driven;
    for (int k = 0; k < gates; ++k) {
        TPartsBase* gate = pick(0, 5) == 0 ? static_cast<TPartsBase*>(b.t.Place<TNot>(1000, 100 * k, pick(0, 1)))
                                           : b.t.Place<TGate>(1000, 100 * k, 8 * pick(0, 3) + pick(0, 7));
        for (int i = 0; i < LastTerminal(*gate); ++i) {
            if (pick(0, 15) == 0) continue;
            TPartsBase& from = source();
            if (pick(0, 15) == 0) {
                auto* relay = b.t.Place<TInTerminal>(1300, 100 * k + 20 * i);
                b.Wire(from, LastTerminal(from), *relay, 0);
                b.Wire(*relay, 1, *gate, i);
            } else {
                b.Wire(from, LastTerminal(from), *gate, i);
            }
            driven.emplace_back(gate, i);
        }
        placed.push_back(gate);
        sources.push_back(gate);
    }
    if (pick(0, 7) == 0) {
        auto* probe = b.t.Place<TScope>(1400, 0);
        auto* display = b.t.Place<TLED7SEG>(1400, 200, pick(0, 1));
        auto* matrix = b.t.Place<TMatrix8X8>(1400, 400);  // its Calc sets its open inputs high
        b.t.Place<TTextBox>(1400, 600)->DrawnLines = {"Y"};
        for (int i = 0; i < 4; ++i)
            for (TPartsBase* reader : {static_cast<TPartsBase*>(probe), static_cast<TPartsBase*>(display),
                                       static_cast<TPartsBase*>(matrix)}) {
                TPartsBase& from = source();
                b.Wire(from, LastTerminal(from), *reader, i);
            }
    }
    const auto addLate = [&] {
        auto* s = b.t.Place<TTglSW>(900, 100 * (switches - 1));
        if (!driven.empty()) {
            const auto& [gate, input] = driven[static_cast<size_t>(pick(0, int(driven.size()) - 1))];
            b.Wire(*s, 0, *gate, input);
        }
        b.Wire(*s, 0, *placed[static_cast<size_t>(pick(0, gates - 1))], 0);
    };
    if (late && !lateAfterLamps) addLate();
    std::vector<TLED*> lamps;
    for (int m = 0, count = pick(1, 4); m < count; ++m) {
        lamps.push_back(b.t.Place<TLED>(1200, 100 * m));
        lamps.back()->ZanzoTime = 1;
    }
    if (late && lateAfterLamps) addLate();
    for (TLED* lamp : lamps) {
        const TPartsBase& gate = *placed[static_cast<size_t>(pick(gates / 2, gates - 1))];
        b.Wire(gate, LastTerminal(gate), *lamp, 0);
    }
}

}  // namespace

TEST(ParallelRows, EveryLaneOfARandomCombinationalBoardIsTheRowTheEngineSettlesTo)
{
    const TEngineMode engines[] = {TEngineMode::Auto, TEngineMode::Objects, TEngineMode::Full, TEngineMode::Sparse};
    size_t rows = 0, lampsBeforeWriters = 0;
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        std::mt19937 rng(seed);
        WiredBoard b;
        BuildRandom(b, rng);
        const Agreement a = CompareRows(b.t.Bord, engines[seed % 4]);
        ASSERT_TRUE(a.supported) << "seed " << seed;
        ASSERT_EQ(a.fault, "") << "seed " << seed;
        rows += a.rows;
        lampsBeforeWriters += !a.lampsShowInputs;
    }
    EXPECT_GT(rows, 10000u);
    EXPECT_GT(lampsBeforeWriters, 0u);
}

TEST(ParallelRows, TheShippedExamplesAndASubBoardAgreeTerminalForTerminal)
{
    const std::string examples = VOLTRANE_EXAMPLES, data = VOLTRANE_TEST_DATA;
    const std::pair<std::string, size_t> files[] = {{examples + "/half-adder.lgc", 4},
                                                    {examples + "/decoder2to4.lgc", 4},
                                                    {examples + "/adder4.lgc", 512},
                                                    {data + "/box_with_terminals.lgc", 2}};
    for (const auto& [file, rows] : files) {
        SCOPED_TRACE(file);
        TestCircuit t;
        TPartsList loaded;
        LoadParts(ReadCircuitFile(file), loaded, t.Bord, nullptr, &t.Surface);
        const Agreement a = CompareRows(t.Bord, TEngineMode::Auto);
        EXPECT_TRUE(a.supported);
        EXPECT_EQ(a.fault, "");
        EXPECT_EQ(a.rows, rows);
    }
}

TEST(ParallelRows, XorOfThreeIsHighWhenTheInputsAreMixedAndEachInputTakesItsLastWord)
{
    WiredBoard b;
    std::vector<TSwitch*> abc;
    for (int j = 0; j < 3; ++j) abc.push_back(b.t.Place<TTglSW>(900, 100 * j));
    auto* xor3 = b.t.Place<TGate>(1000, 0, 8 + TGate::gkEor);
    auto* xnor3 = b.t.Place<TGate>(1000, 100, 8 + TGate::gkEnor);
    for (int i = 0; i < 3; ++i) {
        b.Wire(*abc[static_cast<size_t>(i)], 0, *xor3, i);
        b.Wire(*abc[static_cast<size_t>(i)], 0, *xnor3, i);
    }
    TParallelRows lanes(b.t.Bord, abc, {xor3->Tanshis.Items(3), xnor3->Tanshis.Items(3)});
    // Lanes 0 to 7 count ABC up from 000; the parity would read 0x96.
    const auto words = lanes.Run({0xF0, 0xCC, 0xAA});
    ASSERT_TRUE(words);
    EXPECT_EQ((*words)[0] & 0xFF, 0x7Eu);
    EXPECT_EQ((*words)[1] & 0xFF, 0x81u);

    // A switch named twice takes its later word; an input without a word, or a switch not named,
    // is low in every lane.
    abc.push_back(abc[0]);
    TParallelRows twice(b.t.Bord, abc, {xor3->Tanshis.Items(3)});
    EXPECT_EQ(twice.Run({~0ull, 0, 0, 0}), std::vector<uint64_t>{0});
    EXPECT_EQ(twice.Run({0, ~0ull, ~0ull}), std::vector<uint64_t>{~0ull});
    TParallelRows two(b.t.Bord, {abc[0], abc[1]}, {xor3->Tanshis.Items(3)});
    EXPECT_EQ(two.Run({~0ull, ~0ull}), std::vector<uint64_t>{~0ull});
}

TEST(ParallelRows, BoardsWithFeedbackOrPartsOfTheirOwnAreLeftToTheRowByRowPath)
{
    // -1: a switch on a NAND, supported; 0: a latch of two NANDs; 1 to 3: a full adder part, a D
    // flip-flop, a pulse generator; 4: a second switch on the first one's output, each driving the
    // other; 5: a switch, 6: a terminal of another board; 7: no terminal.
    for (int kind = -1; kind <= 7; ++kind) {
        SCOPED_TRACE(kind);
        WiredBoard b, other;
        auto* a = b.t.Place<TTglSW>(900, 0);
        auto* nand = b.t.Place<TGate>(1000, 0, TGate::gkNand);
        b.Wire(*a, 0, *nand, 0);
        std::vector<TSwitch*> inputs{a};
        std::vector<const TTanshi*> outputs{nand->Tanshis.Items(2)};
        if (kind == 0) {
            auto* back = b.t.Place<TGate>(1000, 100, TGate::gkNand);
            b.Wire(*nand, 2, *back, 0);
            b.Wire(*back, 2, *nand, 1);
        }
        if (kind == 1) b.t.Place<TFullAdder>(1000, 200);
        if (kind == 2) b.t.Place<TDFF>(1000, 200);
        if (kind == 3) b.t.Place<TPulser>(1000, 200);
        if (kind == 4) b.t.Place<TTglSW>(900, 0);
        if (kind == 5) inputs.push_back(other.t.Place<TTglSW>(900, 0));
        if (kind == 6) outputs.push_back(other.t.Place<TNot>(1000, 0)->Tanshis.Items(1));
        if (kind == 7) outputs.push_back(nullptr);
        TParallelRows lanes(b.t.Bord, inputs, outputs);
        EXPECT_EQ(lanes.Supported(), kind < 0);
        EXPECT_EQ(lanes.Run({1}).has_value(), kind < 0);
        EXPECT_EQ(lanes.Table().has_value(), kind < 0);
    }
}

TEST(ParallelRows, ARowThatMightOutlastTheLimitIsLeftToTheRowByRowPath)
{
    // Thirty inverters in a chain: the row that toggles the switch changes levels for 31 passes.
    WiredBoard chain;
    auto* a = chain.t.Place<TTglSW>(900, 0);
    TPartsBase* last = a;
    for (int k = 0; k < 30; ++k) {
        auto* inverter = chain.t.Place<TNot>(1000, 100 * k);
        chain.Wire(*last, LastTerminal(*last), *inverter, 0);
        last = inverter;
    }
    TParallelRows lanes(chain.t.Bord, {a}, {last->Tanshis.Items(1)});
    EXPECT_EQ(lanes.PassesToSettle(), 32);
    EXPECT_FALSE(lanes.Run({1}, 31));
    EXPECT_EQ(lanes.Run({1}, 32), std::vector<uint64_t>{1});
    const TNamedObjects named = PositionalNames(chain.t.Bord);
    int index = 0;
    while (chain.t.Bord.Items(index) != last) ++index;
    for (const int limit : {31, 32}) {
        const std::string table = "TTglSW0 | TNot" + std::to_string(index) + ".1\n@limit " + std::to_string(limit) +
                                  "\n1 | 1\n";
        const TTableResult r = CheckTable(ParseTestTable(table), chain.t.Bord, named);
        ASSERT_EQ(r.Rows.size(), 1u);
        EXPECT_EQ(r.Rows[0].Verdict, limit == 32 ? TRowResult::Passed : TRowResult::Unsettled);
    }

    // A lamp that takes 10,000 passes to go dark: the row that darkens it does not settle within
    // the default limit, so no table is given within it.
    WiredBoard glow;
    auto* s = glow.t.Place<TTglSW>(900, 0);
    auto* lamp = glow.t.Place<TLED>(1200, 0);
    lamp->ZanzoTime = 1000;
    glow.Wire(*s, 0, *lamp, 0);
    TParallelRows lit(glow.t.Bord, {s}, {lamp->Tanshis.Items(0)});
    EXPECT_EQ(lit.PassesToSettle(), 1 + 20 + 10000);
    EXPECT_FALSE(lit.Table());
    const auto table = lit.Table(lit.PassesToSettle());
    ASSERT_TRUE(table);
    EXPECT_EQ(std::vector<bool>({table->High(0, 0), table->High(1, 0)}), std::vector<bool>({false, true}));
    const TTableResult r = CheckTable(ParseTestTable("TTglSW0 | TLED1\n1 | 1\n0 | 0\n"), glow.t.Bord,
                                      PositionalNames(glow.t.Bord));
    ASSERT_EQ(r.Rows.size(), 2u);
    EXPECT_EQ(r.Rows[1].Verdict, TRowResult::Unsettled);
}
