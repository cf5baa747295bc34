#include "GestureFixture.h"

using ::testing::ElementsAre;

namespace {

using Gestures = GestureTest;

TEST_F(Gestures, APartToolClickPlacesOnTheGridOnceAndADragMovesItBeforeTheRelease)
{
    Arm("TGate", 4);
    Click(104, 96);
    auto* gate = dynamic_cast<TGate*>(st.FirstSelected());
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(Corner(gate), std::pair(100, 100));
    EXPECT_EQ(gate->PartNo, 4);
    EXPECT_EQ(host.Tool, TTool::Select);
    EXPECT_TRUE(st.ToolClass.empty());
    EXPECT_THAT(Labels(), ElementsAre("MouseDown CreatePart"));

    Arm("TNot");
    Hover(200, 200);
    Press(200, 200);
    MoveTo(263, 248);
    Release(263, 248);
    TPartsBase* inverter = st.FirstSelected();
    EXPECT_EQ(Corner(inverter), std::pair(260, 250));
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, 2);
    UndoEdit(s);
    EXPECT_FALSE(t.Bord.Holds(inverter));
    EXPECT_TRUE(t.Bord.Holds(gate));
}

TEST_F(Gestures, AWireRunsAlongTheRowFirstOneLegPerReleaseUntilReleasedOnItself)
{
    auto* sw = Put<TTglSW>("TTglSW", 100, 100);
    const TPoint out = Pin(sw, 0);  // (120, 110)
    Hover(out.x, out.y);
    Press(out.x, out.y);
    EXPECT_EQ(st.EditState, esDrawingCode);
    MoveTo(out.x + 10, out.y + 10);
    EXPECT_EQ(st.CodeDir, TCodeDir::None);
    MoveTo(out.x + 40, out.y + 10);
    EXPECT_EQ(st.CodeDir, TCodeDir::Horizontal);
    MoveTo(out.x + 80, out.y + 60);
    Release(out.x + 80, out.y + 60);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("120,110-200,110"));
    EXPECT_THAT(Labels(), ElementsAre("MouseUp DrawingCode"));
    EXPECT_EQ(st.EditState, esDrawingCode);

    // The next click draws the leg down from the corner; released on its own end, drawing stops.
    Press(200, 170);
    Release(200, 170);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("120,110-200,110", "200,110-200,170"));
    EXPECT_EQ(st.EditState, esNone);
    EXPECT_TRUE(st.SelectedParts.Empty());
}

TEST_F(Gestures, ALegContinuingACollinearWireIsMergedIntoIt)
{
    host.Tool = TTool::Wire;
    Drag(100, 100, 200, 100);
    Drag(200, 100, 300, 100);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,100-300,100"));
    EXPECT_THAT(Labels(), ElementsAre("MouseUp DrawingCode", "TBord.LinkCode 3", "TBord.LinkCode CodeDelete"));
    UndoEdit(s);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,100-200,100"));
}

TEST_F(Gestures, EscapeDuringAWirePreviewEndsTheDrawingAndKeepsTheLegsMade)
{
    host.Tool = TTool::Wire;
    Hover(100, 100);
    Press(100, 100);
    MoveTo(200, 150);
    Release(200, 150);
    MoveTo(200, 250);
    mouse.Escape();
    EXPECT_EQ(st.EditState, esNone);
    Release(200, 250);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,100-200,100"));
}

TEST_F(Gestures, APressWhereTwoWiresCrossDropsADotThatCutsBoth)
{
    DrawWire(t, 100, 200, 300, 200);
    DrawWire(t, 200, 100, 200, 300);
    Hover(200, 200);
    Press(200, 200);
    EXPECT_EQ(st.EditState, esCreateDot);
    Release(202, 198);
    EXPECT_EQ(Count(cfDot), 1);
    EXPECT_THAT(Segments(t.Bord),
                ElementsAre("100,200-200,200", "200,100-200,200", "200,200-200,300", "200,200-300,200"));
    EXPECT_EQ(Labels().front(), "MouseDown CreateDot");

    // Undo takes the dot and its cuts as one step; deleting it instead rejoins the wires.
    UndoEdit(s);
    EXPECT_EQ(Count(cfDot), 0);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,200-300,200", "200,100-200,300"));
    RedoEdit(s);
    st.SelectOnly(nullptr);
    for (int i = 0; i < t.Bord.Count(); ++i)
        if (t.Bord.Items(i)->Is(cfDot)) st.SelectOnly(t.Bord.Items(i));
    DeleteSelection(s);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,200-300,200", "200,100-200,300"));
    EXPECT_THAT(Labels().front(), "One Part");
}

TEST_F(Gestures, WithTheWireToolAPressOnADotAndAReleaseElsewhereMovesTheDot)
{
    DrawWire(t, 100, 200, 300, 200);
    TDot* dot = PlaceDot(t, 200, 200);
    host.Tool = TTool::Wire;
    Drag(200, 200, 250, 200);
    EXPECT_EQ(Corner(dot), std::pair(240, 190));
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,200-250,200", "250,200-300,200"));
    EXPECT_EQ(Labels().back(), "MouseUp CreateDot");
}

TEST_F(Gestures, ARightClickWithOneDotSelectedMovesTheDotToTheClick)
{
    DrawWire(t, 100, 200, 300, 200);
    TDot* dot = PlaceDot(t, 200, 200);
    Click(200, 200);
    ASSERT_EQ(st.FirstSelected(), dot);
    Click(150, 200, TMouseButton::Right);
    EXPECT_EQ(std::pair(dot->Left + 10, dot->Top + 10), std::pair(150, 200));
    EXPECT_EQ(Labels().back(), "MouseUp CreateDot");
}

TEST_F(Gestures, SubBoardsFromAClickAndFromShortDragsHaveTheirMinimumSizes)
{
    Arm("TContainer");
    Click(100, 100);
    auto* big = dynamic_cast<TContainer*>(st.FirstSelected());
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->GetRect(), (TRect{100, 100, 260, 260}));
    EXPECT_THAT(Labels(), ElementsAre("MouseUp MouseDown"));
    EXPECT_EQ(host.Tool, TTool::Select);

    Arm("TContainer");
    Drag(400, 300, 385, 308);
    EXPECT_EQ(st.FirstSelected()->GetRect(), (TRect{400, 300, 420, 320}));
}

TEST_F(Gestures, ABoxDrawnAroundPartsTakesThemInAndCarriesThemWhenMoved)
{
    auto* gate = Put<TGate>("TGate", 120, 120);
    Arm("TContainer");
    Drag(100, 100, 300, 250);
    auto* box = dynamic_cast<TContainer*>(st.FirstSelected());
    EXPECT_EQ(gate->Container, box);
    Drag(105, 105, 205, 155);  // by its grab square
    EXPECT_EQ(Corner(box), std::pair(200, 150));
    EXPECT_EQ(Corner(gate), std::pair(220, 170));
    UndoEdit(s);
    EXPECT_EQ(Corner(gate), std::pair(120, 120));
    UndoEdit(s);
    EXPECT_EQ(gate->Container, nullptr);
}

TEST_F(Gestures, DropsDecideTheLevel)
{
    TContainer* box = AddBox(t, 300, 100, 200, 200);
    auto* gate = Put<TGate>("TGate", 100, 100);
    Drag(120, 120, 370, 170);  // wholly inside
    EXPECT_EQ(gate->Container, box);
    Drag(370, 170, 470, 170);  // straddles the right edge: keeps its level
    EXPECT_EQ(gate->Container, box);
    EXPECT_EQ(gate->Left, 450);
    Drag(470, 170, 620, 170);  // wholly outside
    EXPECT_EQ(gate->Container, nullptr);

    // A terminal part never leaves for the top level.
    Arm("TInTerminal");
    Click(350, 250);
    TPartsBase* terminal = st.FirstSelected();
    ASSERT_EQ(terminal->Container, box);
    Drag(355, 255, 55, 255);
    EXPECT_EQ(terminal->Container, box);
}

TEST_F(Gestures, ABoxIsNeverDroppedIntoABoxItHolds)
{
    TContainer* outer = AddBox(t, 100, 100, 100, 100);
    TContainer* inner = AddBox(t, 120, 120, 300, 300, outer);  // reaches far out of its holder
    TPartsList moved;
    moved.Add(outer);
    outer->SetLeftTop(200, 200);
    ReparentMoved(t.Bord, moved);
    EXPECT_EQ(outer->Container, nullptr);
    EXPECT_EQ(inner->Container, outer);
}

TEST_F(Gestures, ResizingKeepsAWireOneStepLongAndABoxTwoStepsWide)
{
    TCode* wire = DrawWire(t, 100, 100, 200, 100);
    TContainer* box = AddBox(t, 300, 300, 100, 100);
    Click(150, 100);
    Hover(200, 100);
    EXPECT_EQ(t.Context.Cursor, TCursorShape::SizeWE);
    Drag(200, 100, 40, 100);
    EXPECT_EQ(Segments(t.Bord).front(), "100,100-110,100");
    EXPECT_THAT(Labels(), ElementsAre("MouseUp ChangeSize:Code"));
    EXPECT_EQ(t.Context.Cursor, TCursorShape::Arrow);

    Click(305, 305);
    ASSERT_EQ(st.FirstSelected(), box);
    Hover(400, 350);
    EXPECT_EQ(t.Context.Cursor, TCursorShape::SizeWE);
    Drag(400, 350, 250, 350);
    EXPECT_EQ(box->Width, 20);
    EXPECT_THAT(Labels(), ElementsAre("MouseUp ChangeSize:Container"));
    (void)wire;
}

TEST_F(Gestures, AResizeCursorLeftOverWithNothingSelectedResizesNothing)
{
    t.Context.Cursor = TCursorShape::SizeNS;
    Drag(100, 100, 200, 200);
    EXPECT_EQ(t.Bord.Count(), 0);
    EXPECT_EQ(t.Context.Cursor, TCursorShape::Arrow);
    EXPECT_FALSE(t.Circuit.UndoQue().CanUndo());
}

TEST_F(Gestures, ARightPressAbandonsADragAndRecordsNothing)
{
    auto* gate = Put<TGate>("TGate", 100, 100);
    const int steps = t.Circuit.UndoQue().UndoCount;
    Hover(120, 120);
    Press(120, 120);
    MoveTo(220, 220);
    Press(220, 220, TMouseButton::Right);
    EXPECT_EQ(st.EditState, esNone);
    Release(220, 220, TMouseButton::Right);
    Release(220, 220);
    EXPECT_EQ(Corner(gate), std::pair(100, 100));
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps);
    EXPECT_EQ(host.Menu, TPopupMenu::None);
}

TEST_F(Gestures, AMultiSelectionIsDraggedAsOneStepAndOnlyOnThePressedObjectsLevel)
{
    TContainer* box = AddBox(t, 300, 300, 200, 200);
    auto* a = Put<TGate>("TGate", 100, 100);
    auto* b = Put<TNot>("TNot", 200, 100);
    auto* inside = Put<TNot>("TNot", 350, 350);
    ASSERT_EQ(inside->Container, box);
    SelectAll(s);
    host.Tool = TTool::Delete;  // no tool override applies to a multi-selection drag
    Drag(120, 120, 140, 180);
    EXPECT_EQ(Corner(a), std::pair(120, 160));
    EXPECT_EQ(Corner(b), std::pair(220, 160));
    EXPECT_EQ(Corner(box), std::pair(320, 360));
    EXPECT_EQ(Corner(inside), std::pair(370, 410));  // carried by its box
    EXPECT_EQ(st.SelectedParts.IndexOf(inside), -1);
    EXPECT_THAT(Labels(), ElementsAre("ChangeCldPartsLeftTop", "MouseUp MultiSelect", "MouseUp MultiSelect",
                                      "MouseUp MultiSelect"));
    EXPECT_EQ(t.Bord.Count(), 4);
    UndoEdit(s);
    EXPECT_EQ(Corner(inside), std::pair(350, 350));
}

TEST_F(Gestures, TheDeleteToolDeletesWhatItPressesAndTheMoveToolDragsByATerminal)
{
    auto* gate = Put<TGate>("TGate", 100, 100);
    host.Tool = TTool::Move;
    const TPoint out = Pin(gate, 2);
    Drag(out.x, out.y, out.x + 50, out.y);
    EXPECT_EQ(gate->Left, 150);
    EXPECT_EQ(Count(cfCode), 0);
    host.Tool = TTool::Delete;
    Click(170, 120);
    EXPECT_FALSE(t.Bord.Holds(gate));
    EXPECT_THAT(Labels(), ElementsAre("One Part"));
}

TEST_F(Gestures, DeletingABoxTakesEverythingInsideAsOneStep)
{
    TContainer* outer = AddBox(t, 100, 100, 300, 300);
    AddBox(t, 150, 150, 100, 100, outer);
    auto* gate = Put<TGate>("TGate", 180, 180);
    ASSERT_NE(gate->Container, nullptr);
    st.SelectOnly(outer);
    DeleteSelection(s);
    EXPECT_EQ(t.Bord.Count(), 0);
    EXPECT_EQ(Labels().size(), 3u);
    EXPECT_EQ(Labels().front(), "Multi Parts");
    EXPECT_TRUE(st.SelectedParts.Empty());
}

TEST_F(Gestures, WhileTheTextEditorIsOpenDeleteRemovesItsSelectedTextNotTheBox)
{
    auto* box = Put<TTextBox>("TTextBox", 100, 100);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(st.TextEditing);
    EXPECT_TRUE(box->Editor->Visible());
    auto& editor = static_cast<TMemoryTextEditor&>(*box->Editor);
    editor.SetLines({"AND gate"});
    editor.Select(0, 4);
    st.SelectOnly(box);
    DeleteSelection(s);
    EXPECT_THAT(editor.Lines(), ElementsAre("gate"));
    EXPECT_TRUE(t.Bord.Holds(box));

    // Once the editor has closed, the box itself is deleted.
    editor.PressElsewhere();
    st.SelectOnly(box);
    DeleteSelection(s);
    EXPECT_FALSE(t.Bord.Holds(box));
}

TEST_F(Gestures, ShiftClicksAddToTheSelectionAndNeverRemove)
{
    auto* a = Put<TGate>("TGate", 100, 100);
    auto* b = Put<TGate>("TGate", 200, 100);
    Click(120, 120);
    mouse.MouseDown(TMouseButton::Left, ssShift, 220, 120);
    mouse.MouseDown(TMouseButton::Left, ssShift, 120, 120);
    EXPECT_THAT(std::vector<TPartsBase*>(st.SelectedParts.begin(), st.SelectedParts.end()), ElementsAre(a, b));
}

TEST_F(Gestures, ARightPressChoosesTheMenuByClassAndByRunState)
{
    Put<TGate>("TGate", 100, 100);
    Put<TPulser>("TPulser", 200, 100);
    Click(120, 120, TMouseButton::Right);
    EXPECT_EQ(host.Menu, TPopupMenu::pmnuGate);
    t.Context.Simulating = true;
    Click(120, 120, TMouseButton::Right);
    EXPECT_EQ(host.Menu, TPopupMenu::None);
    Click(220, 120, TMouseButton::Right);
    EXPECT_EQ(host.Menu, TPopupMenu::pmnuPulser);
    EXPECT_EQ(st.PopupPart->ClassName(), std::string("TPulser"));
}

TEST_F(Gestures, WhileSimulatingPressesGoToThePartsUnderThePointer)
{
    auto* button = Put<TPushSW>("TPushSW", 100, 100);
    t.Prepare();
    t.Context.Simulating = true;
    Press(110, 110);
    EXPECT_EQ(button->OutputLevel(), LevelHigh);
    MoveTo(300, 300);
    EXPECT_EQ(t.Bord.Count(), 1);
    Release(110, 110);
    EXPECT_EQ(button->OutputLevel(), LevelLow);
}

TEST_F(Gestures, ADragBeyondTheBoardEdgeDropsWhereThePointerLeftTheBoard)
{
    auto* gate = Put<TGate>("TGate", 100, 100);
    Hover(110, 110);
    Press(110, 110);
    mouse.MouseMove(0, -500, -70);
    Release(-500, -70);
    EXPECT_EQ(Corner(gate), std::pair(-10, -10));
    mouse.MouseDown(TMouseButton::Left, 0, 0, 0);
    EXPECT_EQ(st.FirstSelected(), gate);
}

}  // namespace
