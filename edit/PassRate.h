#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <utility>

// The passes a second that the status line shows: measured over the last second of the run, so a
// slowed run reads its own rate steadily rather than the passes that fell into the last refresh.
class TPassRate {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto Window = std::chrono::seconds(1);

    // Notes the passes run so far at this moment; fewer than before starts the measurement anew.
    void Sample(int64_t passes, Clock::time_point now);
    // Rounded passes a second over at least the last second, negative until a whole second has
    // been measured. A run held to a limit (0: none) reads the limit unless it clearly falls
    // behind it, and never more.
    int64_t Rate(int64_t limit) const;
    // A pause or a new run: what was measured says nothing about what follows.
    void Reset() { samples_.clear(); }

private:
    // The first sample is the newest one at least a window old, once there is such a sample.
    std::deque<std::pair<Clock::time_point, int64_t>> samples_;
};
