// INTERIM art: the sprite table, one painter and size per picture file.
//
// Sizes (w x h), by how the game draws each picture:
//   drawn stretched into a square (any size reads; chosen for the art):
//     heroines sora, suzu, suzu2, nagi and flying frames 76..79, 86, 87  50 x 50
//     clones bunsin, rora, tako                                          30 x 30
//     enemies teki1..teki24 (but teki3)                                  10 x 10 (the
//       editor's enemy palette shows them at their own size, 10 px a row)
//     items, shots, kunai, shuriken, blade items, block                  20 x 20
//     nine (the invincibility ring's balls, 30 x 30 squares)             30 x 30
//     note (the love note item)                                          64 x 64
//   drawn unscaled:
//     heart (life icons, 20 px apart), gold2 (coin of the gold line)     20 x 20
//     bom, bom2, bom3 (technique stock icons, 10 px apart)               10 x 10
//     maki (the gauge frame at (0, 364), bars from x 22)                 160 x 20
//     fire1..3 (red fire: four cells right of the heroine)               80 x 20
//     fire_b1..3 (blue fire: five columns, two rows)                     100 x 40
//     negi1..3, hima1..3, nagi_asi1..3 (blade swings, up to 3 cells)     60 x 20
//     note1 (the love note's shield, at (x - 32, y) on the light layer)  64 x 64
//     momoji, momoji2 (leaves, OR-merged, on black)                      14 x 15
//     teki3 (the big picture, drawn at (x - 150, y - 75); also the
//       caterpillar enemy, shrunk), hane (the flight item's wings)        300 x 150
// Every sprite's bottom-left pixel is its key colour: magenta #FF00FF, which
// no figure uses (black for the leaves, which are merged, not keyed).
#include "assetgen.h"
#include "figures.h"
#include "sprite_painters.h"

#include "render/image_io.h"

#include <functional>
#include <string>

namespace tsu::assetgen {
namespace {

struct SpriteSpec {
    std::string file;
    int w, h;
    std::function<void(Bitmap&)> paint;
    Colour key = kKey;
};

std::vector<SpriteSpec> sprite_table() {
    using H = Heroine;
    using P = Pose;
    std::vector<SpriteSpec> t = {
        {"sora.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::sora, P::stand); }},
        {"heart.bmp", 20, 20, [](Bitmap& b) { paint_heart(b, false); }},
        {"s0.bmp", 20, 20, [](Bitmap& b) { paint_shuriken(b, false, false); }},
        {"s1.bmp", 20, 20, [](Bitmap& b) { paint_shuriken(b, true, false); }},
        {"t0.bmp", 20, 20, [](Bitmap& b) { paint_enemy_shot(b, 0, 0); }},
        {"t1.bmp", 20, 20, [](Bitmap& b) { paint_enemy_shot(b, 0, 1); }},
        {"t2.bmp", 20, 20, [](Bitmap& b) { paint_enemy_shot(b, 1, 0); }},
        {"t3.bmp", 20, 20, [](Bitmap& b) { paint_enemy_shot(b, 1, 1); }},
        {"maki.bmp", 160, 20, paint_gauge_frame},
        {"nine.bmp", 30, 30, paint_ring_ball},
        {"gold2.bmp", 20, 20, [](Bitmap& b) { paint_coin(b, Coin::koban); }},
        {"ex.bmp", 20, 20, [](Bitmap& b) { paint_gem(b, Gem::emerald); }},
        {"ex2.bmp", 20, 20, [](Bitmap& b) { paint_gem(b, Gem::sapphire); }},
        {"dia.bmp", 20, 20, [](Bitmap& b) { paint_gem(b, Gem::diamond); }},
        {"bom.bmp", 10, 10, [](Bitmap& b) { paint_stock_icon(b, 0); }},
        {"togarasi.bmp", 20, 20, paint_pepper},
        {"fire1.bmp", 80, 20, [](Bitmap& b) { paint_red_fire(b, 1); }},
        {"fire2.bmp", 80, 20, [](Bitmap& b) { paint_red_fire(b, 2); }},
        {"fire3.bmp", 80, 20, [](Bitmap& b) { paint_red_fire(b, 3); }},
        {"bunsin.bmp", 30, 30, [](Bitmap& b) { paint_clone(b, H::sora); }},
        {"bom2.bmp", 10, 10, [](Bitmap& b) { paint_stock_icon(b, 1); }},
        {"maki2.bmp", 20, 20, [](Bitmap& b) { paint_scroll(b, Scroll::clone); }},
        {"maki3.bmp", 20, 20, [](Bitmap& b) { paint_scroll(b, Scroll::invincible); }},
        {"heart2.bmp", 20, 20, [](Bitmap& b) { paint_heart(b, true); }},
        {"gold.bmp", 20, 20, paint_bag},
        {"gold3.bmp", 20, 20, [](Bitmap& b) { paint_coin(b, Coin::silver); }},
        {"gold4.bmp", 20, 20, [](Bitmap& b) { paint_coin(b, Coin::copper); }},
        {"shuri.bmp", 20, 20, [](Bitmap& b) { paint_shuriken(b, false, true); }},
        {"naruto.bmp", 20, 20, paint_naruto},
        {"negi.bmp", 20, 20, paint_leek},
        {"kunai.bmp", 20, 20, [](Bitmap& b) { paint_kunai(b, 3); }},
        {"kunai1.bmp", 20, 20, [](Bitmap& b) { paint_kunai(b, 0); }},
        {"kunai2.bmp", 20, 20, [](Bitmap& b) { paint_kunai(b, 1); }},
        {"kunai3.bmp", 20, 20, [](Bitmap& b) { paint_kunai(b, 2); }},
        {"negi1.bmp", 60, 20, [](Bitmap& b) { paint_leek_swing(b, 1); }},
        {"negi2.bmp", 60, 20, [](Bitmap& b) { paint_leek_swing(b, 2); }},
        {"negi3.bmp", 60, 20, [](Bitmap& b) { paint_leek_swing(b, 3); }},
        {"note.bmp", 64, 64, paint_love_note},
        {"note1.bmp", 64, 64, paint_love_shield},
        {"momoji.bmp", 14, 15, [](Bitmap& b) { paint_leaf(b, false); }, kBlack},
        {"momoji2.bmp", 14, 15, [](Bitmap& b) { paint_leaf(b, true); }, kBlack},
        {"suzu.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::suzu, P::stand); }},
        {"suzu2.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::suzu, P::attack); }},
        {"hima.bmp", 20, 20, paint_sunflower},
        {"hima1.bmp", 60, 20, [](Bitmap& b) { paint_sunflower_thrust(b, 1); }},
        {"hima2.bmp", 60, 20, [](Bitmap& b) { paint_sunflower_thrust(b, 2); }},
        {"hima3.bmp", 60, 20, [](Bitmap& b) { paint_sunflower_thrust(b, 3); }},
        {"rora.bmp", 30, 30, [](Bitmap& b) { paint_clone(b, H::suzu); }},
        {"bom3.bmp", 10, 10, [](Bitmap& b) { paint_stock_icon(b, 2); }},
        {"nico.bmp", 20, 20, paint_smiley},
        {"shuri2.bmp", 20, 20, [](Bitmap& b) { paint_shuriken(b, true, true); }},
        {"sora_fly.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::sora, P::fly1); }},
        {"sora_fly2.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::sora, P::fly2); }},
        {"suzu_fly.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::suzu, P::fly1); }},
        {"suzu_fly2.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::suzu, P::fly2); }},
        {"hane.bmp", 300, 150, paint_wings},
        {"fire_b1.bmp", 100, 40, [](Bitmap& b) { paint_blue_fire(b, 1); }},
        {"fire_b2.bmp", 100, 40, [](Bitmap& b) { paint_blue_fire(b, 2); }},
        {"fire_b3.bmp", 100, 40, [](Bitmap& b) { paint_blue_fire(b, 3); }},
        {"nagi.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::nagi, P::stand); }},
        {"nagi_fly1.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::nagi, P::fly1); }},
        {"nagi_fly2.bmp", 50, 50, [](Bitmap& b) { paint_heroine(b, H::nagi, P::fly2); }},
        {"nagi_dai.bmp", 20, 20, paint_block},
        {"tako.bmp", 30, 30, [](Bitmap& b) { paint_clone(b, H::nagi); }},
        {"nagi_asi1.bmp", 60, 20, [](Bitmap& b) { paint_tentacle_sweep(b, 1); }},
        {"nagi_asi2.bmp", 60, 20, [](Bitmap& b) { paint_tentacle_sweep(b, 2); }},
        {"nagi_asi3.bmp", 60, 20, [](Bitmap& b) { paint_tentacle_sweep(b, 3); }},
        {"tako_asi.bmp", 20, 20, paint_tentacle},
        {"teki3.bmp", 300, 150, paint_big_caterpillar},
    };
    for (int n = 1; n <= 24; ++n)
        if (n != 3) t.push_back({"teki" + std::to_string(n) + ".bmp", 10, 10, [n](Bitmap& b) { paint_enemy(b, n); }});
    return t;
}

} // namespace

std::vector<Picture> make_sprites() {
    std::vector<Picture> out;
    for (const SpriteSpec& s : sprite_table()) {
        Bitmap pic = keyed(s.w, s.h, s.key);
        s.paint(pic);
        seal_pinholes(pic, s.key);
        pic.set_pixel(0, s.h - 1, s.key); // the key: the bottom-left pixel
        pic.transparent = true;
        out.push_back({s.file, std::move(pic)});
    }
    return out;
}

bool write_sprites_and_chips(const std::string& root, std::string* error) {
    std::vector<Picture> all = make_sprites();
    all.push_back(make_lower_chips());
    all.push_back(make_upper_chips());
    for (const Picture& p : all)
        if (!save_bmp(root + "/cg/" + p.file, p.pic, error)) return false;
    return true;
}

} // namespace tsu::assetgen
