// The key handlers: latches, pause, the title's keys, developer keys.
#include "game/assets.h"
#include "game/events.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tsu {
namespace {

using testing::GameFixture;

struct Keys : ::testing::Test, GameFixture {
    Keys() { g().mode = 1; }
    void press(int k) { FormKeyDown(g(), k); }
    void release(int k) { FormKeyUp(g(), k); }
};

TEST_F(Keys, HoldingZGivesOneRequestUntilReleased) {
    press('Z');
    EXPECT_EQ(g().key_z, 1);
    g().key_z = 0; // the tick consumed it
    for (int i = 0; i < 10; ++i) press('Z'); // auto-repeat
    EXPECT_EQ(g().key_z, 0);
    release('Z');
    press('Z');
    EXPECT_EQ(g().key_z, 1);
}

TEST_F(Keys, RequestsAreRefusedWhilePausedOrOutOfPlay) {
    g().paused = true;
    press('Z');
    press('X');
    press('A');
    press('C');
    EXPECT_EQ(g().key_z + g().key_x + g().key_a + g().key_c, 0);
    EXPECT_EQ(g().key_z_held + g().key_x_held + g().key_a_held + g().key_c_held, 0);
    // The arrows still change while paused.
    press(vk::left);
    EXPECT_EQ(g().key_left, 1);
    g().paused = false;
    g().mode = 0;
    press('C');
    EXPECT_EQ(g().key_c, 0);
}

TEST_F(Keys, ArrowsAndShiftAreHeldStates) {
    press(vk::shift);
    EXPECT_EQ(g().key_up, 1);
    release(vk::up);
    EXPECT_EQ(g().key_up, 0);
    press(vk::right);
    press(vk::down);
    EXPECT_EQ(g().key_right, 1);
    EXPECT_EQ(g().key_down, 1);
    release(vk::right);
    release(vk::down);
    EXPECT_EQ(g().key_right + g().key_down, 0);
}

TEST_F(Keys, EscPausesAndResumesWithThePauseText) {
    g().cg.fill(kBlack);
    press(vk::esc);
    EXPECT_TRUE(g().paused);
    Timer1Timer(g());
    EXPECT_TRUE(g().paused);
    press(vk::esc);
    EXPECT_FALSE(g().paused);
}

TEST_F(Keys, QEndsTheRunOnlyInPlay) {
    g().mode = 0;
    g().my.lives = 3;
    press('Q');
    EXPECT_EQ(g().mode, 0);
    EXPECT_EQ(g().my.lives, 3);

    g().mode = 1;
    g().paused = true;
    g().my.red_fire = 30;
    press('Q');
    EXPECT_EQ(g().mode, 2);
    EXPECT_EQ(g().my.lives, 0);
    EXPECT_FALSE(g().paused);
    EXPECT_EQ(g().my.red_fire, 0);
    EXPECT_EQ(g().wipe, 10);
    EXPECT_EQ(g().wipe_size, 200);
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(platform.sounds.back(), "over.wav");
    ASSERT_FALSE(platform.music.empty());
    EXPECT_EQ(platform.music.back(), "<stop>");
}

// Q (give up) and S (comment barrage) act in play only: not on the title or
// the result screens, and not in the editor, which shares play's mode.
TEST_F(Keys, QAndSActOnlyInPlayNotOnTheScreensOrInTheEditor) {
    struct Case {
        int mode;
        bool editor;
        bool acts;
    };
    for (const Case c : {Case{1, false, true}, Case{0, false, false}, Case{2, false, false},
                         Case{3, false, false}, Case{1, true, false}}) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + (c.editor ? " editor" : ""));
        clear_objects(g());
        g().mode = c.mode;
        g().editor = c.editor;
        g().my.lives = 2;
        g().my.danmaku_stock = 2;
        press('S');
        EXPECT_EQ(g().my.danmaku_stock, c.acts ? 1 : 2);
        const bool comments = std::any_of(g().shot.begin(), g().shot.end(),
                                          [](const tman& s) { return s.alive != 0 && s.kind == 5; });
        EXPECT_EQ(comments, c.acts);
        press('Q');
        EXPECT_EQ(g().mode, c.acts ? 2 : c.mode);
        EXPECT_EQ(g().my.lives, c.acts ? 0 : 2);
        EXPECT_EQ(g().editor, c.editor);
    }
}

TEST_F(Keys, DeveloperKeysNeedTheAccessWord) {
    g().my.name = "ほたるび";
    press('B');
    press(vk::f1);
    press(vk::yen);
    EXPECT_EQ(g().my.blue_fire, 0);
    EXPECT_FALSE(g().editor);
    EXPECT_TRUE(platform.sounds.empty());

    g().my.name = "ほたる";
    press('B');
    EXPECT_EQ(g().my.blue_fire, 400);
    EXPECT_EQ(platform.sounds.back(), "fire2.wav");
    EXPECT_EQ(g().effects.ef_kind[std::size_t(g().effects.effect_cursor)], 118);

    g().paused = true;
    press(vk::f1);
    EXPECT_TRUE(g().editor);
    EXPECT_FALSE(g().paused);
    EXPECT_EQ(g().mode, 1);
    EXPECT_EQ(g().sel_lower, -1);
    EXPECT_EQ(g().sel_upper, -1);
    EXPECT_EQ(g().sel_teki, -1);
    EXPECT_EQ(platform.client_width, 660);
    EXPECT_EQ(platform.client_height, 480);
}

struct TitleKeys : ::testing::Test, GameFixture {
    TitleKeys() { g().mode = 0; }
};

TEST_F(TitleKeys, RCyclesTheHeroinesWithTheirSounds) {
    FormKeyDown(g(), 'R');
    EXPECT_EQ(g().chara, 1);
    Timer1Timer(g());
    FormKeyDown(g(), 'R');
    EXPECT_EQ(g().chara, 2);
    Timer1Timer(g());
    FormKeyDown(g(), 'R');
    EXPECT_EQ(g().chara, 0);
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{"1.wav", "1.wav", "2.wav"}));
}

TEST_F(TitleKeys, WithTheOptionPanelOpenEnterMAndRDoNothingAndEscCloses) {
    g().panels.option_box = true;
    FormKeyDown(g(), vk::enter);
    FormKeyDown(g(), 'M');
    FormKeyDown(g(), 'R');
    EXPECT_EQ(g().mode, 0);
    EXPECT_EQ(g().chara, 0);
    EXPECT_TRUE(platform.sounds.empty());
    FormKeyDown(g(), vk::esc);
    EXPECT_FALSE(g().panels.option_box);
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"1.wav"});
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(TitleKeys, EscAsksTheResetQuestion) {
    g().my.hi_score = 5000;
    g().my.music_off = 1;
    platform.answers = {false};
    FormKeyDown(g(), vk::esc);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0], "初期化したいときは、はいを押してね");
    EXPECT_EQ(g().my.hi_score, 5000);

    Timer1Timer(g());
    platform.answers = {true};
    FormKeyDown(g(), vk::esc);
    EXPECT_EQ(g().my.hi_score, 0);
    EXPECT_EQ(g().my.music_off, 1); // options survive a reset
    EXPECT_EQ(platform.messages.back(), "初期化しました");
}

TEST_F(TitleKeys, PanelsOpenFromTheOptionPanel) {
    g().panels.option_box = true;
    FormKeyDown(g(), 'E');
    EXPECT_FALSE(g().panels.option_box);
    EXPECT_TRUE(g().panels.ex_box);
    FormKeyDown(g(), vk::esc);
    EXPECT_TRUE(g().panels.option_box);
    EXPECT_FALSE(g().panels.ex_box);
    g().panels.ir_name_b = false; // a registered player: I asks the server (there is none)
    FormKeyDown(g(), 'I');
    EXPECT_TRUE(g().panels.ir_rank_box);
    // The arrows belong to the ranking panel while it is open.
    FormKeyDown(g(), vk::left);
    EXPECT_EQ(g().key_left, 0);
    FormKeyDown(g(), vk::esc);
    EXPECT_TRUE(g().panels.option_box);
    EXPECT_FALSE(g().panels.ir_rank_box);
    // The profile box inside the option panel keeps E and I from acting.
    g().panels.tusin_box = true;
    FormKeyDown(g(), 'E');
    EXPECT_TRUE(g().panels.option_box);
    EXPECT_FALSE(g().panels.ex_box);
}

TEST(PlaySe, OncePerTickAndNotWhenSoundIsOff) {
    GameFixture f;
    Game& g = f.g();
    play_se(g, "1.wav");
    play_se(g, "1.wav");
    play_se(g, "coin.wav");
    EXPECT_EQ(f.platform.sounds, (std::vector<std::string>{"1.wav", "coin.wav"}));
    Timer1Timer(g);
    play_se(g, "coin.wav"); // last_se is emptied by the tick
    EXPECT_EQ(f.platform.sounds.size(), 3u);
    Timer1Timer(g);
    play_se(g, "1.wav");
    EXPECT_EQ(f.platform.sounds.size(), 4u);
    play_se(g, "");
    g.my.se_off = 1;
    Timer1Timer(g);
    play_se(g, "jump.wav");
    EXPECT_EQ(f.platform.sounds.size(), 4u);
}

} // namespace
} // namespace tsu
