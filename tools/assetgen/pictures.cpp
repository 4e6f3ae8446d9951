// INTERIM art: the full-screen JPEG pictures (512 x 384): the four title
// pictures, the stage-end pictures of each heroine, the option panel's key
// help (501 x 201) and the profile picture (100 x 217). The game writes its
// own lines over some of them, so those places stay calm and dark: the
// top-right corner of titles 0 and 1 (the play line at y = 7, right-aligned),
// the top-left corner of title 2, the right side around y = 70 of title 3,
// and x 280..512, y 160..260 of the stage-end pictures (the score lines).
#include "assetgen.h"
#include "figures.h"
#include "sprite_painters.h"

#include "render/image_io.h"

#include <cmath>

namespace tsu::assetgen {
namespace {

constexpr int kW = 512, kH = 384;
constexpr const char* kTitle = "ぽわんでござる、ソラ坊くん";

// Text with a one-pixel outline all round, readable on any background.
void outlined(Bitmap& b, int x, int y, std::string_view s, int size, Colour fill, Colour edge) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) text(b, x + dx, y + dy, s, size, true, edge);
    text(b, x, y, s, size, true, fill);
}

void centred(Bitmap& b, int y, std::string_view s, int size, Colour fill, Colour edge) {
    outlined(b, (b.width() - text_width(s, size, true)) / 2, y, s, size, fill, edge);
}

// The heroine's sprite enlarged into r; `dim` darkens her (0: as she is).
void heroine_at(Bitmap& b, Heroine who, Pose pose, const Rect& r, double dim = 0) {
    Bitmap fig = keyed(50, 50);
    paint_heroine(fig, who, pose);
    if (dim > 0)
        for (Colour& c : fig.pixels())
            if (c != kKey) c = mix(c, rgb(0x200808), dim);
    fig.transparent = true;
    b.stretch_draw(r, fig);
}

void hills(Bitmap& b, int base, Colour far, Colour near) {
    polygon(b, {{0, double(base)}, {0, base - 40.0}, {90, base - 110.0}, {170, base - 50.0}, {260, base - 130.0},
                {360, base - 60.0}, {440, base - 100.0}, {512, base - 45.0}, {512, double(base)}},
            far);
    polygon(b, {{0, double(base)}, {0, base - 20.0}, {120, base - 55.0}, {250, base - 25.0}, {380, base - 60.0},
                {512, base - 20.0}, {512, double(base)}},
            near);
}

void stars(Bitmap& b, int count, int max_y, int seed) {
    std::uint32_t s = std::uint32_t(seed) * 2654435761u + 1;
    for (int i = 0; i < count; ++i) {
        s = s * 1664525u + 1013904223u;
        const int x = int((s >> 8) % kW);
        s = s * 1664525u + 1013904223u;
        const int y = int((s >> 8) % std::uint32_t(max_y));
        if (x >= 270 && y < 30) continue; // the play line's corner stays plain
        b.set_pixel(x, y, (i % 3 == 0) ? rgb(0xFFF0B0) : kWhite);
    }
}

// The calm panel where the game writes the stage-end scores.
void score_panel(Bitmap& b) {
    box(b, 276, 156, 512, 264, rgb(0x806040));
    box(b, 280, 160, 512, 260, rgb(0x141428));
}

Bitmap title(int variant) {
    Bitmap b(kW, kH);
    switch (variant) {
    case 0: // evening: the first heroine before a setting sun; top-right dark
        gradient(b, 0, 300, rgb(0x201040), rgb(0xF08040));
        disc(b, 150, 230, 50, 50, rgb(0xFFD070));
        hills(b, 330, rgb(0x603060), rgb(0x402040));
        box(b, 0, 330, kW, kH, rgb(0x2A1A30));
        heroine_at(b, Heroine::sora, Pose::stand, {300, 130, 500, 330});
        centred(b, 60, kTitle, 22, rgb(0xFFF4C0), rgb(0x402010));
        break;
    case 1: // night: the first heroine flying under the moon; top-right dark
        gradient(b, 0, 320, rgb(0x050818), rgb(0x203878));
        stars(b, 90, 250, 1);
        for (int y = 140; y <= 220; ++y) // a crescent moon: the moon's disc less a bite
            for (int x = 390; x <= 470; ++x) {
                const int mx = x - 430, my = y - 180, bx = x - 446, by = y - 170;
                if (mx * mx + my * my <= 36 * 36 && bx * bx + by * by > 30 * 30) b.set_pixel(x, y, rgb(0xFFF8D0));
            }
        hills(b, 340, rgb(0x182850), rgb(0x0C1830));
        box(b, 0, 340, kW, kH, rgb(0x0A1020));
        heroine_at(b, Heroine::sora, Pose::fly1, {40, 120, 240, 320});
        centred(b, 60, kTitle, 22, rgb(0xC0E8FF), rgb(0x081830));
        break;
    case 2: // the second heroine among blossoms; top-left dark
        gradient(b, 0, 300, rgb(0x181030), rgb(0xF0A0C0));
        for (int i = 0; i < 60; ++i) {
            const int x = 200 + (i * 53) % 312, y = 40 + (i * 97) % 260;
            disc(b, x, y, 3, 2, rgb(0xFFD0E0));
        }
        box(b, 0, 320, kW, kH, rgb(0x503040));
        heroine_at(b, Heroine::suzu, Pose::stand, {290, 110, 500, 320});
        centred(b, 330, kTitle, 20, rgb(0xFFF0F8), rgb(0x602040));
        break;
    default: // the third heroine by the sea; the right side near y = 70 dark
        gradient(b, 0, 120, rgb(0x061220), rgb(0x0C2034));
        gradient(b, 120, 200, rgb(0x0C2034), rgb(0x3080C0));
        gradient(b, 200, kH, rgb(0x1060A0), rgb(0x082040));
        for (int y = 215; y < kH; y += 18) stroke(b, (y * 7) % 60, y, (y * 7) % 60 + 80, y, 1, rgb(0x90D0F8));
        heroine_at(b, Heroine::nagi, Pose::stand, {30, 110, 230, 310});
        centred(b, 330, kTitle, 20, rgb(0xE0FFF0), rgb(0x083040));
        break;
    }
    centred(b, variant >= 2 ? 360 : 100, "クリックかEnterキーでスタート", 10, kWhite, rgb(0x202020));
    return b;
}

// Stage-end pictures: kind 0 all clear, 1 game over, 2 stage clear.
Bitmap stage_end(Heroine who, int kind, int variant) {
    Bitmap b(kW, kH);
    const Colour skies[][2] = {{rgb(0x2050C0), rgb(0xA0E0FF)}, {rgb(0x102010), rgb(0x60C060)},
                               {rgb(0x401030), rgb(0xF0A060)}, {rgb(0x103040), rgb(0x60C0C0)}};
    if (kind == 1) {
        gradient(b, 0, kH, rgb(0x100808), rgb(0x502020));
        hills(b, 384, rgb(0x301818), rgb(0x200C0C));
    } else {
        gradient(b, 0, kH, skies[variant % 4][0], skies[variant % 4][1]);
        hills(b, 384, mix(skies[variant % 4][0], kBlack, 0.3), mix(skies[variant % 4][0], kBlack, 0.55));
        if (kind == 0) stars(b, 120, 380, 7 + int(who));
    }
    const Pose pose = kind == 1 ? Pose::stand : (variant % 2 == 0 ? Pose::fly1 : Pose::stand);
    heroine_at(b, who, pose, {20, 130, 250, 360}, kind == 1 ? 0.45 : 0); // dim when defeated
    const char* label = kind == 0 ? "全ステージクリア！" : kind == 1 ? "ゲームオーバー" : "ステージクリア！";
    const Colour fill = kind == 1 ? rgb(0xFF6060) : rgb(0xFFF080);
    outlined(b, 24, 40, label, 24, fill, rgb(0x201010));
    if (kind == 2) outlined(b, 24, 90, variant % 2 == 0 ? "おみごと！" : "つぎのステージへ", 14, kWhite, rgb(0x202020));
    score_panel(b);
    return b;
}

Bitmap help() {
    Bitmap b(501, 201, rgb(0x101830));
    box(b, 0, 0, 501, 201, rgb(0x101830), rgb(0x8090C0));
    text(b, 12, 8, "操作方法", 12, true, rgb(0xFFE080));
    const char* lines[][2] = {{"矢印キー", "移動"},      {"↑ / Shift", "ジャンプ"}, {"Z", "攻撃"},
                              {"X", "特技"},             {"C", "無敵の術"},        {"A", "分身の術"},
                              {"S", "弾幕の術"},         {"Esc", "ポーズ"},        {"R", "キャラ変更"},
                              {"M", "オプション"},       {"Q", "ギブアップ"},      {"O", "曲変更"}};
    for (int i = 0; i < 12; ++i) {
        const int col = i / 6, row = i % 6;
        const int x = 16 + col * 245, y = 36 + row * 26;
        text(b, x, y, lines[i][0], 10, true, rgb(0x90E0FF));
        text(b, x + 100, y, lines[i][1], 10, false, kWhite);
    }
    return b;
}

Bitmap profile() {
    Bitmap b(100, 217);
    gradient(b, 0, 217, rgb(0x3050A0), rgb(0x101830));
    heroine_at(b, Heroine::sora, Pose::stand, {0, 40, 100, 140});
    box(b, 6, 160, 94, 190, rgb(0xF0E8D0), rgb(0x806040));
    text(b, 50 - text_width("ソラ坊", 11, true) / 2, 167, "ソラ坊", 11, true, rgb(0x302010));
    return b;
}

} // namespace

std::vector<Picture> make_pictures() {
    std::vector<Picture> out;
    for (int v = 0; v < 4; ++v) out.push_back({std::to_string(v) + ".jpg", title(v)});
    const char* suffix[] = {"", "2", "3"};
    const Heroine who[] = {Heroine::sora, Heroine::suzu, Heroine::nagi};
    for (int h = 0; h < 3; ++h) {
        out.push_back({std::string("clear") + suffix[h] + ".jpg", stage_end(who[h], 0, h)});
        out.push_back({std::string("gameover") + suffix[h] + ".jpg", stage_end(who[h], 1, h)});
    }
    for (int v = 0; v < 4; ++v)
        out.push_back({std::string("result") + (v == 0 ? "" : std::to_string(v + 1)) + ".jpg",
                       stage_end(Heroine::sora, 2, v)});
    out.push_back({"result_s.jpg", stage_end(Heroine::suzu, 2, 0)});
    out.push_back({"result_s2.jpg", stage_end(Heroine::suzu, 2, 1)});
    out.push_back({"result_n.jpg", stage_end(Heroine::nagi, 2, 2)});
    out.push_back({"help.jpg", help()});
    out.push_back({"user0.jpg", profile()});
    return out;
}

bool write_pictures(const std::string& root, std::string* error) {
    for (const Picture& p : make_pictures())
        if (!save_jpeg(root + "/cg/" + p.file, p.pic, 90, error)) return false;
    return true;
}

} // namespace tsu::assetgen
