// The mode transitions and the view's mouse handler.
#include "game/events.h"
#include "game/modes.h"
#include "game/stage_end.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tsu {
namespace {

using testing::GameFixture;

struct Modes : ::testing::Test, GameFixture {
    Modes() {
        testing::copy_built_root(root.path());
        g().teki_type[1].image = 3;
        g().teki_type[1].move_wait = 1;
    }
};

TEST_F(Modes, NewRunAfterAFinishedOne) {
    Game& G = g();
    G.my.lives = 0;
    G.my.gold = 4200;
    G.my.muteki_stock = 3;
    G.my.bunshin_stock = 0;
    G.my.danmaku_stock = 2;
    G.my.all_clear = 1;
    G.my.stage_no = 8;
    G.my.stage_cleared.fill(1);
    G.gold_milestone.fill(1);
    G.my.play_count = 7;
    G.stage_set = 3;
    cgMouseDown(G, MouseButton::left, 100, 100);
    EXPECT_EQ(G.mode, 1);
    EXPECT_EQ(G.stage_set, 0);
    EXPECT_EQ(G.my.lives, 3);
    EXPECT_EQ(G.my.gold, 0);
    EXPECT_EQ(G.my.muteki_stock, 1);
    EXPECT_EQ(G.my.bunshin_stock, 1);
    EXPECT_EQ(G.my.danmaku_stock, 0);
    EXPECT_EQ(G.my.all_clear, 0);
    EXPECT_EQ(G.my.stage_no, 0);
    for (int v : G.my.stage_cleared) EXPECT_EQ(v, 0);
    for (int v : G.gold_milestone) EXPECT_EQ(v, 0);
    EXPECT_EQ(G.my.play_count, 8);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.sounds.front(), "1.wav");
}

TEST_F(Modes, EasyRunStartsWithFourLives) {
    g().my.easy = 1;
    start_run(g());
    EXPECT_EQ(g().my.lives, 4);
}

TEST_F(Modes, MissingStageFileStopsTheRunStart) {
    std::filesystem::remove(root.path() / "dat" / "map0.dat");
    g().my.play_count = 2;
    start_run(g());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(g().my.play_count, 2); // the start did not go on
}

TEST_F(Modes, ClicksDuringTheWipeDoNothing) {
    Game& G = g();
    G.mode = 3;
    G.wipe = 4;
    G.my.stage_no = 2;
    cgMouseDown(G, MouseButton::left, 10, 10);
    EXPECT_EQ(G.mode, 3);
    EXPECT_EQ(G.my.stage_no, 2);
    G.wipe = 0;
    cgMouseDown(G, MouseButton::right, 10, 10); // any button counts
    EXPECT_EQ(G.mode, 1);
    EXPECT_EQ(G.my.stage_no, 3);
    EXPECT_EQ(G.my.stage_cleared[2], 1);
    EXPECT_EQ(G.my.stages_played, 1);
}

TEST_F(Modes, ClearingStage7EndsTheRunWithoutANinthStage) {
    Game& G = g();
    G.mode = 3;
    G.my.stage_no = 7;
    G.my.gold = 900;
    cgMouseDown(G, MouseButton::left, 10, 10);
    EXPECT_EQ(G.mode, 2);
    EXPECT_EQ(G.my.stage_no, 8);
    EXPECT_EQ(G.my.all_clear, 1);
    EXPECT_EQ(G.my.stage_cleared[7], 1);
    EXPECT_EQ(G.wipe, 10);
    EXPECT_EQ(G.gold_shown, 900);
    EXPECT_EQ(G.cg_img[39].width(), kViewWidth);
}

TEST_F(Modes, AThousandPassedWithTheClearBonusIsCelebratedInTheNextStage) {
    Game& G = g();
    start_run(G);
    ASSERT_EQ(G.mode, 1);
    G.my.gold = G.gold_shown = 950;
    G.view_cell(G.my.x, G.my.y).lower = 6; // the exit under her feet
    goal_test(G);
    ASSERT_EQ(G.mode, 3);
    ASSERT_EQ(G.my.gold, 1450); // the no-miss bonus
    for (int t = 0; t < 20; ++t) Timer1Timer(G); // the wipe and the clear screen
    cgMouseDown(G, MouseButton::left, 10, 10);
    ASSERT_EQ(G.mode, 1);
    ASSERT_EQ(G.my.stage_no, 1);
    Timer1Timer(G);
    int shown = 0;
    for (int slot = 0; slot < int(G.effects.ef_kind.size()); ++slot)
        if (G.effects.ef_age[std::size_t(slot)] > 0 && G.effects.ef_kind[std::size_t(slot)] == 106 &&
            G.effects.ef_text[std::size_t(slot)].find("1000") != std::string::npos)
            ++shown;
    EXPECT_GE(shown, 1);
    EXPECT_EQ(G.gold_milestone[0], 1);
}

TEST_F(Modes, TestPlayGoesBackToTheEditor) {
    Game& G = g();
    G.mode = 3;
    G.test_play = true;
    G.my.stage_no = 105;
    cgMouseDown(G, MouseButton::left, 10, 10);
    EXPECT_TRUE(G.editor);
    EXPECT_EQ(G.mode, 1);
    EXPECT_EQ(G.my.stage_no, 105);
    EXPECT_EQ(G.client_width, 660);
    EXPECT_EQ(G.client_height, 480);
}

TEST_F(Modes, AfterAnExtraRunTheTitleReopensTheExtraPanel) {
    Game& G = g();
    G.mode = 2;
    G.stage_set = 4;
    cgMouseDown(G, MouseButton::left, 10, 10);
    EXPECT_EQ(G.mode, 0);
    EXPECT_TRUE(G.panels.ex_box);
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"2.wav"});
}

TEST_F(Modes, RightClickOnTheTitleSavesBeforeTheOptionPanelOpens) {
    Game& G = g();
    G.my.easy = 1;
    G.my.se_off = 1;
    const auto save = root.path() / "dat" / "my.dat";
    ASSERT_FALSE(std::filesystem::exists(save));
    cgMouseDown(G, MouseButton::right, 10, 10);
    EXPECT_TRUE(std::filesystem::exists(save));
    EXPECT_TRUE(G.panels.option_box);
    EXPECT_FALSE(G.panels.nomal_b1);
    EXPECT_TRUE(G.panels.easy_l);
    EXPECT_FALSE(G.panels.se_b1);
    // A click on the view while the panel is open belongs to the panel.
    cgMouseDown(G, MouseButton::left, 10, 10);
    EXPECT_EQ(G.mode, 0);
}

TEST_F(Modes, ClicksInPlaySetTargetsAndJump) {
    Game& G = g();
    G.mode = 1;
    G.my.x = 3;
    G.my.y = 17;
    G.my.target_y = 17;
    cgMouseDown(G, MouseButton::left, 199, 45);
    EXPECT_EQ(G.my.target_x, 9);
    EXPECT_EQ(G.my.target_y, 17); // only while flying
    G.my.fly = 10;
    cgMouseDown(G, MouseButton::left, 40, 45);
    EXPECT_EQ(G.my.target_x, 2);
    EXPECT_EQ(G.my.target_y, 2);

    // Right click jumps only from solid ground.
    G.pass_lower[5] = 1;
    G.view_cell(3, 18).lower = 0;
    cgMouseDown(G, MouseButton::right, 0, 0);
    EXPECT_EQ(G.my.jump, 0);
    G.view_cell(3, 18).lower = 5;
    cgMouseDown(G, MouseButton::right, 0, 0);
    EXPECT_EQ(G.my.jump, 5);
    EXPECT_EQ(platform.sounds.back(), "jump.wav");

    G.my.jump = 0;
    G.paused = true;
    cgMouseDown(G, MouseButton::right, 0, 0);
    EXPECT_EQ(G.my.jump, 0);
}

} // namespace
} // namespace tsu

namespace tsu {
namespace {

TEST(StageEnd, ClearBonusByHitsAndThrows) {
    EXPECT_EQ(clear_bonus(0, 150), 500);
    EXPECT_EQ(clear_bonus(0, 250), 400);
    EXPECT_EQ(clear_bonus(0, 200), 500);
    EXPECT_EQ(clear_bonus(1, 450), -850);
    EXPECT_EQ(clear_bonus(2, 301), -350);
}

TEST(StageEnd, StandingOnTheExitClearsTheStage) {
    testing::GameFixture f;
    Game& g = f.g();
    testing::copy_built_root(f.root.path());
    g.mode = 1;
    g.my.x = 4;
    g.my.y = 10;
    g.my.gold = 100;
    g.my.throws = 250;
    goal_test(g);
    EXPECT_EQ(g.mode, 1);
    g.view_cell(4, 10).lower = 6;
    goal_test(g);
    EXPECT_EQ(g.mode, 3);
    EXPECT_EQ(g.my.gold, 500);
    EXPECT_EQ(g.gold_shown, 500);
    EXPECT_EQ(g.wipe, 10);
    // Not again once the stage has ended.
    goal_test(g);
    EXPECT_EQ(g.my.gold, 500);
}

} // namespace
} // namespace tsu
