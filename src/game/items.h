// Items on the stage: the per-tick item step, pickups and the love note.
#pragma once

namespace tsu {

struct Game;

void item_step(Game& g);      // items fall, stack and are drawn
void item_pickups(Game& g);   // what the heroine steps on (collision pass)
void love_note_step(Game& g); // the love-note shield (in the player step)

} // namespace tsu
