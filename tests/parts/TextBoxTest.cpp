#include "PartU.h"
#include "RecordingCanvas.h"
#include "RecordingWindows.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

namespace {

// A circuit whose board surface records drawing; RecordingCanvas measures 6 pixels per byte and 12 high.
struct TextRig {
    RecordingCanvas Board;
    RecordingMessages Messages;
    TCircuit Circuit{&Board};

    TextRig() { Circuit.Context.Messages = &Messages; }

    TTextBox* NewBox(int x, int y)
    {
        auto* box = Circuit.Bord.Create<TTextBox>(nullptr);
        box->MoveTo(x, y, false);
        box->CreateEditor();
        return box;
    }

    static TMemoryTextEditor& Editor(TTextBox* box) { return static_cast<TMemoryTextEditor&>(*box->Editor); }
};

TEST(TextBox, TypingIntoANewBoxAndClickingTheBoardMeasuresRecordsAndDraws)
{
    TextRig rig;
    auto* box = rig.Circuit.Bord.Create<TTextBox>(nullptr);
    EXPECT_EQ(box->Width, 80);
    EXPECT_EQ(box->Height, 16);
    EXPECT_EQ(box->WayCount, 0);
    box->MoveTo(100, 200, false);
    box->CreateEditor();
    TMemoryTextEditor& editor = TextRig::Editor(box);
    EXPECT_EQ(box->Width, 80);
    EXPECT_EQ(box->Height, 40);
    EXPECT_FALSE(editor.Visible());
    EXPECT_EQ(editor.Bounds, (TRect{100, 200, 190, 250}));
    EXPECT_EQ(box->FontSize(), 12);

    box->OpenEditor();
    EXPECT_TRUE(editor.Visible());
    EXPECT_TRUE(editor.Focused);
    EXPECT_EQ(editor.Bounds, (TRect{100, 200, 260, 320}));

    editor.SetLines({"ab", "日本"});
    rig.Board.Calls.clear();
    editor.PressElsewhere();
    EXPECT_FALSE(editor.Visible());
    EXPECT_EQ(box->Width, 4 * 6);
    EXPECT_EQ(box->Height, 2 * 12);
    EXPECT_EQ(box->DragWidth, 24);
    EXPECT_EQ(rig.Board.Calls, (std::vector<std::string>{
                                   "Font ＭＳ ゴシック 12",  // measuring
                                   "Font ＭＳ ゴシック 12",  // drawing
                                   "BrushStyle Solid",
                                   "BrushColor 240,240,240",
                                   "FontColor 0,0,0",
                                   "TextOut 100 201 ab",
                                   "TextOut 100 213 日本",
                               }));

    TUndoQue& undo = rig.Circuit.UndoQue();
    ASSERT_EQ(undo.UndoCount, 1);
    const auto& batch = *undo.Batches[static_cast<size_t>(undo.Current - 1)];
    ASSERT_EQ(batch.size(), 1u);
    const auto& change = static_cast<const TSetPropCommand&>(*batch[0]);
    EXPECT_EQ(change.Label, "Text");
    EXPECT_EQ(change.PropName, "CommaText");
    EXPECT_EQ(change.OldValue, "");
    EXPECT_EQ(change.NewValue, "ab,日本");

    // Undo puts the text back, and the closed label shows what it holds at once.
    undo.Undo();
    EXPECT_TRUE(box->Editor->Lines().empty());
    EXPECT_TRUE(box->DrawnLines.empty());
    undo.Redo();
    EXPECT_EQ(box->CommaText(), "ab,日本");
    EXPECT_EQ(box->DrawnLines, (TStrings{"ab", "日本"}));
}

TEST(TextBox, MeasuresHalfWidthKanaAsOneColumnAndFullWidthCharactersAsTwo)
{
    TextRig rig;
    auto* box = rig.NewBox(0, 0);
    box->SetCommaText("ｱｲｳ,x,漢字");
    box->MeasureText();
    EXPECT_EQ(box->Width, 4 * 6);
    EXPECT_EQ(box->Height, 3 * 12);
    box->SetCommaText("ｱｲｳｴｵ");
    box->MeasureText();
    EXPECT_EQ(box->Width, 5 * 6);
}

TEST(TextBox, ClosingWithTheTextUnchangedRecordsNothing)
{
    TextRig rig;
    auto* box = rig.NewBox(0, 0);
    box->SetCommaText("keep");
    box->OpenEditor();
    TextRig::Editor(box).PressElsewhere();
    EXPECT_EQ(rig.Circuit.UndoQue().UndoCount, 0);
    EXPECT_EQ(box->DrawnLines, (TStrings{"keep"}));
    TextRig::Editor(box).PressElsewhere();  // no focus any more: the hook is not called twice
    EXPECT_EQ(rig.Circuit.UndoQue().UndoCount, 0);
}

TEST(TextBox, AnEmptyBoxDrawsNothing)
{
    TextRig rig;
    auto* box = rig.NewBox(0, 0);
    box->OpenEditor();
    rig.Board.Calls.clear();
    box->CloseEditor();
    EXPECT_EQ(box->Width, 0);
    EXPECT_EQ(box->Height, 0);
    rig.Board.Calls.clear();
    box->Draw();
    EXPECT_TRUE(rig.Board.Calls.empty());
}

TEST(TextBox, FontSizeResizesTheBoxOnlyWhenItChanges)
{
    TextRig rig;
    auto* box = rig.NewBox(0, 0);
    box->SetCommaText("abc");
    EXPECT_EQ(box->Width, 80);
    box->SetFontSize(12);
    EXPECT_EQ(box->Width, 80);  // same size: not even measured
    EXPECT_TRUE(rig.Board.Calls.empty());
    box->SetPropUndoable("FontSize", "20", "Font Size");
    EXPECT_EQ(box->FontSize(), 20);
    EXPECT_EQ(rig.Board.Calls.front(), "Font ＭＳ ゴシック 20");
    EXPECT_EQ(box->Width, 18);
    EXPECT_EQ(box->Height, 12);
    rig.Circuit.UndoQue().Undo();
    EXPECT_EQ(GetPropText(*box, "fontsize"), "12");
}

TEST(TextBox, AFontSizeNoFontRendersIsDrawnAtTheNearestSensibleSizeAndKept)
{
    struct Row {
        int stored;
        int drawn;
    };
    const Row rows[] = {{0, 1}, {-40, 1}, {INT32_MIN, 1}, {5000, 1000}, {INT32_MAX, 1000}};
    for (const Row& row : rows) {
        TextRig rig;
        auto* box = rig.NewBox(0, 0);
        box->SetCommaText("x");
        box->DrawnLines = {"x"};
        box->SetFontSize(row.stored);
        box->Draw();
        EXPECT_EQ(GetPropText(*box, "FontSize"), std::to_string(row.stored));
        EXPECT_EQ(rig.Board.Calls.back(), "TextOut 0 1 x");
        EXPECT_TRUE(rig.Board.Has("Font ＭＳ ゴシック " + std::to_string(row.drawn))) << row.stored;
        TStrings lines;
        box->SaveToStrings(lines);
        EXPECT_EQ(lines.back(), "FontSize=" + std::to_string(row.stored));
    }
}

TEST(TextBox, LinesPastTheEndOfTheBoardRangeAreNotDrawn)
{
    TextRig rig;
    auto* box = rig.NewBox(0, INT32_MAX - 5);
    box->DrawnLines = {"a", "b", "c"};
    box->Draw();
    EXPECT_EQ(rig.Board.Calls.back(), "TextOut 0 " + std::to_string(INT32_MAX - 4) + " a");
}

// The lines of a box block as the reader hands them over, with the given class keys.
TStrings BoxBlock(const std::vector<std::string>& keys)
{
    TStrings lines{"Name=TTextBox0", "ContainerName=", "PartNo=0",   "Left=10",     "Top=20", "OffsetLeft=10",
                   "OffsetTop=20",   "Width=500",      "Height=300", "WayCount=0", "Way=0"};
    lines.insert(lines.end(), keys.begin(), keys.end());
    return lines;
}

TEST(TextBox, LoadingKeepsTheStoredSizeAtTwelveAndRecomputesItOtherwise)
{
    TextRig rig;
    auto* kept = rig.NewBox(0, 0);
    kept->LoadFromStrings(BoxBlock({"Text=\"a b\",c", "FontSize=12"}));
    EXPECT_EQ(kept->DrawnLines, (TStrings{"a b", "c"}));
    EXPECT_EQ(kept->Width, 500);
    EXPECT_EQ(kept->Height, 300);

    auto* measured = rig.NewBox(0, 0);
    measured->LoadFromStrings(BoxBlock({"Text=\"a b\",c", "FontSize=20"}));
    EXPECT_EQ(measured->FontSize(), 20);
    EXPECT_EQ(measured->Width, 18);
    EXPECT_EQ(measured->Height, 24);

    auto* defaults = rig.NewBox(0, 0);
    defaults->LoadFromStrings(BoxBlock({"FontSize=big"}));
    EXPECT_EQ(defaults->FontSize(), 12);
    EXPECT_TRUE(defaults->DrawnLines.empty());
    EXPECT_EQ(defaults->Width, 500);

    TStrings saved;
    kept->SaveToStrings(saved);
    EXPECT_EQ(saved.front(), "ClassName=TTextBox");
    EXPECT_EQ(saved.at(saved.size() - 2), "Text=\"a b\",c");
    EXPECT_EQ(saved.back(), "FontSize=12");
    TStrings oneEmptyLine;
    defaults->SetCommaText("\"\"");
    defaults->SaveToStrings(oneEmptyLine);
    EXPECT_EQ(oneEmptyLine.at(oneEmptyLine.size() - 2), "Text=\"\"");
    EXPECT_TRUE(rig.Messages.Shown.empty());
}

TEST(TextBox, CommaTextSetterReplacesTheEditorsLinesOnlyWhenDifferent)
{
    TextRig rig;
    auto* box = rig.NewBox(0, 0);
    TMemoryTextEditor& editor = TextRig::Editor(box);
    editor.SetLines({"one", "two"});
    editor.Select(2, 3);
    SetPropText(*box, "CommaText", "one,two");
    EXPECT_EQ(editor.SelText(), "e\r\n");  // untouched, selection included
    SetPropText(*box, "CommaText", "\"x y\"");
    EXPECT_EQ(editor.Lines(), (TStrings{"x y"}));
    EXPECT_EQ(box->DrawnLines, (TStrings{"x y"}));  // the box is closed: it shows the text set
}

TEST(HeadlessEditor, SelectedTextIsDeletedAndReplacedAcrossLines)
{
    TMemoryTextEditor editor;
    editor.SetLines({"first", "second", "third"});
    editor.Select(3, 6);
    EXPECT_EQ(editor.SelText(), "st\r\nse");
    editor.ClearSelection();
    EXPECT_EQ(editor.Lines(), (TStrings{"fircond", "third"}));
    editor.Select(0, 100);  // cut to the text
    editor.ReplaceSelection("new\nlines");
    EXPECT_EQ(editor.Lines(), (TStrings{"new", "lines"}));
    editor.ReplaceSelection("!");  // at the caret
    EXPECT_EQ(editor.Lines(), (TStrings{"new", "lines!"}));
}

// A scope window that notes whether it was closed, even after its probe freed it.
class WatchedScope : public TMemoryScope {
public:
    explicit WatchedScope(bool& closed) : closed_(closed) {}
    void Close() override { closed_ = true; }

private:
    bool& closed_;
};

class WatchedWindows : public RecordingWindows {
public:
    bool Closed = false;
    std::unique_ptr<ScopeSink> CreateScopeSink() override { return std::make_unique<WatchedScope>(Closed); }
};

TEST(Scope, FeedsItsFourLevelsAndASampleEveryPassShownOrNot)
{
    TestCircuit t;
    auto* probe = t.Place<TScope>(100, 100);
    auto& window = static_cast<TMemoryScope&>(*probe->ScopeWindow);
    EXPECT_EQ(probe->GetTanshiPos(3), (TPoint{0, 40}));
    t.Prepare();
    EXPECT_EQ(window.Samples, 8);  // the settle passes feed it too: two per input
    EXPECT_EQ(window.Levels, (std::array<int32_t, 4>{0, 0, 0, 0}));  // open inputs read 0
    EXPECT_FALSE(window.Shown);

    probe->Tanshis.Items(2)->Level = 5;
    t.Pass();
    EXPECT_EQ(window.Levels, (std::array<int32_t, 4>{0, 0, 5, 0}));
    EXPECT_EQ(window.Samples, 9);
    probe->ScopeWindow->Show();
    EXPECT_TRUE(window.Shown);
}

TEST(Scope, ClosesItsWindowWhenDestroyedAndDrawsItsSprite)
{
    RecordingCanvas surface;
    WatchedWindows windows;
    {
        TCircuit circuit(&surface);
        circuit.Context.Windows = &windows;
        auto* probe = circuit.Bord.Create<TScope>(nullptr);
        probe->MoveTo(30, 40, false);
        probe->Draw();
        EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 14 0 30 40"}));
        EXPECT_FALSE(windows.Closed);
    }
    EXPECT_TRUE(windows.Closed);
}

}  // namespace
