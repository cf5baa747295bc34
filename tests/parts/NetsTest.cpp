#include "PartU.h"
#include "SharedNets.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

int32_t Out(const TPartsBase* part) { return part->Tanshis.Items(part->Tanshis.Count() - 1)->Level; }

// Wire legs through the given points, each leg ending where the next begins.
void Route(TestCircuit& t, std::initializer_list<TPoint> points)
{
    const TPoint* previous = nullptr;
    for (const TPoint& p : points) {
        if (previous) AddWire(t, previous->x, previous->y, p.x, p.y);
        previous = &p;
    }
}

TEST(Nets, AnInverterDrivingItsOwnInputAlternatesEveryPass)
{
    TestCircuit t;
    auto* inverter = t.Place<TNot>(100, 100);  // input (100,120), output (140,120)
    Route(t, {{140, 120}, {160, 120}, {160, 160}, {80, 160}, {80, 120}, {100, 120}});
    t.Prepare();
    int32_t previous = Out(inverter);
    for (int pass = 0; pass < 10; ++pass) {
        t.Pass();
        EXPECT_NE(Out(inverter), previous) << "pass " << pass;
        previous = Out(inverter);
    }
}

// An inverter (output 5) and an AND (output 0) drive one input through wires; whichever of the
// two stands later in the board list writes last.
TEST(Nets, WhenTwoOutputsDriveOneInputTheLaterPartWins)
{
    for (bool andFirst : {false, true}) {
        TestCircuit t;
        TPartsBase* first = andFirst ? static_cast<TPartsBase*>(t.Place<TGate>(0, 100, TGate::gkAnd))
                                     : static_cast<TPartsBase*>(t.Place<TNot>(0, 0));
        TPartsBase* second = andFirst ? static_cast<TPartsBase*>(t.Place<TNot>(0, 0))
                                      : static_cast<TPartsBase*>(t.Place<TGate>(0, 100, TGate::gkAnd));
        auto* reader = t.Place<TNot>(60, 50);  // input at (60,70)
        Route(t, {{40, 20}, {60, 20}, {60, 70}});
        Route(t, {{40, 120}, {60, 120}, {60, 70}});
        t.Prepare();
        t.Pass();
        EXPECT_EQ(reader->Tanshis.Items(0)->Level, Out(second)) << (andFirst ? "AND first" : "NOT first");
        EXPECT_NE(Out(first), Out(second));
    }
}

// The same two drivers make one shared net; a third output on a net of its own, and a wire that only
// crosses their wires, share nothing.
TEST(Nets, OutputsThatReachOneInputShareANetAndNoOtherDoes)
{
    TestCircuit t;
    auto* inverter = t.Place<TNot>(0, 0);
    auto* gate = t.Place<TGate>(0, 100, TGate::gkAnd);
    auto* reader = t.Place<TNot>(60, 50);
    Route(t, {{40, 20}, {60, 20}, {60, 70}});
    Route(t, {{40, 120}, {60, 120}, {60, 70}});
    auto* alone = t.Place<TNot>(200, 0);  // output at (240,20), crossing the first route's leg below
    Route(t, {{240, 20}, {240, 200}});
    Route(t, {{220, 100}, {260, 100}});
    t.Bord.SetConnectTanshi();
    t.Bord.ResolveNets();
    const auto nets = SharedNets(t.Bord);
    ASSERT_EQ(nets.size(), 1u);
    EXPECT_EQ(nets[0], (std::vector<const TTanshi*>{inverter->Tanshis.Items(1), gate->Tanshis.Items(2)}));
    (void)reader;
    (void)alone;
}

TEST(Nets, ACrossCoupledLatchSettlesToTheSameStateEveryRun)
{
    TestCircuit t;
    auto* upper = t.Place<TGate>(0, 0, TGate::gkNand);    // inputs (0,10) (0,30), output (40,20)
    auto* lower = t.Place<TGate>(0, 100, TGate::gkNand);  // inputs (0,110) (0,130), output (40,120)
    t.Place<TNot>(-80, -10);                              // holds the upper set input high
    t.Place<TNot>(-80, 110);                              // holds the lower reset input high
    Route(t, {{-40, 10}, {0, 10}});
    Route(t, {{-40, 130}, {0, 130}});
    Route(t, {{40, 20}, {60, 20}, {60, 60}, {-20, 60}, {-20, 110}, {0, 110}});
    Route(t, {{40, 120}, {70, 120}, {70, 40}, {-10, 40}, {-10, 30}, {0, 30}});

    std::vector<std::pair<int32_t, int32_t>> states;
    for (int run = 0; run < 3; ++run) {
        t.Prepare();
        for (int pass = 0; pass < 4; ++pass) t.Pass();
        EXPECT_NE(Out(upper), Out(lower));
        states.emplace_back(Out(upper), Out(lower));
        // Disturb the latch before the next run: the settle must undo it.
        upper->Tanshis.Items(2)->Level = Out(lower);
    }
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(states[0], states[2]);
}

}  // namespace
