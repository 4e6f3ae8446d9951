// The extra stage packs: a run on a pack is an official run on its own
// stage files (stage_set 1..6) with its own record.
#include "ui/extra_panel.h"

#include "data/save_file.h"
#include "data/stage_file.h"
#include "game/assets.h"
#include "game/game.h"
#include "game/modes.h"
#include "ui/music.h"

#include <array>

namespace tsu {

const char* pack_caption(int pack) {
    static constexpr std::array<const char*, 7> kCaptions = {
        "",  "カオスステージ", "パズルステージ", "こつぶステージ", "7kzステージ", "ハードステージ",
        "トリックステージ"};
    return pack >= 1 && pack <= 6 ? kCaptions[std::size_t(pack)] : "";
}

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
