// Snow: flakes drifting left as they fall; a flake that reaches the bottom
// melts for five ticks (shrinking now and then) and starts again above the
// view with a new size, bigger flakes falling faster. Records fresh from a
// stage start begin anywhere in the sky.
#include "render/weather_parts.h"

#include <algorithm>
#include <array>

namespace tsu::weather {

namespace {

// By ((i + frame_count) div 2) mod 4.
constexpr std::array<Colour, 4> kFlake = {rgb(0x777777), rgb(0x888888), rgb(0x999999),
                                          rgb(0xAAAAAA)};
constexpr int kMeltTicks = 5;

void first_flake(Game& g, tenki_particle& p) {
    p.r = 1 + g.rnd(3);
    p.v = p.r + 1;
    p.y = g.rnd(360);
    p.x = g.rnd(553);
}

void flake(Bitmap& cg, const tenki_particle& p) {
    cg.ellipse(p.x - p.r, p.y - p.r, p.x + p.r, p.y + p.r);
}

} // namespace

void draw_snow(Game& g) {
    Bitmap& cg = g.cg;
    cg.pen_width = 1;
    for (int i = 0; i < int(g.tenki_p.size()); ++i) {
        tenki_particle& p = g.tenki_p[std::size_t(i)];
        if (untouched(p)) first_flake(g, p);
        if (p.st > 0) {
            // Melting: drawn in the colours in force, as it lies.
            p.st += 1;
            p.r = std::max(1, p.r - g.rnd(2));
            flake(cg, p);
            if (p.st > kMeltTicks) {
                p.st = 0;
                p.r = 1 + g.rnd(3);
                p.y = g.rnd(30) - 30;
                p.v = p.r + 1;
                p.x = g.rnd(553);
            }
        } else {
            cg.pen_colour = kFlake[std::size_t(phase(g, i, 4))];
            cg.brush_colour = lighter(cg.pen_colour);
            p.x -= 1 + g.rnd(2);
            p.v = std::max(1, p.v);
            p.y += p.v;
            p.r = std::max(1, p.r);
            flake(cg, p);
        }
        if (p.y >= 360 + g.rnd(15) && p.st == 0) p.st = 1;
    }
}

} // namespace tsu::weather
