// Token buckets; full buckets are dropped when the map grows, so a flood of
// addresses cannot grow it without end.
#include "rate_limit.h"

#include <algorithm>

namespace tsu::rankd {

bool RateLimit::allow(const std::string& address, Clock::time_point now) {
    if (rate_ <= 0) return true;
    const double burst = std::max(1.0, rate_);
    std::lock_guard lock(mutex_);
    if (buckets_.size() > 100000) {
        for (auto it = buckets_.begin(); it != buckets_.end();) {
            const double age = std::chrono::duration<double>(now - it->second.last).count();
            it = it->second.tokens + age * rate_ >= burst ? buckets_.erase(it) : std::next(it);
        }
    }
    auto [it, fresh] = buckets_.try_emplace(address, Bucket{burst, now});
    Bucket& b = it->second;
    if (!fresh) {
        const double age = std::chrono::duration<double>(now - b.last).count();
        b.tokens = std::min(burst, b.tokens + age * rate_);
        b.last = now;
    }
    if (b.tokens < 1) return false;
    b.tokens -= 1;
    return true;
}

} // namespace tsu::rankd
