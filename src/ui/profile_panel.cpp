// The profile box: its controls, filling them, and the name registration.
#include "ui/profile_panel.h"

#include "game/assets.h"
#include "game/game.h"
#include "ui/panels.h"
#include "widgets/look.h"

namespace tsu {

void build_profile_panel(Game& g, Panel& option_box) {
    Panel& p = option_box.add<Panel>("tusin_box", Rect{4, 32, 509, 381});
    p.follow_visible(&g.panels.tusin_box);
    p.face = rgb(0x121a34);
    const TextStyle note = caption_style(9);
    p.add<Label>("Label33", Rect{12, 10, 495, 24}, "ハイスコアをネットランキング送信します。", note);
    p.add<Label>("Label34", Rect{12, 26, 495, 40}, "送信にはlibcurlを使用します。", note);
    p.add<Label>("Label35", Rect{12, 42, 495, 56}, "環境によってはできない場合があります", note);

    const TextStyle caption = caption_style();
    const TextStyle field = TextStyle{10, false, kBlack, TextAlign::left};
    auto& hint = p.add<Label>("touroku_l", Rect{12, 76, 214, 92}, "名前を入力し、決定して下さい→",
                              TextStyle{9, true, rgb(0xFFD873), TextAlign::left});
    hint.follow_visible(&g.panels.touroku_l);
    auto& name = p.add<EditField>("ir_name", Rect{218, 72, 360, 94}, 10, field);
    name.set_value("なまえ");
    auto& enter = p.add<LabelButton>("ir_name_b", Rect{366, 72, 456, 94}, "名前決定", caption);
    enter.follow_visible(&g.panels.ir_name_b);
    enter.on_click = [&g] { ir_name_bClick(g); };
    auto& hint2 = p.add<Label>("touroku_l2", Rect{218, 100, 495, 114}, "名前は一度決定すると変更できません",
                               TextStyle{9, true, rgb(0xFF9090), TextAlign::left});
    hint2.follow_visible(&g.panels.touroku_l);

    p.add<Label>("Label36", Rect{12, 130, 200, 146}, "一言コメント", caption);
    p.add<EditField>("ir_mes", Rect{12, 148, 493, 170}, 80, field);
    p.add<Label>("Label37", Rect{12, 190, 60, 206}, "年齢", caption);
    p.add<SpinEdit>("ir_age", Rect{62, 186, 124, 208}, 0, 99, field);
    p.add<Label>("Label38", Rect{160, 190, 270, 206}, "大雑把な地域", caption);
    auto& place = p.add<EditField>("ir_place", Rect{272, 186, 412, 208}, 10, field);
    place.set_value("東京都");

    auto& back = p.add<LabelButton>("close_b", Rect{401, 314, 495, 338}, "Back", caption);
    back.on_click = [&g] { Label32Click(g); };
}

void fill_profile(Game& g) {
    EditField& name = edit_field(g, "ir_name");
    if (g.my.name.empty()) {
        g.panels.ir_name_b = true;
        name.enabled = true;
    } else {
        g.panels.touroku_l = false;
        name.set_value(g.my.name);
        g.panels.ir_name_b = false;
        name.enabled = false;
    }
    edit_field(g, "ir_mes").set_value(g.comment);
    spin_edit(g, "ir_age").set_number(g.my.age);
    edit_field(g, "ir_place").set_value(g.my.place);
}

void Label31Click(Game& g) {
    play_se(g, "key2.wav");
    g.panels.tusin_box = true;
}

void Label32Click(Game& g) {
    play_se(g, "key2.wav");
    g.panels.tusin_box = false;
}

void ir_name_bClick(Game& g) {
    play_se(g, "3.wav");
    EditField& name = edit_field(g, "ir_name");
    if (name.value().empty()) {
        g.platform->message_box("名前を入力してください");
        play_se(g, "4.wav");
        return;
    }
    if (!g.platform->ask_yes_no("名前は一度決定すると変更できません。よろしいですか")) return;
    play_se(g, "4.wav");
    g.my.name = name.value();
    name.enabled = false;
    g.panels.ir_name_b = false;
    g.my.ir_id = g.rnd(10000);
}

} // namespace tsu
