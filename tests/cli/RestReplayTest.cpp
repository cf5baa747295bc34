// A run at rest counts its passes instead of computing them: every event lands on the pass it
// would have had, so the record of a run made partly at rest replays in voltrane-sim pass for pass.
#include "CircuitFile.h"
#include "HeadlessCircuit.h"
#include "PartU.h"
#include "RunControl.h"
#include "RunRecord.h"
#include "ShowingParts.h"
#include "SimProcess.h"
#include "TableCheck.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace {

using namespace std::chrono_literals;

const std::string HalfAdder = std::string(VOLTRANE_EXAMPLES) + "/half-adder.lgc";

// A user at a front end that lets the run rest, on a clock of the test's own: every pass takes a
// microsecond, the run looks for its rest every 16 passes (a frame), and each wait without a
// deadline, at rest or paused, lasts the time of the next step of the script, which then does
// what the step says. Presses go through the run's record as the editor's do.
struct TRestScript : MessagePump {
    explicit TRestScript(const std::string& file) : circuit(ReadCircuitFile(file))
    {
        named = PositionalNames(circuit.Bord());
        for (int i = 0; i < circuit.Bord().Count(); ++i) {
            const TPartsBase* o = circuit.Bord().Items(i);
            if (!o->Is(cfPart)) continue;
            const std::string name = o->ClassName() + std::to_string(i);
            for (int t = 0; t < o->Tanshis.Count(); ++t) specs.push_back(name + "." + std::to_string(t));
            if (dynamic_cast<const TLED*>(o)) specs.push_back(name);
        }
        for (const std::string& spec : specs) watches.emplace_back(spec, named);
        run.ShowingCounts = ShowsStateOfItsOwn;
        run.AfterCountedPasses = [this](int64_t counted) { counts += counted; };
    }

    THeadlessCircuit circuit;
    TNamedObjects named{{}, {}};
    std::vector<std::string> specs;
    std::vector<TWatch> watches;
    TRunControl run{circuit.Bord()};
    TRunRecorder record;
    Clock::time_point now{};
    int passesSinceLook = 0;
    int64_t stopAfter = 0;
    std::map<int64_t, std::function<void()>> afterPass;
    std::deque<std::pair<Clock::duration, std::function<void()>>> waits;
    // The row of every pass computed, and the first and last pass of every rest.
    std::map<int64_t, std::string> rows;
    std::vector<std::pair<int64_t, int64_t>> rests;
    // The last pass after which a lamp still counted down or a level changed.
    int64_t busyUntil = 0;
    int64_t counts = 0;
    int64_t stoppedAt = 0;

    std::string Row() const
    {
        std::string row;
        for (const TWatch& w : watches) row += "\t" + w.Text();
        return row;
    }

    void Stop()
    {
        stoppedAt = run.Passes();
        circuit.Bord().Context().Simulating = false;
    }

    void Click(const std::string& name)
    {
        TPartsBase& part = named.Find(name);
        record.Note(TRunAction::Press, circuit.Bord(), part);
        Press(part);
        record.Note(TRunAction::Release, circuit.Bord(), part);
        Release(part);
    }

    bool Rests() const override { return true; }
    Clock::time_point Now() const override { return now; }

    void ProcessMessages() override
    {
        now += 1us;
        const int64_t pass = run.Passes();
        EXPECT_FALSE(rows.contains(pass)) << "pass " << pass << " computed twice";
        if (Open()) rests.back().second = pass - 1;
        const std::string row = Row();
        bool busy = rows.empty() || rows.rbegin()->second != row;
        for (int i = 0; i < circuit.Bord().Count(); ++i)
            if (const auto* lamp = dynamic_cast<const TLED*>(circuit.Bord().Items(i)))
                busy = busy || lamp->Countdown != TLED::Idle;
        if (busy) busyUntil = pass;
        rows[pass] = row;
        if (const auto a = afterPass.find(pass); a != afterPass.end()) a->second();
        if (pass >= stopAfter) circuit.Bord().Context().Simulating = false;
        if (++passesSinceLook == 16) {
            passesSinceLook = 0;
            AskRestCheck();
        }
    }

    void WaitForMessages(std::optional<Clock::time_point> until) override
    {
        if (until) return MessagePump::WaitForMessages(until);
        const bool resting = run.Resting();
        if (!resting && Open()) rests.back().second = run.Passes();
        if (resting && !Open()) rests.push_back({run.Passes(), -1});
        if (waits.empty()) {
            ADD_FAILURE() << "waiting after pass " << run.Passes() << " with nothing left to do";
            circuit.Bord().Context().Simulating = false;
            return;
        }
        const auto [time, step] = waits.front();
        waits.pop_front();
        now += time;
        if (step) step();
    }

    bool Open() const { return !rests.empty() && rests.back().second == -1; }

    void Run(int64_t passes)
    {
        stopAfter = passes;
        TStrings text = ReadCircuitFile(HalfAdder);
        record.Begin(text, run, circuit.Bord().Context());
        circuit.Bord().Context().Simulating = true;
        run.Run(*this, nullptr);
        record.End();
    }
};

// voltrane-sim's rows for the record, by pass.
std::map<int64_t, std::string> Replayed(const TRestScript& live, int64_t passes)
{
    const std::string recordPath = Temp("run.lgr");
    std::ofstream(recordPath) << RunRecordText(HalfAdder, live.record.Actions());
    std::vector<std::string> args{HalfAdder, "--passes", std::to_string(passes), "--replay", recordPath};
    for (const std::string& spec : live.specs) args.insert(args.end(), {"--watch", spec});
    const Outcome o = Sim(args);
    EXPECT_EQ(o.status, 0) << o.err;
    std::map<int64_t, std::string> rows;
    std::istringstream in(o.out);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        rows[std::stoll(line.substr(0, tab))] = line.substr(tab);
    }
    return rows;
}

}  // namespace

// Switch A is clicked after pass 5; the lamps settle, and once the run has measured its rate over
// a tenth of a second it rests for 5 ms, counting at the million passes a second it ran at; B is clicked at rest 3 ms
// later; the board settles and rests again, and A is clicked once more. Every pass voltrane-sim replays from the record
// has the row the live run computed, or, for a pass counted at rest, the row the rest began with.
TEST(RunAtRest, ARecordMadePartlyAtRestReplaysPassForPass)
{
    TRestScript live(HalfAdder);
    live.afterPass[5] = [&] { live.Click("TTglSW0"); };
    int64_t clickedB = 0;
    live.waits = {
        {5ms, nullptr},
        {3ms,
         [&] {
             clickedB = live.run.Passes();
             live.Click("TTglSW1");
             live.now += 1ms;
             EXPECT_EQ(live.run.Passes(), clickedB) << "the count stands once the rest has seen an event";
         }},
        {2ms, [&] { live.Click("TTglSW0"); }},
        {20ms, [&] { live.Stop(); }},
    };
    live.Run(1000000);
    ASSERT_EQ(live.rests.size(), 3u);
    ASSERT_TRUE(live.waits.empty());
    const int64_t passes = live.run.Passes();
    EXPECT_NEAR(static_cast<double>(passes - live.rests[2].first), 20000.0, 2.0);

    // The first rest began within two looks after the lamps had settled, never while one counted
    // down, and counted a million passes a second.
    const auto [restFrom, restTo] = live.rests[0];
    EXPECT_GT(restFrom, 5 + 20);
    EXPECT_EQ(clickedB, restTo);
    EXPECT_NEAR(static_cast<double>(restTo - restFrom), 8000.0, 2.0);
    EXPECT_NEAR(live.run.RestRate(), 1e6, 1.0);
    EXPECT_FALSE(live.rows.contains(restTo)) << "a counted pass was computed";
    EXPECT_TRUE(live.rows.contains(restTo + 1)) << "the run goes on from the pass it counted to";
    EXPECT_EQ(live.record.Actions().at(2).Pass, clickedB);
    EXPECT_EQ(live.counts + static_cast<int64_t>(live.rows.size()), passes) << "every pass computed or counted";

    const std::map<int64_t, std::string> replayed = Replayed(live, passes);
    ASSERT_EQ(replayed.size(), static_cast<size_t>(passes));
    std::string atRest;
    for (const auto& [pass, row] : replayed) {
        if (const auto r = live.rows.find(pass); r != live.rows.end()) {
            ASSERT_EQ(row, r->second) << "pass " << pass;
            atRest = r->second;
        } else {
            ASSERT_EQ(row, atRest) << "pass " << pass << ", counted at rest";
        }
    }
    EXPECT_NEAR(static_cast<double>(live.counts), 30000.0, 6.0) << "the rests computed their passes";
}

// A lamp's afterglow counting down keeps the run computing; a pulse generator, never at rest, keeps
// it computing for good, and so does a pause or a speed limit.
TEST(RunAtRest, PartsInMotionKeepTheRunComputing)
{
    // The sum lamp lights 20 passes after A is switched on, and goes dark ZanzoTime × 10 passes
    // after it is switched off again, at rest.
    TRestScript lamp(HalfAdder);
    lamp.afterPass[5] = [&] { lamp.Click("TTglSW0"); };
    lamp.waits = {{1ms, [&] { lamp.Click("TTglSW0"); }}, {1ms, [&] { lamp.Stop(); }}};
    lamp.Run(1000000);
    ASSERT_EQ(lamp.rests.size(), 2u);
    EXPECT_GT(lamp.rests[0].first, 5 + 20);
    EXPECT_GT(lamp.busyUntil, lamp.rests[0].second + 10);
    EXPECT_GT(lamp.rests[1].first, lamp.busyUntil);
    EXPECT_LE(lamp.rests[1].first, lamp.busyUntil + 2 * 16 + 2);

    TRestScript counter(std::string(VOLTRANE_EXAMPLES) + "/counter.lgc");
    counter.Run(200000);
    EXPECT_TRUE(counter.rests.empty());
    EXPECT_EQ(counter.rows.size(), 200000u);
}

// A pause, a step and a new speed end the rest where its count stands; the passes go on from
// there, and a run let go at full speed comes to rest again.
TEST(RunAtRest, PauseStepAndSpeedEndTheRest)
{
    TRestScript live(HalfAdder);
    TRunControl& run = live.run;
    int64_t paused = 0, slowedAt = 0;
    live.waits = {
        {2ms, [&] { run.Pause(); }},
        {0ms,
         [&] {
             paused = run.Passes();
             run.Step(3);
         }},
        {0ms, [&] { run.Resume(); }},
        {1ms,
         [&] {
             slowedAt = run.Passes();
             run.SetRate(100000);
             live.afterPass[slowedAt + 10] = [&] { live.Click("TTglSW1"); };
             live.afterPass[slowedAt + 20] = [&] { run.SetRate(0); };
         }},
        {1ms, [&] { live.Stop(); }},
    };
    live.Run(1000000);
    ASSERT_EQ(live.rests.size(), 3u);
    ASSERT_TRUE(live.waits.empty());
    EXPECT_NEAR(static_cast<double>(paused - live.rests[0].first), 2000.0, 2.0);
    EXPECT_EQ(live.rests[0].second, paused);
    for (int64_t p = paused + 1; p <= paused + 3; ++p) EXPECT_TRUE(live.rows.contains(p)) << "stepped pass " << p;
    EXPECT_GT(live.rests[1].first, paused + 3);
    EXPECT_EQ(live.rests[1].second, slowedAt);
    for (int64_t p = slowedAt + 1; p <= slowedAt + 30; ++p) EXPECT_TRUE(live.rows.contains(p)) << "pass " << p;
    // Back at full speed the run rests anew once the carry lamp has lit, and the stop ends that
    // rest where its count stood.
    EXPECT_GT(live.rests[2].first, slowedAt + 30);
    EXPECT_EQ(run.Passes(), live.stoppedAt);
    EXPECT_FALSE(run.Resting());
}

// Without a pump that lets it rest (voltrane-sim's, the tests'), no pass is ever skipped.
TEST(RunAtRest, APumpThatDoesNotRestComputesEveryPass)
{
    struct NoRest : TRestScript {
        using TRestScript::TRestScript;
        bool Rests() const override { return false; }
    } live(HalfAdder);
    live.Run(3000);
    EXPECT_TRUE(live.rests.empty());
    EXPECT_EQ(live.rows.size(), 3000u);
}
