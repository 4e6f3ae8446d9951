// Opening and closing the option panel and the panels it leads to.
#include "ui/option_panel.h"

#include "data/save_file.h"
#include "game/assets.h"
#include "game/game.h"
#include "render/image_io.h"

namespace tsu {

void open_options(Game& g) {
    write_save(g);
    play_se(g, "2.wav");
    Panels& p = g.panels;
    p.option_box = true;
    p.option_b1 = g.my.music_off == 0;
    p.se_b1 = g.my.se_off == 0;
    p.nomal_b1 = g.my.easy == 0;
    p.easy_l = g.my.easy == 1;
    p.ef_b1 = g.my.effect_off == 0;
}

void apply_option_switches(Game& g) {
    const Panels& p = g.panels;
    g.my.music_off = p.option_b1 ? 0 : 1;
    g.my.se_off = p.se_b1 ? 0 : 1;
    g.my.easy = p.nomal_b1 ? 0 : 1;
    g.my.effect_off = p.ef_b1 ? 0 : 1;
}

void close_options(Game& g) {
    // The sound setting in force until now decides whether this one sounds.
    play_se(g, "1.wav");
    g.panels.option_box = false;
    apply_option_switches(g);
}

void open_extra_panel(Game& g) {
    apply_option_switches(g);
    play_se(g, "1.wav");
    g.panels.option_box = false;
    g.panels.ex_box = true;
    // A missing picture leaves the panel's picture as it was.
    Bitmap pic;
    if (load_picture(g.path("cg", "user0.jpg"), pic)) g.user_cg = std::move(pic);
}

void close_extra_panel(Game& g) {
    write_save(g);
    play_se(g, "2.wav");
    g.panels.ex_box = false;
    g.panels.option_box = true;
}

void open_ranking_panel(Game& g) {
    play_se(g, "exp.wav");
    g.panels.option_box = false;
    g.panels.ir_rank_box = true;
}

void close_ranking_panel(Game& g) {
    play_se(g, "2.wav");
    g.panels.ir_rank_box = false;
    g.panels.option_box = true;
}

} // namespace tsu
