// Deadline bookkeeping of the main tick.
#include "platform/tick_clock.h"

namespace tsu {

TickClock::TickClock(std::uint64_t period, std::uint64_t start, int max_behind)
    : period_(period ? period : 1), deadline_(start + period_),
      max_lag_(period_ * std::uint64_t(max_behind > 0 ? max_behind : 1)) {}

bool TickClock::take_due(std::uint64_t now) {
    if (now < deadline_) return false;
    if (now - deadline_ > max_lag_) {
        // Too far behind to catch up: this tick counts as on time.
        deadline_ = now;
        ++resyncs_;
    }
    deadline_ += period_;
    return true;
}

std::uint64_t TickClock::until_next(std::uint64_t now) const {
    return now >= deadline_ ? 0 : deadline_ - now;
}

} // namespace tsu
