// Autumn leaves: each leaf blows in from the right on a gust that weakens
// until it has passed the x where its gust ends, then drifts on, speeding up
// and floating; a leaf gone past the left edge blows in again. The leaf
// pictures are OR-merged onto the view, so their black backgrounds leave
// the sky as it is.
#include "render/weather_parts.h"

#include <algorithm>

namespace tsu::weather {

namespace {

constexpr std::size_t kLeaf = 55;       // momoji.bmp; momoji2.bmp follows it
constexpr int kLeafW = 14, kLeafH = 15; // pixels merged per leaf

// A new leaf: start, speed, height, fall, where its gust ends, which picture.
void blow_in(Game& g, tenki_particle& p) {
    p.x = 522 + g.rnd(100);
    p.s = 10 + g.rnd(10);
    p.y = g.rnd(150) - 20;
    p.v = 1 + g.rnd(6);
    p.len = 50 + g.rnd(250);
    p.st = 1;
    p.r = g.rnd(2);
}

} // namespace

void draw_leaves(Game& g) {
    for (tenki_particle& p : g.tenki_p) {
        if (p.st == 0) blow_in(g, p);
        // The first picture's leaf is the lighter one and flies 2 px faster.
        const int extra = p.r == 0 ? 2 : 0;
        if (p.st == 1) {
            p.x -= p.s + extra;
            p.y += p.v;
            if (g.rnd(4) == 0) p.s -= 1;
            if (g.rnd(5) == 0) p.v += 1;
            if (p.x < p.len) p.st = 2;
        } else if (p.st > 1) {
            p.x -= p.s + extra;
            p.y += p.v;
            if (g.rnd(2) == 0) p.s += 1;
            if (g.rnd(5) == 0) p.v -= 1;
        }
        p.s = std::max(1, p.s);
        // Records left by another weather may hold any r; all but 0 show the
        // second leaf.
        const Bitmap& leaf = g.cg_img[kLeaf + (p.r == 0 ? 0 : 1)];
        g.cg.copy_rect(Rect{p.x, p.y, p.x + kLeafW, p.y + kLeafH}, leaf, Rect{0, 0, kLeafW, kLeafH},
                       CopyMode::src_paint);
        if (p.x < -10) p.st = 0;
    }
}

} // namespace tsu::weather
