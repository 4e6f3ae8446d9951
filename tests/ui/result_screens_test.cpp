// The stage-clear and after-run screens and the records.
#include "support/game_fixture.h"
#include "ui/result_screens.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

using testing::GameFixture;

TEST(Results, AttackPenaltySteps) {
    EXPECT_EQ(attack_penalty(0), 0);
    EXPECT_EQ(attack_penalty(200), 0);
    EXPECT_EQ(attack_penalty(201), 100);
    EXPECT_EQ(attack_penalty(301), 350);
    EXPECT_EQ(attack_penalty(401), 850);
}

TEST(Results, BlinkColourRunsOverNineTicks) {
    EXPECT_EQ(blink_color(0), rgb(0xFFFF00));
    EXPECT_EQ(blink_color(4), rgb(0xDD7700));
    EXPECT_EQ(blink_color(8), rgb(0x552200));
    EXPECT_EQ(blink_color(9), rgb(0xFFFF00));
}

// Whether anything of colour c was drawn inside the rectangle.
bool drawn(const Bitmap& b, const Rect& r, Colour c) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.pixel(x, y) == c) return true;
    return false;
}

struct Screens : ::testing::Test, GameFixture {
    Screens() { testing::copy_built_root(root.path()); }
};

TEST_F(Screens, StageClearShowsPenaltyAndNoMissLines) {
    Game& G = g();
    G.mode = 3;
    G.my.throws = 250;
    G.my.misses = 0;
    G.frame_count = 0;
    G.cg.fill(rgb(0x404040));
    draw_clear_result(G);
    EXPECT_TRUE(drawn(G.cg, Rect{300, 160, 512, 250}, kBlack)); // the three lines
    EXPECT_TRUE(drawn(G.cg, Rect{380, 205, 512, 225}, rgb(0xFF00CC))); // penalty
    EXPECT_TRUE(drawn(G.cg, Rect{180, 250, 512, 275}, rgb(0xFFFF00)));  // no-miss

    G.cg.fill(rgb(0x404040));
    G.my.throws = 200;
    G.my.misses = 1;
    draw_clear_result(G);
    EXPECT_FALSE(drawn(G.cg, Rect{0, 0, 512, 384}, rgb(0xFF00CC)));
    EXPECT_FALSE(drawn(G.cg, Rect{0, 240, 512, 280}, rgb(0xFFFF00)));
}

// The penalty line, shadow and all, stays on the light panel of the
// stage-clear pictures (x 172..509, y 152..273), for every penalty.
TEST_F(Screens, ThePenaltyLineStaysInsideItsPanel) {
    Game& G = g();
    G.mode = 3;
    G.my.misses = 1;
    for (const int throws : {201, 301, 401}) {
        SCOPED_TRACE(throws);
        G.my.throws = throws;
        G.cg.fill(rgb(0x404040));
        draw_clear_result(G);
        int inside = 0;
        for (int y = 0; y < 384; ++y)
            for (int x = 0; x < 512; ++x) {
                const Colour c = G.cg.pixel(x, y);
                if (c != rgb(0xFF00CC) && c != rgb(0x880055)) continue;
                const bool in_panel = x >= 172 && x < 510 && y >= 152 && y < 274;
                EXPECT_TRUE(in_panel) << x << "," << y;
                inside += in_panel;
                if (!in_panel) return;
            }
        EXPECT_GT(inside, 20);
    }
}

TEST_F(Screens, RecordsOfTheRunsStageSet) {
    Game& G = g();
    G.mode = 2;
    G.chara = 1;
    G.frame_count = 0;
    G.my.stage_no = 5;
    G.my.gold = 3000;
    G.my.hi_score = 3000; // a tie counts
    G.my.hi_stage = 2;
    G.my.hi_chara = 3;
    G.cg.fill(rgb(0x404040));
    draw_run_result(G);
    EXPECT_EQ(G.my.hi_stage, 5);
    EXPECT_EQ(G.my.hi_chara, 2);
    EXPECT_TRUE(drawn(G.cg, Rect{130, 265, 512, 295}, rgb(0xFFFF00)));

    // A lower gold leaves the record and shows no notice.
    G.my.gold = 100;
    G.my.stage_no = 7;
    G.cg.fill(rgb(0x404040));
    draw_run_result(G);
    EXPECT_EQ(G.my.hi_score, 3000);
    EXPECT_EQ(G.my.hi_stage, 5);
    EXPECT_FALSE(drawn(G.cg, Rect{130, 265, 512, 295}, rgb(0xFFFF00)));

    // An extra pack keeps its own record.
    G.stage_set = 3;
    G.my.gold = 700;
    G.chara = 2;
    draw_run_result(G);
    EXPECT_EQ(G.my.ex_best[3].gold, 700);
    EXPECT_EQ(G.my.ex_best[3].stage, 7);
    EXPECT_EQ(G.my.ex_best[3].chara, 3);
    EXPECT_EQ(G.my.hi_score, 3000);
    EXPECT_EQ(G.my.ex_best[2].gold, 0);

    // A stage set outside 0..6 updates nothing.
    G.stage_set = 9;
    G.my.gold = 99999;
    draw_run_result(G);
    EXPECT_EQ(G.my.hi_score, 3000);
}

} // namespace
} // namespace tsu
