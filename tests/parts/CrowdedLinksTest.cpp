// Crowded points: the shared link groups and the bulk Linked pass answer as plain per-terminal scans.
#include "PartU.h"
#include "TestCircuit.h"
#include "Wiring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Terminals = std::vector<const TTanshi*>;

// A wire placed without the relinking of an edit, which on crowded points would cost the most.
void Wire(TestCircuit& t, TContainer* level, int x1, int y1, int x2, int y2)
{
    auto* w = t.Bord.Create<TCode>(nullptr);
    w->Container = level;
    w->DragWidth = std::abs(x2 - x1);
    w->DragHeight = std::abs(y2 - y1);
    w->MoveTo(std::min(x1, x2), std::min(y1, y2), false);
}

// Wires, gates and box terminals on a few points, on the top level and in two nested boxes.
void Crowd(TestCircuit& t, uint32_t seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TContainer* outer = AddBox(t, 0, 0, 100, 100);
    TContainer* inner = AddBox(t, 20, 20, 60, 60, outer);
    TContainer* levels[] = {nullptr, outer, inner};
    for (int i = 0; i < 300; ++i) {
        TContainer* level = levels[pick(0, 2)];
        const int x = 20 * pick(0, 1), y = 20 * pick(0, 1);
        switch (pick(0, 5)) {
        case 0: Wire(t, level, x, y, x + 20 * pick(0, 2), y); break;
        case 1: Wire(t, level, x, y, x, y + 20 * pick(1, 2)); break;
        case 2: Wire(t, level, x + 20 * pick(1, 2), y, x, y); break;
        case 3: {
            auto* gate = t.Bord.Create<TNot>(nullptr);
            gate->Container = level;
            gate->MoveTo(x - 20 * pick(0, 1), y - 10, false);
            break;
        }
        default: {
            TPartsBase* terminal = pick(0, 1) ? static_cast<TPartsBase*>(t.Bord.Create<TInTerminal>(nullptr))
                                              : t.Bord.Create<TOutTerminal>(nullptr);
            terminal->Container = level;
            terminal->SetWay(pick(0, 3));
            terminal->MoveTo(x, y - 10, false);
        }
        }
    }
}

TEST(CrowdedLinks, EveryTerminalLinksToWhatTheScanFindsOnItsPointButItself)
{
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        TestCircuit t;
        Crowd(t, seed);
        t.Bord.SetConnectTanshi();
        size_t largest = 0;
        for (int i = 0; i < t.Bord.Count(); ++i) {
            TPartsBase& o = *t.Bord.Items(i);
            for (TTanshi* k : o.Tanshis) {
                const TPoint p = o.LocalToBoard(k->GetPos());
                TTanshiList found;
                t.Bord.TanshisAt(o.LinkSide(*k).Level, p.x, p.y, found);
                Terminals expected;
                for (const TTanshi* other : found)
                    if (other != k) expected.push_back(other);
                ASSERT_EQ(Terminals(k->Links.begin(), k->Links.end()), expected) << "seed " << seed;
                ASSERT_EQ(k->Links.Count(), static_cast<int>(expected.size()));
                for (int n = 0; n < k->Links.Count(); ++n) ASSERT_EQ(k->Links.Items(n), expected[static_cast<size_t>(n)]);
                largest = std::max(largest, expected.size());
            }
        }
        EXPECT_GT(largest, 20u);  // groups big enough to be looked up rather than searched
    }
}

TEST(CrowdedLinks, TheBulkLinkedPassLeavesTheFlagsOfEveryObjectCheckingInTurn)
{
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        TestCircuit t;
        Crowd(t, seed);
        // Some objects whose terminals lie outside their rectangles, so that the filter matters.
        for (int i = 0; i < 30; ++i) {
            auto* odd = t.Bord.Create<TNot>(nullptr);
            odd->MoveTo(20 * (i % 2), 20 * (i / 2 % 2) - 10, false);
            odd->Width = i % 3 == 0 ? 0 : -5;
            t.Bord.Touch(*odd);
        }
        t.Bord.CheckAllLinks();
        const std::vector<bool> bulk = LinkedFlags(t.Bord);
        ASSERT_EQ(bulk, LinkedFlagsCheckingInTurn(t.Bord)) << "seed " << seed;
    }
}

TEST(CrowdedLinks, AListGrownAfterSharingKeepsWhatItShared)
{
    TestCircuit t;
    TCode* a = AddWire(t, 0, 0, 20, 0);
    TCode* b = AddWire(t, 0, 0, 0, 20);
    TCode* c = AddWire(t, 0, 0, 0, -20);
    t.Bord.SetConnectTanshi();
    TLinkList& links = a->Tanshis.Items(0)->Links;
    ASSERT_EQ(links.Count(), 2);
    links.Add(a->Tanshis.Items(1));
    EXPECT_EQ(Terminals(links.begin(), links.end()),
              (Terminals{c->Tanshis.Items(1), b->Tanshis.Items(0), a->Tanshis.Items(1)}));
    EXPECT_EQ(b->Tanshis.Items(0)->Links.Count(), 2);  // the others' lists stay shared and whole
    links.Clear();
    EXPECT_TRUE(links.Empty());
    EXPECT_EQ(links.begin(), links.end());
}

}  // namespace
