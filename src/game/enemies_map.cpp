// Bounded lookups of the stage grid by map column.
#include "game/enemies_map.h"

#include "game/game.h"
#include "game/grid.h"

namespace tsu {

namespace {
const cell kNoCell{};
} // namespace

const cell& map_cell(const Game& g, int column, int row) {
    // Widen before adding one: a column near the int limit must not wrap.
    const long long c = static_cast<long long>(column) + 1;
    const long long r = static_cast<long long>(row) + 1;
    if (c < 0 || c >= kMapColumns || r < 0 || r >= kMapRows) return kNoCell;
    return g.map[std::size_t(c)][std::size_t(r)];
}

bool map_solid(const Game& g, int column, int row) {
    const cell& k = map_cell(g, column, row);
    return pass_of(g.pass_lower.data(), k.lower) != 0 || pass_of(g.pass_upper.data(), k.upper) != 0;
}

} // namespace tsu
