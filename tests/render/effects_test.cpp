// The effect renderer's walk: ageing (full, half and double speed), the
// bounce, the end rules and end values of the text kinds, and the slots of
// kinds that have no drawing.
#include "render/effect_kind.h"
#include "render/effect_test_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace tsu {
namespace {

using test::EffectGame;
using test::ink_box;

// ---- the bounce --------------------------------------------------------------

TEST(BounceOffset, JumpsDropsSettlesThenSinks) {
    const int expected[] = {-12, -12, -10, 6, 4, -3, -2, 3, 2, -1, 1};
    for (int age = 0; age <= 10; ++age) EXPECT_EQ(bounce_offset(age), expected[age]) << age;
    EXPECT_EQ(bounce_offset(99), 1);
    EXPECT_EQ(bounce_offset(100), 0);
    EXPECT_EQ(bounce_offset(-1), 0);
}

// ---- end ages and end values --------------------------------------------------

struct EndCase {
    int kind;
    int ticks;     // ticks the slot lives (spawned with age 1, drawn each tick)
    int end_value; // age written when it ends
    bool clears_text;
};

class TextKindEnds : public EffectGame, public ::testing::WithParamInterface<EndCase> {};

TEST_P(TextKindEnds, LastTickAndEndValue) {
    const EndCase c = GetParam();
    const std::size_t s = spawn(c.kind, 250, 200, "12");
    const int ran = ticks_until_free(s);
    EXPECT_EQ(ran, c.ticks);
    EXPECT_EQ(pool().ef_age[s], c.end_value);
    EXPECT_EQ(pool().ef_text[s].empty(), c.clears_text);
}

// Half-speed kinds are ticked on odd frame counts here, so they age every tick.
// The bouncing kinds age two per tick: 42 is passed on the 22nd tick.
INSTANTIATE_TEST_SUITE_P(
    Effects, TextKindEnds,
    ::testing::Values(EndCase{1, 20, 0, false}, EndCase{5, 20, 0, false}, EndCase{2, 34, 0, true},
                      EndCase{4, 34, 0, true}, EndCase{6, 140, 0, true}, EndCase{8, 50, 0, false},
                      EndCase{13, 22, -1, false}, EndCase{14, 22, -1, false},
                      EndCase{15, 22, -1, false}, EndCase{16, 22, -1, false},
                      EndCase{17, 22, -1, false}, EndCase{18, 22, -1, false},
                      EndCase{19, 22, -1, false}, EndCase{199, 22, -1, false},
                      EndCase{299, 22, -1, false}, EndCase{97, 16, -1, false},
                      EndCase{98, 16, -1, false}, EndCase{99, 16, -1, false},
                      EndCase{100, 18, -1, false}),
    [](const ::testing::TestParamInfo<EndCase>& i) { return "Kind" + std::to_string(i.param.kind); });

// ---- ageing -------------------------------------------------------------------

TEST_F(EffectGame, HalfSpeedKindsAgeOnlyOnOddFrames) {
    const std::size_t rainbow = spawn(2, 100, 100);
    const std::size_t grey = spawn(4, 100, 150);
    const std::size_t rise = spawn(301, 100, 200);
    const std::size_t plain = spawn(1, 100, 250);
    g().frame_count = 2;
    tick();
    EXPECT_EQ(pool().ef_age[rainbow], 1); // drawn with age 1 on an even frame
    EXPECT_EQ(pool().ef_age[grey], 1);
    EXPECT_EQ(pool().ef_age[rise], 1);
    EXPECT_EQ(pool().ef_age[plain], 2);
    g().frame_count = 3;
    tick();
    EXPECT_EQ(pool().ef_age[rainbow], 2);
    EXPECT_EQ(pool().ef_age[rise], 2);
    EXPECT_EQ(pool().ef_age[plain], 3);
}

TEST_F(EffectGame, HalfSpeedTextLivesTwiceAsManyRealTicks) {
    const std::size_t s = spawn(2, 100, 100);
    int ticks = 0;
    while (pool().ef_age[s] >= 1 && ticks < 200) {
        g().frame_count += 1;
        tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 68); // frames 2..69: ages 2..35 on the odd ones
}

TEST_F(EffectGame, BouncingTextAgesTwoPerTickAndHops) {
    const std::size_t s = spawn(13, 200, 100, "50");
    std::vector<int> ys, ages;
    for (int i = 0; i < 6; ++i) {
        tick();
        ys.push_back(pool().ef_y[s]);
        ages.push_back(pool().ef_age[s]);
    }
    // Drawn at ages 2, 4, 6, 8, 10, 12: offsets -10, +4, -2, +2, +1, +1.
    EXPECT_EQ(ys, (std::vector<int>{90, 94, 92, 94, 95, 96}));
    EXPECT_EQ(ages, (std::vector<int>{3, 5, 7, 9, 11, 13}));
    const std::size_t plain = spawn(1, 200, 100); // the other kinds keep their y
    tick();
    EXPECT_EQ(pool().ef_y[plain], 100);
}

TEST_F(EffectGame, SlotsAreWalkedInOrderSoLaterSlotsDrawOnTop) {
    pool().effect_cursor = 9; // the next spawns take slots 10 and 11
    spawn(100, 200, 200, "ab"); // white label
    spawn(98, 200, 200, "ab");  // green label at the same place
    tick();
    EXPECT_EQ(g().cg.pixel(200, 195), rgb(0x11DD11));
}

// ---- kinds without a drawing --------------------------------------------------

TEST_F(EffectGame, KindsWithoutADrawingKeepTheirSlot) {
    const std::size_t unknown = spawn(20, 100, 100);
    const std::size_t barrier = spawn(173, 100, 100);
    const std::size_t blank = spawn(305, 100, 100);
    const std::size_t huge = spawn(100000, 100, 100);
    const std::size_t negative = spawn(-3, 100, 100);
    for (int i = 0; i < 600; ++i) tick();
    for (std::size_t s : {unknown, barrier, blank, huge, negative}) EXPECT_GE(pool().ef_age[s], 500) << s;
    const auto& px = g().cg.pixels();
    EXPECT_TRUE(std::all_of(px.begin(), px.end(), [](Colour c) { return c == kBlack; }));
}

TEST_F(EffectGame, AnEndlessSlotStopsAgeingAtTheTopOfTheRange) {
    const std::size_t s = spawn(20, 0, 0);
    pool().ef_age[s] = std::numeric_limits<int32_t>::max();
    tick();
    EXPECT_EQ(pool().ef_age[s], std::numeric_limits<int32_t>::max());
}

TEST_F(EffectGame, FreeSlotsAreSkipped) {
    const std::size_t s = spawn(1, 100, 100);
    pool().ef_age[s] = 0;
    tick();
    EXPECT_EQ(pool().ef_age[s], 0);
    EXPECT_FALSE(ink_box(g().cg, rgb(0xAA0000)).has_value());
}

// ---- kinds that end by their position -----------------------------------------

TEST_F(EffectGame, RisingColouredTextsEndOnlyByTheirStoredY) {
    const std::size_t high = spawn(301, 100, -9);
    const std::size_t low = spawn(312, 100, 300);
    const std::size_t gone = spawn(308, 100, -10);
    tick();
    EXPECT_EQ(pool().ef_age[gone], 0);
    for (int i = 0; i < 500; ++i) tick();
    EXPECT_GE(pool().ef_age[high], 400);
    EXPECT_GE(pool().ef_age[low], 400);
    EXPECT_EQ(pool().ef_y[high], -9); // drawn higher each tick, the stored y stays
}

TEST_F(EffectGame, ClimbingRainbowTextEndsAboveMinusTen) {
    const std::size_t s = spawn(107, 200, 70, "go");
    g().frame_count = 1; // no speed change: not a multiple of 3 or 20
    std::vector<int> ys;
    while (pool().ef_age[s] >= 1 && ys.size() < 50) {
        tick();
        ys.push_back(pool().ef_y[s]);
    }
    EXPECT_EQ(ys, (std::vector<int>{61, 52, 43, 34, 25, 16, 7, -2, -11}));
    EXPECT_EQ(pool().ef_age[s], 0);
    EXPECT_TRUE(pool().ef_text[s].empty());
}

TEST_F(EffectGame, ClimbingRainbowTextSpeedsUpHighAndSlowsDownLow) {
    const std::size_t high = spawn(107, 100, 90, "a");
    const std::size_t low = spawn(107, 300, 380, "b");
    g().frame_count = 20; // a multiple of 20 only
    tick();
    EXPECT_EQ(pool().ef_b[high], 10);
    EXPECT_EQ(pool().ef_b[low], 9);
    g().frame_count = 3; // a multiple of 3 only
    tick();
    EXPECT_EQ(pool().ef_y[high], 90 - 9 - 10);
    EXPECT_EQ(pool().ef_b[high], 10);
    EXPECT_EQ(pool().ef_y[low], 380 - 9 - 9);
    EXPECT_EQ(pool().ef_b[low], 8);
    for (int i = 0; i < 12; ++i) tick(); // still low, frame 3: slows to the floor of 1
    EXPECT_EQ(pool().ef_b[low], 1);
    EXPECT_GE(pool().ef_age[low], 1);
}

} // namespace
} // namespace tsu
