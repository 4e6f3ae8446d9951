// Hollow rings, after the explosion's shock rings (88): a wide outer ring
// racing out and thinning, and rings trailing behind it. The looks are rules
// of rings: a ring that grows with the age, a train of rings a few ages
// ahead, or a ring that only shows on some ticks (a flicker).
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>
#include <span>

namespace tsu {

namespace {

using namespace effect_shape;

enum class RingRule {
    none,
    single,  // radius r0 + ra * age, pen width w0 - wd * age (at least 1)
    train,   // s = 1..count, u = age + s below u_limit: radius ra * u + r0, pen max(1, w0 - wd * u)
    flicker, // like single, drawn when random(chance) is 0
};

struct Ring {
    RingRule rule = RingRule::none;
    std::span<const Colour> ramp{}; // by age div `div`, held at the last colour
    int div = 1;
    int r0 = 0, ra = 0, w0 = 1, wd = 0;
    int count = 0, u_limit = 0, chance = 0;
};

struct ShockKind {
    int32_t kind;
    int32_t last_age;
    std::array<Ring, 2> rings;
};

// 88 by age: 0..1 white, 2 yellow, then through orange and red to a dull
// brown from age 9.
constexpr std::array kBlast = {rgb(0xFFFFFF), rgb(0xFFFFFF), rgb(0xFFFF00), rgb(0xFCB803),
                               rgb(0xFD3A02), rgb(0xFF0000), rgb(0x9E1212), rgb(0x711313),
                               rgb(0x491414), rgb(0x763434)};
constexpr std::array kPeach = {rgb(0xFFDDAA), rgb(0xFFBB99), rgb(0xDD9977),
                               rgb(0xBB6655), rgb(0x773333), rgb(0x441111)};
constexpr std::array kSeaOuter = {rgb(0xFFFFFF), rgb(0x99FFEE), rgb(0x77FFDD), rgb(0x55DDAA),
                                  rgb(0x33BB77), rgb(0x119955), rgb(0x005511)};
constexpr std::array kSeaInner = {rgb(0x55FFFF), rgb(0x00FFCC), rgb(0x00DDAA), rgb(0x00BB77),
                                  rgb(0x009955), rgb(0x007733), rgb(0x003300)};
constexpr std::array kOrange = {rgb(0xFF8000)};
constexpr std::array kWhite = {rgb(0xFFFFFF)};

constexpr std::array kShockKinds = {
    ShockKind{88, 20, {{{RingRule::single, kBlast, 1, 150, 5, 15, 1},
                        {RingRule::train, kBlast, 1, -27, 27, 40, 2, 3, 18}}}},
    // 36: a peach ring and a slower one inside it.
    ShockKind{36, 15, {{{RingRule::single, kPeach, 3, 0, 4, 2, 0},
                        {RingRule::single, kPeach, 3, 0, 2, 2, 0}}}},
    // 96: a long sea-green double ring.
    ShockKind{96, 28, {{{RingRule::single, kSeaOuter, 4, 2, 3, 2, 0},
                        {RingRule::single, kSeaInner, 4, 0, 2, 2, 0}}}},
    // 34: an orange ring with a white one flickering inside it.
    ShockKind{34, 15, {{{RingRule::single, kOrange, 1, 4, 3, 2, 0},
                        {RingRule::flicker, kWhite, 1, 2, 3, 2, 0, 0, 0, 2}}}},
};

void draw_ring_rule(EffectSlot& s, const Ring& r) {
    Bitmap& b = s.canvas;
    const int age = s.age();
    switch (r.rule) {
    case RingRule::none: return;
    case RingRule::flicker:
        if (s.g.rnd(r.chance) != 0) return;
        [[fallthrough]];
    case RingRule::single:
        b.pen_colour = at(r.ramp, age / r.div);
        b.pen_width = std::max(1, r.w0 - r.wd * age);
        ring(b, s.x(), s.y(), r.r0 + r.ra * age);
        return;
    case RingRule::train:
        b.pen_colour = at(r.ramp, age / r.div);
        for (int step = 1; step <= r.count; ++step) {
            const int u = age + step;
            if (u >= r.u_limit) break;
            b.pen_width = std::max(1, r.w0 - r.wd * u);
            ring(b, s.x(), s.y(), r.ra * u + r.r0);
        }
        return;
    }
}

bool draw_shock(EffectSlot& s) {
    PenScope scope(s.canvas);
    for (const Ring& r : kShockKinds[std::size_t(s.info.style)].rings) draw_ring_rule(s, r);
    return false;
}

template <std::size_t N>
constexpr std::array<EffectKind, N> entries(const std::array<ShockKind, N>& kinds) {
    std::array<EffectKind, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = shape_kind(kinds[i].kind, kView, draw_shock, kinds[i].last_age, -1, int32_t(i));
    return out;
}

constexpr auto kKinds = entries(kShockKinds);

} // namespace

std::span<const EffectKind> shock_ring_kinds() { return kKinds; }

} // namespace tsu
