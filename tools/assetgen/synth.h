// A small chiptune synthesizer for the sound effects and the rendered music:
// square, triangle, sine and noise voices with exponential pitch sweeps,
// vibrato and attack/decay envelopes, mixed into 16-bit samples.
#pragma once
#include <cstdint>
#include <vector>

namespace tsu::assetgen {

enum class Wave { square, triangle, sine, noise, saw };

struct Voice {
    Wave wave = Wave::square;
    double start = 0;      // seconds from the sound's start
    double length = 0.1;   // seconds
    double f0 = 440;       // Hz at the start (noise: how often the noise changes)
    double f1 = 440;       // Hz at the end (exponential sweep)
    double volume = 1;
    double attack = 0.005; // seconds of the fade-in
    double decay = 1;      // 1: linear fade over the voice; higher: faster exponential fall; 0: held
    double release = 0.01; // seconds of the fade-out at the end (held voices)
    double duty = 0.5;     // square only
    double vibrato_hz = 0, vibrato_depth = 0; // depth as a fraction of the pitch
    double pan = 0;        // -1 left .. +1 right (stereo mixes only)
};

// Mixes the voices into `seconds` of mono sound at `rate`, normalised to
// `peak` of full scale, with short fades at both ends so the sound starts
// and stops without clicks.
std::vector<std::int16_t> render(const std::vector<Voice>& voices, double seconds, int rate = 22050,
                                 double peak = 0.9);

// Adds one voice into a buffer of floating-point frames (`channels` 1 or 2,
// interleaved), without normalising: the music renderer mixes thousands.
void add_voice(std::vector<float>& mix, int channels, int rate, const Voice& v);

} // namespace tsu::assetgen
