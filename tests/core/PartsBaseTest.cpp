#include "TestCircuit.h"
#include "TestParts.h"

#include <gtest/gtest.h>

namespace {

using Pin = TTestPart::Pin;

TTestPart* Place(TestCircuit& t, int x, int y, int w, int h, std::vector<Pin> pins)
{
    auto* part = t.Bord.Create<TTestPart>(nullptr, w, h, std::move(pins));
    part->MoveTo(x, y, false);
    return part;
}

TEST(HitTest, ZeroHeightObjectAnswersOnItsBandAndItsEnds)
{
    TestCircuit t;
    auto* wire = Place(t, 100, 50, 40, 0, {{0, 0, dirWireEnd}, {40, 0, dirWireEnd}});
    TTanshi* hit = nullptr;
    EXPECT_EQ(wire->HitTest(nullptr, 100, 50, &hit), hitTanshi);
    EXPECT_EQ(hit, wire->Tanshis.Items(0));
    EXPECT_EQ(wire->HitTest(nullptr, 140, 50, &hit), hitTanshi);
    EXPECT_EQ(hit, wire->Tanshis.Items(1));
    for (int x = 101; x <= 139; ++x)
        for (int y = 49; y <= 52; ++y) EXPECT_EQ(wire->HitTest(nullptr, x, y, nullptr), hitBody) << x << "," << y;
    EXPECT_EQ(wire->HitTest(nullptr, 100, 48, nullptr), hitNone);
    EXPECT_EQ(wire->HitTest(nullptr, 120, 53, nullptr), hitNone);
    EXPECT_EQ(wire->HitTest(nullptr, 141, 50, nullptr), hitNone);
}

TEST(HitTest, EdgesOfASizedObjectAreOutsideItsBody)
{
    TestCircuit t;
    auto* part = Place(t, 100, 100, 40, 40, {{40, 20, dirOutput}});
    EXPECT_EQ(part->HitTest(nullptr, 100, 120, nullptr), hitNone);
    EXPECT_EQ(part->HitTest(nullptr, 101, 101, nullptr), hitBody);
    EXPECT_EQ(part->HitTest(nullptr, 139, 139, nullptr), hitBody);
    EXPECT_EQ(part->HitTest(nullptr, 140, 120, nullptr), hitTanshi);
}

TEST(HitTest, HugeGeometryDoesNotOverflow)
{
    TestCircuit t;
    auto* part = Place(t, INT32_MAX - 5, INT32_MAX - 5, 40, 40, {{40, 20, dirOutput}});
    EXPECT_EQ(part->HitTest(nullptr, INT32_MAX - 1, INT32_MAX - 1, nullptr), hitBody);
    EXPECT_EQ(part->HitTest(nullptr, INT32_MIN, INT32_MIN, nullptr), hitNone);
    EXPECT_EQ(part->GetRect().Right, INT32_MAX);
}

TEST(CheckLinks, TerminalsOnOnePointAreLinkedAndALoneOneIsOpen)
{
    TestCircuit t;
    auto* a = Place(t, 0, 0, 40, 40, {{40, 20, dirOutput}, {0, 20, dirInput}});
    auto* b = Place(t, 40, 0, 40, 40, {{0, 20, dirInput}});
    a->CheckLinks();
    EXPECT_TRUE(a->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(b->Tanshis.Items(0)->Linked);
    EXPECT_FALSE(a->Tanshis.Items(1)->Linked);

    auto* c = Place(t, 40, 20, 20, 0, {{0, 0, dirWireEnd}, {20, 0, dirWireEnd}});
    b->ClearLinked();
    c->CheckLinks();
    EXPECT_TRUE(a->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(b->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(c->Tanshis.Items(0)->Linked);
    EXPECT_FALSE(c->Tanshis.Items(1)->Linked);
}

TEST(CheckLinks, OnlyLooksAtObjectsWhoseRectangleTouches)
{
    TestCircuit t;
    // A terminal placed outside its owner's rectangle is not seen by a neighbour's CheckLinks.
    auto* far = Place(t, 200, 200, 10, 10, {{-160, -180, dirInput}});
    auto* near = Place(t, 0, 0, 40, 40, {{40, 20, dirOutput}});
    near->CheckLinks();
    EXPECT_FALSE(near->Tanshis.Items(0)->Linked);
    EXPECT_FALSE(far->Tanshis.Items(0)->Linked);
}

TEST(PartsBase, SetWayRebuildsTerminalsOnlyOnChange)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {});
    const int before = part->Rebuilds;
    part->SetWay(0);
    EXPECT_EQ(part->Rebuilds, before);
    part->SetWay(2);
    EXPECT_EQ(part->Rebuilds, before + 1);
}

TEST(PartsBase, RotateClockwiseWrapsAndRecordsOneStep)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {});
    part->SetWay(3);
    part->RotateClockwise();
    EXPECT_EQ(part->Way, 0);
    ASSERT_TRUE(t.Circuit.UndoQue().CanUndo());
    t.Circuit.UndoQue().Undo();
    EXPECT_EQ(part->Way, 3);

    part->WayCount = 1;
    part->RotateClockwise();
    EXPECT_EQ(part->Way, 3);
    EXPECT_FALSE(t.Circuit.UndoQue().CanUndo());
}

TEST(PartsBase, DeleteMovesToTrashButKeepsTheBoard)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {});
    t.Context.OpenBatch();
    part->Delete("One Part");
    t.Context.PushBatch();
    EXPECT_FALSE(t.Bord.Holds(part));
    EXPECT_TRUE(t.Circuit.TrashBord.Holds(part));
    EXPECT_EQ(part->Board, &t.Bord);
    t.Circuit.UndoQue().Undo();
    EXPECT_TRUE(t.Bord.Holds(part));
    EXPECT_EQ(t.Bord.Items(t.Bord.Count() - 1), part);
}

TEST(PartsBase, GetTanshiPosOutOfRange)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {{1, 2, dirInput}});
    EXPECT_EQ(part->GetTanshiPos(0), (TPoint{1, 2}));
    EXPECT_EQ(part->GetTanshiPos(1), (TPoint{-1, -1}));
    EXPECT_EQ(part->GetTanshiPos(-1), (TPoint{-1, -1}));
}

TEST(PartsBase, DrawingCallsMatchTheirPictures)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* part = circuit.Bord.Create<TTestPart>(nullptr, 40, 40, std::vector<Pin>{{40, 20, dirOutput}});
    part->MoveTo(100, 100, false);
    part->DrawOpenTanshi();
    EXPECT_EQ(surface.Calls,
              (std::vector<std::string>{"PenColor 255,0,0", "BrushStyle Clear", "Ellipse 135 115 145 125"}));

    surface.Calls.clear();
    part->SetDragPos(110, 120);
    part->DrawDragFrame(surface);
    EXPECT_EQ(surface.Calls,
              (std::vector<std::string>{"PenColor 255,255,255", "PenMode Xor", "BrushStyle Clear", "MoveTo 110 120",
                                        "LineTo 150 120", "LineTo 150 160", "LineTo 110 160", "LineTo 110 120",
                                        "Ellipse 147 137 153 143", "PenMode Copy"}));

    surface.Calls.clear();
    part->DrawSelectFrame(surface);
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"PenColor 255,0,0", "PenMode Copy", "MoveTo 100 100",
                                                       "LineTo 140 100", "LineTo 140 140", "LineTo 100 140",
                                                       "LineTo 100 100"}));
}

TEST(Properties, ReadAndWriteByNameWithTheirMessages)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {});
    SetPropText(*part, "partno", "7");
    EXPECT_EQ(part->PartNo, 7);
    EXPECT_EQ(GetPropText(*part, "PartNo"), "7");
    SetPropText(*part, "PartNo", "x");
    EXPECT_EQ(part->PartNo, 0);
    SetPropText(*part, "Way", "2");
    EXPECT_EQ(part->Way, 2);
    EXPECT_EQ(GetPropText(*part, "Colour"), "");
    ASSERT_EQ(t.Messages.Shown.size(), 1u);
    EXPECT_EQ(t.Messages.Shown[0], "このプロパティは有りません  Colour");
}

TEST(Properties, SetPropUndoableRecordsNothingForTheSameValue)
{
    TestCircuit t;
    auto* part = Place(t, 0, 0, 40, 40, {});
    part->SetPropUndoable("PartNo", "0", "label");
    EXPECT_FALSE(t.Circuit.UndoQue().CanUndo());
    part->SetPropUndoable("PartNo", "3", "label");
    EXPECT_EQ(part->PartNo, 3);
    t.Circuit.UndoQue().Undo();
    EXPECT_EQ(part->PartNo, 0);
    t.Circuit.UndoQue().Redo();
    EXPECT_EQ(part->PartNo, 3);
}

}  // namespace

TEST(PartsBase, FramesAndCirclesAtTheEdgeOfTheCoordinateRangeStayInRange)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* part = circuit.Bord.Create<TTestPart>(nullptr, INT32_MAX, INT32_MAX, std::vector<Pin>{{0, 0, dirOutput}});
    part->MoveTo(INT32_MIN, INT32_MIN, false);
    part->DrawOpenTanshi();
    part->DrawSelectFrame(surface);
    part->SetDragPos(INT32_MAX, INT32_MAX);
    part->DrawDragFrame(surface);
    EXPECT_TRUE(surface.Has("Ellipse -2147483648 -2147483648 -2147483643 -2147483643"));
    EXPECT_TRUE(surface.Has("LineTo 2147483647 2147483647"));
}
