#include "WaveRecord.h"

#include <algorithm>
#include <bit>

TWaveRecord::TWaveRecord(int64_t capacity)
    : ring_(std::bit_ceil(static_cast<size_t>(std::clamp<int64_t>(capacity, 1, int64_t{1} << 30))))
{
}

void TWaveRecord::Record(int64_t pass, THighs highs)
{
    if (count_ > 0 && pass != last_ + 1) count_ = 0;
    last_ = pass;
    count_ = std::min<int64_t>(count_ + 1, static_cast<int64_t>(ring_.size()));
    ring_[Place(pass)] = highs;
}

void TWaveRecord::Clear() { count_ = 0; }

TWaveRecord::THighs TWaveRecord::Highs(int64_t pass) const
{
    return Holds(pass) ? ring_[Place(pass)] : 0;
}

void TTrigger::Change(const TTriggerSettings& settings)
{
    settings_ = settings;
    settings_.Width = std::max<int64_t>(settings_.Width, 1);
    shown_.reset();
    triggeredAt_.reset();
    lastShownEnd_ = 0;
    Arm();
}

void TTrigger::Arm()
{
    pending_.reset();
    holding_ = false;
}

bool TTrigger::EdgeAt(const TWaveRecord& record, int64_t pass) const
{
    if (settings_.Edge == TTriggerEdge::None || !record.Holds(pass - 1)) return false;
    const bool before = record.High(settings_.Channel, pass - 1), now = record.High(settings_.Channel, pass);
    return settings_.Edge == TTriggerEdge::Rising ? !before && now : before && !now;
}

void TTrigger::Passed(const TWaveRecord& record, int64_t pass)
{
    if (holding_) return;
    if (!pending_ && EdgeAt(record, pass)) pending_ = pass;
    if (pending_) {
        const int64_t from = *pending_ - Before();
        if (pass < from + settings_.Width - 1) return;
        shown_ = from;
        triggeredAt_ = pending_;
        ++captures_;
        lastShownEnd_ = pass;
        pending_.reset();
        holding_ = settings_.Mode == TTriggerMode::Single;
        return;
    }
    // Free running: a fresh window each time one has passed without a trigger.
    const bool free = settings_.Edge == TTriggerEdge::None || settings_.Mode == TTriggerMode::Auto;
    if (free && pass - lastShownEnd_ >= settings_.Width && record.Holds(pass - settings_.Width + 1)) {
        shown_ = pass - settings_.Width + 1;
        triggeredAt_.reset();
        lastShownEnd_ = pass;
    }
}
