// The music scores of content/music/: one track a file, written as
// sections of bars that a form strings together. Melodies are written note
// by note; bass, arpeggio and pad parts can instead follow the section's
// chords in a style; drums are step grids.
//
//   tempo 144                  quarter notes a minute
//   meter 4                    quarter notes a bar
//   format mid                 mid: a standard MIDI file; mp3: rendered and encoded
//   form A A B A C             the sections in playing order
//   part lead program 80 channel 0 volume 100 pan 64 wave square duty 0.25 level 0.5
//   part bass program 38 channel 1 style rootfifth octave 2 wave triangle level 0.8
//   drums kick 36 snare 38 hat 42 open 46 crash 49 tom 45 level 0.4
//
//   [A]
//   chords C Am F G,G7         one chord a bar; "G,G7" splits a bar in two
//   lead E5/8 G5/8 C6/4 r/2 | D6/2. C6/4 | ...
//   kick  x.......x.......     one character a sixteenth, repeated every bar
//   mute arp                   generated parts silent in this section
//   style bass half            a generated part's style in this section
//
// Notes: C4 is middle C (MIDI 60); '#' and 'b' alter; r is a rest. A length
// /1 /2 /4 /8 /16 (a '.' adds half) stays in force until the next one; '~'
// after a length ties the note into the next. C4+E4+G4/2 is a chord. A
// note's velocity can follow as !NN (1..127). Bars are split by '|', and
// every written bar must fill the meter.
#pragma once
#include "source_text.h"

#include <string>
#include <vector>

namespace tsu::assetgen {

struct PartInfo {
    std::string name;
    int program = 0, channel = 0, volume = 100, pan = 64;
    std::string style;     // empty: written note by note
    int octave = 4;        // of a generated part's lowest notes
    std::string wave = "square";
    double duty = 0.5, level = 0.5;
    double decay = 0;      // rendered envelope: 0 held, 1 and more plucked
    bool drums = false;
};

struct NoteEvent {
    int part = 0;
    double beat = 0, beats = 0; // start and length in quarter notes
    int note = 60, velocity = 96;
};

struct Song {
    std::string file;      // e.g. "kaze.mid"
    std::string format;    // "mid" or "mp3"
    double tempo = 120;
    int meter = 4;
    double total_beats = 0;
    std::vector<PartInfo> parts;
    std::vector<int> drum_notes; // per drum line of a section: the MIDI key
    std::vector<NoteEvent> events;

    double seconds() const { return total_beats * 60.0 / tempo; }
};

Song parse_song(const SourceFile& file, const std::string& name);
std::vector<Song> read_songs(const std::string& folder); // every .txt file in it

} // namespace tsu::assetgen
