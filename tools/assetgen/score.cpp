// The music scores of content/music/ (see score.h).
#include "score.h"

#include "sound_recipe.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tsu::assetgen {
namespace {

using Words = std::vector<std::string>;

struct Chord {
    int root = 0;              // pitch class 0..11
    int bass = -1;             // pitch class of a slash bass, -1 = the root
    std::vector<int> tones;    // intervals above the root
    double beats = 4;
};

struct WrittenNote {
    std::vector<int> notes; // empty: a rest
    double beats = 1;
    int velocity = 96;
    bool tie = false;
};

struct SectionScore {
    std::vector<Chord> chords; // in order; their beats add up to whole bars
    std::map<std::string, std::vector<std::vector<WrittenNote>>> bars; // written parts: bar by bar
    std::map<std::string, std::string> drums; // drum line -> step pattern
    std::vector<std::string> muted;
    std::map<std::string, std::string> styles;
    std::string where;
};

int pitch_class(const std::string& s, std::size_t& i, const std::string& where) {
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};
    if (i >= s.size() || s[i] < 'A' || s[i] > 'G') throw SourceError(where + ": '" + s + "' is not a chord");
    int pc = steps[s[i++] - 'A'];
    if (i < s.size() && s[i] == '#') ++pc, ++i;
    else if (i < s.size() && s[i] == 'b') --pc, ++i;
    return (pc + 12) % 12;
}

Chord parse_chord(const std::string& word, double beats, const std::string& where) {
    static const std::map<std::string, std::vector<int>> qualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},   {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},   {"dim", {0, 3, 6}},       {"sus4", {0, 5, 7}},    {"aug", {0, 4, 8}},
        {"6", {0, 4, 7, 9}},     {"m6", {0, 3, 7, 9}},     {"add9", {0, 4, 7, 14}}, {"sus2", {0, 2, 7}},
        {"m7b5", {0, 3, 6, 10}}, {"dim7", {0, 3, 6, 9}}};
    Chord c;
    c.beats = beats;
    std::size_t i = 0;
    c.root = pitch_class(word, i, where);
    const std::size_t slash = word.find('/', i);
    const std::string quality = word.substr(i, slash == std::string::npos ? std::string::npos : slash - i);
    const auto it = qualities.find(quality);
    if (it == qualities.end()) throw SourceError(where + ": unknown chord quality in '" + word + "'");
    c.tones = it->second;
    if (slash != std::string::npos) {
        std::size_t j = slash + 1;
        c.bass = pitch_class(word, j, where);
    }
    return c;
}

double length_of(const std::string& s, const std::string& where) {
    const bool dotted = s.ends_with(".");
    const std::string n = dotted ? s.substr(0, s.size() - 1) : s;
    const int d = to_int(n, where);
    if (d != 1 && d != 2 && d != 4 && d != 8 && d != 16 && d != 32)
        throw SourceError(where + ": a length is /1, /2, /4, /8, /16 or /32");
    return 4.0 / d * (dotted ? 1.5 : 1.0);
}

// One written part line: bars split by '|'.
std::vector<std::vector<WrittenNote>> parse_bars(const Words& w, std::size_t first, double meter,
                                                 const std::string& where) {
    std::vector<std::vector<WrittenNote>> bars(1);
    double length = 1;
    for (std::size_t i = first; i < w.size(); ++i) {
        std::string t = w[i];
        if (t == "|") {
            bars.emplace_back();
            continue;
        }
        WrittenNote n;
        if (const std::size_t bang = t.find('!'); bang != std::string::npos) {
            n.velocity = std::clamp(to_int(t.substr(bang + 1), where), 1, 127);
            t = t.substr(0, bang);
        }
        if (t.ends_with("~")) {
            n.tie = true;
            t.pop_back();
        }
        std::string pitches = t;
        if (const std::size_t slash = t.rfind('/'); slash != std::string::npos && slash + 1 < t.size() &&
                                                    std::isdigit(static_cast<unsigned char>(t[slash + 1]))) {
            length = length_of(t.substr(slash + 1), where);
            pitches = t.substr(0, slash);
        }
        n.beats = length;
        if (pitches.find('+') != std::string::npos) { // a chord: C4+E4+G4
            std::size_t a = 0;
            while (a <= pitches.size()) {
                const std::size_t b = std::min(pitches.find('+', a), pitches.size());
                n.notes.push_back(note_number(pitches.substr(a, b - a), where));
                a = b + 1;
            }
        } else if (pitches != "r") {
            n.notes.push_back(note_number(pitches, where));
        }
        bars.back().push_back(n);
    }
    if (bars.back().empty()) bars.pop_back();
    for (std::size_t b = 0; b < bars.size(); ++b) {
        double sum = 0;
        for (const WrittenNote& n : bars[b]) sum += n.beats;
        if (std::fabs(sum - meter) > 1e-6)
            throw SourceError(where + ": bar " + std::to_string(b + 1) + " holds " + std::to_string(sum) +
                              " beats, not " + std::to_string(int(meter)));
    }
    return bars;
}

// The notes a generated part plays over one chord.
void generate(Song& song, int part, const std::string& style, int octave, const Chord& c, double at) {
    const int base = 12 * (octave + 1);
    const int root = base + c.root;
    const int bass = base + (c.bass >= 0 ? c.bass : c.root);
    std::vector<int> tones;
    for (const int t : c.tones) tones.push_back(root + t);
    auto add = [&](double beat, double beats, int note, int velocity) {
        if (beat < at + c.beats - 1e-9)
            song.events.push_back({part, beat, std::min(beats, at + c.beats - beat), note, velocity});
    };
    const double end = at + c.beats;
    const int fifth = root + 7;
    if (style == "root8") {
        for (double b = at; b < end - 1e-9; b += 0.5) add(b, 0.45, bass, 100);
    } else if (style == "octave8") {
        int k = 0;
        for (double b = at; b < end - 1e-9; b += 0.5, ++k) add(b, 0.45, k % 2 ? bass + 12 : bass, 100);
    } else if (style == "rootfifth") {
        int k = 0;
        for (double b = at; b < end - 1e-9; b += 1, ++k) add(b, 0.9, k % 2 ? fifth - 12 : bass, 100);
    } else if (style == "walk") {
        // Root, third, fifth, third: a gentle walk through the chord.
        const std::size_t steps[] = {0, 1, 2, 1};
        int k = 0;
        for (double b = at; b < end - 1e-9; b += 1, ++k) add(b, 0.9, k % 4 == 0 ? bass : tones[steps[k % 4] % tones.size()], 95);
    } else if (style == "half") {
        for (double b = at; b < end - 1e-9; b += 2) add(b, 1.9, bass, 100);
    } else if (style == "whole") {
        add(at, c.beats, bass, 90);
    } else if (style == "pulse") {
        for (double b = at; b < end - 1e-9; b += 1) add(b, 0.6, bass, 100);
    } else if (style == "gallop") {
        for (double b = at; b < end - 1e-9; b += 1) {
            add(b, 0.45, bass, 110);
            add(b + 0.5, 0.2, bass, 80);
            add(b + 0.75, 0.2, bass, 90);
        }
    } else if (style.starts_with("up") || style.starts_with("down") || style.starts_with("updown")) {
        const double step = style.ends_with("16") ? 0.25 : 0.5;
        std::vector<int> run = tones;
        for (const int t : tones) run.push_back(t + 12);
        if (style.starts_with("down")) std::reverse(run.begin(), run.end());
        if (style.starts_with("updown"))
            for (std::size_t i = run.size() - 1; i-- > 1;) run.push_back(run[i]);
        std::size_t k = 0;
        for (double b = at; b < end - 1e-9; b += step, ++k) add(b, step * 0.9, run[k % run.size()], k % 4 ? 80 : 100);
    } else if (style == "pad") {
        for (const int t : tones) add(at, c.beats, t, 70);
    } else if (style == "stab") {
        for (double b = at + 0.5; b < end - 1e-9; b += 1)
            for (const int t : tones) add(b, 0.3, t, 85);
    } else if (style == "comp") {
        for (double b = at + 1; b < end - 1e-9; b += 2)
            for (const int t : tones) add(b, 0.5, t, 85);
    } else {
        throw SourceError("unknown style '" + style + "'");
    }
}

} // namespace

Song parse_song(const SourceFile& file, const std::string& name) {
    Song song;
    song.file = name;
    std::vector<std::string> form;
    std::map<std::string, int> part_index;
    std::map<std::string, int> drum_keys;
    std::vector<std::pair<std::string, int>> drum_order;
    double drum_level = 0.4;
    for (const SourceLine& l : file.preamble) {
        const Words w = split_words(l.text);
        const std::string at = file.where(l);
        if (w[0] == "tempo" && w.size() == 2) song.tempo = to_double(w[1], at);
        else if (w[0] == "meter" && w.size() == 2) song.meter = to_int(w[1], at);
        else if (w[0] == "format" && w.size() == 2) song.format = w[1];
        else if (w[0] == "form") form.assign(w.begin() + 1, w.end());
        else if (w[0] == "part" && w.size() >= 2 && w.size() % 2 == 0) {
            PartInfo p;
            p.name = w[1];
            for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
                const std::string& k = w[i];
                const std::string& v = w[i + 1];
                if (k == "program") p.program = to_int(v, at);
                else if (k == "channel") p.channel = to_int(v, at);
                else if (k == "volume") p.volume = to_int(v, at);
                else if (k == "pan") p.pan = to_int(v, at);
                else if (k == "style") p.style = v;
                else if (k == "octave") p.octave = to_int(v, at);
                else if (k == "wave") p.wave = v;
                else if (k == "duty") p.duty = to_double(v, at);
                else if (k == "level") p.level = to_double(v, at);
                else if (k == "decay") p.decay = to_double(v, at);
                else throw SourceError(at + ": unknown part setting '" + k + "'");
            }
            if (p.channel == 9) throw SourceError(at + ": channel 9 belongs to the drums");
            part_index[p.name] = int(song.parts.size());
            song.parts.push_back(p);
        } else if (w[0] == "drums" && w.size() % 2 == 1) {
            for (std::size_t i = 1; i + 1 < w.size(); i += 2) {
                if (w[i] == "level") {
                    drum_level = to_double(w[i + 1], at);
                    continue;
                }
                drum_keys[w[i]] = to_int(w[i + 1], at);
                drum_order.emplace_back(w[i], to_int(w[i + 1], at));
            }
        } else throw SourceError(at + ": expected tempo, meter, format, form, part or drums");
    }
    if (song.format != "mid" && song.format != "mp3") throw SourceError(file.path + ": format is mid or mp3");
    if (form.empty()) throw SourceError(file.path + ": no form");
    int drum_part = -1;
    if (!drum_keys.empty()) {
        PartInfo d;
        d.name = "drums";
        d.channel = 9;
        d.drums = true;
        d.level = drum_level;
        drum_part = int(song.parts.size());
        song.parts.push_back(d);
    }

    std::map<std::string, SectionScore> sections;
    const double meter = song.meter;
    for (const Section& s : file.sections) {
        SectionScore sc;
        sc.where = s.where;
        for (const SourceLine& l : s.body) {
            const Words w = split_words(l.text);
            const std::string at = s.at(l);
            if (w[0] == "chords") {
                for (std::size_t i = 1; i < w.size(); ++i) {
                    if (w[i] == "|") continue;
                    Words split;
                    std::size_t a = 0;
                    while (a <= w[i].size()) {
                        const std::size_t b = std::min(w[i].find(',', a), w[i].size());
                        split.push_back(w[i].substr(a, b - a));
                        a = b + 1;
                    }
                    for (const std::string& c : split) sc.chords.push_back(parse_chord(c, meter / double(split.size()), at));
                }
            } else if (w[0] == "mute") {
                sc.muted.insert(sc.muted.end(), w.begin() + 1, w.end());
            } else if (w[0] == "style" && w.size() == 3) {
                sc.styles[w[1]] = w[2];
            } else if (drum_keys.count(w[0]) && w.size() == 2) {
                sc.drums[w[0]] = w[1];
            } else if (part_index.count(w[0])) {
                auto bars = parse_bars(w, 1, meter, at);
                auto& dst = sc.bars[w[0]];
                dst.insert(dst.end(), bars.begin(), bars.end());
            } else throw SourceError(at + ": '" + w[0] + "' is no part, drum or section command");
        }
        sections[s.name] = std::move(sc);
    }

    double beat = 0;
    for (const std::string& name_ : form) {
        const auto it = sections.find(name_);
        if (it == sections.end()) throw SourceError(file.path + ": the form names no section [" + name_ + "]");
        const SectionScore& sc = it->second;
        double chord_beats = 0;
        for (const Chord& c : sc.chords) chord_beats += c.beats;
        int bars = int(std::lround(chord_beats / meter));
        for (const auto& [part, b] : sc.bars) {
            if (bars == 0) bars = int(b.size());
            if (int(b.size()) != bars)
                throw SourceError(sc.where + ": part " + part + " has " + std::to_string(b.size()) + " bars, not " +
                                  std::to_string(bars));
        }
        if (bars == 0) throw SourceError(sc.where + ": a section needs chords or written bars");
        // Written parts, with ties joined.
        for (const auto& [part, b] : sc.bars) {
            const int p = part_index.at(part);
            double t = beat;
            std::vector<std::size_t> open; // events tied into the next note
            for (const auto& bar : b)
                for (const WrittenNote& n : bar) {
                    std::vector<std::size_t> still;
                    for (const int note : n.notes) {
                        bool joined = false;
                        for (const std::size_t e : open)
                            if (song.events[e].note == note) {
                                song.events[e].beats += n.beats;
                                if (n.tie) still.push_back(e);
                                joined = true;
                            }
                        if (!joined) {
                            song.events.push_back({p, t, n.beats, note, n.velocity});
                            if (n.tie) still.push_back(song.events.size() - 1);
                        }
                    }
                    open = still;
                    t += n.beats;
                }
        }
        // Generated parts follow the chords.
        for (std::size_t p = 0; p < song.parts.size(); ++p) {
            const PartInfo& info = song.parts[p];
            if (info.drums || info.style.empty() || sc.bars.count(info.name)) continue;
            if (std::find(sc.muted.begin(), sc.muted.end(), info.name) != sc.muted.end()) continue;
            const auto st = sc.styles.find(info.name);
            const std::string style = st == sc.styles.end() ? info.style : st->second;
            double t = beat;
            for (const Chord& c : sc.chords) {
                try {
                    generate(song, int(p), style, info.octave, c, t);
                } catch (const SourceError& e) {
                    throw SourceError(sc.where + ": " + e.what());
                }
                t += c.beats;
            }
        }
        // Drums: step grids of sixteenths, repeated over the section.
        for (const auto& [line, pattern] : sc.drums) {
            const int steps = int(pattern.size());
            const int total = bars * song.meter * 4;
            for (int k = 0; k < total; ++k) {
                const char ch = pattern[std::size_t(k % steps)];
                if (ch == '.') continue;
                const int velocity = ch == 'X' ? 120 : ch == 'o' ? 70 : 100;
                song.events.push_back({drum_part, beat + k * 0.25, 0.25, drum_keys.at(line), velocity});
            }
        }
        beat += bars * meter;
    }
    song.total_beats = beat;
    for (const auto& [n, key] : drum_order) song.drum_notes.push_back(key);
    std::stable_sort(song.events.begin(), song.events.end(),
                     [](const NoteEvent& a, const NoteEvent& b) { return a.beat < b.beat; });
    return song;
}

std::vector<Song> read_songs(const std::string& folder) {
    std::vector<Song> out;
    for (const std::string& f : files_in(folder, ".txt")) {
        const SourceFile src = read_source(f);
        std::string stem = f.substr(f.find_last_of('/') + 1);
        stem = stem.substr(0, stem.size() - 4);
        Song s = parse_song(src, stem);
        s.file = stem + "." + s.format;
        out.push_back(std::move(s));
    }
    return out;
}

} // namespace tsu::assetgen
