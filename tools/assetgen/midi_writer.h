// Standard MIDI files of the scores: format 1, 480 ticks a quarter note, a
// tempo track and one track per part (program, volume, pan, a little
// reverb), drums on channel 10. The end of every track falls exactly on the
// end of the last bar, so a player that starts the file over loops it
// without a gap in the beat.
#pragma once
#include "score.h"

#include <cstdint>
#include <vector>

namespace tsu::assetgen {

inline constexpr int kMidiDivision = 480;

std::vector<std::uint8_t> midi_bytes(const Song& song);

} // namespace tsu::assetgen
