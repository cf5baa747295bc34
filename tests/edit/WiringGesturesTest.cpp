// Wiring the way students expect: a drag that ends on a terminal or a wire lays the whole L and
// ends the wire, a leg ending or starting on the body of a wire across it joins it with a dot, and
// each of these is one undo step.
#include "GestureFixture.h"

using ::testing::ElementsAre;

namespace {

struct WiringGestures : GestureTest {
    // A wire-tool drag along the route's points, released at the last.
    void DragAlong(const std::vector<TPoint>& route)
    {
        host.Tool = TTool::Wire;
        Hover(route.front().x, route.front().y);
        Press(route.front().x, route.front().y);
        for (const TPoint p : route) MoveTo(p.x, p.y);
        Release(route.back().x, route.back().y);
    }
    // The ends of the three wires of a T meet at p, linked to each other.
    bool JoinedAt(TPoint p) const
    {
        TTanshiList ends;
        t.Bord.TanshisAt(nullptr, p.x, p.y, ends);
        return ends.Count() >= 3 && std::all_of(ends.begin(), ends.end(), [](TTanshi* k) { return k->Linked; });
    }
};

TEST_F(WiringGestures, ADragOntoATerminalOrAWireLaysTheWholeLInOneStepAndEndsTheWire)
{
    struct Row {
        const char* name;
        std::vector<TPoint> route;
        std::vector<std::string> segments;
    };
    // A switch's output at (120, 110), an inverter's input at (200, 160) and a wire whose end is (400, 300).
    const Row rows[] = {
        {"straight onto a terminal", {{120, 110}, {200, 110}, {200, 160}}, {"120,110-200,110", "200,110-200,160"}},
        {"an L onto a terminal", {{120, 110}, {160, 110}, {200, 110}, {200, 160}}, {"120,110-200,110", "200,110-200,160"}},
        {"onto a wire's end, merging with it", {{500, 400}, {500, 300}, {400, 300}}, {"300,300-500,300", "500,300-500,400"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        t.Bord.ClearAll();
        st.SelectedParts.Clear();
        Put<TTglSW>("TTglSW", 100, 100);
        Put<TNot>("TNot", 200, 140);
        DrawWire(t, 300, 300, 400, 300);
        const int steps = t.Circuit.UndoQue().UndoCount;
        std::vector<std::string> before = Segments(t.Bord);
        DragAlong(row.route);
        EXPECT_EQ(st.EditState, esNone);
        EXPECT_FALSE(st.WireEndsHere);
        std::vector<std::string> expected = row.segments;
        if (row.route.back() != TPoint{400, 300}) expected.push_back("300,300-400,300");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Segments(t.Bord), expected);
        EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps + 1);
        UndoEdit(s);
        EXPECT_EQ(Segments(t.Bord), before);
    }
}

TEST_F(WiringGestures, ThePreviewSaysWhenTheReleaseEndsTheWireAndAReleaseElsewhereGoesOnFromTheCorner)
{
    auto* inverter = Put<TNot>("TNot", 200, 140);  // input (200, 160)
    host.Tool = TTool::Wire;
    Hover(100, 110);
    Press(100, 110);
    MoveTo(200, 110);
    MoveTo(200, 160);
    EXPECT_TRUE(st.WireEndsHere);
    MoveTo(220, 180);
    EXPECT_FALSE(st.WireEndsHere);
    Release(220, 180);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,110-220,110"));
    EXPECT_EQ(st.EditState, esDrawingCode);
    // The next click, on the inverter's input, ends the wire with the rest of the L.
    MoveTo(200, 160);
    EXPECT_TRUE(st.WireEndsHere);
    Press(200, 160);
    Release(200, 160);
    EXPECT_EQ(st.EditState, esNone);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,110-220,110", "200,160-220,160", "220,110-220,160"));
    EXPECT_TRUE(inverter->Tanshis.Items(0)->Linked);
}

TEST_F(WiringGestures, ALegEndingOrStartingOnAWireAcrossItJoinsItWithADotAndACrossingStaysACrossing)
{
    DrawWire(t, 100, 100, 300, 100);
    DrawWire(t, 100, 200, 300, 200);  // crossed, not joined
    DrawWire(t, 100, 300, 300, 300);
    const int steps = t.Circuit.UndoQue().UndoCount;
    const std::vector<std::string> before = Wiring(t.Bord);
    DragAlong({{200, 100}, {200, 300}});
    EXPECT_EQ(st.EditState, esNone);
    EXPECT_EQ(Count(cfDot), 2);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,100-200,100", "100,200-300,200", "100,300-200,300", "200,100-200,300",
                                              "200,100-300,100", "200,300-300,300"));
    EXPECT_TRUE(JoinedAt({200, 100}) && JoinedAt({200, 300}));
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps + 1);
    UndoEdit(s);
    EXPECT_EQ(Wiring(t.Bord), before);
    RedoEdit(s);
    EXPECT_EQ(Count(cfDot), 2);
    EXPECT_TRUE(JoinedAt({200, 100}) && JoinedAt({200, 300}));

    // A leg laid by a release in empty space joins a wire at its start as well.
    DragAlong({{100, 250}, {100, 220}, {250, 220}});
    EXPECT_EQ(st.EditState, esDrawingCode);
    mouse.Escape();
    EXPECT_EQ(Count(cfDot), 2);  // (100, 250) lies on no wire
    DragAlong({{150, 100}, {150, 50}, {250, 50}});
    mouse.Escape();
    EXPECT_EQ(Count(cfDot), 3);
}

TEST_F(WiringGestures, ADraggedPartTakesItsWireEndsAlongWithBendsAndAltLeavesThemBehind)
{
    auto* gate = Put<TGate>("TGate", 200, 100);  // inputs (200, 110), (200, 130); output (240, 120)
    DrawWire(t, 100, 110, 200, 110);
    DrawWire(t, 200, 130, 200, 200);
    DrawWire(t, 240, 120, 340, 120);
    const std::vector<std::string> before = Wiring(t.Bord);
    const int steps = t.Circuit.UndoQue().UndoCount;
    host.Tool = TTool::Select;
    Drag(220, 120, 220, 140);
    EXPECT_EQ(Corner(gate), std::pair(200, 120));
    // In line it stretches or shrinks; across, it keeps its fixed end and gains a bend.
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,110-200,110", "200,110-200,130", "200,150-200,200",
                                              "240,120-240,140", "240,120-340,120"));
    for (const TTanshi* k : gate->Tanshis) EXPECT_TRUE(k->Linked);
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps + 1);
    UndoEdit(s);
    EXPECT_EQ(Wiring(t.Bord), before);

    // Holding Alt, the gate moves alone.
    mouse.MouseMove(ssAlt, 220, 120);
    mouse.MouseDown(TMouseButton::Left, ssAlt, 220, 120);
    mouse.MouseMove(ssAlt | ssLeft, 220, 140);
    mouse.MouseUp(TMouseButton::Left, ssAlt, 220, 140);
    EXPECT_EQ(Corner(gate), std::pair(200, 120));
    EXPECT_THAT(Segments(t.Bord), ElementsAre("100,110-200,110", "200,130-200,200", "240,120-340,120"));
    // Only the first input now meets a wire's end, the one that ran to the second.
    std::vector<bool> linked;
    for (const TTanshi* k : gate->Tanshis) linked.push_back(k->Linked);
    EXPECT_THAT(linked, ElementsAre(true, false, false));
}

TEST_F(WiringGestures, ADraggedSelectionMovesTheWireBetweenItsPartsWholeAndBendsTheOthers)
{
    auto* left = Put<TNot>("TNot", 100, 100);   // input (100, 120), output (140, 120)
    auto* right = Put<TNot>("TNot", 200, 100);  // input (200, 120), output (240, 120)
    DrawWire(t, 140, 120, 200, 120);
    DrawWire(t, 240, 120, 300, 120);
    host.Tool = TTool::Select;
    Click(120, 110);
    mouse.MouseDown(TMouseButton::Left, ssShift, 220, 110);
    mouse.MouseUp(TMouseButton::Left, ssShift, 220, 110);
    ASSERT_EQ(st.SelectedParts.Count(), 2);
    const int steps = t.Circuit.UndoQue().UndoCount;
    Drag(120, 110, 120, 150);
    EXPECT_EQ(Corner(left), std::pair(100, 140));
    EXPECT_EQ(Corner(right), std::pair(200, 140));
    EXPECT_THAT(Segments(t.Bord), ElementsAre("140,160-200,160", "240,120-240,160", "240,120-300,120"));
    EXPECT_TRUE(right->Tanshis.Items(1)->Linked);
    EXPECT_EQ(t.Circuit.UndoQue().UndoCount, steps + 1);
    UndoEdit(s);
    EXPECT_THAT(Segments(t.Bord), ElementsAre("140,120-200,120", "240,120-300,120"));
}

}  // namespace
