// Enemy shots: the spawn ring, moving by signed periods, the frame flip,
// drawing, and what ends a shot.
#include "game/enemies.h"
#include "game/enemy_shots.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <climits>

namespace tsu {
namespace {

using testing::EnemyWorld;
using testing::V;

struct EnemyShots : EnemyWorld {
    tman& shot_row(int row) { return g().teki_shot[std::size_t(row)]; }
    // Spawns a shot and returns its row.
    int fire(int column, int row, int vy, int vx, int image = 12) {
        spawn_teki_shot(g(), column, row, image, vy, vx);
        return g().teki_shot_next + 1;
    }
};

TEST_F(EnemyShots, SpawnTakesTheNextFreeRecordOfTheRing) {
    shot_row(2).alive = 1;
    shot_row(3).alive = 1;
    g().scroll = 7;
    const int r = fire(20, 5, 1, -2, 10);
    EXPECT_EQ(r, 4);
    const tman& s = shot_row(r);
    EXPECT_EQ(V({s.alive, s.x, s.y, s.vx, s.vy, s.image, s.size}), V({1, 13, 5, -2, 1, 10, 10}));
}

TEST_F(EnemyShots, RingWrapsAfterItsNinetyNinthRecord) {
    g().teki_shot_next = 98;
    EXPECT_EQ(fire(5, 5, 0, -1), 1);
    EXPECT_EQ(g().teki_shot_next, 0);
}

TEST_F(EnemyShots, FullPoolOverwritesTheRecordTheRingEndsOn) {
    for (int r = 1; r <= 99; ++r) shot_row(r).alive = 1;
    shot_row(6).vx = 77;
    g().teki_shot_next = 5;
    EXPECT_EQ(fire(5, 5, 0, -1), 6);
    EXPECT_EQ(shot_row(6).vx, -1);
    EXPECT_EQ(shot_row(100).alive, 0); // never used by spawns
}

TEST_F(EnemyShots, FirstFrameIsRandomAndFlipsEveryTick) {
    int ones = 0;
    for (int k = 0; k < 40; ++k) {
        for (tman& s : g().teki_shot) s.alive = 0;
        ones += shot_row(fire(5, 5, 0, 0)).anim;
    }
    EXPECT_GT(ones, 5);
    EXPECT_LT(ones, 35);
    const int r = fire(5, 5, 0, 0);
    V frames;
    for (int k = 0; k < 4; ++k) {
        tick();
        frames.push_back(shot_row(r).anim);
    }
    EXPECT_EQ(frames[0], frames[2]);
    EXPECT_EQ(frames[1], frames[3]);
    EXPECT_NE(frames[0], frames[1]);
}

TEST_F(EnemyShots, SignedPeriodsMoveOnFramesDividedByThem) {
    const int left = fire(20, 10, 0, -3);
    const int down = fire(5, 2, 2, 0);
    const int still = fire(12, 12, 0, 0);
    V xs, ys;
    for (int k = 0; k < 9; ++k) {
        tick();
        xs.push_back(shot_row(left).x);
        ys.push_back(shot_row(down).y);
    }
    EXPECT_EQ(xs, V({20, 20, 19, 19, 19, 18, 18, 18, 17}));
    EXPECT_EQ(ys, V({2, 3, 3, 4, 4, 5, 5, 6, 6}));
    EXPECT_EQ(V({shot_row(still).x, shot_row(still).y, shot_row(still).alive}), V({12, 12, 1}));
}

TEST_F(EnemyShots, AxisStepOfExtremePeriods) {
    EXPECT_EQ(V({shot_axis_step(INT_MIN, 0), shot_axis_step(INT_MIN, 5), shot_axis_step(INT_MAX, 0)}),
              V({-1, 0, 1}));
    EXPECT_EQ(V({shot_axis_step(-1, 7), shot_axis_step(4, 6), shot_axis_step(4, 8), shot_axis_step(0, 0)}),
              V({-1, 0, 1, 0}));
}

TEST_F(EnemyShots, PlainWallStopsAShotAndAGrateLetsItThrough) {
    put(8, 10);                   // passability 1
    put(8, 12, testing::kGrate);  // passability 2
    const int wall = fire(9, 10, 0, -1);
    const int grate = fire(9, 12, 0, -1);
    tick();
    EXPECT_EQ(V({shot_row(wall).alive, shot_row(grate).alive, shot_row(grate).x}), V({0, 1, 8}));
    tick();
    EXPECT_EQ(V({shot_row(grate).alive, shot_row(grate).x}), V({1, 7}));
}

TEST_F(EnemyShots, UpperChipOfPassabilityOneStopsItToo) {
    g().pass_upper[6] = 1;
    g().pass_upper[8] = 2;
    g().map[9][11].upper = 6; // map column 8, row 10
    g().map[9][13].upper = 8; // map column 8, row 12
    const int box = fire(9, 10, 0, -1);
    const int ice = fire(9, 12, 0, -1);
    tick();
    EXPECT_EQ(V({shot_row(box).alive, shot_row(ice).alive}), V({0, 1}));
}

TEST_F(EnemyShots, LeavingTheViewEndsAShot) {
    const int left = fire(0, 5, 0, -1);
    const int bottom = fire(5, 19, 1, 0);
    const int top = fire(6, 0, -1, 0);
    const int right = fire(25, 3, 0, 1);
    tick();
    EXPECT_EQ(V({shot_row(left).alive, shot_row(bottom).alive, shot_row(top).alive,
                 shot_row(right).alive}),
              V({0, 0, 0, 0}));
}

TEST_F(EnemyShots, StopsOnTheScrolledMapColumn) {
    g().scroll = 10;
    put(14, 10); // view column 4
    const int r = fire(15, 10, 0, -1); // view column 5
    tick();
    EXPECT_EQ(shot_row(r).alive, 0);
}

TEST_F(EnemyShots, DrawnCentredOnItsNewCellWithItsFrame) {
    Bitmap& a = g().cg_img[12];
    Bitmap& b = g().cg_img[13];
    a.resize(20, 20, rgb(0xFF0000));
    b.resize(20, 20, rgb(0x00FF00));
    const int r = fire(10, 10, 0, -1);
    tick();
    const Colour want = shot_row(r).anim == 0 ? rgb(0xFF0000) : rgb(0x00FF00);
    EXPECT_EQ(g().cg.pixel(185, 205), want); // column 9 now: 180..199
    EXPECT_EQ(g().cg.pixel(205, 205), kBlack);
}

TEST_F(EnemyShots, ShotEndingInAWallIsStillDrawnThere) {
    g().cg_img[12].resize(20, 20, rgb(0xFF0000));
    g().cg_img[13].resize(20, 20, rgb(0xFF0000));
    put(9, 10);
    const int r = fire(10, 10, 0, -1);
    tick();
    EXPECT_EQ(shot_row(r).alive, 0);
    EXPECT_EQ(g().cg.pixel(185, 205), rgb(0xFF0000));
}

TEST_F(EnemyShots, SpriteNumbersPastTheTableDrawNothing) {
    const int r = fire(10, 10, 0, 0, 99);
    const int q = fire(11, 10, 0, 0, -5);
    ticks(2); // both frames: 99 + 1 lies past the table
    EXPECT_EQ(V({shot_row(r).alive, shot_row(q).alive}), V({1, 1}));
}

} // namespace
} // namespace tsu
