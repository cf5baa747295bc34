#include "ProbeHub.h"

#include <algorithm>

int TProbeHub::Attach()
{
    high_.resize(high_.size() + ChannelsPerProbe);
    shownBit_.resize(high_.size());
    const int probe = static_cast<int>(high_.size() / ChannelsPerProbe);
    for (int channel = 0; channel < ChannelsPerProbe; ++channel) order_.push_back({probe, channel});
    Changed();
    return probe;
}

void TProbeHub::Detach(int probe)
{
    std::erase_if(order_, [probe](const TProbeChannel& c) { return c.Probe == probe; });
    Changed();
}

void TProbeHub::FeedTrigger(int64_t pass)
{
    const uint64_t captures = trigger_.Captures();
    trigger_.Passed(record_, pass);
    if (trigger_.Captures() == captures) return;
    held_.Clear();
    // Only recorded passes are kept: a window triggered early begins before the run did.
    const int64_t from = std::max(*trigger_.ShownFrom(), record_.FirstPass());
    for (int64_t kept = from; kept <= pass; ++kept) held_.Record(kept, record_.Highs(kept));
}

void TProbeHub::EndSteadyPasses(int64_t pass)
{
    const int64_t first = record_.Empty() ? pass : record_.LastPass() + 1;
    if (pass < first) return;
    EndPass(first);
    // While a triggered window fills up, the passes go in halves of the record at most, so that
    // the record still holds the window when it is complete.
    for (int64_t done = first; done < pass;) {
        const int64_t end = trigger_.Pending() ? std::min(pass, done + record_.Capacity() / 2) : pass;
        const int64_t firstKept = record_.FirstPass();
        record_.RecordSteady(end, highs_);
        const uint64_t captures = trigger_.Captures();
        trigger_.PassedSteady(record_, done + 1, end, firstKept);
        done = end;
        if (trigger_.Captures() == captures) continue;
        held_.Clear();
        const int64_t from = std::max(*trigger_.ShownFrom(), firstKept);
        const int64_t to = *trigger_.ShownFrom() + trigger_.Settings().Width - 1;
        for (int64_t kept = from; kept <= to; ++kept) held_.Record(kept, record_.Highs(kept));
    }
}

void TProbeHub::Move(size_t from, size_t to)
{
    if (from >= order_.size() || to >= order_.size() || from == to) return;
    const TProbeChannel moved = order_[from];
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(from));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(to), moved);
    Changed();
}

void TProbeHub::Changed()
{
    std::fill(shownBit_.begin(), shownBit_.end(), 0);
    highs_ = 0;
    for (size_t c = 0; c < ShownCount(); ++c) {
        const TProbeChannel& shown = order_[c];
        const auto bit = static_cast<TWaveRecord::THighs>(1u << c);
        const size_t at = static_cast<size_t>((shown.Probe - 1) * ChannelsPerProbe + shown.Channel);
        shownBit_[at] = bit;
        if (high_[at]) highs_ |= bit;
    }
    ++generation_;
    record_.Clear();
    trigger_.Change(trigger_.Settings());
}
