// The heroine's attacks in the collision pass: the blade, her shots, the
// invincibility ring, red and blue fire; and what a defeat brings.
#include "game/assets.h"
#include "game/game.h"
#include "game/item_spawn.h"
#include "game/reactions.h"
#include "game/treasure.h"
#include "game/weapons.h"
#include "render/effect_spawn.h"

#include <cstdlib>

namespace tsu {

namespace {

constexpr int kTekiSlots = 1000;
constexpr int kShotSlots = 30;

tman& teki_slot(Game& g, int s) { return g.teki[std::size_t(s + 1)]; }

// Enemies the heroine's weapons can hurt: alive, 1..98 hit points (99 is
// unhurtable) and not a bomb's blast.
bool eligible(const tman& t) { return t.alive >= 1 && t.hp >= 1 && t.hp <= 98 && t.kind != 8; }

int view_x(const Game& g, const tman& t) { return t.x - g.scroll; }
int centre(int cell) { return cell * kCell + 10; }

// One point of damage with its spark and sound; at 0 hit points, a defeat.
void hurt(Game& g, int slot, int spark, const char* sound, DefeatBy by) {
    tman& t = teki_slot(g, slot);
    spawn_effect(g, centre(view_x(g, t)), centre(t.y), spark, "");
    t.hp -= 1;
    play_se(g, sound);
    if (t.hp == 0) defeat(g, slot, by);
}

void blade(Game& g) {
    tmy& my = g.my;
    if (my.swing < 1 || my.lives <= 0 || g.mode != 1) return;
    const int n = my.swing == 2 ? 3 : my.swing == 3 ? 2 : 1;
    auto in_reach = [&](int x, int y) { return y == my.y && x >= my.x + 1 && x <= my.x + n; };
    // The blade cancels enemy shots.
    for (int r = 1; r <= 100; ++r) {
        tman& s = g.teki_shot[std::size_t(r)];
        if (s.alive != 1 || !in_reach(s.x, s.y)) continue;
        s.alive = 0;
        spawn_effect(g, centre(s.x), centre(s.y), 163, "");
    }
    for (int slot = 0; slot < kTekiSlots; ++slot) {
        tman& t = teki_slot(g, slot);
        if (t.alive < 1 || t.hp < 1 || t.hp > 98 || !in_reach(view_x(g, t), t.y)) continue;
        spawn_effect(g, centre(view_x(g, t)), centre(t.y), 163, "");
        t.hp = 0;
        play_se(g, "baku.wav");
        defeat(g, slot, DefeatBy::blade);
    }
    for (int r = 1; r <= 99; ++r) {
        tman& it = g.item[std::size_t(r)];
        if (it.alive < 1 || it.kind != 11 || !in_reach(it.x - g.scroll, it.y)) continue;
        it.alive = 0;
        open_bag(g, it.x - g.scroll, it.y);
    }
    const int far = my.x + n;
    const int upper = g.view_cell(far, my.y).upper;
    if (upper == 6) open_treasure_box(g, far, my.y);
    if (upper == 8) break_ice_block(g, far, my.y);
}

void shots_against_enemies(Game& g) {
    for (int slot = 0; slot < kTekiSlots; ++slot) {
        for (int k = 1; k <= kShotSlots; ++k) {
            tman& t = teki_slot(g, slot);
            tman& s = g.shot[std::size_t(k)];
            if (s.alive < 1 || s.x >= 26 || t.alive < 1) continue;
            const bool comment = s.kind == 5;
            const bool touch = comment ? t.x <= s.x + g.scroll && std::abs(t.y - s.y) <= 6
                                       : t.x == s.x + g.scroll && t.y == s.y;
            if (!touch || !eligible(t) || g.mode != 1) continue;
            if (s.kind != 5 && s.kind != 6) s.alive = 0;
            hurt(g, slot, 163, "baku.wav", comment ? DefeatBy::comment : DefeatBy::shot);
        }
    }
}

// Shots open treasure boxes, break ice and open bags where they fly.
void shots_against_boxes(Game& g) {
    const tmy& my = g.my;
    for (int k = 1; k <= kShotSlots; ++k) {
        tman& s = g.shot[std::size_t(k)];
        if (s.alive != 1 || s.x >= 26) continue;
        const bool passes = s.kind == 5 || s.kind == 6;
        const int upper = g.view_cell(s.x, s.y).upper;
        if (upper == 6 || upper == 8) {
            if (!passes) s.alive = 0;
            if (upper == 6)
                open_treasure_box(g, s.x, s.y);
            else
                break_ice_block(g, s.x, s.y);
            continue;
        }
        // A bag opens to a shot unless she stands in its cell herself.
        if (s.x == my.x && s.y == my.y) continue;
        for (int r = 1; r <= 99; ++r) {
            tman& it = g.item[std::size_t(r)];
            if (it.alive < 1 || it.kind != 11 || it.x != s.x + g.scroll || it.y != s.y) continue;
            it.alive = 0;
            if (!passes) s.alive = 0;
            open_bag(g, s.x, s.y);
            break;
        }
    }
}

// Hurts every eligible enemy standing in a cell the predicate accepts.
template <class InArea>
void area_attack(Game& g, InArea in_area, int spark, const char* sound, DefeatBy by) {
    for (int slot = 0; slot < kTekiSlots; ++slot) {
        const tman& t = teki_slot(g, slot);
        if (eligible(t) && in_area(view_x(g, t), t.y)) hurt(g, slot, spark, sound, by);
    }
}

} // namespace

void attack_checks(Game& g) {
    const tmy& my = g.my;
    blade(g);
    shots_against_enemies(g);
    shots_against_boxes(g);
    if (my.muteki > 0)
        area_attack(
            g,
            [&](int x, int y) {
                return std::abs(x - my.x) <= 1 && std::abs(y - my.y) <= 1 && (x != my.x || y != my.y);
            },
            163, "baku.wav", DefeatBy::ring);
    if (my.red_fire > 0)
        area_attack(
            g, [&](int x, int y) { return y == my.y && x >= my.x + 1 && x <= my.x + 4; }, 93,
            "fire.wav", DefeatBy::red_fire);
    if (my.blue_fire > 0)
        area_attack(
            g,
            [&](int x, int y) {
                return (y == my.y || y == my.y - 1) && x >= my.x + 1 && x <= my.x + 5;
            },
            236, "fire.wav", DefeatBy::blue_fire);
}

void defeat(Game& g, int slot, DefeatBy by) {
    tmy& my = g.my;
    const tman& t = teki_slot(g, slot);
    my.kills += 1;
    if (by != DefeatBy::comment && by != DefeatBy::ring) {
        my.combo += 1;
        my.combo_timer = 40;
    }
    const int vx = view_x(g, t);
    spawn_effect(g, centre(vx), centre(t.y), 248, "");
    show_reaction(g, vx, t.y);
    // Coins by the type's own hit points: double for red fire, one more for
    // blue fire; on EASY one coin, two by fire.
    const int kind = t.kind;
    const int template_hp = kind >= 0 && kind + 1 < int(g.teki_type.size())
                                ? g.teki_type[std::size_t(kind + 1)].hp
                                : 1;
    int coins = template_hp;
    if (by == DefeatBy::red_fire) coins = 2 * template_hp;
    if (by == DefeatBy::blue_fire) coins = template_hp + 1;
    if (my.easy == 1) coins = by == DefeatBy::red_fire || by == DefeatBy::blue_fire ? 2 : 1;
    const int column = t.x, row = t.y;
    for (int i = 0; i < coins && i < 200; ++i) spawn_item(g, column, row, 10, 0);
}

} // namespace tsu
