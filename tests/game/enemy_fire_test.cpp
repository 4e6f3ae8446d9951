// The eight firing patterns on NOMAL and EASY: on which ticks an enemy
// fires, in which directions, with which sprite, or what it spawns.
#include "game/enemies.h"
#include "game/enemies_fire.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
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

constexpr int kL = -1, kR = 1, kU = -1, kD = 1;

TEST_F(Firing, Pattern1OneShotLeftTakingTurnsBySlot) {
    place(3, false); // shot_wait 24, shot_speed 1; slot 1
    run(50);
    EXPECT_EQ(fire_frames, V({23, 47}));
    EXPECT_EQ(first_volley, std::vector<Shot>({{kL, 0, 10}}));
}

TEST_F(Firing, Pattern1OnEasyWaitsSixtyTicksMore) {
    place(3, true);
    run(170);
    EXPECT_EQ(fire_frames, V({83, 167}));
    EXPECT_EQ(first_volley, std::vector<Shot>({{kL, 0, 10}}));
}

TEST_F(Firing, Pattern2SixWaysOnNomalDiagonalsOnEasy) {
    place(5, false); // shot_wait 48, shot_speed 2
    run(100);
    EXPECT_EQ(fire_frames, V({47, 95}));
    std::vector<Shot> six = {{-2, -2, 12}, {-2, 0, 12}, {-2, 2, 12}, {2, -2, 12}, {2, 0, 12}, {2, 2, 12}};
    EXPECT_EQ(first_volley, six);
}

TEST_F(Firing, Pattern2OnEasy) {
    place(5, true);
    run(140);
    EXPECT_EQ(fire_frames, V({67, 135}));
    std::vector<Shot> four = {{-2, -2, 12}, {-2, 2, 12}, {2, -2, 12}, {2, 2, 12}};
    EXPECT_EQ(first_volley, four);
}

TEST_F(Firing, Pattern3DropsABombAtItsCell) {
    place(6, false); // shot_wait 16
    run(32);
    EXPECT_EQ(fire_frames, V({15, 31}));
    EXPECT_TRUE(first_volley.empty());
    EXPECT_EQ(spawned_types, V({7}));
}

TEST_F(Firing, Pattern3OnEasy) {
    place(6, true);
    run(92);
    EXPECT_EQ(fire_frames, V({45, 91}));
    EXPECT_EQ(spawned_types, V({7}));
}

TEST_F(Firing, Pattern4FanToTheLeftOnTheFrameClock) {
    place(10, false); // shot_wait 32, shot_speed 3; no slot term
    run(70);
    EXPECT_EQ(fire_frames, V({32, 64}));
    EXPECT_EQ(first_volley, std::vector<Shot>({{-3, -3, 12}, {-3, 0, 12}, {-3, 3, 12}}));
}

TEST_F(Firing, Pattern4OnEasy) {
    place(10, true);
    run(110);
    EXPECT_EQ(fire_frames, V({52, 104}));
    EXPECT_EQ(first_volley.size(), 3u);
}

TEST_F(Firing, Pattern5DropsWalkers) {
    place(14, false); // shot_wait 3
    run(10);
    EXPECT_EQ(fire_frames, V({3, 6, 9}));
    EXPECT_EQ(spawned_types, V({1}));
}

TEST_F(Firing, Pattern5OnEasy) {
    place(14, true);
    run(50);
    EXPECT_EQ(fire_frames, V({23, 46}));
}

TEST_F(Firing, Pattern6BurstsLeftAndRightByItsAge) {
    place(15, false); // alive 2, 3 and then 20..23 (alive counts from 1)
    run(45);
    EXPECT_EQ(fire_frames, V({1, 2, 19, 20, 21, 22, 39, 40, 41, 42}));
    EXPECT_EQ(first_volley, std::vector<Shot>({{kL, 0, 12}, {kR, 0, 12}}));
}

TEST_F(Firing, Pattern6OnEasyOnceEveryTwentyTicks) {
    place(15, true);
    run(45);
    EXPECT_EQ(fire_frames, V({19, 39}));
}

TEST_F(Firing, Pattern7BurstsUpAndDown) {
    place(19, false);
    run(30);
    EXPECT_EQ(fire_frames, V({1, 2, 3, 4, 5, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(first_volley, std::vector<Shot>({{0, kU, 12}, {0, kD, 12}}));
}

TEST_F(Firing, Pattern7OnEasy) {
    place(19, true);
    run(45);
    EXPECT_EQ(fire_frames, V({19, 39}));
}

TEST_F(Firing, Pattern8BurstsSixWays) {
    place(23, false);
    run(40);
    EXPECT_EQ(fire_frames, V({1, 2, 3, 4, 5, 29, 30, 31, 32, 33, 34, 35}));
    EXPECT_EQ(first_volley.size(), 6u);
}

TEST_F(Firing, Pattern8OnEasyKeepsAllSixWays) {
    place(23, true);
    run(65);
    EXPECT_EQ(fire_frames, V({29, 59}));
    std::vector<Shot> six = {{-1, -1, 12}, {-1, 0, 12}, {-1, 1, 12}, {1, -1, 12}, {1, 0, 12}, {1, 1, 12}};
    EXPECT_EQ(first_volley, six);
}

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
