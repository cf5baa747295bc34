#pragma once

#include "OutputChanges.h"
#include "Simulation.h"

#include <cstdint>
#include <functional>

class TBord;
class TPassEngine;

// Runs the passes of a board under the user's hand: as fast as the machine allows, held to a
// number of passes a second, paused, or a given number of passes at a time. The controls may be
// used whenever the pump serves messages; they take effect between two passes and never change
// what a pass computes, so a run that was paused, stepped and resumed has, pass for pass, the
// levels of an uninterrupted run with the same mouse actions after the same passes. While the run
// is paused, stepped or held to a rate, the board's indicators show their inputs (the context's
// IndicatorsShowInputs), and the board is redrawn whenever that changes during the run.
class TRunControl {
public:
    using Clock = MessagePump::Clock;

    explicit TRunControl(TBord& board) : board_(board) {}
    TRunControl(const TRunControl&) = delete;
    TRunControl& operator=(const TRunControl&) = delete;

    // Links, resolves the nets, resets and settles; runs pass 1, serves the messages, has every
    // object show what it holds (the board's ShowAll) and calls redraw, which only paints; then runs passes, each followed by the messages, until the context's Simulating flag
    // is cleared, and calls redraw once more. Paused or between two passes of a slow run, it waits
    // in the pump's WaitForMessages and uses no processor time.
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
    // belongs to pass P.
    int64_t Passes() const { return passes_; }
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

private:
    // A watched pass, or the first pass after a stretch of them.
    void SlowPass(TPassEngine& engine);
    // Waits while paused and until the next pass is due; false when the run was stopped meanwhile.
    bool AwaitTurn(MessagePump& pump);
    void SetState(bool paused, int64_t steps);
    void ShowInputs(bool show);

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
};
