// The stage editor's operations that the rest of the game calls.
#pragma once

namespace tsu {

struct Game;

// Paints the selected chip or enemy at the view pixel (x, y) while the left
// button is held in the editor.
void editor_paint(Game& g, int x, int y);
// The editor's info text, at the end of every tick while it is open.
void editor_info(Game& g);

} // namespace tsu
