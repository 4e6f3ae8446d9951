// The registry of effect kinds: every family's list gathered into one table
// indexed by kind number, built once.
#include "render/effect_families.h"

#include <array>
#include <cstddef>

namespace tsu {

namespace {

using KindTable = std::array<const EffectKind*, std::size_t(kMaxEffectKind) + 1>;

KindTable build_table() {
    KindTable t{};
    for (const auto family :
         {rising_text_kinds(), bouncing_text_kinds(), moving_text_kinds(), square_kinds(),
          dot_ring_kinds(), shock_ring_kinds(), twinkle_kinds(), line_kinds(), glow_kinds(),
          heart_kinds(), lightning_kinds(), particle_kinds(), big_picture_kinds(), shake_kinds()})
        for (const EffectKind& k : family)
            if (k.kind >= 0 && k.kind <= kMaxEffectKind) t[std::size_t(k.kind)] = &k;
    return t;
}

} // namespace

const EffectKind* find_effect_kind(int32_t kind) {
    static const KindTable table = build_table();
    if (kind < 0 || kind > kMaxEffectKind) return nullptr;
    return table[std::size_t(kind)];
}

} // namespace tsu
