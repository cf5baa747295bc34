#include "SimProcess.h"

#include <gtest/gtest.h>

#include <regex>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string ToggleChain = Data("sim_toggle_chain.lgc");

TEST(VoltraneSim, ClicksReachTheChainOnePassPerPart)
{
    const Outcome o = Sim({ToggleChain, "--passes", "8", "--watch", "TTglSW0.0", "--watch", "TNot1.1", "--watch",
                           "TNot2.1", "--click", "TTglSW0@2", "--click", "TTglSW0@5"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out,
              "pass\tTTglSW0.0\tTNot1.1\tTNot2.1\n"
              "1\t0\t5\t0\n"
              "2\t0\t5\t0\n"
              "3\t5\t5\t0\n"  // the click after pass 2 shows at the switch after pass 3
              "4\t5\t0\t0\n"
              "5\t5\t0\t5\n"
              "6\t0\t0\t5\n"
              "7\t0\t5\t5\n"
              "8\t0\t5\t0\n");
    EXPECT_EQ(o.err, "");
}

TEST(VoltraneSim, PrintsEveryKthPassAndAlwaysTheLast)
{
    EXPECT_EQ(Sim({ToggleChain, "--passes", "7", "--every", "3", "--watch", "TNot1.1"}).out,
              "pass\tTNot1.1\n3\t5\n6\t5\n7\t5\n");
    EXPECT_EQ(Sim({ToggleChain, "--passes=6", "--every=3"}).out, "pass\n3\n6\n");
    EXPECT_EQ(Sim({ToggleChain, "--passes", "0", "--watch", "TNot1.1"}).out, "pass\tTNot1.1\n");
    EXPECT_EQ(Sim({ToggleChain, "--passes", "1", "--watch", "TNot1.1"}).out, "pass\tTNot1.1\n1\t5\n");
    EXPECT_EQ(Sim({"--watch", "TNot2.0", ToggleChain, "--passes", "2"}).out, "pass\tTNot2.0\n1\t5\n2\t5\n");
}

TEST(VoltraneSim, IndicatorsShowWhatTheyLastDrew)
{
    const Outcome o = Sim({Data("sim_indicators.lgc"), "--passes", "40", "--watch", "Lamp", "--watch", "Lamp.0",
                           "--watch", "Digit", "--watch", "Dots", "--click", "Switch@1", "--click", "Switch@25"});
    EXPECT_EQ(o.status, 0) << o.err;
    std::istringstream rows(o.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(rows, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[0], "pass\tLamp\tLamp.0\tDigit\tDots");
    // The lamp lights 20 passes after its input rises and goes dark ZanzoTime × 10 passes after it
    // falls; undriven segment inputs light their segments; open matrix lines read high.
    EXPECT_EQ(lines[3], "3\t0\t5\tFF\t0000000000000000");
    EXPECT_EQ(lines[21], "21\t0\t5\tFF\t0000000000000000");
    EXPECT_EQ(lines[22], "22\t1\t5\tFF\t0000000000000000");
    EXPECT_EQ(lines[35], "35\t1\t0\tFF\t0000000000000000");
    EXPECT_EQ(lines[36], "36\t0\t0\tFF\t0000000000000000");
}

TEST(VoltraneSim, AWholeNameEndingInDigitsStillNamesItsIndicator)
{
    const Outcome o = Sim({Data("sim_indicators.lgc"), "--passes", "1", "--watch", "Spare.1", "--watch", "Spare.1.0"});
    EXPECT_EQ(o.status, 0) << o.err;
    // The settle held its open input high for more than 20 passes: the lamp shows lit.
    EXPECT_EQ(o.out, "pass\tSpare.1\tSpare.1.0\n1\t1\t0\n");
}

TEST(VoltraneSim, EventsOfOnePassApplyInCommandLineOrder)
{
    const std::string push = Data("sim_push.lgc");
    auto last = [&](const char* first, const char* second) {
        const Outcome o = Sim({push, "--passes", "3", "--every", "3", "--watch", "TPushSW0.0", first, "TPushSW0@1",
                               second, "TPushSW0@1"});
        return o.out.substr(o.out.rfind('\t') + 1);
    };
    EXPECT_EQ(last("--release", "--press"), "5\n");
    EXPECT_EQ(last("--press", "--release"), "0\n");
    EXPECT_EQ(last("--press", "--press"), "5\n");
}

TEST(VoltraneSim, UsageErrorsExitWithTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{ToggleChain, "--frobnicate"}, "'--frobnicate' というオプションはありません"},
        {{"--passes", "3"}, "FILE が指定されていません"},
        {{ToggleChain, "--passes", "-1"}, "--passes には 0 以上の整数を指定してください ('-1' ではなく)"},
        {{ToggleChain, "--passes"}, "--passes には値が必要です"},
        {{ToggleChain, "--every", "0"}, "--every には 1 以上の整数を指定してください ('0' ではなく)"},
        {{ToggleChain, "--engine", "fast"},
         "--engine には auto, full, sparse, objects のどれかを指定してください ('fast' ではなく)"},
        {{ToggleChain, "--click", "TTglSW0@0"}, "--click には 1 以上の整数を指定してください ('0' ではなく)"},
        {{ToggleChain, "--press", "TTglSW0"}, "--press には NAME@P を指定してください ('TTglSW0' ではなく)"},
        {{ToggleChain, "--watch", "Nobody.0"}, "'Nobody' という名前の部品はありません"},
        {{ToggleChain, "--release", "Nobody@4"}, "'Nobody' という名前の部品はありません"},
        {{ToggleChain, "--watch", "TNot1.2"}, "'TNot1' に端子 2 はありません (端子は 2 個)"},
        {{ToggleChain, "--watch", "TNot1.99999999999999999999"}, "'TNot1' に端子 99999999999999999999 はありません"},
        {{ToggleChain, "--watch", "TNot1"}, "'TNot1' は TNot で、表示器"},
        {{Data("sim_indicators.lgc"), "--watch", "Lamp.1"}, "'Lamp' に端子 1 はありません (端子は 1 個)"},
        {{ToggleChain, "other.lgc"}, "FILE が二つあります"},
    };
    for (const Case& c : cases) {
        const Outcome o = Sim(c.args);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_NE(o.err.find("voltrane-sim: " + c.message), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "") << c.message;
    }
}

// A run record the editor saved: the circuit file, then the presses and releases by pass.
std::string WriteRecord(const std::string& text, const std::string& name = "run.lgr")
{
    const std::string path = Temp(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(VoltraneSim, ARunRecordReplaysItsPressesAndReleasesAtTheirPasses)
{
    const std::vector<std::string> watch = {ToggleChain, "--passes", "8", "--watch", "TTglSW0.0", "--watch", "TNot2.1"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), watch.begin(), watch.end());
        return Sim(more);
    };
    const Outcome clicked = with({"--click", "TTglSW0@2", "--press", "TTglSW0@5", "--release", "TTglSW0@6"});
    ASSERT_EQ(clicked.status, 0) << clicked.err;
    // Written by a Windows editor: a byte order mark, CR LF and a blank line change nothing.
    const Outcome replayed = with({"--replay", WriteRecord("\xEF\xBB\xBF" + ToggleChain +
                                                           "\r\n2 press TTglSW0\r\n2  release\tTTglSW0\r\n\r\n"
                                                           "5 press TTglSW0\n6 release TTglSW0\n")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, clicked.out);
    EXPECT_EQ(replayed.err, "");
    // Actions of one pass apply in command-line order, the record's where --replay stands.
    const std::string push = Data("sim_push.lgc");
    const std::string pressAt1 = WriteRecord(push + "\n1 press TPushSW0\n", "press.lgr");
    auto held = [&](std::vector<std::string> events) {
        events.insert(events.begin(), {push, "--passes", "3", "--every", "3", "--watch", "TPushSW0.0"});
        const std::string out = Sim(events).out;
        return out.substr(out.rfind('\t') + 1);
    };
    EXPECT_EQ(held({"--release", "TPushSW0@1", "--replay", pressAt1}), "5\n");
    EXPECT_EQ(held({"--replay", pressAt1, "--release", "TPushSW0@1"}), "0\n");
    // A record made for another circuit is replayed all the same, with a warning.
    const Outcome other = with({"--replay", WriteRecord("elsewhere.lgc\n2 press TTglSW0\n2 release TTglSW0\n")});
    EXPECT_EQ(other.status, 0);
    EXPECT_EQ(other.out, with({"--click", "TTglSW0@2"}).out);
    EXPECT_NE(other.err.find("警告: 記録 '"), std::string::npos) << other.err;
}

TEST(VoltraneSim, MalformedRunRecordsExitWithTwoNamingTheLine)
{
    struct Case {
        std::string text;
        int line;
        std::string message;
    };
    const std::string top = ToggleChain + "\n";
    const std::vector<Case> cases = {
        {"", 1, "1 行目に回路ファイルの名前がありません"},
        {"\n3 press TTglSW0\n", 1, "1 行目に回路ファイルの名前がありません"},
        // Read as a circuit named " " or "1 press TTglSW0", these would replay without their first action.
        {" \t\r\n3 press TTglSW0\n", 1, "1 行目に回路ファイルの名前がありません"},
        {"\xEF\xBB\xBF \n3 press TTglSW0\n", 1, "1 行目に回路ファイルの名前がありません"},
        {"1 press TTglSW0\n2 release TTglSW0\n", 1,
         "1 行目に回路ファイルの名前がありません ('1 press TTglSW0' は記録の行です)"},
        {"3  release\tTTglSW0\r\n", 1,
         "1 行目に回路ファイルの名前がありません ('3  release\\x09TTglSW0' は記録の行です)"},
        // Lines ended by CR alone (an old Macintosh editor) would read as one circuit file name.
        {ToggleChain + "\r2 press TTglSW0\r2 release TTglSW0\r", 1,
         "行が CR だけで区切られています (行は LF か CR LF で区切ってください)"},
        {top + "2 press TTglSW0\r2 release TTglSW0\n", 2,
         "行が CR だけで区切られています (行は LF か CR LF で区切ってください)"},
        {top + "3 press TTglSW0\n4 press Nobody\n", 3, "'Nobody' という名前の部品はありません"},
        {top + "0 press TTglSW0\n", 2, "パスは 1 以上の整数で書いてください ('0' ではなく)"},
        {top + "-2 release TTglSW0\n", 2, "パスは 1 以上の整数で書いてください ('-2' ではなく)"},
        {top + "99999999999999999999 press TTglSW0\n", 2, "パスは 1 以上の整数で書いてください"},
        {top + "5 press TTglSW0\n5 release TTglSW0\n4 press TTglSW0\n", 4,
         "パス 4 が前の行のパス 5 より前に戻っています"},
        {top + "5 push TTglSW0\n", 2, "'5 push TTglSW0' は記録の行ではありません"},
        {top + "5 press\n", 2, "'5 press' は記録の行ではありません"},
        {top + "5x press TTglSW0\n", 2, "'5x press TTglSW0' は記録の行ではありません"},
        {top + "\x01\x02garbage", 2, "'\\x01\\x02garbage' は記録の行ではありません"},
    };
    for (const Case& c : cases) {
        const std::string record = WriteRecord(c.text);
        const Outcome o = Sim({ToggleChain, "--passes", "8", "--replay", record});
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_NE(o.err.find("voltrane-sim: " + record + ":" + std::to_string(c.line) + ": " + c.message),
                  std::string::npos)
            << o.err;
        EXPECT_EQ(o.out, "") << c.message;
    }
    EXPECT_EQ(Sim({ToggleChain, "--replay", Temp("missing.lgr")}).status, 1);
    const std::string record = WriteRecord(top);
    EXPECT_EQ(Sim({ToggleChain, "--replay", record, "--replay", record}).status, 2);
    EXPECT_EQ(Sim({ToggleChain, "--replay", record, "--vcd", record}).status, 2);  // it would overwrite the record
}

TEST(VoltraneSim, FilesThatCannotBeReadOrLoadedExitWithOne)
{
    const Outcome missing = Sim({Data("no_such_file.lgc"), "--watch", "Nobody.0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no_such_file.lgc"), std::string::npos);
    const Outcome broken = Sim({Data("sim_broken.lgc")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("sim_broken.lgc: 部品の途中でファイルが終わっています (2 行目)"), std::string::npos)
        << broken.err;
    EXPECT_EQ(broken.out, "");
}

// Two switches tied to one lamp: the run goes as ever, the later switch winning, with one warning for the net.
TEST(VoltraneSim, OutputsTiedTogetherAreNamedInOneWarningAndRunAsEver)
{
    const Outcome o = Sim({Data("tied_switches.lgc"), "--passes", "20", "--every", "10", "--watch", "TTglSW0.0",
                           "--watch", "TLED3.0", "--click", "TTglSW0@5", "--lang", "en"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "pass\tTTglSW0.0\tTLED3.0\n10\t5\t0\n20\t5\t0\n");
    EXPECT_EQ(o.err,
              "voltrane-sim: Warning: the outputs TTglSW0.0, TTglSW1.0 drive one net; where their levels differ, "
              "the one last in the file wins\n");
    EXPECT_EQ(Sim({std::string(VOLTRANE_EXAMPLES) + "/adder4.lgc", "--passes", "1"}).err, "");
}

// Refused as the editor's Open refuses them, rather than run as an empty circuit.
TEST(VoltraneSim, FilesThatHoldNoCircuitExitWithOneAndSayWhy)
{
    const std::string program = Temp("program.lgc"), junk = Temp("junk.lgc");
    std::filesystem::copy_file(VOLTRANE_SIM, program);
    std::ofstream(junk, std::ios::binary) << "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n\x7f"
                                          << std::string(300, '\x01') << "\r\nsomething\r\nelse\r\n";
    const Outcome binary = Sim({program, "--passes", "5"});
    EXPECT_EQ(binary.status, 1);
    EXPECT_NE(binary.err.find("program.lgc: 回路ファイルではありません"), std::string::npos) << binary.err;
    EXPECT_EQ(binary.out, "");
    const Outcome headerOnly = Sim({junk, "--passes", "5"});
    EXPECT_EQ(headerOnly.status, 1);
    EXPECT_NE(headerOnly.err.find("部品を1つも読めませんでした: 2 行目から最後の行 (4 行目) まで"), std::string::npos)
        << headerOnly.err;
    EXPECT_EQ(Sim({"--truth-table", program}).status, 1);
}

// A label names what it marks, as a test table reads it: a lamp, or else an output beside it.
TEST(VoltraneSim, AWatchTakesALabelWhereNoObjectHasTheName)
{
    const Outcome o = Sim({std::string(VOLTRANE_EXAMPLES) + "/decoder2to4.lgc", "--passes", "1500", "--every", "1500",
                           "--watch", "Y0", "--watch", "Y1", "--watch", "A"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "pass\tY0\tY1\tA\n1500\t1\t0\t0\n");
    EXPECT_EQ(Sim({std::string(VOLTRANE_EXAMPLES) + "/decoder2to4.lgc", "--watch", "Y9"}).status, 2);
}

// What a lamp shows is recorded whenever the board is redrawn, whatever is painted: every shipped
// example's lamps read the same, pass for pass, with a picture and without.
TEST(VoltraneSim, ShippedLampsReadTheSameWithAndWithoutAPicture)
{
    for (const char* name : {"half-adder", "adder4", "counter3", "decoder2to4"}) {
        const std::string file = std::string(VOLTRANE_EXAMPLES) + "/" + name + ".lgc";
        std::vector<std::string> args{file, "--passes", "40"};
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("Name=TLED") && line.size() > 9 && std::isdigit(static_cast<unsigned char>(line[9])))
                args.insert(args.end(), {"--watch", line.substr(5, line.find_last_not_of('\r') - 4)});
        ASSERT_GT(args.size(), 3u) << name;
        const Outcome plain = Sim(args);
        args.insert(args.end(), {"--png", Temp("lamps.png")});
        const Outcome pictured = Sim(args);
        if (pictured.status == 2) GTEST_SKIP() << "this build has no picture output";
        EXPECT_EQ(plain.status, 0) << plain.err;
        EXPECT_EQ(plain.out, pictured.out) << name;
    }
    // The settle has the lamps take the high level over, and the redraw after the first pass shows it.
    const Outcome halfAdder = Sim(
        {std::string(VOLTRANE_EXAMPLES) + "/half-adder.lgc", "--passes", "3", "--watch", "TLED4", "--watch", "TLED5"});
    EXPECT_EQ(halfAdder.out, "pass\tTLED4\tTLED5\n1\t0\t0\n2\t1\t1\n3\t1\t1\n");
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool AddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool AddressSanitizer = false;
#endif

TEST(VoltraneSim, RunningOutOfMemoryExitsWithOneAndSaysSo)
{
    // The sanitizer reserves far more address space than any limit that would bite here.
    if (AddressSanitizer) GTEST_SKIP() << "address space limits do not apply under the address sanitizer";
    const std::string big = Temp("big.lgc");
    {
        std::ofstream out(big, std::ios::binary);
        out << "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n";
        for (int i = 0; i < 200000; ++i)
            out << "ClassName=TCode\r\nName=TCode" << i << "\r\nContainerName=\r\nPartNo=0\r\nLeft=" << i * 10
                << "\r\nTop=0\r\nOffsetLeft=0\r\nOffsetTop=0\r\nWidth=10\r\nHeight=0\r\nWayCount=0\r\nWay=0\r\nEnd\r\n";
    }
    // The smallest of these limits under which a small circuit runs: the program's own libraries
    // take more room in some builds than in others.
    std::string limitKb;
    bool smallRuns = false;
    for (const char* limit : {"40000", "80000", "160000"}) {
        limitKb = limit;
        smallRuns = Sim({ToggleChain, "--passes", "1"}, limitKb).status == 0;
        if (smallRuns) break;
    }
    ASSERT_TRUE(smallRuns);
    const Outcome o = Sim({big, "--passes", "1"}, limitKb);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(big + ": メモリが足りない"), std::string::npos) << o.err;

    // Grading a class, the file too large fails alone and the next one is still checked.
    const std::string table = Temp("chain.lgt");
    std::ofstream(table) << "A=TTglSW0 | N=TNot1.1\n0 | 1\n1 | 0\n";
    const Outcome graded = Sim({"--test", table, big, ToggleChain}, limitKb);
    EXPECT_EQ(graded.status, 1);
    EXPECT_EQ(graded.out,
              "FAIL " + big + ": メモリが足りないため、この回路を読み込んで調べられません\nPASS " + ToggleChain + "\n");
    std::remove(table.c_str());
    std::remove(big.c_str());
}

TEST(VoltraneSim, HelpShowsTheOptions)
{
    const Outcome o = Sim({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.out.starts_with("使い方: voltrane-sim FILE [オプション]\n")) << o.out;
    for (const char* option : {"--passes", "--watch", "--every", "--press", "--vcd", "--png", "--save", "--stats"})
        EXPECT_NE(o.out.find(option), std::string::npos) << option;
}

TEST(VoltraneSim, VersionPrintsTheProgramsVersion)
{
    const std::string line = std::string("voltrane-sim ") + VOLTRANE_VERSION + "\n";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"}, {"--version", ToggleChain}}) {
        const Outcome o = Sim(args);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out, line);
        EXPECT_EQ(o.err, "");
    }
    EXPECT_NE(Sim({"--help"}).out.find("--version"), std::string::npos);
    // A version that cannot be written is no success.
    if (std::filesystem::exists("/dev/full")) {
        const int status = std::system((std::string(VOLTRANE_SIM) + " --version >/dev/full 2>/dev/null").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    }
}

// Whether the text holds a character of the Japanese scripts (U+3000 to U+9FFF: kana and kanji),
// whose UTF-8 sequences begin with the bytes E3 to E9.
bool HasJapanese(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xE3 && byte <= 0xE9;
    });
}

// --lang chooses the language of everything a person reads, even of the usage errors of the
// arguments before it; what programs read (the PASS and FAIL words, the CSV header) stays.
TEST(VoltraneSim, SpeaksTheLanguageThatLangAsksFor)
{
    const Outcome help = Sim({"--lang", "en", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: voltrane-sim FILE [options]\n")) << help.out;
    EXPECT_NE(help.out.find("--lang L"), std::string::npos);
    EXPECT_FALSE(HasJapanese(help.out)) << help.out;
    EXPECT_TRUE(HasJapanese(Sim({"--help"}).out));

    const Outcome usage = Sim({ToggleChain, "--passes", "-1", "--lang=en"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "voltrane-sim: --passes needs an integer of 0 or more (not '-1')\n"
                         "Try 'voltrane-sim --help'.\n");
    // A --lang that is the value of another option, or comes after "--", chooses nothing.
    EXPECT_TRUE(HasJapanese(Sim({"--lang", "ja", ToggleChain, "--watch", "--lang", "en"}).err));
    EXPECT_TRUE(HasJapanese(Sim({"--lang", "ja", "--", ToggleChain, "--lang", "en"}).err));
    // A language without a catalog is a usage error that names the languages there are.
    const Outcome unknown = Sim({"--lang", "xx", ToggleChain});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("'xx'"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("en, ja"), std::string::npos) << unknown.err;
    EXPECT_EQ(unknown.out, "");

    // A failing check: a row of a repeat block, a file that cannot be opened, the CSV's message.
    const std::string table = Temp("chain.lgt"), csv = Temp("report.csv"), absent = Temp("absent.lgc");
    std::ofstream(table) << "A=TTglSW0 | N=TNot1.1\n@repeat 2\n0 | 1\n1 | 1\n@end\n";
    const Outcome report = Sim({"--lang", "en", "--test", table, ToggleChain, absent, "--csv", csv});
    EXPECT_EQ(report.status, 1) << report.err;
    const std::string failure = "Line 4 (round 1) [1 | 1]: N expected 1 but was 0";
    EXPECT_EQ(report.out, "FAIL " + ToggleChain + ": " + failure + "\nFAIL " + absent + ": Cannot open the file " +
                              absent + " (No such file or directory)\n");
    EXPECT_EQ(report.err, "");
    EXPECT_EQ(Slurp(csv).substr(0, Slurp(csv).find('\n') + 1),
              "file,result,rows_passed,rows,first_failing_line,message\r\n");
    EXPECT_NE(Slurp(csv).find(",FAIL,2,4,4," + failure + "\r\n"), std::string::npos) << Slurp(csv);
    std::remove(table.c_str());
    std::remove(csv.c_str());
}

TEST(VoltraneSim, SavesTheBoardAsTheEditorWouldBeforeTheRun)
{
    const std::string saved = Temp("saved.lgc");
    const Outcome o = Sim({ToggleChain, "--passes", "2", "--save", saved});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Slurp(saved), Slurp(ToggleChain));
    EXPECT_EQ(Sim({ToggleChain, "--save", Temp("no/such/folder/x.lgc")}).status, 1);
}

TEST(VoltraneSim, WritesTheWatchedColumnsAsAWaveform)
{
    const std::string vcd = Temp("wave.vcd");
    const Outcome o = Sim({ToggleChain, "--passes", "6", "--every", "6", "--watch", "TTglSW0.0", "--watch", "TNot2.1",
                           "--click", "TTglSW0@1", "--vcd", vcd});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Slurp(vcd), "$version voltrane-sim $end\n"
                          "$timescale 1ns $end\n"
                          "$scope module circuit $end\n"
                          "$var wire 1 ! TTglSW0_0 $end\n"
                          "$var wire 1 \" TNot2_1 $end\n"
                          "$upscope $end\n"
                          "$enddefinitions $end\n"
                          "#1\n$dumpvars\n0!\n0\"\n$end\n"
                          "#2\n1!\n"
                          "#4\n1\"\n"
                          "#6\n");
}

TEST(VoltraneSim, StatsGoToStandardError)
{
    const Outcome o = Sim({ToggleChain, "--passes", "50", "--every", "50", "--stats", "--engine", "sparse"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "pass\n50\n");
    EXPECT_TRUE(std::regex_match(o.err, std::regex("passes=50 seconds=[0-9]+\\.[0-9]{6} passes_per_second=[0-9]+ "
                                                   "objects=3 engine=sparse\n")))
        << o.err;
}

// The worked examples of docs/voltrane-sim.md, as printed there, whichever engine computes them.
TEST(VoltraneSim, TheDocumentedExamplesPrintWhatTheDocumentShows)
{
    const std::string examples = VOLTRANE_EXAMPLES;
    for (const char* engine : {"auto", "full", "sparse", "objects"})
        EXPECT_EQ(Sim({examples + "/half-adder.lgc",
                       "--passes",
                       "120",
                       "--every",
                       "30",
                       "--watch",
                       "TTglSW0.0",
                       "--watch",
                       "TTglSW1.0",
                       "--watch",
                       "TGate2.2",
                       "--watch",
                       "TGate3.2",
                       "--watch",
                       "TLED4",
                       "--watch",
                       "TLED5",
                       "--click",
                       "TTglSW1@30",
                       "--click",
                       "TTglSW0@60",
                       "--click",
                       "TTglSW1@60",
                       "--click",
                       "TTglSW1@90",
                       "--engine",
                       engine})
                      .out,
                  "pass\tTTglSW0.0\tTTglSW1.0\tTGate2.2\tTGate3.2\tTLED4\tTLED5\n"
                  "30\t0\t0\t0\t0\t0\t0\n"
                  "60\t0\t5\t5\t0\t1\t0\n"
                  "90\t5\t0\t5\t0\t1\t0\n"
                  "120\t5\t5\t0\t5\t0\t1\n")
            << engine;
    const std::string vcd = Temp("counter.vcd");
    const Outcome counter = Sim({examples + "/counter.lgc", "--passes", "200", "--every", "22", "--watch", "TPulser0.0",
                                 "--watch", "TTFF1.3", "--watch", "TTFF2.3", "--watch", "TTFF3.3", "--vcd", vcd});
    EXPECT_EQ(counter.out, "pass\tTPulser0.0\tTTFF1.3\tTTFF2.3\tTTFF3.3\n"
                           "22\t5\t0\t0\t5\n44\t5\t5\t0\t5\n66\t5\t0\t5\t5\n88\t5\t5\t5\t5\n110\t5\t0\t0\t0\n"
                           "132\t5\t5\t0\t0\n154\t5\t0\t5\t0\n176\t5\t5\t5\t0\n198\t5\t0\t0\t5\n200\t5\t0\t0\t5\n");
    EXPECT_TRUE(Slurp(vcd).starts_with("$version voltrane-sim $end\n$timescale 1ns $end\n$scope module circuit $end\n"
                                       "$var wire 1 ! TPulser0_0 $end\n"));
    EXPECT_NE(Slurp(vcd).find("#1\n$dumpvars\n1!\n1\"\n1#\n0$\n$end\n#4\n0!\n#5\n0\"\n"), std::string::npos);
}

TEST(VoltraneSim, PicturesNeedTheRasterCanvas)
{
    // As under cron or in CI: no runtime folder, and still nothing printed that was not asked for.
    const std::string runtime = getenv("XDG_RUNTIME_DIR") ? getenv("XDG_RUNTIME_DIR") : "";
    unsetenv("XDG_RUNTIME_DIR");
    const Outcome o = Sim({ToggleChain, "--png", Temp("board.png")});
    if (!runtime.empty()) setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    if (o.status == 2) {
        EXPECT_NE(o.err.find("--png は使えません"), std::string::npos);
        return;
    }
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(Slurp(Temp("board.png")).starts_with("\x89PNG"));
}

// The width and height a PNG file gives in its header.
std::pair<int, int> PngSize(const std::string& bytes)
{
    if (bytes.size() < 24 || bytes.compare(12, 4, "IHDR") != 0) return {-1, -1};
    const auto word = [&](size_t at) {
        int value = 0;
        for (size_t i = at; i < at + 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[i]);
        return value;
    };
    return {word(16), word(20)};
}

TEST(VoltraneSim, ScaledPicturesDrawEveryUnitAsScaleTimesScalePixels)
{
    const std::string plain = Temp("plain.png"), one = Temp("one.png"), two = Temp("two.png"), four = Temp("four.png");
    const Outcome first = Sim({ToggleChain, "--passes", "0", "--png", plain});
    if (first.status == 2) GTEST_SKIP() << "this build has no picture output";
    ASSERT_EQ(first.status, 0) << first.err;
    const auto [width, height] = PngSize(Slurp(plain));
    ASSERT_GT(width, 0);
    EXPECT_EQ(Sim({ToggleChain, "--passes", "0", "--png", one, "--scale", "1"}).status, 0);
    EXPECT_EQ(Slurp(one), Slurp(plain));
    EXPECT_EQ(Sim({ToggleChain, "--passes", "0", "--scale=2", "--png", two}).status, 0);
    EXPECT_EQ(PngSize(Slurp(two)), std::pair(2 * width, 2 * height));
    const Outcome run = Sim({ToggleChain, "--passes", "3", "--png", four, "--scale", "4"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(PngSize(Slurp(four)), std::pair(4 * width, 4 * height));
    EXPECT_NE(Sim({"--help"}).out.find("--scale S"), std::string::npos);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string none = Temp("none.png");
    const std::string wrong = "--scale には 1, 2, 3, 4 のどれかを指定してください";
    const std::vector<Case> cases{
        {{ToggleChain, "--png", none, "--scale", "0"}, wrong + " ('0' ではなく)"},
        {{ToggleChain, "--png", none, "--scale", "5"}, wrong},
        {{ToggleChain, "--png", none, "--scale", "1.5"}, wrong},
        {{ToggleChain, "--png", none, "--scale", "-2"}, wrong},
        {{ToggleChain, "--png", none, "--scale", "02"}, wrong},
        {{ToggleChain, "--png", none, "--scale", "two"}, wrong},
        {{ToggleChain, "--png", none, "--scale="}, wrong},
        {{ToggleChain, "--png", none, "--scale"}, "--scale には値が必要です"},
        {{ToggleChain, "--scale", "2"}, "--scale は --png と使います"},
        {{"--test", Temp("t.lgt"), ToggleChain, "--scale", "2"}, "--scale は --test と一緒には使えません"},
    };
    for (const Case& c : cases) {
        const Outcome o = Sim(c.args);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_NE(o.err.find("voltrane-sim: " + c.message), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "") << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(none));
    for (const std::string& path : {plain, one, two, four}) std::remove(path.c_str());
}

// The colours an SVG picture draws its lines, figures and text in (its sprites are images).
std::vector<std::string> SvgColours(const std::string& svg)
{
    std::vector<std::string> colours;
    const std::regex colour("#[0-9a-fA-F]{6}");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), colour); it != std::sregex_iterator(); ++it)
        if (std::find(colours.begin(), colours.end(), it->str()) == colours.end()) colours.push_back(it->str());
    std::sort(colours.begin(), colours.end());
    return colours;
}

TEST(VoltraneSim, PicturesTakeTheLookAskedForAndPaperIsCleanByDefault)
{
    const std::string screen = Temp("screen.svg"), clean = Temp("clean.svg"), png = Temp("clean.png"),
                      plain = Temp("plain.png"), pdf = Temp("page.pdf");
    const Outcome first = Sim({ToggleChain, "--passes", "0", "--svg", screen, "--png", plain});
    if (first.status == 2) GTEST_SKIP() << "this build has no picture output";
    ASSERT_EQ(first.status, 0) << first.err;
    // As on screen: olive grid dots, the red circles of open terminals, the grey board.
    const std::vector<std::string> onScreen = SvgColours(Slurp(screen));
    for (const char* colour : {"#808000", "#ff0000", "#f0f0f0"})
        EXPECT_NE(std::find(onScreen.begin(), onScreen.end(), colour), onScreen.end()) << colour;
    const Outcome o = Sim({ToggleChain, "--passes", "0", "--look", "clean", "--svg", clean, "--png", png});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(SvgColours(Slurp(clean)), (std::vector<std::string>{"#000000", "#ffffff"}));
    EXPECT_EQ(PngSize(Slurp(png)), PngSize(Slurp(plain)));
    EXPECT_NE(Slurp(png), Slurp(plain));

    // Every picture look is written with every option that goes with it, and rows come out as ever.
    const std::vector<std::vector<std::string>> good{
        {"--pdf", pdf},
        {"--pdf", pdf, "--levels"},
        {"--pdf", pdf, "--look=screen"},
        {"--png", png, "--look", "clean", "--no-levels"},
        {"--svg", clean, "--look", "clean", "--levels", "--scale", "1", "--png", png},
        // A PNG and a clean PDF with levels from one run work, but under the sanitizers of this
        // machine (clang 14, glibc 2.36) the leak checker's own tracer crashes on that mix at exit.
        {"--png", png, "--svg", clean, "--look", "clean", "--levels"},
    };
    const std::string rows = Sim({ToggleChain, "--passes", "4", "--click", "TTglSW0@1"}).out;
    for (const auto& extra : good) {
        std::vector<std::string> args{ToggleChain, "--passes", "4", "--click", "TTglSW0@1"};
        args.insert(args.end(), extra.begin(), extra.end());
        const Outcome run = Sim(args);
        EXPECT_EQ(run.status, 0) << extra[0] << " " << run.err;
        EXPECT_EQ(run.out, rows) << extra[0];
    }
    EXPECT_TRUE(Slurp(pdf).starts_with("%PDF-"));

    // After a run, a picture as on screen shows the nets' levels as the screen does: the switch
    // clicked on drives its wires high (red), the other's stay low (dark blue).
    const std::string levelled = Temp("levelled.svg");
    const Outcome ran = Sim({Data("half_adder.lgc"), "--passes", "4", "--click", "TTglSW1@1", "--svg", levelled});
    ASSERT_EQ(ran.status, 0) << ran.err;
    const std::vector<std::string> levelColours = SvgColours(Slurp(levelled));
    for (const char* colour : {"#dc0000", "#0000a0"})
        EXPECT_NE(std::find(levelColours.begin(), levelColours.end(), colour), levelColours.end()) << colour;

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string none = Temp("none.png");
    const std::string wrong = "--look には screen、clean のどれかを指定してください";
    const std::string levels = " はすっきりした画像 (--look clean か --pdf) と一緒に使います";
    const std::vector<Case> cases{
        {{ToggleChain, "--png", none, "--look", "dark"}, wrong + " ('dark' ではなく)"},
        {{ToggleChain, "--png", none, "--look", "Clean"}, wrong},
        {{ToggleChain, "--png", none, "--look="}, wrong + " ('' ではなく)"},
        {{ToggleChain, "--png", none, "--look"}, "--look には値が必要です"},
        {{ToggleChain, "--look", "clean"}, "--look は --png、--svg、--pdf と一緒に使います"},
        {{ToggleChain, "--png", none, "--levels"}, "--levels" + levels},
        {{ToggleChain, "--svg", none, "--look", "screen", "--levels"}, "--levels" + levels},
        {{ToggleChain, "--pdf", none, "--look", "screen", "--no-levels"}, "--no-levels" + levels},
        {{ToggleChain, "--levels"}, "--levels" + levels},
        {{ToggleChain, "--levels=yes", "--pdf", none}, "'--levels=yes' というオプションはありません"},
        {{"--test", Temp("t.lgt"), ToggleChain, "--look", "clean"}, "--look は --test と一緒には使えません"},
        {{"--truth-table", ToggleChain, "--no-levels"}, "--no-levels は --truth-table と一緒には使えません"},
    };
    for (const Case& c : cases) {
        const Outcome bad = Sim(c.args);
        EXPECT_EQ(bad.status, 2) << c.message;
        EXPECT_NE(bad.err.find("voltrane-sim: " + c.message), std::string::npos) << bad.err;
        EXPECT_EQ(bad.out, "") << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(none));
    const std::string help = Sim({"--help"}).out;
    for (const char* option : {"--look L", "--levels, --no-levels"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    for (const std::string& path : {screen, clean, png, plain, pdf}) std::remove(path.c_str());
}

}  // namespace
