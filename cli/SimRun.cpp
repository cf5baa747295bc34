#include "SimRun.h"

#include "Board.h"
#include "Context.h"
#include "LevelFrames.h"
#include "Simulation.h"
#include "VcdWriter.h"

#include <algorithm>
#include <chrono>
#include <functional>

namespace {

// The message processing of the run: after pass P it prints row P, applies the mouse actions
// scheduled for P, and ends the run after the last pass.
class TScheduledPump : public MessagePump {
public:
    TScheduledPump(TCircuitContext& context, const TSimRun& run) : context_(context), run_(run)
    {
        events_ = run.Events;
        std::stable_sort(events_.begin(), events_.end(),
                         [](const TScheduledEvent& a, const TScheduledEvent& b) { return a.Pass < b.Pass; });
    }

    void ProcessMessages() override
    {
        ++pass_;
        if (pass_ <= run_.Passes) {
            if (run_.Vcd) SampleVcd();
            if (run_.Out && (pass_ % run_.Every == 0 || pass_ == run_.Passes)) PrintRow();
            for (; next_ < events_.size() && events_[next_].Pass == pass_; ++next_) Apply(events_[next_]);
        }
        if (pass_ == run_.Passes && AtLastPass) AtLastPass();
        // The loop runs a second pass after the first whatever the flag says, so a one-pass run
        // stops only after it: the redraw after pass 1 keeps its simulating look, and nothing of
        // pass 2 is recorded.
        if (pass_ >= std::max<int64_t>(run_.Passes, 2)) context_.Simulating = false;
    }

    // Called after the rows and mouse actions of the last pass.
    std::function<void()> AtLastPass;

private:
    void SampleVcd()
    {
        vcdValues_.resize(run_.Watches.size());
        for (size_t i = 0; i < vcdValues_.size(); ++i) vcdValues_[i] = run_.Watches[i].Bits64();
        run_.Vcd->Sample(pass_, vcdValues_.data());
    }

    void PrintRow()
    {
        row_ = std::to_string(pass_);
        for (const TWatch& w : run_.Watches) {
            row_ += '\t';
            row_ += w.Text();
        }
        row_ += '\n';
        std::fwrite(row_.data(), 1, row_.size(), run_.Out);
    }

    static void Apply(const TScheduledEvent& e)
    {
        if (e.Kind != TSimEvent::Release) Press(*e.Object);
        if (e.Kind != TSimEvent::Press) Release(*e.Object);
    }

    TCircuitContext& context_;
    const TSimRun& run_;
    std::vector<TScheduledEvent> events_;
    size_t next_ = 0;
    int64_t pass_ = 0;
    std::string row_;
    std::vector<uint64_t> vcdValues_;
};

void PrintHeader(const TSimRun& run)
{
    std::string header = "pass";
    for (const TWatch& w : run.Watches) header += "\t" + w.Title();
    header += '\n';
    std::fwrite(header.data(), 1, header.size(), run.Out);
}

}  // namespace

double RunCircuit(TBord& board, Canvas& surface, const TSimRun& run)
{
    if (run.Out) PrintHeader(run);
    if (run.Passes == 0) return 0;
    TCircuitContext& context = board.Context();
    TScheduledPump pump(context, run);
    const auto start = std::chrono::steady_clock::now();
    context.Simulating = true;
    const TRect area = run.Area.value_or(TRect{0, 0, surface.Width(), surface.Height()});
    // The picture shows the nets' levels as the first pass left them, and at the end as the last did.
    TLevelFrames levels(board);
    const auto redraw = [&] {
        levels.Begin();
        RedrawBoard(board, surface, area);
    };
    pump.AtLastPass = redraw;
    RunSimulation(board, pump, [&] {
        if (context.Simulating) redraw();
    });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}
