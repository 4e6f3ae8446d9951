// Renders a score with the chiptune synthesizer (see music_render.h).
#include "music_render.h"

#include "synth.h"

#include <algorithm>
#include <cmath>

namespace tsu::assetgen {
namespace {

Wave wave_of(const std::string& w) {
    if (w == "triangle") return Wave::triangle;
    if (w == "sine") return Wave::sine;
    if (w == "saw") return Wave::saw;
    if (w == "noise") return Wave::noise;
    return Wave::square;
}

double hz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A drum of the General MIDI kit as synthesizer voices.
void drum(std::vector<Voice>& out, int key, double at, double volume, double pan) {
    Voice v;
    v.start = at;
    v.pan = pan;
    v.attack = 0.001;
    switch (key) {
    case 35:
    case 36: // kick: a falling thump
        v.wave = Wave::triangle, v.f0 = 160, v.f1 = 40, v.length = 0.16, v.decay = 3, v.volume = volume * 1.4;
        out.push_back(v);
        break;
    case 38:
    case 40: // snare: noise over a short body
        v.wave = Wave::noise, v.f0 = v.f1 = 7000, v.length = 0.14, v.decay = 4, v.volume = volume * 0.8;
        out.push_back(v);
        v.wave = Wave::triangle, v.f0 = 220, v.f1 = 140, v.length = 0.07, v.decay = 3, v.volume = volume * 0.7;
        out.push_back(v);
        break;
    case 42:
    case 44: // closed hi-hat
        v.wave = Wave::noise, v.f0 = v.f1 = 14000, v.length = 0.035, v.decay = 3, v.volume = volume * 0.35;
        out.push_back(v);
        break;
    case 46: // open hi-hat
        v.wave = Wave::noise, v.f0 = v.f1 = 13000, v.length = 0.18, v.decay = 3, v.volume = volume * 0.3;
        out.push_back(v);
        break;
    case 49:
    case 57: // crash
        v.wave = Wave::noise, v.f0 = v.f1 = 11000, v.length = 0.9, v.decay = 3, v.volume = volume * 0.4;
        out.push_back(v);
        break;
    default: // toms and the rest: a pitched thump
        v.wave = Wave::triangle, v.f0 = hz(key) * 2, v.f1 = hz(key), v.length = 0.18, v.decay = 3,
        v.volume = volume * 0.9;
        out.push_back(v);
        break;
    }
}

} // namespace

std::vector<std::int16_t> render_song(const Song& song) {
    const double spb = 60.0 / song.tempo; // seconds a beat
    const double seconds = song.seconds();
    std::vector<Voice> voices;
    for (const NoteEvent& e : song.events) {
        const PartInfo& p = song.parts[std::size_t(e.part)];
        const double pan = (p.pan - 64) / 64.0 * 0.6;
        const double vol = p.level * e.velocity / 127.0;
        if (p.drums) {
            drum(voices, e.note, e.beat * spb, vol, pan);
            continue;
        }
        Voice v;
        v.wave = wave_of(p.wave);
        v.start = e.beat * spb;
        v.length = std::min(e.beats * spb, seconds - v.start);
        v.f0 = v.f1 = hz(e.note);
        v.volume = vol;
        v.duty = p.duty;
        v.decay = p.decay;
        v.attack = 0.004;
        v.release = std::min(0.03, v.length / 3);
        v.pan = pan;
        if (p.decay == 0 && v.length > 0.35) { // a held note sings a little
            v.vibrato_hz = 5.5;
            v.vibrato_depth = 0.003;
        }
        voices.push_back(v);
    }
    const auto frames = std::size_t(std::lround(seconds * kMusicRate));
    std::vector<float> mix(frames * 2, 0.0f);
    for (const Voice& v : voices) add_voice(mix, 2, kMusicRate, v);
    // A few milliseconds of fade at both ends keep the loop point click-free.
    const std::size_t edge = kMusicRate / 250;
    for (std::size_t i = 0; i < edge && i < frames; ++i) {
        const float g = float(i) / float(edge);
        for (int c = 0; c < 2; ++c) {
            mix[2 * i + std::size_t(c)] *= g;
            mix[2 * (frames - 1 - i) + std::size_t(c)] *= g;
        }
    }
    float top = 0;
    for (const float s : mix) top = std::max(top, std::fabs(s));
    const double gain = top > 0 ? 0.89 * 32767 / top : 0;
    std::vector<std::int16_t> out(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) out[i] = std::int16_t(std::lround(mix[i] * gain));
    return out;
}

} // namespace tsu::assetgen
