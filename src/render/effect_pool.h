// The effect pool: 100 slots of short-lived effects (floating texts,
// sparks, rings, particles, lightning), kept as parallel arrays.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tsu {

inline constexpr int kEffectSlots = 100;
inline constexpr int kEffectWorkWords = 120;

struct EffectPool {
    std::array<int32_t, kEffectSlots> ef_age{};  // <= 0 free; 1 at spawn
    std::array<int32_t, kEffectSlots> ef_kind{};
    std::array<int32_t, kEffectSlots> ef_x{};
    std::array<int32_t, kEffectSlots> ef_y{};
    std::array<int32_t, kEffectSlots> ef_a{};
    std::array<int32_t, kEffectSlots> ef_b{};
    std::array<int32_t, kEffectSlots> ef_c{};
    std::array<int32_t, kEffectSlots> ef_d{};
    std::array<std::string, kEffectSlots> ef_text{};
    // Per-slot scratch of the particle kinds: word 0 is the seeded flag, then
    // particle records of 11 words from word 3 on (byte offset 12).
    std::array<std::array<int32_t, kEffectWorkWords>, kEffectSlots> ef_work{};
    int32_t effect_cursor = 0; // slot of the last spawn

    bool active(int slot) const { return ef_age[std::size_t(slot)] >= 1; }
    void free_all() { ef_age.fill(0); }
};

} // namespace tsu
