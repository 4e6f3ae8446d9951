// A small synthesizer for the INTERIM sound effects (see synth.h). Noise
// comes from a fixed linear-feedback register, so every run writes the same
// samples.
#include "synth.h"
#include "wav_writer.h"

#include <algorithm>
#include <cmath>

namespace tsu::assetgen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kEdge = 0.004; // seconds of the fades at the sound's ends

void add_voice(std::vector<double>& mix, const Voice& v) {
    const auto first = std::size_t(std::max(0.0, v.start) * kSampleRate);
    const auto count = std::size_t(std::max(0.0, v.length) * kSampleRate);
    double phase = 0, held = 0;
    std::uint32_t lfsr = 0xACE1u;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = double(i) / kSampleRate, u = double(i) / double(count);
        double f = v.f0 * std::pow(v.f1 / v.f0, u);
        if (v.vibrato_depth > 0) f *= 1 + v.vibrato_depth * std::sin(2 * kPi * v.vibrato_hz * t);
        const double before = phase;
        phase += f / kSampleRate;
        phase -= std::floor(phase);
        double s = 0;
        switch (v.wave) {
        case Wave::square: s = phase < v.duty ? 1 : -1; break;
        case Wave::triangle: s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase; break;
        case Wave::sine: s = std::sin(2 * kPi * phase); break;
        case Wave::noise:
            if (phase < before) { // a new noise value each period
                const std::uint32_t bit = ((lfsr >> 0) ^ (lfsr >> 2) ^ (lfsr >> 3) ^ (lfsr >> 5)) & 1u;
                lfsr = (lfsr >> 1) | (bit << 15);
                held = (lfsr & 1u) != 0 ? 1 : -1;
            }
            s = held;
            break;
        }
        const double attack = v.attack > 0 ? std::min(1.0, t / v.attack) : 1.0;
        const double fall = v.decay <= 1 ? 1 - u : std::exp(-v.decay * u) * (1 - u);
        mix[first + i] += s * v.volume * attack * fall;
    }
}

} // namespace

std::vector<std::int16_t> render(const std::vector<Voice>& voices, double seconds) {
    std::vector<double> mix(std::size_t(seconds * kSampleRate), 0.0);
    for (const Voice& v : voices) add_voice(mix, v);
    const auto edge = std::size_t(kEdge * kSampleRate);
    for (std::size_t i = 0; i < mix.size() && i < edge; ++i) {
        const double g = double(i) / double(edge);
        mix[i] *= g;
        mix[mix.size() - 1 - i] *= g;
    }
    double peak = 0;
    for (const double s : mix) peak = std::max(peak, std::fabs(s));
    const double gain = peak > 0 ? 0.9 * 32767 / peak : 0;
    std::vector<std::int16_t> out(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) out[i] = std::int16_t(std::lround(mix[i] * gain));
    return out;
}

std::vector<Voice> notes(const Voice& shape, std::initializer_list<double> hz, double step) {
    std::vector<Voice> out;
    double at = shape.start;
    for (const double f : hz) {
        Voice v = shape;
        v.start = at;
        v.f0 = v.f1 = f;
        out.push_back(v);
        at += step;
    }
    return out;
}

} // namespace tsu::assetgen
