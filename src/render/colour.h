// Colours of the software canvas: 0xFFRRGGBB (ARGB8888, alpha always opaque).
#pragma once
#include <cstdint>

namespace tsu {

using Colour = std::uint32_t;

// Builds a canvas colour from the #RRGGBB value the game's tables use.
constexpr Colour rgb(std::uint32_t rrggbb) { return 0xFF000000u | (rrggbb & 0x00FFFFFFu); }
constexpr Colour rgb(int r, int g, int b) {
    return 0xFF000000u | (std::uint32_t(r & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) |
           std::uint32_t(b & 0xFF);
}
constexpr std::uint32_t rrggbb(Colour c) { return c & 0x00FFFFFFu; }

inline constexpr Colour kBlack = rgb(0x000000);
inline constexpr Colour kWhite = rgb(0xFFFFFF);

} // namespace tsu
