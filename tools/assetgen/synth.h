// A small synthesizer for the INTERIM sound effects: square, triangle, sine
// and noise voices with exponential pitch sweeps, vibrato and
// attack/decay envelopes, mixed and normalised into 16-bit samples.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tsu::assetgen {

enum class Wave { square, triangle, sine, noise };

struct Voice {
    Wave wave = Wave::square;
    double start = 0;      // seconds from the sound's start
    double length = 0.1;   // seconds
    double f0 = 440;       // Hz at the start (noise: how often the noise changes)
    double f1 = 440;       // Hz at the end (exponential sweep)
    double volume = 1;
    double attack = 0.005; // seconds of the fade-in
    double decay = 1;      // 1: linear fade over the voice; higher: faster exponential fall
    double duty = 0.5;     // square only
    double vibrato_hz = 0, vibrato_depth = 0; // depth as a fraction of the pitch
};

// Mixes the voices into `seconds` of sound, normalised to 90 % of full scale,
// with short fades at both ends so the sound starts and stops without clicks.
std::vector<std::int16_t> render(const std::vector<Voice>& voices, double seconds);

// A run of notes of one voice shape, one after another.
std::vector<Voice> notes(const Voice& shape, std::initializer_list<double> hz, double step);

} // namespace tsu::assetgen
