#include "ScratchFolder.h"
#include "ProbeHub.h"
#include "WaveExport.h"
#include "WaveRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

// Channel 0 high over the passes in [from, to) of each span, low elsewhere, passes 1 .. last.
struct Levels {
    std::vector<std::pair<int64_t, int64_t>> highs;
    bool At(int64_t pass) const
    {
        for (const auto& [from, to] : highs)
            if (pass >= from && pass < to) return true;
        return false;
    }
};

// Runs the trigger over the passes and notes, at each pass listed, the window shown then.
std::vector<std::optional<int64_t>> Shown(TTrigger& trigger, const Levels& levels, const std::vector<int64_t>& at,
                                          TWaveRecord& record, int64_t start = 1)
{
    std::vector<std::optional<int64_t>> shown;
    for (int64_t pass = start; pass <= at.back(); ++pass) {
        record.Record(pass, levels.At(pass));
        trigger.Passed(record, pass);
        if (std::find(at.begin(), at.end(), pass) != at.end()) shown.push_back(trigger.ShownFrom());
    }
    return shown;
}

using Windows = std::vector<std::optional<int64_t>>;
constexpr std::nullopt_t None = std::nullopt;

}  // namespace

TEST(Trigger, AnEdgeIsShownAtATenthOfTheWindowOnceThePassesAfterItAreIn)
{
    struct Row {
        const char* what;
        TTriggerSettings settings;
        Levels levels;
        std::vector<int64_t> at;
        Windows shown;
    };
    const Row rows[] = {
        {"normal waits for the edge, then holds its window",
         {0, TTriggerEdge::Rising, TTriggerMode::Normal, 10},
         {{{50, 400}}},
         {40, 57, 58, 300},
         {None, None, 49, 49}},
        {"normal moves on to the next edge",
         {0, TTriggerEdge::Rising, TTriggerMode::Normal, 10},
         {{{50, 60}, {200, 210}}},
         {100, 207, 208},
         {49, 49, 199}},
        {"a falling edge",
         {0, TTriggerEdge::Falling, TTriggerMode::Normal, 20},
         {{{1, 70}}},
         {80, 87, 400},
         {None, 68, 68}},
        {"single keeps the first capture",
         {0, TTriggerEdge::Rising, TTriggerMode::Single, 10},
         {{{50, 60}, {200, 210}}},
         {58, 300},
         {49, 49}},
        {"auto runs free until an edge comes",
         {0, TTriggerEdge::Rising, TTriggerMode::Auto, 10},
         {{{55, 500}}},
         {9, 10, 20, 50, 63, 72, 73},
         {None, 1, 11, 41, 54, 54, 64}},
        {"no edge is free running whatever the mode",
         {0, TTriggerEdge::None, TTriggerMode::Normal, 10},
         {{{55, 500}}},
         {10, 60},
         {1, 51}},
        {"a wide window waits for its last pass",
         {0, TTriggerEdge::Rising, TTriggerMode::Normal, 10000},
         {{{3000, 3001}}},
         {11998, 11999},
         {None, 2000}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TWaveRecord record;
        TTrigger trigger(row.settings);
        EXPECT_EQ(Shown(trigger, row.levels, row.at, record), row.shown);
    }
}

TEST(Trigger, ASingleCaptureIsHeldUntilArmedAndEveryTriggeredWindowHasItsEdgeAtATenth)
{
    TWaveRecord record;
    TTrigger trigger({0, TTriggerEdge::Rising, TTriggerMode::Single, 50});
    std::mt19937 random(5);
    bool high = false;
    int captures = 0;
    for (int64_t pass = 1; pass <= 20000; ++pass) {
        if (random() % 40 == 0) high = !high;
        record.Record(pass, high);
        const auto before = trigger.ShownFrom();
        trigger.Passed(record, pass);
        if (trigger.Holding() && random() % 500 == 0) trigger.Arm();
        if (trigger.ShownFrom() == before) continue;
        ++captures;
        ASSERT_TRUE(trigger.TriggeredAt());
        const int64_t edge = *trigger.TriggeredAt();
        EXPECT_EQ(edge - *trigger.ShownFrom(), 5);
        EXPECT_TRUE(record.High(0, edge) && !record.High(0, edge - 1));
        EXPECT_EQ(pass, *trigger.ShownFrom() + 49);
        EXPECT_TRUE(trigger.Holding());
    }
    EXPECT_GT(captures, 5);
}

TEST(WaveRecord, KeepsTheLastPassesAndStartsAfreshAfterAGap)
{
    TWaveRecord record(8);
    for (int64_t pass = 1; pass <= 20; ++pass) record.Record(pass, static_cast<TWaveRecord::THighs>(pass));
    EXPECT_EQ(record.FirstPass(), 13);
    EXPECT_EQ(record.Highs(13), 13);
    EXPECT_EQ(record.Highs(12), 0);
    record.Record(30, 0xFFFF);
    EXPECT_EQ(record.FirstPass(), 30);
    EXPECT_TRUE(record.High(15, 30));
    EXPECT_FALSE(record.Holds(20));
}

TEST(WaveExport, CsvWaveDromAndVcdHoldTheSameWaves)
{
    TWaveRecord record;
    const TWaveRecord::THighs highs[] = {0b00, 0b01, 0b01, 0b11, 0b10};
    for (int64_t pass = 1; pass <= 5; ++pass) record.Record(pass, highs[pass - 1]);
    const std::vector<std::string> names{"A", "sum, \"carry\""};
    EXPECT_EQ(WaveCsv(record, names, 2, 5), "pass,A,\"sum, \"\"carry\"\"\"\n2,1,0\n3,1,0\n4,1,1\n5,0,1\n");
    EXPECT_EQ(WaveDromJson(record, names, 1, 5), "{\"signal\": [\n  {\"name\": \"A\", \"wave\": \"01..0\"},\n"
                                                 "  {\"name\": \"sum, \\\"carry\\\"\", \"wave\": \"0..1.\"}\n], "
                                                 "\"head\": {\"text\": \"passes 1 to 5\"}}\n");
    const ScratchFolder folder;
    WriteWaveVcd(folder / "w.vcd", record, names, 1, 5);
    EXPECT_EQ(ScratchFolder::Slurp(folder / "w.vcd"),
              "$version voltrane-sim $end\n$timescale 1ns $end\n$scope module circuit $end\n"
              "$var wire 1 ! A $end\n$var wire 1 \" sum___carry_ $end\n$upscope $end\n$enddefinitions $end\n"
              "#1\n$dumpvars\n0!\n0\"\n$end\n#2\n1!\n#4\n1\"\n#5\n0!\n");
}

TEST(ProbeHub, RecordsTheShownChannelsInTheirOrderAndHoldsATriggeredWindowLongAfter)
{
    TProbeHub hub;
    const int first = hub.Attach(), second = hub.Attach();
    EXPECT_EQ(hub.ShownCount(), 8u);
    hub.Move(4, 0);  // the second probe's channel 0 goes first
    EXPECT_EQ(hub.Order()[0], (TProbeChannel{second, 0}));
    hub.Trigger().Change({0, TTriggerEdge::Rising, TTriggerMode::Normal, 100});
    for (int64_t pass = 1; pass <= 2'000'000; ++pass) {
        hub.SetLevel(second, 0, pass >= 500 && pass < 600 ? 5 : 0);
        hub.SetLevel(first, 3, pass % 2 ? 5 : 0);
        hub.EndPass(pass);
    }
    EXPECT_EQ(hub.Trigger().TriggeredAt(), 500);
    EXPECT_FALSE(hub.Record().Holds(500));  // long gone from the record
    const TWaveRecord& shown = hub.Shown();
    EXPECT_TRUE(shown.High(0, 500) && !shown.High(0, 499) && shown.High(0, 589));
    EXPECT_TRUE(shown.High(4, 491) && !shown.High(4, 492));  // the first probe's channel 3, now fifth

    hub.Detach(first);
    EXPECT_EQ(hub.Order(), (std::vector<TProbeChannel>{{second, 0}, {second, 1}, {second, 2}, {second, 3}}));
    EXPECT_TRUE(hub.Record().Empty());
}

TEST(ProbeHub, FeedingTheTriggerOnlyAtChangesShowsWhatATriggerFedEveryPassShows)
{
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        const TTriggerSettings settings{static_cast<int>(random() % 3), static_cast<TTriggerEdge>(random() % 3),
                                        static_cast<TTriggerMode>(random() % 3),
                                        static_cast<int64_t>(1 + random() % 300)};
        SCOPED_TRACE(testing::Message() << "round " << round);
        TProbeHub hub;
        const int probe = hub.Attach();
        hub.Trigger().Change(settings);
        TWaveRecord record;
        TTrigger everyPass(settings);
        std::array<int32_t, 3> levels{};
        // Long quiet stretches and bursts of changes, with a re-arm now and then and a restart.
        const unsigned changeOdds = 2 + random() % 400;
        for (int64_t pass = 1, restartAt = 5000 + random() % 5000; pass <= 20000; ++pass) {
            const int64_t numbered = pass < restartAt ? pass : pass - restartAt + 1;
            for (int channel = 0; channel < 3; ++channel)
                if (random() % changeOdds == 0) hub.SetLevel(probe, channel, levels[channel] = !levels[channel]);
            hub.EndPass(numbered);
            record.Record(numbered, static_cast<TWaveRecord::THighs>(levels[0] | levels[1] << 1 | levels[2] << 2));
            everyPass.Passed(record, numbered);
            if (random() % 3000 == 0) {
                hub.Trigger().Arm();
                everyPass.Arm();
            }
            ASSERT_EQ(hub.Trigger().ShownFrom(), everyPass.ShownFrom()) << "pass " << pass;
            ASSERT_EQ(hub.Trigger().TriggeredAt(), everyPass.TriggeredAt()) << "pass " << pass;
            // A window triggered early holds only the passes run.
            if (everyPass.TriggeredAt()) {
                ASSERT_GE(hub.Held().FirstPass(), 1) << "pass " << pass;
            }
        }
    }
}

// The passes of a run at rest are counted, not run: a stretch of them handed over at once leaves
// the record, the trigger and the held window as the same passes fed one by one do.
TEST(ProbeHub, SteadyPassesHandedOverAtOnceRecordWhatPassesFedOneByOneRecord)
{
    std::mt19937 random(17);
    for (int round = 0; round < 80; ++round) {
        const TTriggerSettings settings{static_cast<int>(random() % 2), static_cast<TTriggerEdge>(random() % 3),
                                        static_cast<TTriggerMode>(random() % 3),
                                        static_cast<int64_t>(1 + random() % 300)};
        SCOPED_TRACE(testing::Message() << "round " << round);
        TProbeHub onePass, atOnce;
        const int a = onePass.Attach(), b = atOnce.Attach();
        onePass.Trigger().Change(settings);
        atOnce.Trigger().Change(settings);
        std::array<int32_t, 2> levels{};
        int64_t pass = 0;
        for (int stretch = 0; stretch < 40; ++stretch) {
            // A burst of passes that change levels, then a rest of up to several record lengths.
            for (int64_t end = pass + 1 + random() % 40; pass < end;) {
                ++pass;
                for (int channel = 0; channel < 2; ++channel) {
                    if (random() % 3 == 0) levels[channel] = !levels[channel];
                    onePass.SetLevel(a, channel, levels[channel]);
                    atOnce.SetLevel(b, channel, levels[channel]);
                }
                onePass.EndPass(pass);
                atOnce.EndPass(pass);
            }
            const int64_t rest = random() % 4 == 0 ? int64_t{1} << (10 + random() % 12) : random() % 700;
            for (int64_t end = pass + rest; pass < end;) onePass.EndPass(++pass);
            atOnce.EndSteadyPasses(pass);
            ASSERT_EQ(atOnce.Record().FirstPass(), onePass.Record().FirstPass()) << "pass " << pass;
            ASSERT_EQ(atOnce.Record().LastPass(), pass);
            for (int64_t p = std::max<int64_t>(1, pass - 400); p <= pass; ++p)
                ASSERT_EQ(atOnce.Record().Highs(p), onePass.Record().Highs(p)) << "pass " << p;
            ASSERT_EQ(atOnce.Trigger().ShownFrom(), onePass.Trigger().ShownFrom()) << "pass " << pass;
            ASSERT_EQ(atOnce.Trigger().TriggeredAt(), onePass.Trigger().TriggeredAt()) << "pass " << pass;
            ASSERT_EQ(atOnce.Trigger().Captures(), onePass.Trigger().Captures()) << "pass " << pass;
            ASSERT_EQ(atOnce.Trigger().QuietUntil(), onePass.Trigger().QuietUntil()) << "pass " << pass;
            if (onePass.Trigger().TriggeredAt()) {
                const TWaveRecord& held = onePass.Held();
                ASSERT_EQ(atOnce.Held().FirstPass(), held.FirstPass());
                ASSERT_EQ(atOnce.Held().LastPass(), held.LastPass());
                for (int64_t p = held.FirstPass(); p <= held.LastPass(); ++p)
                    ASSERT_EQ(atOnce.Held().Highs(p), held.Highs(p)) << "held pass " << p;
            }
        }
    }
}
