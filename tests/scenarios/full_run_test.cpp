// A whole official run on the shipped stages, driven like a player would:
// start on the title, play each stage along the stage solver's way while
// throwing at whatever comes, click on through the stage-clear screens, and
// back to the title from the after-run screen; the records are updated.
#include "app/headless_platform.h"
#include "game/collision.h"
#include "game/events.h"
#include "game/game.h"
#include "game/stage_end.h"
#include "render/effect_spawn.h"
#include "support/autopilot.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tsu {
namespace {

struct Run : ::testing::Test {
    testing::TempDir root;
    HeadlessPlatform platform;
    std::unique_ptr<Game> game = std::make_unique<Game>();
    Game& g = *game;
    Run() {
        testing::copy_built_root(root.path());
        platform.echo_messages = false;
        g.platform = &platform;
        g.root = root.str();
        g.random.reseed(21);
    }
    void tick() {
        platform.tick += 1;
        Timer1Timer(g);
    }
    void press(int key) {
        FormKeyDown(g, key);
        FormKeyUp(g, key);
    }
};

TEST_F(Run, EightStagesFromTheTitleToTheAfterRunScreenAndBack) {
    ASSERT_TRUE(FormCreate(g));
    g.my.easy = 1; // one hit point for every enemy
    for (int i = 0; i < 3; ++i) tick();
    press(vk::enter);
    ASSERT_EQ(g.mode, 1);
    testing::Autopilot pilot(g);
    int stages_cleared = 0, lives_lost = 0, lives = g.my.lives;
    for (int t = 0; t < 8 * 3000 && g.mode != 2; ++t) {
        if (g.mode == 1) {
            ASSERT_TRUE(pilot.step([this] { tick(); })) << "stage " << g.my.stage_no << ": " << pilot.reason();
            lives_lost += std::max(0, lives - g.my.lives);
            lives = g.my.lives;
        } else {
            if (g.mode == 3 && g.wipe == 0) {
                ++stages_cleared;
                pilot.restart();
                press(vk::enter);
            }
            tick();
        }
    }
    RecordProperty("lives_lost", lives_lost);
    RecordProperty("replans", pilot.replans());
    ASSERT_EQ(g.mode, 2) << "the run did not end; stages cleared: " << stages_cleared;
    EXPECT_EQ(stages_cleared, 8);
    EXPECT_EQ(g.my.all_clear, 1);
    EXPECT_EQ(g.my.stage_no, 8);
    EXPECT_GT(g.my.gold, 0);
    for (int i = 0; i < 12; ++i) tick(); // the wipe, then the after-run screen
    EXPECT_EQ(g.my.hi_score, g.my.gold);
    EXPECT_EQ(g.my.hi_stage, 8);
    EXPECT_EQ(g.my.hi_chara, 1);
    press(vk::enter);
    EXPECT_EQ(g.mode, 0);
    EXPECT_EQ(g.my.play_count, 1);
}

TEST_F(Run, AFatalHitOnTheExitEndsTheRunInsteadOfClearingTheStage) {
    ASSERT_TRUE(FormCreate(g));
    g.mode = 1;
    g.my.lives = 1;
    g.my.blink = 1;
    g.my.x = 6;
    g.my.y = 10;
    g.view_cell(6, 10).lower = 6; // the exit
    g.view_cell(6, 11).lower = 13; // a spike floor under it
    collision_pass(g);
    EXPECT_EQ(g.mode, 2);
    EXPECT_EQ(g.my.lives, 0);
}

} // namespace
} // namespace tsu
