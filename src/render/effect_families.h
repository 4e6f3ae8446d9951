// The families of effect kinds. Each family lists its kinds in its own file;
// a new family adds its list here and in the registry (effect_kinds.cpp).
#pragma once
#include "render/effect_kind.h"

#include <span>

namespace tsu {

std::span<const EffectKind> rising_text_kinds();   // 1, 2, 4, 5, 8, 301..312
std::span<const EffectKind> bouncing_text_kinds(); // 13..19, 97..100, 199, 299
std::span<const EffectKind> moving_text_kinds();   // 6, 106, 107

std::span<const EffectKind> square_kinds();      // 3, 9, 27, 32, 55, 116
std::span<const EffectKind> dot_ring_kinds();    // 10..12, 21, 41.., 236: rings of dots
std::span<const EffectKind> shock_ring_kinds();  // 34, 36, 88, 96
std::span<const EffectKind> twinkle_kinds();     // 66, 178
std::span<const EffectKind> line_kinds();        // 53.., 174: fans, flames, scratches
std::span<const EffectKind> glow_kinds();        // 468, 139, ...: glows, puffs, spatters
std::span<const EffectKind> heart_kinds();       // 129, 229
std::span<const EffectKind> lightning_kinds();   // 90, 135, 137, 166
std::span<const EffectKind> particle_kinds();    // the seeded particle kinds
std::span<const EffectKind> big_picture_kinds(); // 7
std::span<const EffectKind> shake_kinds();       // 250

} // namespace tsu
