// The play background: the black sky and the weather particles.
#pragma once

namespace tsu {

struct Game;

void draw_background_weather(Game& g);

} // namespace tsu
