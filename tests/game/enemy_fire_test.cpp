// The eight firing patterns on NOMAL and EASY: on which ticks an enemy
// fires, in which directions, with which sprite, or what it spawns.
#include "game/enemies.h"
#include "game/enemies_fire.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace tsu {
namespace {

using testing::EnemyWorld;
using testing::V;

// One shot as fired: its periods and sprite.
using Shot = std::tuple<int, int, int>; // vx, vy, image

struct Firing : EnemyWorld {
    int shooter = 0;
    std::vector<int> fire_frames;      // frames on which something was fired
    std::vector<Shot> first_volley;    // the shots of the first volley, sorted
    std::vector<int> spawned_types;    // enemies spawned by the first volley
    std::vector<std::pair<int, int>> shot_cells; // where the first volley started

    // An enemy of `type` that stands still at map column 10, row 10 in slot 1.
    void place(int type, bool easy) {
        g().my.easy = easy ? 1 : 0;
        shooter = spawn(10, 10, type);
        teki(shooter).move = 0;
        teki(shooter).gravity = 0;
    }
    // Runs n ticks; before each the shots and every other enemy are cleared.
    void run(int n) {
        for (int k = 0; k < n; ++k) {
            for (tman& s : g().teki_shot) s.alive = 0;
            for (int s = 0; s < kTekiSlots; ++s)
                if (s != shooter) teki(s).alive = 0;
            tick();
            std::vector<Shot> volley;
            std::vector<int> types;
            for (const tman& s : g().teki_shot)
                if (s.alive >= 1) volley.emplace_back(s.vx, s.vy, s.image);
            for (int s = 0; s < kTekiSlots; ++s)
                if (s != shooter && teki(s).alive >= 1) types.push_back(teki(s).kind);
            if (volley.empty() && types.empty()) continue;
            fire_frames.push_back(g().frame_count);
            if (fire_frames.size() > 1) continue;
            std::sort(volley.begin(), volley.end());
            first_volley = volley;
            spawned_types = types;
        }
    }
};

// One pattern on one difficulty: the enemy type that fires it, how long to
// watch, the frames that fire, and the first volley or spawn.
struct FireCase {
    const char* name;
    int type;
    bool easy;
    int ticks;
    V frames;
    std::vector<Shot> volley;
    V spawned;
};

const std::vector<Shot> kSixWays1 = {{-1, -1, 12}, {-1, 0, 12}, {-1, 1, 12},
                                     {1, -1, 12},  {1, 0, 12},  {1, 1, 12}};

// The shooter stands in slot 1, so the turn-taking patterns fire when
// (frame + 1) is a multiple of their period. Its age is frame + 1.
const FireCase kFireCases[] = {
    // 1: shot_wait 24, speed 1; EASY waits 60 more
    {"Pattern1Nomal", 3, false, 50, {23, 47}, {{-1, 0, 10}}, {}},
    {"Pattern1Easy", 3, true, 170, {83, 167}, {{-1, 0, 10}}, {}},
    // 2: shot_wait 48, speed 2; six ways, on EASY the diagonals only (20 more)
    {"Pattern2Nomal", 5, false, 100, {47, 95},
     {{-2, -2, 12}, {-2, 0, 12}, {-2, 2, 12}, {2, -2, 12}, {2, 0, 12}, {2, 2, 12}}, {}},
    {"Pattern2Easy", 5, true, 140, {67, 135}, {{-2, -2, 12}, {-2, 2, 12}, {2, -2, 12}, {2, 2, 12}}, {}},
    // 3: shot_wait 16; a bomb at its cell; EASY waits 30 more
    {"Pattern3Nomal", 6, false, 32, {15, 31}, {}, {7}},
    {"Pattern3Easy", 6, true, 92, {45, 91}, {}, {7}},
    // 4: shot_wait 32, speed 3, on the frame alone; EASY waits 20 more
    {"Pattern4Nomal", 10, false, 70, {32, 64}, {{-3, -3, 12}, {-3, 0, 12}, {-3, 3, 12}}, {}},
    {"Pattern4Easy", 10, true, 110, {52, 104}, {{-3, -3, 12}, {-3, 0, 12}, {-3, 3, 12}}, {}},
    // 5: shot_wait 3, on the frame alone; a walker at its cell; EASY waits 20 more
    {"Pattern5Nomal", 14, false, 10, {3, 6, 9}, {}, {1}},
    {"Pattern5Easy", 14, true, 50, {23, 46}, {}, {1}},
    // 6: age mod 20 <= 3 (a burst), on EASY age mod 20 = 0; left and right
    {"Pattern6Nomal", 15, false, 45, {1, 2, 19, 20, 21, 22, 39, 40, 41, 42}, {{-1, 0, 12}, {1, 0, 12}}, {}},
    {"Pattern6Easy", 15, true, 45, {19, 39}, {{-1, 0, 12}, {1, 0, 12}}, {}},
    // 7: age mod 20 <= 6; up and down
    {"Pattern7Nomal", 19, false, 30, {1, 2, 3, 4, 5, 19, 20, 21, 22, 23, 24, 25}, {{0, -1, 12}, {0, 1, 12}}, {}},
    {"Pattern7Easy", 19, true, 45, {19, 39}, {{0, -1, 12}, {0, 1, 12}}, {}},
    // 8: age mod 30 <= 6; six ways on both difficulties
    {"Pattern8Nomal", 23, false, 40, {1, 2, 3, 4, 5, 29, 30, 31, 32, 33, 34, 35}, kSixWays1, {}},
    {"Pattern8Easy", 23, true, 65, {29, 59}, kSixWays1, {}},
};

struct EachPattern : Firing, ::testing::WithParamInterface<FireCase> {};

TEST_P(EachPattern, FiresOnItsTicksInItsDirections) {
    const FireCase& c = GetParam();
    place(c.type, c.easy);
    run(c.ticks);
    EXPECT_EQ(fire_frames, c.frames);
    EXPECT_EQ(first_volley, c.volley);
    EXPECT_EQ(spawned_types, c.spawned);
}

INSTANTIATE_TEST_SUITE_P(Firing, EachPattern, ::testing::ValuesIn(kFireCases),
                         [](const ::testing::TestParamInfo<FireCase>& i) { return std::string(i.param.name); });

TEST_F(Firing, ShotsStartAtTheEnemysCellInViewColumns) {
    g().scroll = 4;
    place(3, false);
    g().frame_count = 23;
    enemy_fire(g(), shooter); // (23 + 1) mod 24 = 0
    int found = 0;
    for (const tman& s : g().teki_shot) {
        if (s.alive < 1) continue;
        ++found;
        EXPECT_EQ(V({s.x, s.y, s.size}), V({6, 10, 10}));
    }
    EXPECT_EQ(found, 1);
}

TEST_F(Firing, NeighbouringSlotsFireOnDifferentTicks) {
    place(3, false);
    spawn(12, 10, 3); // slot 2
    teki(2).gravity = 0;
    teki(2).move = 0;
    g().frame_count = 21;
    tick(); // frame 22: (22 + 2) mod 24 = 0
    ASSERT_EQ(live_shots(), 1);
    int column = -1;
    for (const tman& s : g().teki_shot)
        if (s.alive >= 1) column = s.x;
    EXPECT_EQ(column, 11); // from column 12, one step made
}

TEST_F(Firing, NoWaitDefeatAndUnknownPatternsNeverFire) {
    place(3, false);
    teki(shooter).shot_wait = 0; // EASY would make the period 60: still never
    g().my.easy = 1;
    run(130);
    EXPECT_TRUE(fire_frames.empty());
    teki(shooter).shot_wait = 24;
    teki(shooter).hp = 0;
    teki(shooter).y = 0; // falls for a while
    run(10);
    teki(shooter).hp = 1;
    teki(shooter).shot = 9;
    run(60);
    teki(shooter).shot = -1;
    run(60);
    EXPECT_TRUE(fire_frames.empty());
}

TEST(FireTable, EveryPatternHasItsClockAndVolleys) {
    EXPECT_EQ(fire_pattern(0).clock, FireClock::never);
    EXPECT_EQ(fire_pattern(99).clock, FireClock::never);
    V counts;
    for (int p = 1; p <= 8; ++p) {
        const FirePattern& f = fire_pattern(p);
        counts.push_back(f.spawn_type != 0 ? -f.spawn_type : f.nomal_count * 10 + f.easy_count);
    }
    EXPECT_EQ(counts, V({11, 64, -7, 33, -1, 22, 22, 66}));
}

} // namespace
} // namespace tsu
