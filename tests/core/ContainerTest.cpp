#include "TestCircuit.h"
#include "TestParts.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TTestPart* PartIn(TestCircuit& t, TContainer* box, int x, int y)
{
    auto* part = t.Bord.Create<TTestPart>(nullptr, 40, 40, std::vector<TTestPart::Pin>{{0, 20, dirInput}});
    part->Container = box;
    part->MoveTo(x, y, false);
    return part;
}

void MoveBox(TestCircuit& t, TContainer& box, int x, int y)
{
    t.Context.OpenBatch();
    box.RecordGeometry(false, "");
    box.MoveTo(x, y, true);
    box.RecordGeometry(true, "MouseUp SelectingPart");
    t.Context.PushBatch();
}

// A box with a part, a nested box holding a part and a wire, and a part outside.
struct Nest {
    TestCircuit t;
    TContainer* outer = AddBox(t, 100, 100, 300, 300);
    TTestPart* inOuter = PartIn(t, outer, 120, 130);
    TContainer* inner = AddBox(t, 200, 200, 150, 150, outer);
    TTestPart* inInner = PartIn(t, inner, 220, 230);
    TCode* wire = AddWire(t, 260, 250, 300, 250, inner);
    TTestPart* outside = PartIn(t, nullptr, 500, 500);
};

TEST(Container, MovingABoxMovesEverythingInsideItOneRecordEach)
{
    Nest n;
    const Strings before = Wiring(n.t.Bord);
    MoveBox(n.t, *n.outer, 130, 110);
    EXPECT_EQ(LastLabels(n.t), (Strings{"ChangeCldPartsLeftTop", "ChangeCldPartsLeftTop", "ChangeCldPartsLeftTop",
                                        "ChangeCldPartsLeftTop", "MouseUp SelectingPart"}));
    EXPECT_EQ(n.inOuter->GetRect(), (TRect{150, 140, 190, 180}));
    EXPECT_EQ(n.inner->GetRect(), (TRect{230, 210, 380, 360}));
    EXPECT_EQ(n.inInner->GetRect(), (TRect{250, 240, 290, 280}));
    EXPECT_EQ(n.wire->GetRect(), (TRect{290, 260, 330, 260}));
    EXPECT_EQ(n.outside->GetRect(), (TRect{500, 500, 540, 540}));
    EXPECT_EQ(n.inInner->OffsetLeft, 20);
    EXPECT_EQ(n.outer->DragLeft, 100);  // a box keeps where its drag began

    Undo(n.t);
    EXPECT_EQ(Wiring(n.t.Bord), before);
}

TEST(Container, ResizingMovesNothingInside)
{
    Nest n;
    const TRect part = n.inInner->GetRect();
    n.t.Context.OpenBatch();
    n.outer->DragWidth = 100;
    n.outer->DragHeight = 80;
    n.outer->MoveTo(n.outer->Left, n.outer->Top, true);
    EXPECT_TRUE(n.t.Context.CommandBatch->empty());
    EXPECT_EQ(n.outer->GetRect(), (TRect{100, 100, 200, 180}));
    EXPECT_EQ(n.inInner->GetRect(), part);
}

TEST(Container, HitTestOnlyWithItselfAsTheLevel)
{
    TestCircuit t;
    auto* box = AddBox(t, 100, 100, 60, 120);
    auto* other = AddBox(t, 400, 100, 60, 120);
    struct Case {
        const TContainer* level;
        int x, y, result;
    };
    // clang-format off
    const Case cases[] = {
        {box,     100, 100, hitBody},   {box, 115, 115, hitBody},   {box, 116, 116, hitInside},
        {box,     115, 116, hitInside}, {box, 160, 220, hitInside}, {box, 161, 150, hitNone},
        {box,      99, 150, hitNone},
        {nullptr, 110, 110, hitNone},   {other, 110, 110, hitNone},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(box->HitTest(c.level, c.x, c.y, nullptr), c.result) << c.x << "," << c.y;
    EXPECT_EQ(t.Bord.ContainerAt(420, 150).Object, other);
}

TEST(Container, ResizeCursorsOnTheRightAndBottomEdges)
{
    TestCircuit t;
    auto* box = AddBox(t, 100, 100, 60, 120);
    struct Case {
        int x, y;
        TCursorShape cursor;
    };
    // clang-format off
    const Case cases[] = {
        {158, 150, TCursorShape::SizeWE}, {162, 100, TCursorShape::SizeWE}, {160, 220, TCursorShape::SizeWE},
        {157, 150, TCursorShape::Arrow},  {163, 150, TCursorShape::Arrow},  {160, 221, TCursorShape::SizeNS},
        {130, 218, TCursorShape::SizeNS}, {100, 222, TCursorShape::SizeNS},
        {130, 223, TCursorShape::Arrow},  {99, 220, TCursorShape::Arrow},   {130, 150, TCursorShape::Arrow},
    };
    // clang-format on
    for (const Case& c : cases) {
        t.Context.Cursor = TCursorShape::Arrow;
        box->MouseMove(0, c.x, c.y);
        EXPECT_EQ(t.Context.Cursor, c.cursor) << c.x << "," << c.y;
    }
}

TEST(Container, DescendantsListNestedBoxesBeforeTheirContents)
{
    Nest n;
    TPartsList list;
    list.Add(n.outside);  // appended to, not emptied
    n.outer->CollectDescendants(list);
    const std::vector<TPartsBase*> expected{n.outside, n.inOuter, n.inner, n.inInner, n.wire};
    EXPECT_EQ(std::vector<TPartsBase*>(list.begin(), list.end()), expected);
    EXPECT_EQ(n.outer->Children.Count(), 2);
}

TEST(Container, DeeplyNestedBoxesAllMove)
{
    TestCircuit t;
    TContainer* outer = AddBox(t, 0, 0, 100, 100);
    TContainer* box = outer;
    for (int i = 0; i < 10000; ++i) {
        auto* inner = t.Bord.Create<TContainer>(nullptr);
        inner->Container = box;
        inner->SetLeftTop(10, 10);
        box = inner;
    }
    auto* part = PartIn(t, box, 20, 20);
    MoveBox(t, *outer, 30, 10);
    EXPECT_EQ(box->Left, 40);
    EXPECT_EQ(part->GetRect(), (TRect{50, 30, 90, 70}));
    EXPECT_EQ(LastLabels(t).size(), 10002u);
}

TEST(Container, ACorruptedCycleOfBoxesEndsEveryWalk)
{
    Nest n;
    n.outer->Container = n.inner;  // as a file naming each box the other's container could leave it
    TPartsList list;
    n.outer->CollectDescendants(list);
    EXPECT_EQ(list.Count(), 4);
    MoveBox(n.t, *n.inner, 260, 260);
    EXPECT_FALSE(n.inner->CanHold(*n.outer));

    n.outer->Container = n.outer;
    list.Clear();
    n.outer->CollectDescendants(list);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_FALSE(n.inner->CanHold(*n.outer));
    EXPECT_TRUE(n.inner->CanHold(*n.outside));
}

TEST(Container, NoBoxCanGoIntoItselfOrIntoABoxItHolds)
{
    Nest n;
    // Shrunk, the outer box leaves part of the inner one outside it; a drop of the outer box
    // with its corners there finds the inner box as the enclosing one, which must not take it.
    n.t.Context.OpenBatch();
    n.outer->DragWidth = 150;
    n.outer->DragHeight = 150;
    n.outer->MoveTo(100, 100, true);
    n.t.Context.PushBatch();
    EXPECT_EQ(n.t.Bord.ContainerAt(340, 340).Object, n.inner);
    EXPECT_FALSE(n.inner->CanHold(*n.outer));
    EXPECT_FALSE(n.outer->CanHold(*n.outer));
    EXPECT_TRUE(n.outer->CanHold(*n.inner));
    auto* spare = AddBox(n.t, 600, 600, 100, 100);
    EXPECT_TRUE(spare->CanHold(*n.outer));
    EXPECT_FALSE(n.inner->CanHold(*n.outer));
}

TEST(Container, DrawsARaisedBoxAndItsContentsClippedToIt)
{
    TestCircuit t;
    RecordingCanvas canvas;
    t.Bord.SetCanvas(&canvas);
    auto* box = AddBox(t, 100, 100, 60, 120);
    PartIn(t, box, 110, 110);
    AddBox(t, 110, 110, 20, 20, box);  // a nested box: drawn by the board, not by its container
    box->Draw();
    const Strings expected{
        "BrushStyle Solid", "BrushColor 240,240,240", "FillRect 100 100 159 219",
        "PenMode Copy", "PenColor 0,0,0", "MoveTo 159 100", "LineTo 159 219", "MoveTo 100 219", "LineTo 159 219",
        "PenColor 255,255,255", "MoveTo 100 100", "LineTo 159 100", "MoveTo 100 100", "LineTo 100 219",
        "BrushColor 0,0,128", "FillRect 102 102 115 115",
        "ClipTo 100 100 160 220", "PenColor 255,0,0", "BrushStyle Clear", "Ellipse 105 125 115 135", "Unclip",
    };
    EXPECT_EQ(canvas.Calls, expected);
    EXPECT_EQ(box->Children.Count(), 2);
}

TEST(Container, TheBoardPaintsBoxesOverTopLevelObjectsWhateverTheirOrder)
{
    TestCircuit t;
    RecordingCanvas canvas;
    t.Bord.SetCanvas(&canvas);
    AddBox(t, 100, 100, 60, 120);
    PartIn(t, nullptr, 120, 120);  // later in the list, under the box
    t.Bord.DrawAll();
    const auto at = [&](const std::string& call) {
        return std::find(canvas.Calls.begin(), canvas.Calls.end(), call) - canvas.Calls.begin();
    };
    EXPECT_LT(at("Ellipse 115 135 125 145"), at("FillRect 100 100 159 219"));
}

TEST(Container, TheBoardDrawsNestedBoxesAsEachBoxDrawsOnItsOwn)
{
    TestCircuit t;
    RecordingCanvas whole, alone;
    auto* outer = AddBox(t, 100, 100, 300, 300);
    PartIn(t, nullptr, 20, 20);
    auto* inner = AddBox(t, 150, 150, 200, 200, outer);
    PartIn(t, inner, 160, 170);
    PartIn(t, outer, 110, 120);
    auto* innermost = AddBox(t, 200, 200, 50, 50, inner);
    PartIn(t, innermost, 205, 205);
    t.Bord.SetCanvas(&whole);
    t.Bord.DrawAll();
    t.Bord.SetCanvas(&alone);
    t.Bord.Items(1)->Draw();
    t.Bord.Items(1)->DrawOpenTanshi();
    for (TContainer* box : {outer, inner, innermost}) {
        box->Draw();
        box->DrawOpenTanshi();
    }
    EXPECT_EQ(whole.Calls, alone.Calls);
    EXPECT_EQ(inner->Children.Count(), 2);
}

TEST(Container, StoresItsMacroName)
{
    TestCircuit t;
    auto* box = AddBox(t, 100, 100, 60, 120);
    box->MacroName = "Counter";
    TStrings lines;
    box->SaveToStrings(lines);
    EXPECT_EQ(lines.front(), "ClassName=TContainer");
    EXPECT_EQ(lines.back(), "MacroName=Counter");
    auto* copy = t.Bord.Create<TContainer>(nullptr);
    copy->LoadFromStrings(lines);
    EXPECT_EQ(copy->MacroName, "Counter");
    EXPECT_EQ(copy->GetRect(), box->GetRect());
}

}  // namespace
