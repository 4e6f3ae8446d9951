// The extra stage packs: a run on a pack is an official run on its own
// stage files (stage_set 1..6) with its own record.
#include "ui/extra_panel.h"

#include "data/save_file.h"
#include "data/stage_file.h"
#include "game/assets.h"
#include "game/game.h"
#include "game/modes.h"
#include "ui/music.h"
#include "ui/option_panel.h"
#include "ui/panels.h"

#include <array>

namespace tsu {

const char* pack_caption(int pack) {
    static constexpr std::array<const char*, 7> kCaptions = {
        "",  "カオスステージ", "パズルステージ", "こつぶステージ", "7kzステージ", "ハードステージ",
        "トリックステージ"};
    return pack >= 1 && pack <= 6 ? kCaptions[std::size_t(pack)] : "";
}

void build_extra_panel(Game& g) {
    Panel& p = g.controls.add_root(std::make_unique<Panel>("ex_box", Rect{0, 0, 513, 385}));
    p.follow_visible(&g.panels.ex_box);
    p.add<Label>("Label20", Rect{10, 5, 300, 27}, "EXTRA STAGE", title_style());
    // The pack buttons, 36 pixels apart, in the order of the packs 1..6.
    static constexpr std::array<const char*, 7> kButtons = {"",       "Label22", "Label24", "Label25",
                                                            "Label26", "Label9",  "Label28"};
    for (int k = 1; k <= 6; ++k) {
        const int y = 32 + 36 * (k - 1);
        auto& b = p.add<LabelButton>(kButtons[std::size_t(k)], Rect{4, y, 4 + 153, y + 29},
                                     pack_caption(k), caption_style());
        b.on_click = [&g, k] { start_pack(g, k); };
    }
    auto& records = p.add<Label>("ex_stage_l", Rect{160, 32, 160 + 349, 32 + 209}, "", caption_style(9));
    records.text.colour = rgb(0xE8ECFF);
    auto& pic = p.add<PictureBox>("user_cg", Rect{408, 132, 408 + 100, 132 + 217});
    pic.source = &g.user_cg;
    p.add<Label>("Label21", Rect{4, 368, 300, 382}, "上位から表示しています。", caption_style(9));
    auto& back = p.add<LabelButton>("Label19", Rect{400, 352, 504, 376}, "BAK(ESC)", caption_style());
    back.on_click = [&g] { close_extra_panel(g); };
}

void Timer3Timer(Game& g) { label(g, "ex_stage_l").caption = extra_record_text(g); }

void start_pack(Game& g, int pack) {
    if (pack < 1 || pack > 6) return;
    g.cg.brush_colour = kBlack;
    g.cg.fill_rect(Rect{-1, -1, kViewWidth + 1, kViewHeight + 1});
    begin_run(g);
    tmy& my = g.my;
    g.stage_set = pack;
    my.ex_play[std::size_t(pack)] += 1;
    write_save(g); // the new play count goes to the disk at once
    reset_stage(g);
    // A stage that cannot be read was reported; the start goes no further.
    if (!load_stage(g, my.stage_no)) return;
    play_random_music(g);
    // The chaos pack begins mid-height.
    if (pack == 1) my.y = 10;
    g.panels.ex_box = false;
}

std::string extra_record_text(const Game& g) {
    std::string text;
    for (int k = 1; k <= 6; ++k) {
        const ex_record& r = g.my.ex_best[std::size_t(k)];
        const char* mark = r.chara == 1 ? "S" : r.chara == 2 ? "Z" : "";
        if (k > 1) text += "\r\r\r";
        text += "HI-SCORE " + std::to_string(r.gold) + " < PLAY " +
                std::to_string(g.my.ex_play[std::size_t(k)]) + " STAGE " + std::to_string(r.stage) +
                " " + mark;
    }
    return text;
}

} // namespace tsu
