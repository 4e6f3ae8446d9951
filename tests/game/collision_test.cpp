// The collision pass: spikes, enemy contact and enemy shots in her cell,
// the blink after a hit, the ring, test play, and the end of the run.
#include "game/collision.h"
#include "game/enemies.h"
#include "game/enemy_shots.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tsu {
namespace {

using testing::EnemyWorld;
using testing::V;

struct Collisions : EnemyWorld {
    Collisions() { floor(18); }
    int damage_sounds() const {
        return int(std::count(platform.sounds.begin(), platform.sounds.end(), "damage.wav"));
    }
    // Puts an enemy shot on view cell (x, y) that does not move.
    void shot_at(int x, int y) { spawn_teki_shot(g(), x + g().scroll, y, 12, 0, 0); }
    V state() const { return V({game->my.lives, game->my.misses, game->my.blink, game->mode}); }
};

TEST_F(Collisions, EnemyAndShotInHerCellInOnePassCostOneLife) {
    spawn(3, 17, 1);
    shot_at(3, 17);
    collision_pass(g());
    EXPECT_EQ(state(), V({2, 1, 20, 1}));
    EXPECT_EQ(damage_sounds(), 1);
}

TEST_F(Collisions, ContactUsesHerMapColumn) {
    g().scroll = 6;
    spawn(3, 17, 1); // view column -3
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 3);
    spawn(9, 17, 1); // her map column
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 2);
}

TEST_F(Collisions, ContactRightAfterAHitWaitsUntilTheBlinkIsBackToOne) {
    spawn(3, 17, 1);
    collision_pass(g());
    ASSERT_EQ(g().my.blink, 20);
    int steps = 0;
    while (g().my.blink > 1) {
        g().my.blink -= 1; // what each player step does
        ++steps;
        if (g().my.blink > 1) {
            collision_pass(g());
            ASSERT_EQ(g().my.lives, 2) << "hurt again after " << steps << " steps";
        }
    }
    EXPECT_EQ(steps, 19);
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 1);
}

TEST_F(Collisions, BlinkAlsoShieldsFromShots) {
    shot_at(3, 17);
    g().my.blink = 5;
    collision_pass(g());
    EXPECT_EQ(state(), V({3, 0, 5, 1}));
}

TEST_F(Collisions, ShotFliesOnAfterHittingHer) {
    shot_at(3, 17);
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 2);
    EXPECT_EQ(live_shots(), 1);
}

TEST_F(Collisions, DefeatedEnemiesAndOtherCellsNeverHurt) {
    const int s = spawn(3, 17, 1);
    teki(s).hp = 0;
    spawn(4, 17, 1);
    spawn(3, 16, 1);
    shot_at(2, 17);
    collision_pass(g());
    EXPECT_EQ(state(), V({3, 0, 1, 1}));
}

TEST_F(Collisions, SpikeFloorUnderHerHurts) {
    put(3, 18, kSpikeChip);
    collision_pass(g());
    EXPECT_EQ(state(), V({2, 1, 20, 1}));
    collision_pass(g()); // blinking now
    EXPECT_EQ(g().my.lives, 2);
}

TEST_F(Collisions, SpikeUnderAnotherColumnOrBesideHerDoesNothing) {
    put(4, 18, kSpikeChip);
    put(2, 17, kSpikeChip);
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 3);
}

TEST_F(Collisions, RingShieldsFromEnemiesAndShotsButNotFromSpikes) {
    g().my.muteki = 50;
    spawn(3, 17, 1);
    shot_at(3, 17);
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 3);
    put(3, 18, kSpikeChip);
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 2);
}

TEST_F(Collisions, WithNoLivesLeftSpikesAndContactDoNothing) {
    g().my.lives = 0;
    put(3, 18, kSpikeChip);
    spawn(3, 17, 1);
    collision_pass(g());
    EXPECT_EQ(state(), V({0, 0, 1, 1}));
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Collisions, TestPlayNeverCostsALife) {
    g().test_play = true;
    g().my.lives = 1;
    spawn(3, 17, 1);
    collision_pass(g());
    EXPECT_EQ(state(), V({1, 1, 20, 1}));
    EXPECT_EQ(damage_sounds(), 1);
}

TEST_F(Collisions, LosingTheLastLifeEndsTheRunAndSkipsTheGoal) {
    g().my.lives = 1;
    put(3, 17, 6); // she stands on the exit
    spawn(3, 17, 1);
    collision_pass(g());
    EXPECT_EQ(state(), V({0, 1, 20, 2}));
    EXPECT_EQ(g().wipe, 10);
    EXPECT_NE(std::find(platform.sounds.begin(), platform.sounds.end(), "over.wav"),
              platform.sounds.end());
}

TEST_F(Collisions, PassDoesNothingOutsidePlayOrInTheEditor) {
    spawn(3, 17, 1);
    put(3, 18, kSpikeChip);
    g().mode = 3;
    collision_pass(g());
    g().mode = 1;
    g().editor = true;
    collision_pass(g());
    EXPECT_EQ(g().my.lives, 3);
}

TEST_F(Collisions, ExitReachedWithoutAHitClearsTheStage) {
    put(3, 17, 6);
    collision_pass(g());
    EXPECT_EQ(g().mode, 3);
}

} // namespace
} // namespace tsu
