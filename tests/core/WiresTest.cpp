#include "TestCircuit.h"
#include "TestParts.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(Code, TerminalsAtBothEndsAndBlueLine)
{
    TestCircuit t;
    RecordingCanvas canvas;
    t.Bord.SetCanvas(&canvas);
    auto* w = AddWire(t, 100, 50, 140, 50);
    ASSERT_EQ(w->Tanshis.Count(), 2);
    EXPECT_EQ(w->GetTanshiPos(0), (TPoint{0, 0}));
    EXPECT_EQ(w->GetTanshiPos(1), (TPoint{40, 0}));
    EXPECT_EQ(w->Tanshis.Items(1)->Direction, dirWireEnd);
    EXPECT_EQ(w->WayCount, 0);
    w->Draw();
    EXPECT_EQ(canvas.Calls, (Strings{"PenColor 0,0,255", "MoveTo 100 50", "LineTo 140 50"}));
}

TEST(Code, ResizeCursorWithinTwoPixelsOfAnEnd)
{
    TestCircuit t;
    auto* h = AddWire(t, 100, 50, 140, 50);
    auto* v = AddWire(t, 300, 100, 300, 160);
    struct Case {
        TCode* wire;
        int x, y;
        TCursorShape cursor;
    };
    // clang-format off
    const Case cases[] = {
        {h, 102,  50, TCursorShape::SizeWE}, {h,  98, 52, TCursorShape::SizeWE}, {h, 142, 48, TCursorShape::SizeWE},
        {h, 103,  50, TCursorShape::Arrow},  {h, 100, 53, TCursorShape::Arrow},  {h, 120, 50, TCursorShape::Arrow},
        {v, 302, 102, TCursorShape::SizeNS}, {v, 298, 158, TCursorShape::SizeNS},
        {v, 303, 100, TCursorShape::Arrow},  {v, 300, 163, TCursorShape::Arrow},  {v, 300, 130, TCursorShape::Arrow},
    };
    // clang-format on
    for (const Case& c : cases) {
        t.Context.Cursor = TCursorShape::Arrow;
        c.wire->MouseMove(0, c.x, c.y);
        EXPECT_EQ(t.Context.Cursor, c.cursor) << c.x << "," << c.y;
    }
}

TEST(LinkCode, ANewWireContinuingAnotherIsMergedIntoIt)
{
    TestCircuit t;
    AddWire(t, 150, 50, 200, 50);
    const Strings before = Wiring(t.Bord);
    TCode* w = DrawWire(t, 100, 50, 150, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-200,50"}));
    EXPECT_EQ(LastLabels(t), (Strings{"MouseUp DrawingCode", "TBord.LinkCode 4", "TBord.LinkCode CodeDelete"}));
    EXPECT_EQ(t.Circuit.TrashBord.Count(), 1);
    EXPECT_EQ(w->DragWidth, 100);
    EXPECT_TRUE(w->Tanshis.Items(0)->Linked == false && w->Tanshis.Items(1)->Linked == false);

    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), before);
}

TEST(LinkCode, EachWayOfGrowing)
{
    struct Case {
        int existing[4], drawn[4];
        std::string result, label;
    };
    const Case cases[] = {
        {{100, 50, 150, 50}, {150, 50, 200, 50}, "100,50-200,50", "TBord.LinkCode 3"},  // starts on its end
        {{100, 50, 150, 50}, {120, 50, 180, 50}, "100,50-180,50", "TBord.LinkCode 3"},  // overlaps its end
        {{150, 50, 200, 50}, {100, 50, 160, 50}, "100,50-200,50", "TBord.LinkCode 4"},  // ends inside it
        {{50, 100, 50, 150}, {50, 150, 50, 200}, "50,100-50,200", "TBord.LinkCode 1"},
        {{50, 150, 50, 200}, {50, 100, 50, 150}, "50,100-50,200", "TBord.LinkCode 2"},
    };
    for (const Case& c : cases) {
        TestCircuit t;
        AddWire(t, c.existing[0], c.existing[1], c.existing[2], c.existing[3]);
        const Strings before = Wiring(t.Bord);
        DrawWire(t, c.drawn[0], c.drawn[1], c.drawn[2], c.drawn[3]);
        EXPECT_EQ(Segments(t.Bord), Strings{c.result}) << c.label;
        EXPECT_EQ(LastLabels(t), (Strings{"MouseUp DrawingCode", c.label, "TBord.LinkCode CodeDelete"}));
        Undo(t);
        EXPECT_EQ(Wiring(t.Bord), before) << c.label;
    }
}

TEST(LinkCode, AWireLyingOnAnotherIsRemovedAndTheOtherKept)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    DrawWire(t, 120, 50, 180, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-200,50"}));
    EXPECT_EQ(LastLabels(t), (Strings{"MouseUp DrawingCode", "TBord.LinkCode CodeDelete"}));
}

TEST(LinkCode, NoMerge)
{
    struct Case {
        const char* why;
        int existing[4], drawn[4];
    };
    const Case cases[] = {
        {"vertical and horizontal sharing an end", {100, 50, 150, 50}, {150, 50, 150, 100}},
        {"horizontal meeting a vertical end", {150, 0, 150, 50}, {150, 50, 200, 50}},
        {"covering the other at both ends", {120, 50, 180, 50}, {100, 50, 200, 50}},
        {"parallel rows", {100, 50, 150, 50}, {150, 60, 200, 60}},
        {"end to end with a gap", {100, 50, 140, 50}, {150, 50, 200, 50}},
    };
    for (const Case& c : cases) {
        TestCircuit t;
        AddWire(t, c.existing[0], c.existing[1], c.existing[2], c.existing[3]);
        DrawWire(t, c.drawn[0], c.drawn[1], c.drawn[2], c.drawn[3]);
        EXPECT_EQ(Segments(t.Bord).size(), 2u) << c.why;
        EXPECT_EQ(LastLabels(t), Strings{"MouseUp DrawingCode"}) << c.why;
    }
}

TEST(LinkCode, AWireNoLongerOnTheBoardMergesNothing)
{
    TestCircuit t;
    auto* kept = AddWire(t, 150, 50, 200, 50);
    auto* gone = AddWire(t, 100, 50, 150, 50);
    gone->Delete("One Part");
    EXPECT_EQ(t.Bord.LinkCode(gone), nullptr);
    EXPECT_EQ(kept->Width, 50);
}

TEST(LinkCode, WiresOnDifferentLevelsNeverMerge)
{
    TestCircuit t;
    auto* box = AddBox(t, 0, 0, 300, 300);
    AddWire(t, 150, 50, 200, 50, box);
    DrawWire(t, 100, 50, 150, 50);
    EXPECT_EQ(Segments(t.Bord).size(), 2u);
    DrawWire(t, 200, 50, 250, 50, box);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-150,50", "150,50-250,50"}));
}

TEST(LinkCode, ADotOnTheJointForbidsTheMerge)
{
    TestCircuit t;
    AddWire(t, 150, 50, 200, 50);
    PlaceDot(t, 150, 50);  // on the wire's end: nothing to cut
    DrawWire(t, 100, 50, 150, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-150,50", "150,50-200,50"}));
}

TEST(LinkCode, TheSecondCallJoinsAWireGrownToMeetAnother)
{
    TestCircuit t;
    AddWire(t, 100, 50, 150, 50);
    AddWire(t, 200, 50, 250, 50);
    const Strings before = Wiring(t.Bord);
    DrawWire(t, 150, 50, 200, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-250,50"}));
    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), before);
}

TEST(Dot, CutsAWireAndJoinsItAgainWhenMovedAway)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    const Strings uncut = Wiring(t.Bord);
    TDot* dot = PlaceDot(t, 150, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-150,50", "150,50-200,50"}));
    EXPECT_EQ(LastLabels(t), (Strings{"MouseDown CreateDot", "TDot.Move CodeCreate", "TDot.Move CodeMove"}));
    EXPECT_EQ(dot->Codes.Count(), 2);
    const Strings cut = Wiring(t.Bord);
    for (const std::string& line : cut) {
        // Each piece is linked at the centre and open at its far end.
        if (!line.starts_with("TCode")) continue;
        EXPECT_TRUE(line.ends_with("oL") || line.ends_with("Lo")) << line;
    }

    MoveDot(*dot, 150, 100);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-200,50"}));
    EXPECT_EQ(dot->Codes.Count(), 0);

    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), cut);
    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), uncut);
}

TEST(Dot, MovedAlongTheWireCutsItAtTheNewPlace)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    TDot* dot = PlaceDot(t, 150, 50);
    const Strings cut = Wiring(t.Bord);
    MoveDot(*dot, 120, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-120,50", "120,50-200,50"}));
    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), cut);
}

TEST(Dot, OnACrossingCutsBothWiresAndDeletingItJoinsThem)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    AddWire(t, 150, 0, 150, 100);
    const Strings crossing = Wiring(t.Bord);
    TDot* dot = PlaceDot(t, 150, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-150,50", "150,0-150,50", "150,50-150,100", "150,50-200,50"}));
    const Strings four = Wiring(t.Bord);

    DeleteDot(*dot);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-200,50", "150,0-150,100"}));
    EXPECT_EQ(Wiring(t.Bord), crossing);

    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), four);
    Undo(t);
    EXPECT_EQ(Wiring(t.Bord), crossing);
}

TEST(Dot, CentredOnAWireEndDoesNotCutIt)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    TDot* dot = PlaceDot(t, 200, 50);
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-200,50"}));
    EXPECT_EQ(LastLabels(t), Strings{"MouseDown CreateDot"});
    EXPECT_EQ(dot->Codes.Count(), 1);
}

TEST(Dot, RelinkSkipsWiresThatLeftTheBoard)
{
    TestCircuit t;
    AddWire(t, 100, 50, 200, 50);
    TDot* dot = PlaceDot(t, 150, 50);
    dot->CollectCodes();
    ASSERT_EQ(dot->Codes.Count(), 2);
    // The newer piece, found first, is deleted and its batch dropped from the history: the
    // snapshot names a destroyed wire.
    EXPECT_EQ(dot->Codes.Items(0)->Left, 150);
    t.Context.OpenBatch();
    dot->Codes.Items(0)->Delete("One Part");
    t.Context.PushBatch();
    t.Circuit.UndoQue().Clear();
    t.Circuit.TrashBord.ClearAll();
    t.Context.OpenBatch();
    dot->MoveTo(140, 140, true);
    t.Context.PushBatch();
    EXPECT_EQ(Segments(t.Bord), (Strings{"100,50-150,50"}));
}

// Output (0, 20) of a driver at (0, 0); an input (0, 20) of a reader at (x, y).
struct Net {
    TestCircuit t;
    TTestPart* driver;
    TTestPart* reader;
    Net(int readerX, int readerY)
    {
        driver = t.Bord.Create<TTestPart>(nullptr, 40, 40, std::vector<TTestPart::Pin>{{40, 20, dirOutput}});
        driver->MoveTo(0, 0, false);
        reader = t.Bord.Create<TTestPart>(nullptr, 40, 40, std::vector<TTestPart::Pin>{{0, 20, dirInput}});
        reader->MoveTo(readerX, readerY, false);
    }
    bool Driven()
    {
        t.Bord.SetConnectTanshi();
        t.Bord.ResolveNets();
        const TLinkList& driven = driver->Tanshis.Items(0)->Links;
        return driven.IndexOf(reader->Tanshis.Items(0)) >= 0;
    }
};

TEST(Wiring, ATJunctionConductsOnlyWhereADotCutTheThroughWire)
{
    Net n(200, 180);
    AddWire(n.t, 40, 20, 300, 20);   // through wire from the driver
    AddWire(n.t, 120, 20, 120, 200);  // branch down from its middle
    AddWire(n.t, 120, 200, 200, 200);
    EXPECT_FALSE(n.Driven());
    PlaceDot(n.t, 120, 20);
    EXPECT_TRUE(n.Driven());
    Undo(n.t);
    EXPECT_FALSE(n.Driven());
}

TEST(Wiring, CrossingWiresDoNotConduct)
{
    Net n(200, 180);
    AddWire(n.t, 40, 20, 100, 20);
    AddWire(n.t, 100, 20, 100, 160);  // from the driver down, crossing the row below
    AddWire(n.t, 60, 100, 200, 100);  // the row leading to the reader
    AddWire(n.t, 200, 100, 200, 200);
    EXPECT_FALSE(n.Driven());
    PlaceDot(n.t, 100, 100);
    EXPECT_TRUE(n.Driven());
}

}  // namespace
