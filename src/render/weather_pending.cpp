// The weather is not built yet: the play background is a plain black sky.
#include "render/weather.h"

#include "game/game.h"

namespace tsu {

void draw_background_weather(Game& g) {
    if (g.mode != 1) return;
    g.cg.brush_colour = kBlack;
    g.cg.pen_colour = kBlack;
    g.cg.fill_rect(Rect{0, 0, kViewWidth, kViewHeight});
}

} // namespace tsu
