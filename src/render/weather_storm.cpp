// The storm: fast slanting streaks on the light layer (four per particle),
// and about one tick in 80 a thunderclap: one time in six the long roll,
// two in six the short crack, three in six silent, and a lightning bolt
// (kind 135, which also flashes the light layer) from the top of the view
// to somewhere along the bottom.
#include "game/assets.h"
#include "render/effect_spawn.h"
#include "render/weather_parts.h"

#include <array>

namespace tsu::weather {

namespace {

// By ((i + frame_count) div 2) mod 4.
constexpr std::array<Colour, 4> kStreak = {rgb(0x666666), rgb(0x444444), rgb(0x333333),
                                           rgb(0x444444)};
constexpr int kLightning = 135;
constexpr int kThunderChance = 80; // one tick in 80

void thunderclap(Game& g) {
    const int a = g.rnd(6);
    if (a == 0) play_se(g, "kaminari2.wav");
    else if (a <= 2) play_se(g, "kaminari.wav");
    // The end point is drawn before the start: end x, end y, then start x.
    const int tx = 20 * g.rnd(30) + 20;
    const int ty = 380 + g.rnd(10);
    const int sx = g.rnd(550);
    spawn_segment_effect(g, sx, 0, tx, ty, kLightning);
}

} // namespace

void draw_storm(Game& g) {
    Bitmap& bak = g.bak;
    bak.pen_width = 1;
    for (int i = 0; i < int(g.tenki_p.size()); ++i) {
        tenki_particle& p = g.tenki_p[std::size_t(i)];
        bak.pen_colour = kStreak[std::size_t(phase(g, i, 4))];
        p.st += 1;
        p.x -= 4;
        p.v = 30 + g.rnd(30);
        p.y += p.v;
        bak.line(p.x, p.y, p.x - 4, p.y + p.len + 10);
        bak.line(p.x - 65, p.y - 20, p.x - 69, p.y + p.len - 10);
        bak.line(p.x + 70, p.y - 10, p.x + 66, p.y + p.len);
        bak.line(p.x - 50, p.y, p.x - 54, p.y + p.len + 10);
        if (p.y >= 370 + g.rnd(15)) {
            p.st = 0;
            p.len = 2 + g.rnd(5);
            p.y = -g.rnd(200);
            p.v = 0;
            p.x = g.rnd(570);
        }
    }
    if (g.rnd(kThunderChance) == 0) thunderclap(g);
}

} // namespace tsu::weather
