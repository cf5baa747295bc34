#include "RunControl.h"

#include "Board.h"
#include "Context.h"
#include "PassEngine.h"

#include <algorithm>

namespace {

constexpr TRunControl::Clock::duration MaxCatchUp = std::chrono::milliseconds(200);

}  // namespace

void TRunControl::Run(MessagePump& pump, const std::function<void()>& redraw)
{
    TCircuitContext& context = board_.Context();
    TPassEngine engine(board_, context.Engine);
    engine.Start();
    // From the first pass on; the settle is never watched, and the redraw after the first pass
    // shows what the indicators were set to show.
    context.IndicatorsShowInputs = slow_;
    redraw_ = &redraw;
    due_ = Clock::now();
    if (Prelude) {
        Prelude(engine);
    } else if (attention_) {
        SlowPass(engine);
    } else {
        engine.Pass();
        ++passes_;
    }
    pump.ProcessMessages();
    // The redraw of the first pass: every indicator shows what it holds, painted or not.
    board_.ShowAll();
    if (redraw) redraw();
    do {
        // A run at full speed asks one question a pass; waiting and watching stand behind it.
        if (attention_) {
            if (slow_ && !AwaitTurn(pump)) break;
            SlowPass(engine);
        } else {
            engine.Pass();
            ++passes_;
        }
        pump.ProcessMessages();
    } while (context.Simulating);
    redraw_ = nullptr;
    context.IndicatorsShowInputs = false;
    if (redraw) redraw();
}

void TRunControl::SlowPass(TPassEngine& engine)
{
    const bool watched = slow_;
    if (watched && showChanges_) changes_.Before(board_);
    engine.Pass();
    ++passes_;
    if (watched) {
        if (showChanges_) changes_.After(board_);
        if (stepsLeft_ > 0 && --stepsLeft_ == 0) SetState(true, 0);
        if (rate_ > 0) {
            // The schedule keeps its beat through the delays of a busy machine, catching up on
            // them; a run held up for longer (a dialog, a window being dragged) starts a new beat
            // instead of rushing through what it missed.
            const Clock::duration period = Clock::duration(std::chrono::seconds(1)) / rate_;
            due_ += period;
            if (due_ + std::max(period, MaxCatchUp) < Clock::now()) due_ = Clock::now();
        }
    } else {
        changes_.Clear();
    }
    watching_ = watched;
    attention_ = slow_ || watching_;
    if (AfterWatchedPass) AfterWatchedPass();
}

bool TRunControl::AwaitTurn(MessagePump& pump)
{
    const TCircuitContext& context = board_.Context();
    for (;;) {
        if (!context.Simulating) return false;
        if (paused_) {
            pump.WaitForMessages(std::nullopt);
            continue;
        }
        if (rate_ == 0 || Clock::now() >= due_) return true;
        pump.WaitForMessages(due_);
    }
}

void TRunControl::SetState(bool paused, int64_t steps)
{
    paused_ = paused;
    stepsLeft_ = steps;
    slow_ = paused_ || stepsLeft_ > 0 || rate_ > 0;
    attention_ = slow_ || watching_;
    if (redraw_) ShowInputs(slow_);
}

void TRunControl::ShowInputs(bool show)
{
    TCircuitContext& context = board_.Context();
    if (context.IndicatorsShowInputs == show) return;
    context.IndicatorsShowInputs = show;
    if (*redraw_) (*redraw_)();
}

void TRunControl::Pause() { SetState(true, 0); }

void TRunControl::Resume()
{
    if (paused_) due_ = Clock::now();
    SetState(false, 0);
}

void TRunControl::Step(int64_t passes)
{
    if (passes <= 0) return;
    if (paused_) due_ = Clock::now();
    SetState(false, passes);
}

void TRunControl::SetRate(int64_t passesPerSecond)
{
    rate_ = passesPerSecond > 0 ? passesPerSecond : 0;
    due_ = Clock::now();
    SetState(paused_, stepsLeft_);
}

void TRunControl::ShowChanges(bool show)
{
    showChanges_ = show;
    if (!show) changes_.Clear();
}
