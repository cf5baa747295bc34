// The one writer of test tables: what it writes, the reader reads back to the same columns and rows, for every
// table the truth table, the analysis window and the circuit builder write.
#include "AnalysisTable.h"
#include "CircuitBuilder.h"
#include "RowBits.h"
#include "TestTable.h"
#include "TruthTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Example(const std::string& name) { return std::string(VOLTRANE_EXAMPLES) + "/" + name; }

// "TITLE=TARGET" for a mapped column, the title alone otherwise, so that a difference reads as the heading.
std::vector<std::string> Headings(const std::vector<TTableColumn>& columns)
{
    std::vector<std::string> headings;
    for (const TTableColumn& c : columns) headings.push_back(c.Mapped ? c.Title + "=" + c.Target : c.Title);
    return headings;
}

std::vector<std::string> Values(const TTestTable& table)
{
    std::vector<std::string> rows;
    for (const TTableRow& row : table.Rows) rows.emplace_back(row.Values.begin(), row.Values.end());
    return rows;
}

void ExpectReadsBack(const TTestTable& written, const std::string& text)
{
    SCOPED_TRACE(text);
    const TTestTable read = ParseTestTable(text);
    EXPECT_EQ(Headings(read.Inputs), Headings(written.Inputs));
    EXPECT_EQ(Headings(read.Outputs), Headings(written.Outputs));
    EXPECT_EQ(Values(read), Values(written));
}

TAnalysisTable RandomTable(std::mt19937& random, std::vector<std::string> inputs, size_t outputs)
{
    TAnalysisTable table{std::move(inputs), {}, {}, {}};
    for (size_t k = 0; k < outputs; ++k) {
        TBoolFunction f(static_cast<int>(table.Inputs.size()));
        for (uint32_t r = 0; r < f.Rows(); ++r) f.Set(r, static_cast<TLogicValue>(random() % 3));
        table.Outputs.push_back("F" + std::to_string(k));
        table.Functions.push_back(f);
    }
    return table;
}

}  // namespace

TEST(TestTableText, ColumnsAndRowsOfEveryKindReadBack)
{
    TTestTable table{{{"A", "TTglSW0", true}, {"CLK", "CLK", false}},
                     {{"Q", "TTFF4.3", true}, {"TLED2", "TLED2", false}, {"SEG", "TLED7SEG5", true}},
                     {}};
    for (const char* values : {"01X1F", "C0XXX", "1110A", "00007"})
        table.Rows.push_back({1, 1, false, "", {values, values + 5}, {}});
    ExpectReadsBack(table, TestTableText(table, "a comment # with a hash"));
    ExpectReadsBack(table, TestTableText(table));
    EXPECT_TRUE(TestTableText(table).starts_with("A=TTglSW0 CLK | Q=TTFF4.3 TLED2 SEG=TLED7SEG5\n0 1 | X 1 F\n"));

    // No inputs: a bar begins every line.
    const TTestTable clock{{}, {{"Y", "Y", false}}, {{1, 1, false, "", {'1'}, {}}}};
    EXPECT_EQ(TestTableText(clock), "| Y\n| 1\n");
    ExpectReadsBack(clock, TestTableText(clock));

    EXPECT_TRUE(FitsHeading("carry_in.3"));
    for (const char* name : {"carry in", "a|b", "a=b", "#1", "tab\there", ""})
        EXPECT_EQ(FitsHeading(name), *name == '\0') << name;
}

TEST(TestTableText, TheTruthTablesTestTableReadsBackItsSettledRowsByLabelOrByName)
{
    // Labelled examples bind by label; the half adder has no labels and binds by name.
    for (const std::string name : {"half-adder", "decoder2to4", "adder4"}) {
        SCOPED_TRACE(name);
        const TTruthTable truth = FileTruthTable(Example(name + ".lgc"));
        const TTestTable read = ParseTestTable(TruthTableAsTest(truth));
        ASSERT_EQ(read.Inputs.size(), truth.Inputs.size());
        for (size_t i = 0; i < truth.Inputs.size(); ++i)
            EXPECT_EQ(read.Inputs[i].Target, truth.InputLabelled[i] ? truth.Inputs[i] : truth.InputObjects[i]);
        ASSERT_EQ(read.Rows.size(), truth.Rows.size());
        for (size_t r = 0; r < truth.Rows.size(); ++r)
            EXPECT_EQ(std::string(read.Rows[r].Values.begin(), read.Rows[r].Values.end()),
                      RowBits(r, truth.Inputs.size()) + truth.Rows[r]);
    }

    // A label the headings cannot hold leaves its column to the object's name.
    const TBoolFunction majority = TBoolFunction::FromRows(3, {3, 5, 6, 7});
    const TTruthTable built = TextTruthTable(BuildCircuit({{"A", "carry in", "B"}, {"M"}, {majority}, {}},
                                                          TGateStyle::AndOrNot));
    const TTestTable read = ParseTestTable(TruthTableAsTest(built));
    EXPECT_EQ(Headings(read.Inputs), (std::vector<std::string>{"A=A", built.InputObjects[1], "B=B"}));
    EXPECT_EQ(Headings(read.Outputs), std::vector<std::string>{"M=M"});
    EXPECT_EQ(Values(read).at(3), "0111");
}

TEST(TestTableText, TheAnalysisWindowsAndTheBuildersTestTablesReadBack)
{
    std::mt19937 random(20260613);
    for (int sample = 0; sample < 20; ++sample) {
        std::vector<std::string> inputs;
        for (uint32_t i = 0, n = 1 + random() % 5; i < n; ++i)
            inputs.push_back(std::string(1, static_cast<char>('A' + i)));
        const TAnalysisTable table = RandomTable(random, inputs, 1 + random() % 3);
        // The analysis window saves every row; the builder tries the rows where some output matters.
        ExpectReadsBack(AnalysisTest(table), AnalysisAsTest(table));
        ExpectReadsBack(AnalysisTest(table, true), TestTableText(AnalysisTest(table, true)));
        EXPECT_EQ(ParseAnalysisTable(AnalysisAsTest(table)).Functions, table.Functions);
    }
}
