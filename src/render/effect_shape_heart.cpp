// Hearts on the light layer (129, 229; the love note sends 229 up every few
// ticks): two discs and a V closed into a heart, filled, rising and cooling
// from bright pink to dark.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>

namespace tsu {

namespace {

using namespace effect_shape;

constexpr std::array kPink = {rgb(0xEE55AA), rgb(0xDD4488), rgb(0xBB3377),
                              rgb(0x992255), rgb(0x551133), rgb(0x331122)};

struct HeartLook {
    int r0, grow_div; // lobe radius r0 + age div grow_div
    int rise;         // pixels per age
};
constexpr std::array<HeartLook, 2> kHearts = {{{4, 3, 2},   // 129: larger
                                               {3, 5, 2}}}; // 229

// Lobes of radius r left and right of (cx, cy), a V from their outer edges
// to the tip 2r below, then the inside filled up to the outline's colour.
// The V is drawn as one path (the tip belongs to the second stroke), so the
// outline is closed and the fill stays inside.
void heart(Bitmap& b, int cx, int cy, int r, Colour c) {
    colour(b, c);
    b.pen_width = 1;
    b.ellipse(cx - 2 * r, cy - r, cx, cy + r);
    b.ellipse(cx, cy - r, cx + 2 * r, cy + r);
    b.move_to(cx - 2 * r, cy);
    b.line_to(cx, cy + 2 * r);
    b.line_to(cx + 2 * r, cy);
    b.flood_fill(cx, cy + r, c, FillStyle::border);
}

bool draw_heart(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const HeartLook& look = kHearts[std::size_t(s.info.style)];
    const int age = s.age();
    const Colour c = at(kPink, (age - 2) * int(kPink.size()) / std::max(1, s.info.limit - 1));
    heart(b, s.x(), s.y() - look.rise * age, look.r0 + age / look.grow_div, c);
    return false;
}

constexpr std::array kKinds = {
    shape_kind(129, kLight, draw_heart, 20, -1, 0),
    shape_kind(229, kLight, draw_heart, 20, -1, 1),
};

} // namespace

std::span<const EffectKind> heart_kinds() { return kKinds; }

} // namespace tsu
