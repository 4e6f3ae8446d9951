// The window's key handlers. In play they only set the flags the next tick
// reads; on the title and the panels they act at once.
#include "data/save_file.h"
#include "editor/editor.h"
#include "game/assets.h"
#include "game/events.h"
#include "game/game.h"
#include "game/modes.h"
#include "game/stage_end.h"
#include "render/effect_spawn.h"
#include "ui/music.h"
#include "ui/option_panel.h"
#include "ui/ranking_screen.h"

namespace tsu {

namespace {

// The registered name that unlocks the developer keys.
constexpr const char* kAccessWord = "ほたる";

bool developer(const Game& g) { return g.my.name == kAccessWord; }

// A one-shot request: set only when its latch is free, in play, not paused.
void request(Game& g, int32_t& flag, int32_t& held) {
    if (flag == 0 && held == 0 && g.mode == 1 && !g.paused) {
        flag = 1;
        held = 1;
    }
}

void escape(Game& g) {
    Panels& p = g.panels;
    if (p.option_box && !p.tusin_box) {
        close_options(g);
    } else if (p.ex_box) {
        close_extra_panel(g);
    } else if (p.ir_rank_box) {
        Label13Click(g);
    } else if (g.mode == 1) {
        g.paused = !g.paused;
        Bitmap& cg = g.cg;
        cg.font.style = FontStyle{15, true, false};
        cg.font.colour = kWhite;
        cg.brush_style = BrushStyle::clear;
        cg.text_out(30, 10, "-PAUSE-");
        cg.brush_style = BrushStyle::solid;
    } else if (g.mode == 0 && !p.option_box && !p.ir_rank_box) {
        play_se(g, "1.wav");
        if (g.platform->ask_yes_no("初期化したいときは、はいを押してね")) {
            play_se(g, "2.wav");
            reset_save(g);
        }
    }
}

void next_heroine(Game& g) {
    if (g.chara == 0) {
        g.chara = 1;
        play_se(g, "1.wav");
        show_picture(g, "2.jpg");
    } else if (g.chara == 1) {
        g.chara = 2;
        play_se(g, "1.wav");
        show_picture(g, "3.jpg");
    } else {
        g.chara = 0;
        play_se(g, "2.wav");
        show_picture(g, "1.jpg");
    }
}

} // namespace

void FormKeyDown(Game& g, int key) {
    if (key == vk::shift) g.shift_held = true;
    if (key == vk::control) g.ctrl_held = true;
    // The editor's Ctrl keys come first, even while the stage number field
    // has the focus.
    if (editor_key(g, key)) return;
    // A focused panel field takes the keys (typing a name must not open the
    // extra stages); Tab moves the focus through an open panel.
    if (g.controls.key_down(key, g.shift_held)) return;
    const Panels& p = g.panels;
    switch (key) {
    case vk::enter:
        if (g.mode != 1 && p.none_open()) cgMouseDown(g, MouseButton::left, g.mouse_x, g.mouse_y);
        break;
    case vk::shift:
    case vk::up: g.key_up = 1; break;
    case vk::esc: escape(g); break;
    case vk::left:
        if (p.ir_rank_box)
            ranking_set_switch(g, true);
        else
            g.key_left = 1;
        break;
    case vk::right:
        if (p.ir_rank_box)
            ranking_set_switch(g, false);
        else
            g.key_right = 1;
        break;
    case vk::down:
        if (p.ir_rank_box)
            ranking_page_switch(g);
        else
            g.key_down = 1;
        break;
    case 'A': request(g, g.key_a, g.key_a_held); break;
    case 'B':
        if (developer(g)) {
            g.my.blue_fire = 400;
            play_se(g, "fire2.wav");
            spawn_effect(g, g.my.x * kCell + 10, g.my.y * kCell, 118, "");
        }
        break;
    case 'C': request(g, g.key_c, g.key_c_held); break;
    case 'E':
        if (p.option_box && !p.tusin_box) open_extra_panel(g);
        break;
    case 'I':
        if (p.option_box && !p.tusin_box) ir_bClick(g);
        break;
    case 'M':
        if (g.mode == 0 && p.none_open())
            cgMouseDown(g, MouseButton::right, g.mouse_x, g.mouse_y);
        else if (g.test_play && (g.mode == 1 || (g.mode == 3 && g.wipe == 0)))
            back_to_editor(g); // as the test play's banner says
        break;
    case 'O':
        if (g.mode == 1) play_random_music(g);
        break;
    case 'Q':
        // The editor shares play's mode but has no run to give up.
        if (g.mode == 1 && !g.editor) {
            g.my.lives = 0;
            g.paused = false;
            game_over(g);
        }
        break;
    case 'R':
        if (g.mode == 0 && p.none_open()) next_heroine(g);
        break;
    case 'S':
        // Only in play: on the result screens the barrage's comments would be
        // thrown away with the next stage, and the editor has no run.
        if (g.mode == 1 && !g.editor && g.my.danmaku_stock >= 1) g.steps.s_technique(g);
        break;
    case 'X': request(g, g.key_x, g.key_x_held); break;
    case 'Z': request(g, g.key_z, g.key_z_held); break;
    case vk::f1:
        if (developer(g)) open_editor(g);
        break;
    case vk::yen:
        if (developer(g)) developer_start(g);
        break;
    default: break;
    }
}

void FormKeyUp(Game& g, int key) {
    if (key == vk::shift) g.shift_held = false;
    if (key == vk::control) g.ctrl_held = false;
    switch (key) {
    case vk::down: g.key_down = 0; break;
    case vk::shift:
    case vk::up: g.key_up = 0; break;
    case vk::left: g.key_left = 0; break;
    case vk::right: g.key_right = 0; break;
    case 'A': g.key_a_held = 0; break;
    case 'C': g.key_c_held = 0; break;
    case 'X': g.key_x_held = 0; break;
    case 'Z': g.key_z_held = 0; break;
    default: break;
    }
}

} // namespace tsu
