// Spawning an item: the next free record of the item pool's ring gets its
// kind, size and position. Plain coins may turn into other coins.
#pragma once

namespace tsu {

struct Game;

// Item kind written for a stage's coin marker: a plain coin that is never
// upgraded.
inline constexpr int kPlainCoin = 99;

// Spawns an item of `kind` with half size `size` at map column `column`,
// row `row`. `item_next` (0-based slot s is row s + 1 of `item`) moves on by
// one, then on until it meets a free record, at most 99 more steps; when
// none is free the record it ends on is overwritten. Only alive, x, y, size
// and kind are written. Kind 0 draws twice, always both: 1 in 5 makes it a
// 5-gold coin (9), then 1 in 20 makes it a 20-gold coin (4), the second
// winning. Kind 99 is stored as a plain coin (0) without draws.
void spawn_item(Game& g, int column, int row, int size, int kind);

} // namespace tsu
