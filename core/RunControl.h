#pragma once

#include "OutputChanges.h"
#include "Simulation.h"

#include <cstdint>
#include <functional>
#include <memory>

class TBord;
class TPassEngine;
class TPartsBase;
class TSettleWatch;

// Runs the passes of a board under the user's hand: as fast as the machine allows, held to a
// number of passes a second, paused, or a given number of passes at a time. The controls may be
// used whenever the pump serves messages; they take effect between two passes and never change
// what a pass computes, so a run that was paused, stepped and resumed has, pass for pass, the
// levels of an uninterrupted run with the same mouse actions after the same passes. While the run
// is paused, stepped or held to a rate, the board's indicators show their inputs (the context's
// IndicatorsShowInputs), and the board is redrawn whenever that changes during the run.
//
// With a pump that lets it rest, a run at full speed whose circuit has come to rest (a pass
// changed nothing and no part keeps a state of its own in motion) stops computing passes: it waits
// in the pump and counts the passes by the clock at the rate it had, since every one of them would
// leave the board as it is. A press, a release or an edit, a change of speed, a pause, a step or
// the stop ends the rest; the run computes again from the pass it has counted to, so what it does
// after an event is what it would have done had the passes run.
class TRunControl {
public:
    using Clock = MessagePump::Clock;

    explicit TRunControl(TBord& board);
    ~TRunControl();
    TRunControl(const TRunControl&) = delete;
    TRunControl& operator=(const TRunControl&) = delete;

    // Links, resolves the nets, resets and settles; runs pass 1, serves the messages, has every
    // object show what it holds (the board's ShowAll) and calls redraw, which only paints; then runs passes, each
    // followed by the messages, until the context's Simulating flag is cleared, and calls redraw once more. Paused or
    // between two passes of a slow run, it waits in the pump's WaitForMessages and uses no processor time.
    void Run(MessagePump& pump, const std::function<void()>& redraw);

    // Waits after the pass under way until Resume or Step.
    void Pause();
    void Resume();
    // Runs that many more passes, at the rate, then pauses.
    void Step(int64_t passes);
    // Passes a second; 0 runs as fast as the machine allows.
    void SetRate(int64_t passesPerSecond);
    // Whether the parts whose outputs change are found after each watched pass.
    void ShowChanges(bool show);

    bool Paused() const { return paused_; }
    int64_t Rate() const { return rate_; }
    // Passes run so far, pass 1 being the first after the settle; an event served after pass P
    // belongs to pass P. At rest, the passes counted so far: from the first press, release or edit
    // of the rest on, the count stands still, so that the event is served after the pass it read.
    int64_t Passes() const { return resting_ ? RestingPasses() : passes_; }
    // Whether the run rests, counting its passes instead of computing them.
    bool Resting() const { return resting_; }
    // The passes a second that a rest counts by: those the run computed at full speed before it.
    double RestRate() const { return restRate_; }
    // The parts whose output levels changed in the last pass, when that pass was watched and
    // changes are shown; empty otherwise.
    const std::vector<const TPartsBase*>& Changed() const { return changes_.Changed(); }

    // Called once the board has settled, in place of pass 1: brings the board to where the run
    // is to begin (a test table's row), with the run's engine.
    std::function<void(TPassEngine&)> Prelude;

    // Called after every watched pass (one run while stepping or under a rate limit, slow enough
    // to be looked at), and after the first pass that ends a stretch of them, before the
    // messages that follow the pass are served.
    std::function<void()> AfterWatchedPass;

    // Of the parts without outputs, those whose showing may keep the board from rest (a lamp's
    // afterglow counting down); with none given, no such part does.
    std::function<bool(const TPartsBase&)> ShowingCounts;
    // Called at rest when the count has grown by that many passes, counted and not computed: each
    // of them left every level as the last pass computed did. Called before a rest ends as well.
    std::function<void(int64_t)> AfterCountedPasses;

private:
    // A watched pass, or the first pass after a stretch of them.
    void SlowPass(TPassEngine& engine);
    // Waits while paused and until the next pass is due; false when the run was stopped meanwhile.
    bool AwaitTurn(MessagePump& pump);
    void SetState(bool paused, int64_t steps);
    void ShowInputs(bool show);
    // One more pass, followed by the messages: whether it changed nothing and nothing else happened.
    bool SettledPass(TPassEngine& engine, MessagePump& pump);
    // Waits at rest until something ends it.
    void Rest(MessagePump& pump);
    void LeaveRest();
    int64_t RestingPasses() const;
    void ReportCounted();
    // A stretch of passes at full speed ends (or one at another speed): its rate is noted.
    void EndStretch(Clock::time_point now);

    TBord& board_;
    // The redraw of the run under way; none outside Run.
    const std::function<void()>* redraw_ = nullptr;
    bool paused_ = false;
    int64_t stepsLeft_ = 0;
    int64_t rate_ = 0;
    // Whether the run may have to wait or watch its passes.
    bool slow_ = false;
    bool showChanges_ = true;
    // The last pass was watched: the next unwatched one clears what it showed.
    bool watching_ = false;
    // slow_ or watching_: the one thing the fast loop asks.
    bool attention_ = false;
    int64_t passes_ = 0;
    // When the next pass is due under a rate limit.
    Clock::time_point due_{};
    TOutputChanges changes_;

    // The pump of the run under way, whose clock a rest counts by.
    const MessagePump* pump_ = nullptr;
    bool resting_ = false;
    Clock::time_point restFrom_{};
    int64_t restFromPass_ = 0;
    // The count last read at rest; it stands still once the events of the rest differ.
    mutable int64_t restPasses_ = 0;
    uint64_t restEdits_ = 0, restPokes_ = 0;
    // The count last told to AfterCountedPasses.
    int64_t reported_ = 0;
    double restRate_ = 0;
    // The rate of full speed: passes and seconds measured, the recent weighing most, and the stretch
    // under way.
    double ratePasses_ = 0, rateSeconds_ = 0;
    Clock::time_point stretchFrom_{};
    int64_t stretchFromPass_ = 0;
    bool stretchFast_ = false;
    std::unique_ptr<TSettleWatch> watch_;
    uint64_t watchEdits_ = 0;
};
