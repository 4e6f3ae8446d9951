// Item spawn over the ring of the item pool.
#include "game/item_spawn.h"

#include "game/game.h"

namespace tsu {

namespace {
constexpr int kItemRing = 99; // ring slots 0..98 = rows 1..99

int32_t next_item_slot(int32_t s) { return (s < 0 || s >= kItemRing - 1) ? 0 : s + 1; }

bool item_free(const Game& g, int32_t slot) { return g.item[std::size_t(slot + 1)].alive < 1; }
} // namespace

void spawn_item(Game& g, int column, int row, int size, int kind) {
    g.item_next = next_item_slot(g.item_next);
    for (int step = 0; step < kItemRing && !item_free(g, g.item_next); ++step)
        g.item_next = next_item_slot(g.item_next);

    if (kind == 0) {
        const bool five_gold = g.rnd(5) == 0;
        const bool twenty_gold = g.rnd(20) == 0;
        if (five_gold) kind = 9;
        if (twenty_gold) kind = 4;
    } else if (kind == kPlainCoin) {
        kind = 0;
    }

    tman& it = g.item[std::size_t(g.item_next + 1)];
    it.alive = 1;
    it.x = column;
    it.y = row;
    it.size = size;
    it.kind = kind;
}

} // namespace tsu
