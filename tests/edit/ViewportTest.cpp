// The board seen through the window: every zoom and scroll maps board units and view pixels onto
// each other consistently, and the scroll range reaches every object.
#include "Viewport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>

namespace {

TViewport View(double zoom, double density, int width = 640, int height = 480)
{
    TViewport v;
    v.SetDevicePixelRatio(density);
    v.SetViewSize(width, height);
    v.SetContent({0, 0, 4000, 3000});
    v.ZoomAt(zoom, 0, 0);
    return v;
}

TEST(Viewport, AtOneToOneABoardUnitIsAPixelOfTheView)
{
    TViewport v = View(1, 1);
    for (const int x : {0, 1, 9, 10, 333, 639})
        for (const int y : {0, 7, 479}) {
            EXPECT_EQ(v.ToBoard(x, y), (TPoint{x, y}));
            EXPECT_EQ(v.ToView({x, y, x + 1, y + 1}), (TRect{x, y, x + 1, y + 1}));
        }
    EXPECT_EQ(v.VisibleBoard(), (TRect{0, 0, 641, 481}));
}

TEST(Viewport, EveryBoardUnitIsFoundAgainUnderItsOwnPixelsAtAnyZoomDensityAndScroll)
{
    std::mt19937 rng(5);
    for (int round = 0; round < 200; ++round) {
        const double zoom = 0.25 + (rng() % 376) / 100.0, density = (rng() % 2) ? 1.0 : 2.0;
        TViewport v = View(zoom, density);
        v.ScrollTo({static_cast<int32_t>(rng() % 3000), static_cast<int32_t>(rng() % 2000)});
        const TRect shown = v.VisibleBoard();
        for (int i = 0; i < 50; ++i) {
            const int32_t x = shown.Left + static_cast<int32_t>(rng() % static_cast<uint32_t>(shown.Right - shown.Left));
            const int32_t y = shown.Top + static_cast<int32_t>(rng() % static_cast<uint32_t>(shown.Bottom - shown.Top));
            if (zoom * density < 1) continue;  // several units share a device pixel
            const TRect pixels = v.ToView({x, y, x + 1, y + 1});
            ASSERT_GT(pixels.Right, pixels.Left);
            // The first and last device pixel of the unit's block.
            const double scale = zoom * density;
            for (const auto& [dx, dy] : {std::pair{std::floor(x * scale), std::floor(y * scale)},
                                        std::pair{std::floor((x + 1) * scale) - 1, std::floor((y + 1) * scale) - 1}}) {
                const double vx = (dx - v.Offset().x + 0.5) / density, vy = (dy - v.Offset().y + 0.5) / density;
                ASSERT_EQ(v.ToBoard(vx, vy), (TPoint{x, y})) << "zoom " << zoom << " density " << density;
            }
        }
    }
}

TEST(Viewport, ZoomingAtThePointerKeepsTheBoardPointUnderIt)
{
    TViewport v = View(1, 2);
    v.ScrollTo({300, 200});
    const TPoint before = v.ToBoard(123, 77);
    while (v.Zoom() < 4) {
        v.ZoomAt(v.StepUp(), 123, 77);
        const TPoint after = v.ToBoard(123, 77);
        EXPECT_LE(std::abs(after.x - before.x), 1);
        EXPECT_LE(std::abs(after.y - before.y), 1);
    }
    EXPECT_DOUBLE_EQ(v.Zoom(), 4);
    v.ZoomAt(9, 0, 0);
    EXPECT_DOUBLE_EQ(v.Zoom(), 4);
    EXPECT_DOUBLE_EQ(View(1, 1).StepUp(), 1.25);
    EXPECT_DOUBLE_EQ(View(1, 1).StepDown(), 0.75);
    EXPECT_DOUBLE_EQ(View(0.25, 1).StepDown(), 0.25);
}

TEST(Viewport, FitShowsTheWholeAreaCentred)
{
    for (const TRect area : {TRect{0, 0, 2000, 300}, TRect{-500, -400, -100, -300}, TRect{40, 40, 60, 60}}) {
        TViewport v = View(1, 2);
        v.SetContent(area);
        v.Fit(area);
        const TRect shown = v.ToView(area);
        // Clear of the scroll bars, which take the last 15 pixels of the view; the board's own
        // edge may stand at the view's left and top.
        EXPECT_GE(shown.Left, 0);
        EXPECT_GE(shown.Top, 0);
        EXPECT_LE(shown.Right, 640 - 16);
        EXPECT_LE(shown.Bottom, 480 - 16);
        const bool fillsWidth = shown.Right - shown.Left > 580, fillsHeight = shown.Bottom - shown.Top > 420;
        EXPECT_TRUE(fillsWidth || fillsHeight || v.Zoom() == TViewport::MaxZoom);
    }
}

TEST(Viewport, TheScrollRangeReachesEveryObjectAndAScreenBeyondAndNeverLessThanTheWindow)
{
    TViewport v;
    v.SetViewSize(640, 480);
    EXPECT_EQ(v.Extent(), (TRect{0, 0, 640, 480}));
    EXPECT_EQ(v.ScrollRange(), (TRect{0, 0, 0, 0}));
    EXPECT_FALSE(v.ScrollBy(50, 50));

    v.SetContent({-300, 100, 900, 200});  // a part dragged off the left edge, another off the right
    EXPECT_EQ(v.Extent(), (TRect{-940, 0, 1540, 680}));
    v.ScrollTo({-100000, -100000});
    EXPECT_LE(v.VisibleBoard().Left, -300);
    v.ScrollTo({100000, 100000});
    EXPECT_GE(v.VisibleBoard().Right, 900);

    // Zoomed out, a screen is more board.
    v.ZoomAt(0.5, 0, 0);
    EXPECT_EQ(v.Extent().Right, 900 + 1280);
}

}  // namespace
