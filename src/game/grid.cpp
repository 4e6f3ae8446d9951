#include "game/grid.h"

#include "game/game.h"

namespace tsu {

int pass_of(const int32_t* table, int chip) {
    // The tables cover chips 0..99; a chip outside them counts as passable
    // rather than reading past the table.
    if (chip < 0 || chip > 99) return 0;
    return table[chip];
}

bool is_solid(Game& g, int x, int y) {
    const cell& c = g.view_cell(x, y);
    return pass_of(g.pass_lower.data(), c.lower) != 0 || pass_of(g.pass_upper.data(), c.upper) != 0;
}

int block_at(Game& g, int x, int y) {
    if (g.chara != 2) return 0;
    for (int i = 1; i <= 100; ++i) {
        const tman& b = g.block[std::size_t(i)];
        if (b.alive >= 1 && b.x == x && b.y == y) return i;
    }
    return 0;
}

} // namespace tsu
