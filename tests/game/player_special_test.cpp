// The X specials of the three heroines and the decay of their gauge.
#include "game/game.h"
#include "game/player.h"
#include "player_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tsu {
namespace {

using V = std::vector<int>;
using Special = testing::PlayerFixture;

int live_blocks(Game& g) {
    int n = 0;
    for (int i = 1; i <= 100; ++i) n += g.block[std::size_t(i)].alive >= 1;
    return n;
}

// ---- first heroine: the warp --------------------------------------------

TEST_F(Special, FirstHeroineWarpsToTheTopRowWhenTheGaugeIsEmpty) {
    g().chara = 0;
    my().x = 7;
    my().y = 12;
    my().sp_timer = 0;
    x_special(g());
    EXPECT_EQ(my().y, 0);
    EXPECT_EQ(my().x, 7);
    EXPECT_EQ(my().sp_timer, 60);
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"powan.wav"});
    const auto s = std::size_t(g().effects.effect_cursor);
    EXPECT_EQ(g().effects.ef_kind[s], 146);
    EXPECT_EQ(V({g().effects.ef_x[s], g().effects.ef_y[s]}), V({150, 250}));
}

TEST_F(Special, WarpCooldownIsSixtyTicksOfDecay) {
    g().chara = 0;
    my().sp_timer = 0;
    x_special(g());
    my().y = 17;
    for (int i = 0; i < 59; ++i) gauge_decay(g());
    EXPECT_EQ(my().sp_timer, 1);
    x_special(g());
    EXPECT_EQ(my().y, 17); // still cooling down
    gauge_decay(g());
    gauge_decay(g());
    EXPECT_EQ(my().sp_timer, 0);
    x_special(g());
    EXPECT_EQ(my().y, 0);
}

TEST_F(Special, NoSpecialInTheEditor) {
    g().editor = true;
    my().sp_timer = 0;
    x_special(g());
    EXPECT_EQ(my().y, 17);
    EXPECT_TRUE(platform.sounds.empty());
}

// ---- second heroine: the tank --------------------------------------------

TEST_F(Special, SecondHeroineFullTankPressPlaysTheSound) {
    g().chara = 1;
    my().fuel = 69;
    x_special(g());
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(my().fuel, 69);
    my().fuel = 70;
    x_special(g());
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"powan.wav"});
    EXPECT_EQ(my().fuel, 69);
    EXPECT_EQ(my().y, 17);
}

// ---- third heroine: blocks and heat ------------------------------------------

struct Blocks : Special {
    Blocks() { g().chara = 2; }
    // One press at the given heat; returns the heat after it.
    int press_at(int heat) {
        my().sp_timer = heat;
        x_special(g());
        return my().sp_timer;
    }
};

TEST_F(Blocks, APressAboveTwentyFiveIsIgnored) {
    EXPECT_EQ(press_at(26), 26);
    EXPECT_EQ(live_blocks(g()), 0);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Blocks, OnTheGroundTheBlockGoesInHerOwnCell) {
    press_at(0);
    EXPECT_EQ(g().block_next, 1);
    const tman& b = g().block[2]; // slot 1 is row 2
    EXPECT_EQ(V({b.x, b.y, b.alive}), V({3, 17, 1}));
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"15.wav"});
    const auto s = std::size_t(g().effects.effect_cursor);
    EXPECT_EQ(g().effects.ef_kind[s], 262);
    EXPECT_EQ(V({g().effects.ef_x[s], g().effects.ef_y[s]}), V({70, 350}));
}

TEST_F(Blocks, InTheAirTheBlockGoesUnderHer) {
    my().y = 9;
    press_at(0);
    EXPECT_EQ(g().block[2].y, 10);
}

TEST_F(Blocks, NoBlockWhereOneIsOrUnderACeiling) {
    press_at(0);
    EXPECT_EQ(live_blocks(g()), 1);
    // Her cell holds the block now, so the next press targets it again.
    press_at(0);
    EXPECT_EQ(live_blocks(g()), 1);
    EXPECT_EQ(g().block_next, 1);
    my().x = 10;
    my().target_x = 10;
    solid(10, 16);
    press_at(0);
    EXPECT_EQ(live_blocks(g()), 1);
}

TEST_F(Blocks, APressAtTwentyToTwentyTwoAlwaysOverheats) {
    for (int heat : {20, 21, 22})
        for (int i = 0; i < 20; ++i) {
            for (auto& b : g().block) b.alive = 0;
            EXPECT_EQ(press_at(heat), 60) << heat;
        }
}

TEST_F(Blocks, APressAtTwentyThreeOrFourCostsNoHeatButTwentyFiveOverheats) {
    EXPECT_EQ(press_at(23), 23);
    my().x = 5;
    EXPECT_EQ(press_at(24), 24);
    EXPECT_EQ(live_blocks(g()), 2);
    my().x = 7;
    EXPECT_EQ(press_at(25), 60);
    EXPECT_EQ(live_blocks(g()), 3);
}

TEST_F(Blocks, HeatRisesByItsBandsRandomRange) {
    struct Band {
        int heat, lo, hi;
    };
    for (const Band b : {Band{0, 3, 7}, Band{9, 3, 7}, Band{10, 4, 10}, Band{19, 4, 10}}) {
        std::set<int> seen;
        for (int i = 0; i < 300; ++i) {
            for (auto& k : g().block) k.alive = 0;
            const int after = press_at(b.heat);
            seen.insert(after >= 25 ? 25 : after - b.heat);
        }
        std::set<int> want;
        for (int d = b.lo; d <= b.hi; ++d) want.insert(b.heat + d >= 25 ? 25 : d);
        EXPECT_EQ(seen, want) << "heat " << b.heat;
    }
}

TEST_F(Blocks, TheRingIndexWrapsAfterSlotNinetyNine) {
    g().block_next = 98;
    press_at(0);
    EXPECT_EQ(g().block_next, 99);
    EXPECT_EQ(g().block[100].alive, 1);
    my().x = 8;
    press_at(0);
    EXPECT_EQ(g().block_next, 0);
    EXPECT_EQ(g().block[1].alive, 1);
    EXPECT_EQ(g().block[1].x, 8);
}

TEST_F(Blocks, BlocksAgeAndVanishAtThirty) {
    g().block[4].x = 10;
    g().block[4].y = 17;
    g().block[4].alive = 27;
    step();
    EXPECT_EQ(g().block[4].alive, 28);
    step();
    EXPECT_EQ(g().block[4].alive, 29);
    step();
    EXPECT_EQ(g().block[4].alive, 0);
    // Out of play nothing ages.
    g().block[4].alive = 5;
    g().mode = 3;
    step();
    EXPECT_EQ(g().block[4].alive, 5);
}

TEST_F(Blocks, RepeatedPressesClimb) {
    V ys;
    for (int i = 0; i < 3; ++i) {
        press_at(0);
        step(); // lifted onto the new block
        ys.push_back(my().y);
        step(); // she stands on it
        ys.push_back(my().y);
    }
    EXPECT_EQ(ys, V({16, 16, 15, 15, 14, 14}));
}

// ---- gauge decay -------------------------------------------------------------

TEST_F(Special, GaugeDecayPerHeroine) {
    g().chara = 0;
    my().sp_timer = 5;
    gauge_decay(g());
    EXPECT_EQ(my().sp_timer, 4);
    g().chara = 1;
    gauge_decay(g());
    EXPECT_EQ(my().sp_timer, 4);
    g().chara = 0;
    my().sp_timer = 0;
    gauge_decay(g());
    EXPECT_EQ(my().sp_timer, 0);
}

TEST_F(Special, ThirdHeroinesChecksRunInOrderOnTheValueLeftBefore) {
    g().chara = 2;
    struct Case {
        int heat, frame, after;
    };
    const Case cases[] = {
        {30, 1, 29}, // above 24: always
        {25, 2, 23}, // above 24, then 24 on an even tick
        {25, 1, 24},
        {22, 1, 22}, // 20..24 only on even ticks
        {22, 4, 21},
        {20, 6, 18}, // 20 -> 19 (even), then 19 -> 18 (multiple of 3)
        {20, 4, 19},
        {17, 3, 16}, // 15..19 on multiples of 3
        {17, 4, 17},
        {15, 12, 13}, // 15 -> 14 (of 3), then 14 -> 13 (of 4)
        {14, 2, 14},  // 14 or less on multiples of 4
        {14, 8, 13},
        {1, 4, 0},
        {0, 4, 0},
    };
    for (const Case& c : cases) {
        my().sp_timer = c.heat;
        g().frame_count = c.frame;
        gauge_decay(g());
        EXPECT_EQ(my().sp_timer, c.after) << "heat " << c.heat << " tick " << c.frame;
    }
}

} // namespace
} // namespace tsu
