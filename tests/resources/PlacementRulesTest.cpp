#include "PlacementRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TScreenRect Rect(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return {left, top, left + width, top + height};
}

// The frame a placement would have on the screen, with the allowance for title bar and borders.
TScreenRect Frame(const TFormPlacement& p)
{
    return Rect(p.Left, p.Top, p.Width + FrameAllowanceX, p.Height + FrameAllowanceY);
}

bool Contains(const TScreenRect& outer, const TScreenRect& inner)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

}  // namespace

TEST(FirstMainPlacement, ThePreferredSizeOrFourFifthsOfTheWorkAreaCentred)
{
    struct Row {
        TScreenRect area;
        TFormPlacement placed;
    };
    //  work area: left, top, width, height   Top   Left  Width Height
    const Row rows[] = {
        {Rect(0, 0, 1280, 900), {74, 124, 1024, 720}},       // room for the preferred size
        {Rect(0, 24, 1024, 744), {82, 98, 819, 595}},        // a panel above, smaller screen: 80 %
        {Rect(1920, 0, 1280, 1024), {136, 2044, 1024, 720}}, // a work area right of another screen
        {Rect(0, 0, 320, 240), {8, 28, 256, 192}},           // tiny
        {Rect(0, 0, 0, 0), {0, 0, 1, 1}},                    // no screen at all
    };
    for (const Row& row : rows) {
        const TFormPlacement p = FirstMainPlacement(row.area);
        EXPECT_EQ(p, row.placed) << row.area.Right;
        if (row.area.Right > row.area.Left) {
            EXPECT_TRUE(Contains(row.area, Frame(p))) << row.area.Right;
        }
    }
}

TEST(FirstScopePlacement, BesideTheMainWindowWhereThereIsRoomElseBelowElseOverItsCorner)
{
    const TScreenRect area = Rect(0, 0, 1280, 900);
    const int w = 453, h = 187;  // frame 461 × 219
    // Right of the main window, bottoms aligned.
    const TScreenRect narrow = Rect(10, 20, 700, 600);
    EXPECT_EQ(FirstScopePlacement(area, &narrow, w, h), (TFormPlacement{401, 718, w, h}));
    // No room on the right: below, right edges aligned.
    const TScreenRect wide = Rect(10, 20, 1200, 500);
    EXPECT_EQ(FirstScopePlacement(area, &wide, w, h), (TFormPlacement{528, 749, w, h}));
    // No room on either side: over the lower right corner, inset from it.
    const TScreenRect centred = Rect(156, 94, 968, 712);
    EXPECT_EQ(FirstScopePlacement(area, &centred, w, h), (TFormPlacement{563, 639, w, h}));
    // A main window reaching past the screen's edges still gives a scope window wholly on it.
    const TScreenRect past = Rect(-300, 500, 1700, 600);
    const TFormPlacement onScreen = FirstScopePlacement(area, &past, w, h);
    EXPECT_TRUE(Contains(area, Frame(onScreen)));
    EXPECT_EQ(onScreen, (TFormPlacement{681, 819, w, h}));
    // No main window on the screen: centred.
    EXPECT_EQ(FirstScopePlacement(area, nullptr, w, h), (TFormPlacement{340, 409, w, h}));
    // A work area smaller than the window: cut to it, at its corner.
    EXPECT_EQ(FirstScopePlacement(Rect(100, 50, 300, 150), nullptr, w, h), (TFormPlacement{50, 100, 292, 118}));
}

TEST(BringBackLost, OnlyWindowsThatShowOnNoScreenAreCentredOnTheWorkArea)
{
    // The primary screen and one to its left, at negative coordinates.
    const std::vector<TScreenRect> screens{Rect(0, 0, 1280, 900), Rect(-1024, 100, 1024, 768)};
    const TScreenRect work = Rect(0, 0, 1280, 870);
    struct Row {
        TFormPlacement stored;
        TFormPlacement placed;
    };
    //                       Top    Left   Width Height      Top  Left  Width Height
    const Row rows[] = {
        {{100, 100, 600, 400}, {100, 100, 600, 400}},     // on the primary screen
        {{-50, -80, 200, 150}, {-50, -80, 200, 150}},     // partly past the top and left edges
        {{200, -900, 600, 400}, {200, -900, 600, 400}},   // on the screen to the left
        {{-900, 100, 600, 400}, {219, 336, 600, 400}},    // far above every screen
        {{100, 5000, 600, 400}, {219, 336, 600, 400}},    // on a screen since detached
        {{0, -5000, 2000, 1200}, {0, 0, 1272, 838}},      // lost and larger than the work area
        {{-431, -100, 600, 400}, {-431, -100, 600, 400}}, // only the frame's bottom row shows
        {{-432, -100, 600, 400}, {219, 336, 600, 400}},   // nothing shows
    };
    for (const Row& row : rows) EXPECT_EQ(BringBackLost(row.stored, screens, work), row.placed) << row.stored.Left;
}

TEST(BringBackLost, AbsurdNumbersNeitherOverflowNorStayLost)
{
    const std::vector<TScreenRect> screens{Rect(0, 0, 800, 600)};
    const TFormPlacement farAway = KeepOnScreen({INT32_MIN, INT32_MIN, 100, 100}, 800, 600);
    EXPECT_EQ(BringBackLost(farAway, screens, screens[0]), (TFormPlacement{234, 346, 100, 100}));
    EXPECT_EQ(BringBackLost({INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, screens, screens[0]),
              (TFormPlacement{0, 0, 792, 568}));
    EXPECT_EQ(BringBackLost({0, 0, 0, 0}, screens, screens[0]), (TFormPlacement{0, 0, 0, 0}));
}

TEST(KeepFrameInside, TheWholeFrameLandsInTheWorkAreaMovedNoFurtherThanNeeded)
{
    struct Row {
        TScreenRect work;
        TFormPlacement stored;
        TFormPlacement placed;
    };
    const TScreenRect wide = Rect(0, 0, 1280, 870), small = Rect(0, 0, 800, 570), right = Rect(1280, 30, 1024, 738);
    //                               Top   Left  Width Height       Top  Left  Width Height
    const Row rows[] = {
        {wide, {100, 100, 600, 400}, {100, 100, 600, 400}},      // inside: stays
        {wide, {600, 100, 600, 400}, {438, 100, 600, 400}},      // frame past the bottom: raised onto it
        {wide, {100, 900, 600, 400}, {100, 672, 600, 400}},      // past the right edge
        {wide, {-20, -30, 600, 400}, {0, 0, 600, 400}},          // title bar above the screen
        {wide, {0, 0, 1272, 838}, {0, 0, 1272, 838}},            // exactly the work area
        {small, {50, 50, 1000, 700}, {0, 0, 792, 538}},          // larger than a small screen: cut
        {small, {-20, 0, 108, 100}, {0, 0, 108, 100}},           // the old first start's stored Top
        {right, {700, 2000, 600, 400}, {336, 1696, 600, 400}},   // a second screen, off its bottom right
        {right, {0, 1200, 600, 400}, {30, 1280, 600, 400}},      // above and left of it
    };
    for (const Row& row : rows) {
        const TFormPlacement p = KeepFrameInside(row.stored, row.work);
        EXPECT_EQ(p, row.placed) << row.stored.Top << "," << row.stored.Left;
        EXPECT_TRUE(Contains(row.work, Frame(p)));
    }
}
