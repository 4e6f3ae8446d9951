// Light rain: thin grey drops slanting left, each falling faster every tick
// (its speed grows by 0 or 1) and a little longer every 10 ticks, until it
// passes the bottom and starts again above the view.
#include "render/weather_parts.h"

#include <array>

namespace tsu::weather {

namespace {
// By ((i + frame_count) div 2) mod 4.
constexpr std::array<Colour, 4> kRain = {rgb(0x999999), rgb(0x777777), rgb(0x555555),
                                         rgb(0x777777)};
} // namespace

void draw_rain(Game& g) {
    Bitmap& cg = g.cg;
    cg.brush_style = BrushStyle::clear;
    for (int i = 0; i < int(g.tenki_p.size()); ++i) {
        tenki_particle& p = g.tenki_p[std::size_t(i)];
        cg.pen_width = 1;
        cg.pen_colour = kRain[std::size_t(phase(g, i, 4))];
        p.st += 1;
        p.x -= 1 + g.rnd(2);
        p.y += p.v;
        p.v += g.rnd(2);
        if (p.st % 10 == 0) p.len += 1;
        cg.line(p.x, p.y, p.x - 1, p.y + p.len + 1);
        if (p.y >= 360 + g.rnd(15)) {
            p.st = 0;
            p.len = 2 + g.rnd(5);
            p.y = g.rnd(30) - 30;
            p.v = 1;
            p.x = g.rnd(553);
        }
    }
    cg.brush_style = BrushStyle::solid;
}

} // namespace tsu::weather
