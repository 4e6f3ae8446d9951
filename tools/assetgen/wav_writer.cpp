// Writing sound effects as WAV files: 16-bit PCM, mono, little-endian.
#include "wav_writer.h"

#include "render/file_bytes.h"

namespace tsu::assetgen {
namespace {

void put(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}
void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

} // namespace

std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate) {
    const auto data = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + data);
    put(b, "RIFF");
    put32(b, 36 + data);
    put(b, "WAVE");
    put(b, "fmt ");
    put32(b, 16);                      // chunk size
    put16(b, 1);                       // PCM
    put16(b, 1);                       // mono
    put32(b, std::uint32_t(rate));
    put32(b, std::uint32_t(rate) * 2); // bytes per second
    put16(b, 2);                       // bytes per frame
    put16(b, 16);                      // bits per sample
    put(b, "data");
    put32(b, data);
    for (const std::int16_t s : samples) put16(b, std::uint16_t(s));
    return b;
}

bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples, std::string* error) {
    return write_file_bytes(path, wav_bytes(samples), error);
}

} // namespace tsu::assetgen
