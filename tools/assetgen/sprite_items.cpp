// INTERIM art: items (20 x 20 unless said), the status icons and frames,
// the ring ball and the third heroine's block.
#include "figures.h"
#include "sprite_painters.h"

#include <cmath>

namespace tsu::assetgen {
namespace {
constexpr Colour kOutline = rgb(0x301810);
constexpr double kPi = 3.14159265358979;
} // namespace

void paint_heart(Bitmap& b, bool extra_life) {
    const Colour fill = extra_life ? rgb(0xFF70B0) : rgb(0xE82838);
    const Colour edge = extra_life ? rgb(0xA02060) : rgb(0x801018);
    disc(b, 6, 7, 5, 5, fill, edge);
    disc(b, 13, 7, 5, 5, fill, edge);
    polygon(b, {{1.5, 8}, {18.5, 8}, {10, 18}}, fill);
    stroke(b, 2, 9, 9, 17, 1, edge);
    stroke(b, 17, 9, 10, 17, 1, edge);
    box(b, 5, 4, 7, 6, kWhite); // shine
    if (extra_life) { // a white plus: one more life
        box(b, 9, 7, 11, 14, kWhite);
        box(b, 7, 9, 13, 11, kWhite);
    }
}

void paint_coin(Bitmap& b, Coin kind) {
    switch (kind) {
    case Coin::koban: // the oval gold coin
        oval(b, 3, 1, 17, 19, rgb(0xF0C828), rgb(0x906810));
        for (int y = 5; y <= 15; y += 3) stroke(b, 6, y, 13, y, 1, rgb(0xC89818));
        box(b, 6, 3, 8, 5, rgb(0xFFF4B0));
        break;
    case Coin::silver: // the bigger coin: gold with a star
        disc(b, 10, 10, 8, 8, rgb(0xFFD840), rgb(0xA07010));
        polygon(b, {{10, 4}, {11.8, 8.5}, {16, 8.5}, {12.6, 11.3}, {13.8, 16}, {10, 13.2}, {6.2, 16},
                    {7.4, 11.3}, {4, 8.5}, {8.2, 8.5}},
                rgb(0xFFFFFF));
        break;
    case Coin::copper: // the small round coin with a square mark
        disc(b, 10, 10, 7, 7, rgb(0xC87838), rgb(0x704018));
        box(b, 8, 8, 12, 12, rgb(0x5A3010));
        break;
    }
}

void paint_gem(Bitmap& b, Gem kind) {
    if (kind == Gem::diamond) {
        polygon(b, {{2, 7}, {6, 2}, {14, 2}, {18, 7}, {10, 18}}, rgb(0xB8F0FF));
        polygon(b, {{2, 7}, {18, 7}, {10, 18}}, rgb(0x70C8F0));
        stroke(b, 6, 3, 8, 6, 1, kWhite);
        stroke(b, 14, 3, 12, 6, 1, kWhite);
        stroke(b, 2, 7, 17, 7, 1, rgb(0x3890C0));
        return;
    }
    const Colour face = kind == Gem::emerald ? rgb(0x30D060) : rgb(0x3060F0);
    const Colour dark = kind == Gem::emerald ? rgb(0x107030) : rgb(0x102880);
    polygon(b, {{10, 1}, {18, 6}, {18, 14}, {10, 19}, {2, 14}, {2, 6}}, dark);
    polygon(b, {{10, 4}, {15, 7}, {15, 13}, {10, 16}, {5, 13}, {5, 7}}, face);
    box(b, 7, 6, 9, 9, kWhite);
}

void paint_pepper(Bitmap& b) {
    polygon(b, {{4, 6}, {9, 4}, {12, 8}, {15, 15}, {17, 19}, {11, 16}, {6, 11}}, rgb(0xE02018));
    stroke(b, 7, 7, 12, 13, 1, rgb(0xFF7060));
    polygon(b, {{2, 3}, {6, 1}, {9, 4}, {5, 7}}, rgb(0x30A030));
    stroke(b, 4, 3, 2, 0, 1, rgb(0x207020));
}

void paint_scroll(Bitmap& b, Scroll kind) {
    const Colour tie = kind == Scroll::clone ? rgb(0x2868E0) : rgb(0xA030D0);
    box(b, 3, 4, 17, 16, rgb(0xF4E8C8), rgb(0x806040));
    box(b, 1, 3, 4, 17, rgb(0x8A5028));
    box(b, 16, 3, 19, 17, rgb(0x8A5028));
    box(b, 9, 4, 12, 16, tie);
    for (int y = 6; y <= 14; y += 2) {
        stroke(b, 5, y, 7, y, 1, rgb(0x404040));
        stroke(b, 13, y, 15, y, 1, rgb(0x404040));
    }
}

void paint_bag(Bitmap& b) {
    polygon(b, {{7, 3}, {13, 3}, {12, 6}, {17, 11}, {17, 17}, {14, 19}, {6, 19}, {3, 17}, {3, 11}, {8, 6}},
            rgb(0xB07838));
    stroke(b, 7, 6, 13, 6, 1, rgb(0x603810));
    disc(b, 10, 13, 3, 3, rgb(0xF0D030), rgb(0x806010));
    stroke(b, 5, 12, 5, 16, 1, rgb(0xD09850));
}

void paint_naruto(Bitmap& b) {
    disc(b, 10, 10, 8, 8, rgb(0xFFFFF4), rgb(0xC0B0A0));
    double px = 10, py = 10;
    for (int i = 1; i <= 40; ++i) { // a pink spiral from the centre out
        const double a = i * 0.42, r = i * 0.17;
        const double x = 10 + std::cos(a) * r, y = 10 + std::sin(a) * r;
        stroke(b, int(std::lround(px)), int(std::lround(py)), int(std::lround(x)), int(std::lround(y)), 2,
               rgb(0xF05890));
        px = x;
        py = y;
    }
}

void paint_love_note(Bitmap& b) { // 64 x 64 envelope with a heart seal
    box(b, 4, 14, 60, 52, rgb(0xFFF0F4), rgb(0xC06080));
    polygon(b, {{4, 14}, {60, 14}, {32, 36}}, rgb(0xFFD0DC));
    stroke(b, 4, 14, 32, 36, 2, rgb(0xC06080));
    stroke(b, 60, 14, 32, 36, 2, rgb(0xC06080));
    disc(b, 28, 34, 5, 5, rgb(0xE02040));
    disc(b, 36, 34, 5, 5, rgb(0xE02040));
    polygon(b, {{22.5, 35}, {41.5, 35}, {32, 46}}, rgb(0xE02040));
}

void paint_love_shield(Bitmap& b) { // 64 x 64 ring of hearts, glows on the light layer
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        const int cx = 32 + int(std::lround(std::cos(a) * 24)), cy = 32 + int(std::lround(std::sin(a) * 24));
        disc(b, cx - 3, cy - 1, 3, 3, rgb(0xD04890));
        disc(b, cx + 3, cy - 1, 3, 3, rgb(0xD04890));
        polygon(b, {{cx - 6.5, double(cy)}, {cx + 6.5, double(cy)}, {double(cx), cy + 7.0}}, rgb(0xD04890));
    }
}

void paint_smiley(Bitmap& b) {
    disc(b, 10, 10, 8, 8, rgb(0xFFE030), rgb(0xA08000));
    box(b, 6, 6, 8, 10, rgb(0x302000));
    box(b, 12, 6, 14, 10, rgb(0x302000));
    stroke(b, 5, 12, 7, 15, 1, rgb(0x302000));
    stroke(b, 7, 15, 13, 15, 1, rgb(0x302000));
    stroke(b, 13, 15, 15, 12, 1, rgb(0x302000));
}

void paint_wings(Bitmap& b) { // 300 x 150: a pair of white wings
    const Colour white = rgb(0xF8F8FF), edge = rgb(0x8898C0);
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? -1 : 1;
        for (int f = 0; f < 5; ++f) { // feathers, long to short
            const double len = 130 - f * 18, y = 30 + f * 18;
            polygon_at(b, 150, 0, 1, {{dir * 8, y}, {dir * len, y - 24}, {dir * (len + 6), y - 8}, {dir * 8, y + 22}},
                       f % 2 == 0 ? white : rgb(0xE0E8FF));
        }
        disc(b, 150 + int(dir * 20), 60, 20, 34, white, edge);
    }
    disc(b, 150, 62, 10, 26, rgb(0xFFF0C0), edge);
}

void paint_stock_icon(Bitmap& b, int which) { // 10 x 10
    if (which == 0) { // invincibility: a violet orb with a spark
        pixel_art(b, 0, 0,
                  {"...VVVV...", "..VVWVVV..", ".VVWWWVVV.", ".VVVWVVVV.", ".VVVVVVVV.", ".VVVVVVDV.",
                   "..VVVVDV..", "...VVVV...", "..........", ".........."},
                  {{'V', rgb(0xB050F0)}, {'W', kWhite}, {'D', rgb(0x602090)}});
    } else if (which == 1) { // clone: a little blue hood
        pixel_art(b, 0, 0,
                  {"..BBBBB...", ".BBBBBBB..", ".BSSSSSB..", ".BKSSKSB..", ".BSSSSSB..", "..BBBBB...",
                   ".BBBBBBB..", ".BB...BB..", "..........", ".........."},
                  {{'B', rgb(0x3060D0)}, {'S', rgb(0xFFD8B0)}, {'K', rgb(0x101018)}});
    } else { // barrage: a speech bubble of comments
        pixel_art(b, 0, 0,
                  {".YYYYYYYY.", "YYYYYYYYYY", "YKYKYKYKYY", "YYYYYYYYYY", "YKKYKKYKYY", ".YYYYYYYY.",
                   "..YY......", ".Y........", "..........", ".........."},
                  {{'Y', rgb(0xFFE050)}, {'K', rgb(0x604000)}});
    }
}

void paint_ring_ball(Bitmap& b) { // 30 x 30 glowing orb of the invincibility ring
    disc(b, 15, 15, 13, 13, rgb(0x203890));
    disc(b, 15, 15, 10, 10, rgb(0x4070E0));
    disc(b, 15, 15, 7, 7, rgb(0x90C0FF));
    disc(b, 14, 14, 3, 3, kWhite);
}

void paint_block(Bitmap& b) { // the third heroine's wooden block
    box(b, 0, 0, 20, 20, rgb(0xC08848), rgb(0x603818));
    box(b, 1, 1, 19, 4, rgb(0xE0B070));
    for (int y = 7; y < 19; y += 4) stroke(b, 2, y, 17, y, 1, rgb(0x906030));
    b.set_pixel(0, 19, kKey);
}

void paint_gauge_frame(Bitmap& b) { // 160 x 20 at the bottom-left of the view
    box(b, 0, 0, 160, 20, rgb(0x5A3A20), rgb(0x2A1808));
    box(b, 21, 1, 157, 19, rgb(0x101010), rgb(0x907050));
    // The emblem: a small scroll at the left end.
    box(b, 4, 5, 17, 15, rgb(0xF4E8C8), rgb(0x806040));
    box(b, 2, 4, 5, 16, rgb(0x8A5028));
    box(b, 16, 4, 19, 16, rgb(0x8A5028));
    box(b, 9, 5, 12, 15, rgb(0xD03030));
    b.set_pixel(0, 19, kKey); // rounded corners, the bottom-left one the key
    b.set_pixel(0, 0, kKey);
    b.set_pixel(159, 0, kKey);
    b.set_pixel(159, 19, kKey);
}

} // namespace tsu::assetgen
