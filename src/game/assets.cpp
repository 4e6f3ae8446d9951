// Pictures and sound effects of the game.
#include "game/assets.h"

#include "game/game.h"
#include "render/image_io.h"

namespace tsu {

const std::array<const char*, 94> kSpriteFiles = {
    "sora.bmp",     "teki1.bmp",     "heart.bmp",     "s0.bmp",        "s1.bmp",
    "teki2.bmp",    "teki3.bmp",     "teki4.bmp",     "teki5.bmp",     "teki6.bmp",
    "t0.bmp",       "t1.bmp",        "t2.bmp",        "t3.bmp",        "teki7.bmp",
    "teki8.bmp",    "teki9.bmp",     "teki10.bmp",    "teki11.bmp",    "teki12.bmp",
    "teki13.bmp",   "teki14.bmp",    "teki15.bmp",    "maki.bmp",      "nine.bmp",
    "gold2.bmp",    "ex.bmp",        "ex2.bmp",       "dia.bmp",       "bom.bmp",
    "togarasi.bmp", "fire1.bmp",     "fire2.bmp",     "fire3.bmp",     "bunsin.bmp",
    "bom2.bmp",     "maki2.bmp",     "maki3.bmp",     "heart2.bmp",    "sora.bmp",
    "gold.bmp",     "gold3.bmp",     "gold4.bmp",     "shuri.bmp",     "naruto.bmp",
    "negi.bmp",     "kunai.bmp",     "kunai1.bmp",    "kunai2.bmp",    "kunai3.bmp",
    "negi1.bmp",    "negi2.bmp",     "negi3.bmp",     "note.bmp",      "note1.bmp",
    "momoji.bmp",   "momoji2.bmp",   "teki16.bmp",    "teki17.bmp",    "teki18.bmp",
    "teki19.bmp",   "teki20.bmp",    "teki21.bmp",    "teki22.bmp",    "teki23.bmp",
    "teki24.bmp",   "suzu.bmp",      "suzu2.bmp",     "hima.bmp",      "hima1.bmp",
    "hima2.bmp",    "hima3.bmp",     "rora.bmp",      "bom3.bmp",      "nico.bmp",
    "shuri2.bmp",   "sora_fly.bmp",  "sora_fly2.bmp", "suzu_fly.bmp",  "suzu_fly2.bmp",
    "hane.bmp",     "fire_b1.bmp",   "fire_b2.bmp",   "fire_b3.bmp",   "togarasi.bmp",
    "nagi.bmp",     "nagi_fly1.bmp", "nagi_fly2.bmp", "nagi_dai.bmp",  "tako.bmp",
    "nagi_asi1.bmp", "nagi_asi2.bmp", "nagi_asi3.bmp", "tako_asi.bmp",
};

namespace {

bool load_required(Game& g, const std::string& name, Bitmap& out) {
    std::string error;
    if (load_picture(g.path("cg", name), out, &error)) return true;
    g.platform->message_box("画像ファイル cg/" + name + " を読み込めません。\n" + error);
    return false;
}

} // namespace

void cut_chips(const Bitmap& sheet, std::array<Bitmap, 50>& chips, bool transparent) {
    for (int j = 0; j < 50; ++j) {
        Bitmap& chip = chips[std::size_t(j)];
        chip.resize(20, 20, kBlack);
        chip.copy_rect(Rect{0, 0, 20, 20}, sheet, Rect{0, 10 * j, 10, 10 * j + 10});
        chip.transparent = transparent;
    }
}

void paint_teki_palette(Game& g) {
    Bitmap& p = g.teki_cg;
    p.brush_colour = kBlack;
    p.brush_style = BrushStyle::solid;
    p.fill_rect(Rect{0, 0, 10, 500});
    for (int k = 0; k < 50; ++k) {
        const tman& t = g.teki_type[std::size_t(k + 1)];
        if (t.name.empty() || t.image < 0 || t.image > 99) continue;
        p.draw(0, 10 * k, g.cg_img[std::size_t(t.image)]);
    }
}

bool load_pictures(Game& g) {
    if (!load_required(g, "chip.bmp", g.cg_chip)) return false;
    if (!load_required(g, "chip2.bmp", g.cg_chip2)) return false;
    if (!load_required(g, "chip2.bmp", g.teki_cg)) return false;
    g.bak.resize(kViewWidth, kViewHeight, kBlack);
    if (!load_required(g, "help.jpg", g.help_cg)) return false;
    for (std::size_t i = 0; i < g.cg_img.size(); ++i) {
        Bitmap& b = g.cg_img[i];
        if (i < kSpriteFiles.size()) {
            if (!load_required(g, kSpriteFiles[i], b)) return false;
        } else {
            b = Bitmap();
        }
        b.transparent = true;
    }
    cut_chips(g.cg_chip, g.chip_img, false);
    cut_chips(g.cg_chip2, g.chip2_img, true);
    paint_teki_palette(g);
    return true;
}

void show_picture(Game& g, const std::string& name) {
    Bitmap pic;
    if (!load_picture(g.path("cg", name), pic)) return;
    g.haikei = std::move(pic);
    g.cg.draw(0, 0, g.haikei);
}

void play_se(Game& g, const std::string& name) {
    if (g.my.se_off == 1) return;
    if (name.empty() || name == g.last_se) return;
    g.last_se = name;
    g.last_se_timer = 1;
    g.platform->play_sound(name, g.path("dat", name));
}

} // namespace tsu
