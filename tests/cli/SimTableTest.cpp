// voltrane-sim --test: grading circuit files against test tables, with the reports a teacher opens.
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

std::string Example(const std::string& name) { return std::string(VOLTRANE_EXAMPLES) + "/" + name; }

// Every shipped table passes its circuit and fails its broken twin at the row that the break shows.
TEST(VoltraneSimTest, ShippedTablesPassTheirCircuitsAndFailTheBrokenTwinsAtTheirRow)
{
    const std::map<std::string, std::string> failures = {
        {"half-adder", "8 行目 [1 1 | 0 1]: S 期待 0 実際 1"},               // the sum gate is an OR
        {"decoder2to4", "6 行目 [0 1 | 0 0 1 0]: Y2 期待 1 実際 0"},         // Y2 takes A for not A
        {"adder4", "7 行目 [1 1 1 0  1 0 0 0  0 | 8 0]: S 期待 8 実際 0"},   // bit 2 carries by AND
        {"counter3", "8 行目 (1 回目) [C 0 | 0 1 0]: Q2 期待 0 実際 1"},     // Q2 clocked by Q0
        {"counter", "10 行目 (1 回目) [| 0 1 1]: Q2 期待 1 実際 0"},         // Q2 clocked by not Q1
    };
    int tables = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VOLTRANE_EXAMPLES)) {
        if (entry.path().extension() != ".lgt") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ++tables;
        ASSERT_TRUE(failures.contains(name)) << "a table without its expected failure here";
        const std::string good = Example(name + ".lgc"), broken = Example(name + "-broken.lgc");
        const Outcome o = Sim({"--test", entry.path().string(), good, broken});
        EXPECT_EQ(o.status, 1) << o.err;
        EXPECT_EQ(o.out, "PASS " + good + "\nFAIL " + broken + ": " + failures.at(name) + "\n");
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(Sim({"--test", entry.path().string(), good}).status, 0);
    }
    EXPECT_EQ(tables, static_cast<int>(failures.size()));
}

TEST(VoltraneSimTest, MalformedTablesExitWithTwoNamingTheLine)
{
    const struct {
        const char* what;
        const char* table;
        const char* message;
    } cases[] = {
        {"empty", "", ":1: 列の見出しがありません (表が空です)"},
        {"comments only", "# nothing\n\n", ":2: 列の見出しがありません (表が空です)"},
        {"no rows", "A | S\n# none\n", ":2: 値の行がありません"},
        {"no bar in the header", "A S\n0 1\n", ":1: 見出しには入力の列と出力の列を分ける '|' が一つ要ります"},
        {"a column twice", "A B | A\n", ":1: 列 'A' が二つあります"},
        {"a mapping without a name", "A B= | S\n", ":1: 列 'B=' は NAME か 列=名前 と書きます"},
        {"too few values", "A B | S\n0 1 | 1\n1 0\n", ":3: 値が 2 個あります。列は 3 個です"},
        {"too many values", "A | S\n0 1 1\n", ":2: 値が 3 個あります。列は 2 個です"},
        {"the bar out of place", "A B | S\n0 | 1 1\n", ":2: '|' の前に入力の値が 2 個要ります"},
        {"bad hex", "A | S\n0 | G\n", ":2: 列 'S' の値 'G' は読めません (出力は 0, 1, X か 16 進の 1 桁)"},
        {"two hex digits", "A | S\n0 | 1F\n", ":2: 列 'S' の値 '1F' は読めません"},
        {"an input value", "A | S\n2 | 0\n", ":2: 列 'A' の値 '2' は読めません (入力は 0, 1, X, C)"},
        {"an unknown directive", "A | S\n@settle 5\n", ":2: '@settle' という指示はありません"},
        {"a directive first", "@limit 5\nA | S\n", ":1: 最初の行は列の見出しです"},
        {"a limit of 0", "A | S\n@limit 0\n0 | 0\n", ":2: @limit の値は 1 から 100000000 までの整数です ('0' ではなく)"},
        {"passes not a number", "A | S\n@passes ten\n", ":2: @passes の値は 1 から"},
        {"an unclosed repeat", "A | S\n@repeat 3\n0 | 0\n", ":2: @repeat に対応する @end がありません"},
        {"an end without repeat", "A | S\n0 | 0\n@end\n", ":3: @end に対応する @repeat がありません"},
        {"a repeat too large", "A | S\n@repeat 100000\n0 | 0\n1 | 1\n@end\n", ":2: @repeat を書き出すと行が"},
    };
    ScratchFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Put("t.lgt", c.table);
        const Outcome o = Sim({"--test", folder / "t.lgt", Example("half-adder.lgc")});
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err.rfind("voltrane-sim: " + (folder / "t.lgt") + c.message, 0), 0u) << o.err;
    }
    const Outcome missing = Sim({"--test", folder / "none.lgt", Example("half-adder.lgc")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none.lgt"), std::string::npos);
}

TEST(VoltraneSimTest, ReportsListEveryFileForATeacher)
{
    ScratchFolder folder;
    folder.Put("t.lgt", Slurp(Example("half-adder.lgt")));
    folder.Put("=evil,\"name\".lgc", Slurp(Example("half-adder-broken.lgc")));
    folder.Put("other.lgt", "A=Nobody | S=TLED4\n0 | 0\n");
    const std::string good = Example("half-adder.lgc"), broken = folder / "=evil,\"name\".lgc",
                      absent = folder / "absent.lgc";
    const Outcome o = Sim({"--test", folder / "t.lgt", good, broken, absent, "--junit", folder / "r.xml", "--csv",
                           folder / "r.csv"});
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "PASS " + good);
    const std::string csv = Slurp(folder / "r.csv");
    EXPECT_EQ(csv, "file,result,rows_passed,rows,first_failing_line,message\r\n" + good + ",PASS,4,4,,\r\n" + "\"" +
                       folder / "=evil,\"\"name\"\".lgc" + "\",FAIL,3,4,8,8 行目 [1 1 | 0 1]: S 期待 0 実際 1\r\n" +
                       absent + ",FAIL,0,4,,ファイル " + absent + " を開けません (No such file or directory)\r\n");
    const std::string xml = Slurp(folder / "r.xml");
    EXPECT_NE(xml.find("<testsuite name=\"" + folder / "t.lgt" + "\" tests=\"3\" failures=\"2\" errors=\"0\""),
              std::string::npos) << xml;
    EXPECT_NE(xml.find("name=\"" + folder / "=evil,&quot;name&quot;.lgc" + "\""), std::string::npos);
    EXPECT_NE(xml.find("<failure message=\"8 行目 [1 1 | 0 1]: S 期待 0 実際 1\">8 行目"), std::string::npos);

    // A report on standard output has it to itself; a name the file lacks fails that file alone.
    const Outcome toStdout = Sim({"--test", folder / "other.lgt", good, "--csv", "-"});
    EXPECT_EQ(toStdout.status, 1);
    EXPECT_EQ(toStdout.out, "file,result,rows_passed,rows,first_failing_line,message\r\n" + good +
                                ",FAIL,0,1,,'Nobody' という名前の部品はありません。'Nobody' と書いたテキストの右にも下にも "
                                "60 ドット以内にスイッチがありません\r\n");

    // Reports never overwrite a file they read; options of a run do not go with --test.
    const std::string table = folder / "t.lgt";
    const std::string before = Slurp(table);
    EXPECT_EQ(Sim({"--test", table, good, "--junit", table}).status, 2);
    EXPECT_EQ(Sim({"--test", table, good, "--csv", good}).status, 2);
    EXPECT_EQ(Slurp(table), before);
    EXPECT_EQ(Sim({"--test", table, good, "--watch", "TLED4"}).err.rfind("voltrane-sim: --watch は --test と一緒には使えません", 0), 0u);
    EXPECT_EQ(Sim({good, "--csv", folder / "x.csv"}).status, 2);
    EXPECT_EQ(Sim({good, good}).status, 2);
}

// A table typed with tabs between its values quotes a failing row with spaces in every report;
// other control characters, as in a file's name, are still escaped.
TEST(VoltraneSimTest, RowsWrittenWithTabsAreQuotedWithSpaces)
{
    ScratchFolder folder;
    folder.Put("t.lgt", "A=TTglSW0\tB=TTglSW1\t|\tS=TLED4\tC=TLED5\n"
                        "0\t0\t|\t0\t0\n"
                        "1\t1\t|\t0 \t1\t# the broken twin lights S\n");
    folder.Put("bro\x1bken.lgc", Slurp(Example("half-adder-broken.lgc")));
    const std::string broken = folder / "bro\x1bken.lgc", shown = folder / "bro\\x1Bken.lgc";
    const std::string failure = "3 行目 [1 1 | 0  1]: S 期待 0 実際 1";
    const Outcome o = Sim({"--test", folder / "t.lgt", broken, "--junit", folder / "r.xml", "--csv", folder / "r.csv"});
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out, "FAIL " + shown + ": " + failure + "\n");
    EXPECT_EQ(Slurp(folder / "r.csv"), "file,result,rows_passed,rows,first_failing_line,message\r\n" + shown +
                                           ",FAIL,1,2,3," + failure + "\r\n");
    const std::string xml = Slurp(folder / "r.xml");
    EXPECT_NE(xml.find("<failure message=\"" + failure + "\">" + failure + "\n</failure>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("name=\"" + shown + "\""), std::string::npos) << xml;
    EXPECT_EQ(xml.find("\\x09"), std::string::npos) << xml;
}

}  // namespace

// voltrane-sim --truth-table and --expr: the table of a combinational circuit, its CSV, a test table
// made of it that the circuit passes and its broken twin fails, and its minimal forms; a circuit with
// a memory is refused.
TEST(VoltraneSimTest, TruthTablePrintsWritesAndGradesAndRefusesACounter)
{
    const ScratchFolder folder;
    const Outcome o = Sim({"--truth-table", Example("half-adder.lgc"), "--csv", folder / "half.csv", "--lgt",
                           folder / "half.lgt"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "TTglSW0 TTglSW1 | TLED4 TLED5\n"
                     "      0       0 |     0     0\n"
                     "      0       1 |     1     0\n"
                     "      1       0 |     1     0\n"
                     "      1       1 |     0     1\n");
    EXPECT_EQ(Slurp(folder / "half.csv"), "TTglSW0,TTglSW1,TLED4,TLED5\n0,0,0,0\n0,1,1,0\n1,0,1,0\n1,1,0,1\n");
    const Outcome graded = Sim({"--test", folder / "half.lgt", Example("half-adder.lgc"), Example("half-adder-broken.lgc")});
    EXPECT_EQ(graded.status, 1);
    EXPECT_TRUE(graded.out.starts_with("PASS ")) << graded.out;

    const Outcome counter = Sim({"--truth-table", Example("counter3.lgc")});
    EXPECT_EQ(counter.status, 2);
    EXPECT_NE(counter.err.find("TTFF3, TTFF4, TTFF5"), std::string::npos) << counter.err;
    const Outcome expressions = Sim({"--expr", Example("half-adder.lgc")});
    EXPECT_EQ(expressions.out, "TLED4 = /TTglSW0·TTglSW1 + TTglSW0·/TTglSW1\n"
                               "TLED4 = (TTglSW0 + TTglSW1)·(/TTglSW0 + /TTglSW1)\n"
                               "TLED5 = TTglSW0·TTglSW1\nTLED5 = TTglSW0·TTglSW1\n");
    // A watched terminal is one more output, here the first inverter's.
    const Outcome watched = Sim({"--expr", Example("decoder2to4.lgc"), "--watch", "TNot2.1"});
    ASSERT_EQ(watched.status, 0) << watched.err;
    EXPECT_TRUE(watched.out.ends_with("Y3 = A·B\nTNot2.1 = /A\nTNot2.1 = /A\n")) << watched.out;
    EXPECT_EQ(Sim({"--truth-table", Example("decoder2to4.lgc"), "--watch", "TNot2.9"}).status, 2);
    EXPECT_EQ(Sim({"--test", folder / "half.lgt", Example("half-adder.lgc"), "--watch", "TLED4"}).status, 2);
    EXPECT_EQ(Sim({"--truth-table", Example("half-adder.lgc"), "--passes", "5"}).status, 2);
    EXPECT_EQ(Sim({Example("half-adder.lgc"), "--lgt", folder / "x.lgt"}).status, 2);
}

// A latch of two NAND gates: each row is a fresh start with its inputs; the row that holds what the
// rows before it left is marked *, with a line naming the loop, in the table and in its CSV, left out
// of the test table, and a don't-care of the forms.
TEST(VoltraneSimTest, TruthTableOfALatchMarksTheRowThatDependsOnTheRowsBefore)
{
    const ScratchFolder folder;
    const std::string latch = std::string(VOLTRANE_DATA) + "/sr_latch.lgc";
    const Outcome o = Sim({"--truth-table", latch, "--csv", folder / "latch.csv", "--lgt", folder / "latch.lgt"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "nS nR | Q\n"
                     " 0  0 | 1\n"
                     " 0  1 | 1\n"
                     " 1  0 | 0\n"
                     " 1  1 | 1  *\n"
                     "* の行は前に実行した行によって出力が変わります。状態は TGate2, TGate3 のループが保持しています。"
                     "各行はその入力で新たに開始した値です\n");
    EXPECT_EQ(Slurp(folder / "latch.csv"), "nS,nR,Q,history\n0,0,1,\n0,1,1,\n1,0,0,\n1,1,1,* TGate2 TGate3\n");
    EXPECT_EQ(Slurp(folder / "latch.lgt").find("1 1 |"), std::string::npos);
    EXPECT_EQ(Sim({"--test", folder / "latch.lgt", latch}).status, 0);
    const Outcome expressions = Sim({"--expr", latch});
    EXPECT_EQ(expressions.out, "Q = /nS\nQ = /nS\n"
                               "式では、前に実行した行によって出力が変わる行をドントケアとしています: 3 "
                               "(状態は TGate2, TGate3 のループが保持しています)\n");
}
