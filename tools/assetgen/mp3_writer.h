// MP3 files of the rendered tracks through libmp3lame: 44100 Hz joint
// stereo at 160 kbit/s, with the encoder's info tag so players can trim
// its start-up delay and the track loops tightly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tsu::assetgen {

// Interleaved stereo 16-bit frames at `rate` into the bytes of an MP3 file;
// empty with the reason in `error` when the encoder fails.
std::vector<std::uint8_t> mp3_bytes(const std::vector<std::int16_t>& stereo, int rate, std::string* error);

} // namespace tsu::assetgen
