// A small stage for the enemy and collision tests: the enemy types filled,
// two kinds of wall, the heroine standing at view column 3, row 17, play
// mode on NOMAL, and a tick that runs the enemy step as the main tick does.
#pragma once
#include "data/teki_table.h"
#include "game/enemies.h"
#include "game/game.h"
#include "game/teki_spawn.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tsu::testing {

inline constexpr int kWall = 1;   // lower chip of passability 1: stops everything
inline constexpr int kGrate = 30; // lower chip of passability 2: enemy shots fly through

struct EnemyWorld : ::testing::Test, GameFixture {
    EnemyWorld() {
        fill_teki_type(g());
        g().pass_lower[kWall] = 1;
        g().pass_lower[kGrate] = 2;
        g().mode = 1;
        g().my.easy = 0;
        g().my.lives = 3;
        g().my.blink = 1;
        g().my.x = g().my.target_x = 3;
        g().my.y = 17;
    }
    // Lower chip of map column `column`, row `row`.
    void put(int column, int row, int chip = kWall) {
        g().map[std::size_t(column + 1)][std::size_t(row + 1)].lower = chip;
    }
    void floor(int row) {
        for (int c = 0; c < 100; ++c) put(c, row);
    }
    // Spawns an enemy and returns its pool slot.
    int spawn(int column, int row, int type) {
        spawn_teki(g(), column, row, type);
        return g().teki_next;
    }
    tman& teki(int slot) { return g().teki[std::size_t(slot + 1)]; }
    // One tick as far as the enemies see it: the frame counter, then the step.
    void tick() {
        g().frame_count += 1;
        enemy_step(g());
    }
    void ticks(int n) {
        for (int k = 0; k < n; ++k) tick();
    }
    int live_enemies() const {
        int n = 0;
        for (const tman& t : game->teki) n += t.alive >= 1;
        return n;
    }
    int live_shots() const {
        int n = 0;
        for (const tman& s : game->teki_shot) n += s.alive >= 1;
        return n;
    }
};

// Values side by side, for one comparison with a readable failure.
using V = std::vector<int>;

} // namespace tsu::testing
