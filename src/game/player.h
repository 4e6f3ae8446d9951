// The heroine: walking, jumping, falling, flight, the view's push, her
// drawing, the three heroines' X specials and the special gauge.
#pragma once

namespace tsu {

struct Game;

void player_step(Game& g); // moves and draws her (then her shots and weapons)
void x_special(Game& g);   // the tick's handler of the X request
void gauge_decay(Game& g); // the X-special gauge, after the key handlers

// Pieces of the player step, each in its own file.
void block_step(Game& g);    // the third heroine's blocks age, shrink, vanish, lift her
void draw_heroine(Game& g);  // her picture for the heroine and flight state, blinking

} // namespace tsu
