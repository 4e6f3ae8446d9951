// The collision pass and the hit. Contact is by cell: the heroine keeps a
// view column, enemies a map column, enemy shots a view column.
#include "game/collision.h"

#include "game/assets.h"
#include "game/consolation_texts.h"
#include "game/enemies.h"
#include "game/enemy_shots.h"
#include "game/game.h"
#include "game/items.h"
#include "game/stage_end.h"
#include "game/weapons.h"
#include "render/effect_spawn.h"

namespace tsu {

void spike_floor_check(Game& g) {
    const tmy& my = g.my;
    if (g.view_cell(my.x, my.y + 1).lower == kSpikeChip && my.blink == 1 && my.lives > 0) hit(g);
}

void enemy_contact_check(Game& g) {
    const int column = g.my.x + g.scroll;
    for (int r = 1; r <= kTekiSlots; ++r) {
        const tman& t = g.teki[std::size_t(r)];
        if (t.alive < 1 || t.x != column || t.y != g.my.y) continue;
        // A defeated enemy falls harmlessly; the ring keeps her safe; after
        // a hit the blink keeps her safe.
        if (g.my.lives > 0 && t.hp > 0 && g.my.blink == 1 && g.my.muteki == 0) hit(g);
    }
}

void enemy_shot_check(Game& g) {
    for (int r = 1; r <= kTekiShotRecords; ++r) {
        const tman& s = g.teki_shot[std::size_t(r)];
        if (s.alive != 1 || s.x != g.my.x || s.y != g.my.y) continue;
        // The shot flies on after hitting her.
        if (g.my.blink == 1 && g.mode == 1 && g.my.muteki == 0) hit(g);
    }
}

void collision_pass(Game& g) {
    if (g.mode != 1 || g.editor) return;
    // Each sub-step has its own guards: after a fatal hit the mode is no
    // longer 1 and the later ones find nothing to do.
    spike_floor_check(g);
    enemy_contact_check(g);
    enemy_shot_check(g);
    attack_checks(g);
    item_pickups(g);
    goal_test(g);
}

void hit(Game& g) {
    tmy& my = g.my;
    if (my.love > 0) {
        // The love note takes the hit; right after one it ignores hits.
        if (g.love_guard > 0) return;
        play_se(g, "down3.wav");
        my.love -= kLoveCost;
        g.love_guard = kLoveGuard;
        return;
    }
    my.combo = 0;
    my.misses += 1;
    spawn_effect(g, my.x * kCell + kCell / 2, my.y * kCell + kCell / 2, kHitEffect, "");
    my.blink = kHitBlink;
    if (!g.test_play) my.lives -= 1;
    my.target_x = my.x; // she stops walking
    my.jump = 0;        // and a jump is cut short
    play_se(g, "damage.wav");
    show_consolation_texts(g);
    if (my.lives <= 0) game_over(g);
}

} // namespace tsu
