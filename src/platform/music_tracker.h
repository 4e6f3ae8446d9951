// Which music play ran to its end. The mixer's "music finished" hook runs on
// the audio thread and also fires when a track is halted or replaced; only a
// play that reached its end may be reported to the game (which then starts
// it again). Every play gets a number; the hook records the number of the
// play that was active, and the main thread reports it only while that play
// is still the active one.
//
// Use from the main thread: stop() before halting the mixer's music,
// start() after the old music is halted and before the new one begins,
// take_completed() once per loop. finished() is the hook's whole work.
#pragma once
#include <atomic>
#include <cstdint>

namespace tsu {

class MusicTracker {
  public:
    // A new play is about to begin; returns its number.
    std::uint32_t start();
    // The active play is being stopped or replaced: its end is not a completion.
    void stop();
    // Audio thread: the mixer's music ended (by itself or halted).
    void finished();
    // Main thread: true once for each active play that ran to its end.
    bool take_completed();

    std::uint32_t active() const { return active_.load(); }

  private:
    std::atomic<std::uint32_t> active_{0};   // 0: nothing playing
    std::atomic<std::uint32_t> finished_{0}; // play number the hook saw end
    std::uint32_t next_ = 0;                 // main thread only
};

} // namespace tsu
