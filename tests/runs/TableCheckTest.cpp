// Checking circuits against test tables: which object a label marks, when a row has settled,
// and what each kind of input value does.
#include "PartU.h"
#include "TableCheck.h"
#include "TableColumns.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LabelCase {
    const char* what;
    int x, y;            // where a 20 × 20 object stands; the label is the 12 × 12 box at (100, 100)
    bool lamp;           // a lamp, else a toggle switch
    bool input;          // the column asks for an input
    bool found;
};

TEST(TableLabels, MarkTheNearestSwitchOrLampRightOfOrBelowWithinSixtyPixels)
{
    const LabelCase cases[] = {
        {"switch right, 10 px", 122, 96, false, true, true},
        {"switch right, 60 px", 172, 96, false, true, true},
        {"switch right, 61 px", 173, 96, false, true, false},
        {"switch below, 60 px", 96, 172, false, true, true},
        {"switch right, not level with it", 122, 113, false, true, false},
        {"switch left of the label", 70, 96, false, true, false},
        {"switch above the label", 96, 70, false, true, false},
        {"lamp right, for an output", 122, 96, true, false, true},
        {"lamp right, for an input", 122, 96, true, true, false},
        {"switch right, for an output", 122, 96, false, false, false},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestCircuit t;
        auto* box = t.Place<TTextBox>(100, 100);
        box->DrawnLines = {"  ", " CLK "};
        box->Width = box->Height = 12;
        TPartsBase* object = c.lamp ? static_cast<TPartsBase*>(t.Place<TLED>(c.x, c.y)) : t.Place<TTglSW>(c.x, c.y);
        EXPECT_EQ(LabelledObject(t.Bord, "CLK", c.input), c.found ? object : nullptr);
    }

    // The nearest wins, the first of equally near ones; another text or a second line marks nothing.
    TestCircuit t;
    auto* box = t.Place<TTextBox>(100, 100);
    box->DrawnLines = {"CLK"};
    box->Width = box->Height = 12;
    t.Place<TTglSW>(140, 96);
    TTglSW* near = t.Place<TTglSW>(120, 96);
    t.Place<TTglSW>(96, 120);
    EXPECT_EQ(LabelledObject(t.Bord, "CLK", true), near);
    EXPECT_EQ(LabelledObject(t.Bord, "CL", true), nullptr);
    box->DrawnLines = {"CLK", "x"};
    EXPECT_EQ(LabelledObject(t.Bord, "CLK", true), nullptr);
}

TEST(TableLabels, NameAProbesTerminalByTheNearestOneLineTextLeftOfOrAboveIt)
{
    TestCircuit t;
    auto* probe = t.Place<TScope>(200, 100);  // terminals at (200, 110), (200, 120), ...
    const auto label = [&](int x, int y, std::vector<std::string> lines) {
        auto* box = t.Place<TTextBox>(x, y);
        box->DrawnLines = std::move(lines);
        box->Width = 20;
        box->Height = 8;
    };
    label(150, 106, {"CLK"});      // left of channel 0, 30 px
    label(170, 106, {"A", "B"});   // nearer, but two lines
    label(175, 117, {" Q "});      // left of channel 1, 5 px
    label(120, 117, {"far"});      // also left of it, farther
    label(195, 125, {"Qbar"});     // above channel 3 (y 140), 7 px
    label(100, 136, {"too far"});  // left of channel 3, 80 px
    const auto at = [&](int channel) {
        const TTanshi& t = *probe->Tanshis.Items(channel);
        return TPoint{probe->Left + t.X, probe->Top + t.Y};
    };
    EXPECT_EQ(LabelBeside(t.Bord, *probe, at(0)), "CLK");
    EXPECT_EQ(LabelBeside(t.Bord, *probe, at(1)), "Q");
    EXPECT_EQ(LabelBeside(t.Bord, *probe, at(2)), "");
    EXPECT_EQ(LabelBeside(t.Bord, *probe, at(3)), "Qbar");
}

// A toggle switch A driving an inverter, a lamp on its output, a push button B clocking a T
// flip-flop whose Q drives nothing but is read, a scope probe and a text box that never hold a
// row up; with a pulse generator when asked, which keeps every row from settling.
struct Bench {
    TestCircuit t;
    explicit Bench(bool pulser)
    {
        t.Place<TTglSW>(0, 10);                 // TTglSW0, output at (20, 20)
        t.Place<TNot>(20, 0);                   // TNot1: (20, 20) -> (60, 20)
        t.Place<TLED>(60, 10)->ZanzoTime = 1;   // TLED2, input at (60, 20)
        t.Place<TPushSW>(0, 130);               // TPushSW3, output at (20, 140)
        t.Place<TTFF>(20, 100, 2);              // TTFF4: clock at (20, 140), Q terminal 3
        t.Place<TScope>(300, 300);
        t.Place<TTextBox>(400, 400)->DrawnLines = {"a label"};
        if (pulser) t.Place<TPulser>(500, 500);
    }
    TTableResult Check(const std::string& table) { return CheckTable(ParseTestTable(table), t.Bord, PositionalNames(t.Bord)); }
};

TEST(TableCheck, RowsSetTheInputsSettleAndCompare)
{
    Bench b(false);
    const TTestTable table = ParseTestTable("A=TTglSW0 CLK=TPushSW3 | Y=TLED2 N=TNot1.1 Q=TTFF4.3\n"
                                            "0 X | 1 1 X\n"
                                            "0 X | 1 1 X\n"  // nothing to do: one pass that changes nothing
                                            "1 X | 0 0 X\n"
                                            "X C | X X 0\n"  // a click: pressed, settled, released
                                            "X C | X X 1\n"
                                            "X 1 | X X 1\n"  // held: the flip-flop toggles as the clock falls
                                            "X 0 | X X 0\n"
                                            "C 0 | 1 1 1\n");  // a wrong expectation
    const TTableResult r = CheckTable(table, b.t.Bord, PositionalNames(b.t.Bord));
    ASSERT_EQ(r.Error, "");
    ASSERT_EQ(r.Rows.size(), 8u);
    EXPECT_EQ(r.Rows[1].Passes, 1);
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(r.Rows[i].Verdict, TRowResult::Passed) << "row " << i;
    EXPECT_EQ(r.Rows[7].Verdict, TRowResult::Failed);
    EXPECT_EQ(r.Rows[7].Actual, (std::vector<char>{'1', '1', '0'}));
    EXPECT_EQ(r.FirstFailure(), 7u);
    EXPECT_EQ(DescribeResult(table, r), "9 行目 [C 0 | 1 1 1]: Q 期待 1 実際 0");
    EXPECT_FALSE(b.t.Context.Simulating);
}

TEST(TableCheck, APulseGeneratorKeepsRowsFromSettlingUnlessTheyRunFixedPasses)
{
    Bench b(true);
    const TTableResult r = b.Check("A=TTglSW0 | Y=TLED2\n"
                                   "@limit 500\n"
                                   "1 | 0\n"
                                   "@passes 40\n"
                                   "0 | 1\n");
    ASSERT_EQ(r.Rows.size(), 2u);
    EXPECT_EQ(r.Rows[0].Verdict, TRowResult::Unsettled);
    EXPECT_EQ(r.Rows[0].Passes, 500);
    EXPECT_EQ(r.Rows[1].Verdict, TRowResult::Passed);
    EXPECT_EQ(r.Rows[1].Passes, 40);
    const TTestTable table = ParseTestTable("A=TTglSW0 | Y=TLED2\n@limit 500\n1 | 0\n");
    EXPECT_EQ(DescribeRow(table, 0, r.Rows[0]), "3 行目 [1 | 0]: 500 パスで安定しません");
}

TEST(TableCheck, ARowWrittenWithTabsIsQuotedWithASpaceForEachTab)
{
    Bench b(false);
    const TTestTable table = ParseTestTable("A=TTglSW0\t|\tY=TLED2\tN=TNot1.1\n"
                                            "\t1\t|\t1\t\t0\t# the lamp is dark\n");
    EXPECT_EQ(table.Rows[0].Text, "1\t|\t1\t\t0");
    const TTableResult r = CheckTable(table, b.t.Bord, PositionalNames(b.t.Bord));
    ASSERT_EQ(r.Rows.size(), 1u);
    EXPECT_EQ(DescribeRow(table, 0, r.Rows[0]), "2 行目 [1 | 1  0]: Y 期待 1 実際 0");
    EXPECT_EQ(DescribeResult(table, r), DescribeRow(table, 0, r.Rows[0]));
}

TEST(TableCheck, ACircuitThatLacksAColumnFailsAsAWhole)
{
    Bench b(false);
    const struct {
        const char* table;
        const char* error;
    } cases[] = {
        {"A=Nowhere | Y=TLED2\n0 | 1\n", "'Nowhere' という名前の部品はありません。'Nowhere' と書いたテキストの"},
        {"TTglSW0 | Nowhere\n0 | 1\n", "'Nowhere' という名前の部品はありません"},
        {"TNot1 | TLED2\n0 | 1\n", "入力の列 'TNot1' の 'TNot1' は TNot で"},
        {"TTglSW0 | TNot1\n0 | 1\n", "'TNot1' は TNot で、表示器"},
        {"TTglSW0 | TLED2\n0 | 7\n", "表の 2 行目: 列 'TLED2' はレベルかランプで"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        const TTableResult r = b.Check(c.table);
        EXPECT_EQ(r.Error.rfind(c.error, 0), 0u) << r.Error;
        EXPECT_TRUE(r.Rows.empty());
        EXPECT_FALSE(r.Passed());
    }
}

TEST(TestTables, RepeatBlocksRunTheirRowsAgainAndCountTheRounds)
{
    const TTestTable t = ParseTestTable("\xEF\xBB\xBF# counting\r\n"
                                        "CLK | Q   # the columns\r\n"
                                        "@limit 50\r\n"
                                        "@repeat 2\r\n"
                                        "c | a\r\n"
                                        "@repeat 2\r\n"
                                        "0 1\r\n"
                                        "@end\r\n"
                                        "@end\r\n"
                                        "@passes 7\r\n"
                                        "x | X\r\n");
    ASSERT_EQ(t.Rows.size(), 7u);
    std::string rows;
    for (const TTableRow& r : t.Rows)
        rows += std::to_string(r.Line) + ":" + std::to_string(r.Round) + (r.Repeated ? "r" : "") + ":" +
                std::string(r.Values.begin(), r.Values.end()) + ":" + std::to_string(r.Passes.Limit) + "/" +
                std::to_string(r.Passes.Passes) + " ";
    EXPECT_EQ(rows, "5:1r:CA:50/0 7:1r:01:50/0 7:2r:01:50/0 5:2r:CA:50/0 7:3r:01:50/0 7:4r:01:50/0 11:1:XX:50/7 ");
    EXPECT_EQ(t.Inputs[0].Title, "CLK");
    EXPECT_FALSE(t.Outputs[0].Mapped);
}

}  // namespace
