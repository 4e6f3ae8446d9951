// Glows, puffs and spatters drawn with filled dots: concentric discs that
// swell and cool (the bomb's burst 468, the fireball 139, a green glow 179,
// the small flickering glows 71, 171, 77), and scatters of dots thrown round
// the point each tick (smoke, dust, blood, bubbles, sparkles), some with the
// slot's text over them (30, 31).
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>
#include <span>

namespace tsu {

namespace {

using namespace effect_shape;

// The colour of a list spread evenly over the kind's life (drawn ages 2 to
// last + 1).
Colour over_life(std::span<const Colour> list, const EffectSlot& s) {
    return at(list, (s.age() - 2) * int(list.size()) / std::max(1, s.info.limit - 1));
}

// ---- concentric glows ------------------------------------------------------------

// `discs` filled discs, the outer one largest and in the oldest colour: disc
// d (0 outermost) has radius R * (discs - d) / discs and colour step + (discs
// - 1 - d) of the ramp, where step runs over the life. R = r0 + ra * age, or
// with `swell` r0 + u * (cap - u) div 4 (u = age held at cap).
struct Glow {
    std::span<const Colour> ramp{};
    std::span<const Colour> pen{}; // empty: the pen takes each disc's colour
    int discs = 1;
    int r0 = 4, ra = 2;
    bool swell = false;
    int cap = 16;
    int flicker = 0; // > 0: the radius grows by random(flicker), once per tick
};

struct GlowKind {
    int32_t kind;
    EffectLayer layer;
    int32_t last_age, end_value;
    Glow look;
};

constexpr std::array kBurst = {rgb(0xFFB900), rgb(0xFF8C00), rgb(0xFF6600),
                               rgb(0xFE3401), rgb(0xFF0000), rgb(0xBB0000),
                               rgb(0x880000), rgb(0x5E0000), rgb(0x2E0000)};
// 139: yellow heart, orange, then red cooling to dark.
constexpr std::array kFireball = {rgb(0xFFCC00), rgb(0xFF9900), rgb(0xFF4400),
                                  rgb(0xFF1100), rgb(0xAA0000), rgb(0x550000)};
constexpr std::array kGreenGlow = {rgb(0x00FF00), rgb(0x00DD00), rgb(0x00BB00), rgb(0x009900),
                                   rgb(0x007700), rgb(0x005500), rgb(0x004400), rgb(0x003300),
                                   rgb(0x002200), rgb(0x001100), rgb(0x000000)};
constexpr std::array kCyanGlow = {rgb(0x00DDDD), rgb(0x003333)};
constexpr std::array kCyanRim = {rgb(0x00FFFF), rgb(0x003333)};
constexpr std::array kRedGlow = {rgb(0x990000), rgb(0x330000)};
constexpr std::array kRedRim = {rgb(0x880000), rgb(0x330000)};

constexpr std::array kGlowKinds = {
    GlowKind{468, kLight, 15, -1, {.ramp = kBurst, .discs = 3, .r0 = 8, .ra = 4}},
    GlowKind{139, kView, 15, -1, {.ramp = kFireball, .discs = 3, .r0 = 4, .swell = true}},
    GlowKind{179, kLight, 16, -1, {.ramp = kGreenGlow, .discs = 2, .r0 = 4, .ra = 3}},
    // 71, 171, 77: a small bright glow in a dark halo, flickering.
    GlowKind{71, kView, 15, 0, {.ramp = kCyanGlow, .pen = kCyanRim, .discs = 2, .r0 = 8, .ra = 0,
                                .flicker = 2}},
    GlowKind{171, kView, 15, 0, {.ramp = kCyanGlow, .pen = kCyanRim, .discs = 2, .r0 = 8, .ra = 0,
                                 .flicker = 2}},
    GlowKind{77, kView, 15, 0, {.ramp = kRedGlow, .pen = kRedRim, .discs = 2, .r0 = 8, .ra = 0,
                                .flicker = 2}},
};

bool draw_glow(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const Glow& g = kGlowKinds[std::size_t(s.info.style)].look;
    const int age = s.age();
    const int u = std::min(age, g.cap);
    int big = g.swell ? g.r0 + u * (g.cap - u) / 4 : g.r0 + g.ra * age;
    if (g.flicker > 0) big += s.g.rnd(g.flicker);
    const int n = int(g.ramp.size());
    const int step = (age - 2) * (n - g.discs + 1) / std::max(1, s.info.limit - 1);
    b.pen_width = 1;
    for (int d = 0; d < g.discs; ++d) {
        const Colour c = at(g.ramp, step + g.discs - 1 - d);
        colours(b, g.pen.empty() ? c : over_life(g.pen, s), c);
        dot(b, s.x(), s.y(), big * (g.discs - d) / g.discs);
    }
    return false;
}

// ---- scatters ------------------------------------------------------------------------

enum class Place {
    box,    // x + (random(nx) - nx div 2) * mul, y likewise with ny, raised by rise * age
    circle, // at angle random(nx) * mul and radius r0 + ra * age
};

// Each tick: count (+ random(count_random)) dots. Per dot the draws come in
// this order: its colour (when colour_random > 0), x, y, its size.
struct Scatter {
    int count = 1, count_random = 0;
    Place place = Place::box;
    int nx = 1, ny = 1, mul = 1, r0 = 0, ra = 0, rise = 0;
    int h0 = 2, h_random = 0, h_grow = 0, h_shrink = 0; // h0 + random + age/h_grow - age/h_shrink, >= 1
    std::span<const Colour> brush{};
    std::span<const Colour> pen{}; // empty: the pen takes the brush colour
    int colour_random = 0;         // > 0: colour i = random(n) of both lists; else over the life
    int pen_flash = 0;             // > 0: the pen turns white when random(pen_flash) is 0
    std::span<const Colour> hub{}; // non-empty: a dot at the point first, over the life
    int hub_h0 = 0;
    std::span<const Colour> text{}; // non-empty: the slot's text, centred, over the life
};

struct ScatterKind {
    int32_t kind;
    int32_t last_age;
    Scatter look;
};

constexpr std::array kSmoke = {rgb(0xC0C0C0), rgb(0x808080), rgb(0x73617C),
                               rgb(0x704477), rgb(0x54214E), rgb(0x411B35)};
constexpr std::array kSmokeRim = {rgb(0xA0A0A0)};
constexpr std::array kPurple = {rgb(0x800080)};
constexpr std::array kBlackRim = {rgb(0x000000)};
constexpr std::array kPurplePair = {rgb(0x800080), rgb(0xB102FD)};
constexpr std::array kPurplePairRim = {rgb(0x000000), rgb(0x8C00FF)};
constexpr std::array kGreyDots = {rgb(0xC0C0C0)};
constexpr std::array kGreyRim = {rgb(0x808080)};
constexpr std::array kWhiteText = {rgb(0xFFFFFF)};
constexpr std::array kRed = {rgb(0xFF0000)};
constexpr std::array kDarkRed = {rgb(0x800000)};
constexpr std::array kRedText = {rgb(0xFF0000), rgb(0x800000)};
constexpr std::array kMoss = {rgb(0x004000), rgb(0x009300)};
constexpr std::array kPollen = {rgb(0xFFFF00), rgb(0x939300)};
constexpr std::array kDust = {rgb(0xC0C0C0), rgb(0x808080), rgb(0x555505), rgb(0x222202)};
constexpr std::array kSpark = {rgb(0xFFFFFF), rgb(0xFF0000), rgb(0x800000)};
constexpr std::array kPuff = {rgb(0xEEEEEE), rgb(0xCCCCCC), rgb(0x999999),
                              rgb(0x777777), rgb(0x555555), rgb(0x333333)};
constexpr std::array kBloodHub = {rgb(0xFFFFFF), rgb(0xFF0000)};
constexpr std::array kAshAndBlood = {rgb(0xCCCCCC), rgb(0x4D0000), rgb(0x999999), rgb(0x7D0000),
                                     rgb(0x777777), rgb(0x9B0000), rgb(0x555555), rgb(0x333333)};
constexpr std::array kWhite = {rgb(0xFFFFFF)};
constexpr std::array kBubble = {rgb(0x005577), rgb(0x004455), rgb(0x004455), rgb(0x003333)};
constexpr std::array kBubbleRim = {rgb(0x007799), rgb(0x00BBDD), rgb(0x0099BB), rgb(0x00DDFF)};
constexpr std::array kVenom = {rgb(0x01721E), rgb(0x4D0000), rgb(0x014B14), rgb(0x7D0000),
                               rgb(0x00240A), rgb(0x9B0000)};

constexpr std::array kScatterKinds = {
    // 25: grey smoke puffing up and turning purple.
    ScatterKind{25, 15, {.count = 2, .nx = 4, .ny = 4, .mul = 5, .rise = 1, .h0 = 4, .h_grow = 2,
                         .brush = kSmoke, .pen = kSmokeRim}},
    // 28, 29: dark purple motes.
    ScatterKind{28, 15, {.count = 2, .count_random = 2, .nx = 32, .ny = 32, .h0 = 3, .h_random = 3,
                         .h_shrink = 8, .brush = kPurple, .pen = kBlackRim}},
    ScatterKind{29, 15, {.count = 4, .nx = 15, .ny = 15, .mul = 2, .h0 = 2, .h_random = 3,
                         .brush = kPurplePair, .pen = kPurplePairRim, .colour_random = 2}},
    // 30, 31: a puff with the slot's text over it.
    ScatterKind{30, 15, {.count = 3, .count_random = 3, .nx = 5, .ny = 3, .mul = 5, .rise = 1,
                         .h0 = 4, .h_random = 3, .brush = kGreyDots, .pen = kGreyRim,
                         .text = kWhiteText}},
    ScatterKind{31, 15, {.count = 3, .count_random = 2, .nx = 5, .ny = 3, .mul = 5, .rise = 1,
                         .h0 = 3, .h_random = 3, .brush = kRed, .pen = kDarkRed, .text = kRedText}},
    // 33, 44: leaves and pollen strewn over a cell.
    ScatterKind{33, 15, {.count = 6, .nx = 32, .ny = 32, .h0 = 2, .h_random = 3, .brush = kMoss,
                         .colour_random = 2}},
    ScatterKind{44, 15, {.count = 6, .nx = 32, .ny = 32, .h0 = 2, .h_random = 3, .brush = kPollen,
                         .colour_random = 2}},
    // 35: dust kicked up round a red spark.
    ScatterKind{35, 15, {.count = 4, .nx = 10, .ny = 20, .mul = 2, .rise = 1, .h0 = 3, .h_grow = 4,
                         .brush = kDust, .hub = kSpark, .hub_h0 = 4}},
    // 37: a white puff of smoke rising and greying.
    ScatterKind{37, 20, {.count = 3, .nx = 3, .ny = 3, .mul = 7, .rise = 1, .h0 = 5, .h_grow = 3,
                         .brush = kPuff, .pen_flash = 2}},
    // 50, 76, 117: red spatters.
    ScatterKind{50, 15, {.count = 6, .place = Place::circle, .nx = 6, .mul = 60, .r0 = 4, .ra = 3,
                         .h0 = 2, .h_random = 2, .brush = kRed, .pen = kDarkRed, .hub = kBloodHub,
                         .hub_h0 = 3}},
    ScatterKind{76, 15, {.count = 4, .nx = 15, .ny = 15, .mul = 2, .h0 = 2, .h_random = 3,
                         .brush = kRed, .pen = kDarkRed}},
    ScatterKind{117, 15, {.count = 3, .count_random = 2, .nx = 15, .ny = 15, .mul = 2, .h0 = 2,
                          .h_random = 2, .brush = kRed, .pen = kDarkRed}},
    // 113: ash and blood with black rims after a white flash.
    ScatterKind{113, 20, {.count = 6, .nx = 3, .ny = 3, .mul = 7, .rise = 1, .h0 = 3,
                          .h_random = 3, .brush = kAshAndBlood, .pen = kBlackRim, .colour_random = 2,
                          .hub = kWhite, .hub_h0 = 4}},
    // 140: bubbles rising for a long while.
    ScatterKind{140, 60, {.count = 4, .nx = 5, .ny = 3, .mul = 6, .rise = 1, .h0 = 2,
                          .h_random = 6, .brush = kBubble, .pen = kBubbleRim, .colour_random = 2}},
    // 251: venom and blood spat round the point.
    ScatterKind{251, 20, {.count = 6, .place = Place::circle, .nx = 60, .mul = 6, .r0 = 3, .ra = 2,
                          .h0 = 2, .h_random = 3, .brush = kVenom, .pen = kBlackRim,
                          .colour_random = 2}},
};

// A list read as rows of `columns` colours: the random column picks within a
// row and the age walks down the rows over the life.
Colour in_grid(std::span<const Colour> list, int columns, int column, const EffectSlot& s) {
    const int rows = std::max(1, int(list.size()) / columns);
    const int row = std::clamp((s.age() - 2) * rows / std::max(1, s.info.limit - 1), 0, rows - 1);
    return at(list, row * columns + column % std::max(1, std::min(columns, int(list.size()))));
}

void draw_text_over(EffectSlot& s, Colour c) {
    Bitmap& b = s.canvas;
    const std::string& t = s.text();
    if (t.empty()) return;
    b.brush_style = BrushStyle::clear;
    b.font.style = FontStyle{9, true, false};
    b.font.colour = c;
    b.text_out(s.x() - b.text_width(t) / 2, s.y() - b.text_height(t) / 2 - s.age(), t);
    b.brush_style = BrushStyle::solid;
}

bool draw_scatter(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    Game& g = s.g;
    const Scatter& c = kScatterKinds[std::size_t(s.info.style)].look;
    const int age = s.age();
    b.pen_width = 1;
    if (!c.hub.empty() && c.hub_h0 - age / 4 > 0) {
        colour(b, over_life(c.hub, s));
        dot(b, s.x(), s.y(), c.hub_h0 - age / 4);
    }
    const int count = c.count + (c.count_random > 0 ? g.rnd(c.count_random) : 0);
    for (int k = 0; k < count; ++k) {
        Colour brush, pen;
        if (c.colour_random > 0) {
            const int column = g.rnd(c.colour_random);
            brush = in_grid(c.brush, c.colour_random, column, s);
            pen = c.pen.empty() ? brush : in_grid(c.pen, c.colour_random, column, s);
        } else {
            brush = over_life(c.brush, s);
            pen = c.pen.empty() ? brush : over_life(c.pen, s);
        }
        int px = s.x(), py = s.y() - c.rise * age;
        if (c.place == Place::box) {
            px += (g.rnd(c.nx) - c.nx / 2) * c.mul;
            py += (g.rnd(c.ny) - c.ny / 2) * c.mul;
        } else {
            const Point p = on_circle(px, py, g.rnd(c.nx) * c.mul, c.r0 + c.ra * age, pi_for(s.kind()));
            px = p.x;
            py = p.y;
        }
        int h = c.h0 + (c.h_random > 0 ? g.rnd(c.h_random) : 0);
        if (c.h_grow > 0) h += age / c.h_grow;
        if (c.h_shrink > 0) h -= age / c.h_shrink;
        if (c.pen_flash > 0 && g.rnd(c.pen_flash) == 0) pen = rgb(0xFFFFFF);
        colours(b, pen, brush);
        dot(b, px, py, std::max(1, h));
    }
    if (!c.text.empty()) draw_text_over(s, over_life(c.text, s));
    return false;
}

template <std::size_t G, std::size_t S>
constexpr std::array<EffectKind, G + S> entries(const std::array<GlowKind, G>& glows,
                                                const std::array<ScatterKind, S>& scatters) {
    std::array<EffectKind, G + S> out{};
    for (std::size_t i = 0; i < G; ++i) {
        const GlowKind& k = glows[i];
        out[i] = shape_kind(k.kind, k.layer, draw_glow, k.last_age, k.end_value, int32_t(i));
    }
    for (std::size_t i = 0; i < S; ++i)
        out[G + i] = shape_kind(scatters[i].kind, kView, draw_scatter, scatters[i].last_age, -1,
                                int32_t(i));
    return out;
}

constexpr auto kKinds = entries(kGlowKinds, kScatterKinds);

} // namespace

std::span<const EffectKind> glow_kinds() { return kKinds; }

} // namespace tsu
