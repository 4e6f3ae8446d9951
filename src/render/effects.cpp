// The effect renderer's walk over the pool: for each active slot in slot
// order, advance the age, apply the bounce, draw by the kind's table entry
// and run the kind's end rule. What a kind looks like lives with its family.
#include "render/effects.h"

#include "game/game.h"
#include "render/effect_kind.h"

#include <cstdint>
#include <limits>

namespace tsu {

EffectPool& EffectSlot::pool() const { return g.effects; }

int bounce_offset(int age) {
    // Offsets for ages 0..9; 10..99 sink by 1, older ones stand still.
    static constexpr int kJump[10] = {-12, -12, -10, 6, 4, -3, -2, 3, 2, -1};
    if (age >= 0 && age <= 9) return kJump[age];
    if (age >= 10 && age <= 99) return 1;
    return 0;
}

namespace {

// A slot that never ends (a kind without an end rule) keeps aging; stop at the
// top of the range instead of wrapping.
void age_by_one(int32_t& age) {
    if (age < std::numeric_limits<int32_t>::max()) age += 1;
}

bool ends_now(const EffectKind& k, const EffectSlot& s, bool drawer_says_end) {
    switch (k.end) {
    case EffectEnd::after_age: return s.age() > k.limit;
    case EffectEnd::y_at_most: return s.y() <= k.limit;
    case EffectEnd::by_drawer: return drawer_says_end;
    case EffectEnd::never: return false;
    }
    return false;
}

} // namespace

void draw_effects(Game& g) {
    EffectPool& p = g.effects;
    const bool odd_frame = g.frame_count % 2 != 0;
    for (std::size_t i = 0; i < std::size_t(kEffectSlots); ++i) {
        if (p.ef_age[i] < 1) continue;
        const EffectKind* k = find_effect_kind(p.ef_kind[i]);
        if (k == nullptr || !k->half_speed || odd_frame) age_by_one(p.ef_age[i]);
        if (k == nullptr) continue; // draws nothing, keeps its slot
        EffectSlot s{g, *k, k->layer == EffectLayer::light ? g.bak : g.cg, i, p.ef_x[i], p.ef_y[i],
                     bounce_offset(p.ef_age[i])};
        if (k->bounces) p.ef_y[i] += s.bounce;
        const bool drawer_says_end = k->draw != nullptr && k->draw(s);
        if (ends_now(*k, s, drawer_says_end)) {
            p.ef_age[i] = k->end_value;
            if (k->clears_text) p.ef_text[i].clear();
        } else if (k->bounces) {
            age_by_one(p.ef_age[i]); // the bouncing texts age two per tick
        }
    }
}

} // namespace tsu
