// The sound-effect recipes of content/sounds/ (see sound_recipe.h).
#include "sound_recipe.h"

#include <cmath>

namespace tsu::assetgen {
namespace {

Wave wave_named(const std::string& w, const std::string& where) {
    if (w == "square") return Wave::square;
    if (w == "triangle") return Wave::triangle;
    if (w == "sine") return Wave::sine;
    if (w == "saw") return Wave::saw;
    if (w == "noise") return Wave::noise;
    throw SourceError(where + ": unknown wave '" + w + "'");
}

// Reads the settings words[first..last) into v; `step` gets the notes' step.
void settings(Voice& v, const std::vector<std::string>& w, std::size_t first, std::size_t last, double* step,
              const std::string& where) {
    bool swept = false;
    for (std::size_t i = first; i < last; i += 2) {
        if (i + 1 >= last) throw SourceError(where + ": '" + w[i] + "' has no value");
        const std::string& k = w[i];
        const std::string& val = w[i + 1];
        if (k == "at") v.start = to_double(val, where);
        else if (k == "len") v.length = to_double(val, where);
        else if (k == "pitch") v.f0 = pitch_hz(val, where);
        else if (k == "to") v.f1 = pitch_hz(val, where), swept = true;
        else if (k == "vol") v.volume = to_double(val, where);
        else if (k == "attack") v.attack = to_double(val, where);
        else if (k == "decay") v.decay = to_double(val, where);
        else if (k == "release") v.release = to_double(val, where);
        else if (k == "duty") v.duty = to_double(val, where);
        else if (k == "step" && step) *step = to_double(val, where);
        else if (k == "vib" && i + 2 < last) {
            v.vibrato_hz = to_double(val, where);
            v.vibrato_depth = to_double(w[i + 2], where);
            ++i;
        } else throw SourceError(where + ": unknown setting '" + k + "'");
    }
    if (!swept) v.f1 = v.f0;
    if (v.length <= 0 || v.f0 <= 0 || v.f1 <= 0) throw SourceError(where + ": a voice needs a length and a pitch");
}

} // namespace

int note_number(const std::string& word, const std::string& where) {
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (word.size() < 2 || word[0] < 'A' || word[0] > 'G') throw SourceError(where + ": '" + word + "' is not a note");
    int n = steps[word[0] - 'A'];
    std::size_t i = 1;
    if (word[i] == '#') ++n, ++i;
    else if (word[i] == 'b') --n, ++i;
    const int octave = to_int(word.substr(i), where);
    return 12 * (octave + 1) + n;
}

double pitch_hz(const std::string& word, const std::string& where) {
    if (!word.empty() && word[0] >= 'A' && word[0] <= 'G')
        return 440.0 * std::pow(2.0, (note_number(word, where) - 69) / 12.0);
    return to_double(word, where);
}

SoundRecipe parse_sound(const Section& s) {
    SoundRecipe r;
    r.file = s.name;
    for (const SourceLine& l : s.body) {
        const std::vector<std::string> w = split_words(l.text);
        const std::string where = s.at(l);
        if (w[0] == "length" && w.size() == 2) {
            r.seconds = to_double(w[1], where);
        } else if (w[0] == "voice" && w.size() >= 2) {
            Voice v;
            v.wave = wave_named(w[1], where);
            settings(v, w, 2, w.size(), nullptr, where);
            r.voices.push_back(v);
        } else if (w[0] == "notes" && w.size() >= 2) {
            std::size_t colon = 2;
            while (colon < w.size() && w[colon] != ":") ++colon;
            if (colon + 1 >= w.size()) throw SourceError(where + ": notes end with ': PITCH ...'");
            Voice shape;
            shape.wave = wave_named(w[1], where);
            shape.f0 = 1;
            double step = 0;
            settings(shape, w, 2, colon, &step, where);
            if (step <= 0) throw SourceError(where + ": notes need a step");
            for (std::size_t i = colon + 1; i < w.size(); ++i) {
                Voice v = shape;
                v.start = shape.start + step * double(i - colon - 1);
                v.f0 = v.f1 = pitch_hz(w[i], where);
                r.voices.push_back(v);
            }
        } else {
            throw SourceError(where + ": expected length, voice or notes");
        }
    }
    if (r.seconds <= 0 || r.voices.empty()) throw SourceError(s.where + ": a sound needs a length and voices");
    return r;
}

std::vector<SoundRecipe> read_sounds(const std::string& folder) {
    std::vector<SoundRecipe> out;
    for (const std::string& f : files_in(folder, ".txt")) {
        const SourceFile src = read_source(f);
        if (!src.preamble.empty()) throw SourceError(src.where(src.preamble.front()) + ": lines before the first sound");
        for (const Section& s : src.sections) out.push_back(parse_sound(s));
    }
    return out;
}

} // namespace tsu::assetgen
