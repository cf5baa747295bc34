#include "PartU.h"
#include "RecordingCanvas.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

namespace {

int Level(const TPartsBase* part, int pin) { return part->Tanshis.Items(pin)->Level; }
void SetLevel(TPartsBase* part, int pin, int level) { part->Tanshis.Items(pin)->Level = level; }

struct ClockRow {
    int clock;
    int q;
};

TEST(TFF, TogglesWhenTheClockLeavesHigh)
{
    TestCircuit t;
    auto* ff = t.Place<TTFF>(0, 0, 2);
    // clang-format off
    const ClockRow rows[] = {
        // T̄  Q
        {0,  0},
        {5,  0},
        {5,  0},
        {0,  5},
        {5,  5},
        {0,  0},
    };
    // clang-format on
    int pass = 0;
    for (const ClockRow& row : rows) {
        SetLevel(ff, 0, row.clock);
        ff->Calc();
        EXPECT_EQ(Level(ff, 3), row.q) << "pass " << pass;
        EXPECT_EQ(Level(ff, 4), 5 - row.q) << "pass " << pass;
        ++pass;
    }
}

TEST(JKFF, FollowsJAndKAtTheFallingClock)
{
    struct Row {
        int j, clock, k;
        int q;
    };
    TestCircuit t;
    auto* ff = t.Place<TJKFF>(0, 0);
    // clang-format off
    const Row rows[] = {
        // J  T̄  K    Q
        {5, 0, 5,    0},   // J = K = 5 toggles like a T flip-flop
        {5, 5, 5,    0},
        {5, 0, 5,    5},
        {5, 5, 5,    5},
        {5, 0, 5,    0},
        {5, 5, 0,    0},   // J alone sets
        {5, 0, 0,    5},
        {5, 5, 0,    5},
        {5, 0, 0,    5},   // and stays set
        {0, 5, 0,    5},   // J = K = 0 holds
        {0, 0, 0,    5},
        {0, 5, 5,    5},   // K alone resets
        {0, 0, 5,    0},
        {3, 5, 5,    0},   // a level that is neither 0 nor 5 changes nothing
        {0, 0, 0,    0},
    };
    // clang-format on
    int pass = 0;
    for (const Row& row : rows) {
        SetLevel(ff, 0, row.j);
        SetLevel(ff, 1, row.clock);
        SetLevel(ff, 2, row.k);
        ff->Calc();
        EXPECT_EQ(Level(ff, 5), row.q) << "pass " << pass;
        ++pass;
    }
}

TEST(JKFF, SetAndResetWinOverTheClockAndReleaseThroughTheSlave)
{
    struct Row {
        int clock, set, reset;
        int q, qBar;
    };
    TestCircuit t;
    auto* ff = t.Place<TJKFF>(0, 0);
    ff->Tanshis.Items(3)->Linked = true;  // S̄ and R̄ wired, so they read what they are given
    ff->Tanshis.Items(4)->Linked = true;
    // clang-format off
    const Row rows[] = {
        // T̄  S̄  R̄    Q  Q̄
        {0,  5, 0,    0, 5},   // reset held: Q = 0 whatever the clock does
        {5,  5, 0,    0, 5},
        {0,  5, 0,    0, 5},
        {5,  0, 5,    5, 0},   // set held
        {0,  0, 5,    5, 0},
        {5,  0, 0,    5, 5},   // both held
        {5,  5, 5,    5, 5},   // released with the clock high: the outputs wait
        {0,  5, 5,    0, 5},   // first slave pass: Q falls
    };
    // clang-format on
    int pass = 0;
    for (const Row& row : rows) {
        SetLevel(ff, 1, row.clock);
        SetLevel(ff, 3, row.set);
        SetLevel(ff, 4, row.reset);
        ff->Calc();
        EXPECT_EQ(Level(ff, 5), row.q) << "pass " << pass;
        EXPECT_EQ(Level(ff, 6), row.qBar) << "pass " << pass;
        ++pass;
    }
}

TEST(TFF, OpenSetAndResetReadHighButWiredOnesHoldTheOutputs)
{
    TestCircuit t;
    auto* ff = t.Place<TTFF>(0, 0, 2);
    ff->Calc();
    EXPECT_EQ(Level(ff, 1), 5);
    EXPECT_EQ(Level(ff, 2), 5);
    ff->Tanshis.Items(2)->Linked = true;
    SetLevel(ff, 2, 0);
    for (int clock : {5, 0, 5, 0}) {
        SetLevel(ff, 0, clock);
        ff->Calc();
        EXPECT_EQ(Level(ff, 3), 0);
        EXPECT_EQ(Level(ff, 4), 5);
    }
}

TEST(DFF, IsTransparentWhileTheClockIsHigh)
{
    struct Row {
        int d, clock;
        int q, qBar;
    };
    TestCircuit t;
    auto* ff = t.Place<TDFF>(0, 0, 1);
    // clang-format off
    const Row rows[] = {
        // D  T    Q  Q̄
        {5, 0,    0, 0},   // clock low: D ignored, the outputs keep their reset levels
        {5, 5,    5, 0},   // clock high: Q follows D in the same pass
        {0, 5,    0, 5},
        {5, 5,    5, 0},
        {0, 0,    5, 0},   // clock low: holds the last value
        {0, 3,    5, 0},
    };
    // clang-format on
    int pass = 0;
    for (const Row& row : rows) {
        SetLevel(ff, 0, row.d);
        SetLevel(ff, 1, row.clock);
        ff->Calc();
        EXPECT_EQ(Level(ff, 2), row.q) << "pass " << pass;
        EXPECT_EQ(Level(ff, 3), row.qBar) << "pass " << pass;
        ++pass;
    }
}

TEST(FlipFlops, LoneOnesEndTheSettleInAFixedState)
{
    TestCircuit t;
    auto* jk = t.Place<TJKFF>(0, 0, 0);
    auto* d = t.Place<TDFF>(100, 0, 1);
    auto* tff = t.Place<TTFF>(200, 0, 2);
    t.Prepare();
    EXPECT_EQ(Level(tff, 3), 5);
    EXPECT_EQ(Level(tff, 4), 0);
    EXPECT_EQ(Level(jk, 5), 0);
    EXPECT_EQ(Level(jk, 6), 5);
    EXPECT_EQ(Level(d, 2), 0);
    EXPECT_EQ(Level(d, 3), 5);

    // Under way, an undriven clock reads 0, so the state stays.
    for (int pass = 0; pass < 5; ++pass) t.Pass();
    EXPECT_EQ(Level(tff, 3), 5);
    EXPECT_EQ(Level(jk, 5), 0);
}

TEST(FlipFlops, StateSurvivesMirroringAndTheNextRun)
{
    TestCircuit t;
    auto* ff = t.Place<TTFF>(0, 0, 2);
    t.Prepare();
    ASSERT_EQ(ff->QLevel, 5);
    ff->SetWay(1);
    EXPECT_EQ(ff->QLevel, 5);
    EXPECT_EQ(ff->GetTanshiPos(0), (TPoint{60, 40}));
    EXPECT_EQ(ff->GetTanshiPos(3), (TPoint{0, 20}));
    EXPECT_EQ(ff->GetTanshiPos(1), (TPoint{30, 0}));
    // A second run starts from QLevel 5, so the settle's one clock pulse toggles it back.
    t.Prepare();
    EXPECT_EQ(ff->QLevel, 0);
}

TEST(FlipFlops, WayFromAFileOutsideBothFormsGivesNoTerminalsNoSpriteNoCalc)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* jk = circuit.Bord.Create<TJKFF>(nullptr);
    jk->SetWay(2);
    EXPECT_EQ(jk->Tanshis.Count(), 0);
    jk->Calc();
    auto* tff = circuit.Bord.Create<TTFF>(nullptr);
    tff->SetWay(-1);
    tff->Calc();
    auto* d = circuit.Bord.Create<TDFF>(nullptr);
    d->SetWay(7);
    d->Calc();
    surface.Calls.clear();
    for (TPartsBase* ff : {static_cast<TPartsBase*>(jk), static_cast<TPartsBase*>(tff), static_cast<TPartsBase*>(d)})
        ff->Draw();
    EXPECT_TRUE(surface.Calls.empty());
}

TEST(FlipFlops, SpriteIsPartNoTimesWayCountPlusWayAndOnlyWhenItExists)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    auto* ff = circuit.Bord.Create<TTFF>(nullptr);
    ff->PartNo = 2;
    ff->SetWay(1);
    ff->MoveTo(30, 40, false);
    ff->Draw();
    EXPECT_EQ(surface.Calls, (std::vector<std::string>{"Sprite 5 5 30 40"}));
    surface.Calls.clear();
    for (int partNo : {3, -1, 1'000'000'000}) {
        ff->PartNo = partNo;
        ff->Draw();
    }
    ff->PartNo = 0;
    ff->WayCount = 2'000'000'000;  // from a file: the product must not overflow
    ff->PartNo = 2'000'000'000;
    ff->Draw();
    EXPECT_TRUE(surface.Calls.empty());
}

}  // namespace
