// The families of effect kinds. Each family lists its kinds in its own file;
// a new family adds its list here and in the registry (effect_kinds.cpp).
#pragma once
#include "render/effect_kind.h"

#include <span>

namespace tsu {

std::span<const EffectKind> rising_text_kinds();   // 1, 2, 4, 5, 8, 301..312
std::span<const EffectKind> bouncing_text_kinds(); // 13..19, 97..100, 199, 299
std::span<const EffectKind> moving_text_kinds();   // 6, 106, 107

} // namespace tsu
