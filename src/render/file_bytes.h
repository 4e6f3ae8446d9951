// Whole-file reading and writing for the picture loaders and savers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

// Reads the whole file; false (with the reason) when it is missing,
// unreadable or larger than max_bytes.
bool read_file_bytes(const std::string& path, std::vector<std::uint8_t>& out, std::size_t max_bytes,
                     std::string* error);
bool write_file_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* error);

// Largest picture the loaders accept, in pixels per side.
inline constexpr int kMaxPictureSide = 8192;

} // namespace tsu
