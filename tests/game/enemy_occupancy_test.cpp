// The blocker index of the enemy step: which enemies stand where, kept up
// to date slot by slot, and the cells beyond its window.
#include "game/enemies.h"
#include "game/enemies_occupancy.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <array>

namespace tsu {
namespace {

using testing::EnemyWorld;

struct Occupancy : EnemyWorld {};

TEST_F(Occupancy, StandingEnemiesBlockButNotBlastsOrDefeatedOnes) {
    const int a = spawn(10, 10, 1);
    spawn(11, 10, 8);
    const int b = spawn(12, 10, 1);
    teki(b).hp = 0;
    EnemyOccupancy o(g());
    EXPECT_TRUE(o.blocked(10, 10, -1));
    EXPECT_FALSE(o.blocked(10, 10, a)); // not by itself
    EXPECT_FALSE(o.blocked(11, 10, -1));
    EXPECT_FALSE(o.blocked(12, 10, -1));
    EXPECT_FALSE(o.blocked(13, 10, -1));
}

TEST_F(Occupancy, TwoOnOneCellStillBlockEachOther) {
    const int a = spawn(10, 10, 1);
    spawn(10, 10, 1);
    EnemyOccupancy o(g());
    EXPECT_TRUE(o.blocked(10, 10, a));
}

TEST_F(Occupancy, RefreshFollowsMovesFreesAndSpawns) {
    const int a = spawn(10, 10, 1);
    EnemyOccupancy o(g());
    teki(a).x = 9;
    o.refresh(a);
    EXPECT_FALSE(o.blocked(10, 10, -1));
    EXPECT_TRUE(o.blocked(9, 10, -1));
    teki(a).alive = 0;
    o.refresh(a);
    EXPECT_FALSE(o.blocked(9, 10, -1));
    const int b = spawn(4, 19, 1);
    o.refresh(b);
    EXPECT_TRUE(o.blocked(4, 19, -1));
    o.refresh(-1);   // slots outside the pool are ignored
    o.refresh(1000);
}

TEST_F(Occupancy, EdgesOfTheViewAreInsideTheWindow) {
    g().scroll = 20;
    spawn(19, -1, 1); // view column -1, row -1
    spawn(46, 20, 1); // view column 26, row 20
    spawn(47, 5, 1);  // view column 27: beyond the window
    EnemyOccupancy o(g());
    EXPECT_TRUE(o.blocked(19, -1, -1));
    EXPECT_TRUE(o.blocked(46, 20, -1));
    EXPECT_TRUE(o.blocked(47, 5, -1)); // answered from the pool
}

TEST_F(Occupancy, CellsBeyondTheWindowAreAnsweredFromThePool) {
    const int deep = spawn(10, 60, 1);
    spawn(10, 61, 8);
    EnemyOccupancy o(g());
    EXPECT_TRUE(o.blocked(10, 60, -1));
    EXPECT_FALSE(o.blocked(10, 60, deep));
    EXPECT_FALSE(o.blocked(10, 61, -1));
    EXPECT_FALSE(o.blocked(2000000000, 5, -1));
}

// The index as the step keeps it must match the pool after every enemy's
// turn: moves, falls, frees, shots that spawn bombs and walkers, bursts.
TEST_F(Occupancy, StaysTrueToThePoolThroughCrowdedTicks) {
    floor(18);
    for (int k = 0; k < 150; ++k) spawn(g().rnd(30), g().rnd(18), 1 + g().rnd(25));
    const auto agrees = [&](const EnemyOccupancy& o) {
        std::array<bool, EnemyOccupancy::kColumns * EnemyOccupancy::kRows> any{};
        for (int s = 0; s < kTekiSlots; ++s) {
            const tman& t = teki(s);
            const int c = t.x - g().scroll + 1, r = t.y + 1;
            if (t.alive >= 1 && t.hp >= 1 && t.kind != 8 && c >= 0 && c < EnemyOccupancy::kColumns &&
                r >= 0 && r < EnemyOccupancy::kRows)
                any[std::size_t(c * EnemyOccupancy::kRows + r)] = true;
        }
        for (int c = 0; c < EnemyOccupancy::kColumns; ++c)
            for (int r = 0; r < EnemyOccupancy::kRows; ++r)
                if (o.blocked(c - 1 + g().scroll, r - 1, -1) != any[std::size_t(c * EnemyOccupancy::kRows + r)])
                    return false;
        return true;
    };
    int turns = 0;
    for (int tick = 1; tick <= 64; ++tick) { // bombs burst from tick 59
        g().frame_count = tick;
        if (tick == 30) g().scroll = 2; // the view moves on between ticks
        EnemyOccupancy o(g());
        for (int s = 0; s < kTekiSlots; ++s) {
            const tman before = teki(s);
            step_enemy(g(), s, o);
            if (before.alive < 1 && teki(s).alive < 1) continue;
            ++turns;
            ASSERT_TRUE(agrees(o)) << "tick " << tick << " slot " << s;
        }
    }
    EXPECT_GT(turns, 3000);
}

} // namespace
} // namespace tsu
