// Posts per second per client address: a token bucket per address that
// holds one second's worth of posts.
#pragma once
#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace tsu::rankd {

class RateLimit {
  public:
    using Clock = std::chrono::steady_clock;

    explicit RateLimit(double per_second) : rate_(per_second) {}

    // True when the address may post now (always with a rate of 0).
    bool allow(const std::string& address, Clock::time_point now = Clock::now());

  private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point last;
    };
    double rate_;
    std::mutex mutex_;
    std::unordered_map<std::string, Bucket> buckets_;
};

} // namespace tsu::rankd
