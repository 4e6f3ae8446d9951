// The seeded particle effects: what each kind seeds (against the seeding
// table), that seeding happens once per slot on either layer, the per-tick
// moves of the streaks (164), the hurt burst (161), the bomb's turning rings
// (125) and the converging streaks (167), and the records that stay unseen.
#include "render/effect_kind.h"
#include "render/effect_particle.h"
#include "render/effect_test_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tsu {
namespace {

using test::EffectGame;
using namespace particle;

struct Range {
    int lo, hi; // inclusive
};
constexpr Range fixed(int v) { return {v, v}; }
constexpr Range span(int base, int n) { return {base, base + n - 1}; }
constexpr Range kAnyAngle = {0, 359};

// What each record holds right after seeding. The origin is relative to the
// slot's x, y; angle {INT_MIN, 0} means "not seeded" (the kind sets it itself).
struct SeedRow {
    int kind, count;
    Range angle, size, age, speed, radius, ox, oy;
};
constexpr Range kSet = {INT_MIN, 0};

constexpr SeedRow kSeeds[] = {
    {39, 10, kAnyAngle, span(5, 10), span(1, 9), span(7, 5), span(0, 3), fixed(0), fixed(0)},
    {40, 2, kAnyAngle, span(1, 4), span(1, 9), span(7, 5), span(3, 4), fixed(0), fixed(0)},
    {82, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 7), fixed(9), fixed(0), fixed(0)},
    {125, 10, kSet, fixed(0), span(1, 9), fixed(100), fixed(20), fixed(0), fixed(0)},
    {126, 10, kSet, fixed(0), span(1, 9), fixed(80), fixed(12), fixed(0), fixed(0)},
    {127, 10, kSet, fixed(0), span(1, 9), fixed(60), fixed(15), fixed(0), fixed(0)},
    {128, 10, kSet, fixed(0), span(1, 9), fixed(30), fixed(10), fixed(0), fixed(0)},
    {146, 7, fixed(0), span(5, 5), span(0, 15), fixed(0), fixed(0), span(-10, 9), span(-10, 20)},
    {147, 10, fixed(0), span(0, 4), span(1, 9), span(2, 10), fixed(0), span(-10, 20), span(-15, 30)},
    {157, 10, fixed(0), span(1, 10), span(1, 9), span(1, 6), fixed(0), span(-15, 30), span(-60, 40)},
    {158, 10, kSet, span(10, 5), span(1, 9), span(6, 3), span(3, 3), span(-8, 7), span(-8, 7)},
    {159, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 15), fixed(0), fixed(0), fixed(0)},
    {160, 10, kAnyAngle, span(1, 3), span(1, 9), span(10, 10), fixed(5), fixed(0), fixed(0)},
    {161, 10, kAnyAngle, span(2, 10), span(1, 9), span(13, 5), fixed(10), fixed(0), fixed(0)},
    {162, 10, kAnyAngle, span(8, 7), span(1, 10), span(13, 15), fixed(0), fixed(0), fixed(0)},
    {163, 10, kAnyAngle, span(5, 10), span(1, 9), span(7, 5), span(3, 5), fixed(0), fixed(0)},
    {164, 10, kAnyAngle, span(10, 10), span(1, 9), span(13, 5), span(10, 15), fixed(0), fixed(0)},
    {165, 10, kAnyAngle, span(15, 15), span(1, 9), span(16, 10), span(7, 10), fixed(0), fixed(0)},
    {167, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 15), span(200, 50), fixed(0), fixed(0)},
    {168, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 15), span(170, 50), fixed(0), fixed(0)},
    {169, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 15), span(100, 50), fixed(0), fixed(0)},
    {180, 10, kAnyAngle, span(5, 10), span(1, 6), span(7, 5), span(3, 3), fixed(0), fixed(0)},
    {189, 10, kAnyAngle, span(10, 20), span(1, 9), span(15, 15), span(10, 10), fixed(0), fixed(0)},
    {190, 10, kAnyAngle, span(10, 20), span(1, 9), span(15, 15), span(5, 5), fixed(0), fixed(0)},
    {191, 10, kAnyAngle, span(10, 20), span(1, 9), span(10, 10), span(0, 5), fixed(0), fixed(0)},
    {213, 10, kAnyAngle, span(4, 3), span(1, 9), span(4, 4), fixed(3), fixed(0), fixed(0)},
    {248, 10, fixed(0), span(8, 7), span(1, 9), span(2, 10), span(2, 10), span(-10, 20), span(-15, 30)},
    {262, 10, kAnyAngle, span(1, 3), span(1, 3), span(13, 15), fixed(0), fixed(0), fixed(0)},
    {263, 10, kAnyAngle, span(5, 10), span(3, 9), span(7, 5), fixed(0), fixed(0), fixed(0)},
    {266, 10, kAnyAngle, span(1, 4), span(1, 9), span(10, 15), span(50, 20), fixed(0), fixed(0)},
};

struct Seen {
    int lo = INT_MAX, hi = INT_MIN;
    void add(int v) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

struct ParticleGame : EffectGame {
    static constexpr int kX = 256, kY = 192;
    std::size_t spawn(int kind) {
        spawn_effect(g(), kX, kY, kind, "");
        return std::size_t(pool().effect_cursor);
    }
    Record rec(std::size_t slot, int j) { return record(pool().ef_work[slot], j); }
    void pass() {
        g().cg.fill(kBlack);
        g().bak.fill(kBlack);
        draw_effects(g());
    }
    // Seeds the slot as its first drawn tick would, without the tick's move.
    void seed(std::size_t slot) {
        const EffectKind& k = *find_effect_kind(pool().ef_kind[slot]);
        EffectSlot s{g(), k, g().cg, slot, kX, kY, 0};
        seed_particles(s, *find_particle_kind(k.kind));
    }
};

// ---- seeding -------------------------------------------------------------------------

TEST_F(ParticleGame, EveryKindSeedsItsRecordsAsTabled) {
    EXPECT_EQ(particle_table().size(), std::size(kSeeds));
    for (const SeedRow& row : kSeeds) {
        const ParticleKind* k = find_particle_kind(row.kind);
        ASSERT_NE(k, nullptr) << row.kind;
        EXPECT_EQ(k->count, row.count) << row.kind;
        const std::size_t slot = spawn(row.kind);
        Seen angle, size, age, speed, radius, ox, oy;
        for (int n = 0; n < 400; ++n) {
            seed(slot);
            EXPECT_EQ(pool().ef_work[slot][0], 1);
            for (int j = 0; j < row.count; ++j) {
                const Record r = rec(slot, j);
                angle.add(r.angle());
                size.add(r.size());
                age.add(r.age());
                speed.add(r.speed());
                radius.add(r.radius());
                ox.add(r.ox() - kX);
                oy.add(r.oy() - kY);
            }
        }
        auto check = [&](const char* what, Range want, Seen got) {
            EXPECT_EQ(got.lo, want.lo) << row.kind << " " << what;
            EXPECT_EQ(got.hi, want.hi) << row.kind << " " << what;
        };
        if (row.angle.lo != INT_MIN) check("angle", row.angle, angle);
        if (row.size.hi > 0) check("size", row.size, size);
        check("age", row.age, age);
        check("speed", row.speed, speed);
        check("radius", row.radius, radius);
        check("origin x", row.ox, ox);
        check("origin y", row.oy, oy);
    }
}

TEST_F(ParticleGame, BombRingsSitAtThirtyThreeDegreeStepsLessTheirRadius) {
    const std::size_t s = spawn(126);
    seed(s);
    for (int j = 0; j < 10; ++j) EXPECT_EQ(rec(s, j).angle(), 33 * j - 12 - 1) << j;
}

TEST_F(ParticleGame, XSparksTakeTheFourDiagonals) {
    const std::size_t s = spawn(158);
    seed(s);
    for (int j = 0; j < 10; ++j) EXPECT_EQ(rec(s, j).angle(), 45 + 90 * (j % 4)) << j;
}

// ---- seeding happens once --------------------------------------------------------------

TEST_F(ParticleGame, SeedingHappensOnceOnEitherLayer) {
    struct Case {
        int kind;
        int first_tick_draws, later_tick_draws;
    };
    // 164: 5 draws a record to seed, one a record each tick to shorten it.
    // 162 and 125 draw nothing after seeding; 125 seeds only the age.
    for (const Case c : {Case{164, 60, 10}, Case{162, 40, 0}, Case{125, 10, 0}}) {
        pool().free_all();
        const std::size_t s = spawn(c.kind);
        EXPECT_EQ(pool().ef_work[s][0], 0);
        auto before = g().random.draws();
        pass();
        EXPECT_EQ(int(g().random.draws() - before), c.first_tick_draws) << c.kind;
        EXPECT_EQ(pool().ef_work[s][0], 1) << c.kind;
        for (int t = 0; t < 3; ++t) {
            before = g().random.draws();
            pass();
            EXPECT_EQ(int(g().random.draws() - before), c.later_tick_draws) << c.kind;
        }
    }
}

TEST_F(ParticleGame, AReusedSlotSeedsAgain) {
    const std::size_t s = spawn(161);
    pass();
    auto before = g().random.draws();
    pass();
    EXPECT_EQ(g().random.draws(), before); // seeded: 161 draws nothing more
    pool().effect_cursor = int(s) == 0 ? kEffectSlots - 1 : int(s) - 1;
    spawn(161); // the same slot again
    EXPECT_EQ(pool().ef_work[s][0], 0);
    before = g().random.draws();
    pass();
    EXPECT_EQ(g().random.draws() - before, 40u); // angle, size, age, speed for 10 records
    EXPECT_EQ(pool().ef_work[s][0], 1);
}

TEST_F(ParticleGame, ARecordSeededDeadStaysUnseenAndUntouched) {
    const std::size_t s = spawn(146);
    pass();
    for (int j = 0; j < 7; ++j) rec(s, j).age() = 0;
    const auto words = pool().ef_work[s];
    for (int t = 0; t < 5; ++t) pass();
    EXPECT_TRUE(std::all_of(g().cg.pixels().begin(), g().cg.pixels().end(),
                            [](Colour c) { return c == kBlack; }));
    EXPECT_EQ(pool().ef_work[s], words);
}

// ---- moves -----------------------------------------------------------------------------

TEST_F(ParticleGame, StreaksSlowShortenAndRunOnPastTheirLength) {
    const std::size_t s = spawn(164);
    Random expect = g().random;
    struct Want {
        int angle, size, age, speed, radius;
    };
    Want want[10];
    for (Want& w : want) {
        w.angle = expect(360);
        w.size = 10 + expect(10);
        w.age = 1 + expect(9);
        w.speed = 13 + expect(5);
        w.radius = 10 + expect(15);
    }
    for (int t = 0; t < 4; ++t) {
        for (Want& w : want) {
            w.age += 1;
            w.speed = std::max(1, w.speed - 3);
            w.radius += w.speed;
            w.size = std::max(1, w.size - 1 - expect(2));
            w.radius += w.size;
        }
        pass();
        for (int j = 0; j < 10; ++j) {
            const Record r = rec(s, j);
            EXPECT_EQ(r.angle(), want[j].angle);
            EXPECT_EQ(r.age(), want[j].age) << t << " " << j;
            EXPECT_EQ(r.speed(), want[j].speed) << t << " " << j;
            EXPECT_EQ(r.size(), want[j].size) << t << " " << j;
            EXPECT_EQ(r.radius(), want[j].radius) << t << " " << j;
        }
    }
}

TEST_F(ParticleGame, ConvergingStreaksCloseInByTheirSpeed) {
    const std::size_t s = spawn(167);
    seed(s);
    pool().ef_work[s][0] = 1;
    const int radius = rec(s, 3).radius(), speed = rec(s, 3).speed();
    pass();
    EXPECT_EQ(rec(s, 3).speed(), std::max(1, speed - 3));
    EXPECT_EQ(rec(s, 3).radius(), radius - std::max(1, speed - 3));
}

TEST_F(ParticleGame, BombRingsOpenByAQuarterOfTheirSpeedAndTurn) {
    const std::size_t s = spawn(125);
    pass(); // speed 100 loses 26: the radius grows from 20 to 94
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(rec(s, j).speed(), 74);
        EXPECT_EQ(rec(s, j).radius(), 94);
        EXPECT_EQ(rec(s, j).angle(), 33 * j - 95);
    }
    pass(); // 74 loses 19
    EXPECT_EQ(rec(s, 0).radius(), 94 + 55);
    EXPECT_EQ(rec(s, 0).angle(), -150);
}

TEST_F(ParticleGame, SizesFallOnEveryEighthFrameAndBurstsRiseEveryOther) {
    const std::size_t s = spawn(161);
    seed(s);
    const int size = rec(s, 0).size(), oy = rec(s, 0).oy();
    g().frame_count = 7; // odd, not a multiple of 8
    pass();
    EXPECT_EQ(rec(s, 0).size(), size);
    EXPECT_EQ(rec(s, 0).oy(), oy - 1);
    g().frame_count = 8;
    pass();
    EXPECT_EQ(rec(s, 0).size(), std::max(1, size - 1));
    EXPECT_EQ(rec(s, 0).oy(), oy - 1);
    rec(s, 0).size() = 1;
    g().frame_count = 16;
    pass();
    EXPECT_EQ(rec(s, 0).size(), 1);
}

// ---- looks -----------------------------------------------------------------------------

TEST_F(ParticleGame, HurtBurstDrawsAMirroredPairInTheColourOfItsAge) {
    const std::size_t s = spawn(161);
    seed(s);
    for (int j = 1; j < 10; ++j) rec(s, j).age() = 0; // one record left
    const Record r = rec(s, 0);
    r.angle() = 0;
    r.radius() = 20;
    r.speed() = 13; // moves to 30
    r.size() = 3;
    g().frame_count = 2; // no climb, no shrink
    struct Case {
        int age_before;
        Colour colour;
    };
    for (const Case c : {Case{5, rgb(0xFF0000)}, Case{6, rgb(0xDD2200)}, Case{13, rgb(0xBB3300)},
                         Case{17, rgb(0x992200)}, Case{22, rgb(0x661100)}, Case{30, rgb(0x330000)}}) {
        r.age() = c.age_before;
        r.radius() = 20;
        r.speed() = 13;
        pass();
        EXPECT_EQ(g().cg.pixel(kX + 30, kY), c.colour) << c.age_before + 1;
        // cos(180 * 3.1415 / 180) * 30 is -29.9999..., truncated to -29.
        EXPECT_EQ(g().cg.pixel(kX - 29, kY), c.colour) << c.age_before + 1;
        EXPECT_EQ(test::ink_box(g().cg, c.colour), (Rect{kX - 32, kY - 3, kX + 33, kY + 3}));
    }
}

TEST_F(ParticleGame, BombRingDotsShrinkWithTheirAgeOnTheLightLayer) {
    const std::size_t s = spawn(128);
    seed(s);
    for (int j = 1; j < 10; ++j) rec(s, j).age() = 0;
    rec(s, 0).age() = 3; // drawn at 4: half-size 14, the brightest colour
    pass();
    const auto box = test::ink_box(g().bak, rgb(0xFF66BB));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->width(), 28);
    EXPECT_EQ(box->height(), 28);
    rec(s, 0).age() = 39; // drawn at 40: at least 1
    pass();
    EXPECT_EQ(test::ink_box(g().bak, rgb(0x330022))->width(), 2);
}

} // namespace
} // namespace tsu
