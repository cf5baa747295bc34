#include "PartU.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

template <class T>
T* PlaceIn(TestCircuit& t, TContainer* box, int x, int y, int way = 0)
{
    auto* part = t.Bord.Create<T>(nullptr);
    part->Container = box;
    part->SetWay(way);
    part->MoveTo(x, y, true);
    return part;
}

std::vector<TPoint> Positions(const TPartsBase& part)
{
    std::vector<TPoint> p;
    for (const TTanshi* k : part.Tanshis) p.push_back(k->GetPos());
    return p;
}

TEST(SubTerminal, TerminalsPerWay)
{
    TestCircuit t;
    auto* in = t.Bord.Create<TInTerminal>(nullptr);
    auto* out = t.Bord.Create<TOutTerminal>(nullptr);
    EXPECT_EQ(in->PartNo, 0);
    EXPECT_EQ(out->PartNo, 1);
    using P = std::vector<TPoint>;
    const P expected[4] = {{{0, 10}, {20, 10}}, {{10, 0}, {10, 20}}, {{20, 10}, {0, 10}}, {{10, 20}, {10, 0}}};
    for (int way = 0; way < 4; ++way) {
        in->SetWay(way);
        out->SetWay(way);
        EXPECT_EQ(Positions(*in), expected[way]) << way;
        EXPECT_EQ(Positions(*out), expected[way]) << way;
    }
    EXPECT_EQ(in->Tanshis.Items(0)->Direction, dirInput);
    EXPECT_EQ(in->Tanshis.Items(1)->Direction, dirOutput);
    in->SetWay(7);  // from a file
    EXPECT_EQ(in->Tanshis.Count(), 0);
    in->Calc();
}

TEST(SubTerminal, CalcCopiesTerminalZeroToOne)
{
    TestCircuit t;
    auto* out = t.Bord.Create<TOutTerminal>(nullptr);
    out->Tanshis.Items(0)->Level = LevelHigh;
    out->Calc();
    EXPECT_EQ(out->Tanshis.Items(1)->Level, LevelHigh);
}

// A box from (200, 0) to (400, 200) with an input terminal part on its left edge and an output
// terminal part on its right edge, both at y = 50.
struct Box {
    TestCircuit t;
    TContainer* box = AddBox(t, 200, 0, 200, 200);
    TInTerminal* in = PlaceIn<TInTerminal>(t, box, 200, 40);
    TOutTerminal* out = PlaceIn<TOutTerminal>(t, box, 380, 40);

    bool Drives(const TPartsBase* from, const TPartsBase* to)
    {
        t.Bord.SetConnectTanshi();
        t.Bord.ResolveNets();
        const TLinkList& driven = from->Tanshis.Items(1)->Links;
        return driven.IndexOf(to->Tanshis.Items(0)) >= 0;
    }
};

TEST(SubTerminal, AnOuterWireLinksToTheOuterTerminalOnTheOuterLevelOnly)
{
    Box b;
    TTanshi* outer = b.in->Tanshis.Items(0);
    EXPECT_FALSE(outer->Linked);
    auto* wire = AddWire(b.t, 140, 50, 200, 50);
    EXPECT_TRUE(outer->Linked);
    EXPECT_TRUE(wire->Tanshis.Items(1)->Linked);
    AddWire(b.t, 200, 50, 200, 100, b.box);  // inside the box, on the same point
    b.in->LinkTanshi();
    ASSERT_EQ(outer->Links.Count(), 1);
    EXPECT_EQ(outer->Links.Items(0), wire->Tanshis.Items(1));

    b.t.Bord.CheckAllLinks();
    EXPECT_TRUE(outer->Linked);
    EXPECT_FALSE(b.in->Tanshis.Items(1)->Linked);

    TTanshi* hit = nullptr;
    EXPECT_EQ(b.in->HitTest(nullptr, 200, 50, &hit), hitTanshi);
    EXPECT_EQ(hit, outer);
    EXPECT_EQ(b.in->HitTest(nullptr, 220, 50, nullptr), hitNone);  // the inner terminal stays inside
    EXPECT_EQ(b.in->HitTest(nullptr, 210, 50, nullptr), hitNone);
    EXPECT_EQ(b.in->HitTest(b.box, 210, 50, nullptr), hitBody);
}

TEST(SubTerminal, SignalsEnterThroughInputPartsAndLeaveThroughOutputParts)
{
    Box b;
    auto* source = PlaceIn<TNot>(b.t, nullptr, 100, 30);  // output at (140, 50)
    auto* inside = PlaceIn<TNot>(b.t, b.box, 260, 30);    // input at (260, 50), output at (300, 50)
    auto* sink = PlaceIn<TNot>(b.t, nullptr, 460, 30);    // input at (460, 50)
    AddWire(b.t, 140, 50, 200, 50);
    AddWire(b.t, 220, 50, 260, 50, b.box);
    AddWire(b.t, 300, 50, 380, 50, b.box);
    AddWire(b.t, 400, 50, 460, 50);
    EXPECT_TRUE(b.Drives(source, inside));
    EXPECT_TRUE(b.Drives(inside, sink));
    EXPECT_FALSE(b.Drives(source, sink));

    b.t.Prepare();
    for (int i = 0; i < 4; ++i) b.t.Pass();
    // Passes after the source's undriven input goes high: each inverter follows one pass later.
    source->Tanshis.Items(0)->Level = LevelHigh;
    // clang-format off
    const int32_t levels[][3] = {
        // source inside sink
        {0,      0,     5},
        {0,      5,     5},
        {0,      5,     0},
    };
    // clang-format on
    for (const auto& row : levels) {
        b.t.Pass();
        EXPECT_EQ(source->Tanshis.Items(1)->Level, row[0]);
        EXPECT_EQ(inside->Tanshis.Items(1)->Level, row[1]);
        EXPECT_EQ(sink->Tanshis.Items(1)->Level, row[2]);
    }
}

TEST(SubTerminal, ASignalDrivenIntoAnOutputPartDoesNotReachTheInside)
{
    Box b;
    auto* outsider = PlaceIn<TNot>(b.t, nullptr, 440, 30, 2);  // facing left, output at (440, 50)
    auto* inside = PlaceIn<TNot>(b.t, b.box, 300, 30, 2);      // input at (340, 50)
    AddWire(b.t, 400, 50, 440, 50);
    AddWire(b.t, 340, 50, 380, 50, b.box);
    EXPECT_FALSE(b.Drives(outsider, inside));
    // Nor does a signal from inside leave through an input part.
    auto* leaver = PlaceIn<TNot>(b.t, b.box, 240, 60, 2);  // output at (240, 80)
    auto* below = PlaceIn<TNot>(b.t, nullptr, 100, 60);      // input at (100, 80)
    PlaceIn<TInTerminal>(b.t, b.box, 200, 70);               // outer (200, 80), inner (220, 80)
    AddWire(b.t, 100, 80, 200, 80);
    AddWire(b.t, 220, 80, 240, 80, b.box);
    EXPECT_FALSE(b.Drives(leaver, below));
}

TEST(SubTerminal, NestedBoxesPassSignalsThroughEveryEdge)
{
    Box b;
    auto* inner = AddBox(b.t, 240, 100, 100, 80, b.box);
    auto* deep = PlaceIn<TInTerminal>(b.t, inner, 240, 140);  // outer (240, 150), inner (260, 150)
    auto* source = PlaceIn<TNot>(b.t, nullptr, 100, 30);
    auto* target = PlaceIn<TNot>(b.t, inner, 280, 130);  // input at (280, 150)
    AddWire(b.t, 140, 50, 200, 50);
    AddWire(b.t, 220, 50, 220, 150, b.box);
    AddWire(b.t, 220, 150, 240, 150, b.box);
    AddWire(b.t, 260, 150, 280, 150, inner);
    EXPECT_TRUE(deep->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(b.Drives(source, target));
    AddWire(b.t, 200, 150, 240, 150);  // on the top level: not the inner box's outer level
    deep->LinkTanshi();
    EXPECT_EQ(deep->Tanshis.Items(0)->Links.Count(), 1);
}

TEST(SubTerminal, OutsideAnyBoxItLinksOnItsOwnLevel)
{
    TestCircuit t;
    RecordingCanvas canvas;
    t.Bord.SetCanvas(&canvas);
    auto* loose = PlaceIn<TInTerminal>(t, nullptr, 100, 40);
    auto* wire = AddWire(t, 60, 50, 100, 50);
    EXPECT_TRUE(loose->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(wire->Tanshis.Items(1)->Linked);
    loose->LinkTanshi();
    EXPECT_EQ(loose->Tanshis.Items(0)->Links.Count(), 1);
    EXPECT_EQ(loose->HitTest(nullptr, 120, 50, nullptr), hitTanshi);
    loose->DrawOpenTanshi();
    EXPECT_EQ(canvas.Calls.back(), "Ellipse 115 45 125 55");
}

TEST(SubTerminal, TheOpenCircleOnTheBoxBorderIsDrawnUnclipped)
{
    struct Case {
        bool output;
        int way, x, y;
        bool unclipped;
    };
    // The box spans (200, 0) to (400, 200).
    // clang-format off
    const Case cases[] = {
        {false, 0, 200,  40, true},  {false, 0, 380,  40, false}, {false, 2, 380,  40, true},
        {false, 1, 240,   0, true},  {false, 3, 240, 180, true},  {false, 3, 240, 170, false},
        {true,  0, 380,  40, true},  {true,  2, 200,  40, true},  {true,  0, 200,  40, false},
        {true,  1, 240, 180, true},  {true,  3, 240,   0, true},  {false, 0, 200, 190, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        TestCircuit t;
        RecordingCanvas canvas;
        t.Bord.SetCanvas(&canvas);
        auto* box = AddBox(t, 200, 0, 200, 200);
        TPartsBase* part = c.output ? static_cast<TPartsBase*>(PlaceIn<TOutTerminal>(t, box, c.x, c.y, c.way))
                                    : PlaceIn<TInTerminal>(t, box, c.x, c.y, c.way);
        canvas.Calls.clear();
        part->DrawOpenTanshi();
        EXPECT_EQ(canvas.Calls.front() == "Unclip", c.unclipped)
            << (c.output ? "out" : "in") << " way " << c.way << " at " << c.x << "," << c.y;
    }
}

TEST(SubTerminal, TheBoxDragFrameShowsWhereTheOuterTerminalsWillLand)
{
    Box b;
    RecordingCanvas surface;
    b.box->SetDragPos(250, 30);
    b.box->DrawDragFrame(surface);
    const Strings expected{
        "PenColor 255,255,255", "PenMode Xor", "BrushStyle Clear",
        "MoveTo 250 30", "LineTo 450 30", "LineTo 450 230", "LineTo 250 230", "LineTo 250 30",
        "Ellipse 247 77 253 83", "Ellipse 447 77 453 83", "PenMode Copy",
    };
    EXPECT_EQ(surface.Calls, expected);
}

TEST(SubTerminal, DrawsItsImage)
{
    TestCircuit t;
    RecordingCanvas canvas;
    t.Bord.SetCanvas(&canvas);
    auto* out = PlaceIn<TOutTerminal>(t, nullptr, 100, 40, 3);
    out->Draw();
    EXPECT_EQ(canvas.Calls, Strings{"Sprite 16 7 100 40"});
    out->PartNo = 9;  // from a file: no such image
    canvas.Calls.clear();
    out->Draw();
    EXPECT_TRUE(canvas.Calls.empty());
}

}  // namespace
