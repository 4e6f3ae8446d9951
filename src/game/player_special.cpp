// The heroines' X specials and their gauge: the first heroine's warp to the
// top row, the second heroine's tank, the third heroine's blocks with their
// heat, and the per-tick decay of the gauge (my.sp_timer).
#include "game/assets.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/player.h"
#include "render/effect_spawn.h"

#include <array>

namespace tsu {

namespace {

constexpr int kLocked = 60;        // gauge after a warp or an overheat
constexpr int kFuelFull = 70;
constexpr int kHeatLimit = 25;     // a block needs the heat at or below this
constexpr int kWarpEffect = 146;
constexpr int kBlockEffect = 262;

// Heat a block adds, by the heat before it: values up to `below_or_at`
// add lo..hi (uniform).
struct HeatBand {
    int below_or_at;
    int lo, hi;
};
constexpr std::array<HeatBand, 4> kHeat{{
    {9, 3, 7},
    {19, 4, 10},
    {22, 5, 13},
    {25, 0, 0}, // near the limit a block costs nothing, but 25 itself overheats below
}};

int centre(int cell) { return cell * kCell + kCell / 2; }

void warp(Game& g) {
    tmy& my = g.my;
    if (my.sp_timer != 0) return;
    play_se(g, "powan.wav");
    spawn_effect(g, centre(my.x), centre(my.y), kWarpEffect, "");
    my.y = 0; // she reappears in the top row of the same column
    my.sp_timer = kLocked;
}

void top_up(Game& g) {
    if (g.my.fuel < kFuelFull) return;
    play_se(g, "powan.wav");
    g.my.fuel = kFuelFull - 1;
}

void place_block(Game& g) {
    tmy& my = g.my;
    if (my.sp_timer > kHeatLimit) return;
    const bool free_below = !is_solid(g, my.x, my.y + 1) && block_at(g, my.x, my.y + 1) == 0;
    const int r = free_below ? my.y + 1 : my.y;
    if (block_at(g, my.x, r) != 0 || is_solid(g, my.x, my.y - 1)) return;
    play_se(g, "15.wav");
    g.block_next += 1;
    if (g.block_next > 99) g.block_next = 0;
    spawn_effect(g, centre(my.x), centre(r), kBlockEffect, "");
    for (const HeatBand& band : kHeat) {
        if (my.sp_timer <= band.below_or_at) {
            if (band.hi > 0) my.sp_timer += band.lo + g.rnd(band.hi - band.lo + 1);
            break;
        }
    }
    if (my.sp_timer >= kHeatLimit) my.sp_timer = kLocked; // overheated
    tman& b = g.block[std::size_t(g.block_next + 1)];
    b.x = my.x;
    b.y = r;
    b.alive = 1;
}

} // namespace

void x_special(Game& g) {
    // The editor shares mode 1 but has no heroine on the stage.
    if (g.editor) return;
    switch (g.chara) {
    case 0: warp(g); break;
    case 1: top_up(g); break;
    case 2: place_block(g); break;
    default: break;
    }
}

void gauge_decay(Game& g) {
    int32_t& t = g.my.sp_timer;
    if (t <= 0) return;
    if (g.chara == 0) {
        t -= 1;
    } else if (g.chara == 2) {
        // Each check sees the value the previous one left.
        const int32_t f = g.frame_count;
        if (t > 24) t -= 1;
        if (t >= 20 && t <= 24 && f % 2 == 0) t -= 1;
        if (t >= 15 && t <= 19 && f % 3 == 0) t -= 1;
        if (t <= 14 && f % 4 == 0) t -= 1;
    }
}

} // namespace tsu
