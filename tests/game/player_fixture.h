// A small stage for the heroine's unit tests: a game in play with plain
// passability (lower chip 1 and upper chips 6 and 8 solid) and helpers that
// lay ground and walls in view cells.
#pragma once
#include "game/player.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace tsu::testing {

inline constexpr int kGround = 1; // a solid lower chip
inline constexpr int kBox = 6;    // treasure box (upper chip)

struct PlayerFixture : ::testing::Test, GameFixture {
    PlayerFixture() {
        Game& G = g();
        G.mode = 1;
        G.pass_lower[kGround] = 1;
        G.pass_upper[kBox] = 1;
        G.pass_upper[8] = 1;
        G.my.x = 3;
        G.my.y = 17;
        G.my.target_x = 3;
        G.my.size = 25;
        G.my.blink = 1;
        G.my.lives = 3;
        G.frame_count = 2;
        floor(18);
    }
    void solid(int x, int y) { g().view_cell(x, y).lower = kGround; }
    void floor(int row, int from = 0, int to = 25) {
        for (int x = from; x <= to; ++x) solid(x, row);
    }
    // One player step on a new tick.
    void step() {
        g().frame_count += 1;
        player_step(g());
    }
    tmy& my() { return g().my; }
};

} // namespace tsu::testing
