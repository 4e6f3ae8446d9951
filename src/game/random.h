// The game's one random generator: uniform integers 0..n-1 from a seed, the
// same sequence on every machine (a seed plus an input script replay a run).
#pragma once
#include <cstdint>

namespace tsu {

class Random {
  public:
    explicit Random(std::uint64_t seed = 1) { reseed(seed); }
    void reseed(std::uint64_t seed);
    // Uniform integer 0..n-1; 0 when n <= 0.
    int32_t operator()(int32_t n);
    std::uint64_t draws() const { return draws_; }

  private:
    std::uint64_t next();
    std::uint64_t s_[4]{};
    std::uint64_t draws_ = 0;
};

} // namespace tsu
