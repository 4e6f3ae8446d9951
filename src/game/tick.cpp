// The main tick: every 80 ms it advances the screen modes, runs the
// simulation and drawing steps in their fixed order and plays the wipe.
#include "game/tick.h"

#include "game/events.h"
#include "game/game.h"

namespace tsu {

namespace {

void black_rect(Bitmap& b, int l, int t, int r, int bottom) {
    b.brush_colour = kBlack;
    b.brush_style = BrushStyle::solid;
    b.fill_rect(Rect{l, t, r, bottom});
}

// One column every 12 ticks; objects kept in view columns move with the view.
void scroll_step(Game& g) {
    g.scroll_tick += 1;
    if (g.scroll_tick < 12) return;
    g.scroll_tick = 0;
    if (g.scroll >= kScrollMax) return;
    g.scroll += 1;
    g.my.x -= 1;
    g.my.target_x -= 1;
    for (int i = 1; i <= 100; ++i)
        if (g.block[std::size_t(i)].alive >= 1) g.block[std::size_t(i)].x -= 1;
    for (int i = 1; i <= 30; ++i)
        if (g.shot[std::size_t(i)].alive >= 1) g.shot[std::size_t(i)].x -= 1;
    for (int i = 1; i <= 100; ++i)
        if (g.teki_shot[std::size_t(i)].alive >= 1) g.teki_shot[std::size_t(i)].x -= 1;
}

void power_up_timers(Game& g) {
    for (int32_t* t : {&g.my.red_fire, &g.my.blade, &g.my.kunai, &g.my.kantsu, &g.my.blue_fire,
                       &g.my.fly})
        if (*t >= 1) *t -= 1;
}

} // namespace

void draw_wipe_frame(Game& g) {
    Bitmap& cg = g.cg;
    black_rect(cg, 0, 0, kViewWidth, kViewHeight);
    if (g.wipe >= 5 && g.wipe <= 9) {
        const Bitmap& snap = g.cg_img[39];
        cg.copy_rect(Rect{0, 0, kViewWidth, kViewHeight}, snap, Rect{0, 0, kViewWidth, kViewHeight},
                     CopyMode::src_paint);
        black_rect(cg, 0, 0, g.wipe_size, kViewHeight);
        black_rect(cg, kViewWidth - g.wipe_size, 0, kViewWidth, kViewHeight);
        g.wipe_size += g.wipe_size / 15 + 10;
        if (g.wipe == 5) g.wipe_size = 100;
    } else if (g.wipe >= 1 && g.wipe <= 4) {
        g.wipe_size += g.wipe_size / 6;
        cg.draw(0, 0, g.haikei);
        black_rect(cg, 0, 0, kViewWidth, 192 - g.wipe_size);
        black_rect(cg, 0, 192 + g.wipe_size, kViewWidth, kViewHeight);
    } else if (g.wipe == 0) {
        cg.draw(0, 0, g.haikei);
    }
}

std::string play_record_text(const Game& g) {
    return "PLAY " + std::to_string(g.my.play_count) + "回 HI-SCORE " +
           std::to_string(g.my.hi_score) + "両";
}

void draw_play_record_line(Game& g) {
    Bitmap& cg = g.cg;
    const std::string text = play_record_text(g);
    cg.font.style = FontStyle{8, true, false};
    cg.brush_style = BrushStyle::clear;
    const int w = cg.text_width(text);
    if (g.chara == 1) {
        cg.font.colour = rgb(0xEEAA00);
        cg.text_out(2, 2, text);
    } else if (g.chara == 2) {
        cg.font.colour = rgb(0xEE00AA);
        cg.text_out(kViewWidth - w - 7, 70, text);
    } else {
        cg.font.colour = rgb(0x00AAEE);
        cg.text_out(kViewWidth - w, 7, text);
    }
    cg.brush_style = BrushStyle::solid;
}

void Timer1Timer(Game& g) {
    const TickSteps& s = g.steps;
    // The panels' own timers beat with the main tick, paused or not.
    if (s.panel_timers != nullptr) s.panel_timers(g);
    if (g.last_se_timer >= 1) {
        g.last_se_timer -= 1;
        if (g.last_se_timer == 0) g.last_se.clear();
    }
    if (g.paused) return;
    g.frame_count += 1;
    if (g.frame_count > kFrameCountMax) g.frame_count = 0;
    if (!g.editor && g.mode == 1) scroll_step(g);
    if (g.wipe >= 1) {
        g.wipe -= 1;
        draw_wipe_frame(g);
        return;
    }
    g.bak.brush_colour = kBlack;
    g.bak.pen_colour = kBlack;
    g.bak.fill_rect(Rect{0, 0, kViewWidth, kViewHeight});
    if (g.mode == 3) s.clear_screen_step(g);
    if (g.mode == 2) s.run_result_step(g);
    if (g.mode == 0) draw_play_record_line(g);
    if (g.mode >= 2) return;
    s.background_weather(g);
    s.map_drawing(g);
    s.item_step(g);
    s.enemy_step(g);
    s.collision_pass(g);
    s.player_step(g);
    s.collision_pass(g);
    s.ring_step(g);
    s.draw_effects(g);
    g.cg.copy_rect(Rect{0, 0, kViewWidth, kViewHeight}, g.bak, Rect{0, 0, kViewWidth, kViewHeight},
                   CopyMode::src_paint);
    if (g.mode == 1) s.status_display(g);
    if (g.key_z != 0) {
        g.key_z = 0;
        s.key_z_action(g);
    }
    if (g.key_x != 0) {
        g.key_x = 0;
        s.key_x_action(g);
    }
    if (g.key_c != 0) {
        g.key_c = 0;
        s.key_c_action(g);
    }
    if (g.key_a != 0) {
        g.key_a = 0;
        s.key_a_action(g);
    }
    s.gauge_decay(g);
    power_up_timers(g);
    if (g.editor) s.editor_info(g);
}

} // namespace tsu
