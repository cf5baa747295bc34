#include "Context.h"
#include "DMU.h"
#include "LevelDrawing.h"
#include "LevelFrames.h"
#include "PassEngine.h"
#include "QImageCanvas.h"
#include "RandomBoard.h"
#include "Simulation.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace {

const TDM& Sprites()
{
    static const TDM dm;
    return dm;
}

// A run's frames repaint only the areas of the nets that changed, on the surface that the passes
// also draw on; after every frame that surface must hold exactly what a whole redraw of the board
// paints, at every scale and in every scheme, with and without the terminals' tags.
TEST(LevelFrames, RepaintingTheChangedNetsEndsAsAWholeRedraw)
{
    const TRect area{0, 0, 300, 300};
    int frames = 0, repainted = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const double scale = seed % 3 == 0 ? 0.5 : (seed % 3 == 1 ? 1.0 : 2.0);
        TestCircuit t;
        RandomBoard(t, seed, false, {.Items = 60, .Crossings = 4, .Grid = 12, .Box = 8, .Wires = 40});
        // A switch is drawn from its output, which an output tied to it overwrites between its
        // own drawings: its picture is not the levels' business.
        std::vector<TPartsBase*> switches;
        for (int i = 0; i < t.Bord.Count(); ++i)
            if (std::string_view(t.Bord.Items(i)->ClassName()).ends_with("SW")) switches.push_back(t.Bord.Items(i));
        t.Bord.DestroyAll(switches);
        TCircuitContext& context = t.Context;
        context.Look.Scheme = static_cast<TColourSchemeId>(seed % ColourSchemeCount);
        context.Look.LevelTags = seed % 2 == 0;
        QImageCanvas live(static_cast<int>(area.Right * scale), static_cast<int>(area.Bottom * scale), &Sprites());
        QImageCanvas whole(live.Width(), live.Height(), &Sprites());
        live.SetView(scale, {0, 0});
        whole.SetView(scale, {0, 0});
        t.Bord.SetCanvas(&live);
        t.Prepare();
        context.Simulating = true;
        TPassEngine engine(t.Bord, TEngineMode::Auto);
        TLevelFrames levels(t.Bord);
        levels.Begin();
        RedrawBoard(t.Bord, live, area);
        for (int pass = 0; pass < 12; ++pass) {
            engine.Pass();
            ASSERT_TRUE(levels.Frame([&](const TRect& changed) {
                ++repainted;
                live.Confine(live.DeviceRect(changed).intersected(live.Image().rect()));
                RedrawBoard(t.Bord, live, live.BoardRectFor(live.DeviceRect(changed)));
                live.Unconfine();
            }));
            t.Bord.SetCanvas(&whole);
            RedrawBoard(t.Bord, whole, area);
            t.Bord.SetCanvas(&live);
            ASSERT_EQ(live.Image(), whole.Image()) << "seed " << seed << " pass " << pass;
            ++frames;
        }
    }
    EXPECT_GT(repainted, 50);
    EXPECT_EQ(frames, 12 * 12);
}

// Merged areas cover every area given, and never more than one band's neighbours join.
TEST(LevelFrames, MergedAreasCoverEveryArea)
{
    std::mt19937 random(7);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 200; ++round) {
        std::vector<TRect> areas;
        for (int i = pick(0, 40); i > 0; --i) {
            const int x = pick(-50, 300), y = 10 * pick(0, 5), w = pick(1, 30);
            areas.push_back({x, y, x + w, y + 23});
        }
        std::vector<TRect> merged = areas;
        MergeAreas(merged);
        EXPECT_LE(merged.size(), areas.size());
        for (const TRect& a : areas) {
            bool covered = false;
            for (const TRect& m : merged)
                covered = covered || (m.Left <= a.Left && a.Right <= m.Right && m.Top <= a.Top && a.Bottom <= m.Bottom);
            EXPECT_TRUE(covered) << "round " << round;
        }
    }
}

}  // namespace
