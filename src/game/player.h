// The heroine: walking, jumping, falling, flight, the view's push, her
// drawing, the three heroines' X specials and the special gauge.
#pragma once

namespace tsu {

struct Game;

void player_step(Game& g); // moves and draws her (then her shots and weapons)
void x_special(Game& g);   // the tick's handler of the X request
void gauge_decay(Game& g); // the X-special gauge, after the key handlers

} // namespace tsu
