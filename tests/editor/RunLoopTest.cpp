#include "EditorFixture.h"
#include "RunControl.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

namespace {

struct RunLoop : ::testing::Test, EditorFixture {
    TColor BoardPixel(int x, int y) const { return window->BoardSurface().PixelAt(x, y); }
};

}  // namespace

TEST_F(RunLoop, GridDotsVanishWhileRunningAndReturnAfterwards)
{
    EXPECT_EQ(BoardPixel(10, 10), clOlive);
    EXPECT_EQ(BoardPixel(11, 10), clBtnFace);
    EXPECT_TRUE(RunUntil([&] { return BoardPixel(10, 10) == clBtnFace; }));
    EXPECT_EQ(BoardPixel(10, 10), clOlive);
    EXPECT_EQ(window->WindowSurface().Image().pixel(10, 10), qRgb(128, 128, 0));
    EXPECT_GT(window->Runs->Passes(), 0);
}

TEST_F(RunLoop, StartDisablesTheEditingActionsAndStopGivesThemBack)
{
    std::vector<bool> during;
    bool stopEnabled = false, startEnabled = true;
    RunUntil([&] {
        for (TAction* a : window->ActionManager1.ActionTable) during.push_back(a->isEnabled());
        stopEnabled = actions->actSimStop->isEnabled();
        startEnabled = actions->actSimStart->isEnabled();
        return true;
    });
    EXPECT_EQ(std::count(during.begin(), during.end(), true), 0);
    EXPECT_TRUE(stopEnabled);
    EXPECT_FALSE(startEnabled);
    EXPECT_FALSE(window->Simulating());
    EXPECT_TRUE(actions->actSimStart->isEnabled());
    EXPECT_FALSE(actions->actSimStop->isEnabled());
    QCoreApplication::processEvents();  // the next idle refresh
    EXPECT_TRUE(actions->actNew->isEnabled());
    EXPECT_TRUE(actions->actNOT->isEnabled());
    EXPECT_FALSE(actions->actSave->isEnabled());
}

TEST_F(RunLoop, AClickOnAToggleSwitchLightsTheLedItFeeds)
{
    auto* toggle = window->Bord.Create<TTglSW>(&window->WindowSurface());
    toggle->MoveTo(100, 100, false);  // output at (120, 110)
    auto* led = window->Bord.Create<TLED>(&window->WindowSurface());
    led->MoveTo(120, 100, false);  // input at (120, 110)
    bool clicked = false;
    EXPECT_TRUE(RunUntil([&] {
        if (!clicked) QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(110, 110));
        clicked = true;
        // The lamp has taken the high level over and drawn itself.
        return led->ShownLevel == 5 && led->Countdown == TLED::Idle;
    }));
    EXPECT_TRUE(led->ShowsLit);
    EXPECT_EQ(toggle->OutputLevel(), 5);
    EXPECT_EQ(led->Tanshis.Items(0)->Level, 5);
}

// Two open lamps: the settle drives their inputs high, then low, so both have taken the high level
// over when the redraw after the first pass has them show it, the one out of view as well.
TEST_F(RunLoop, ALampOutOfViewShowsWhatOneInViewShowsAfterTheFirstPass)
{
    auto* seen = window->Bord.Create<TLED>(&window->WindowSurface());
    seen->MoveTo(100, 100, false);
    auto* unseen = window->Bord.Create<TLED>(&window->WindowSurface());
    unseen->MoveTo(3000, 3000, false);
    ASSERT_FALSE(RectsOverlap(unseen->GetRect(), window->ShownArea()));
    // The first pause seen may come before the redraw; the second comes after it.
    int pausesSeen = 0;
    std::optional<std::pair<bool, bool>> shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window->Runs->Run() || !window->Runs->Run()->Paused() || ++pausesSeen < 2) return;
        shown = {seen->ShowsLit, unseen->ShowsLit};
        actions->actSimStop->trigger();
    });
    poll.start(5);
    window->Runs->StepPasses(1);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->first);
    EXPECT_TRUE(shown->second);
}

TEST_F(RunLoop, AnEmptyBoardRunsUntilStopped)
{
    EXPECT_TRUE(RunUntil([&] { return window->Runs->Passes() > 0; }));
    EXPECT_FALSE(window->Simulating());
}

TEST_F(RunLoop, ClosingTheWindowDuringARunEndsTheLoopThenCloses)
{
    auto* ring = window->Bord.Create<TNot>(nullptr);
    ring->MoveTo(200, 200, false);
    bool closedDuringRun = false;
    QTimer::singleShot(20, window.get(), [&] {
        window->close();
        closedDuringRun = window->isVisible();  // still open: the loop has not returned yet
    });
    actions->actSimStart->trigger();
    EXPECT_TRUE(closedDuringRun);
    EXPECT_FALSE(window->Simulating());
    EXPECT_FALSE(window->isVisible());
    window.reset();  // tears down after the loop, the parts included
}
