// The enemy step: drawing, then per enemy in view gravity, its movement
// pattern, its firing pattern, blocking by walls and by other enemies, the
// defeated fall, the move itself, the bomb's fuse and the blasts' end; then
// the enemy shots.
#include "game/enemies.h"

#include "game/enemies_fire.h"
#include "game/enemies_map.h"
#include "game/enemies_occupancy.h"
#include "game/enemy_shots.h"
#include "game/game.h"
#include "game/teki_spawn.h"
#include "render/effect_spawn.h"

namespace tsu {

namespace {

constexpr int kLastViewColumn = 25;
constexpr int kLastRow = 19;

tman& teki_at(Game& g, int slot) { return g.teki[std::size_t(slot + 1)]; }

bool in_view(const Game& g, const tman& t) {
    const long long vc = static_cast<long long>(t.x) - g.scroll;
    return vc >= 0 && vc <= kLastViewColumn;
}

// A tick on which a pattern with this wait takes its step.
bool move_tick(const Game& g, const tman& t) {
    return t.move_wait >= 1 && g.frame_count % t.move_wait == 0;
}

// The movement pattern's wish for this tick, added to (dx, dy).
void pattern_move(Game& g, tman& t, int& dx, int& dy) {
    const bool step = move_tick(g, t);
    switch (t.move) {
    case 1: // walker; a floating one slips over or under a wall
        if (!step) break;
        dx = -1;
        if (t.gravity < 1 && map_solid(g, t.x - 1, t.y)) {
            if (!map_solid(g, t.x - 1, t.y - 1)) dy = -1;
            if (!map_solid(g, t.x - 1, t.y + 1)) dy = 1;
        }
        break;
    case 2: // hopper: a small hop every 20 ticks of its life
        if (step) dx = -1;
        if (t.alive % 20 == 0) t.jump = 5;
        break;
    case 3: // high hopper: a high hop every 25 ticks
        if (step) dx = -1;
        if (t.alive % 25 == 0) t.jump = 10;
        break;
    case 4: // diver
        if (step) dy = 1;
        break;
    case 5: // zigzag: down for three columns, up for three
        if (!step) break;
        dx = -1;
        dy = (t.x % 6 + 6) % 6 < 3 ? 1 : -1;
        break;
    case 6: { // chaser: towards the heroine on both axes
        if (!step) break;
        const int hx = g.my.x + g.scroll;
        if (hx < t.x) dx = -1;
        if (hx > t.x) dx = 1;
        if (g.my.y < t.y) dy = -1;
        if (g.my.y > t.y) dy = 1;
        break;
    }
    default: // 0 and unknown patterns stand still
        break;
    }
}

// Walls first, then every other standing enemy (a blast or a falling enemy
// does not block). Enemies earlier in slot order have already moved.
void block(const Game& g, const EnemyOccupancy& occupancy, int slot, const tman& t, int& dx,
           int& dy) {
    if (map_solid(g, t.x + dx, t.y)) dx = 0;
    if (map_solid(g, t.x, t.y + dy)) dy = 0;
    if (dx != 0 && occupancy.blocked(t.x + dx, t.y, slot)) dx = 0;
    if (dy != 0 && occupancy.blocked(t.x, t.y + dy, slot)) dy = 0;
}

void burst(Game& g, EnemyOccupancy& occupancy, tman& bomb) {
    const int x = bomb.x, y = bomb.y;
    bomb.alive = 0;
    spawn_effect(g, (x - g.scroll) * kCell + kCell / 2, y * kCell + kCell / 2, kBurstEffect, "");
    // Its own cell, then left, right, above and below.
    static constexpr int kAround[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : kAround) {
        spawn_teki(g, x + d[0], y + d[1], kBlastType);
        occupancy.refresh(g.teki_next); // a full pool may have given up a standing enemy
    }
}

} // namespace

void draw_enemies(Game& g) {
    for (int s = 0; s < kTekiSlots; ++s) {
        const tman& t = teki_at(g, s);
        if (t.alive < 1 || t.kind == kBlastType || !in_view(g, t)) continue;
        if (t.image < 0 || t.image >= int(g.cg_img.size())) continue; // no such sprite
        if (t.y < -2 || t.y > kLastRow + 2) continue; // far off the view (bad data)
        const int cx = (t.x - g.scroll) * kCell + kCell / 2, cy = t.y * kCell + kCell / 2;
        const Rect r{cx - t.size, cy - t.size, cx + t.size, cy + t.size};
        const Bitmap& sprite = g.cg_img[std::size_t(t.image)];
        if (t.hp < 1)
            g.cg.stretch_draw_flipped(r, sprite); // defeated: upside down
        else
            g.cg.stretch_draw(r, sprite);
    }
}

void step_enemy(Game& g, int slot, EnemyOccupancy& occupancy) {
    tman& t = teki_at(g, slot);
    if (t.alive < 1 || !in_view(g, t)) return; // outside the view it waits, frozen
    t.alive += 1;
    int dx = 0, dy = 0;

    if (t.gravity >= 1) {
        if (t.jump < 1) {
            if (!map_solid(g, t.x, t.y + 1)) dy = 1;
        } else {
            t.jump -= 1;
            if (!map_solid(g, t.x, t.y - 1)) dy = -1;
        }
    }
    if (t.hp > 0) {
        pattern_move(g, t, dx, dy);
        enemy_fire(g, slot);
        occupancy.refresh(g.teki_next); // what it may have spawned
    }
    block(g, occupancy, slot, t, dx, dy);
    if (t.hp < 1) dy = 1; // defeated: falls one row a tick through anything

    t.x += dx;
    t.y += dy;
    if (t.x < 0 || t.y > kLastRow)
        t.alive = 0;
    else if (t.y < 0)
        t.y = 0;

    if (t.alive >= 1 && t.kind == kBombType && t.alive >= kBombFuse)
        burst(g, occupancy, t);
    else if (t.alive >= 1 && t.kind == kBlastType && t.alive >= kBlastLife)
        t.alive = 0;
    occupancy.refresh(slot);
}

void enemy_step(Game& g) {
    if (g.mode != 1 || g.editor) return;
    draw_enemies(g);
    EnemyOccupancy occupancy(g);
    for (int s = 0; s < kTekiSlots; ++s) step_enemy(g, s, occupancy);
    enemy_shot_step(g);
}

} // namespace tsu
