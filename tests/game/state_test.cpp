#include "game/game.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(State, ResetStageKeepsRunValues) {
    auto g = std::make_unique<Game>();
    g->teki_type[1].image = 3;
    g->teki_type[1].move_wait = 1;
    g->my.lives = 5;
    g->my.gold = 1234;
    g->my.muteki_stock = 2;
    g->my.bunshin_stock = 3;
    g->my.danmaku_stock = 1;
    g->my.stage_no = 4;
    g->my.x = 10;
    g->my.red_fire = 40;
    g->scroll = 33;
    g->teki[500].alive = 7;
    g->item[100].alive = 1;
    g->block[100].alive = 3;
    g->effects.ef_age[99] = 5;
    g->key_right = 1;
    reset_stage(*g);
    EXPECT_EQ(g->my.lives, 5);
    EXPECT_EQ(g->my.gold, 1234);
    EXPECT_EQ(g->my.muteki_stock, 2);
    EXPECT_EQ(g->my.bunshin_stock, 3);
    EXPECT_EQ(g->my.danmaku_stock, 1);
    EXPECT_EQ(g->my.stage_no, 4);
    EXPECT_EQ(g->my.x, 3);
    EXPECT_EQ(g->my.y, 17);
    EXPECT_EQ(g->my.target_x, 3);
    EXPECT_EQ(g->my.size, 25);
    EXPECT_EQ(g->my.sp_timer, 60);
    EXPECT_EQ(g->my.red_fire, 0);
    EXPECT_EQ(g->scroll, 0);
    EXPECT_EQ(g->key_right, 0);
    EXPECT_EQ(g->teki[500].alive, 0);
    EXPECT_EQ(g->teki[500].image, 3);
    EXPECT_EQ(g->teki[500].move_wait, 1);
    EXPECT_EQ(g->item[100].alive, 0);
    EXPECT_EQ(g->block[100].alive, 0);
    EXPECT_EQ(g->effects.ef_age[99], 0);
}

TEST(State, ViewCellStaysInsideTheGrid) {
    auto g = std::make_unique<Game>();
    g->scroll = 74;
    g->map[75][1].lower = 9;
    EXPECT_EQ(g->view_cell(0, 0).lower, 9);
    // Probes beyond any stage edge land on the grid's border cells, never outside.
    EXPECT_NO_FATAL_FAILURE(g->view_cell(500, 500));
    EXPECT_EQ(&g->view_cell(-200, -5), &g->map[0][0]);
}

} // namespace
} // namespace tsu
