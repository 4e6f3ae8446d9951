// The limiter on the finished mix.
#include "platform/limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tsu {

Limiter::Limiter(int rate, double release_seconds)
    : release_(1.0 - std::exp(-1.0 / (std::max(1, rate) * std::max(1e-3, release_seconds)))) {}

void Limiter::process(int16_t* samples, std::size_t frames, int channels) {
    if (channels <= 0) return;
    for (std::size_t f = 0; f < frames; ++f) {
        int16_t* frame = samples + f * std::size_t(channels);
        int peak = 0;
        for (int c = 0; c < channels; ++c) peak = std::max(peak, std::abs(int(frame[c])));
        // Ease back toward the full make-up, but never let this frame pass
        // the ceiling: the gain drops at once when it would.
        gain_ += (1.0 - gain_) * release_;
        const double loud = peak * kMakeUp;
        if (loud * gain_ > kCeiling) gain_ = kCeiling / loud;
        const double g = kMakeUp * gain_;
        for (int c = 0; c < channels; ++c) {
            const long v = std::lround(frame[c] * g);
            frame[c] = int16_t(std::clamp<long>(v, -kCeiling, kCeiling));
        }
    }
}

} // namespace tsu
