#include "CircuitFile.h"
#include "GestureFixture.h"
#include "Macros.h"
#include "ScratchFolder.h"
#include "ScriptedShell.h"

#include <filesystem>

namespace {

struct Macros : GestureTest {
    ScratchFolder folder;
    ScriptedShell shell;
    std::string Folder() const { return folder / "Macro"; }

    Macros() { std::filesystem::create_directories(Folder()); }

    // A sub-board at (x, y) holding an inverter.
    TContainer* BoxWithInverter(int x, int y)
    {
        TContainer* box = AddBox(t, x, y, 80, 60);
        auto* inverter = t.Bord.Create<TNot>(nullptr);
        inverter->Container = box;
        inverter->SetTanshi();
        inverter->MoveTo(x + 20, y + 20, true);
        return box;
    }
    int Steps() { return t.Circuit.UndoQue().UndoCount; }
    std::vector<TPartsBase*> Inside(const TContainer* box)
    {
        std::vector<TPartsBase*> found;
        for (int i = 0; i < t.Bord.Count(); ++i)
            if (t.Bord.Items(i)->Container == box) found.push_back(t.Bord.Items(i));
        return found;
    }
};

TEST_F(Macros, HostileNamesAreRefusedBeforeAnythingChanges)
{
    const std::string hostile[] = {
        "", " ", ".", "..", "...", "/", "\\", "a/b", "a\\b", "../evil", "../../etc/passwd", "/etc/passwd",
        "C:\\x", "name.", "name ", "a\tb", "a\nb", "a\rb", std::string("a\0b", 3), "\x7f", "\x01x", "a:b",
        "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "CON", "nul", "com1", "LPT9.txt", "aux.lgm", "한글",
        "emoji 😀", "\xff\xfe", std::string(300, 'a'), [] {
            std::string s;
            for (int i = 0; i < 90; ++i) s += "あ";
            return s;
        }()};
    TContainer* box = BoxWithInverter(100, 100);
    box->MacroName = "kept";
    st.MacroNames = {"x"};
    for (const std::string& name : hostile) {
        SCOPED_TRACE(name);
        EXPECT_NE(MacroNameFault(name), "");
        EXPECT_FALSE(RegisterMacro(s, shell, Folder(), *box, name));
    }
    EXPECT_TRUE(std::filesystem::is_empty(Folder()));
    EXPECT_EQ(st.MacroNames, TStrings{"x"});
    EXPECT_EQ(box->MacroName, "kept");
    EXPECT_TRUE(shell.Questions.empty());
    for (const char* fine : {"半加算器", "adder 2", "a..b", "v1.2", "CONSOLE", "全角　空白"})
        EXPECT_EQ(MacroNameFault(fine), "") << fine;
}

TEST_F(Macros, RegisteringListsANameOnceAndAsksBeforeReplacingAnotherMacro)
{
    TContainer* box = BoxWithInverter(100, 100);
    EXPECT_EQ(ProposedMacroName(*box), "新規マクロ");
    ASSERT_TRUE(RegisterMacro(s, shell, Folder(), *box, "inv"));
    EXPECT_EQ(box->MacroName, "inv");
    EXPECT_EQ(ProposedMacroName(*box), "inv");
    EXPECT_EQ(st.MacroNames, TStrings{"inv"});
    EXPECT_EQ(shell.Clipboard, "");
    EXPECT_EQ(st.FirstSelected(), box);
    const TStrings stored = ReadCircuitFile(MacroPath(Folder(), "inv"));
    EXPECT_EQ(stored, st.PartsText);

    // Again under its own name: the file is rewritten without a question, the list stays.
    ASSERT_TRUE(RegisterMacro(s, shell, Folder(), *box, "inv"));
    EXPECT_TRUE(shell.Questions.empty());
    EXPECT_EQ(st.MacroNames, TStrings{"inv"});

    TContainer* other = AddBox(t, 300, 100, 60, 60);
    shell.Answers = {Shell::TAnswer::No};
    EXPECT_FALSE(RegisterMacro(s, shell, Folder(), *other, "inv"));
    EXPECT_EQ(ReadCircuitFile(MacroPath(Folder(), "inv")), stored);
    EXPECT_EQ(other->MacroName, "");
    shell.Answers = {Shell::TAnswer::Yes};
    EXPECT_TRUE(RegisterMacro(s, shell, Folder(), *other, "inv"));
    EXPECT_EQ(shell.Questions.size(), 2u);
    EXPECT_NE(ReadCircuitFile(MacroPath(Folder(), "inv")), stored);
    EXPECT_EQ(st.MacroNames, TStrings{"inv"});
}

TEST_F(Macros, AFailedWriteKeepsTheListTheNameAndTheOldFile)
{
    TContainer* box = BoxWithInverter(100, 100);
    st.MacroNames = {"a"};
    // The macro's file name is taken by a folder, so nothing can be written there.
    std::filesystem::create_directories(MacroPath(Folder(), "taken"));
    shell.Answers = {Shell::TAnswer::Yes};
    EXPECT_FALSE(RegisterMacro(s, shell, Folder(), *box, "taken"));
    ASSERT_EQ(shell.Errors.size(), 1u);
    EXPECT_NE(shell.Errors[0].find("taken.lgm"), std::string::npos);
    EXPECT_EQ(st.MacroNames, TStrings{"a"});
    EXPECT_EQ(box->MacroName, "");
}

TEST_F(Macros, AChosenMacroIsPlacedByTheNextPressAtTopLevelOrInsideABox)
{
    TContainer* original = BoxWithInverter(100, 100);
    ASSERT_TRUE(RegisterMacro(s, shell, Folder(), *original, "inv"));
    st.SelectedParts.Clear();
    const int objects = t.Bord.Count();

    host.Tool = TTool::Wire;
    ASSERT_TRUE(ChooseMacro(s, shell, Folder(), "inv"));
    EXPECT_EQ(st.ToolClass, "TMacro");
    EXPECT_EQ(host.Tool, TTool::Select);
    const int steps = Steps();
    Click(300, 250);
    ASSERT_EQ(t.Bord.Count(), objects + 2);
    auto* placed = dynamic_cast<TContainer*>(t.Bord.Items(objects));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Container, nullptr);
    EXPECT_EQ(placed->Left, 300);
    EXPECT_EQ(placed->Top, 250);
    ASSERT_EQ(Inside(placed).size(), 1u);
    EXPECT_EQ(Inside(placed)[0]->Left, 320);
    EXPECT_EQ(st.ToolClass, "");
    EXPECT_TRUE(st.PartsText.empty());
    EXPECT_TRUE(st.Modified);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_THAT(Labels(), ::testing::Each(std::string("MouseUp Macro")));

    // One choice places one copy.
    Click(500, 400);
    EXPECT_EQ(t.Bord.Count(), objects + 2);

    // Undo takes the whole macro away in one step.
    UndoEdit(s);
    EXPECT_EQ(t.Bord.Count(), objects);

    TContainer* big = AddBox(t, 400, 200, 200, 200);
    ASSERT_TRUE(ChooseMacro(s, shell, Folder(), "inv"));
    Click(450, 250);
    auto* nested = dynamic_cast<TContainer*>(t.Bord.Items(t.Bord.Count() - 2));
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->Container, big);
    EXPECT_EQ(nested->Left, 450);
}

TEST_F(Macros, UndoTakesAPlacedMacroAwayWholeAndRedoPutsItBackWhereItWasPlaced)
{
    // A box whose wire runs on under a dot, as a file edited by hand may hold it: placed, the dot
    // cuts the wire in two.
    const std::string header = "Voltrane FormatVer:1.0 By Ardent Wirefox";
    WriteCircuitFile(MacroPath(Folder(), "cut"),
                     {header, "ClassName=TContainer", "Name=TContainer0", "ContainerName=", "PartNo=0", "Left=0",
                      "Top=0", "OffsetLeft=0", "OffsetTop=0", "Width=100", "Height=60", "WayCount=0", "Way=0",
                      "MacroName=cut", "End", "ClassName=TCode", "Name=TCode1", "ContainerName=TContainer0",
                      "PartNo=0", "Left=10", "Top=30", "OffsetLeft=10", "OffsetTop=30", "Width=60", "Height=0",
                      "WayCount=0", "Way=0", "End", "ClassName=TDot", "Name=TDot2", "ContainerName=TContainer0",
                      "PartNo=0", "Left=30", "Top=20", "OffsetLeft=30", "OffsetTop=20", "Width=20", "Height=20",
                      "WayCount=1", "Way=0", "End"});
    // A lone dot stays where the file puts it, here on a wire of the board.
    WriteCircuitFile(MacroPath(Folder(), "dot"),
                     {header, "ClassName=TDot", "Name=TDot0", "ContainerName=", "PartNo=0", "Left=190", "Top=390",
                      "OffsetLeft=190", "OffsetTop=390", "Width=20", "Height=20", "WayCount=1", "Way=0", "End"});
    AddBox(t, 500, 100, 300, 300);
    DrawWire(t, 100, 400, 300, 400);
    auto place = [&](const char* name, int x, int y) {
        ASSERT_TRUE(ChooseMacro(s, shell, Folder(), name));
        const std::vector<std::string> before = Wiring(t.Bord);
        const int steps = Steps();
        Click(x, y);
        ASSERT_EQ(Steps(), steps + 1) << name;
        const std::vector<std::string> placed = Wiring(t.Bord);
        UndoEdit(s);
        EXPECT_EQ(Wiring(t.Bord), before) << name;
        RedoEdit(s);
        EXPECT_EQ(Wiring(t.Bord), placed) << name;
    };
    place("cut", 200, 150);
    EXPECT_EQ(Segments(t.Bord), (std::vector<std::string>{"100,400-300,400", "210,180-240,180", "240,180-270,180"}));
    place("cut", 550, 150);  // inside the box
    place("dot", 50, 50);
    EXPECT_EQ(Segments(t.Bord).size(), 6u);
}

TEST_F(Macros, MissingAndBrokenMacrosPlaceNothing)
{
    st.ToolClass = "TNot";
    EXPECT_FALSE(ChooseMacro(s, shell, Folder(), "gone"));
    EXPECT_EQ(shell.Errors, std::vector<std::string>{"マクロ名：gone\n\r\n\rこのマクロは登録されていません。"});
    EXPECT_EQ(st.ToolClass, "TNot");
    // A name read from a list edited by hand never leaves the folder.
    folder.Put("outside.lgm", "");
    EXPECT_FALSE(ChooseMacro(s, shell, Folder(), "../outside"));

    ASSERT_TRUE(RegisterMacro(s, shell, Folder(), *BoxWithInverter(100, 100), "broken"));
    TStrings text = ReadCircuitFile(MacroPath(Folder(), "broken"));
    const auto last = std::find_if(text.rbegin(), text.rend(), [](const std::string& l) { return l.starts_with("Left="); });
    ASSERT_NE(last, text.rend());
    *last = "Left=x";
    WriteCircuitFile(MacroPath(Folder(), "broken"), text);
    ASSERT_TRUE(ChooseMacro(s, shell, Folder(), "broken"));
    const int steps = Steps();
    Click(400, 300);
    EXPECT_EQ(t.Bord.Count(), 2);
    EXPECT_EQ(Steps(), steps);
    EXPECT_EQ(t.Messages.Shown.size(), 1u);
    EXPECT_EQ(st.ToolClass, "");
}

TEST_F(Macros, AMacroOutlivesTheSessionThatRegisteredIt)
{
    TContainer* original = BoxWithInverter(100, 100);
    ASSERT_TRUE(RegisterMacro(s, shell, Folder(), *original, "inv"));

    GestureDriver fresh;
    ASSERT_TRUE(ChooseMacro(fresh.s, shell, Folder(), "inv"));
    fresh.Click(300, 200);
    ASSERT_EQ(fresh.t.Bord.Count(), 2);
    auto* inverter = dynamic_cast<TNot*>(fresh.t.Bord.Items(1));
    ASSERT_NE(inverter, nullptr);
    for (int i = 0; i < 3; ++i) {
        fresh.t.Pass();
        t.Pass();
    }
    auto* before = dynamic_cast<TNot*>(t.Bord.Items(1));
    ASSERT_NE(before, nullptr);
    for (int i = 0; i < inverter->Tanshis.Count(); ++i)
        EXPECT_EQ(inverter->Tanshis.Items(i)->Level, before->Tanshis.Items(i)->Level);
}

}  // namespace
