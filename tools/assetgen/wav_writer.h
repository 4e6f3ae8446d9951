// Writing sound effects as WAV files: 16-bit PCM, mono.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tsu::assetgen {

inline constexpr int kSampleRate = 22050;

// The complete file: RIFF header, "fmt " chunk (PCM, 1 channel, 16 bits)
// and the "data" chunk.
std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate = kSampleRate);
bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples, std::string* error);

} // namespace tsu::assetgen
