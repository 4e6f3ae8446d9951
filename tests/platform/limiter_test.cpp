// The limiter on the finished mix: the make-up gain for a quiet mix, never a
// sample past the ceiling, one gain for both channels, and the level back
// soon after a peak.
#include "platform/limiter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using tsu::Limiter;

// Interleaved stereo: a sine of `amplitude` on the left, half of it on the right.
std::vector<int16_t> sine(int frames, int amplitude) {
    std::vector<int16_t> v(std::size_t(frames) * 2);
    for (int f = 0; f < frames; ++f) {
        const int s = int(std::lround(amplitude * std::sin(f * 2 * 3.14159265 * 440 / 44100)));
        v[std::size_t(2 * f)] = int16_t(s);
        v[std::size_t(2 * f + 1)] = int16_t(s / 2);
    }
    return v;
}

int peak(const std::vector<int16_t>& v, std::size_t from = 0) {
    int p = 0;
    for (std::size_t i = from; i < v.size(); ++i) p = std::max(p, std::abs(int(v[i])));
    return p;
}

TEST(Limiter, QuietMixGetsItsLevelBackLoudMixStaysUnderTheCeiling) {
    struct Case {
        int amplitude; // as mixed, at a quarter of the sources' level
        int expected_peak;
    };
    for (const Case c : {Case{1000, 4000}, Case{7000, 28000}, Case{12000, Limiter::kCeiling},
                         Case{32767, Limiter::kCeiling}}) {
        Limiter lim(44100);
        auto v = sine(44100 / 10, c.amplitude);
        lim.process(v.data(), v.size() / 2, 2);
        EXPECT_NEAR(peak(v), c.expected_peak, 2) << c.amplitude;
        // One gain for both channels: the right stays half the left.
        for (std::size_t f = 2000; f < v.size() / 2; f += 97)
            EXPECT_NEAR(v[2 * f + 1] * 2, v[2 * f], 8) << c.amplitude;
    }
}

TEST(Limiter, TheLevelComesBackSoonAfterAPeak) {
    Limiter lim(44100);
    auto burst = sine(4410, 30000);
    lim.process(burst.data(), burst.size() / 2, 2);
    EXPECT_LT(lim.reduction(), 0.3);
    // Half a second of quiet sound later, the full make-up gain is back.
    auto quiet = sine(22050, 2000);
    lim.process(quiet.data(), quiet.size() / 2, 2);
    EXPECT_GT(lim.reduction(), 0.95);
    EXPECT_NEAR(peak(quiet, quiet.size() - 2000), 8000, 400);
}

} // namespace
