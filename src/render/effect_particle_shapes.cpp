// What a particle record looks like: one drawing per shape of the particle
// table, chosen through a table of drawers. Each is handed the record after
// its tick's move; brush and pen take the colour of the record's age.
#include "game/game.h"
#include "render/effect_particle.h"

#include <algorithm>
#include <array>

namespace tsu::particle {

namespace {

using namespace effect_shape;

Point at_radius(const EffectSlot& s, Record r, int radius) {
    return on_circle(r.ox(), r.oy(), r.angle(), radius, pi_for(s.kind()));
}

int pen_width(const ParticleKind& k, int age) {
    return k.pen_div > 0 ? std::max(1, k.pen0 - age / k.pen_div) : std::max(1, k.pen0);
}

// 164: the streak shortens by 1 + random(2) (to no less than 1), is drawn
// from the radius outward over its length, and the record moves on past it.
void streak(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    r.size() = std::max(1, r.size() - 1 - s.g.rnd(2));
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = pen_width(k, r.age());
    const Point a = at_radius(s, r, r.radius()), z = at_radius(s, r, r.radius() + r.size());
    b.line(a.x, a.y, z.x, z.y);
    r.radius() += r.size();
}

// 167: a streak from the radius outward, long and thick while young.
void converge(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = pen_width(k, r.age());
    const Point a = at_radius(s, r, r.radius());
    const Point z = at_radius(s, r, r.radius() + std::max(2, 40 - r.age()));
    b.line(a.x, a.y, z.x, z.y);
}

void dot_shape(EffectSlot& s, const ParticleKind& k, Record r, int j) {
    Bitmap& b = s.canvas;
    const bool second = !k.ramp2.empty() && j % 2 == 1;
    colour(b, by_age(second ? k.ramp2 : k.ramp, r.age()));
    b.pen_width = 1;
    const int h = r.size() + (k.flicker > 0 ? s.g.rnd(k.flicker) : 0);
    const Point p = at_radius(s, r, r.radius());
    dot(b, p.x, p.y, h);
}

// 125..128: the ring's dots shrink as they age.
void ring_dot(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    const Point p = at_radius(s, r, r.radius());
    dot(b, p.x, p.y, std::max(1, 16 - r.age() / 2));
}

// 161: a mirrored pair, at the angle and opposite it.
void pair(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    for (int turn : {0, 180}) {
        const Point p = on_circle(r.ox(), r.oy(), r.angle() + turn, r.radius(), pi_for(s.kind()));
        dot(b, p.x, p.y, r.size());
    }
}

// 162: a star sign in a bold font of the record's size, centred on its point.
void star(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    static constexpr const char* kStar = "★";
    b.font.style = FontStyle{std::max(1, r.size()), true, false};
    b.font.colour = by_age(k.ramp, r.age());
    b.brush_style = BrushStyle::clear;
    const Point p = at_radius(s, r, r.radius());
    b.text_out(p.x - b.text_width(kStar) / 2, p.y - b.text_height(kStar) / 2, kStar);
    b.brush_style = BrushStyle::solid;
}

// 146: 3 + random(3) groups of three dots round the origin, a small cloud
// that thins as it ages.
void puff(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    const int h = std::max(1, r.size() - r.age() / 10);
    const int groups = 3 + s.g.rnd(3);
    for (int n = 0; n < groups; ++n) {
        const Point c = on_circle(r.ox(), r.oy(), 120 * n + 7 * r.age(), h, pi_for(s.kind()));
        dot(b, c.x - h / 2, c.y, h / 2 + 1);
        dot(b, c.x + h / 2, c.y, h / 2 + 1);
        dot(b, c.x, c.y - h / 2, h / 2 + 1);
    }
}

// 147: a dot of flame climbing from the origin; most ticks a hot core shows,
// yellow while young and red later (the draws: show, then which colour).
void ember(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    b.pen_width = 1;
    const int x = r.ox(), y = r.oy() - r.radius();
    colour(b, by_age(k.ramp, r.age()));
    dot(b, x, y, r.size() + 1);
    if (s.g.rnd(6) == 0) return;
    colour(b, by_age(k.ramp2, s.g.rnd(3) + (r.age() > 12 ? 3 : 0)));
    dot(b, x, y, r.size() / 2);
}

// 157: a small upright ellipse from its point down and right.
void sparkle(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    b.ellipse(r.ox(), r.oy(), r.ox() + r.size() / 2, r.oy() + r.size() + 1);
}

// 158: a streak on one of the four diagonals that keeps most of its length.
void cross_streak(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    const Point a = at_radius(s, r, r.radius());
    const Point z = at_radius(s, r, r.radius() + std::max(2, r.size() - r.age() / 2));
    b.line(a.x, a.y, z.x, z.y);
}

// 213: a square shard.
void square(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = 1;
    const Point p = at_radius(s, r, r.radius());
    b.rectangle(p.x - r.size(), p.y - r.size(), p.x + r.size(), p.y + r.size());
}

// 189..191, 266: a dot at the head and a streak trailing it (outward kinds
// lead with the outer end, converging ones with the inner end).
void dot_streak(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    b.pen_width = 1;
    const int length = std::max(1, r.size() * k.len_mul / k.len_div);
    const Point inner = at_radius(s, r, r.radius()), outer = at_radius(s, r, r.radius() + length);
    colour(b, by_age(k.ramp, r.age()));
    b.line(inner.x, inner.y, outer.x, outer.y);
    const Point head = k.motion == Motion::inward ? inner : outer;
    colour(b, by_age(k.ramp2, r.age()));
    dot(b, head.x, head.y, std::max(1, r.size() / k.dot_div));
}

// 248: a spark climbing from the origin with a short tail below it.
void rising_streak(EffectSlot& s, const ParticleKind& k, Record r, int) {
    Bitmap& b = s.canvas;
    colour(b, by_age(k.ramp, r.age()));
    b.pen_width = pen_width(k, r.age());
    const int top = r.oy() - r.radius();
    b.line(r.ox(), top, r.ox(), top + r.size());
}

using ShapeDrawer = void (*)(EffectSlot&, const ParticleKind&, Record, int);

// Indexed by Shape.
constexpr std::array<ShapeDrawer, 13> kShapes = {
    streak, converge, dot_shape, ring_dot, pair,   star,         puff,
    ember,  sparkle,  cross_streak, square, dot_streak, rising_streak};
static_assert(std::size_t(Shape::rising_streak) + 1 == kShapes.size());

} // namespace

void draw_particle(EffectSlot& s, const ParticleKind& k, Record r, int j) {
    kShapes[std::size_t(k.shape)](s, k, r, j);
}

} // namespace tsu::particle
