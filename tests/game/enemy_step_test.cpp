// The enemy step: movement patterns, gravity and hops, blocking, the
// defeated fall, freeing, the bomb and its blasts, frozen enemies, drawing.
#include "game/enemies.h"
#include "game/game.h"
#include "game/teki_spawn.h"
#include "game/enemy_test_world.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

using testing::EnemyWorld;
using testing::V;

// ---- movement patterns ------------------------------------------------------

struct EnemyMoves : EnemyWorld {
    // The enemy's column or row after each of n ticks.
    V track(int slot, int n, bool rows) {
        V v;
        for (int k = 0; k < n; ++k) {
            tick();
            v.push_back(rows ? teki(slot).y : teki(slot).x);
        }
        return v;
    }
};

TEST_F(EnemyMoves, WalkerStepsLeftOnlyOnItsWaitTicks) {
    floor(18);
    const int s = spawn(10, 17, 1); // move_wait 8
    EXPECT_EQ(track(s, 17, false), V({10, 10, 10, 10, 10, 10, 10, 9, 9, 9, 9, 9, 9, 9, 9, 8, 8}));
    EXPECT_EQ(teki(s).y, 17);
    EXPECT_EQ(teki(s).alive, 18); // one more for every tick in view
}

TEST_F(EnemyMoves, WalkerWithGravityFallsOneRowATickAndLeavesAtTheBottom) {
    const int s = spawn(10, 16, 1);
    EXPECT_EQ(track(s, 3, true), V({17, 18, 19}));
    tick();
    EXPECT_EQ(teki(s).alive, 0);
}

TEST_F(EnemyMoves, FloatingWalkerSlipsUnderAWallOrOverIt) {
    put(9, 10);
    const int s = spawn(10, 10, 5); // floating walker, move_wait 4
    teki(s).shot = 0;
    ticks(3);
    EXPECT_EQ(V({teki(s).x, teki(s).y}), V({10, 10}));
    tick(); // up-left and down-left are both free: down wins
    EXPECT_EQ(V({teki(s).x, teki(s).y}), V({10, 11}));
    put(9, 10, 0);
    put(9, 11);
    put(9, 12);
    ticks(4); // now only up-left is free
    EXPECT_EQ(V({teki(s).x, teki(s).y}), V({10, 10}));
}

TEST_F(EnemyMoves, HopperRisesFiveRowsOnItsTwentiethTickThenFalls) {
    floor(18);
    const int s = spawn(10, 17, 2);
    teki(s).move_wait = 0; // hops in place
    ticks(18);
    EXPECT_EQ(teki(s).jump, 0);
    tick();
    EXPECT_EQ(V({teki(s).alive, teki(s).jump, teki(s).y}), V({20, 5, 17}));
    EXPECT_EQ(track(s, 11, true), V({16, 15, 14, 13, 12, 13, 14, 15, 16, 17, 17}));
    EXPECT_EQ(teki(s).x, 10);
}

TEST_F(EnemyMoves, HopperUnderACeilingSpendsItsJumpWithoutMoving) {
    floor(18);
    put(10, 16); // the ceiling right above it
    const int s = spawn(10, 17, 2);
    teki(s).move_wait = 0;
    ticks(19);
    ASSERT_EQ(teki(s).jump, 5);
    V jumps;
    for (int k = 0; k < 5; ++k) {
        tick();
        jumps.push_back(teki(s).jump);
        EXPECT_EQ(V({teki(s).x, teki(s).y}), V({10, 17}));
    }
    EXPECT_EQ(jumps, V({4, 3, 2, 1, 0}));
}

TEST_F(EnemyMoves, HighHopperRisesTenRowsEveryTwentyFiveTicks) {
    floor(18);
    const int s = spawn(10, 17, 4); // move_wait 0
    teki(s).shot = 0;
    ticks(24);
    EXPECT_EQ(teki(s).jump, 10);
    const V rows = track(s, 21, true);
    EXPECT_EQ(rows[9], 7);   // the top, ten rows up
    EXPECT_EQ(rows[19], 17); // back on the ground
    EXPECT_EQ(teki(s).x, 10);
    ticks(4);
    EXPECT_EQ(teki(s).jump, 10); // alive 50: the next hop
}

TEST_F(EnemyMoves, HopperWalksLeftOnItsWaitTicksBesidesHopping) {
    floor(18);
    const int s = spawn(10, 17, 2); // move_wait 6
    EXPECT_EQ(track(s, 12, false), V({10, 10, 10, 10, 10, 9, 9, 9, 9, 9, 9, 8}));
}

TEST_F(EnemyMoves, DiverSinksOnItsWaitTicks) {
    const int s = spawn(10, 5, 7); // the bomb dives, move_wait 4
    EXPECT_EQ(track(s, 9, true), V({5, 5, 5, 6, 6, 6, 6, 7, 7}));
    EXPECT_EQ(teki(s).x, 10);
}

TEST_F(EnemyMoves, ZigzagGoesDownForThreeColumnsAndUpForThree) {
    const int s = spawn(15, 10, 9); // move_wait 4
    teki(s).shot = 0;
    V cells;
    for (int k = 0; k < 6; ++k) {
        ticks(4);
        cells.push_back(teki(s).x);
        cells.push_back(teki(s).y);
    }
    // Column 15 mod 6 = 3: up; 14, 13, 12: down; 11, 10: up.
    EXPECT_EQ(cells, V({14, 9, 13, 10, 12, 11, 11, 12, 10, 11, 9, 10}));
}

TEST_F(EnemyMoves, ChaserHeadsForTheHeroineInMapColumns) {
    g().scroll = 5; // she stands on map column 8
    const int s = spawn(12, 10, 16); // move_wait 6
    const int t = spawn(6, 19, 16);
    ticks(6);
    EXPECT_EQ(V({teki(s).x, teki(s).y, teki(t).x, teki(t).y}), V({11, 11, 7, 18}));
    teki(s).x = 8;
    teki(s).y = 17;
    ticks(6); // on her cell: stays
    EXPECT_EQ(V({teki(s).x, teki(s).y}), V({8, 17}));
}

TEST_F(EnemyMoves, UnknownPatternsStandStill) {
    const int s = spawn(10, 10, 5);
    teki(s).move = 42;
    teki(s).shot = 0;
    ticks(8);
    EXPECT_EQ(V({teki(s).x, teki(s).y}), V({10, 10}));
}

// ---- blocking -----------------------------------------------------------------

TEST_F(EnemyMoves, SecondWalkerIsStoppedByTheFirstWhileTheFirstIsStopped) {
    floor(18);
    put(5, 17);
    const int a = spawn(6, 17, 1);
    const int b = spawn(7, 17, 1);
    ticks(16);
    EXPECT_EQ(V({teki(a).x, teki(b).x}), V({6, 7}));
    put(5, 17, 0); // the wall goes: both walk on
    ticks(8);
    EXPECT_EQ(V({teki(a).x, teki(b).x}), V({5, 6}));
}

TEST_F(EnemyMoves, AWalkerEarlierInSlotOrderWaitsOneStepBehindALaterOne) {
    floor(18);
    const int back = spawn(7, 17, 1); // slot 1, moves first and still sees the front one
    const int front = spawn(6, 17, 1);
    ticks(8);
    EXPECT_EQ(V({teki(front).x, teki(back).x}), V({5, 7}));
    ticks(8);
    EXPECT_EQ(V({teki(front).x, teki(back).x}), V({4, 6}));
}

TEST_F(EnemyMoves, BlastsAndFallingEnemiesDoNotBlock) {
    floor(18);
    const int w = spawn(7, 17, 1);
    spawn(6, 17, 8);                     // a blast in its way
    const int v = spawn(9, 17, 1);       // moves before the defeated one falls
    const int fallen = spawn(8, 17, 11); // defeated, still in its way
    teki(fallen).hp = 0;
    g().frame_count = 7;
    tick();
    EXPECT_EQ(V({teki(w).x, teki(v).x}), V({6, 8}));
}

TEST_F(EnemyMoves, GrateIsSolidForEnemies) {
    floor(18);
    put(9, 17, testing::kGrate);
    const int s = spawn(10, 17, 1);
    ticks(16);
    EXPECT_EQ(teki(s).x, 10);
}

TEST_F(EnemyMoves, FallsAreStoppedByAnEnemyBelow) {
    floor(18);
    const int below = spawn(10, 17, 11);
    teki(below).move_wait = 0;
    const int above = spawn(10, 14, 11);
    teki(above).move_wait = 0;
    ticks(5);
    EXPECT_EQ(V({teki(above).y, teki(below).y}), V({16, 17}));
}

TEST_F(EnemyMoves, ABombDroppedThisTickAlreadyBlocksTheEnemyBehind) {
    const int dropper = spawn(24, 10, 6); // fires on (frame + 1) mod 16 = 0
    const int walker = spawn(25, 10, 5);
    teki(dropper).move_wait = 1;
    teki(walker).move_wait = 1;
    teki(walker).shot = 0;
    ticks(14);
    ASSERT_EQ(V({teki(dropper).x, teki(walker).x}), V({10, 11}));
    tick(); // frame 15: a bomb at column 10, the dropper moves on to 9
    EXPECT_EQ(V({teki(dropper).x, teki(walker).x}), V({9, 11}));
}

TEST_F(EnemyMoves, ABurstBombMakesWayInTheSameTick) {
    floor(18);
    const int bomb = spawn(10, 17, 7);
    const int walker = spawn(11, 17, 1);
    teki(bomb).alive = 59;
    g().frame_count = 7;
    tick(); // frame 8: the bomb bursts first, the walker steps into its cell
    EXPECT_EQ(V({teki(bomb).alive, teki(walker).x}), V({0, 10}));
}

// ---- the defeated fall and freeing --------------------------------------------

TEST_F(EnemyMoves, DefeatedEnemyDropsOneRowATickWhateverIsBelow) {
    floor(18);
    floor(19);
    const int s = spawn(10, 16, 1);
    teki(s).hp = 0;
    g().frame_count = 5;
    EXPECT_EQ(track(s, 3, true), V({17, 18, 19}));
    EXPECT_EQ(teki(s).x, 10); // no walking on the move tick (frame 8)
    tick();
    EXPECT_EQ(teki(s).alive, 0);
}

TEST_F(EnemyMoves, LeavingTheLeftEdgeFreesTheSlotAndTheTopHoldsIt) {
    floor(18);
    const int s = spawn(0, 17, 1);
    const int h = spawn(5, 0, 2);
    put(5, 1);
    teki(h).jump = 3;
    teki(h).move_wait = 0;
    ticks(8);
    EXPECT_EQ(teki(s).alive, 0);
    EXPECT_EQ(V({teki(h).y, teki(h).jump}), V({0, 0}));
    EXPECT_GE(teki(h).alive, 1);
}

TEST_F(EnemyMoves, EnemiesOutsideTheViewStayFrozen) {
    g().scroll = 5;
    const int right = spawn(31, 5, 1); // view column 26
    const int left = spawn(4, 5, 1);   // view column -1
    teki(right).jump = 3;
    ticks(16);
    EXPECT_EQ(V({teki(right).x, teki(right).y, teki(right).alive, teki(right).jump}),
              V({31, 5, 1, 3}));
    EXPECT_EQ(V({teki(left).x, teki(left).y, teki(left).alive}), V({4, 5, 1}));
    g().scroll = 6; // the view reaches it
    tick();
    EXPECT_EQ(V({teki(right).y, teki(right).alive, teki(right).jump}), V({4, 2, 2}));
}

TEST_F(EnemyMoves, EnemiesWaitOutsidePlayAndInTheEditor) {
    const int s = spawn(10, 5, 1);
    g().mode = 0;
    tick();
    g().mode = 1;
    g().editor = true;
    tick();
    EXPECT_EQ(V({teki(s).y, teki(s).alive}), V({5, 1}));
}

TEST_F(EnemyMoves, EnemiesOnHiddenRowsAreFreedWithoutReadingPastTheGrid) {
    const int s = spawn(10, 99, 1);
    const int t = spawn(10, 5, 1);
    teki(t).y = 2000000000; // a broken record must not reach past the grid
    tick();
    EXPECT_EQ(V({teki(s).alive, teki(t).alive}), V({0, 0}));
}

// ---- the bomb -----------------------------------------------------------------

struct Bomb : EnemyWorld {
    int bomb = 0;
    Bomb() {
        floor(18);
        bomb = spawn(10, 17, 7);
    }
    std::vector<std::pair<int, int>> blasts() {
        std::vector<std::pair<int, int>> v;
        for (int s = 0; s < kTekiSlots; ++s)
            if (teki(s).alive >= 1 && teki(s).kind == 8) v.emplace_back(teki(s).x, teki(s).y);
        return v;
    }
};

TEST_F(Bomb, BurstsOnItsFiftyNinthTickInViewIntoFiveBlasts) {
    ticks(58);
    EXPECT_EQ(teki(bomb).alive, 59);
    EXPECT_TRUE(blasts().empty());
    tick();
    EXPECT_EQ(teki(bomb).alive, 0);
    const std::vector<std::pair<int, int>> want = {{10, 17}, {9, 17}, {11, 17}, {10, 16}, {10, 18}};
    EXPECT_EQ(blasts(), want);
    const EffectPool& p = g().effects;
    const auto i = std::size_t(p.effect_cursor);
    EXPECT_EQ(V({p.ef_age[i], p.ef_kind[i], p.ef_x[i], p.ef_y[i]}), V({1, 468, 210, 350}));
}

TEST_F(Bomb, FuseCountsOnlyTicksInView) {
    teki(bomb).x = 40; // out of view for 30 ticks
    ticks(30);
    teki(bomb).x = 10;
    ticks(58);
    EXPECT_TRUE(blasts().empty());
    tick();
    EXPECT_EQ(blasts().size(), 5u);
}

TEST_F(Bomb, BlastsVanishOnTheirFourteenthTick) {
    ticks(59); // the burst tick is the blasts' first
    ticks(12);
    EXPECT_EQ(blasts().size(), 5u);
    tick();
    EXPECT_TRUE(blasts().empty());
    EXPECT_EQ(live_enemies(), 0);
}

TEST_F(Bomb, BlastsDoNotStopAWalker) {
    const int w = spawn(12, 17, 1);
    ticks(59);
    ASSERT_EQ(blasts().size(), 5u);
    ASSERT_EQ(teki(w).x, 11); // held back by the bomb until now
    ticks(5);                 // frame 64: steps into the blast at column 10
    EXPECT_EQ(teki(w).x, 10);
}

// ---- hit points on EASY ---------------------------------------------------------

TEST_F(EnemyMoves, EasyGivesEveryEnemyOneHitPoint) {
    const int needle = spawn(10, 5, 17);
    const int ufo = spawn(11, 5, 14);
    g().my.easy = 1;
    const int easy_needle = spawn(12, 5, 17);
    const int easy_ufo = spawn(13, 5, 14);
    EXPECT_EQ(V({teki(needle).hp, teki(ufo).hp, teki(easy_needle).hp, teki(easy_ufo).hp}),
              V({99, 5, 1, 1}));
}

// ---- drawing --------------------------------------------------------------------

struct EnemyDrawing : EnemyWorld {
    static constexpr Colour kTop = 0xFFFF0000u, kBottom = 0xFF0000FFu;
    EnemyDrawing() {
        // A sprite red above and blue below, for every enemy image used here.
        for (int i : {1, 0, 14}) {
            Bitmap& b = g().cg_img[std::size_t(i)];
            b.resize(20, 20, kTop);
            for (int y = 10; y < 20; ++y)
                for (int x = 0; x < 20; ++x) b.set_pixel(x, y, kBottom);
        }
        floor(18);
    }
};

TEST_F(EnemyDrawing, DrawnOnItsCellBeforeItMoves) {
    spawn(10, 17, 1);
    g().frame_count = 7; // the step of this tick moves it to column 9
    tick();
    // Half size 10: the square 200..219 x 340..359.
    EXPECT_EQ(g().cg.pixel(200, 341), kTop);
    EXPECT_EQ(g().cg.pixel(219, 358), kBottom);
    EXPECT_EQ(g().cg.pixel(199, 350), kBlack);
    EXPECT_EQ(g().cg.pixel(220, 350), kBlack);
}

TEST_F(EnemyDrawing, DefeatedEnemyIsDrawnUpsideDown) {
    const int s = spawn(10, 10, 1);
    teki(s).hp = 0;
    tick();
    EXPECT_EQ(g().cg.pixel(210, 201), kBottom);
    EXPECT_EQ(g().cg.pixel(210, 218), kTop);
}

TEST_F(EnemyDrawing, BlastsAndEnemiesOutOfViewAreNotDrawn) {
    spawn(10, 10, 8);
    g().scroll = 3;
    // Big enough to reach into the view if they were drawn.
    teki(spawn(2, 5, 1)).size = 30;  // view column -1
    teki(spawn(29, 5, 1)).size = 30; // view column 26
    tick();
    for (int x = 0; x < kViewWidth; x += 5)
        for (int y = 0; y < kViewHeight; y += 5) ASSERT_EQ(g().cg.pixel(x, y), kBlack) << x << "," << y;
}

TEST_F(EnemyDrawing, SpriteNumbersOutsideTheTableDrawNothing) {
    const int s = spawn(10, 10, 1);
    teki(s).image = 100;
    const int t = spawn(11, 10, 1);
    teki(t).image = -1;
    tick();
    EXPECT_EQ(g().cg.pixel(210, 210), kBlack);
    EXPECT_EQ(g().cg.pixel(230, 210), kBlack);
}

} // namespace
} // namespace tsu
