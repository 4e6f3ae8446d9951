// The five weathers of the play background, one drawer each over the 40
// weather particles (tenki_p), and what they share: the blink phase that
// keeps neighbouring particles out of step.
#pragma once
#include "game/game.h"

namespace tsu::weather {

// ((i + frame_count) div 2) mod n for particle i.
inline int phase(const Game& g, int i, int n) { return ((i + g.frame_count) / 2) % n; }

// All seven fields 0: the record has not been used since the stage began.
// Taken as it stands it would fall from the top-left corner and show nothing
// for seconds, so rain and snow start such a record somewhere in the sky.
inline bool untouched(const tenki_particle& p) {
    return p.x == 0 && p.y == 0 && p.s == 0 && p.v == 0 && p.r == 0 && p.len == 0 && p.st == 0;
}

// Each channel of a grey raised by 0x11: the brush of a dust mote or a flake.
inline Colour lighter(Colour c) { return c + 0x111111u; }

void draw_dust(Game& g);   // 0: clear sky, slow drifting dust
void draw_rain(Game& g);   // 1: light rain
void draw_storm(Game& g);  // 2: storm lines on the light layer, thunder
void draw_snow(Game& g);   // 3: snow melting at the bottom
void draw_leaves(Game& g); // 4: autumn leaves

} // namespace tsu::weather
