#pragma once

#include <cstdint>

// What a scope probe needs of its oscilloscope window. The probe feeds it in every pass, whether
// or not it is shown.
class ScopeSink {
public:
    virtual ~ScopeSink() = default;

    // Channel 0 .. 3 has this level now.
    virtual void SetLevel(int channel, int32_t level) = 0;
    // Called once per pass after the four levels.
    virtual void Sample() = 0;
    // Stands for that many passes' samples with the levels kept as they are: the passes of a run at
    // rest, counted and not computed.
    virtual void SampleSteady(int64_t samples) = 0;
    virtual void Show() = 0;
    // Hides the window; the probe keeps feeding it.
    virtual void Close() = 0;
};
