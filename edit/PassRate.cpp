#include "PassRate.h"

#include <algorithm>
#include <cmath>

void TPassRate::Sample(int64_t passes, Clock::time_point now)
{
    if (!samples_.empty() && passes < samples_.back().second) samples_.clear();
    samples_.emplace_back(now, passes);
    while (samples_.size() > 2 && now - samples_[1].first >= Window) samples_.pop_front();
}

int64_t TPassRate::Rate(int64_t limit) const
{
    if (samples_.size() < 2) return -1;
    const auto& [from, passesFrom] = samples_.front();
    const auto& [to, passesTo] = samples_.back();
    const std::chrono::duration<double> elapsed = to - from;
    if (to - from < Window) return -1;
    const auto passes = static_cast<double>(passesTo - passesFrom);
    // A count over the window may miss one pass at either end: a rate that one more pass would
    // bring to the limit is the limit kept.
    if (limit > 0 && (passes + 1) / elapsed.count() >= static_cast<double>(limit)) return limit;
    return std::llround(passes / elapsed.count());
}
