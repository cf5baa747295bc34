// Tables as the analysis reads them: typed, pasted or opened in either form, from a circuit, written
// back, and compared row by row.
#include "AnalysisTable.h"
#include "TestTable.h"

#include <gtest/gtest.h>

namespace {

std::string Example(const std::string& name) { return std::string(VOLTRANE_EXAMPLES) + "/" + name; }

// A function's rows as one character each: 0, 1 or X.
std::string Rows(const TBoolFunction& f)
{
    std::string text;
    for (const TLogicValue v : f.Values()) text += v == TLogicValue::One ? '1' : v == TLogicValue::Zero ? '0' : 'X';
    return text;
}

}  // namespace

TEST(AnalysisTable, EitherFormIsReadWithDontCaresRowsLeftOpenAndDigitsSplitIntoBits)
{
    const struct {
        const char* what;
        const char* text;
        std::vector<std::string> outputs;
        std::vector<std::string> rows;
    } cases[] = {
        {"a test table, an input X standing for both", "# majority\nA B C | M\n0 0 X | 0\nX 1 1 | 1\n1 X 1 | 1\n1 1 0 | 1\n",
         {"M"}, {"00X1X111"}},
        {"CSV with a bar column", "A,B,|,F,G\n0,0,|,1,0\n0,1,|,x,1\n1,1,|,0,-\n", {"F", "G"}, {"1X"
                                                                                                 "X0",
                                                                                                 "01XX"}},
        {"CSV, the inputs told by the rows' count", "A,B,F\n0,0,0\n0,1,1\n1,0,1\n1,1,0\n", {"F"}, {"0110"}},
        {"a display's digit as four bits", "A | S\n0 | 5\n1 | C\n", {"S.3", "S.2", "S.1", "S.0"},
         {"01", "11", "00", "10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TAnalysisTable table = ParseAnalysisTable(c.text);
        EXPECT_EQ(table.Outputs, c.outputs);
        std::vector<std::string> rows;
        for (const TBoolFunction& f : table.Functions) rows.push_back(Rows(f));
        EXPECT_EQ(rows, c.rows);
        // Written back in either form, it reads the same.
        for (const std::string& again : {AnalysisCsv(table), AnalysisAsTest(table)})
            EXPECT_EQ(ParseAnalysisTable(again).Functions, table.Functions) << again;
    }

    const struct {
        const char* text;
        size_t line;
    } faults[] = {
        {"A B | F\n0 0 | 1\nX 0 | 0\n", 3},    // contradicts line 2
        {"A,B,F,G\n0,0,1,1\n", 1},              // which are inputs?
        {"A,|,F\n0,|,2\n1,|,1\n0,|,1,1\n", 4},  // four values in three columns
        {"A | F\n0 | 1\n1 | 7\n", 0},           // 7 is a display's digit: read, not a fault
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.text);
        if (f.line == 0) {
            EXPECT_NO_THROW(ParseAnalysisTable(f.text));
            continue;
        }
        try {
            ParseAnalysisTable(f.text);
            ADD_FAILURE() << "read";
        } catch (const TTableError& e) {
            EXPECT_EQ(e.Line, f.line) << e.what();
        }
    }
}

TEST(AnalysisTable, ACircuitsTableComparedWithItsBrokenTwinsShowsTheRowsThatDiffer)
{
    const TAnalysisTable decoder = AnalysisOf(FileTruthTable(Example("decoder2to4.lgc")));
    EXPECT_TRUE(CompareTables(decoder, decoder).empty());
    const TAnalysisTable broken = AnalysisOf(FileTruthTable(Example("decoder2to4-broken.lgc")));
    std::vector<std::string> differing;
    for (const TTableDifference& d : CompareTables(decoder, broken))
        differing.push_back(decoder.Outputs[d.Output] + "@" + std::to_string(d.Row));
    // Y2 takes A for not A: the rows of code 2 and code 3 (A B = 0 1 and 1 1) differ.
    EXPECT_EQ(differing, (std::vector<std::string>{"Y2@1", "Y2@3"}));

    const TAnalysisTable adder = AnalysisOf(FileTruthTable(Example("adder4.lgc")));
    EXPECT_EQ(adder.Outputs, (std::vector<std::string>{"S.3", "S.2", "S.1", "S.0", "C4"}));
    const TAnalysisTable typed = ParseAnalysisTable("A B C | D\n0 0 0 | 1\n");
    EXPECT_THROW(CompareTables(typed, adder), TTableError);
}

TEST(AnalysisTable, AMovedInputReordersEveryRowAndAMovedOutputOnlyItsColumn)
{
    // F = A·/B + C over A B C; row 5 (A B C = 1 0 1) did not settle, row 6 (1 1 0) depends on the rows before.
    TAnalysisTable table = ParseAnalysisTable("A B C | F G\n0 0 0 | 0 1\n0 0 1 | 1 1\n0 1 0 | 0 1\n0 1 1 | 1 1\n"
                                              "1 0 0 | 1 0\n1 0 1 | X 0\n1 1 0 | X X\n1 1 1 | 1 0\n");
    table.Unsettled = {5};
    table.History = {{6, {TLogicValue::One, TLogicValue::Zero}, {"TGate7", "TGate9"}}};
    const TAnalysisTable moved = MoveColumn(table, 0, 2);  // B C A
    EXPECT_EQ(moved.Inputs, (std::vector<std::string>{"B", "C", "A"}));
    for (uint32_t r = 0; r < 8; ++r) {
        const bool b = r & 4, c = r & 2, a = r & 1;
        if (r == 3 || r == 5) continue;  // B C A = 0 1 1: the unsettled row; 1 0 1: the history row
        EXPECT_EQ(moved.Functions[0].At(r), (a && !b) || c ? TLogicValue::One : TLogicValue::Zero) << r;
        EXPECT_EQ(moved.Functions[1].At(r), a ? TLogicValue::Zero : TLogicValue::One) << r;
    }
    EXPECT_EQ(moved.Unsettled, std::vector<uint32_t>{3});
    ASSERT_NE(moved.HistoryAt(5), nullptr);
    EXPECT_EQ(moved.History.size(), 1u);
    EXPECT_EQ(moved.HistoryAt(5)->Fresh, table.History[0].Fresh);
    const TAnalysisTable back = MoveColumn(moved, 2, 0);
    EXPECT_EQ(back.Functions, table.Functions);
    EXPECT_EQ(back.Unsettled, table.Unsettled);
    EXPECT_EQ(back.History, table.History);

    const TAnalysisTable swapped = MoveColumn(table, 4, 3);
    EXPECT_EQ(swapped.Outputs, (std::vector<std::string>{"G", "F"}));
    EXPECT_EQ(swapped.Functions[0], table.Functions[1]);
    EXPECT_EQ(swapped.History[0].Fresh, (std::vector<TLogicValue>{TLogicValue::Zero, TLogicValue::One}));
    EXPECT_THROW(MoveColumn(table, 1, 3), std::out_of_range);
    EXPECT_THROW(MoveColumn(table, 5, 4), std::out_of_range);
}
