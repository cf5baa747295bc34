#pragma once

#include "Simulation.h"

#include <QTimer>

#include <chrono>
#include <functional>

// The window's message processing between passes. Asking the window system for pending work
// costs microseconds, many times a short pass, so the pump hands control to the event loop once
// a millisecond has passed since it last did (one clock read per pass otherwise). Every event is
// still served at the first pass boundary after it arrives, within a millisecond, and always
// between two passes; the live pictures are repainted at most once per frame, and a frame that
// takes long puts the next one off, so that frames never take more than a tenth of a run's time.
// A paused or slowed run sleeps in the event loop until an event or its next pass is due; so does
// a run at rest, which the pump has look for its rest once a frame.
class TQtMessagePump : public MessagePump {
public:
    TQtMessagePump();
    void ProcessMessages() override;
    // Called at the end of every pass, before anything else.
    std::function<void()> AfterPass;
    // Called at every frame, before the live pictures are repainted.
    std::function<void()> BeforeFrame;
    void WaitForMessages(std::optional<Clock::time_point> until) override;
    bool Rests() const override { return true; }

private:
    static constexpr Clock::duration EventInterval = std::chrono::milliseconds(1);
    static constexpr Clock::duration FrameInterval = std::chrono::milliseconds(16);

    // Repaints what the passes drew when a frame is due, or at once when asked to; true when it did.
    bool Flush(Clock::time_point now, bool always);

    Clock::time_point nextEvents_{};
    Clock::time_point nextFrame_{};
    // Wakes the event loop when the next pass of a slowed run is due.
    QTimer wake_;
};
