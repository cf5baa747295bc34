#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The levels of up to sixteen channels pass by pass, kept for the most recent passes: what a timing
// diagram shows, whatever the speed of the run. A channel is high when its level is not 0.
class TWaveRecord {
public:
    static constexpr int MaxChannels = 16;
    using THighs = uint16_t;

    // Keeps at least the last capacity passes (a power of two of them, that a pass finds its place
    // without a division).
    explicit TWaveRecord(int64_t capacity = int64_t{1} << 20);

    // The channels' levels at the pass, bit c for channel c. Passes come in order; a pass that does not
    // follow the last starts the record afresh.
    void Record(int64_t pass, THighs highs)
    {
        if (count_ > 0 && pass != last_ + 1) count_ = 0;
        last_ = pass;
        if (count_ < static_cast<int64_t>(ring_.size())) ++count_;
        ring_[Place(pass)] = highs;
    }
    // The same levels at every pass after the last recorded up to and including the pass (a record
    // of counted passes that left every level as it was); on an empty record, at the pass alone.
    void RecordSteady(int64_t pass, THighs highs);
    void Clear();

    bool Empty() const { return count_ == 0; }
    // The oldest and the newest pass kept; meaningless when empty.
    int64_t FirstPass() const { return last_ - count_ + 1; }
    int64_t LastPass() const { return last_; }
    bool Holds(int64_t pass) const { return count_ > 0 && pass >= FirstPass() && pass <= last_; }
    // The levels at a pass kept, all low at any other.
    THighs Highs(int64_t pass) const;
    bool High(int channel, int64_t pass) const { return (Highs(pass) >> channel) & 1; }

    int64_t Capacity() const { return static_cast<int64_t>(ring_.size()); }

private:
    size_t Place(int64_t pass) const { return static_cast<size_t>(pass) & (ring_.size() - 1); }

    std::vector<THighs> ring_;
    int64_t last_ = 0;
    int64_t count_ = 0;
};

enum class TTriggerEdge { None, Rising, Falling };
// Auto runs free when no trigger comes within a window; Normal shows the last triggered window;
// Single captures one and holds it until armed again.
enum class TTriggerMode { Auto, Normal, Single };

struct TTriggerSettings {
    int Channel = 0;
    TTriggerEdge Edge = TTriggerEdge::Rising;
    TTriggerMode Mode = TTriggerMode::Auto;
    // The passes a window shows; the trigger's pass stands at a tenth of it.
    int64_t Width = 100;
};

// Chooses the window of passes a timing diagram shows, as an oscilloscope's trigger does: fed after
// every recorded pass, it finds the edges of the trigger channel and answers the first pass of the
// window to show once the passes after the edge are recorded.
class TTrigger {
public:
    explicit TTrigger(TTriggerSettings settings = {}) : settings_(settings) {}

    const TTriggerSettings& Settings() const { return settings_; }
    // New settings arm the trigger again and drop what it has shown.
    void Change(const TTriggerSettings& settings);
    // Waits for the next edge again; a held single capture is let go.
    void Arm();

    void Passed(const TWaveRecord& record, int64_t pass);
    // Passes from to to, recorded, repeat the levels of the pass before them, the last one passed:
    // as if each were passed, in a few steps whatever their number. firstKept is the first pass the
    // record kept before them.
    void PassedSteady(const TWaveRecord& record, int64_t from, int64_t to, int64_t firstKept);
    // The first pass of the window on screen; none before anything can be shown.
    std::optional<int64_t> ShownFrom() const { return shown_; }
    // The pass of the edge the shown window was triggered by; none for a free-running window.
    std::optional<int64_t> TriggeredAt() const { return triggeredAt_; }
    // An edge was found and its window is filling up.
    bool Pending() const { return pending_.has_value(); }
    // A single capture is complete and held.
    bool Holding() const { return holding_; }
    // How many triggered windows have been shown.
    uint64_t Captures() const { return captures_; }
    // Until this pass, a pass whose levels are those of the pass before it changes nothing here: the
    // recorder feeds the trigger only at a change or from this pass on.
    int64_t QuietUntil() const { return quietUntil_; }

private:
    int64_t Before() const { return settings_.Width / 10; }
    bool EdgeAt(const TWaveRecord& record, int64_t pass) const;
    bool FreeRunning() const;
    void FindQuietUntil();

    TTriggerSettings settings_;
    std::optional<int64_t> pending_;
    std::optional<int64_t> shown_;
    std::optional<int64_t> triggeredAt_;
    // The last pass a window was shown for, to run free in auto mode a window after it.
    int64_t lastShownEnd_ = 0;
    bool holding_ = false;
    uint64_t captures_ = 0;
    int64_t quietUntil_ = 0;
};
