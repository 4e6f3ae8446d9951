// The stage-clear and after-run screens, drawn over the stage-end picture
// on every tick until the player moves on.
#include "ui/result_screens.h"

#include "data/save_file.h"
#include "game/game.h"
#include "game/status.h"

#include <array>
#include <string>

namespace tsu {

int attack_penalty(int throws) {
    int p = 0;
    if (throws > 200) p += 100;
    if (throws > 300) p += 250;
    if (throws > 400) p += 500;
    return p;
}

Colour blink_color(int frame_count) {
    static constexpr std::array<Colour, 9> kRamp = {
        rgb(0xFFFF00), rgb(0xFFDD00), rgb(0xFFBB00), rgb(0xFF9900), rgb(0xDD7700),
        rgb(0xBB5500), rgb(0x994400), rgb(0x773300), rgb(0x552200)};
    const int i = frame_count % 9;
    return kRamp[std::size_t(i < 0 ? i + 9 : i)];
}

namespace {

// Bold text with a clear background.
void text(Bitmap& cg, int x, int y, const std::string& s, Colour c) {
    cg.font.colour = c;
    cg.brush_style = BrushStyle::clear;
    cg.text_out(x, y, s);
    cg.brush_style = BrushStyle::solid;
}

// A line with its shadow: first `shadow` one pixel right and down, then `colour`.
void shadowed(Bitmap& cg, int x, int y, const std::string& s, Colour shadow, Colour colour) {
    text(cg, x + 1, y + 1, s, shadow);
    text(cg, x, y, s, colour);
}

void set_font(Bitmap& cg, int size) { cg.font.style = FontStyle{size, true, false}; }

} // namespace

void draw_clear_result(Game& g) {
    if (g.mode < 2) return;
    status_display(g);
    Bitmap& cg = g.cg;
    const tmy& my = g.my;
    set_font(cg, 13);
    const std::array<std::pair<int, std::string>, 3> lines = {{
        {160, "　　　敵殺数 > " + std::to_string(my.kills) + "体"},
        {191, "通常攻撃回数 > " + std::to_string(my.throws) + "回"},
        {222, "　　　ミス数 > " + std::to_string(my.misses) + "回"},
    }};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& [y, s] = lines[i];
        if (i == 2) {
            const int penalty = attack_penalty(my.throws);
            if (penalty > 0) {
                set_font(cg, 9);
                const std::string p = "減点 > -" + std::to_string(penalty) + "両";
                // Right-aligned with its shadow inside the panel's light
                // area, which ends at x 510.
                const int w = cg.text_width(p);
                text(cg, 509 - w, 211, p, rgb(0x880055));
                text(cg, 508 - w, 210, p, rgb(0xFF00CC));
                set_font(cg, 13);
            }
        }
        cg.draw(280, y, g.cg_img[44]);
        shadowed(cg, 310, y, s, kWhite, kBlack);
    }
    if (my.misses == 0)
        shadowed(cg, 180, 250, "＊ ノーミスボーナス!! > +500両 ＊", kBlack, blink_color(g.frame_count));
}

void draw_run_result(Game& g) {
    if (g.mode != 2) return;
    Bitmap& cg = g.cg;
    tmy& my = g.my;
    set_font(cg, 16);
    cg.draw(170, 230, g.cg_img[44]);
    shadowed(cg, 200, 230, "得点 > " + std::to_string(my.gold) + "両", kWhite, kBlack);

    int32_t* gold = nullptr;
    int32_t* stage = nullptr;
    int32_t* heroine = nullptr;
    if (g.stage_set == 0) {
        gold = &my.hi_score;
        stage = &my.hi_stage;
        heroine = &my.hi_chara;
    } else if (g.stage_set >= 1 && g.stage_set <= 6) {
        ex_record& r = my.ex_best[std::size_t(g.stage_set)];
        gold = &r.gold;
        stage = &r.stage;
        heroine = &r.chara;
    }
    if (gold == nullptr || my.gold < *gold) return;
    // Ties count: the notice stays on every tick of the screen.
    const int32_t was[3] = {*gold, *stage, *heroine};
    *gold = my.gold;
    *stage = my.stage_no;
    if (g.chara >= 0 && g.chara <= 2) *heroine = g.chara + 1;
    // A new record goes to the disk at once, not only when the window
    // closes: a crash or a kill must not lose it.
    if (was[0] != *gold || was[1] != *stage || was[2] != *heroine) write_save(g);
    shadowed(cg, 130, 270, "＊ NEW RECORD !!!! ＊", kBlack, blink_color(g.frame_count));
}

} // namespace tsu
