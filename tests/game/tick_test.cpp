// The main tick: step order, wipe bars, scroll, counters.
#include "game/events.h"
#include "game/tick.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tsu {
namespace {

using testing::GameFixture;

std::vector<std::string>* g_log = nullptr;

#define TSU_RECORDER(step)                                                                         \
    void rec_##step(Game&) { g_log->push_back(#step); }
TSU_RECORDER(background_weather)
TSU_RECORDER(map_drawing)
TSU_RECORDER(item_step)
TSU_RECORDER(enemy_step)
TSU_RECORDER(collision_pass)
TSU_RECORDER(player_step)
TSU_RECORDER(ring_step)
TSU_RECORDER(draw_effects)
TSU_RECORDER(key_z_action)
TSU_RECORDER(key_x_action)
TSU_RECORDER(key_c_action)
TSU_RECORDER(key_a_action)
TSU_RECORDER(gauge_decay)
TSU_RECORDER(clear_screen_step)
TSU_RECORDER(run_result_step)
TSU_RECORDER(editor_info)
#undef TSU_RECORDER

// Records the tick's steps; also checks that the light layer is merged after
// the effects and before the status display by looking at a bak pixel.
void rec_effects_marking_bak(Game& g) {
    g_log->push_back("draw_effects");
    g.bak.set_pixel(100, 100, rgb(0xFF0000));
}
void rec_status_checking_merge(Game& g) {
    g_log->push_back(g.cg.pixel(100, 100) == rgb(0xFF0000) ? "status_display(merged)"
                                                            : "status_display(not merged)");
}

struct TickOrder : ::testing::Test, GameFixture {
    std::vector<std::string> log;
    TickOrder() {
        g_log = &log;
        TickSteps& s = g().steps;
        s.background_weather = rec_background_weather;
        s.map_drawing = rec_map_drawing;
        s.item_step = rec_item_step;
        s.enemy_step = rec_enemy_step;
        s.collision_pass = rec_collision_pass;
        s.player_step = rec_player_step;
        s.ring_step = rec_ring_step;
        s.draw_effects = rec_effects_marking_bak;
        s.status_display = rec_status_checking_merge;
        s.key_z_action = rec_key_z_action;
        s.key_x_action = rec_key_x_action;
        s.key_c_action = rec_key_c_action;
        s.key_a_action = rec_key_a_action;
        s.gauge_decay = rec_gauge_decay;
        s.clear_screen_step = rec_clear_screen_step;
        s.run_result_step = rec_run_result_step;
        s.editor_info = rec_editor_info;
    }
    ~TickOrder() override { g_log = nullptr; }
};

TEST_F(TickOrder, PlayTickRunsEveryStepInOrder) {
    g().mode = 1;
    g().key_z = g().key_x = g().key_c = g().key_a = 1;
    Timer1Timer(g());
    const std::vector<std::string> expected = {
        "background_weather", "map_drawing",  "item_step",   "enemy_step",
        "collision_pass",     "player_step",  "collision_pass", "ring_step",
        "draw_effects",       "status_display(merged)", "key_z_action", "key_x_action",
        "key_c_action",       "key_a_action", "gauge_decay"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(g().key_z + g().key_x + g().key_c + g().key_a, 0);
    // The light layer is black again at the start of the next tick.
    log.clear();
    g().steps.draw_effects = rec_draw_effects;
    Timer1Timer(g());
    EXPECT_EQ(g().bak.pixel(100, 100), kBlack);
}

TEST_F(TickOrder, KeyActionsRunOnlyWhenRequested) {
    g().mode = 1;
    g().key_x = 1;
    Timer1Timer(g());
    EXPECT_EQ(std::count(log.begin(), log.end(), "key_x_action"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "key_z_action"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "key_c_action"), 0);
}

TEST_F(TickOrder, TitleSkipsStatusAndScreensStopEarly) {
    g().mode = 0;
    Timer1Timer(g());
    EXPECT_EQ(std::count(log.begin(), log.end(), "status_display(merged)"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "player_step"), 1);

    log.clear();
    g().mode = 3;
    Timer1Timer(g());
    EXPECT_EQ(log, std::vector<std::string>{"clear_screen_step"});

    log.clear();
    g().mode = 2;
    Timer1Timer(g());
    EXPECT_EQ(log, std::vector<std::string>{"run_result_step"});
}

TEST_F(TickOrder, EditorRunsItsInfoTextLast) {
    g().mode = 1;
    g().editor = true;
    Timer1Timer(g());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "editor_info");
}

TEST_F(TickOrder, PausedTickDoesNothingButTheSoundTimer) {
    g().mode = 1;
    g().paused = true;
    g().frame_count = 41;
    g().scroll_tick = 11;
    g().last_se = "coin.wav";
    g().last_se_timer = 1;
    Timer1Timer(g());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(g().frame_count, 41);
    EXPECT_EQ(g().scroll_tick, 11);
    EXPECT_EQ(g().scroll, 0);
    EXPECT_EQ(g().last_se, "");
}

TEST_F(TickOrder, WipeTicksDrawOnlyTheWipe) {
    g().mode = 3;
    g().wipe = 10;
    g().wipe_size = 200;
    for (int i = 0; i < 10; ++i) Timer1Timer(g());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(g().wipe, 0);
    Timer1Timer(g());
    EXPECT_EQ(log, std::vector<std::string>{"clear_screen_step"});
}

void no_step(Game&) {}

// A game whose tick runs only its own work (counters, scroll, wipe, timers).
struct QuietGame : GameFixture {
    QuietGame() {
        TickSteps& t = g().steps;
        for (Step* step : {&t.background_weather, &t.map_drawing, &t.item_step, &t.enemy_step,
                           &t.collision_pass, &t.player_step, &t.ring_step, &t.draw_effects,
                           &t.status_display, &t.key_z_action, &t.key_x_action, &t.key_c_action,
                           &t.key_a_action, &t.gauge_decay, &t.clear_screen_step,
                           &t.run_result_step, &t.editor_info})
            *step = no_step;
    }
};

TEST(Tick, WipeBarSizes) {
    GameFixture f;
    Game& g = f.g();
    g.cg_img[39].resize(kViewWidth, kViewHeight, rgb(0x204060));
    g.haikei.resize(kViewWidth, kViewHeight, rgb(0x806040));
    g.wipe = 10;
    g.wipe_size = 200;
    const int closing[] = {200, 223, 247, 273, 301};
    for (int bars : closing) {
        g.wipe -= 1;
        draw_wipe_frame(g);
        // Black from the left edge to the bar size, the snapshot after it.
        EXPECT_EQ(g.cg.pixel(bars - 1, 200), kBlack) << bars;
        EXPECT_EQ(g.cg.pixel(kViewWidth - bars, 200), kBlack) << bars;
        if (bars < 256) {
            EXPECT_EQ(g.cg.pixel(bars, 200), rgb(0x204060)) << bars;
        }
    }
    EXPECT_EQ(g.wipe_size, 100);
    const int opening[] = {116, 135, 157, 183};
    for (int half : opening) {
        g.wipe -= 1;
        draw_wipe_frame(g);
        EXPECT_EQ(g.wipe_size, half);
        EXPECT_EQ(g.cg.pixel(10, 192 - half - 1), kBlack) << half;
        EXPECT_EQ(g.cg.pixel(10, 192 - half), rgb(0x806040)) << half;
        EXPECT_EQ(g.cg.pixel(10, 192 + half - 1), rgb(0x806040)) << half;
        EXPECT_EQ(g.cg.pixel(10, 192 + half), kBlack) << half;
    }
    // The tenth tick shows the whole picture.
    EXPECT_EQ(g.wipe, 1);
    g.wipe -= 1;
    draw_wipe_frame(g);
    EXPECT_EQ(g.cg.pixel(10, 0), rgb(0x806040));
    EXPECT_EQ(g.cg.pixel(511, 383), rgb(0x806040));
}

TEST(Tick, FrameCountWrapsAfter99999999) {
    QuietGame f;
    f.g().frame_count = 99999998;
    Timer1Timer(f.g());
    EXPECT_EQ(f.g().frame_count, 99999999);
    Timer1Timer(f.g());
    EXPECT_EQ(f.g().frame_count, 0);
}

TEST(Tick, ScrollMovesViewColumnObjectsEvery12Ticks) {
    QuietGame f;
    Game& g = f.g();
    g.mode = 1;
    g.my.x = 5;
    g.my.target_x = 6;
    g.block[100].alive = 3;
    g.block[100].x = 8;
    g.shot[30].alive = 1;
    g.shot[30].x = 9;
    g.shot[31].alive = 1; // beyond the shot rows the scroll moves
    g.shot[31].x = 9;
    g.teki_shot[100].alive = 1;
    g.teki_shot[100].x = 10;
    g.teki[1].alive = 1;
    g.teki[1].x = 40;
    g.item[1].alive = 1;
    g.item[1].x = 41;
    for (int i = 0; i < 11; ++i) Timer1Timer(g);
    EXPECT_EQ(g.scroll, 0);
    EXPECT_EQ(g.scroll_tick, 11);
    Timer1Timer(g);
    EXPECT_EQ(g.scroll, 1);
    EXPECT_EQ(g.scroll_tick, 0);
    EXPECT_EQ(g.my.x, 4);
    EXPECT_EQ(g.my.target_x, 5);
    EXPECT_EQ(g.block[100].x, 7);
    EXPECT_EQ(g.shot[30].x, 8);
    EXPECT_EQ(g.shot[31].x, 9);
    EXPECT_EQ(g.teki_shot[100].x, 9);
    EXPECT_EQ(g.teki[1].x, 40);
    EXPECT_EQ(g.item[1].x, 41);
}

TEST(Tick, ScrollStopsAt74AndNotInTheEditor) {
    QuietGame f;
    Game& g = f.g();
    g.mode = 1;
    g.scroll = 74;
    g.my.x = 10;
    for (int i = 0; i < 24; ++i) Timer1Timer(g);
    EXPECT_EQ(g.scroll, 74);
    EXPECT_EQ(g.my.x, 10);
    EXPECT_EQ(g.scroll_tick, 0);
    Timer1Timer(g);
    EXPECT_EQ(g.scroll_tick, 1);

    g.scroll = 0;
    g.scroll_tick = 0;
    g.editor = true;
    for (int i = 0; i < 30; ++i) Timer1Timer(g);
    EXPECT_EQ(g.scroll_tick, 0);
    EXPECT_EQ(g.scroll, 0);
}

TEST(Tick, PowerUpTimersRunDownToZero) {
    QuietGame f;
    Game& g = f.g();
    g.mode = 1;
    g.my.red_fire = 2;
    g.my.blade = 1;
    g.my.fly = 0;
    g.my.love = 5; // counted by the love note itself, not here
    Timer1Timer(g);
    EXPECT_EQ(g.my.red_fire, 1);
    EXPECT_EQ(g.my.blade, 0);
    EXPECT_EQ(g.my.fly, 0);
    EXPECT_EQ(g.my.love, 5);
    Timer1Timer(g);
    Timer1Timer(g);
    EXPECT_EQ(g.my.red_fire, 0);
}

TEST(Tick, PlayRecordTextAndPlace) {
    GameFixture f;
    Game& g = f.g();
    g.my.play_count = 12;
    g.my.hi_score = 3450;
    EXPECT_EQ(play_record_text(g), "PLAY 12回 HI-SCORE 3450両");
}

} // namespace
} // namespace tsu
