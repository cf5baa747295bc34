// A run that is paused, stepped, slowed and resumed computes exactly the passes of one that runs
// straight through with the same clicks after the same passes.
#include "CircuitFile.h"
#include "PartU.h"
#include "RunControl.h"
#include "TextFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>

namespace {

// Every terminal level of the board in list order, and the output levels of every part by its
// place in the list.
struct TState {
    std::vector<int32_t> Levels;
    std::map<int, std::vector<int32_t>> Outputs;
};

TState StateOf(const TBord& board)
{
    TState s;
    for (int i = 0; i < board.Count(); ++i) {
        const TPartsBase* o = board.Items(i);
        for (const TTanshi* t : o->Tanshis) {
            s.Levels.push_back(t->Level);
            if (o->Is(cfPart) && t->Direction == dirOutput) s.Outputs[i].push_back(t->Level);
        }
    }
    return s;
}

std::vector<int> PlacesOf(const TBord& board, const std::vector<const TPartsBase*>& parts)
{
    std::vector<int> places;
    for (int i = 0; i < board.Count(); ++i)
        if (std::find(parts.begin(), parts.end(), board.Items(i)) != parts.end()) places.push_back(i);
    return places;
}

// A user at the controls. After pass P it clicks the parts listed for P and gives the command for
// P; when the run is paused then, the clicks wait for the pause, as a user's would. Each wait of a
// paused run takes the next command of the queue: a paused run goes on by a command or not at all.
struct TScript : MessagePump {
    TScript(TBord& b, TRunControl& r) : board(b), run(r) {}

    TBord& board;
    TRunControl& run;
    // The run is stopped after this pass; the handled run stops itself.
    std::optional<int64_t> stopAfter = 60;
    std::multimap<int64_t, TPartsBase*> clicks;
    std::map<int64_t, std::function<void()>> commands;
    std::deque<std::function<void()>> whilePaused;
    // After each pass: the state, the places of the parts the run found changed, and the state
    // once the messages were served.
    std::vector<TState> trace;
    std::vector<std::vector<int>> changed;
    std::vector<TState> served;
    std::vector<TPartsBase*> pending;

    void ProcessMessages() override
    {
        const int64_t pass = run.Passes();
        trace.push_back(StateOf(board));
        changed.push_back(PlacesOf(board, run.Changed()));
        if (const auto c = commands.find(pass); c != commands.end()) c->second();
        for (auto [c, end] = clicks.equal_range(pass); c != end; ++c) pending.push_back(c->second);
        if (!run.Paused()) Click();
        served.push_back(StateOf(board));
        if (stopAfter && pass >= *stopAfter) board.Context().Simulating = false;
    }

    void WaitForMessages(std::optional<Clock::time_point> until) override
    {
        if (until) return MessagePump::WaitForMessages(until);
        Click();
        if (whilePaused.empty()) {
            ADD_FAILURE() << "paused after pass " << run.Passes() << " with nothing left to do";
            board.Context().Simulating = false;
            return;
        }
        const std::function<void()> next = whilePaused.front();
        whilePaused.pop_front();
        next();
    }

    void Click()
    {
        for (TPartsBase* part : pending) {
            part->MouseDown(TMouseButton::Left, ssLeft, 0, 0);
            part->MouseUp(TMouseButton::Left, 0, 0, 0);
        }
        pending.clear();
    }
};

struct RunControl : ::testing::TestWithParam<const char*> {
    // Each run on a board of its own, freshly read: parts keep inner state from run to run.
    std::deque<TextBoard> boards;

    TScript Run(const std::function<void(TScript&)>& controls)
    {
        TextBoard& b = boards.emplace_back();
        LoadParts(ReadCircuitFile(std::string(VOLTRANE_EXAMPLES) + "/" + GetParam()), b.result, b.t.Bord, nullptr,
                  &b.t.Surface, &b.names);
        b.t.Bord.CheckAllLinks();
        TRunControl run(b.t.Bord);
        TScript s(b.t.Bord, run);
        // The first two objects (the switches of the half adder; the pulse generator and a
        // flip-flop of the counter) are clicked at passes that fall into every kind of stretch.
        for (const auto& [pass, index] : {std::pair{5, 0}, {9, 1}, {9, 0}, {14, 1}, {25, 0}, {33, 1}, {41, 0}})
            s.clicks.emplace(pass, b.result.Items(index));
        controls(s);
        b.t.Context.Simulating = true;
        run.Run(s, nullptr);
        EXPECT_EQ(run.Passes(), 60);
        EXPECT_TRUE(s.whilePaused.empty());
        return s;
    }
};

}  // namespace

TEST_P(RunControl, PausingSteppingAndSlowingChangeNoPass)
{
    const TScript straight = Run([](TScript&) {});
    const TScript handled = Run([](TScript& s) {
        TRunControl& run = s.run;
        s.stopAfter.reset();
        s.commands[3] = [&] { run.Pause(); };
        s.whilePaused = {
            [&] { run.Step(1); },  // pass 4
            [&] { run.Step(1); },  // pass 5, then a click while paused
            [&] { run.Step(4); },  // passes 6 to 9
            [&] {
                run.SetRate(2000);
                run.Resume();
            },
        };
        s.commands[20] = [&] { run.SetRate(0); };
        s.commands[30] = [&] { run.Pause(); };
        s.whilePaused.push_back([&] { run.Resume(); });
        s.commands[40] = [&] { run.Step(3); };  // running on, it pauses after pass 43
        s.whilePaused.push_back([&] { run.ShowChanges(false); });
        s.whilePaused.push_back([&] { run.Step(17); });
        // Stopped while paused, the run ends without another pass.
        s.whilePaused.push_back([&] { s.board.Context().Simulating = false; });
    });
    ASSERT_EQ(handled.trace.size(), straight.trace.size());
    int shown = 0;
    for (size_t i = 0; i < straight.trace.size(); ++i) {
        const int64_t pass = static_cast<int64_t>(i) + 1;
        ASSERT_EQ(handled.trace[i].Levels, straight.trace[i].Levels) << "pass " << pass;
        // A watched pass finds exactly the parts whose outputs it changed, clicks between passes
        // aside; the others find none.
        std::vector<int> expected;
        if (i > 0)
            for (const auto& [place, levels] : straight.trace[i].Outputs)
                if (straight.served[i - 1].Outputs.at(place) != levels) expected.push_back(place);
        const bool watched = (pass >= 4 && pass <= 20) || (pass >= 41 && pass <= 43);
        EXPECT_EQ(handled.changed[i], watched ? expected : std::vector<int>{}) << "pass " << pass;
        shown += !handled.changed[i].empty();
    }
    EXPECT_GE(shown, 3);
}

INSTANTIATE_TEST_SUITE_P(Examples, RunControl, ::testing::Values("half-adder.lgc", "counter.lgc"));

namespace {

// The half adder drawn on a surface that writes down every call, run under the run control with
// switch A clicked after a given pass. After every pass (and the redraw that follows pass 1) it
// notes how each lamp was last drawn, what the afterglow says the lamp shows (what a run's
// readers take from it), and the exclusive-or's output.
struct HalfAdderLamps : MessagePump {
    struct TSeen {
        bool SumDrawn = false, CarryDrawn = false;
        bool SumShows = false, CarryShows = false;
        int32_t Xor = LevelLow;
        std::vector<int32_t> Levels;
    };

    RecordingCanvas surface;
    NullCanvas window{640, 480};
    TCircuit circuit{&surface};
    TPartsList parts;
    TRunControl run{circuit.Bord};
    TLED* sum = nullptr;
    TLED* carry = nullptr;
    int64_t clickAAfter = 0;
    int64_t lastPass = 60;
    std::map<int64_t, std::function<void()>> commands;
    std::vector<TSeen> seen;
    size_t looked = 0;
    bool sumDrawn = false, carryDrawn = false;

    explicit HalfAdderLamps(int64_t rate)
    {
        std::vector<std::string> names;
        LoadParts(ReadCircuitFile(std::string(VOLTRANE_EXAMPLES) + "/half-adder.lgc"), parts, circuit.Bord, nullptr,
                  &window, &names);
        circuit.Bord.CheckAllLinks();
        sum = dynamic_cast<TLED*>(parts.Items(4));
        carry = dynamic_cast<TLED*>(parts.Items(5));
        run.SetRate(rate);
    }

    std::vector<TSeen> Run()
    {
        circuit.Context.Simulating = true;
        run.Run(*this, [this] {
            RedrawBoard(circuit.Bord, surface, {0, 0, 1000, 1000});
            if (circuit.Context.Simulating && !seen.empty()) seen.back() = Look();
        });
        EXPECT_FALSE(circuit.Context.IndicatorsShowInputs);
        return seen;
    }

    // Follows the lamp sprites drawn since the last look.
    TSeen Look()
    {
        const std::string lamp = "Sprite " + std::to_string(static_cast<int>(TSpriteList::LED)) + " ";
        for (; looked < surface.Calls.size(); ++looked) {
            const std::string& call = surface.Calls[looked];
            if (!call.starts_with(lamp)) continue;
            const std::string at = call.substr(call.find(' ', lamp.size()) + 1);
            const bool lit = std::stoi(call.substr(lamp.size())) % 2 == 1;
            if (at == std::to_string(sum->Left) + " " + std::to_string(sum->Top)) sumDrawn = lit;
            if (at == std::to_string(carry->Left) + " " + std::to_string(carry->Top)) carryDrawn = lit;
        }
        TSeen s{sumDrawn, carryDrawn, sum->ShowsLit, carry->ShowsLit, parts.Items(2)->Tanshis.Items(2)->Level, {}};
        s.Levels = StateOf(circuit.Bord).Levels;
        return s;
    }

    void ProcessMessages() override
    {
        const int64_t pass = run.Passes();
        seen.push_back(Look());
        if (pass == clickAAfter) {
            parts.Items(0)->MouseDown(TMouseButton::Left, ssLeft, 0, 0);
            parts.Items(0)->MouseUp(TMouseButton::Left, 0, 0, 0);
        }
        if (const auto c = commands.find(pass); c != commands.end()) c->second();
        if (pass >= lastPass) circuit.Context.Simulating = false;
    }

    // The test keeps no clock: a wait for the next pass at the limit is cut short by choosing the
    // same limit again, which starts a new beat at once.
    void WaitForMessages(std::optional<Clock::time_point> until) override
    {
        if (until) run.SetRate(run.Rate());
    }
};

std::string Drawn(const std::vector<HalfAdderLamps::TSeen>& seen, bool HalfAdderLamps::TSeen::*lamp)
{
    std::string shown;
    for (const auto& s : seen) shown += s.*lamp ? '#' : '.';
    return shown;
}

}  // namespace

// A student at five passes a second sees what the circuit computes in that pass, never the
// afterglow of the settle: with both switches off no lamp is lit, although the afterglow (what
// voltrane-sim and the tables read) still holds the sum lamp lit from the settle.
TEST(IndicatorsShowTheirInputs, AtFivePassesASecondNoLampIsDrawnLitWithBothSwitchesOff)
{
    HalfAdderLamps slow(5);
    const auto seen = slow.Run();
    ASSERT_EQ(seen.size(), 60u);
    const std::string dark(60, '.');
    EXPECT_EQ(Drawn(seen, &HalfAdderLamps::TSeen::SumDrawn), dark);
    EXPECT_EQ(Drawn(seen, &HalfAdderLamps::TSeen::CarryDrawn), dark);
    EXPECT_NE(Drawn(seen, &HalfAdderLamps::TSeen::SumShows) + Drawn(seen, &HalfAdderLamps::TSeen::CarryShows),
              dark + dark)
        << "the afterglow no longer lights a lamp from the settle: this test shows nothing";
}

TEST(IndicatorsShowTheirInputs, AtFivePassesASecondTheSumLampLightsThePassAfterTheExclusiveOrRises)
{
    HalfAdderLamps slow(5);
    slow.clickAAfter = 10;
    const auto seen = slow.Run();
    ASSERT_EQ(seen.size(), 60u);
    size_t rise = 0;
    while (rise < seen.size() && seen[rise].Xor == LevelLow) ++rise;
    ASSERT_LT(rise + 1, seen.size());
    EXPECT_GT(rise, 10u);  // index rise is pass rise + 1, after the click
    const std::string sum = Drawn(seen, &HalfAdderLamps::TSeen::SumDrawn);
    EXPECT_EQ(sum, std::string(rise + 1, '.') + std::string(seen.size() - rise - 1, '#'));
    EXPECT_EQ(Drawn(seen, &HalfAdderLamps::TSeen::CarryDrawn), std::string(60, '.'));
}

// Without a limit nothing changes: each lamp is drawn as the afterglow shows it, after every pass,
// from the settle on; and a slow run computes, pass for pass, what an unlimited one computes, the
// afterglow included.
TEST(IndicatorsShowTheirInputs, AnUnlimitedRunDrawsTheAfterglowAndTheSlowRunComputesTheSame)
{
    HalfAdderLamps fast(0), slow(5);
    fast.clickAAfter = slow.clickAAfter = 30;
    const auto unlimited = fast.Run();
    const auto limited = slow.Run();
    ASSERT_EQ(unlimited.size(), 60u);
    ASSERT_EQ(limited.size(), 60u);
    EXPECT_EQ(Drawn(unlimited, &HalfAdderLamps::TSeen::SumDrawn), Drawn(unlimited, &HalfAdderLamps::TSeen::SumShows));
    EXPECT_EQ(Drawn(unlimited, &HalfAdderLamps::TSeen::CarryDrawn),
              Drawn(unlimited, &HalfAdderLamps::TSeen::CarryShows));
    EXPECT_EQ(Drawn(unlimited, &HalfAdderLamps::TSeen::SumDrawn)[0], '#') << "the afterglow of the settle";
    for (size_t i = 0; i < unlimited.size(); ++i) {
        SCOPED_TRACE("pass " + std::to_string(i + 1));
        EXPECT_EQ(limited[i].Levels, unlimited[i].Levels);
        EXPECT_EQ(limited[i].SumShows, unlimited[i].SumShows);
        EXPECT_EQ(limited[i].CarryShows, unlimited[i].CarryShows);
    }
    EXPECT_EQ(slow.sum->ShownLevel, fast.sum->ShownLevel);
    EXPECT_EQ(slow.sum->Countdown, fast.sum->Countdown);
}

// Pausing shows the inputs at once, resuming without a limit the afterglow again: the board is
// redrawn as the setting changes.
TEST(IndicatorsShowTheirInputs, PausingAndResumingRedrawTheLamps)
{
    struct Paused : HalfAdderLamps {
        Paused() : HalfAdderLamps(0) {}
        std::vector<bool> flags;
        void WaitForMessages(std::optional<Clock::time_point> until) override
        {
            if (until) return;
            const TSeen now = Look();
            flags.push_back(circuit.Context.IndicatorsShowInputs);
            EXPECT_FALSE(now.SumDrawn) << "the input of the sum lamp is low while paused";
            run.Resume();
        }
    } fast;
    fast.commands[2] = [&] {
        ASSERT_TRUE(fast.Look().SumDrawn);  // the afterglow of the settle
        fast.run.Pause();
    };
    const auto seen = fast.Run();
    EXPECT_EQ(fast.flags, std::vector<bool>{true});
    ASSERT_EQ(seen.size(), 60u);
    EXPECT_EQ(seen[2].SumDrawn, seen[2].SumShows);
}
