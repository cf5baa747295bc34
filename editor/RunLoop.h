#pragma once

#include "Simulation.h"

#include <chrono>
#include <cstdint>

// The window's message processing between passes. Asking the window system for pending work
// costs microseconds, many times a short pass, so the pump hands control to the event loop once
// a millisecond has passed since it last did (one clock read per pass otherwise). Every event is
// still served at the first pass boundary after it arrives, within a millisecond, and always
// between two passes; the live pictures are repainted at most once per frame.
class TQtMessagePump : public MessagePump {
public:
    void ProcessMessages() override;
    int64_t Passes() const { return passes_; }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration EventInterval = std::chrono::milliseconds(1);
    static constexpr Clock::duration FrameInterval = std::chrono::milliseconds(16);

    Clock::time_point nextEvents_{};
    Clock::time_point nextFrame_{};
    int64_t passes_ = 0;
};
