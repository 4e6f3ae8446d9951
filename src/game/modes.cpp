// Transitions between the screen modes and the view's mouse handler.
#include "game/modes.h"

#include "data/save_file.h"
#include "data/stage_file.h"
#include "editor/editor.h"
#include "game/assets.h"
#include "game/events.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/stage_end.h"
#include "ui/music.h"
#include "ui/option_panel.h"

#include <algorithm>

namespace tsu {

void show_title_picture(Game& g) {
    if (g.chara == 1)
        show_picture(g, "2.jpg");
    else if (g.chara == 2)
        show_picture(g, "3.jpg");
    else
        show_picture(g, g.rnd(2) == 0 ? "0.jpg" : "1.jpg");
}

void reset_run_stock(tmy& my) {
    my.lives = 3;
    my.all_clear = 0;
    my.gold = 0;
    my.muteki_stock = 1;
    my.bunshin_stock = 1;
    my.danmaku_stock = 0;
    my.stages_played = 0;
}

void begin_run(Game& g) {
    play_se(g, "1.wav");
    g.mode = 1;
    tmy& my = g.my;
    my.stage_no = 0;
    reset_run_stock(my);
    my.stage_cleared.fill(0);
    g.gold_milestone.fill(0);
}

void start_run(Game& g) {
    begin_run(g);
    g.stage_set = 0;
    reset_stage(g);
    tmy& my = g.my;
    // A stage that cannot be read was reported; the run does not go on.
    if (!load_stage(g, 0)) return;
    play_random_music(g);
    my.play_count += 1;
    write_save(g); // the new play count
}

void next_stage(Game& g) {
    clear_objects(g);
    tmy& my = g.my;
    my.stages_played += 1;
    play_se(g, "1.wav");
    if (my.stage_no >= 0 && my.stage_no < 10) my.stage_cleared[std::size_t(my.stage_no)] = 1;
    g.mode = 1;
    if (my.stage_no >= 7) {
        my.stage_no += 1;
        my.all_clear = 1;
        g.mode = 2;
        stage_end_picture(g);
        return;
    }
    my.stage_no += 1;
    reset_stage(g);
    if (!load_stage(g, my.stage_no)) return;
    play_random_music(g);
}

namespace {
void enter_editor(Game& g) {
    g.mode = 1;
    g.test_play = false; // the test play, if one ran, is over
    g.wipe = 0;
    g.mouse_held = 0;
    reset_stage(g);
    g.sel_lower = g.sel_upper = g.sel_teki = -1;
    g.client_height = 480;
    g.client_width = 660;
    g.platform->set_client_size(g.client_width, g.client_height);
    g.editor = true;
}
} // namespace

void back_to_editor(Game& g) {
    play_se(g, "1.wav");
    g.paused = false;
    enter_editor(g);
}

void open_editor(Game& g) {
    g.paused = false;
    stop_music(g);
    play_se(g, "1.wav");
    const bool was_open = g.editor;
    enter_editor(g);
    if (!was_open) editor_opened(g);
}

void return_to_title(Game& g) {
    play_se(g, "2.wav");
    clear_objects(g);
    g.mode = 0;
    // A test play given up with Q ends here: the next run loses lives again.
    g.test_play = false;
    show_title_picture(g);
    if (g.stage_set >= 1) g.panels.ex_box = true;
}

void developer_start(Game& g) {
    clear_objects(g);
    g.stage_set = g.rnd(7);
    load_stage(g, g.rnd(8));
    g.scroll = g.rnd(60);
    tmy& my = g.my;
    my.lives = 3;
    my.muteki_stock = 2;
    my.bunshin_stock = 2;
    my.danmaku_stock = 2;
    my.red_fire = my.blue_fire = my.kunai = my.fly = my.kantsu = my.blade = 0;
    switch (g.rnd(7)) {
    case 0: my.love = 150; break;
    case 1: my.red_fire = 100; break;
    case 2: my.blue_fire = 100; break;
    case 3: my.kunai = 100; break;
    case 4: my.fly = 100; break;
    case 5: my.kantsu = 100; break;
    default: my.blade = 150; break;
    }
    play_random_music(g);
    g.chara = g.rnd(3);
}

void cgMouseMove(Game& g, int x, int y) {
    if (g.paused) return;
    const int from_x = g.mouse_x, from_y = g.mouse_y;
    g.mouse_x = std::clamp(x, 0, kViewWidth);
    g.mouse_y = std::clamp(y, 0, kViewHeight);
    // Every cell between the last position and this one, however fast the drag.
    if (g.editor && g.mouse_held != 0) editor_drag(g, from_x, from_y, g.mouse_x, g.mouse_y);
}

void cgMouseUp(Game& g, MouseButton button, int, int) {
    // A release always ends the drag, paused or not: painting must not go on
    // without the button once the pause ends.
    if (button != MouseButton::left) return;
    g.mouse_held = 0;
    if (g.editor) editor_release(g);
}

void cgMouseDown(Game& g, MouseButton button, int x, int y) {
    if (g.paused) return;
    // An open panel lies over the view and takes the click itself.
    if (!g.panels.none_open()) return;
    g.mouse_x = std::clamp(x, 0, kViewWidth);
    g.mouse_y = std::clamp(y, 0, kViewHeight);
    if (g.mode == 0 && button == MouseButton::left) {
        start_run(g);
        return;
    }
    if (g.mode == 0 && button == MouseButton::right) {
        open_options(g);
        return;
    }
    if (g.mode == 2 && g.wipe == 0) {
        return_to_title(g);
        return;
    }
    if (g.mode == 3 && g.wipe == 0) {
        if (g.test_play)
            back_to_editor(g);
        else
            next_stage(g);
        return;
    }
    if (g.editor && button == MouseButton::left) {
        g.mouse_held = 1;
        editor_paint(g, g.mouse_x, g.mouse_y);
        return;
    }
    if (g.mode == 1 && !g.editor) {
        tmy& my = g.my;
        if (button == MouseButton::left) {
            my.target_x = x / kCell;
            if (my.fly >= 1) my.target_y = y / kCell;
        } else if (is_solid(g, my.x, my.y + 1) || block_at(g, my.x, my.y + 1) != 0) {
            play_se(g, "jump.wav");
            my.jump = 5;
        }
    }
}

} // namespace tsu
