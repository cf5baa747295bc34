#include "ProbeHub.h"

#include <algorithm>

int TProbeHub::Attach()
{
    levels_.push_back(0);
    const int probe = static_cast<int>(levels_.size());
    for (int channel = 0; channel < ChannelsPerProbe; ++channel) order_.push_back({probe, channel});
    Changed();
    return probe;
}

void TProbeHub::Detach(int probe)
{
    std::erase_if(order_, [probe](const TProbeChannel& c) { return c.Probe == probe; });
    Changed();
}

void TProbeHub::SetLevel(int probe, int channel, int32_t level)
{
    if (probe < 1 || probe > static_cast<int>(levels_.size()) || channel < 0 || channel >= ChannelsPerProbe) return;
    uint8_t& bits = levels_[static_cast<size_t>(probe - 1)];
    bits = static_cast<uint8_t>(level != 0 ? bits | (1u << channel) : bits & ~(1u << channel));
}

void TProbeHub::EndPass(int64_t pass)
{
    TWaveRecord::THighs highs = 0;
    for (size_t c = 0; c < ShownCount(); ++c) {
        const TProbeChannel& shown = order_[c];
        if ((levels_[static_cast<size_t>(shown.Probe - 1)] >> shown.Channel) & 1) highs |= TWaveRecord::THighs(1u << c);
    }
    record_.Record(pass, highs);
    const uint64_t captures = trigger_.Captures();
    trigger_.Passed(record_, pass);
    if (trigger_.Captures() == captures) return;
    held_.Clear();
    const int64_t from = *trigger_.ShownFrom();
    for (int64_t kept = from; kept < from + trigger_.Settings().Width; ++kept) held_.Record(kept, record_.Highs(kept));
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
    ++generation_;
    record_.Clear();
    trigger_.Change(trigger_.Settings());
}
