// Effects drawn with squares: the spark bursts that fly up and out (9, 116),
// the crackles of small squares around a hit (3, 27) and the square frames
// (55 growing, 32 a one-tick marker).
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>

namespace tsu {

namespace {

using namespace effect_shape;

// ---- spark bursts ------------------------------------------------------------

// A level of the burst's ramp: brush inside, pen around each square.
struct BrushPen {
    Colour brush, pen;
};
using BurstRamp = std::array<BrushPen, 5>; // by u div 3: 0, 1, 2, 3, other

constexpr BurstRamp kMagentaBurst = {{{rgb(0xFF55FF), rgb(0xFF44FF)},
                                      {rgb(0xEE44EE), rgb(0xEE33EE)},
                                      {rgb(0xBB33AA), rgb(0x992499)},
                                      {rgb(0x772466), rgb(0x440044)},
                                      {rgb(0x440022), rgb(0x000000)}}}; // 9
constexpr BurstRamp kPinkBurst = {{{rgb(0xFF55EE), rgb(0xDD44CC)},
                                   {rgb(0xDD44CC), rgb(0xBB33AA)},
                                   {rgb(0xBB33AA), rgb(0x772466)},
                                   {rgb(0x772466), rgb(0x440022)},
                                   {rgb(0x440022), rgb(0x000000)}}}; // 116
constexpr std::array<const BurstRamp*, 2> kBursts = {&kMagentaBurst, &kPinkBurst};

// Six rings of five squares, each ring a few ages ahead of the last (u runs
// age + 1 .. age + 6, held at 15): the squares scatter on a circle of radius
// 3u + 10 at random angles, shrink and climb u pixels as they go.
bool draw_burst(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const BurstRamp& ramp = *kBursts[std::size_t(s.info.style)];
    const int age = s.age();
    for (int step = 1; step <= 6; ++step) {
        const int u = std::min(age + step, 15);
        const BrushPen& c = ramp[std::size_t(std::min(u / 3, 4))];
        colours(b, c.pen, c.brush);
        const int radius = 3 * u + 10, h = 5 - u / 5;
        for (int j = 1; j <= 5; ++j) {
            const Point p = on_circle(s.x(), s.y(), j * s.g.rnd(60), radius, pi_for(s.kind()));
            b.rectangle(p.x - h, p.y - h - u, p.x + h, p.y + h - u);
        }
    }
    return false;
}

// ---- crackles ------------------------------------------------------------------

// Small squares thrown around the point each tick in two colours picked at
// random for brush and pen; fewer as the effect ages.
struct Crackle {
    Colour first, second;
    int spread; // the squares' centres fall within spread x spread around the point
};
constexpr std::array<Crackle, 2> kCrackles = {{
    {rgb(0xFFFFFF), rgb(0x0000FF), 20}, // 3: white and blue
    {rgb(0xFFD2D2), rgb(0xFF0066), 15}, // 27: pale pink and rose
}};

bool draw_crackle(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const Crackle& c = kCrackles[std::size_t(s.info.style)];
    Game& g = s.g;
    const int count = std::max(1, 4 - s.age() / 5);
    for (int k = 0; k < count; ++k) {
        const Colour brush = g.rnd(2) == 0 ? c.first : c.second;
        const Colour pen = g.rnd(2) == 0 ? c.first : c.second;
        colours(b, pen, brush);
        const int h = 1 + g.rnd(3);
        const int cx = s.x() - c.spread / 2 + g.rnd(c.spread);
        const int cy = s.y() - c.spread / 2 + g.rnd(c.spread);
        b.rectangle(cx - h, cy - h, cx + h, cy + h);
    }
    return false;
}

// ---- frames --------------------------------------------------------------------

// 55: two hollow squares opening from the point, white fading to grey by
// age div 3.
constexpr std::array<Colour, 6> kGreyFrame = {rgb(0xFFFFFF), rgb(0xDDDDDD), rgb(0xBBBBBB),
                                              rgb(0x999999), rgb(0x777777), rgb(0x444444)};

bool draw_opening_frame(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    b.pen_width = 1;
    b.brush_style = BrushStyle::clear;
    b.pen_colour = at(kGreyFrame, s.age() / 3);
    const int age = s.age();
    for (int h : {2 + 2 * age, age}) b.rectangle(s.x() - h, s.y() - h, s.x() + h, s.y() + h);
    return false;
}

// 32: a red box round the cell at the point, shown for a single tick.
bool draw_marker(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    b.pen_width = 1;
    b.brush_style = BrushStyle::clear;
    b.pen_colour = rgb(0xFF0000);
    b.rectangle(s.x() - kCell / 2, s.y() - kCell / 2, s.x() + kCell / 2, s.y() + kCell / 2);
    return false;
}

constexpr std::array kKinds = {
    shape_kind(9, kView, draw_burst, 15, 0, 0),
    shape_kind(116, kView, draw_burst, 15, 0, 1),
    shape_kind(3, kView, draw_crackle, 15, -1, 0),
    shape_kind(27, kView, draw_crackle, 15, -1, 1),
    shape_kind(55, kView, draw_opening_frame, 15, -1),
    shape_kind(32, kView, draw_marker, 0, -1),
};

} // namespace

std::span<const EffectKind> square_kinds() { return kKinds; }

} // namespace tsu
