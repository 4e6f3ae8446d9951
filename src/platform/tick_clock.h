// The 80 ms tick's timetable, in performance-counter units: each deadline is
// the previous one plus one period, so ticks do not drift with the time the
// loop spends; a loop that fell far behind (a message box was open, the
// machine stalled) starts over from now instead of catching up in a burst.
#pragma once
#include <cstdint>

namespace tsu {

class TickClock {
  public:
    // period: counter units per tick; max_behind: ticks of lag that are
    // still caught up one by one.
    TickClock(std::uint64_t period, std::uint64_t start, int max_behind = 5);

    // True when a tick is due at `now`; the caller then runs exactly one
    // tick. Advances the deadline by one period (or resynchronises).
    bool take_due(std::uint64_t now);

    // Counter units until the next deadline (0 when it has passed).
    std::uint64_t until_next(std::uint64_t now) const;

    std::uint64_t deadline() const { return deadline_; }
    std::uint64_t resyncs() const { return resyncs_; }

  private:
    std::uint64_t period_;
    std::uint64_t deadline_;
    std::uint64_t max_lag_;
    std::uint64_t resyncs_ = 0;
};

} // namespace tsu
