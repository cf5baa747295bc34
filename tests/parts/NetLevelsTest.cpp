#include "NetLevels.h"
#include "PartU.h"
#include "PassEngine.h"
#include "RandomBoard.h"
#include "SharedNets.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <gtest/gtest.h>

namespace {

// After every pass of random boards, each net that its outputs agree on shows what every input on
// it reads, and the nets an update reports are exactly those whose look changed.
TEST(NetLevels, ShowWhatTheInputsOnTheNetReadAfterEveryPass)
{
    int checkedInputs = 0, changes = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        TestCircuit t;
        RandomBoard(t, seed, true, {.Items = 90, .Crossings = 3, .Grid = 12, .Box = 8, .Wires = 60});
        t.Prepare();
        TPassEngine engine(t.Bord, TEngineMode::Auto);
        TNetLevels levels(t.Bord);
        const TNetMap& map = levels.Map();
        std::vector<TNetShow> before(map.Count());
        for (uint32_t net = 0; net < map.Count(); ++net) before[net] = levels.Show(net);
        for (int pass = 0; pass < 30; ++pass) {
            engine.Pass();
            const std::vector<uint32_t> changed = levels.Update();
            std::vector<uint32_t> expected;
            for (uint32_t net = 0; net < map.Count(); ++net) {
                if (levels.Show(net) != before[net]) expected.push_back(net);
                before[net] = levels.Show(net);
                if (map.Drivers(net).empty() || levels.Show(net) == TNetShow::Conflict) continue;
                for (const TTanshi* input : map.Terminals(net)) {
                    if (input->Direction != dirInput) continue;
                    ASSERT_EQ(input->Level != LevelLow, levels.Show(net) == TNetShow::High)
                        << "seed " << seed << " pass " << pass << " input of " << input->Owner->ClassName();
                    ++checkedInputs;
                }
            }
            ASSERT_EQ(changed, expected) << "seed " << seed << " pass " << pass;
            changes += static_cast<int>(changed.size());
        }
    }
    EXPECT_GT(checkedInputs, 1000);
    EXPECT_GT(changes, 100);
}

// A dot joins the pieces of the wires it cut; every resolved output reaches only terminals of its net.
TEST(NetLevels, NetsFollowWiresDotsAndWhatTheOutputsDrive)
{
    TestCircuit t;
    auto* inverter = t.Place<TNot>(100, 100);  // input (100,120), output (140,120)
    auto* reader = t.Place<TNot>(300, 100);    // input (300,120)
    auto* other = t.Place<TNot>(300, 200);     // input (300,220)
    TCode* across = AddWire(t, 140, 120, 300, 120);
    AddWire(t, 200, 120, 200, 220);
    AddWire(t, 200, 220, 300, 220);
    TDot* dot = PlaceDot(t, 200, 120);
    TCode* loose = AddWire(t, 400, 50, 450, 50);
    t.Bord.SetConnectTanshi();
    t.Bord.ResolveNets();
    const TNetMap map(t.Bord);
    const uint32_t net = map.NetOf(*across);
    ASSERT_NE(net, TNetMap::NoNet);
    EXPECT_EQ(map.NetOf(*dot), net);
    EXPECT_EQ(map.NetOf(*reader->Tanshis.Items(0)), net);
    EXPECT_EQ(map.NetOf(*other->Tanshis.Items(0)), net);
    EXPECT_EQ(map.Drivers(net).size(), 1u);
    EXPECT_EQ(map.Drivers(net)[0], inverter->Tanshis.Items(1));
    EXPECT_EQ(map.Conductors(net).size(), 5u);  // the dot cut the first wire in two
    EXPECT_NE(map.NetOf(*loose), net);
    EXPECT_TRUE(map.Drivers(map.NetOf(*loose)).empty());
    EXPECT_NE(map.NetOf(*inverter->Tanshis.Items(0)), net);
    for (const TTanshi* reached : inverter->Tanshis.Items(1)->Links) EXPECT_EQ(map.NetOf(*reached), net);
    EXPECT_TRUE(SecondDriverPoints(map).empty());
}

// Two outputs on one net: its look is a conflict while they differ, and the mark stands where the
// second joins.
TEST(NetLevels, TwoOutputsOnOneNetConflictWhileTheyDiffer)
{
    TestCircuit t;
    auto* high = t.Place<TNot>(0, 0);                  // output (40,20), high: its input is low
    auto* low = t.Place<TGate>(0, 100, TGate::gkAnd);  // output (40,120), low
    t.Place<TNot>(100, 50);                            // input (100,70)
    AddWire(t, 40, 20, 60, 20);
    AddWire(t, 60, 20, 60, 120);
    AddWire(t, 40, 120, 60, 120);
    AddWire(t, 60, 70, 100, 70);
    PlaceDot(t, 60, 70);
    t.Prepare();
    TPassEngine engine(t.Bord, TEngineMode::Auto);
    engine.Pass();
    TNetLevels levels(t.Bord);
    const uint32_t net = levels.Map().NetOf(*high->Tanshis.Items(1));
    EXPECT_EQ(levels.Map().NetOf(*low->Tanshis.Items(2)), net);
    EXPECT_EQ(levels.Show(net), TNetShow::Conflict);
    EXPECT_EQ(levels.Conflicts(), std::vector<uint32_t>{net});
    EXPECT_EQ(SecondDriverPoints(levels.Map()), (std::vector<TPoint>{TPoint{40, 120}}));
}

}  // namespace
