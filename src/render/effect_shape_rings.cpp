// Rings of dots, after the red ring (12): each tick a few rings of dots are
// placed round the point, every ring a step further along (u = age + s, held
// at a cap), so the ring trails itself as it opens, closes or flies outward.
// The looks differ only in their data: colours by age (or by the dot's place
// on the ring), how the radius follows u, how many dots and how they turn.
// The orbiting balls (10, 11) share the file.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>
#include <span>

namespace tsu {

namespace {

using namespace effect_shape;

// How a list of colours is indexed by age: age mod `mod` when mod > 0, else
// (age - from) div `div`, held at both ends of the list. With `per_dot` > 0
// the list holds per_dot colours for each age step and the dot's place on the
// ring (plus the tick's random offset) picks among them.
struct Pick {
    int mod = 0, div = 1000, from = 0, per_dot = 0;
};

Colour pick(std::span<const Colour> list, const Pick& p, int age, int dot) {
    const int step = p.mod > 0 ? age % p.mod : (age - p.from) / p.div;
    if (p.per_dot == 0) return at(list, step);
    const int steps = int(list.size()) / p.per_dot;
    return list[std::size_t(std::clamp(step, 0, steps - 1) * p.per_dot + dot % p.per_dot)];
}

enum class Radius {
    open_close, // r0 + u * (cap - u) * num / den: opens, then closes on the point
    expand,     // r0 + u * num / den
    converge,   // r0 - u * num / den, not below 0
};

struct DotRing {
    std::span<const Colour> brush{};
    Pick brush_pick{};
    std::span<const Colour> pen{}; // empty: the pen takes the brush colour
    Pick pen_pick{};
    int rings = 1, cap = 15;                       // s = 1..rings, u = min(age + s, cap)
    Radius radius = Radius::expand;
    int r0 = 0, num = 1, den = 1, r_random = 0;    // r_random > 0: each ring adds random(r_random)
    int dots = 8, angle_step = 45, spin = 0;       // angle = step * j + spin * u + random(jitter)
    int jitter = 0;
    int h0 = 3, h_div = 1000, h_random = 0;        // half-size h0 - age div h_div + random(h_random), >= 1
    int colour_random = 0;                         // > 0: a random offset into per-dot colours
    Colour hub_brush = 0, hub_pen = 0;             // hub_h0 > 0: a dot at the centre first
    int hub_h0 = 0;
};

int ring_radius(const DotRing& r, int u) {
    switch (r.radius) {
    case Radius::open_close: return r.r0 + u * (r.cap - u) * r.num / r.den;
    case Radius::expand: return r.r0 + u * r.num / r.den;
    case Radius::converge: return std::max(0, r.r0 - u * r.num / r.den);
    }
    return 0;
}

// ---- colours of the looks ---------------------------------------------------------

constexpr std::array kRedRingBrush = {rgb(0xFF0000), rgb(0xDD0000), rgb(0xBB0000), rgb(0x990000),
                                      rgb(0x770000), rgb(0x550000), rgb(0x330000), rgb(0x110000)};
constexpr std::array kRedRingPen = {rgb(0xAA002F), rgb(0xFF0000), rgb(0xAA002F), rgb(0x56012E)};
// 21: brush and pen per step, the brightest pair first.
constexpr std::array kAquaBrush = {rgb(0xAAFFFF), rgb(0x77DDDD), rgb(0x55BBBB), rgb(0x339999),
                                   rgb(0x117777), rgb(0x005555)};
constexpr std::array kAquaPen = {rgb(0xFFFFFF), rgb(0xA4FFFD), rgb(0x01FE99), rgb(0x0E7777),
                                 rgb(0x015555), rgb(0x003333)};
constexpr std::array kVioletBrush = {rgb(0xFFFFFF), rgb(0xBC79FF), rgb(0x8E1EFF), rgb(0x75009B),
                                     rgb(0x000000)};
constexpr std::array kVioletPen = {rgb(0x00FFFF), rgb(0xA346FF), rgb(0x7C00F9), rgb(0x7D007A),
                                   rgb(0x7D007A)};
constexpr std::array kRainbowDots = {rgb(0x00FFFF), rgb(0x00FF00), rgb(0xFFFF00), rgb(0xFF8000),
                                     rgb(0xFF0000), rgb(0xFF00FF), rgb(0x0080C0)};
constexpr std::array kSeaFade = {rgb(0xFFFF00), rgb(0x00FF9F), rgb(0x00C69E), rgb(0x0095AA),
                                 rgb(0x016FA9), rgb(0x0041A2), rgb(0x0115A0), rgb(0x000000)};
constexpr std::array kRedFade = {rgb(0xFF0000), rgb(0xCC0000), rgb(0x990000),
                                 rgb(0x660000), rgb(0x330000), rgb(0x110000)};
constexpr std::array kTealFade = {rgb(0x99FFEE), rgb(0x77DDCC), rgb(0x44BB99),
                                  rgb(0x117766), rgb(0x004433), rgb(0x002211)};
constexpr std::array kLimeFade = {rgb(0xEEFF99), rgb(0xCCDD77), rgb(0x99BB44),
                                  rgb(0x667711), rgb(0x334400), rgb(0x112200)};
constexpr std::array kPaleFade = {rgb(0xFFFFFF), rgb(0xEFCEB4), rgb(0xDAB6AD),
                                  rgb(0xC6B7B7), rgb(0xB7AEAE), rgb(0xFFFFD2)};
constexpr std::array kSilver = {rgb(0xC0C0C0)};
constexpr std::array kWhite = {rgb(0xFFFFFF)};
constexpr std::array kConfettiBrush = {rgb(0xBF0000), rgb(0xD900BE), rgb(0x8200BF), rgb(0x2E0099),
                                       rgb(0xFF0080)};
constexpr std::array kConfettiPen = {rgb(0xFF8080), rgb(0xB871FF), rgb(0x8D72FE), rgb(0x80C6FF),
                                     rgb(0xFF75BA)};
constexpr std::array kMagicBrush = {rgb(0x58005F), rgb(0x800000), rgb(0x79003D), rgb(0x660066),
                                    rgb(0x3D016D)};
constexpr std::array kMagicPen = {rgb(0xCB01FE), rgb(0xFF4D00), rgb(0xFF004D), rgb(0xFF00FF),
                                  rgb(0xA600FF)};
constexpr std::array kSmokeBrush = {rgb(0xC0C0C0), rgb(0x808080), rgb(0x73617C),
                                    rgb(0x704477), rgb(0x54214E), rgb(0x411B35)};
constexpr std::array kSmokePen = {rgb(0xA0A0A0)};
constexpr std::array kBlueFade = {rgb(0x00B9FF), rgb(0x008CFF), rgb(0x0066FF), rgb(0x0034FE),
                                  rgb(0x0000FF), rgb(0x0000BB), rgb(0x000088), rgb(0x00005E),
                                  rgb(0x00002E)};
constexpr std::array kRedFireHit = {rgb(0x00E6FF), rgb(0x009FFF), rgb(0x2D45D2),
                                    rgb(0xE71875), rgb(0xFF0006), rgb(0xC40005),
                                    rgb(0x820003), rgb(0x510002), rgb(0x000000)};
constexpr std::array kBlueFireHit = {rgb(0x00E6FF), rgb(0x009FFF), rgb(0x2D45D2), rgb(0x1875E7),
                                     rgb(0x0006FF), rgb(0x0005C4), rgb(0x000382), rgb(0x001205),
                                     rgb(0x000051), rgb(0x000000)};
constexpr std::array kStrawFade = {rgb(0xFFFFAA), rgb(0xDDEE99), rgb(0xCCDD88),
                                   rgb(0xAABB66), rgb(0x998944), rgb(0x665522),
                                   rgb(0x444411), rgb(0x222200), rgb(0x000000)};
constexpr std::array kBlackPen = {rgb(0x000000)};
constexpr std::array kGreens = {rgb(0x00D25F), rgb(0x02FD73), rgb(0x008000), rgb(0x00BB00),
                                rgb(0x00AE4F), rgb(0x00E300), rgb(0x00823A)};
constexpr std::array kEmber = {rgb(0x6F0000), rgb(0xBB0000), rgb(0xDD0000), rgb(0xFF0000),
                               rgb(0x9F0000)};
constexpr std::array kGreenSlow = {rgb(0x00FFB9), rgb(0x00FF8C), rgb(0x00FF66),
                                   rgb(0x00FE34), rgb(0x00DD22), rgb(0x00BB00),
                                   rgb(0x008800), rgb(0x005E00), rgb(0x002E00)};
constexpr std::array kPinkSlow = {rgb(0xFF00B9), rgb(0xFF008C), rgb(0xFF0066), rgb(0xFE0034),
                                  rgb(0xDD0022), rgb(0xBB0000), rgb(0x880000), rgb(0x5E0000),
                                  rgb(0x005E00), rgb(0x2E0000)};
constexpr std::array kAmber = {rgb(0xAA6600)};
constexpr std::array kFireFade = {rgb(0xFF8C00), rgb(0xFF6600), rgb(0xFE3401),
                                  rgb(0xFF0000), rgb(0xBB0000), rgb(0x880000),
                                  rgb(0x5E0000), rgb(0x3E0000), rgb(0x1E0000)};
constexpr std::array kRed = {rgb(0xFF0000)};
constexpr std::array kPurpleFade = {rgb(0xAA00FF), rgb(0xCC00AA), rgb(0xBB0099), rgb(0x770088),
                                    rgb(0x660055), rgb(0x220044), rgb(0x110011), rgb(0x110000)};
constexpr std::array kPastel = {rgb(0xFFA4FF), rgb(0xFF71FF), rgb(0xFF3EFF), rgb(0xFF09FF),
                                rgb(0xC014EB), rgb(0x7A18E7), rgb(0x2E24DB), rgb(0x3270CD),
                                rgb(0x3684B1), rgb(0x48999F), rgb(0x62867B)};
constexpr std::array kGreyFade = {rgb(0xFFFFFF), rgb(0xBBBBBB), rgb(0x999999),
                                  rgb(0x666666), rgb(0x333333), rgb(0x111111)};
constexpr std::array kLeafPen = {rgb(0x008039), rgb(0x738000), rgb(0xB0FFB0)};
constexpr std::array kLeafBrush = {rgb(0x00FF00), rgb(0x68FF68), rgb(0x00807C)};

constexpr Pick by_mod(int n) { return Pick{n, 1, 0, 0}; }
constexpr Pick by_div(int d, int from = 0) { return Pick{0, d, from, 0}; }
constexpr Pick by_dot(int n) { return Pick{0, 1000, 0, n}; }

// ---- the looks ---------------------------------------------------------------------

// A kind of the family: its entry data and its look.
struct RingKind {
    int32_t kind;
    EffectLayer layer;
    int32_t last_age, end_value;
    DotRing look;
};

using R = Radius;

constexpr std::array kRingKinds = {
    // 12: the red ring opening and closing, five ages ahead at the outermost.
    RingKind{12, kView, 15, -1, {.brush = kRedRingBrush, .brush_pick = by_mod(8), .pen = kRedRingPen,
             .pen_pick = by_mod(4), .rings = 6, .cap = 15, .radius = R::open_close, .r0 = 0, .num = 1,
             .den = 1, .dots = 20, .angle_step = 40, .spin = 5, .h0 = 6, .h_div = 3, .h_random = 2}},
    RingKind{21, kView, 25, -1, {.brush = kAquaBrush, .brush_pick = by_div(5), .pen = kAquaPen,
             .pen_pick = by_div(5), .rings = 6, .cap = 25, .radius = R::open_close, .num = 1, .den = 3,
             .dots = 12, .angle_step = 30, .spin = 4, .h0 = 4, .h_div = 8, .h_random = 2}},
    RingKind{41, kView, 15, -1, {.brush = kVioletBrush, .brush_pick = by_div(4), .pen = kVioletPen,
             .pen_pick = by_div(4), .rings = 3, .cap = 16, .radius = R::expand, .num = 4, .den = 1,
             .dots = 10, .angle_step = 36, .h0 = 4, .h_div = 5, .h_random = 2}},
    RingKind{42, kView, 14, -1, {.brush = kRainbowDots, .brush_pick = by_dot(7), .rings = 1,
             .cap = 14, .radius = R::expand, .r0 = 4, .num = 5, .den = 1, .dots = 7, .angle_step = 51,
             .spin = 6, .h0 = 2, .h_div = 7, .h_random = 3, .hub_brush = rgb(0xFFFFFF),
             .hub_pen = rgb(0xC0C0C0), .hub_h0 = 6}},
    RingKind{43, kView, 15, -1, {.brush = kGreyFade, .brush_pick = by_div(3), .pen = kSilver,
             .rings = 2, .cap = 16, .radius = R::expand, .num = 3, .den = 1, .dots = 10,
             .angle_step = 36, .h0 = 3, .h_div = 8}},
    RingKind{51, kView, 15, -1, {.brush = kSeaFade, .brush_pick = by_div(2, 2), .rings = 2,
             .cap = 16, .radius = R::expand, .r0 = 6, .num = 3, .den = 1, .dots = 8, .angle_step = 45,
             .spin = 3, .h0 = 3, .h_div = 6, .h_random = 2, .hub_brush = rgb(0xFFFFFF),
             .hub_pen = rgb(0xC0C0C0), .hub_h0 = 5}},
    RingKind{52, kView, 15, -1, {.brush = kSeaFade, .brush_pick = by_div(2, 2), .rings = 3,
             .cap = 16, .radius = R::expand, .num = 3, .den = 1, .r_random = 6, .dots = 6,
             .angle_step = 60, .spin = 10, .h0 = 3, .h_div = 6, .h_random = 2,
             .hub_brush = rgb(0xFFFFFF), .hub_pen = rgb(0xC0C0C0), .hub_h0 = 4}},
    RingKind{54, kView, 15, -1, {.brush = kLeafBrush, .brush_pick = by_dot(3), .pen = kLeafPen,
             .pen_pick = by_dot(3), .rings = 3, .cap = 16, .radius = R::open_close, .num = 1,
             .den = 2, .dots = 9, .angle_step = 40, .spin = 5, .h0 = 3, .h_div = 1000}},
    RingKind{58, kView, 15, -1, {.brush = kRedFade, .brush_pick = by_div(3), .rings = 2, .cap = 16,
             .radius = R::expand, .num = 4, .den = 1, .dots = 12, .angle_step = 30, .jitter = 15,
             .h0 = 3, .h_div = 6}},
    RingKind{59, kView, 15, -1, {.brush = kTealFade, .brush_pick = by_div(3), .rings = 2, .cap = 16,
             .radius = R::expand, .num = 4, .den = 1, .dots = 12, .angle_step = 30, .jitter = 15,
             .h0 = 3, .h_div = 6}},
    RingKind{60, kView, 15, -1, {.brush = kLimeFade, .brush_pick = by_div(3), .rings = 2, .cap = 16,
             .radius = R::expand, .num = 4, .den = 1, .dots = 12, .angle_step = 30, .jitter = 15,
             .h0 = 3, .h_div = 6}},
    RingKind{64, kView, 30, -1, {.brush = kPaleFade, .brush_pick = by_div(6), .rings = 4, .cap = 30,
             .radius = R::open_close, .num = 1, .den = 5, .dots = 16, .angle_step = 22, .spin = 2,
             .h0 = 2, .h_div = 15, .h_random = 2}},
    RingKind{70, kView, 15, -1, {.brush = kSilver, .brush_pick = by_div(1000), .pen = kWhite,
             .rings = 1, .cap = 16, .radius = R::expand, .num = 3, .den = 1, .dots = 8,
             .angle_step = 45, .h0 = 3, .h_div = 6}},
    RingKind{75, kView, 15, -1, {.brush = kSilver, .brush_pick = by_div(1000), .pen = kWhite,
             .rings = 1, .cap = 16, .radius = R::converge, .r0 = 48, .num = 3, .den = 1, .dots = 8,
             .angle_step = 45, .h0 = 3, .h_div = 6}},
    RingKind{78, kView, 15, -1, {.brush = kConfettiBrush, .brush_pick = by_dot(5),
             .pen = kConfettiPen, .pen_pick = by_dot(5), .rings = 2, .cap = 16, .radius = R::expand,
             .r0 = 4, .num = 4, .den = 1, .dots = 10, .angle_step = 36, .spin = 8, .h0 = 4, .h_div = 4,
             .colour_random = 5}},
    RingKind{79, kView, 15, -1, {.brush = kSmokeBrush, .brush_pick = by_div(3), .pen = kSmokePen,
             .rings = 2, .cap = 16, .radius = R::expand, .r0 = 6, .num = 2, .den = 1, .dots = 9,
             .angle_step = 40, .jitter = 5, .h0 = 5, .h_div = 4}},
    // 83: five sparks of dark magic wheeling outward, each its own pair of colours.
    RingKind{83, kView, 15, -1, {.brush = kMagicBrush, .brush_pick = by_dot(5), .pen = kMagicPen,
             .pen_pick = by_dot(5), .rings = 2, .cap = 16, .radius = R::expand, .r0 = 3, .num = 3,
             .den = 1, .dots = 5, .angle_step = 72, .spin = 12, .jitter = 2, .h0 = 4, .h_div = 5,
             .colour_random = 2}},
    RingKind{92, kView, 20, -1, {.brush = kBlueFade, .brush_pick = by_div(2, 2), .rings = 2,
             .cap = 21, .radius = R::expand, .num = 5, .den = 1, .dots = 12, .angle_step = 30,
             .spin = 3, .h0 = 4, .h_div = 6}},
    RingKind{93, kView, 15, -1, {.brush = kRedFireHit, .brush_pick = by_div(2, 2), .rings = 3,
             .cap = 16, .radius = R::open_close, .num = 1, .den = 3, .dots = 8, .angle_step = 45,
             .spin = 7, .h0 = 5, .h_div = 4, .h_random = 2}},
    RingKind{94, kView, 15, -1, {.brush = kStrawFade, .brush_pick = by_div(2, 2), .rings = 3,
             .cap = 16, .radius = R::expand, .num = 3, .den = 1, .dots = 8, .angle_step = 45,
             .spin = 7, .h0 = 5, .h_div = 4, .h_random = 2}},
    RingKind{111, kView, 20, -1, {.brush = kGreens, .brush_pick = by_dot(7), .pen = kBlackPen,
             .rings = 2, .cap = 21, .radius = R::open_close, .num = 1, .den = 4, .dots = 14,
             .angle_step = 26, .spin = 4, .h0 = 4, .h_div = 7}},
    RingKind{118, kView, 18, -1, {.brush = kEmber, .brush_pick = by_div(4), .rings = 3, .cap = 19,
             .radius = R::expand, .r0 = 10, .num = 3, .den = 1, .dots = 16, .angle_step = 22,
             .spin = 4, .h0 = 3, .h_div = 1000}},
    RingKind{120, kView, 38, -1, {.brush = kGreenSlow, .brush_pick = by_div(4), .rings = 2,
             .cap = 39, .radius = R::open_close, .num = 1, .den = 4, .dots = 24, .angle_step = 15,
             .spin = 3, .h0 = 3, .h_div = 15}},
    RingKind{121, kLight, 38, -1, {.brush = kPinkSlow, .brush_pick = by_div(4), .rings = 2,
             .cap = 39, .radius = R::open_close, .num = 1, .den = 4, .dots = 24, .angle_step = 15,
             .spin = 3, .h0 = 3, .h_div = 15}},
    RingKind{148, kView, 16, -1, {.brush = kFireFade, .brush_pick = by_div(2, 2), .pen = kAmber,
             .rings = 3, .cap = 17, .radius = R::expand, .r0 = 2, .num = 3, .den = 1, .dots = 10,
             .angle_step = 36, .spin = 12, .h0 = 5, .h_div = 4}},
    RingKind{176, kView, 10, -1, {.brush = kPurpleFade, .brush_pick = by_div(1, 2), .pen = kRed,
             .rings = 2, .cap = 11, .radius = R::expand, .num = 6, .den = 1, .dots = 8,
             .angle_step = 45, .spin = 9, .h0 = 4, .h_div = 3}},
    RingKind{177, kView, 40, -1, {.brush = kPastel, .brush_pick = by_div(4), .pen = kWhite,
             .rings = 1, .cap = 41, .radius = R::open_close, .num = 1, .den = 6, .dots = 10,
             .angle_step = 36, .spin = 6, .h0 = 4, .h_div = 12}},
    RingKind{236, kView, 15, -1, {.brush = kBlueFireHit, .brush_pick = by_div(2, 2), .rings = 3,
             .cap = 16, .radius = R::open_close, .num = 1, .den = 3, .dots = 8, .angle_step = 45,
             .spin = 7, .h0 = 5, .h_div = 4, .h_random = 2}},
};

// ---- drawing -----------------------------------------------------------------------

// The tick's random draws come in a fixed order: the colour offset, the
// angle's jitter, the dots' half-size, then one radius draw per ring.
bool draw_dot_ring(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const DotRing& r = kRingKinds[std::size_t(s.info.style)].look;
    Game& g = s.g;
    const int age = s.age();
    const int offset = r.colour_random > 0 ? g.rnd(r.colour_random) : 0;
    const int jitter = r.jitter > 0 ? g.rnd(r.jitter) : 0;
    const int h = std::max(1, r.h0 - age / r.h_div + (r.h_random > 0 ? g.rnd(r.h_random) : 0));
    b.pen_width = 1;
    if (r.hub_h0 > 0 && r.hub_h0 - age / 3 > 0) {
        colours(b, r.hub_pen, r.hub_brush);
        dot(b, s.x(), s.y(), r.hub_h0 - age / 3);
    }
    for (int step = 1; step <= r.rings; ++step) {
        const int u = std::min(age + step, r.cap);
        const int radius = ring_radius(r, u) + (r.r_random > 0 ? g.rnd(r.r_random) : 0);
        for (int j = 1; j <= r.dots; ++j) {
            const Colour brush = pick(r.brush, r.brush_pick, age, j + offset);
            const Colour pen = r.pen.empty() ? brush : pick(r.pen, r.pen_pick, age, j + offset);
            colours(b, pen, brush);
            const Point p = on_circle(s.x(), s.y(), r.angle_step * j + r.spin * u + jitter, radius,
                                      pi_for(s.kind()));
            dot(b, p.x, p.y, h);
        }
    }
    return false;
}

// ---- orbiting balls ----------------------------------------------------------------

// 10 and 11: a red, a green and a blue ball circling the point a third of a
// turn apart, swinging out and back in; each ball has a pale rim, and a dark
// core. 10 turns clockwise, 11 the other way.
struct Ball {
    Colour body, rim, core;
};
constexpr std::array<Ball, 3> kBalls = {{{rgb(0xFF0055), rgb(0xFF99AA), rgb(0xCC0022)},
                                         {rgb(0x55FF00), rgb(0xAAFF99), rgb(0x22CC00)},
                                         {rgb(0x0055FF), rgb(0x99AAFF), rgb(0x0022CC)}}};

bool draw_balls(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const int age = s.age();
    const int turn = s.info.style == 0 ? 1 : -1;
    const int u = std::min(age, 16);
    const int radius = 6 + u * (16 - u) / 3;
    const int h = std::max(2, 6 - age / 4);
    for (int j = 0; j < 3; ++j) {
        const Ball& ball = kBalls[std::size_t(j)];
        const Point p = on_circle(s.x(), s.y(), 120 * j + turn * 24 * age, radius, pi_for(s.kind()));
        colours(b, ball.rim, ball.body);
        dot(b, p.x, p.y, h);
        colour(b, ball.core);
        dot(b, p.x, p.y, h / 2);
    }
    return false;
}

template <std::size_t N>
constexpr std::array<EffectKind, N + 2> entries(const std::array<RingKind, N>& kinds) {
    std::array<EffectKind, N + 2> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const RingKind& k = kinds[i];
        out[i] = shape_kind(k.kind, k.layer, draw_dot_ring, k.last_age, k.end_value, int32_t(i));
    }
    out[N] = shape_kind(10, kView, draw_balls, 15, 0, 0);
    out[N + 1] = shape_kind(11, kView, draw_balls, 15, 0, 1);
    return out;
}

constexpr auto kKinds = entries(kRingKinds);

} // namespace

std::span<const EffectKind> dot_ring_kinds() { return kKinds; }

} // namespace tsu
