#include "WaveRecord.h"

#include <algorithm>
#include <bit>
#include <limits>

TWaveRecord::TWaveRecord(int64_t capacity)
    : ring_(std::bit_ceil(static_cast<size_t>(std::clamp<int64_t>(capacity, 1, int64_t{1} << 30))))
{
}

void TWaveRecord::Clear() { count_ = 0; }

void TWaveRecord::RecordSteady(int64_t pass, THighs highs)
{
    if (count_ == 0 || pass <= last_) {
        if (count_ == 0) Record(pass, highs);
        return;
    }
    const int64_t size = static_cast<int64_t>(ring_.size());
    const int64_t added = pass - last_;
    for (int64_t p = std::max(last_ + 1, pass - size + 1); p <= pass; ++p) ring_[Place(p)] = highs;
    count_ = std::min(count_ + added, size);
    last_ = pass;
}

TWaveRecord::THighs TWaveRecord::Highs(int64_t pass) const { return Holds(pass) ? ring_[Place(pass)] : 0; }

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
    FindQuietUntil();
}

bool TTrigger::FreeRunning() const
{
    return settings_.Edge == TTriggerEdge::None || settings_.Mode == TTriggerMode::Auto;
}

void TTrigger::FindQuietUntil()
{
    if (holding_) quietUntil_ = std::numeric_limits<int64_t>::max();
    else if (pending_) quietUntil_ = *pending_ - Before() + settings_.Width - 1;
    else if (FreeRunning()) quietUntil_ = lastShownEnd_ + settings_.Width;
    else quietUntil_ = std::numeric_limits<int64_t>::max();
}

void TTrigger::PassedSteady(const TWaveRecord& record, int64_t from, int64_t to, int64_t firstKept)
{
    // No edge comes of repeated levels; what remains is a pending window filling up, and free
    // windows, of which only the last counts.
    for (int64_t next = from; !holding_ && next <= to;) {
        int64_t at = std::max(next, quietUntil_);
        if (!pending_ && FreeRunning()) {
            // A free window is shown once the record holds its first pass.
            at = std::max(at, firstKept + settings_.Width - 1);
            if (at <= to) at += (to - at) / settings_.Width * settings_.Width;
        }
        if (at > to) break;
        Passed(record, at);
        next = at + 1;
    }
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
        if (pass >= from + settings_.Width - 1) {
            shown_ = from;
            triggeredAt_ = pending_;
            ++captures_;
            lastShownEnd_ = pass;
            pending_.reset();
            holding_ = settings_.Mode == TTriggerMode::Single;
        }
    } else if (FreeRunning() && pass - lastShownEnd_ >= settings_.Width && record.Holds(pass - settings_.Width + 1)) {
        // Free running: a fresh window each time one has passed without a trigger.
        shown_ = pass - settings_.Width + 1;
        triggeredAt_.reset();
        lastShownEnd_ = pass;
    }
    FindQuietUntil();
}
