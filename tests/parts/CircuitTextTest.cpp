#include "CircuitFile.h"
#include "CircuitText.h"
#include "ClassRegistry.h"
#include "CommaText.h"
#include "PartU.h"
#include "TestCircuit.h"
#include "TextFixture.h"

#include <gtest/gtest.h>


namespace {

TEST(CircuitText, AnEmptyListWritesTheHeaderAloneAndReadsBackAsNothing)
{
    TextBoard r;
    EXPECT_EQ(r.Save(), Header);
    r.Load(Header);
    EXPECT_EQ(r.result.Count(), 0);
    EXPECT_EQ(r.t.Bord.Count(), 0);
}

TEST(CircuitText, WritesPositionalNamesAndTheCommonKeysInOrder)
{
    TextBoard r;
    r.t.Place<TGate>(100, 60, 13, 2);
    r.t.Place<TNot>(-30, 7, 1, 3);
    EXPECT_EQ(r.Save(), Header + Block("TGate", "TGate0", "", 13, 100, 60, 100, 60, 40, 40, 4, 2) +
                            Block("TNot", "TNot1", "", 1, -30, 7, -30, 7, 40, 40, 4, 3));
    for (int i = 0; i < r.t.Bord.Count(); ++i) {
        EXPECT_EQ(r.t.Bord.Items(i)->Name, "") << "names exist only while a text is written";
        EXPECT_EQ(r.t.Bord.Items(i)->ContainerName, "");
    }
}

TEST(CircuitText, ReadsObjectsInTextOrderAndClearsTheirNames)
{
    TextBoard r;
    r.Load(Header + Block("TNot", "first", "", 1, 10, 20, 10, 20, 40, 40, 4, 1) +
           Block("TGate", "second", "", 8, 50, 60, 50, 60, 40, 40, 4, 0));
    ASSERT_EQ(r.result.Count(), 2);
    auto* inverter = dynamic_cast<TNot*>(r.result.Items(0));
    auto* gate = dynamic_cast<TGate*>(r.result.Items(1));
    ASSERT_TRUE(inverter && gate);
    EXPECT_EQ(r.t.Bord.Items(0), inverter);
    EXPECT_EQ(r.names, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(inverter->Name, "");
    EXPECT_EQ(inverter->PartNo, 1);
    EXPECT_EQ(inverter->Way, 1);
    EXPECT_EQ(inverter->Tanshis.Items(0)->GetPos(), (TPoint{20, 0}));  // terminals follow the Way read
    EXPECT_EQ(gate->Tanshis.Count(), 4);                                // three inputs for PartNo 8
    EXPECT_EQ(gate->GrabX, -50);
    EXPECT_EQ(gate->GrabY, -60);
}

TEST(CircuitText, ReadsAllFourPositionFieldsAsStored)
{
    TextBoard r;
    r.Load(Header + Block("TNot", "n", "", 0, 300, 200, 17, -4, 33, 44, 1, 0));
    const TPartsBase& o = *r.result.Items(0);
    EXPECT_EQ((std::vector<int>{o.Left, o.Top, o.OffsetLeft, o.OffsetTop, o.Width, o.Height, o.DragWidth,
                                o.DragHeight, o.WayCount}),
              (std::vector<int>{300, 200, 17, -4, 33, 44, 33, 44, 1}));
}

TEST(CircuitText, KeysAreFoundRegardlessOfCaseAndTheFirstOccurrenceWins)
{
    TextBoard r;
    r.Load(Header +
           "ClassName=TNot\nname=n=1\nPARTNO=1\nleft=5\nLeft=99\ntop=6\noffsetleft=5\noffsettop=6\nwidth=40\n"
           "height=40\nwaycount=4\nway=0\nColour=red\nno key line\nEnd\n");
    ASSERT_EQ(r.result.Count(), 1);
    EXPECT_EQ(r.names[0], "n=1");  // the value runs to the end of the line
    EXPECT_EQ(r.result.Items(0)->PartNo, 1);
    EXPECT_EQ(r.result.Items(0)->Left, 5);
}

TEST(CircuitText, SkipsUnknownClassesStrayLinesAndTheHeaderWhateverItSays)
{
    TextBoard r;
    r.Load("any first line\nPartNo=3\nEnd\n" + Block("TMacro", "m", "", 0, 0, 0, 0, 0, 1, 1, 0, 0) +
           "ClassName=tnot\n" + Block("TNot", "n", "", 0, 1, 2, 1, 2, 40, 40, 4, 0) + "ClassName=TNot \nEnd\n");
    ASSERT_EQ(r.result.Count(), 1);
    EXPECT_EQ(r.names[0], "n");
}

TEST(CircuitText, AMissingEndMidwayRunsTheBlockOnAndLosesTheNextObject)
{
    TextBoard r;
    std::string first = Block("TNot", "a", "", 1, 10, 10, 10, 10, 40, 40, 4, 0);
    first.erase(first.rfind("End\n"));
    r.Load(Header + first + Block("TGate", "b", "", 5, 90, 90, 90, 90, 40, 40, 4, 3));
    ASSERT_EQ(r.result.Count(), 1);
    EXPECT_EQ(r.result.Items(0)->ClassName(), std::string("TNot"));
    EXPECT_EQ(r.result.Items(0)->Left, 10);
    EXPECT_EQ(r.result.Items(0)->Way, 0);
}

TEST(CircuitText, BadIntegersAndAMissingEndFailWithTheirMessages)
{
    const std::string good = Block("TNot", "n", "", 0, 1, 2, 1, 2, 40, 40, 4, 0);
    auto with = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return Header + text;
    };
    EXPECT_EQ(TextBoard().LoadError(with("Left=1", "Left=12px")), "'12px' は整数ではありません");
    EXPECT_EQ(TextBoard().LoadError(with("Way=0", "Way=")), "'' は整数ではありません");
    EXPECT_EQ(TextBoard().LoadError(with("Height=40\n", "")), "'' は整数ではありません");
    EXPECT_EQ(TextBoard().LoadError(with("Top=2", "Top=99999999999")), "'99999999999' は整数ではありません");
    EXPECT_EQ(TextBoard().LoadError(with("End\n", "")), "部品の途中でファイルが終わっています");
    // Something, but no object at all: it would read as an empty circuit in place of the user's.
    EXPECT_EQ(TextBoard().LoadError(Header + "\x01\x02\n\nClassName=TNoSuchPart\nEnd\n"),
              "部品を1つも読めませんでした: 2 行目から最後の行 (5 行目) まで、部品の始まりの行がありません");
    EXPECT_EQ(TextBoard().LoadError(Header + "\n \n"), "");  // an empty circuit
    EXPECT_EQ(TextBoard().LoadError(with("PartNo=0", "PartNo=+7")), "");  // a sign is part of a number
}

TEST(CircuitText, AFailedReadLeavesTheBoardAsItWas)
{
    TextBoard r;
    auto* before = r.t.Place<TGate>(0, 0);
    const std::string text = Header + Block("TNot", "a", "", 0, 1, 2, 1, 2, 40, 40, 4, 0) +
                             Block("TGate", "b", "", 0, 1, 2, 1, 2, 40, 40, 4, 0) + "ClassName=TNot\nLeft=x\nEnd\n";
    EXPECT_EQ(r.LoadError(text), "'' は整数ではありません");
    ASSERT_EQ(r.t.Bord.Count(), 1);
    EXPECT_EQ(r.t.Bord.Items(0), before);
    EXPECT_EQ(r.result.Count(), 0);
}

TEST(CircuitText, AbsurdGeometryLoadsAndSavesUnchanged)
{
    TextBoard r;
    const std::string text = Header + Block("TGate", "TGate0", "", -2147483647 - 1, 2147483647, -2147483647 - 1,
                                            -2147483647 - 1, 2147483647, 2147483647, -2147483647 - 1,
                                            -2147483647 - 1, 2147483647);
    r.Load(text);
    r.t.Bord.CheckAllLinks();
    EXPECT_EQ(r.Save(), text);
}

// Sizes and counts at the ends of the 32-bit range load, link, draw and run without overflow and
// without allocating anything per pixel or per pass of them.
TEST(CircuitText, EveryClassTakesAbsurdNumbersFromAFile)
{
    const std::string keys = "ZanzoTime=2147483647\nCount=2147483647\nPulseWidth=-2147483648\nFontSize=2147483647\n"
                             "Text=\"a b\",論理\n";
    std::string text = Header;
    for (const TPartClass& c : PartClasses()) {
        text += Block(c.Name, "big", "", 2147483647, -2147483647 - 1, 2147483647, 0, 0, 2147483647, 2147483647,
                      2147483647, -2147483647 - 1, keys);
        text += Block(c.Name, "small", "big", -2147483647 - 1, 2147483647, -2147483647 - 1, 2147483647,
                      -2147483647 - 1, -2147483647 - 1, -2147483647 - 1, -2147483647 - 1, 2147483647, keys);
    }
    TextBoard r;
    r.Load(text);
    EXPECT_EQ(r.result.Count(), 2 * static_cast<int>(PartClasses().size()) - 2);  // the unboxed terminals go
    r.t.Bord.CheckAllLinks();
    RedrawBoard(r.t.Bord, r.t.Surface, {0, 0, r.t.Surface.Width(), r.t.Surface.Height()});
    r.t.Context.Simulating = true;
    r.t.Prepare();
    for (int pass = 0; pass < 3; ++pass) r.t.Pass();
    RedrawBoard(r.t.Bord, r.t.Surface, {0, 0, r.t.Surface.Width(), r.t.Surface.Height()});
    r.t.Context.Simulating = false;
    const std::string saved = r.Save();
    TextBoard again;
    again.Load(saved);
    EXPECT_EQ(again.Save(), saved);
}

TEST(CircuitText, ReSavingAReadTextGivesTheSameBytes)
{
    TextBoard r;
    r.t.Place<TGate>(10, 20, 31, 3);
    r.t.Place<TJKFF>(100, 20, 1, 1);
    r.t.Place<TDFF>(200, 20, 0, 0);
    r.t.Place<TTFF>(300, 20, 1, 0);
    const std::string first = r.Save();
    TextBoard again;
    again.Load(first);
    EXPECT_EQ(again.Save(), first);
    EXPECT_EQ(r.Save(), first);
}

// Every registered class comes back inside its box with the geometry, variant and orientation it
// was saved with, and saves again to the same text.
TEST(CircuitText, EveryRegisteredClassRoundTrips)
{
    for (const TPartClass& c : PartClasses()) {
        SCOPED_TRACE(c.Name);
        TextBoard r;
        auto* box = r.t.Bord.Create<TContainer>(nullptr);
        box->SetLeftTop(100, 50);
        TPartsBase* o = c.Create(r.t.Bord, &r.t.Surface);
        o->Container = box;
        o->SetLeftTop(130, 70);
        o->SetWay(o->WayCount > 1 ? o->WayCount - 1 : 0);
        o->SetTanshi();
        const std::string text = r.Save();
        EXPECT_NE(text.find("ClassName=" + std::string(c.Name) + "\nName=" + c.Name + "1\nContainerName=TContainer0\n"),
                  std::string::npos);
        TextBoard back;
        back.Load(text);
        ASSERT_EQ(back.result.Count(), 2);
        const TPartsBase& b = *back.result.Items(1);
        EXPECT_STREQ(b.ClassName(), c.Name);
        EXPECT_EQ(b.Container, back.result.Items(0));
        EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.OffsetLeft, b.OffsetTop, b.Width, b.Height, b.WayCount, b.Way,
                                    b.PartNo}),
                  (std::vector<int>{130, 70, 30, 20, o->Width, o->Height, o->WayCount, o->Way, o->PartNo}));
        EXPECT_EQ(b.Tanshis.Count(), o->Tanshis.Count());
        EXPECT_EQ(back.Save(), text);
    }
}

TEST(CircuitText, TheRegistryKnowsTheStoredClassNamesInReadingOrder)
{
    std::vector<std::string> names;
    for (const TPartClass& c : PartClasses()) names.push_back(c.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"TGate", "TCode", "TDot", "TNot", "TPushSW", "TTglSW", "TLED", "TJKFF",
                                               "TDFF", "TTFF", "TPulser", "TTextBox", "TScope", "TLED7SEG", "T2TO10",
                                               "T10TO2", "T7SEG", "TFullAdder", "TContainer", "TInTerminal",
                                               "TOutTerminal", "TOneShot", "TMatrix8X8"}));
    EXPECT_EQ(FindPartClass("TMacro"), nullptr);
    EXPECT_EQ(FindPartClass("tgate"), nullptr);
    EXPECT_STREQ(FindPartClass("TGate")->Name, "TGate");
}

// Class keys come back as stored and read as their defaults when missing or not integers.
TEST(CircuitText, ClassKeysRoundTripAndFallBackToTheirDefaults)
{
    struct Case {
        const char* cls;
        const char* key;
        const char* fallback;
    };
    for (const Case& c : {Case{"TLED", "ZanzoTime", "100"}, Case{"TMatrix8X8", "ZanzoTime", "100"},
                          Case{"TPulser", "Count", "10"}, Case{"TOneShot", "PulseWidth", "10"},
                          Case{"TTextBox", "FontSize", "12"}}) {
        SCOPED_TRACE(c.cls);
        auto saved = [&](const std::string& extra) {
            TextBoard r;
            r.Load(Header + Block(c.cls, "x", "", 0, 0, 0, 0, 0, 40, 40, 4, 0, extra));
            const std::string text = r.Save();
            const auto at = text.find(std::string("\n") + c.key + "=");
            return at == std::string::npos ? "(missing)" : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
        };
        const std::string key = c.key;
        EXPECT_EQ(saved(key + "=-37\n"), key + "=-37");
        EXPECT_EQ(saved(""), key + "=" + c.fallback);
        EXPECT_EQ(saved(key + "=ten\n"), key + "=" + c.fallback);
        EXPECT_EQ(saved(key + "=\n"), key + "=" + c.fallback);
    }
}

TEST(CircuitText, TextBoxLinesTravelAsCommaText)
{
    struct Case {
        TStrings lines;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {{}, "Text="},
        {{""}, "Text=\"\""},
        {{"a b", "c"}, "Text=\"a b\",c"},
        {{"say \"hi\"", "x,y"}, "Text=\"say \"\"hi\"\"\",\"x,y\""},
        {{"論理 回路", "ｱｲｳ"}, "Text=\"論理 回路\",ｱｲｳ"},
    };
    for (const Case& c : cases) {
        TextBoard r;
        auto* box = r.t.Bord.Create<TTextBox>(nullptr);
        box->CreateEditor();
        box->SetCommaText(EncodeCommaText(c.lines));
        const std::string text = r.Save();
        EXPECT_NE(text.find("\n" + c.stored + "\nFontSize=12\n"), std::string::npos) << text;
        TextBoard back;
        back.Load(Text(DecodeCircuitText(EncodeCircuitText(Lines(text)))));
        auto* read = dynamic_cast<TTextBox*>(back.result.Items(0));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Editor->Lines(), c.lines);
        EXPECT_EQ(read->DrawnLines, c.lines);
    }
}

TEST(CircuitText, ATextBoxKeepsItsStoredSizeOnlyAtFontSizeTwelve)
{
    auto sizeRead = [](const std::string& fontSize) {
        TextBoard r;
        r.Load(Header + Block("TTextBox", "t", "", 0, 0, 0, 0, 0, 333, 444, 0, 0, "Text=ab,cd\n" + fontSize));
        const TPartsBase& box = *r.result.Items(0);
        return std::pair(box.Width, box.Height);
    };
    EXPECT_EQ(sizeRead("FontSize=12\n"), std::pair(333, 444));
    EXPECT_EQ(sizeRead(""), std::pair(333, 444));
    EXPECT_NE(sizeRead("FontSize=20\n"), std::pair(333, 444));
}

TEST(CircuitText, TextTheCodePageCannotHoldIsReportedAndWrittenAsQuestionMarks)
{
    TestCircuit t;
    auto* plain = t.Bord.Create<TTextBox>(nullptr);
    plain->CreateEditor();
    plain->SetCommaText("論理");
    auto* lossy = t.Bord.Create<TTextBox>(nullptr);
    lossy->CreateEditor();
    lossy->SetCommaText("ok😀,fine");
    TPartsList all;
    t.Bord.CopyParts(all);
    TStrings lines;
    const TPartsList lost = SaveParts(all, lines);
    ASSERT_EQ(lost.Count(), 1);
    EXPECT_EQ(lost.Items(0), lossy);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Text=ok?,fine"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Text=論理"), lines.end());
    EXPECT_EQ(lossy->CommaText(), "ok😀,fine");  // the box itself keeps its text
}

TEST(CircuitFile, SplitsAtCrLfLfAndCrAndConvertsFromCodePage932)
{
    EXPECT_EQ(DecodeCircuitText("a\r\nb\nc\rd"), (TStrings{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodeCircuitText("a\r\n\r\n"), (TStrings{"a", ""}));
    EXPECT_EQ(DecodeCircuitText("a\n\rb\r\r\n"), (TStrings{"a", "", "b", ""}));
    EXPECT_EQ(DecodeCircuitText(""), TStrings{});
    EXPECT_EQ(DecodeCircuitText("Text=\x98\x5F\x97\x9D\r\n"), (TStrings{"Text=論理"}));
    // A lead byte cut off by a line end spoils only its own line.
    EXPECT_EQ(DecodeCircuitText("a\x81\r\nEnd\r\n"), (TStrings{"a?", "End"}));
}

TEST(CircuitFile, NamesTheLinesThatHeldBytesOutsideCodePage932)
{
    std::vector<size_t> bad;
    EXPECT_EQ(DecodeCircuitText("ok\r\na\x81\r\n\x98\x5F\r\nb\xFF\xFD" "c", &bad), (TStrings{"ok", "a?", "論", "b??c"}));
    EXPECT_EQ(bad, (std::vector<size_t>{2, 4}));
    EXPECT_EQ(BadBytesWarning("c.lgc", bad), "ファイル c.lgc の 2, 4 行目にコード ページ 932 の文字でないバイトがあり、"
                                             "'?' として読み込みました (保存すると '?' のまま残ります)");
    bad = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_NE(BadBytesWarning("c.lgc", bad).find("の 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 行目 ほか 2 行に"), std::string::npos);
}

TEST(CircuitFile, WritesCodePage932WithCrLfAfterEveryLine)
{
    EXPECT_EQ(EncodeCircuitText({"Text=論理", "End"}), "Text=\x98\x5F\x97\x9D\r\nEnd\r\n");
    EXPECT_EQ(EncodeCircuitText({}), "");
}

TEST(CircuitFile, FilesRoundTripAndFailuresSayWhy)
{
    const std::string path = testing::TempDir() + "voltrane_circuit_file_test.lgc";
    WriteCircuitFile(path, {"Voltrane", "ｱｲｳ 論理", ""});
    EXPECT_EQ(ReadCircuitFile(path), (TStrings{"Voltrane", "ｱｲｳ 論理", ""}));
    std::remove(path.c_str());
    EXPECT_THROW(ReadCircuitFile(path), TFileError);
    EXPECT_THROW(ReadCircuitFile(testing::TempDir()), TFileError);  // a folder
    EXPECT_THROW(WriteCircuitFile(testing::TempDir() + "no/such/folder/x.lgc", {"x"}), TFileError);
}

}  // namespace
