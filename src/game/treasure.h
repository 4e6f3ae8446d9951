// What the heroine's attacks open: treasure boxes, ice blocks and bags.
#pragma once

namespace tsu {

struct Game;

// Opens the treasure box (upper chip 6) at a view cell: it is gone and an item appears.
void open_treasure_box(Game& g, int column, int row);
// Breaks the ice block (upper chip 8) at a view cell: a coin appears.
void break_ice_block(Game& g, int column, int row);
// Opens a bag at a view cell (the caller frees the bag): gold appears.
void open_bag(Game& g, int column, int row);

} // namespace tsu
