// The truth table of the circuit on a board: every row run as a test table's row runs from a fresh
// start, columns named by their labels, circuits with a memory refused, rows that depend on the rows
// before marked with the loop that keeps the state, and the table given back as a test table that
// passes its circuit and fails a broken twin.
#include "AnalysisTable.h"
#include "CircuitFile.h"
#include "PartU.h"
#include "ScratchFolder.h"
#include "TableCheck.h"
#include "TestCircuit.h"
#include "TestTable.h"
#include "TruthTable.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Example(const std::string& name) { return std::string(VOLTRANE_EXAMPLES) + "/" + name; }

size_t Column(const std::vector<std::string>& names, const std::string& name)
{
    return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

}  // namespace

TEST(TruthTable, TheShippedCombinationalExamplesComputeTheTextbooksFunctions)
{
    const TTruthTable half = FileTruthTable(Example("half-adder.lgc"));
    EXPECT_EQ(TruthTableCsv(half), "TTglSW0,TTglSW1,TLED4,TLED5\n0,0,0,0\n0,1,1,0\n1,0,1,0\n1,1,0,1\n");

    const TTruthTable decoder = FileTruthTable(Example("decoder2to4.lgc"));
    ASSERT_EQ(decoder.Inputs.size(), 2u);
    for (size_t r = 0; r < 4; ++r) {
        const size_t code = 2 * ((r >> (1 - Column(decoder.Inputs, "B"))) & 1) + ((r >> (1 - Column(decoder.Inputs, "A"))) & 1);
        for (size_t y = 0; y < 4; ++y)
            EXPECT_EQ(decoder.Rows[r][Column(decoder.Outputs, "Y" + std::to_string(y))], y == code ? '1' : '0') << r;
    }

    // Nine inputs, 512 rows: S shows A + B + CI as a hex digit, C4 the carry out.
    const TTruthTable adder = FileTruthTable(Example("adder4.lgc"));
    ASSERT_EQ(adder.Rows.size(), 512u);
    const auto bit = [&](size_t row, const std::string& name) {
        return (row >> (adder.Inputs.size() - 1 - Column(adder.Inputs, name))) & 1;
    };
    for (size_t r = 0; r < adder.Rows.size(); ++r) {
        size_t a = 0, b = 0;
        for (int i = 0; i < 4; ++i) {
            a |= bit(r, "A" + std::to_string(i)) << i;
            b |= bit(r, "B" + std::to_string(i)) << i;
        }
        const size_t sum = a + b + bit(r, "CI");
        ASSERT_TRUE(adder.Settled[r]);
        ASSERT_EQ(adder.Rows[r][Column(adder.Outputs, "S")], "0123456789ABCDEF"[sum & 15]) << r;
        ASSERT_EQ(adder.Rows[r][Column(adder.Outputs, "C4")], sum > 15 ? '1' : '0') << r;
    }
}

TEST(TruthTable, ACircuitWithAMemoryOrNoInputsIsRefusedWithAMessageNamingWhy)
{
    try {
        FileTruthTable(Example("counter3.lgc"));
        FAIL() << "a counter has no truth table";
    } catch (const TUsageError& e) {
        EXPECT_NE(std::string(e.what()).find("TTFF3, TTFF4, TTFF5"), std::string::npos) << e.what();
    }
    const ScratchFolder folder;
    folder.Put("lamp.lgc", "Voltrane FormatVer:1.0 By Ardent Wirefox\r\nClassName=TLED\r\nName=TLED0\r\n"
                           "ContainerName=\r\nPartNo=0\r\nLeft=240\r\nTop=110\r\nOffsetLeft=240\r\nOffsetTop=110\r\n"
                           "Width=20\r\nHeight=20\r\nWayCount=4\r\nWay=0\r\nZanzoTime=1\r\nEnd\r\n");
    EXPECT_THROW(FileTruthTable(folder / "lamp.lgc"), TUsageError);
}

TEST(TruthTable, GivenBackAsATestTableItPassesItsCircuitAndFailsTheBrokenTwin)
{
    for (const std::string name : {"half-adder", "decoder2to4"}) {
        SCOPED_TRACE(name);
        const TTestTable test = ParseTestTable(TruthTableAsTest(FileTruthTable(Example(name + ".lgc"))));
        EXPECT_TRUE(CheckCircuitFile(test, Example(name + ".lgc")).Passed());
        EXPECT_FALSE(CheckCircuitFile(test, Example(name + "-broken.lgc")).Passed());
    }
}

TEST(TruthTable, AddedColumnsShowATerminalNamedByItsPlaceOrByTheLabelBesideItsOutput)
{
    // The decoder with a label NA just above the first inverter's output.
    TStrings lines = ReadCircuitFile(Example("decoder2to4.lgc"));
    for (const char* line : {"ClassName=TTextBox", "Name=TTextBox99", "ContainerName=", "PartNo=0", "Left=132",
                             "Top=46", "OffsetLeft=132", "OffsetTop=46", "Width=16", "Height=12", "WayCount=0",
                             "Way=0", "Text=NA", "FontSize=12", "End"})
        lines.push_back(line);
    const TTruthTable table = TextTruthTable(lines, TEngineMode::Auto, {"NA", "TNot3.1"});
    ASSERT_EQ(table.Outputs, (std::vector<std::string>{"Y0", "Y1", "Y2", "Y3", "NA", "TNot3.1"}));
    EXPECT_EQ(table.OutputObjects[4], "TNot2.1");
    EXPECT_EQ(table.OutputLabelled[4], true);
    EXPECT_EQ(table.OutputLabelled[5], false);
    for (size_t r = 0; r < 4; ++r) {
        EXPECT_EQ(table.Rows[r][4], r & 2 ? '0' : '1') << r;  // not A
        EXPECT_EQ(table.Rows[r][5], r & 1 ? '0' : '1') << r;  // not B
    }
    for (const std::string wrong : {"ZZ", "TNot2.7", "Y0", "A"})
        EXPECT_THROW(TextTruthTable(lines, TEngineMode::Auto, {wrong}), TUsageError) << wrong;
}


namespace {

// Two NAND gates wired crosswise, Q = /(/S·/Q) and /Q = /(/R·Q), between toggle switches /S and /R
// (TTglSW0, TTglSW1) and a lamp on Q (TLED4): Q is TGate2, /Q TGate3. From a run's start both
// outputs are high; with both switches turned on in one row the two gates then fall and rise
// together for ever. Delayed, /S reaches its gate through two inverters (TNot5, TNot6), so that /Q
// falls first and a fresh start with both switches on comes to rest at Q = 1, while after the row
// /S = 1, /R = 0 the latch holds Q = 0.
void BuildLatch(TestCircuit& t, bool delayed)
{
    auto* s = t.Place<TTglSW>(900, 0);
    auto* r = t.Place<TTglSW>(900, 100);
    auto* q = t.Place<TGate>(1000, 0, TGate::gkNand);
    auto* nq = t.Place<TGate>(1000, 100, TGate::gkNand);
    auto* lamp = t.Place<TLED>(1200, 0);
    lamp->ZanzoTime = 1;
    int track = 0;
    if (delayed) {
        auto* first = t.Place<TNot>(950, 200);
        auto* second = t.Place<TNot>(950, 300);
        t.WireInTrack(track++, *s, 0, *first, 0);
        t.WireInTrack(track++, *first, 1, *second, 0);
        t.WireInTrack(track++, *second, 1, *q, 0);
    } else {
        t.WireInTrack(track++, *s, 0, *q, 0);
    }
    t.WireInTrack(track++, *nq, 2, *q, 1);
    t.WireInTrack(track++, *r, 0, *nq, 0);
    t.WireInTrack(track++, *q, 2, *nq, 1);
    t.WireInTrack(track++, *q, 2, *lamp, 0);
}

// Whether two runs of a row agree: both settle with the same outputs, or neither settles.
bool Agree(const TRowResult& a, const TRowResult& b)
{
    const bool settled = a.Verdict != TRowResult::Unsettled;
    return settled == (b.Verdict != TRowResult::Unsettled) && (!settled || a.Actual == b.Actual);
}

}  // namespace

TEST(TruthTable, ALatchShowsEveryRowFromAFreshStartAndMarksTheRowThatHoldsAState)
{
    // Both switches on: from a fresh start the gates never settle; after /S = 1, /R = 0 the latch holds Q = 0.
    TestCircuit plain;
    BuildLatch(plain, false);
    const TTruthTable table = CircuitTruthTable(plain.Bord);
    EXPECT_EQ(table.Settled, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(table.History, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(table.Loops[3], (std::vector<std::string>{"TGate2", "TGate3"}));
    EXPECT_EQ(TruthTableCsv(table), "TTglSW0,TTglSW1,TLED4,history\n0,0,1,\n0,1,1,\n1,0,0,\n1,1,~,* TGate2 TGate3\n");

    // Delayed, a fresh start with both on comes to Q = 1: the table shows that, marked; the loop is the
    // two NAND gates, not the inverters before it.
    TestCircuit delayed;
    BuildLatch(delayed, true);
    const TTruthTable held = CircuitTruthTable(delayed.Bord);
    EXPECT_EQ(held.Rows, (std::vector<std::string>{"1", "1", "0", "1"}));
    EXPECT_EQ(held.Settled, (std::vector<bool>(4, true)));
    EXPECT_EQ(held.History, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(held.Loops[3], (std::vector<std::string>{"TGate2", "TGate3"}));
    EXPECT_EQ(HistoryLoops(held), (std::vector<std::string>{"TGate2", "TGate3"}));
    const std::string text = TruthTableText(held);
    EXPECT_NE(text.find("|     0\n      1       1 |     1  *\n* の行は"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("状態は TGate2, TGate3 のループが保持しています。各行はその入力で新たに開始した値です\n"))
        << text;
    // The analysis takes the row as a don't-care, keeping what a fresh start shows and the loop.
    const TAnalysisTable analysis = AnalysisOf(held);
    EXPECT_EQ(analysis.Functions[0].At(3), TLogicValue::DontCare);
    EXPECT_EQ(analysis.History,
              (std::vector<TAnalysisTable::THistoryRow>{{3, {TLogicValue::One}, {"TGate2", "TGate3"}}}));
    EXPECT_TRUE(analysis.Unsettled.empty());
    // A test table made of it leaves the row out: run after the rows before it, it would fail.
    const TTestTable test = ParseTestTable(TruthTableAsTest(held));
    ASSERT_EQ(test.Rows.size(), 3u);
    EXPECT_TRUE(CheckTable(test, delayed.Bord, PositionalNames(delayed.Bord)).Passed());
}

namespace {

// Switches, then gates and inverters whose inputs come from switches or from gates, so that most
// boards feed back and many hold a state; now and then an input left open; lamps on some of the
// gates. The same seed builds the same board.
void BuildWithLoops(TestCircuit& t, unsigned seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    std::vector<TPartsBase*> switches, gates, lamps;
    for (int j = 0, n = pick(2, 4); j < n; ++j) switches.push_back(t.Place<TTglSW>(900, 100 * j));
    for (int k = 0, n = pick(2, 7); k < n; ++k) {
        // Mostly AND and OR, which hold a level fed back to them, and NAND and NOR, which pair into
        // latches; now and then an inverter, XOR or XNOR, which make loops that oscillate.
        const int kinds[] = {TGate::gkAnd, TGate::gkOr, TGate::gkAnd, TGate::gkOr, TGate::gkNand, TGate::gkNor};
        gates.push_back(pick(0, 7) == 0   ? static_cast<TPartsBase*>(t.Place<TNot>(1000, 100 * k, pick(0, 1)))
                        : pick(0, 7) == 0 ? t.Place<TGate>(1000, 100 * k, pick(0, 7))
                                          : t.Place<TGate>(1000, 100 * k, kinds[pick(0, 5)]));
    }
    for (int m = 0, n = pick(1, 3); m < n; ++m) {
        auto* lamp = t.Place<TLED>(1200, 100 * m);
        lamp->ZanzoTime = 1;
        lamps.push_back(lamp);
    }
    const auto any = [&](const std::vector<TPartsBase*>& parts) {
        return parts[static_cast<size_t>(pick(0, int(parts.size()) - 1))];
    };
    const auto output = [](const TPartsBase& part) { return part.Tanshis.Count() - 1; };
    int track = 0;
    // A gate's input comes from a switch, from a gate before it (the first gate's from itself), or
    // now and then from any gate, which closes a loop through the gates between.
    for (size_t k = 0; k < gates.size(); ++k)
        for (int i = 0; i < output(*gates[k]); ++i) {
            const int roll = pick(0, 11);
            if (roll == 0) continue;
            const TPartsBase* from = roll < 6    ? any(switches)
                                     : roll < 10 ? gates[static_cast<size_t>(pick(0, std::max(int(k) - 1, 0)))]
                                                 : any(gates);
            t.WireInTrack(track++, *from, output(*from), *gates[k], i);
        }
    for (TPartsBase* lamp : lamps) {
        const TPartsBase* from = any(gates);
        t.WireInTrack(track++, *from, output(*from), *lamp, 0);
    }
}

}  // namespace

TEST(TruthTable, EveryRowOfRandomGatesWithLoopsIsItsFreshStartAndHistoryRowsAreWhereOrderedRunsDiffer)
{
    const TEngineMode engines[] = {TEngineMode::Auto, TEngineMode::Objects, TEngineMode::Full, TEngineMode::Sparse};
    size_t historyRows = 0, unsettledRows = 0, boardsWithHistory = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        TestCircuit board;
        BuildWithLoops(board, seed);
        board.Context.Engine = engines[seed % 4];
        const TTruthTable table = CircuitTruthTable(board.Bord);

        // The reference: every run on a board built anew from the seed, never read from text, of a
        // test table that reads every output.
        std::string text;
        for (const std::string& name : table.InputObjects) text += name + " ";
        text += "|";
        for (const std::string& name : table.OutputObjects) text += " " + name;
        const size_t inputs = table.Inputs.size(), rows = size_t{1} << inputs;
        for (size_t r = 0; r < rows; ++r) {
            text += "\n";
            for (size_t i = inputs; i-- > 0;) text += (r >> i) & 1 ? "1 " : "0 ";
            text += "|";
            for (size_t o = 0; o < table.Outputs.size(); ++o) text += " X";
        }
        const TTestTable test = ParseTestTable(text);
        const auto run = [&](const TTestTable& rowsToRun) {
            TestCircuit fresh;
            BuildWithLoops(fresh, seed);
            fresh.Context.Engine = engines[seed % 4];
            const TTableResult result = CheckTable(rowsToRun, fresh.Bord, PositionalNames(fresh.Bord));
            EXPECT_EQ(result.Error, "");
            return result.Rows;
        };
        const std::vector<TRowResult> forward = run(test);
        TTestTable reversed = test;
        std::reverse(reversed.Rows.begin(), reversed.Rows.end());
        std::vector<TRowResult> backward = run(reversed);
        std::reverse(backward.begin(), backward.end());

        ASSERT_EQ(table.Rows.size(), rows);
        bool history = false;
        for (size_t r = 0; r < rows; ++r) {
            SCOPED_TRACE(r);
            TTestTable alone = test;
            alone.Rows = {test.Rows[r]};
            const TRowResult fresh = run(alone).at(0);
            ASSERT_EQ(table.Settled[r], fresh.Verdict != TRowResult::Unsettled);
            if (table.Settled[r]) {
                ASSERT_EQ(table.Rows[r], std::string(fresh.Actual.begin(), fresh.Actual.end()));
            }
            ASSERT_EQ(table.History[r], !Agree(fresh, forward[r]) || !Agree(fresh, backward[r]));
            // A board of gates keeps a state only in a loop, and the loop is named.
            if (table.History[r]) {
                EXPECT_FALSE(table.Loops[r].empty());
            }
            history = history || table.History[r];
            historyRows += table.History[r];
            unsettledRows += !table.Settled[r];
        }
        boardsWithHistory += history;
    }
    EXPECT_GT(boardsWithHistory, 20u);
    EXPECT_GT(historyRows, 50u);
    EXPECT_GT(unsettledRows, 50u);
}
