#include "TestCircuit.h"
#include "TestParts.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

using Pin = TTestPart::Pin;

TTestPart* Place(TestCircuit& t, int x, int y, int w, int h, std::vector<Pin> pins = {})
{
    auto* part = t.Bord.Create<TTestPart>(nullptr, w, h, std::move(pins));
    part->MoveTo(x, y, false);
    return part;
}

TEST(BordQueries, PointQueriesSearchFromTheLastObject)
{
    TestCircuit t;
    auto* below = Place(t, 0, 0, 40, 40, {{20, 20, dirInput}});
    auto* above = Place(t, 10, 10, 40, 40, {{10, 10, dirOutput}});
    const auto hit = t.Bord.PartAt(nullptr, 20, 20);
    EXPECT_EQ(hit.Object, above);
    EXPECT_EQ(hit.Result, hitTanshi);

    TPartsList list;
    EXPECT_EQ(t.Bord.PartsAt(nullptr, 20, 20, list), hitTanshi);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), above);
    EXPECT_EQ(list.Items(1), below);

    TTanshiList tanshis;
    t.Bord.TanshisAt(nullptr, 20, 20, tanshis);
    ASSERT_EQ(tanshis.Count(), 2);
    EXPECT_EQ(tanshis.Items(0)->Owner, above);

    EXPECT_EQ(t.Bord.PartAt(nullptr, 500, 500).Object, nullptr);
}

TEST(BordQueries, PartsInRectTakesOnlyWhollyInsideObjects)
{
    TestCircuit t;
    auto* inside = Place(t, 10, 10, 20, 20);
    Place(t, 25, 25, 20, 20);  // reaches out of the rectangle
    auto* onEdge = Place(t, 0, 0, 10, 0);
    TPartsList list;
    t.Bord.PartsInRect(nullptr, 40, 40, 0, 0, list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), inside);
    EXPECT_EQ(list.Items(1), onEdge);
}

TEST(BordUpdate, EndUpdateChecksLinksAroundOldAndNewPlaces)
{
    TestCircuit t;
    auto* fixed = Place(t, 0, 0, 40, 40, {{40, 20, dirOutput}});
    auto* moving = Place(t, 40, 0, 40, 40, {{0, 20, dirInput}});
    t.Bord.CheckAllLinks();
    EXPECT_TRUE(fixed->Tanshis.Items(0)->Linked);
    moving->MoveTo(200, 0, true);
    EXPECT_FALSE(fixed->Tanshis.Items(0)->Linked);
    EXPECT_FALSE(moving->Tanshis.Items(0)->Linked);
    moving->MoveTo(40, 0, true);
    EXPECT_TRUE(fixed->Tanshis.Items(0)->Linked);
    EXPECT_TRUE(moving->Tanshis.Items(0)->Linked);
}

// The bulk passes use a point index; it must give exactly what the plain last-to-first scan gives.
TEST(BordIndex, BulkPassesMatchThePlainScanOnRandomBoards)
{
    for (unsigned seed = 1; seed <= 10; ++seed) {
        TestCircuit t;
        std::mt19937 random(seed);
        auto coordinate = [&] { return static_cast<int>(random() % 20) * 10; };
        for (int i = 0; i < 300; ++i) {
            std::vector<Pin> pins;
            const int n = static_cast<int>(random() % 4);
            for (int k = 0; k < n; ++k)
                pins.push_back({static_cast<int>(random() % 3) * 10, static_cast<int>(random() % 3) * 10,
                                static_cast<TDirection>(random() % 3)});
            Place(t, coordinate(), coordinate(), static_cast<int>(random() % 3) * 10,
                  static_cast<int>(random() % 3) * 10, pins);
        }

        t.Bord.SetConnectTanshi();
        std::map<const TTanshi*, std::vector<const TTanshi*>> indexed;
        for (int i = 0; i < t.Bord.Count(); ++i)
            for (const TTanshi* k : t.Bord.Items(i)->Tanshis) indexed[k].assign(k->Links.begin(), k->Links.end());
        for (int i = 0; i < t.Bord.Count(); ++i) t.Bord.Items(i)->LinkTanshi();  // one at a time: scans
        for (int i = 0; i < t.Bord.Count(); ++i)
            for (const TTanshi* k : t.Bord.Items(i)->Tanshis)
                EXPECT_EQ(indexed[k], std::vector<const TTanshi*>(k->Links.begin(), k->Links.end()));

        t.Bord.CheckAllLinks();
        const std::vector<bool> bulk = LinkedFlags(t.Bord);
        EXPECT_EQ(bulk, LinkedFlagsCheckingInTurn(t.Bord));
    }
}

TEST(RedrawBoard, GridDotsOnlyWhileEditing)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    RedrawBoard(circuit.Bord, surface, {0, 0, 25, 15});
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"BrushStyle Solid", "BrushColor 240,240,240",
                                                       "FillRect 0 0 25 15", "Pixel 0 0 128,128,0",
                                                       "Pixel 10 0 128,128,0", "Pixel 20 0 128,128,0",
                                                       "Pixel 0 10 128,128,0", "Pixel 10 10 128,128,0",
                                                       "Pixel 20 10 128,128,0"}));
    surface.Calls.clear();
    circuit.Context.Simulating = true;
    RedrawBoard(circuit.Bord, surface, {0, 0, 25, 15});
    EXPECT_EQ(surface.Calls.size(), 3u);
}

}  // namespace
