// Treasure boxes, ice blocks and bags.
#include "game/treasure.h"

#include "game/assets.h"
#include "game/game.h"
#include "game/item_spawn.h"
#include "render/effect_spawn.h"

#include <array>

namespace tsu {

namespace {
int centre(int cell) { return cell * kCell + 10; }
} // namespace

void open_treasure_box(Game& g, int column, int row) {
    spawn_effect(g, centre(column), centre(row), 163, "");
    g.view_cell(column, row).upper = 0;
    play_se(g, "takara.wav");
    // Thirteen equal chances; an extra life becomes a gem at 7 lives.
    static constexpr std::array<int, 13> kContents = {5, 6, 7, 8, 8, 8, 16, 3, 17, 12, 13, 14, 15};
    const int draw = g.rnd(13);
    int kind = kContents[std::size_t(draw)];
    if (draw == 0 && g.rnd(3) == 2) kind = 18; // red fire two times in three, else blue
    if (kind == 8 && g.my.lives > 6) kind = 1 + g.rnd(3);
    spawn_item(g, column + g.scroll, row, 10, kind);
}

void break_ice_block(Game& g, int column, int row) {
    spawn_effect(g, centre(column), centre(row), 213, "");
    g.view_cell(column, row).upper = 0;
    play_se(g, "ice.wav");
    spawn_item(g, column + g.scroll, row, 10, 0);
}

void open_bag(Game& g, int column, int row) {
    spawn_effect(g, centre(column), centre(row), 163, "");
    play_se(g, "fukuro.wav");
    const int a = g.rnd(5);
    const int b = g.rnd(100);
    const int c = g.rnd(200);
    const int d = g.rnd(500);
    int kind = 4;
    if (d == 0)
        kind = 3;
    else if (c == 0)
        kind = 2;
    else if (b == 0)
        kind = 1;
    else if (a != 0)
        kind = 0;
    spawn_item(g, column + g.scroll, row, 10, kind);
}

} // namespace tsu
