// Renders a score with the chiptune synthesizer into stereo samples, for
// the tracks shipped as MP3: each part's notes become voices of its wave,
// drums become noise bursts and falling triangle thumps.
#pragma once
#include "score.h"

#include <cstdint>
#include <vector>

namespace tsu::assetgen {

inline constexpr int kMusicRate = 44100;

// Interleaved left/right 16-bit frames, exactly the song's length, peaks
// at 89 % of full scale.
std::vector<std::int16_t> render_song(const Song& song);

} // namespace tsu::assetgen
