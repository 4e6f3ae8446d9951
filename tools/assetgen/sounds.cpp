// INTERIM sound effects: the 28 wave files of dat/, synthesized from short
// recipes (square and noise voices, sweeps, envelopes) that fit their use in
// the game. 22050 Hz, 16-bit, mono; 0.05 to 1.5 seconds each.
#include "assetgen.h"
#include "synth.h"
#include "wav_writer.h"

#include <cmath>
#include <functional>

namespace tsu::assetgen {
namespace {

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double n(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Voice sq(double start, double length, double f0, double f1, double volume = 1, double decay = 1) {
    Voice v;
    v.wave = Wave::square;
    v.start = start;
    v.length = length;
    v.f0 = f0;
    v.f1 = f1;
    v.volume = volume;
    v.decay = decay;
    return v;
}

Voice shaped(Wave w, double start, double length, double f0, double f1, double volume = 1, double decay = 1) {
    Voice v = sq(start, length, f0, f1, volume, decay);
    v.wave = w;
    return v;
}

Voice noise(double start, double length, double f0, double f1, double volume = 1, double decay = 1) {
    return shaped(Wave::noise, start, length, f0, f1, volume, decay);
}

std::vector<Voice> join(std::vector<Voice> a, const std::vector<Voice>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Recipe {
    const char* file;
    double seconds;
    std::function<std::vector<Voice>()> voices;
};

std::vector<Recipe> recipes() {
    return {
        // Menu and panel cues.
        {"1.wav", 0.18, [] { return notes(sq(0, 0.07, 0, 0, 1, 2), {n(76), n(83)}, 0.07); }},
        {"2.wav", 0.18, [] { return notes(sq(0, 0.07, 0, 0, 1, 2), {n(83), n(76)}, 0.07); }},
        {"3.wav", 0.12, [] { return std::vector<Voice>{shaped(Wave::triangle, 0, 0.11, n(72), n(79), 1, 3)}; }},
        {"4.wav", 0.26, [] { return notes(sq(0, 0.1, 0, 0, 1, 2), {n(69), n(69)}, 0.13); }},
        {"key2.wav", 0.06, [] { return std::vector<Voice>{sq(0, 0.05, n(88), n(86), 0.8, 4)}; }},
        {"no.wav", 0.3, [] { return notes(sq(0, 0.12, 0, 0, 1, 1), {n(45), n(42)}, 0.15); }},
        // Pickups.
        {"coin.wav", 0.32, [] { return std::vector<Voice>{sq(0, 0.06, n(83), n(83), 1, 1), sq(0.06, 0.25, n(88), n(88), 1, 4)}; }},
        {"cry.wav", 0.45, [] { return notes(shaped(Wave::triangle, 0, 0.14, 0, 0, 1, 3), {n(84), n(88), n(91), n(96)}, 0.07); }},
        {"item.wav", 0.4, [] { return notes(sq(0, 0.1, 0, 0, 0.8, 2), {n(72), n(76), n(79), n(84)}, 0.07); }},
        {"item2.wav", 0.8, [] {
             auto v = notes(sq(0, 0.12, 0, 0, 0.8, 2), {n(67), n(72), n(76), n(79), n(84)}, 0.08);
             v.push_back(sq(0.4, 0.38, n(88), n(88), 0.8, 3));
             return v;
         }},
        {"kaifuku.wav", 0.9, [] {
             auto v = notes(shaped(Wave::triangle, 0, 0.2, 0, 0, 1, 2), {n(72), n(76), n(79), n(84), n(88)}, 0.1);
             v.push_back(shaped(Wave::triangle, 0.5, 0.38, n(91), n(91), 1, 3));
             return v;
         }},
        {"takara.wav", 1.0, [] {
             auto v = notes(sq(0, 0.14, 0, 0, 0.8, 1), {n(72), n(76), n(79)}, 0.12);
             v.push_back(sq(0.36, 0.6, n(84), n(84), 0.9, 2));
             v.push_back(shaped(Wave::triangle, 0.36, 0.6, n(72), n(72), 0.6, 2));
             return v;
         }},
        {"fukuro.wav", 0.35, [] {
             return std::vector<Voice>{noise(0, 0.08, 6000, 3000, 0.6, 3), noise(0.09, 0.08, 5000, 2500, 0.6, 3),
                                       sq(0.2, 0.12, n(79), n(91), 0.8, 2)};
         }},
        // Movement and techniques.
        {"jump.wav", 0.2, [] {
             Voice v = sq(0, 0.18, n(60), n(79), 1, 2);
             v.duty = 0.25;
             return std::vector<Voice>{v};
         }},
        {"powan.wav", 0.6, [] {
             Voice v = shaped(Wave::sine, 0, 0.58, n(60), n(84), 1, 1);
             v.vibrato_hz = 9;
             v.vibrato_depth = 0.06;
             v.attack = 0.03;
             return std::vector<Voice>{v, shaped(Wave::triangle, 0.05, 0.5, n(72), n(96), 0.4, 2)};
         }},
        {"yo.wav", 0.3, [] {
             Voice v = sq(0, 0.28, n(62), n(69), 1, 2);
             v.duty = 0.3;
             v.vibrato_hz = 14;
             v.vibrato_depth = 0.03;
             return std::vector<Voice>{v, sq(0.02, 0.2, n(74), n(81), 0.4, 3)};
         }},
        {"nine.wav", 1.2, [] {
             Voice v = shaped(Wave::triangle, 0, 1.15, n(60), n(96), 1, 1);
             v.vibrato_hz = 12;
             v.vibrato_depth = 0.04;
             v.attack = 0.05;
             return join({v}, notes(sq(0, 0.15, 0, 0, 0.3, 3), {n(84), n(88), n(91), n(96), n(100), n(103)}, 0.15));
         }},
        {"15.wav", 0.12, [] { return std::vector<Voice>{sq(0, 0.1, n(52), n(45), 1, 5), noise(0, 0.03, 8000, 8000, 0.5, 3)}; }},
        // Fire and weapons.
        {"fire.wav", 0.5, [] { return std::vector<Voice>{noise(0, 0.48, 1500, 6000, 1, 1), sq(0, 0.3, n(48), n(60), 0.3, 2)}; }},
        {"fire2.wav", 0.7, [] { return std::vector<Voice>{noise(0, 0.68, 900, 3000, 1, 1), sq(0, 0.5, n(40), n(52), 0.4, 2)}; }},
        // Hits, explosions and weather.
        {"damage.wav", 0.4, [] { return std::vector<Voice>{sq(0, 0.38, n(76), n(40), 1, 2), noise(0, 0.15, 4000, 1000, 0.6, 3)}; }},
        {"down3.wav", 0.45, [] { return notes(sq(0, 0.13, 0, 0, 1, 2), {n(79), n(74), n(67)}, 0.14); }},
        {"exp.wav", 0.35, [] { return std::vector<Voice>{noise(0, 0.33, 3000, 600, 1, 4)}; }},
        {"baku.wav", 0.9, [] { return std::vector<Voice>{noise(0, 0.88, 1800, 200, 1, 3), sq(0, 0.4, n(40), n(28), 0.5, 3)}; }},
        {"ice.wav", 0.5, [] {
             return join({noise(0, 0.25, 11000, 7000, 0.8, 4)},
                         notes(shaped(Wave::triangle, 0.02, 0.2, 0, 0, 0.6, 4), {n(100), n(96), n(103)}, 0.07));
         }},
        {"kaminari.wav", 1.5, [] { return std::vector<Voice>{noise(0, 1.48, 400, 60, 1, 2), noise(0, 0.2, 5000, 1500, 0.5, 4)}; }},
        {"kaminari2.wav", 1.4, [] {
             return std::vector<Voice>{noise(0, 0.12, 9000, 4000, 1, 2), noise(0.05, 1.33, 700, 80, 0.9, 2)};
         }},
        {"over.wav", 1.5, [] {
             auto v = notes(sq(0, 0.3, 0, 0, 0.8, 1), {n(72), n(67), n(63), n(60)}, 0.3);
             v.back().length = 0.55;
             return join(v, notes(shaped(Wave::triangle, 0, 0.3, 0, 0, 0.6, 1), {n(48), n(43), n(39), n(36)}, 0.3));
         }},
    };
}

} // namespace

bool write_sounds(const std::string& root, std::string* error) {
    for (const Recipe& r : recipes())
        if (!write_wav(root + "/dat/" + r.file, render(r.voices(), r.seconds), error)) return false;
    return true;
}

} // namespace tsu::assetgen
