// The truth table of the circuit on a board: every row run as a test table's row runs, columns
// named by their labels, circuits with a memory refused, and the table given back as a test table
// that passes its circuit and fails a broken twin.
#include "CircuitFile.h"
#include "ScratchFolder.h"
#include "TableCheck.h"
#include "TestTable.h"
#include "TruthTable.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <algorithm>

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
