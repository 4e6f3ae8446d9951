// Play numbers for the music-finished report.
#include "platform/music_tracker.h"

namespace tsu {

std::uint32_t MusicTracker::start() {
    if (++next_ == 0) ++next_; // 0 stays "nothing"
    active_.store(next_);
    return next_;
}

void MusicTracker::stop() { active_.store(0); }

void MusicTracker::finished() { finished_.store(active_.load()); }

bool MusicTracker::take_completed() {
    const std::uint32_t seen = finished_.exchange(0);
    if (seen == 0) return false;
    std::uint32_t expected = seen;
    // Still the active play: it ran out by itself. Clear it so the report
    // comes once.
    return active_.compare_exchange_strong(expected, 0);
}

} // namespace tsu
