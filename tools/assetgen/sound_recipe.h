// The sound-effect recipes of content/sounds/: each [file.wav] section
// gives the length of the sound and its voices.
//
//   [coin.wav]
//   length 0.32                                   seconds
//   voice square at 0 len 0.06 pitch B5 decay 1
//   voice square at 0.06 len 0.25 pitch E6 decay 4
//   notes triangle at 0 step 0.07 len 0.1 decay 2 : C5 E5 G5
//
// Voice settings, each a word and its value: at (start, s), len (s),
// pitch (a note like C5, F#4, Bb3, or Hz), to (the pitch at the end: a
// sweep), vol, attack (s), decay (1 linear fade, higher faster, 0 held),
// release (s), duty (square), vib (two values: Hz and depth). Waves:
// square, triangle, sine, saw, noise (its pitch is how often it changes).
// `notes` plays its pitches one after another, `step` seconds apart.
#pragma once
#include "source_text.h"
#include "synth.h"

#include <string>
#include <vector>

namespace tsu::assetgen {

struct SoundRecipe {
    std::string file;
    double seconds = 0;
    std::vector<Voice> voices;
};

// Frequency of a note name ("A4" is 440 Hz) or of a number in Hz.
double pitch_hz(const std::string& word, const std::string& where);
// MIDI note number of a note name (C4 = 60).
int note_number(const std::string& word, const std::string& where);

SoundRecipe parse_sound(const Section& section);
std::vector<SoundRecipe> read_sounds(const std::string& folder); // every .txt file in it

} // namespace tsu::assetgen
