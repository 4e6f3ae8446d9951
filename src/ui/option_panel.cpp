// The option panel: its controls, opening and closing, and the panels it
// leads to.
#include "ui/option_panel.h"

#include "data/save_file.h"
#include "game/assets.h"
#include "game/game.h"
#include "render/image_io.h"
#include "ui/extra_panel.h"
#include "ui/panels.h"
#include "ui/profile_panel.h"
#include "ui/ranking_screen.h"
#include "widgets/look.h"

namespace tsu {

namespace {

// One switch: its caption and its two latching buttons, the first of which
// is down while the flag is true.
void add_switch(Panel& box, int x, int y, const char* caption, const char* on_name,
                const char* on_caption, const char* off_name, const char* off_caption, int group,
                bool* flag, int button_w) {
    box.add<Label>(std::string("label_") + on_name, Rect{x, y + 3, x + 84, y + 21}, caption,
                   caption_style());
    auto& on = box.add<LatchButton>(on_name, Rect{x + 86, y, x + 86 + button_w, y + 22}, on_caption,
                                    group, caption_style());
    auto& off = box.add<LatchButton>(off_name, Rect{x + 90 + button_w, y, x + 90 + 2 * button_w, y + 22},
                                     off_caption, group, caption_style());
    on.follow(flag, true);
    off.follow(flag, false);
}

} // namespace

void build_option_panel(Game& g) {
    Panel& p = g.controls.add_root(std::make_unique<Panel>("option_box", Rect{0, 0, 513, 385}));
    p.follow_visible(&g.panels.option_box);
    p.add<Label>("Label1", Rect{10, 5, 300, 27}, "OPTION MODE", title_style());

    Panels& f = g.panels;
    add_switch(p, 12, 34, "音楽", "option_b1", "ON", "option_b2", "OFF", 5, &f.option_b1, 56);
    add_switch(p, 12, 62, "ＳＥ", "se_b1", "ON", "se_b2", "OFF", 6, &f.se_b1, 56);
    add_switch(p, 262, 34, "難易度", "nomal_b1", "NOMAL", "nomal_b2", "EASY", 27, &f.nomal_b1, 72);
    add_switch(p, 262, 62, "文字EFFECT", "ef_b1", "ON", "ef_b2", "OFF", 28, &f.ef_b1, 72);
    // NOMAL and text effects ON share the handler that hides the EASY note.
    for (const char* name : {"nomal_b1", "ef_b1"}) control(g, name).on_click = [&g] { nomal_b1Click(g); };
    auto& easy = p.add<Label>("easy_l", Rect{262, 92, 505, 110}, "上手になったらNOMALにしてね♪",
                              TextStyle{9, true, rgb(0xFFB0D8), TextAlign::left});
    easy.follow_visible(&f.easy_l);

    auto& help = p.add<PictureBox>("help_cg", Rect{6, 120, 507, 321});
    help.source = &g.help_cg;

    const TextStyle button = caption_style();
    auto& ir = p.add<LabelButton>("ir_b", Rect{8, 328, 118, 352}, "IR表示(I)", button);
    ir.on_click = [&g] { ir_bClick(g); };
    auto& profile = p.add<LabelButton>("Label31", Rect{124, 328, 244, 352}, "ﾌﾟﾛﾌｨｰﾙ設定", button);
    profile.on_click = [&g] { Label31Click(g); };
    auto& extra = p.add<LabelButton>("Label18", Rect{250, 328, 394, 352}, "EXTRA STAGE(E)", button);
    extra.on_click = [&g] { open_extra_panel(g); };
    p.add<Label>("ir_mes_l", Rect{10, 360, 394, 380}, "........", caption_style(9));
    auto& back = p.add<LabelButton>("Label4", Rect{400, 354, 504, 378}, "BAK(ESC)", button);
    back.on_click = [&g] { close_options(g); };

    build_profile_panel(g, p);
}

void open_options(Game& g) {
    write_save(g);
    play_se(g, "2.wav");
    Panels& p = g.panels;
    p.option_box = true;
    fill_profile(g);
    p.option_b1 = g.my.music_off == 0;
    p.se_b1 = g.my.se_off == 0;
    p.nomal_b1 = g.my.easy == 0;
    p.easy_l = g.my.easy == 1;
    p.ef_b1 = g.my.effect_off == 0;
}

void nomal_b1Click(Game& g) { g.panels.easy_l = false; }

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
    Timer3Timer(g);
}

void close_extra_panel(Game& g) {
    write_save(g);
    play_se(g, "2.wav");
    g.panels.ex_box = false;
    g.panels.option_box = true;
}

} // namespace tsu
