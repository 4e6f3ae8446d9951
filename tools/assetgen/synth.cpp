// A small chiptune synthesizer (see synth.h). Noise comes from a fixed
// linear-feedback register, so every run writes the same samples.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace tsu::assetgen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kEdge = 0.004; // seconds of the fades at the sound's ends

} // namespace

void add_voice(std::vector<float>& mix, int channels, int rate, const Voice& v) {
    const auto first = std::size_t(std::max(0.0, v.start) * rate);
    const auto count = std::size_t(std::max(0.0, v.length) * rate);
    const std::size_t frames = mix.size() / std::size_t(channels);
    double phase = 0, held = 0;
    std::uint32_t lfsr = 0xACE1u;
    const double left = channels == 2 ? std::sqrt(0.5 * (1 - v.pan)) : 1.0;
    const double right = channels == 2 ? std::sqrt(0.5 * (1 + v.pan)) : 1.0;
    const double ratio = v.f1 / v.f0;
    for (std::size_t i = 0; i < count && first + i < frames; ++i) {
        const double t = double(i) / rate, u = double(i) / double(count);
        double f = ratio == 1.0 ? v.f0 : v.f0 * std::pow(ratio, u);
        if (v.vibrato_depth > 0) f *= 1 + v.vibrato_depth * std::sin(2 * kPi * v.vibrato_hz * t);
        const double before = phase;
        phase += f / rate;
        phase -= std::floor(phase);
        double s = 0;
        switch (v.wave) {
        case Wave::square: s = phase < v.duty ? 1 : -1; break;
        case Wave::triangle: s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase; break;
        case Wave::sine: s = std::sin(2 * kPi * phase); break;
        case Wave::saw: s = 2 * phase - 1; break;
        case Wave::noise:
            if (phase < before || i == 0) { // a new noise value each period
                const std::uint32_t bit = ((lfsr >> 0) ^ (lfsr >> 2) ^ (lfsr >> 3) ^ (lfsr >> 5)) & 1u;
                lfsr = (lfsr >> 1) | (bit << 15);
                held = (lfsr & 1u) != 0 ? 1 : -1;
            }
            s = held;
            break;
        }
        const double attack = v.attack > 0 ? std::min(1.0, t / v.attack) : 1.0;
        double fall = 1;
        if (v.decay <= 0) fall = std::min(1.0, (v.length - t) / std::max(1e-4, v.release));
        else if (v.decay <= 1) fall = 1 - u;
        else fall = std::exp(-v.decay * u) * (1 - u);
        const double g = s * v.volume * attack * fall;
        if (channels == 2) {
            mix[2 * (first + i)] += float(g * left);
            mix[2 * (first + i) + 1] += float(g * right);
        } else {
            mix[first + i] += float(g);
        }
    }
}

std::vector<std::int16_t> render(const std::vector<Voice>& voices, double seconds, int rate, double peak) {
    std::vector<float> mix(std::size_t(seconds * rate), 0.0f);
    for (const Voice& v : voices) add_voice(mix, 1, rate, v);
    const auto edge = std::size_t(kEdge * rate);
    for (std::size_t i = 0; i < mix.size() && i < edge; ++i) {
        const float g = float(i) / float(edge);
        mix[i] *= g;
        mix[mix.size() - 1 - i] *= g;
    }
    float top = 0;
    for (const float s : mix) top = std::max(top, std::fabs(s));
    const double gain = top > 0 ? peak * 32767 / top : 0;
    std::vector<std::int16_t> out(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) out[i] = std::int16_t(std::lround(mix[i] * gain));
    return out;
}

} // namespace tsu::assetgen
