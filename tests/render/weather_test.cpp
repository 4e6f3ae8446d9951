// The play background and its weathers: the black sky, play mode only, the
// dust that moves with the scroll counter, the accelerating rain, the storm on
// the light layer and its thunder (1 tick in 80; the long roll 1 in 6, the
// crack 2 in 6, silence 3 in 6; the bolt's draws in their order), the snow
// that melts for five ticks, the leaves that blow in again past the left
// edge, and that changing the weather resets nothing.
#include "render/effect_test_engine.h"
#include "render/weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tsu {
namespace {

using test::EffectGame;

struct WeatherGame : EffectGame {
    WeatherGame() { g().my.weather = 0; }
    std::array<tenki_particle, 40>& parts() { return g().tenki_p; }
    // One play tick's worth of background, as the main tick runs it.
    void tick(int weather) {
        g().my.weather = weather;
        g().frame_count += 1;
        g().last_se.clear(); // the tick's sound guard starts afresh
        g().bak.fill(kBlack);
        draw_background_weather(g());
    }
    static bool all_black(const Bitmap& b) {
        return std::all_of(b.pixels().begin(), b.pixels().end(), [](Colour c) { return c == kBlack; });
    }
    int thunder_slot = -1; // the slot of the last bolt found by thunder_ticks
};

// ---- the sky ---------------------------------------------------------------------------

TEST_F(WeatherGame, NothingHappensOutsidePlay) {
    for (int mode : {0, 2, 3}) {
        g().mode = mode;
        g().cg.fill(kWhite);
        const auto before = g().random.draws();
        tick(1);
        EXPECT_EQ(g().cg.pixel(10, 10), kWhite);
        EXPECT_EQ(g().random.draws(), before);
        EXPECT_EQ(parts()[0].st, 0);
    }
}

TEST_F(WeatherGame, TheSkyIsBlackBeforeAnyWeather) {
    g().cg.fill(kWhite);
    tick(4); // leaves need pictures; without them only the sky shows
    EXPECT_TRUE(all_black(g().cg));
}

TEST_F(WeatherGame, AWeatherOutsideTheFiveDrawsOnlyTheSky) {
    tick(1);
    const auto parts_before = parts();
    for (int w : {-1, 5, 99}) {
        g().cg.fill(kWhite);
        const auto draws = g().random.draws();
        tick(w);
        EXPECT_TRUE(all_black(g().cg)) << w;
        EXPECT_TRUE(all_black(g().bak)) << w;
        EXPECT_EQ(g().random.draws(), draws) << w;
        for (std::size_t i = 0; i < 40; ++i) EXPECT_EQ(parts()[i].y, parts_before[i].y) << w;
    }
}

// ---- dust ----------------------------------------------------------------------------

TEST_F(WeatherGame, DustIsScatteredOnFirstUseAndMovesOnlyWithTheScrollCounter) {
    g().scroll_tick = 3;
    tick(0);
    for (const tenki_particle& p : parts()) {
        EXPECT_EQ(p.st, 1);
        EXPECT_GE(p.x, 0);
        EXPECT_LT(p.x, 514);
        EXPECT_GE(p.y, 0);
        EXPECT_LT(p.y, 180);
    }
    const auto before = parts();
    for (int sub : {1, 5, 11}) {
        g().scroll_tick = sub;
        tick(0);
        for (std::size_t i = 0; i < 40; ++i) EXPECT_EQ(parts()[i].x, before[i].x) << sub;
    }
    g().scroll_tick = 0;
    tick(0);
    for (std::size_t i = 0; i < 40; ++i) {
        if (before[i].x >= 2) {
            EXPECT_EQ(parts()[i].x, before[i].x - 2) << i;
            EXPECT_EQ(parts()[i].y, before[i].y) << i;
        } else { // gone past the left edge: back at the right, new height
            EXPECT_EQ(parts()[i].x, 520) << i;
        }
        EXPECT_EQ(parts()[i].r, int(i % 2) + 1);
    }
}

TEST_F(WeatherGame, DustBlinksInGreysOutOfStepWithItsNeighbours) {
    g().scroll_tick = 1;
    tick(0);
    tenki_particle& p = parts()[1]; // a 2 px mote (r = 2) somewhere clear
    for (std::size_t i = 0; i < 40; ++i) parts()[i].x = 600; // out of the view
    p.x = 100;
    p.y = 100;
    const Colour pen_by_phase[8] = {rgb(0x333333), rgb(0x444444), rgb(0x555555), rgb(0x666666),
                                    rgb(0x777777), rgb(0x666666), rgb(0x555555), rgb(0x444444)};
    for (int f = 0; f < 16; ++f) {
        g().frame_count = f - 1; // the tick makes it f
        tick(0);
        EXPECT_EQ(g().cg.pixel(98, 98), pen_by_phase[((1 + f) / 2) % 8]) << f;
    }
}

// ---- rain ----------------------------------------------------------------------------

TEST_F(WeatherGame, FreshRainStartsInTheSkyAlreadyFalling) {
    tick(1); // the first tick of a stage shows rain at once
    int low = 0;
    for (const tenki_particle& p : parts()) {
        EXPECT_GE(p.v, 1);
        EXPECT_LE(p.v, 20);
        EXPECT_GE(p.y, p.st == 0 ? -30 : 1); // st 0: placed low, it already started again
        EXPECT_LT(p.y, 360 + p.v);
        EXPECT_GE(p.x, -2);
        EXPECT_GE(p.len, 2);
        if (p.y > 180) ++low;
    }
    EXPECT_GT(low, 5);  // spread over the whole height,
    EXPECT_LT(low, 35); // not piled at the top or the bottom
    EXPECT_FALSE(all_black(g().cg));
}

TEST_F(WeatherGame, RainFallsFasterByZeroOrOneEachTickUntilItStartsAgain) {
    int recycled = 0, sped = 0, steady = 0;
    tick(1);
    auto before = parts();
    for (int t = 0; t < 300; ++t) {
        tick(1);
        for (std::size_t i = 0; i < 40; ++i) {
            const tenki_particle& was = before[i];
            const tenki_particle& now = parts()[i];
            if (now.st == 0) { // back above the view
                ++recycled;
                EXPECT_EQ(now.v, 1);
                EXPECT_GE(now.len, 2);
                EXPECT_LE(now.len, 6);
                EXPECT_GE(now.y, -30);
                EXPECT_LT(now.y, 0);
                EXPECT_GE(now.x, 0);
                EXPECT_LT(now.x, 553);
                EXPECT_GE(was.y + was.v, 360);
                continue;
            }
            EXPECT_EQ(now.y, was.y + was.v);
            EXPECT_TRUE(now.v == was.v || now.v == was.v + 1);
            (now.v == was.v ? steady : sped) += 1;
            EXPECT_TRUE(now.x == was.x - 1 || now.x == was.x - 2);
            EXPECT_EQ(now.st, was.st + 1);
            EXPECT_EQ(now.len, was.len + (now.st % 10 == 0 ? 1 : 0));
        }
        before = parts();
    }
    EXPECT_GT(recycled, 100);
    EXPECT_GT(sped, 1000);
    EXPECT_GT(steady, 1000);
}

// ---- storm -----------------------------------------------------------------------------

TEST_F(WeatherGame, StormStreaksGoToTheLightLayer) {
    for (int t = 0; t < 30; ++t) tick(2);
    EXPECT_TRUE(all_black(g().cg));
    EXPECT_FALSE(all_black(g().bak));
    for (const Colour c : g().bak.pixels())
        EXPECT_TRUE(c == kBlack || c == rgb(0x666666) || c == rgb(0x444444) || c == rgb(0x333333));
}

TEST_F(WeatherGame, ThunderComesOneTickInEightyAndSpeaksOneTimeInSixOrTwoOrNotAtAll) {
    constexpr int kTicks = 24000; // about 300 thunderclaps
    // The odds do not depend on what is drawn: tiny pictures keep the run fast.
    g().cg.resize(1, 1, kBlack);
    g().bak.resize(1, 1, kBlack);
    int claps = 0, roll = 0, crack = 0;
    for (int t = 0; t < kTicks; ++t) {
        const int cursor = pool().effect_cursor;
        const std::size_t heard = platform.sounds.size();
        tick(2);
        if (pool().effect_cursor == cursor) {
            EXPECT_EQ(platform.sounds.size(), heard);
            continue;
        }
        ++claps;
        const std::size_t s = std::size_t(pool().effect_cursor);
        EXPECT_EQ(pool().ef_kind[s], 135);
        EXPECT_EQ(pool().ef_b[s], 0); // from the top of the view
        EXPECT_GE(pool().ef_a[s], 0);
        EXPECT_LT(pool().ef_a[s], 550);
        EXPECT_EQ(pool().ef_x[s] % 20, 0); // to one of 30 columns along the bottom
        EXPECT_GE(pool().ef_x[s], 20);
        EXPECT_LE(pool().ef_x[s], 600);
        EXPECT_GE(pool().ef_y[s], 380);
        EXPECT_LE(pool().ef_y[s], 389);
        if (platform.sounds.size() > heard) {
            ASSERT_EQ(platform.sounds.size(), heard + 1);
            (platform.sounds.back() == "kaminari2.wav" ? roll : crack) += 1;
            EXPECT_TRUE(platform.sounds.back() == "kaminari2.wav" ||
                        platform.sounds.back() == "kaminari.wav");
        }
        pool().free_all();
    }
    // Expected 300, 50, 100 and 150 silent; four standard deviations either way.
    EXPECT_NEAR(claps, kTicks / 80, 70);
    EXPECT_NEAR(roll, claps / 6, 28);
    EXPECT_NEAR(crack, claps / 3, 36);
    EXPECT_NEAR(claps - roll - crack, claps / 2, 40);
}

TEST_F(WeatherGame, ThunderDrawsTheBoltsEndBeforeItsStart) {
    // Run until a thunderclap, replaying the tick's last five draws: the
    // chance (80), the sound (6), end x (30), end y (10), start x (550).
    for (int t = 0; t < 2000; ++t) {
        const Random before = g().random;
        const auto draws = g().random.draws();
        const int cursor = pool().effect_cursor;
        tick(2);
        if (pool().effect_cursor == cursor) continue;
        Random replay = before;
        const auto made = g().random.draws() - draws;
        for (std::uint64_t k = 0; k + 5 < made; ++k) replay(2);
        EXPECT_EQ(replay(80), 0);
        replay(6);
        const int tx = 20 * replay(30) + 20, ty = 380 + replay(10), sx = replay(550);
        const std::size_t s = std::size_t(pool().effect_cursor);
        EXPECT_EQ(pool().ef_x[s], tx);
        EXPECT_EQ(pool().ef_y[s], ty);
        EXPECT_EQ(pool().ef_a[s], sx);
        EXPECT_EQ(pool().ef_c[s], sx);
        return;
    }
    FAIL() << "no thunder in 2000 ticks";
}

// ---- snow ------------------------------------------------------------------------------

TEST_F(WeatherGame, FreshSnowStartsInTheSky) {
    tick(3);
    for (const tenki_particle& p : parts()) {
        EXPECT_GE(p.r, 1);
        EXPECT_LE(p.r, 3);
        EXPECT_GE(p.y, 1);
        EXPECT_LE(p.y, 359 + p.v);
        EXPECT_GE(p.x, -2);
    }
    EXPECT_FALSE(all_black(g().cg));
}

TEST_F(WeatherGame, SnowMeltsForFiveTicksAtTheBottomThenFallsAgain) {
    tick(3);
    tenki_particle& p = parts()[7];
    p.y = 380;
    p.v = 2;
    p.r = 3;
    p.st = 0;
    tick(3); // reaches the bottom and starts melting
    EXPECT_EQ(p.st, 1);
    EXPECT_EQ(p.y, 382);
    int r = p.r;
    for (int k = 2; k <= 5; ++k) {
        tick(3);
        EXPECT_EQ(p.st, k);
        EXPECT_EQ(p.y, 382); // a melting flake lies still
        EXPECT_TRUE(p.r == r || p.r == std::max(1, r - 1));
        r = p.r;
    }
    tick(3); // the fifth tick of melting: gone, and a new flake above the view
    EXPECT_EQ(p.st, 0);
    EXPECT_LT(p.y, 0);
    EXPECT_GE(p.r, 1);
    EXPECT_LE(p.r, 3);
    EXPECT_EQ(p.v, p.r + 1);
}

TEST_F(WeatherGame, FallingSnowKeepsItsSpeedAndSizeAtLeastOne) {
    tick(3);
    tenki_particle& p = parts()[0];
    p.y = 50;
    p.x = 200;
    p.v = 0;
    p.r = 0;
    p.st = 0;
    p.len = 1; // not a fresh record
    tick(3);
    EXPECT_EQ(p.v, 1);
    EXPECT_EQ(p.r, 1);
    EXPECT_EQ(p.y, 51);
    EXPECT_TRUE(p.x == 199 || p.x == 198);
}

// ---- leaves ----------------------------------------------------------------------------

struct LeafGame : WeatherGame {
    LeafGame() {
        g().cg_img[55] = Bitmap(14, 15, kBlack);
        g().cg_img[55].set_pixel(3, 4, rgb(0xFF2200));
        g().cg_img[56] = Bitmap(14, 15, kBlack);
        g().cg_img[56].set_pixel(5, 6, rgb(0xFFCC00));
    }
};

TEST_F(LeafGame, LeavesBlowInFromTheRightOnAGust) {
    tick(4);
    for (const tenki_particle& p : parts()) {
        EXPECT_GE(p.st, 1);
        EXPECT_GE(p.len, 50);
        EXPECT_LT(p.len, 300);
        EXPECT_TRUE(p.r == 0 || p.r == 1);
        EXPECT_GE(p.s, 1);
        // Started at 522..621 and has had one gust of 10..19 (2 more for the first leaf).
        EXPECT_GE(p.x, 522 - 21);
        EXPECT_LE(p.x, 621 - 10);
    }
}

TEST_F(LeafGame, ALeafPastTheLeftEdgeBlowsInAgain) {
    tick(4);
    tenki_particle& p = parts()[5];
    p.st = 2;
    p.x = -8;
    p.s = 3;
    p.r = 1;
    tick(4); // -8 - 3 is beyond -10
    EXPECT_EQ(p.x, -11);
    EXPECT_EQ(p.st, 0);
    tick(4);
    EXPECT_EQ(p.st, 1);
    EXPECT_GT(p.x, 400);
    p.st = 2;
    p.x = -2;
    p.s = 3;
    p.r = 0;
    tick(4); // -2 - 3 - 2 (the first leaf flies 2 px faster) is not yet beyond -10
    EXPECT_EQ(p.x, -7);
    EXPECT_EQ(p.st, 2);
}

TEST_F(LeafGame, LeavesAreMergedOntoTheSkyAsTheirPictureSays) {
    tick(4);
    for (tenki_particle& p : parts()) p.x = 2000; // far right, out of the way
    parts()[0] = tenki_particle{100, 50, 1, 0, 0, -1000, 2};   // first leaf, drifting
    parts()[1] = tenki_particle{200, 80, 1, 0, 1, -1000, 2};   // second leaf
    parts()[2] = tenki_particle{300, 80, 1, 0, 7, -1000, 2};   // r left by another weather
    tick(4);
    const tenki_particle& a = parts()[0];
    EXPECT_EQ(a.y, 50); // v was 0
    EXPECT_EQ(a.x, 100 - 1 - 2);
    EXPECT_EQ(g().cg.pixel(a.x + 3, a.y + 4), rgb(0xFF2200));
    const tenki_particle& b = parts()[1];
    EXPECT_EQ(g().cg.pixel(b.x + 5, b.y + 6), rgb(0xFFCC00));
    const tenki_particle& c = parts()[2];
    EXPECT_EQ(g().cg.pixel(c.x + 5, c.y + 6), rgb(0xFFCC00)); // any r but 0 is the second leaf
    int lit = 0;
    for (Colour px : g().cg.pixels()) lit += px != kBlack;
    EXPECT_EQ(lit, 3); // the leaves' black backgrounds leave the sky black
}

// ---- changing the weather -----------------------------------------------------------------

TEST_F(WeatherGame, ChangingTheWeatherCarriesTheParticlesOn) {
    g().scroll_tick = 4;
    tick(0); // dust scattered: st 1, y below 180, v 0
    const auto dust = parts();
    tick(1); // the same records fall as rain from where the dust was
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(parts()[i].st, dust[i].st + 1) << i;
        EXPECT_EQ(parts()[i].y, dust[i].y + dust[i].v) << i;
        EXPECT_TRUE(parts()[i].x == dust[i].x - 1 || parts()[i].x == dust[i].x - 2) << i;
        EXPECT_EQ(parts()[i].len, dust[i].len) << i;
        EXPECT_EQ(parts()[i].r, dust[i].r) << i;
    }
    const auto rain = parts();
    g().scroll_tick = 4;
    tick(0); // and back to dust: already scattered, nothing seeded again
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(parts()[i].x, rain[i].x) << i;
        EXPECT_EQ(parts()[i].st, rain[i].st) << i;
    }
}

} // namespace
} // namespace tsu
