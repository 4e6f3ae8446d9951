// The weapon keys of the tick (Z throw, C invincibility, A clones) and the
// S key's comment barrage.
#include "game/assets.h"
#include "game/game.h"
#include "game/weapons.h"
#include "render/effect_spawn.h"

namespace tsu {

void z_action(Game& g) {
    tmy& my = g.my;
    // Holding Right throws from the next column.
    const int tx = g.key_right != 0 ? my.x + 1 : my.x;
    if (my.kantsu > 0) {
        spawn_shot(g, tx, my.y, 6);
    } else if (my.kunai > 0) {
        spawn_shot(g, tx, my.y, 2);
        spawn_shot(g, my.x, my.y, 3);
        spawn_shot(g, my.x, my.y, 4);
    } else if (my.blade > 0) {
        if (my.swing != 0) return; // a press during a swing does nothing
        my.swing = 4;
    } else {
        spawn_shot(g, tx, my.y, 0);
    }
    my.throws += 1;
}

void c_action(Game& g) {
    tmy& my = g.my;
    my.combo = 0;
    if (my.muteki != 0 || my.muteki_stock <= 0) return;
    play_se(g, "nine.wav");
    my.muteki = 120;
    my.muteki_stock -= 1;
    for (int kind : {125, 126, 127, 128, 159, 167})
        spawn_effect(g, 20 * my.x + 10, 20 * my.y + 10, kind, "");
    my.ring_v = 100;
    my.ring_r = 500;
}

void a_action(Game& g) {
    tmy& my = g.my;
    my.combo = 0;
    if (my.bunshin_stock <= 0) return;
    play_se(g, "yo.wav");
    for (int c = 0; c <= 25; ++c) spawn_shot(g, c, 0, 1);
    my.bunshin_stock -= 1;
}

void s_technique(Game& g) {
    tmy& my = g.my;
    if (my.danmaku_stock < 1) return;
    play_se(g, "yo.wav");
    my.combo = 0;
    // Rows 20..25 leave the view on their first step; the pool overflows,
    // so later comments take the places of earlier ones.
    for (int i = 0; i <= 25; ++i) spawn_shot(g, 25 + g.rnd(20), i, 5);
    for (int j = 0; j <= 25; ++j)
        if (g.rnd(5) == 0) spawn_shot(g, 35 + g.rnd(20), j, 5);
    my.danmaku_stock -= 1;
}

} // namespace tsu
