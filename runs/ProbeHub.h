#pragma once

#include "WaveRecord.h"

#include <array>
#include <cstdint>
#include <vector>

// One channel of one probe: probes are numbered from 1 in the order they attached, channels 0 to 3.
struct TProbeChannel {
    int Probe = 0;
    int Channel = 0;
    friend bool operator==(const TProbeChannel&, const TProbeChannel&) = default;
};

// The probes of a board feeding one timing diagram. Every probe hands its levels here as it hands
// them to its own window, and at the end of each pass the channels shown (the first sixteen, in the
// order the user put them) are recorded and the trigger is fed. A probe's channels join the end of
// the order when it attaches and leave it when it detaches.
class TProbeHub {
public:
    static constexpr int ChannelsPerProbe = 4;

    int Attach();
    void Detach(int probe);
    // A channel's level has changed (a level handed again unchanged is harmless).
    void SetLevel(int probe, int channel, int32_t level)
    {
        const size_t at = static_cast<size_t>(probe - 1) * ChannelsPerProbe + static_cast<size_t>(channel);
        if (channel < 0 || channel >= ChannelsPerProbe || at >= high_.size()) return;
        high_[at] = level != 0;
        const TWaveRecord::THighs bit = shownBit_[at];
        highs_ = static_cast<TWaveRecord::THighs>(level != 0 ? highs_ | bit : highs_ & ~bit);
    }
    // The pass has ended: the shown channels' levels are recorded as that pass. Every pass at full
    // speed: a pass in which nothing changed costs a store and a comparison.
    void EndPass(int64_t pass)
    {
        record_.Record(pass, highs_);
        if (highs_ == lastHighs_ && pass < trigger_.QuietUntil()) return;
        lastHighs_ = highs_;
        FeedTrigger(pass);
    }

    // The passes after the last recorded, up to and including the pass, were counted and not run:
    // each left the levels as they are now, and is recorded so.
    void EndSteadyPasses(int64_t pass);

    // Every channel of the attached probes, the shown ones first.
    const std::vector<TProbeChannel>& Order() const { return order_; }
    // Moves the channel at one place of the order to another, the ones between moving up or down.
    void Move(size_t from, size_t to);
    // The shown channels: the first sixteen of the order, channel c of the record being Order()[c].
    size_t ShownCount() const { return std::min<size_t>(order_.size(), TWaveRecord::MaxChannels); }
    // Raised whenever the order changes; the record then starts afresh.
    uint64_t Generation() const { return generation_; }

    const TWaveRecord& Record() const { return record_; }
    // The passes of the last triggered window, kept when the record has long moved on: what a
    // triggered diagram shows.
    const TWaveRecord& Held() const { return held_; }
    // The record a diagram reads the shown passes from: the held window when triggered, else the record.
    const TWaveRecord& Shown() const { return trigger_.TriggeredAt() ? held_ : record_; }
    TTrigger& Trigger() { return trigger_; }
    const TTrigger& Trigger() const { return trigger_; }

private:
    void Changed();
    void FeedTrigger(int64_t pass);

    // By (probe - 1) * 4 + channel: whether the channel is high now, and its bit in the record when
    // shown (0 otherwise); probes that detached keep their places, unused. highs_ holds the shown
    // channels' levels as they change, so that a pass costs one store.
    std::vector<uint8_t> high_;
    std::vector<TWaveRecord::THighs> shownBit_;
    TWaveRecord::THighs highs_ = 0;
    // The levels recorded at the last pass: a pass with the same ones holds no edge.
    TWaveRecord::THighs lastHighs_ = 0;
    std::vector<TProbeChannel> order_;
    TWaveRecord record_;
    // As wide as the widest window: ten divisions of ten thousand passes.
    TWaveRecord held_{100000};
    TTrigger trigger_;
    uint64_t generation_ = 0;
};
