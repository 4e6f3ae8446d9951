// The effect pool's spawns. Slots are taken in ring order whatever their
// state, except that a few long-running kinds keep their slot.
#include "render/effect_spawn.h"

#include "game/game.h"

namespace tsu {

namespace {
int advance_cursor(EffectPool& p) {
    p.effect_cursor += 1;
    if (p.effect_cursor >= kEffectSlots) p.effect_cursor = 0;
    return p.effect_cursor;
}
} // namespace

void spawn_effect(Game& g, int x, int y, int kind, const std::string& text) {
    // Scrolling comments are the "text effects" option.
    if (g.my.effect_off == 1 && kind == 106) return;
    EffectPool& p = g.effects;
    const auto i = std::size_t(advance_cursor(p));
    if (p.ef_age[i] >= 1) {
        const int k = p.ef_kind[i];
        if (k == 173 || k == 0 || k == 4 || k == 177) return;
    }
    p.ef_age[i] = 1;
    p.ef_x[i] = x;
    p.ef_y[i] = y;
    p.ef_a[i] = 0;
    p.ef_b[i] = 0;
    p.ef_c[i] = x;
    p.ef_d[i] = y;
    p.ef_kind[i] = kind;
    p.ef_text[i] = text;
    p.ef_work[i][0] = 0;
}

void spawn_segment_effect(Game& g, int sx, int sy, int tx, int ty, int kind) {
    EffectPool& p = g.effects;
    const auto i = std::size_t(advance_cursor(p));
    if (p.ef_age[i] >= 1 && p.ef_kind[i] == 173) return;
    p.ef_age[i] = 1;
    p.ef_x[i] = tx;
    p.ef_y[i] = ty;
    p.ef_a[i] = sx;
    p.ef_c[i] = sx;
    p.ef_b[i] = sy;
    p.ef_d[i] = sy;
    p.ef_kind[i] = kind;
    p.ef_work[i][0] = 0;
}

} // namespace tsu
