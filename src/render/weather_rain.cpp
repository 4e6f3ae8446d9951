// Light rain: thin grey drops slanting left, each falling faster every tick
// (its speed grows by 0 or 1) and a little longer every 10 ticks, until it
// passes the bottom and starts again above the view. Records fresh from a
// stage start begin anywhere in the sky, already falling.
#include "render/weather_parts.h"

#include <array>
#include <cmath>

namespace tsu::weather {

namespace {
// By ((i + frame_count) div 2) mod 4.
constexpr std::array<Colour, 4> kRain = {rgb(0x999999), rgb(0x777777), rgb(0x555555),
                                         rgb(0x777777)};

// A drop placed at a random height as if it had fallen there from above the
// view: a drop gains about half a pixel of speed a tick, so after t ticks it
// has fallen about t + t*t/4 pixels at a speed of about 1 + t/2, which is
// sqrt(1 + y). Without this the first drops reach the view 3.6 s into the
// stage.
void first_drop(Game& g, tenki_particle& p) {
    p.y = g.rnd(360);
    p.x = g.rnd(553);
    const int speed = int(std::sqrt(1.0 + p.y));
    p.v = speed;
    p.st = 2 * (speed - 1);
    p.len = 2 + g.rnd(5) + p.st / 10;
}
} // namespace

void draw_rain(Game& g) {
    Bitmap& cg = g.cg;
    cg.brush_style = BrushStyle::clear;
    for (int i = 0; i < int(g.tenki_p.size()); ++i) {
        tenki_particle& p = g.tenki_p[std::size_t(i)];
        if (untouched(p)) first_drop(g, p);
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
