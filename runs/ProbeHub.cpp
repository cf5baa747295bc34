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
