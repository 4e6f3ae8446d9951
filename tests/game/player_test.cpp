// The heroine's movement in the player step: jump, walk, walls, falling,
// the view's bounds, the treasure-box stop, flight and the second heroine's
// fuel flight.
#include "game/game.h"
#include "game/grid.h"
#include "game/player.h"
#include "player_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tsu {
namespace {

using V = std::vector<int>;
using Player = testing::PlayerFixture;

// Rows she is in after each of n steps.
V rows(Player& t, int n) {
    V v;
    for (int i = 0; i < n; ++i) {
        t.step();
        v.push_back(t.my().y);
    }
    return v;
}

// ---- jumping -----------------------------------------------------------

TEST_F(Player, JumpRisesFiveRowsOnConsecutiveTicksThenFalls) {
    g().key_up = 1;
    EXPECT_EQ(rows(*this, 11), V({16, 15, 14, 13, 12, 13, 14, 15, 16, 17, 17}));
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"jump.wav"});
    EXPECT_EQ(g().key_up, 0); // one key-down, one jump
}

TEST_F(Player, JumpUnderACeilingUsesUpItsTicksInPlace) {
    floor(15);
    g().key_up = 1;
    EXPECT_EQ(rows(*this, 7), V({16, 16, 16, 16, 16, 17, 17}));
    EXPECT_EQ(my().jump, 0);
}

TEST_F(Player, NoJumpInTheAirButTheKeyIsStillUsedUp) {
    my().y = 10;
    g().key_up = 1;
    step();
    EXPECT_EQ(my().y, 11);
    EXPECT_EQ(my().jump, 0);
    EXPECT_EQ(g().key_up, 0);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Player, TheThirdHeroineJumpsFromABlock) {
    g().chara = 2;
    my().y = 10;
    g().block[5] = tman{};
    g().block[5].x = 3;
    g().block[5].y = 11;
    g().block[5].alive = 3;
    g().key_up = 1;
    step();
    EXPECT_EQ(my().y, 9);
    EXPECT_EQ(my().jump, 4);
}

TEST_F(Player, ABlockIsNoFloorForTheOtherHeroines) {
    g().chara = 0;
    my().y = 10;
    g().block[5].x = 3;
    g().block[5].y = 11;
    g().block[5].alive = 3;
    g().key_up = 1;
    step();
    EXPECT_EQ(my().y, 11);
}

// ---- walking -----------------------------------------------------------

TEST_F(Player, HoldingRightAgainstAWallNeverEntersIt) {
    solid(5, 17);
    g().key_right = 1;
    V xs, targets;
    for (int i = 0; i < 5; ++i) {
        step();
        xs.push_back(my().x);
        targets.push_back(my().target_x);
    }
    EXPECT_EQ(xs, V({4, 4, 4, 4, 4}));
    EXPECT_EQ(targets, V({4, 4, 4, 4, 4}));
}

TEST_F(Player, WallOnTheLeftStopsAWalkToAClickedColumn) {
    solid(1, 17);
    my().target_x = 0;
    step();
    step();
    step();
    EXPECT_EQ(my().x, 2);
    EXPECT_EQ(my().target_x, 2);
}

TEST_F(Player, OneColumnPerTickAndLeftWinsOverRight) {
    my().target_x = 9;
    step();
    EXPECT_EQ(my().x, 4);
    g().key_right = 1;
    g().key_left = 1;
    step();
    EXPECT_EQ(my().x, 3);
    EXPECT_EQ(my().target_x, 3);
}

TEST_F(Player, WalkingOffALedgeFallsOneRowPerTick) {
    // A hole under columns 3 and 4 with nothing below the view.
    g().view_cell(3, 18).lower = 0;
    g().view_cell(4, 18).lower = 0;
    my().x = 2;
    my().target_x = 3;
    EXPECT_EQ(rows(*this, 3), V({18, 19, 0}));
    EXPECT_EQ(my().x, 3);
}

// ---- the bottom, the sides and the view's push ----------------------------

TEST_F(Player, FallingOutOfTheBottomPutsHerInRowZeroAndHurtsHer) {
    for (int x = 0; x <= 25; ++x) g().view_cell(x, 18).lower = 0;
    my().y = 19;
    step();
    EXPECT_EQ(my().y, 0);
    EXPECT_EQ(my().x, 3);
    EXPECT_EQ(my().lives, 2);
    EXPECT_EQ(my().blink, 19); // 20 from the hit, then one blink step as she is drawn
    EXPECT_EQ(platform.sounds.back(), "damage.wav");
    // A blink does not protect against the fall.
    my().y = 19;
    step();
    EXPECT_EQ(my().y, 0);
    EXPECT_EQ(my().lives, 1);
}

TEST_F(Player, PushedByTheViewAtColumnZeroSheStaysOnTheStage) {
    // The scroll step has just moved her to column -1.
    my().x = -1;
    my().target_x = -1;
    step();
    EXPECT_EQ(my().x, 0);
}

// Pushed into a wall by the view she is not carried on inside it (where she
// could be walled in for good): she loses a life and comes out at the top of
// her column. A push onto free ground costs nothing.
TEST_F(Player, PushedIntoAWallByTheViewSheIsSqueezedOut) {
    struct Case {
        int wall_top; // rows wall_top..17 of view column 0 are solid
        int love;     // the love note takes the hit instead of a life
        int lives;    // after the step
        int row;
    };
    solid(-1, 18); // the ground goes on left of the view
    for (const Case c : {Case{10, 0, 2, 0}, Case{17, 400, 3, 0}, Case{0, 0, 3, 17}}) {
        SCOPED_TRACE(c.wall_top);
        for (int y = 0; y <= 17; ++y) g().view_cell(0, y).lower = y >= c.wall_top && c.wall_top > 0 ? testing::kGround : 0;
        my().x = -1; // the scroll step has just moved the view past her
        my().target_x = -1;
        my().y = 17;
        my().lives = 3;
        my().love = c.love;
        g().love_guard = 0;
        step();
        EXPECT_EQ(my().x, 0);
        EXPECT_EQ(my().lives, c.lives);
        EXPECT_EQ(my().y, c.row);
        EXPECT_FALSE(is_solid(g(), my().x, my().y));
    }
}

TEST_F(Player, RightOfColumn21TheNextTickScrolls) {
    my().x = 21;
    my().target_x = 21;
    g().scroll_tick = 3;
    step();
    EXPECT_EQ(g().scroll_tick, 3);
    my().target_x = 22;
    step();
    EXPECT_EQ(my().x, 22);
    EXPECT_EQ(g().scroll_tick, 15);
    my().x = 30;
    my().target_x = 30;
    step();
    EXPECT_EQ(my().x, 25);
}

TEST_F(Player, AboveTheTopSheIsPutBackInRowZero) {
    g().my.fly = 50;
    my().y = 0;
    my().target_y = -3;
    step();
    EXPECT_EQ(my().y, 0);
}

// ---- treasure box --------------------------------------------------------

TEST_F(Player, ATreasureBoxStopsHerEvenWhenPassable) {
    g().pass_upper[testing::kBox] = 0; // the stop comes from the chip itself
    g().view_cell(6, 17).upper = testing::kBox;
    my().target_x = 10;
    step();
    step();
    EXPECT_EQ(my().x, 5);
    EXPECT_EQ(my().target_x, 5);
    step();
    EXPECT_EQ(my().x, 5);
}

// ---- modes --------------------------------------------------------------

TEST_F(Player, NothingOnTheTitleOrInTheEditor) {
    my().y = 5;
    g().mode = 0;
    step();
    g().mode = 1;
    g().editor = true;
    step();
    EXPECT_EQ(my().y, 5);
}

TEST_F(Player, AfterTheStageEndedKeysAreClearedButSheStillFalls) {
    g().mode = 3;
    my().y = 10;
    g().key_right = g().key_left = g().key_up = 1;
    step();
    EXPECT_EQ(g().key_right + g().key_left + g().key_up, 0);
    EXPECT_EQ(my().x, 3);
    EXPECT_EQ(my().y, 11);
    EXPECT_EQ(my().jump, 0);
}

// ---- flight ---------------------------------------------------------------

TEST_F(Player, FlightUpKeepsTheKeyAndClimbsOneRowPerTick) {
    my().fly = 100;
    my().target_y = 17;
    g().key_up = 1;
    EXPECT_EQ(rows(*this, 3), V({16, 15, 14}));
    EXPECT_EQ(g().key_up, 1);
    EXPECT_EQ(my().target_y, 14);
    EXPECT_TRUE(platform.sounds.empty()); // flying is no jump
    g().key_up = 0;
    EXPECT_EQ(rows(*this, 2), V({14, 14})); // she hovers: no gravity
}

TEST_F(Player, FlightDownByItselfAndDownBeatsUp) {
    my().fly = 100;
    my().y = 10;
    my().target_y = 10;
    g().key_down = 1;
    EXPECT_EQ(rows(*this, 2), V({11, 12}));
    g().key_up = 1;
    EXPECT_EQ(rows(*this, 2), V({13, 14}));
    // The ground stops the descent.
    EXPECT_EQ(rows(*this, 4), V({15, 16, 17, 17}));
}

TEST_F(Player, FlightTowardAClickedRowStopsUnderACeiling) {
    my().fly = 100;
    my().target_y = 10;
    floor(14);
    EXPECT_EQ(rows(*this, 4), V({16, 15, 15, 15}));
}

TEST_F(Player, NoLiftFromABlockWhileFlying) {
    g().chara = 2;
    my().fly = 100;
    my().target_y = 17;
    g().block[2].x = 3;
    g().block[2].y = 17;
    g().block[2].alive = 1;
    step();
    EXPECT_EQ(my().y, 17);
    my().fly = 0;
    step();
    EXPECT_EQ(my().y, 16);
}

// ---- the second heroine's fuel flight --------------------------------------

struct SecondHeroine : Player {
    SecondHeroine() { g().chara = 1; }
};

TEST_F(SecondHeroine, EmptyTankHoldingXDoesNothingAndDoesNotRefill) {
    my().fuel = 0;
    g().key_x_held = 1;
    EXPECT_EQ(rows(*this, 3), V({17, 17, 17}));
    EXPECT_EQ(my().fuel, 0);
    g().key_x_held = 0;
    step();
    step();
    EXPECT_EQ(my().fuel, 2);
}

TEST_F(SecondHeroine, TheTankRefillsToSeventy) {
    my().fuel = 67;
    for (int i = 0; i < 5; ++i) step();
    EXPECT_EQ(my().fuel, 70);
}

TEST_F(SecondHeroine, HoldingXRisesOneRowAndAnotherOnOddTicks) {
    my().fuel = 20;
    g().key_x_held = 1;
    g().frame_count = 1; // the next step is tick 2: even
    step();
    EXPECT_EQ(my().y, 16);
    EXPECT_EQ(my().fuel, 18);
    step(); // odd: she falls one, then rises two
    EXPECT_EQ(my().y, 15);
    EXPECT_EQ(my().fuel, 16);
    floor(14);
    step(); // even: down one, up one
    step(); // odd: the ceiling stops the second rise
    EXPECT_EQ(my().y, 15);
    EXPECT_EQ(my().fuel, 12);
}

TEST_F(SecondHeroine, NoFuelIsBurnedDuringAJumpsRise) {
    my().fuel = 70;
    g().key_up = 1;
    g().key_x_held = 1;
    step();
    EXPECT_EQ(my().y, 16);
    EXPECT_EQ(my().fuel, 70);
}

TEST_F(SecondHeroine, WithFlightXLiftsTheTargetRowOnOddTicks) {
    my().fly = 100;
    my().y = 10;
    my().target_y = 10;
    my().fuel = 30;
    g().key_x_held = 1;
    g().frame_count = 1;
    step(); // tick 2
    EXPECT_EQ(my().target_y, 10);
    step(); // tick 3
    EXPECT_EQ(my().target_y, 9);
    EXPECT_EQ(my().fuel, 26);
    // She follows the target one row per tick as it rises every other tick.
    EXPECT_EQ(rows(*this, 3), V({9, 9, 8}));
}

} // namespace
} // namespace tsu
