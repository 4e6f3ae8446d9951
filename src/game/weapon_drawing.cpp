// The fires and the blade drawn beside the heroine, and the invincibility
// ring of six balls around her.
#include "game/game.h"
#include "game/weapons.h"

#include <algorithm>
#include <cmath>

namespace tsu {

namespace {

// Blade pictures by heroine for swing phases 1..4.
constexpr int kBlade[3][5] = {{0, 50, 52, 51, 50}, {0, 69, 71, 70, 69}, {0, 90, 92, 91, 90}};

} // namespace

void draw_weapons(Game& g) {
    tmy& my = g.my;
    const int px = 20 * my.x + 20, py = 20 * my.y;
    if (my.red_fire > 0) g.cg.draw(px, py, g.cg_img[std::size_t(31 + my.red_fire % 3)]);
    if (my.blue_fire > 0) g.cg.draw(px, py - 20, g.cg_img[std::size_t(81 + my.blue_fire % 3)]);
    if (my.swing >= 1) {
        const int c = std::clamp(g.chara, 0, 2);
        const int phase = std::min(my.swing, 4);
        g.cg.draw(px, py, g.cg_img[std::size_t(kBlade[c][phase])]);
        my.swing -= 1;
    }
}

void ring_step(Game& g) {
    tmy& my = g.my;
    if (my.muteki <= 0) return;
    my.muteki -= 1;
    const int cx = 20 * my.x + 10, cy = 20 * my.y + 10;
    for (int i = 0; i < 6; ++i) {
        const int r0 = my.ring_r;
        if (my.ring_r < 30) my.ring_r = 30;
        const double a = ((g.frame_count % 6) * 10 + 60 * i - r0 + 500) * 3.1415 / 180.0;
        const int bx = cx + int(std::trunc(std::cos(a) * my.ring_r));
        const int by = cy + int(std::trunc(std::sin(a) * my.ring_r));
        g.bak.stretch_draw(Rect{bx - 15, by - 15, bx + 15, by + 15}, g.cg_img[24]);
        // The ring swoops in from far away, settles, and flies apart at the end.
        if (my.muteki < 9) {
            my.ring_r += my.ring_v;
            my.ring_v += 1;
        } else {
            my.ring_r -= my.ring_v;
            my.ring_v = std::max(1, my.ring_v - my.ring_v / 3);
        }
    }
}

} // namespace tsu
