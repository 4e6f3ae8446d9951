// xoshiro256** seeded through splitmix64; bounded draws by rejection so that
// every value of 0..n-1 is equally likely.
#include "game/random.h"

namespace tsu {

namespace {
std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
} // namespace

void Random::reseed(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (auto& s : s_) s = splitmix64(x);
    draws_ = 0;
}

std::uint64_t Random::next() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

int32_t Random::operator()(int32_t n) {
    if (n <= 0) return 0;
    ++draws_;
    const std::uint64_t range = std::uint64_t(n);
    const std::uint64_t limit = ~std::uint64_t(0) - (~std::uint64_t(0) % range);
    std::uint64_t v;
    do {
        v = next();
    } while (v >= limit);
    return int32_t(v % range);
}

} // namespace tsu
