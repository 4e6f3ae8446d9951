// Items on the stage: they stack and fall, are drawn, and are taken when the
// heroine steps into their cell; and the love note's shield per tick.
#include "game/items.h"

#include "game/assets.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/power_up_texts.h"
#include "game/score.h"
#include "render/effect_spawn.h"

#include <algorithm>
#include <array>

namespace tsu {

namespace {

constexpr int kItemSlots = 99; // slots 0..98 = rows 1..99

tman& item_slot(Game& g, int s) { return g.item[std::size_t(s + 1)]; }

// Sprite of an item kind; the blade looks like the heroine's own weapon.
int item_sprite(const Game& g, int kind) {
    static constexpr std::array<int, 19> kSprites = {25, 26, 27, 28, 41, 30, 36, 37, 38, 42,
                                                     44, 40, 45, 46, 53, 74, 43, 80, 84};
    if (kind == 12) return g.chara == 1 ? 68 : g.chara == 2 ? 93 : 45;
    if (kind < 0 || kind >= int(kSprites.size())) return -1;
    return kSprites[std::size_t(kind)];
}

bool item_in_cell(Game& g, int self, int x, int y) {
    for (int s = 0; s < kItemSlots; ++s) {
        if (s == self) continue;
        const tman& o = item_slot(g, s);
        if (o.alive >= 1 && o.x == x && o.y == y) return true;
    }
    return false;
}

void draw_item(Game& g, const tman& it) {
    const int sprite = item_sprite(g, it.kind);
    if (sprite < 0) return;
    const int cx = (it.x - g.scroll) * kCell + 10;
    const int cy = it.y * kCell + 10;
    g.cg.stretch_draw(Rect{cx - it.size, cy - it.size, cx + it.size, cy + it.size},
                      g.cg_img[std::size_t(sprite)]);
}

void power_up_texts(Game& g, PowerUp p) {
    const int n = 2 + g.rnd(2);
    for (int i = 0; i < n; ++i)
        spawn_effect(g, 0, 0, 106, power_up_text(p, g.rnd(power_up_text_count(p)), g.chara));
}

void label(Game& g, const char* text) {
    spawn_effect(g, 20 * g.my.x + 5 + g.rnd(11), 20 * g.my.y - 45, 17, text);
}

void at_her(Game& g, int kind) { spawn_effect(g, 20 * g.my.x + 10, 20 * g.my.y, kind, ""); }

// Taking one weapon power-up ends the other four.
void weapon(Game& g, int32_t tmy::*timer, int value) {
    tmy& my = g.my;
    my.red_fire = my.blade = my.kunai = my.kantsu = my.blue_fire = 0;
    my.*timer = value;
}

void stock_up(int32_t& stock) { stock = std::min(stock + 1, 3); }

void take(Game& g, int kind) {
    tmy& my = g.my;
    switch (kind) {
    case 0:
    case 4:
    case 9:
        play_se(g, "coin.wav");
        add_gold(g, kind == 0 ? 10 : kind == 4 ? 20 : 5);
        break;
    case 1:
    case 2:
    case 3:
    case 10:
        play_se(g, "cry.wav");
        add_gold(g, kind == 1 ? 50 : kind == 3 ? 200 : 100);
        break;
    case 5:
        play_se(g, "fire2.wav");
        at_her(g, 118);
        weapon(g, &tmy::red_fire, 200);
        power_up_texts(g, PowerUp::red_fire);
        break;
    case 6:
    case 7:
    case 15:
        play_se(g, "item.wav");
        at_her(g, 66);
        stock_up(kind == 6 ? my.bunshin_stock : kind == 7 ? my.muteki_stock : my.danmaku_stock);
        label(g, kind == 6 ? "分身の術 +1" : kind == 7 ? "無敵の術 +1" : "弾幕の術 +1");
        break;
    case 8:
        play_se(g, "kaifuku.wav");
        at_her(g, 129);
        my.lives = std::min(my.lives + 1, 7);
        label(g, "残機 +1");
        break;
    case 12:
        play_se(g, "item2.wav");
        at_her(g, 162);
        weapon(g, &tmy::blade, 200);
        power_up_texts(g, PowerUp::blade);
        break;
    case 13:
        play_se(g, "item2.wav");
        at_her(g, 180);
        weapon(g, &tmy::kunai, 240);
        power_up_texts(g, PowerUp::kunai);
        break;
    case 14:
        play_se(g, "item2.wav");
        at_her(g, 128);
        my.love = 400;
        power_up_texts(g, PowerUp::love_note);
        break;
    case 16:
        play_se(g, "item2.wav");
        at_her(g, 180);
        weapon(g, &tmy::kantsu, 200);
        power_up_texts(g, PowerUp::kantsu);
        break;
    case 17:
        play_se(g, "item2.wav");
        at_her(g, 162);
        my.fly = 500;
        my.target_y = my.y - 1;
        power_up_texts(g, PowerUp::flight);
        break;
    case 18:
        play_se(g, "fire2.wav");
        at_her(g, 118);
        weapon(g, &tmy::blue_fire, 200);
        power_up_texts(g, PowerUp::blue_fire);
        break;
    default: break;
    }
}

} // namespace

void item_step(Game& g) {
    if (g.mode != 1 || g.editor) return;
    for (int s = 0; s < kItemSlots; ++s) {
        tman& it = item_slot(g, s);
        if (it.alive < 1) continue;
        // A column of items builds upward: each item sharing the cell lifts it.
        for (int o = 0; o < kItemSlots; ++o) {
            if (o == s) continue;
            const tman& other = item_slot(g, o);
            if (other.alive >= 1 && other.x == it.x && other.y == it.y) it.y -= 1;
        }
        if (!is_solid(g, it.x - g.scroll, it.y + 1) && !item_in_cell(g, s, it.x, it.y + 1)) it.y += 1;
        if (it.y < 0 || it.y > 19 || it.x < 0 || it.x > 99) {
            it.alive = 0;
            continue;
        }
        const int view = it.x - g.scroll;
        if (view >= 0 && view <= 25) draw_item(g, it);
        if (view < 0) it.alive = 0;
    }
}

void item_pickups(Game& g) {
    tmy& my = g.my;
    for (int s = 0; s < kItemSlots; ++s) {
        tman& it = item_slot(g, s);
        if (it.alive < 1 || it.x != my.x + g.scroll || it.y != my.y) continue;
        if (my.lives <= 0 || my.blink <= 0 || it.kind == 11) continue;
        it.alive = 0;
        if (g.test_play) my.gold = 0;
        take(g, it.kind);
    }
}

void love_note_step(Game& g) {
    tmy& my = g.my;
    if (my.love <= 0) return;
    if (g.love_guard == 0 || g.frame_count % 2 == 0)
        g.bak.draw(20 * my.x - 32, 20 * my.y, g.cg_img[54]);
    if (g.love_guard > 0) g.love_guard -= 1;
    if (g.frame_count % 10 == 0) spawn_effect(g, 20 * my.x + 10, 20 * my.y + 10, 229, "");
    my.love -= 1;
}

} // namespace tsu
