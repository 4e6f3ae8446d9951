// Effects drawn with lines: fans of rays thrown out from the point (sparks,
// splashes, swirling spokes), the rising flames (149, 150), the dark
// scratches (172) and the endless spinning bar (174).
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>
#include <span>

namespace tsu {

namespace {

using namespace effect_shape;

// How a ray's colour is chosen from its list.
enum class Tint {
    over_life, // the list spread evenly over the kind's life
    per_ray,   // each ray its own colour
    cycle,     // ray j takes colour (j + age) mod n: the colours run round the fan
};

// Ray j (1..rays) points at angle0 + step * j + spin * age + random(jitter)
// and runs from the inner radius in0 + in_a * age over a length of
// len0 - age div len_div (at least 2); with `swell` the length instead
// opens and closes over the life, u * (life - u) div len_div.
struct Fan {
    std::span<const Colour> colours{};
    Tint tint = Tint::over_life;
    int rays = 0, angle0 = 0, step = 45, spin = 0, jitter = 0;
    int in0 = 0, in_a = 2;
    int len0 = 8, len_div = 1000;
    bool swell = false;
    int pen_width = 1;
};

struct FanKind {
    int32_t kind;
    EffectLayer layer;
    int32_t last_age, end_value;
    std::array<Fan, 2> fans;
};

Colour tint(const Fan& f, const EffectSlot& s, int j) {
    const int n = int(f.colours.size());
    switch (f.tint) {
    case Tint::over_life: return at(f.colours, (s.age() - 2) * n / std::max(1, s.info.limit - 1));
    case Tint::per_ray: return f.colours[std::size_t(j % n)];
    case Tint::cycle: return f.colours[std::size_t((j + s.age()) % n)];
    }
    return f.colours[0];
}

void draw_fan(EffectSlot& s, const Fan& f) {
    if (f.rays == 0) return;
    Bitmap& b = s.canvas;
    const int age = s.age();
    const int jitter = f.jitter > 0 ? s.g.rnd(f.jitter) : 0;
    const int life = s.info.limit;
    const int u = std::min(age, life);
    const int len = f.swell ? u * (life - u) / f.len_div : std::max(2, f.len0 - age / f.len_div);
    const int inner = f.in0 + f.in_a * age;
    b.pen_width = f.pen_width;
    for (int j = 1; j <= f.rays; ++j) {
        b.pen_colour = tint(f, s, j);
        const double angle = f.angle0 + f.step * j + f.spin * age + jitter;
        const Point a = on_circle(s.x(), s.y(), angle, inner, pi_for(s.kind()));
        const Point z = on_circle(s.x(), s.y(), angle, inner + len, pi_for(s.kind()));
        b.line(a.x, a.y, z.x, z.y);
    }
}

constexpr std::array kMint = {rgb(0xFFFFFF), rgb(0x55FFFF), rgb(0x00FFCC),
                              rgb(0x00DD99), rgb(0x00AA55), rgb(0x007700)};
constexpr std::array kSpring = {rgb(0xFFFFFF), rgb(0xFFFF00), rgb(0x8DB72D),
                                rgb(0x4A9972), rgb(0x479C9A), rgb(0x46699D)};
constexpr std::array kIce = {rgb(0xFFFFFF), rgb(0x1BFEA3), rgb(0x00FFFF), rgb(0x00B3FF),
                             rgb(0x1085EF), rgb(0x2B62D5), rgb(0x4646B9), rgb(0x3E3674)};
constexpr std::array kLilacSpokes = {rgb(0xAA77BB), rgb(0xCC99DD), rgb(0xDDAAEE),
                                     rgb(0xEEBBFF), rgb(0xFFCCFF), rgb(0xBB88CC)};
constexpr std::array kFrostSpokes = {rgb(0xFFFFFF), rgb(0xB4CEEF), rgb(0xADB6DA),
                                     rgb(0xB7B7C6), rgb(0xAEAEB7), rgb(0xD2FFFF)};
constexpr std::array kCyanFade = {rgb(0x66FFFF), rgb(0x33FFEE), rgb(0x33FFCC), rgb(0x22DDAA),
                                  rgb(0x11AA99), rgb(0x009988), rgb(0x007755), rgb(0x005577),
                                  rgb(0x003399), rgb(0x002277), rgb(0x001155), rgb(0x000033),
                                  rgb(0x000022), rgb(0x000011)};
constexpr std::array kRainbow = {rgb(0xFFFFFF), rgb(0x00FFFF), rgb(0x00FF00), rgb(0xFFFF00),
                                 rgb(0xFF8000), rgb(0xFF0000), rgb(0xFF00FF), rgb(0x0080C0),
                                 rgb(0x808080), rgb(0x00AAAA), rgb(0x00AA00), rgb(0xAAAA00),
                                 rgb(0xAA4000), rgb(0xAA0000)};
constexpr std::array kDeepBlue = {rgb(0x0000FF), rgb(0x0000DD), rgb(0x0000BB), rgb(0x000099),
                                  rgb(0x000077), rgb(0x000044), rgb(0x000022)};
constexpr std::array kPaleBlue = {rgb(0xDDDDFF), rgb(0xBBDDFF), rgb(0x99CCFF), rgb(0x77AAFF),
                                  rgb(0x555585), rgb(0x333355), rgb(0x113344)};
constexpr std::array kTwilight = {rgb(0xFF00FF), rgb(0xEE7722), rgb(0x99DD66), rgb(0x77BB44),
                                  rgb(0x559922), rgb(0x223388), rgb(0x002266), rgb(0x440055),
                                  rgb(0x330011), rgb(0x220000)};
// 249: the pale green first, then the greens darkening.
constexpr std::array kLeafGreen = {rgb(0x77FFAA), rgb(0x33FF77), rgb(0x00FF00), rgb(0x00DD00),
                                   rgb(0x00BB00), rgb(0x009900), rgb(0x007700), rgb(0x005500),
                                   rgb(0x003300), rgb(0x001100)};

constexpr std::array kFanKinds = {
    FanKind{53, kView, 15, -1, {{{.colours = kMint, .rays = 8, .len0 = 10, .len_div = 2,
                                  .pen_width = 2}}}},
    FanKind{56, kView, 15, -1, {{{.colours = kSpring, .rays = 12, .step = 30, .spin = 3,
                                  .in_a = 3, .len0 = 6}}}},
    FanKind{57, kView, 15, -1, {{{.colours = kIce, .rays = 6, .step = 60, .in_a = 4, .len0 = 12,
                                  .pen_width = 2}}}},
    FanKind{62, kView, 28, -1, {{{.colours = kLilacSpokes, .tint = Tint::per_ray, .rays = 6,
                                  .step = 60, .spin = 6, .in0 = 4, .in_a = 0, .len_div = 4,
                                  .swell = true}}}},
    FanKind{63, kView, 28, -1, {{{.colours = kFrostSpokes, .tint = Tint::per_ray, .rays = 6,
                                  .step = 60, .spin = -6, .in0 = 4, .in_a = 0, .len_div = 4,
                                  .swell = true}}}},
    FanKind{122, kView, 15, -1, {{{.colours = kCyanFade, .rays = 12, .step = 30, .jitter = 30,
                                   .len0 = 14}}}},
    FanKind{156, kView, 25, -1, {{{.colours = kRainbow, .tint = Tint::cycle, .rays = 8,
                                   .spin = 5, .in_a = 3, .len0 = 12}}}},
    // 170: a splash thrown upward, deep blue drops with pale ones inside.
    FanKind{170, kView, 20, 0, {{{.colours = kDeepBlue, .rays = 9, .angle0 = 182, .step = 18,
                                  .in_a = 3, .len0 = 8},
                                 {.colours = kPaleBlue, .rays = 9, .angle0 = 191, .step = 18,
                                  .in_a = 2, .len0 = 4}}}},
    FanKind{175, kLight, 10, -1, {{{.colours = kTwilight, .rays = 8, .in_a = 3, .len0 = 8}}}},
    FanKind{249, kView, 16, -1, {{{.colours = kLeafGreen, .rays = 10, .step = 36, .spin = 2,
                                   .in_a = 3, .len0 = 10, .len_div = 2}}}},
};

bool draw_fans(EffectSlot& s) {
    PenScope scope(s.canvas);
    for (const Fan& f : kFanKinds[std::size_t(s.info.style)].fans) draw_fan(s, f);
    return false;
}

// ---- flames ------------------------------------------------------------------------

// 149 and 150: five tongues of flame rising from the point and leaning right
// (149) or left (150) as they climb, yellow at first, dying to dark red.
constexpr std::array kFlame = {rgb(0xFFB900), rgb(0xFF8C00), rgb(0xFF6600), rgb(0xFE3401),
                               rgb(0xFF0000), rgb(0xBB0000), rgb(0x880000), rgb(0x5E0000),
                               rgb(0x2E0000), rgb(0x100000)};

bool draw_flames(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const int age = s.age(), lean = s.info.style == 0 ? 1 : -1;
    b.pen_colour = at(kFlame, (age - 2) * int(kFlame.size()) / 15);
    b.pen_width = 1;
    for (int j = 0; j < 5; ++j) {
        const int foot = s.x() - 8 + 4 * j;
        const int height = 8 + 2 * age + 3 * (j % 3);
        b.line(foot, s.y() + 4 - age, foot + lean * age / 2, s.y() + 4 - age - height);
    }
    return false;
}

// ---- scratches ---------------------------------------------------------------------

// 172: short dark strokes scratched round the point, a few per tick.
constexpr std::array kScratch = {rgb(0xBB00AA), rgb(0x330099), rgb(0x330077),
                                 rgb(0x550022), rgb(0xFF00EE), rgb(0x0000CC)};

bool draw_scratches(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    Game& g = s.g;
    b.pen_width = 1;
    const int strokes = 2 + g.rnd(3) - s.age() / 5;
    for (int k = 0; k < std::max(1, strokes); ++k) {
        b.pen_colour = kScratch[std::size_t(2 * g.rnd(2) + k % 2 + (s.age() > 6 ? 2 : 0)) % kScratch.size()];
        const int x0 = s.x() + 6 * g.rnd(5) - 12, y0 = s.y() + 6 * g.rnd(5) - 12;
        const int x1 = s.x() + 6 * g.rnd(5) - 12, y1 = s.y() + 6 * g.rnd(5) - 12;
        b.line(x0, y0, 2 * x1 - x0, 2 * y1 - y0);
    }
    return false;
}

// ---- the spinning bar ----------------------------------------------------------------

// 174 never ends by itself: a short thick bar turning about the point,
// cycling through warm and green colours, until a later spawn takes the slot.
constexpr std::array kBar = {rgb(0xFF6633), rgb(0xFFAA55), rgb(0xDDBB44),
                             rgb(0x99AA33), rgb(0x558855), rgb(0x114477)};

bool draw_spinning_bar(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const int age = s.age() % 360;
    b.pen_width = 2;
    b.pen_colour = kBar[std::size_t(age % int(kBar.size()))];
    const Point a = on_circle(s.x(), s.y(), 15 * age, 8, pi_for(s.kind()));
    const Point z = on_circle(s.x(), s.y(), 15 * age + 180, 8, pi_for(s.kind()));
    b.line(a.x, a.y, z.x, z.y);
    return false;
}

template <std::size_t N>
constexpr std::array<EffectKind, N + 4> entries(const std::array<FanKind, N>& kinds) {
    std::array<EffectKind, N + 4> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const FanKind& k = kinds[i];
        out[i] = shape_kind(k.kind, k.layer, draw_fans, k.last_age, k.end_value, int32_t(i));
    }
    out[N] = shape_kind(149, kView, draw_flames, 16, -1, 0);
    out[N + 1] = shape_kind(150, kView, draw_flames, 16, -1, 1);
    out[N + 2] = shape_kind(172, kView, draw_scratches, 10, -1);
    out[N + 3] = endless_kind(174, kView, draw_spinning_bar);
    return out;
}

constexpr auto kKinds = entries(kFanKinds);

} // namespace

std::span<const EffectKind> line_kinds() { return kKinds; }

} // namespace tsu
