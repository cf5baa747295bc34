#include "Autosave.h"
#include "ClipboardCommands.h"
#include "Document.h"
#include "GestureFixture.h"
#include "RunControl.h"
#include "ScratchFolder.h"
#include "ScriptedShell.h"

#include <fstream>

using ::testing::ElementsAre;

namespace {

struct DocumentTest : ::testing::Test, GestureDriver {
    ScriptedShell shell;
    ScratchFolder folder;
    TDocument doc{s, shell};

    // A small edited board: a gate and a wire, not yet saved.
    void Build()
    {
        Put<TGate>("TGate", 100, 100);
        DrawWire(t, 140, 120, 200, 120);
        st.Modified = true;
    }
    // What the user sees of the document: the board, the title, the history and the mark of changes.
    std::vector<std::string> State()
    {
        std::vector<std::string> state = Wiring(t.Bord);
        state.push_back(doc.Title());
        state.push_back(std::to_string(t.Circuit.UndoQue().UndoCount));
        state.push_back(st.Modified ? "modified" : "unchanged");
        return state;
    }
};

TEST_F(DocumentTest, SaveWritesTheBoardAndOpenReadsItBackExactly)
{
    Build();
    shell.SaveAnswers.push_back(folder / "one.lgc");
    EXPECT_TRUE(doc.Save());  // untitled: asks for a name
    EXPECT_EQ(doc.Title(), std::string(TitlePrefix) + (folder / "one.lgc"));
    EXPECT_FALSE(st.Modified);
    EXPECT_TRUE(st.SelectedParts.Empty());
    EXPECT_EQ(host.Busy, 0);
    const std::vector<std::string> saved = Wiring(t.Bord);

    doc.New();
    EXPECT_TRUE(shell.Questions.empty());  // nothing changed since the save
    EXPECT_EQ(t.Bord.Count(), 0);
    EXPECT_EQ(doc.Title(), "Voltrane　論理シミュレータ - 無題");
    shell.OpenAnswers.push_back(folder / "one.lgc");
    doc.Open();
    EXPECT_EQ(Wiring(t.Bord), saved);
    EXPECT_FALSE(t.Circuit.UndoQue().CanUndo());
    EXPECT_THAT(doc.Recent.Paths(), ElementsAre(folder / "one.lgc"));

    // Save As still proposes the last name after New; Save writes in place without asking.
    st.Modified = true;
    EXPECT_TRUE(doc.Save());
    EXPECT_TRUE(shell.SaveAnswers.empty());
}

TEST_F(DocumentTest, TheQuestionBeforeLosingChangesCanSaveDropOrCancel)
{
    Build();
    const std::vector<std::string> before = State();
    shell.Answers = {Shell::TAnswer::Cancel};
    doc.New();
    EXPECT_EQ(State(), before);
    EXPECT_THAT(shell.Questions, ElementsAre("ファイルの内容が変更されています。変更を保存しますか？"));

    shell.Answers = {Shell::TAnswer::Yes};  // save first, but the save dialog is cancelled
    shell.SaveAnswers.push_back(std::nullopt);
    doc.New();
    EXPECT_EQ(State(), before);

    shell.Answers = {Shell::TAnswer::Yes};
    shell.SaveAnswers.push_back(folder / "kept.lgc");
    doc.New();
    EXPECT_EQ(t.Bord.Count(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "kept.lgc"));

    Build();
    shell.Answers = {Shell::TAnswer::No};
    doc.New();
    EXPECT_EQ(t.Bord.Count(), 0);
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldFileAndTheChangesAndStopsWhatAskedForIt)
{
    folder.Put("old.lgc", "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n");
    shell.OpenAnswers.push_back(folder / "old.lgc");
    doc.Open();
    Build();
    const auto files = folder.Snapshot();
    const std::vector<std::string> before = State();
    {
        FileSizeLimit full(16);  // the disk fills up during the write
        shell.Answers = {Shell::TAnswer::Yes};
        doc.New();
    }
    EXPECT_EQ(State(), before);
    EXPECT_EQ(folder.Snapshot(), files);
    ASSERT_EQ(shell.Errors.size(), 1u);
    EXPECT_NE(shell.Errors[0].find("old.lgc"), std::string::npos);

    shell.SaveAnswers.push_back(folder / "file.lgc" + "/inside.lgc");  // a file as a folder
    folder.Put("file.lgc", "x");
    EXPECT_FALSE(doc.SaveAs());
    EXPECT_EQ(State(), before);
    EXPECT_EQ(host.Busy, 0);
}

TEST_F(DocumentTest, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas)
{
    Build();
    UndoEdit(s);  // a history with something to redo
    const std::vector<std::string> before = State();
    const std::string header = "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n";
    folder.Put("empty.lgc", "");
    folder.Put("binary.lgc", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10));
    folder.Put("truncated.lgc", header + "ClassName=TGate\r\nName=TGate0\r\nLeft=1\r\n");
    folder.Put("notanumber.lgc", header + "ClassName=TNot\r\nLeft=12px\r\nEnd\r\n");
    folder.Put("junk.lgc", header + "\x01\x02 garbage\r\n\r\nmore of it\r\n");
    // Written by another editor in UTF-8: read as code page 932 its Japanese would change.
    folder.Put("utf8.lgc", header + "ClassName=TTextBox\r\nText=半加算器\r\nEnd\r\n");
    std::filesystem::create_directory(folder / "folder.lgc");
    std::string noise(100 << 20, '\0');
    for (size_t i = 0; i < noise.size(); i += 4096) noise[i] = static_cast<char>(i / 4096);
    folder.Put("huge.lgc", noise);
    noise.clear();
    for (const char* name :
         {"empty.lgc", "binary.lgc", "huge.lgc", "truncated.lgc", "notanumber.lgc", "junk.lgc", "utf8.lgc", "folder.lgc",
          "missing.lgc"}) {
        SCOPED_TRACE(name);
        shell.Errors.clear();
        shell.Answers = {Shell::TAnswer::No};  // the changes may go: the file is opened in their place
        EXPECT_FALSE(doc.OpenFile(folder / name));
        EXPECT_EQ(State(), before);
        ASSERT_EQ(shell.Errors.size(), 1u);
        EXPECT_NE(shell.Errors[0].find(name), std::string::npos) << shell.Errors[0];
    }
    shell.Errors.clear();
    shell.Answers = {Shell::TAnswer::No};
    doc.OpenFile(folder / "notanumber.lgc");
    EXPECT_NE(shell.Errors[0].find("は整数ではありません (2 行目)"), std::string::npos) << shell.Errors[0];
    // What went wrong, in words, and where reading stopped.
    shell.Answers = {Shell::TAnswer::No};
    doc.OpenFile(folder / "truncated.lgc");
    EXPECT_NE(shell.Errors[1].find("部品の途中でファイルが終わっています (2 行目)"), std::string::npos) << shell.Errors[1];
    shell.Answers = {Shell::TAnswer::No};
    doc.OpenFile(folder / "junk.lgc");
    EXPECT_NE(shell.Errors[2].find("部品を1つも読めませんでした: 2 行目から最後の行 (4 行目) まで"), std::string::npos)
        << shell.Errors[2];
    EXPECT_EQ(host.Busy, 0);
}

// Names are written by position in the list, so a file whose names were chosen by hand takes the
// positional ones at its first save and keeps every byte from then on; the shipped examples have them.
TEST_F(DocumentTest, EveryCircuitOpensAndSavesByteForByteOnceItsNamesAreThePositionalOnes)
{
    for (const std::string dir : {VOLTRANE_TEST_DATA, VOLTRANE_EXAMPLES}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".lgc" || entry.path().filename() == "sim_broken.lgc") continue;
            SCOPED_TRACE(entry.path().string());
            std::string path = entry.path().string();
            for (const char* copy : {"first.lgc", "second.lgc"}) {
                ASSERT_TRUE(doc.OpenFile(path));
                const std::vector<std::string> opened = Wiring(t.Bord);
                shell.SaveAnswers.push_back(folder / copy);
                ASSERT_TRUE(doc.SaveAs());
                path = folder / copy;
                ASSERT_TRUE(doc.OpenFile(path));
                EXPECT_EQ(Wiring(t.Bord), opened);
            }
            EXPECT_EQ(ScratchFolder::Slurp(folder / "second.lgc"), ScratchFolder::Slurp(folder / "first.lgc"));
            if (dir == VOLTRANE_EXAMPLES) {
                EXPECT_EQ(ScratchFolder::Slurp(folder / "first.lgc"), ScratchFolder::Slurp(entry.path().string()));
            }
        }
    }
    EXPECT_TRUE(shell.Errors.empty());
}

TEST_F(DocumentTest, ATextNoFileCanHoldIsSavedOnlyWhenTheUserAgrees)
{
    auto* box = Put<TTextBox>("TTextBox", 100, 100);
    box->Editor->SetLines({"emoji 😀"});
    st.Modified = true;
    shell.SaveAnswers = {folder / "a.lgc", folder / "a.lgc"};
    shell.Answers = {Shell::TAnswer::No, Shell::TAnswer::Yes};
    EXPECT_FALSE(doc.SaveAs());
    EXPECT_FALSE(std::filesystem::exists(folder / "a.lgc"));
    EXPECT_TRUE(st.Modified);
    EXPECT_TRUE(doc.SaveAs());
    EXPECT_NE(ScratchFolder::Slurp(folder / "a.lgc").find("emoji ?"), std::string::npos);
}

TEST_F(DocumentTest, ARunRecordIsSavedOnlyBesideTheCircuitItFits)
{
    Build();
    EXPECT_FALSE(doc.SaveRecord());  // no run yet
    TRunControl run(t.Bord);
    TStrings text;
    doc.Text(text);
    s.Recorder.Begin(text, run, t.Context);
    t.Context.Simulating = true;
    Click(120, 120);  // the gate's body: recorded
    Click(190, 120);  // the wire: no part, not recorded
    t.Context.Simulating = false;
    s.Recorder.End();
    Click(190, 120);  // an edit press after the run: not recorded either

    // Untitled, the circuit is saved first, and only when the user agrees.
    EXPECT_FALSE(doc.SaveRecord());
    EXPECT_EQ(shell.Questions.size(), 1u);
    EXPECT_TRUE(st.Modified);
    shell.Answers = {Shell::TAnswer::Yes};
    shell.SaveAnswers = {folder / "sub/../one.lgc", folder / "records/one.lgr"};
    std::filesystem::create_directory(folder / "sub");
    std::filesystem::create_directory(folder / "records");
    EXPECT_TRUE(doc.SaveRecord());
    EXPECT_FALSE(st.Modified);
    EXPECT_EQ(ScratchFolder::Slurp(folder / "records/one.lgr"), "../one.lgc\n0 press TGate0\n0 release TGate0\n");

    // Saved with its circuit as it stands, the record is saved again without a question, but
    // never over the circuit's own file.
    shell.SaveAnswers = {folder / "one.lgc", folder / "two.lgr"};
    EXPECT_FALSE(doc.SaveRecord());
    EXPECT_EQ(shell.Errors.size(), 1u);
    EXPECT_TRUE(doc.SaveRecord());
    EXPECT_EQ(shell.Questions.size(), 2u);
    EXPECT_EQ(ScratchFolder::Slurp(folder / "one.lgc").rfind(CircuitTextHeader, 0), 0u);
    EXPECT_EQ(ScratchFolder::Slurp(folder / "two.lgr").rfind("one.lgc\n", 0), 0u);

    // A circuit changed since the run no longer fits the record: nothing is asked or written.
    Put<TGate>("TGate", 300, 100);
    shell.SaveAnswers = {folder / "three.lgr"};
    EXPECT_FALSE(doc.SaveRecord());
    EXPECT_EQ(shell.Errors.size(), 2u);
    EXPECT_EQ(shell.SaveAnswers.size(), 1u);
    // So does a run during which parts were deleted and the deletion undone: the text came back,
    // but actions between the two may name other places.
    UndoEdit(s);  // the gate put above
    doc.Text(text);
    s.Recorder.Begin(text, run, t.Context);
    SelectAll(s);
    DeleteSelection(s);
    UndoEdit(s);
    s.Recorder.End();
    EXPECT_FALSE(doc.SaveRecord());
    EXPECT_EQ(shell.Errors.size(), 3u);
    shell.Answers = {Shell::TAnswer::No};
    doc.New();
    EXPECT_FALSE(s.Recorder.HasRun());
}

struct ClipboardTest : DocumentTest {};

TEST_F(ClipboardTest, PastingTwicePutsBothCopiesTenPixelsAwayAsOneStepEach)
{
    auto* gate = Put<TGate>("TGate", 100, 100);
    st.SelectOnly(gate);
    CopySelection(s, shell);
    EXPECT_TRUE(shell.Clipboard.starts_with("Voltrane FormatVer:1.0 By Ardent Wirefox\r\nClassName=TGate\r\n"));
    PasteClipboard(s, shell);
    PasteClipboard(s, shell);
    // The two copies lie on each other, so their terminals meet.
    EXPECT_THAT(Wiring(t.Bord), ElementsAre("TGate 100,100 40x40 off 100,100 ooo", "TGate 110,110 40x40 off 110,110 LLL",
                                            "TGate 110,110 40x40 off 110,110 LLL"));
    EXPECT_THAT(Labels(), ElementsAre("PasteExecute"));
    UndoEdit(s);
    UndoEdit(s);
    EXPECT_EQ(t.Bord.Count(), 1);
}

TEST_F(ClipboardTest, WithThePointerOverTheBoardAPasteLandsThereOnTheGrid)
{
    Put<TGate>("TGate", 100, 100);
    Put<TNot>("TNot", 200, 160);
    SelectAll(s);
    CopySelection(s, shell);
    host.Pointer = TPoint{503, 296};
    PasteClipboard(s, shell);
    // The copy's top-left corner, the gate's, is on the grid point nearest the pointer.
    ASSERT_EQ(st.SelectedParts.Count(), 2);
    EXPECT_EQ(Corner(st.SelectedParts.Items(0)), std::pair(500, 300));
    EXPECT_EQ(Corner(st.SelectedParts.Items(1)), std::pair(600, 360));
    host.Pointer.reset();
    PasteClipboard(s, shell);
    EXPECT_EQ(Corner(st.SelectedParts.Items(0)), std::pair(110, 110));
}

TEST_F(ClipboardTest, RedoPutsAPasteIntoABoxBackWhereItWasPasted)
{
    AddBox(t, 100, 100, 300, 300);
    auto* gate = Put<TGate>("TGate", 150, 150);
    ASSERT_NE(gate->Container, nullptr);
    st.SelectOnly(gate);
    CopySelection(s, shell);
    PasteClipboard(s, shell);  // into the box the press entered
    EXPECT_EQ(Corner(st.SelectedParts.Items(0)), std::pair(160, 160));
    const std::vector<std::string> pasted = Wiring(t.Bord);
    UndoEdit(s);
    EXPECT_EQ(t.Bord.Count(), 2);
    RedoEdit(s);
    EXPECT_EQ(Wiring(t.Bord), pasted);
}

TEST_F(ClipboardTest, CutThenPasteThenTwoUndosRestoreTheCutObjects)
{
    auto* a = Put<TGate>("TGate", 100, 100);
    auto* b = Put<TNot>("TNot", 200, 100);
    const std::vector<std::string> before = Wiring(t.Bord);
    SelectAll(s);
    CutSelection(s, shell);
    EXPECT_EQ(t.Bord.Count(), 0);
    PasteClipboard(s, shell);
    EXPECT_EQ(t.Bord.Count(), 2);
    UndoEdit(s);
    UndoEdit(s);
    EXPECT_EQ(Wiring(t.Bord), before);
    EXPECT_TRUE(t.Bord.Holds(a) && t.Bord.Holds(b));
}

TEST_F(ClipboardTest, ACopiedBoxBringsItsWholeNestedContentsOnce)
{
    TContainer* outer = AddBox(t, 100, 100, 300, 300);
    TContainer* inner = AddBox(t, 150, 150, 150, 150, outer);
    Put<TNot>("TNot", 200, 200);
    ASSERT_EQ(st.FirstSelected()->Container, inner);
    SelectAll(s);  // the box and its contents are all selected: each is copied once
    CopySelection(s, shell);
    st.CurContainer = nullptr;  // pasted at top level
    PasteClipboard(s, shell);
    EXPECT_EQ(t.Bord.Count(), 6);
    TPartsBase* pastedOuter = st.SelectedParts.Items(0);
    ASSERT_TRUE(pastedOuter->Is(cfContainer));
    EXPECT_EQ(Corner(pastedOuter), std::pair(110, 110));
    int inside = 0;
    for (TPartsBase* o : st.SelectedParts) inside += o->Container && o->Container != outer && o->Container != inner;
    EXPECT_EQ(inside, 2);
}

TEST_F(ClipboardTest, BrokenTextPastesNothingAndSaysWhere)
{
    Put<TGate>("TGate", 100, 100);
    const std::vector<std::string> before = Wiring(t.Bord);
    const int steps = t.Circuit.UndoQue().UndoCount;
    CopySelection(s, shell);  // one whole gate, then a block that breaks the format
    const size_t brokenLine = static_cast<size_t>(std::count(shell.Clipboard.begin(), shell.Clipboard.end(), '\n')) + 1;
    shell.Clipboard += "ClassName=TGate\r\nName=x\r\nContainerName=\r\nPartNo=x\r\nEnd\r\n";
    PasteClipboard(s, shell);
    EXPECT_EQ(Wiring(t.Bord), before);
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps);
    ASSERT_EQ(shell.Errors.size(), 1u);
    EXPECT_NE(shell.Errors[0].find("'x' は整数ではありません (" + std::to_string(brokenLine) + " 行目)"),
              std::string::npos)
        << shell.Errors[0];

    shell.Clipboard = "some text from another program";
    PasteClipboard(s, shell);
    EXPECT_EQ(Wiring(t.Bord), before);
    EXPECT_EQ(shell.Errors.size(), 1u);
}

TEST_F(ClipboardTest, WhileATextBoxIsEditedTheCommandsActOnItsText)
{
    auto* box = Put<TTextBox>("TTextBox", 100, 100);
    auto& editor = static_cast<TMemoryTextEditor&>(*box->Editor);
    editor.SetLines({"NAND gate"});
    st.SelectOnly(box);
    editor.Select(0, 5);
    CutSelection(s, shell);
    EXPECT_EQ(shell.Clipboard, "NAND ");
    editor.Select(4, 0);
    PasteClipboard(s, shell);
    EXPECT_THAT(editor.Lines(), ElementsAre("gateNAND "));
    EXPECT_EQ(t.Bord.Count(), 1);
}

TEST(Autosave, ACopyWhoseEditorIsGoneIsOfferedAndOursIsNot)
{
    ScratchFolder folder;
    TAutosave autosave(folder / "Recovery");
    autosave.Write({"Voltrane FormatVer:1.0 By Ardent Wirefox"});
    EXPECT_TRUE(std::filesystem::exists(autosave.Own()));
    EXPECT_EQ(autosave.Orphan(), std::nullopt);  // still running
    // No process has this number: the largest the kernel hands out is far below it.
    std::filesystem::copy_file(autosave.Own(), folder / "Recovery/autosave-999999999.lgc");
    EXPECT_EQ(autosave.Orphan(), folder / "Recovery/autosave-999999999.lgc");
    autosave.Remove();
    EXPECT_FALSE(std::filesystem::exists(autosave.Own()));
    EXPECT_EQ(TAutosave(folder / "nowhere").Orphan(), std::nullopt);
}

}  // namespace
