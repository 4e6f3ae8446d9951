// Lightning: the storm's bolt (135) that flashes the whole light layer for
// its first ages, the same bolt on the view without the flash (137), a
// double bolt (166), and a discharge crackling round a point (90).
//
// A bolt is a walk: the point (c, d) starts again at the start point (a, b)
// every tick and takes `steps` steps, each 1 + random(15) toward the end
// point on each axis (always moving, so near the end it zigzags round it),
// a line to each new point, then a last line to the end point. So the bolt
// changes its shape every tick.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <array>

namespace tsu {

namespace {

using namespace effect_shape;

// The flash of the light layer at ages 1, 2, 3.
constexpr std::array kFlash = {rgb(0x00FFFF), rgb(0x4600FF), rgb(0x030082)};

// The bolt's pen by age: 2 white, 4 violet, 5 deep blue, any other cyan.
Colour bolt_colour(int age) {
    switch (age) {
    case 2: return rgb(0xFFFFFF);
    case 4: return rgb(0x4600FF);
    case 5: return rgb(0x030082);
    default: return rgb(0x00FFFF);
    }
}

int toward(int from, int to, int step) { return from < to ? from + step : from - step; }

// The walk from (c, d) = (sx, sy) to (tx, ty); the walking point is kept in
// the slot. The pen width is drawn first, then x and y of each step.
void bolt(EffectSlot& s, int sx, int sy, int tx, int ty, int steps) {
    Bitmap& b = s.canvas;
    Game& g = s.g;
    b.pen_width = 1 + g.rnd(4);
    int32_t& c = s.c();
    int32_t& d = s.d();
    c = sx;
    d = sy;
    b.move_to(c, d);
    for (int k = 0; k < steps; ++k) {
        c = toward(c, tx, 1 + g.rnd(15));
        d = toward(d, ty, 1 + g.rnd(15));
        b.line_to(c, d);
    }
    b.line_to(tx, ty);
    b.pen_width = 1;
}

constexpr int kBoltSteps = 40;

// 135 and 137: one bolt from (a, b) to (x, y); 135 first floods the light
// layer with the flash colour of its age.
bool draw_bolt(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const int age = s.age();
    if (s.info.style == 0 && age >= 1 && age <= 3) {
        b.brush_colour = kFlash[std::size_t(age - 1)];
        b.fill_rect(Rect{0, 0, b.width(), b.height()});
    }
    b.pen_colour = bolt_colour(age);
    bolt(s, s.a(), s.b(), s.x(), s.y(), kBoltSteps);
    return false;
}

// 166: two bolts over the same path, each with its own pen width.
bool draw_double_bolt(EffectSlot& s) {
    PenScope scope(s.canvas);
    s.canvas.pen_colour = bolt_colour(s.age());
    bolt(s, s.a(), s.b(), s.x(), s.y(), kBoltSteps);
    bolt(s, s.a(), s.b(), s.x(), s.y(), kBoltSteps);
    return false;
}

// 90: a short bolt from the point to a spot circling it (pi as 3.14), then up
// to two pale crackles off the bolt's end; the bolt's colour flickers.
constexpr std::array kDischarge = {rgb(0x00FFFF), rgb(0x4600FF), rgb(0x030082), rgb(0xFFFFFF)};
constexpr Colour kCrackle = rgb(0x80FFD6);

bool draw_discharge(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    Game& g = s.g;
    const int age = s.age();
    const Point end = on_circle(s.x(), s.y(), 40 * age, 50, pi_for(s.kind()));
    b.pen_colour = kDischarge[std::size_t(age % 4)];
    bolt(s, s.x(), s.y(), end.x, end.y, 8);
    b.pen_colour = kCrackle;
    const int crackles = g.rnd(3);
    for (int k = 0; k < crackles; ++k) {
        const int dx = g.rnd(40) - 20, dy = g.rnd(40) - 20;
        b.line(end.x, end.y, end.x + dx, end.y + dy);
    }
    return false;
}

constexpr std::array kKinds = {
    shape_kind(135, kLight, draw_bolt, 5, -1, 0),
    shape_kind(137, kView, draw_bolt, 5, -1, 1),
    shape_kind(166, kView, draw_double_bolt, 6, -1),
    shape_kind(90, kView, draw_discharge, 15, -1),
};

} // namespace

std::span<const EffectKind> lightning_kinds() { return kKinds; }

} // namespace tsu
