// Clear weather: dust motes drifting left, 2 px on the ticks the view's
// scroll counter is at 0, blinking grey; a mote that leaves on the left comes
// back at the right at a new height. The first use scatters them.
#include "render/weather_parts.h"

#include <array>

namespace tsu::weather {

namespace {
// By ((i + frame_count) div 2) mod 8.
constexpr std::array<Colour, 8> kDust = {rgb(0x333333), rgb(0x444444), rgb(0x555555),
                                         rgb(0x666666), rgb(0x777777), rgb(0x666666),
                                         rgb(0x555555), rgb(0x444444)};
} // namespace

void draw_dust(Game& g) {
    Bitmap& cg = g.cg;
    for (int i = 0; i < int(g.tenki_p.size()); ++i) {
        tenki_particle& p = g.tenki_p[std::size_t(i)];
        cg.pen_width = 1;
        cg.pen_colour = kDust[std::size_t(phase(g, i, 8))];
        cg.brush_colour = lighter(cg.pen_colour);
        p.r = i % 2 + 1;
        if (g.scroll_tick == 0) p.x -= 2;
        if (p.x < 0) {
            p.y = g.rnd(180);
            p.x = 520;
        }
        cg.ellipse(p.x - p.r, p.y - p.r, p.x, p.y);
        if (p.st == 0) {
            p.st = 1;
            p.y = g.rnd(180);
            p.x = g.rnd(514);
        }
    }
}

} // namespace tsu::weather
