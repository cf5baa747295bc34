#include "RunControl.h"

#include "Board.h"
#include "Context.h"
#include "PassEngine.h"
#include "SettleWatch.h"

#include <algorithm>

namespace {

constexpr TRunControl::Clock::duration MaxCatchUp = std::chrono::milliseconds(200);
// The rate a rest counts by weighs the last second of full speed as much as all before it, and is
// measured over a tenth of a second at least, so that the start of a run does not make it.
constexpr double RateMemorySeconds = 1.0;
constexpr double RateLeastSeconds = 0.1;

}  // namespace

TRunControl::TRunControl(TBord& board) : board_(board) {}

TRunControl::~TRunControl() = default;

void TRunControl::Run(MessagePump& pump, const std::function<void()>& redraw)
{
    TCircuitContext& context = board_.Context();
    TPassEngine engine(board_, context.Engine);
    engine.Start();
    // From the first pass on; the settle is never watched, and the redraw after the first pass
    // shows what the indicators were set to show.
    context.IndicatorsShowInputs = slow_;
    redraw_ = &redraw;
    pump_ = &pump;
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
    stretchFrom_ = pump.Now();
    stretchFromPass_ = passes_;
    stretchFast_ = !slow_;
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
        // The look costs a pass's worth of reading every level, so the pump says when it is due.
        if (pump.TakeRestCheck() && !attention_ && pump.Rests() && context.Simulating && SettledPass(engine, pump))
            Rest(pump);
    } while (context.Simulating);
    pump_ = nullptr;
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
    LeaveRest();
    paused_ = paused;
    stepsLeft_ = steps;
    slow_ = paused_ || stepsLeft_ > 0 || rate_ > 0;
    attention_ = slow_ || watching_;
    if (pump_) EndStretch(pump_->Now());
    if (redraw_) ShowInputs(slow_);
}

bool TRunControl::SettledPass(TPassEngine& engine, MessagePump& pump)
{
    const TCircuitContext& context = board_.Context();
    if (!watch_ || watchEdits_ != context.Edits) {
        watch_ = std::make_unique<TSettleWatch>(board_, ShowingCounts);
        watchEdits_ = context.Edits;
    }
    const uint64_t edits = context.Edits, pokes = context.Pokes;
    watch_->Mark();
    engine.Pass();
    ++passes_;
    const bool settled = watch_->Settled();
    pump.ProcessMessages();
    return settled && !attention_ && context.Simulating && context.Edits == edits && context.Pokes == pokes;
}

void TRunControl::Rest(MessagePump& pump)
{
    const TCircuitContext& context = board_.Context();
    const Clock::time_point now = pump.Now();
    EndStretch(now);
    if (rateSeconds_ < RateLeastSeconds || ratePasses_ <= 0) return;
    restRate_ = ratePasses_ / rateSeconds_;
    resting_ = true;
    restFrom_ = now;
    restFromPass_ = restPasses_ = reported_ = passes_;
    restEdits_ = context.Edits;
    restPokes_ = context.Pokes;
    while (resting_ && context.Simulating && context.Edits == restEdits_ && context.Pokes == restPokes_) {
        pump.WaitForMessages(std::nullopt);
        if (resting_) ReportCounted();
    }
    LeaveRest();
}

void TRunControl::LeaveRest()
{
    if (!resting_) return;
    passes_ = RestingPasses();
    resting_ = false;
    ReportCounted();
    stretchFrom_ = pump_->Now();
    stretchFromPass_ = passes_;
}

int64_t TRunControl::RestingPasses() const
{
    const TCircuitContext& context = board_.Context();
    if (context.Edits != restEdits_ || context.Pokes != restPokes_) return restPasses_;
    const std::chrono::duration<double> rested = pump_->Now() - restFrom_;
    const auto counted = restFromPass_ + static_cast<int64_t>(rested.count() * restRate_);
    restPasses_ = std::max(restPasses_, counted);
    return restPasses_;
}

void TRunControl::ReportCounted()
{
    const int64_t passes = Passes();
    if (passes > reported_ && AfterCountedPasses) AfterCountedPasses(passes - reported_);
    reported_ = std::max(reported_, passes);
}

void TRunControl::EndStretch(Clock::time_point now)
{
    if (stretchFast_ && now > stretchFrom_) {
        if (rateSeconds_ > RateMemorySeconds) {
            ratePasses_ *= RateMemorySeconds / rateSeconds_;
            rateSeconds_ = RateMemorySeconds;
        }
        ratePasses_ += static_cast<double>(passes_ - stretchFromPass_);
        rateSeconds_ += std::chrono::duration<double>(now - stretchFrom_).count();
    }
    stretchFrom_ = now;
    stretchFromPass_ = passes_;
    stretchFast_ = !slow_;
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
