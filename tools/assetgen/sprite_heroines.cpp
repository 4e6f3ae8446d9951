// INTERIM art: the three heroines (50 x 50: a hooded little ninja each, told
// apart by colours and one mark) in their standing, attacking and flying
// frames, and the clones of the clone technique.
#include "figures.h"
#include "sprite_painters.h"

namespace tsu::assetgen {
namespace {

struct Look {
    Colour hood, hood_dark, scarf, band, body, mark;
};

Look look_of(Heroine who) {
    switch (who) {
    case Heroine::suzu: return {rgb(0xE04070), rgb(0x801838), rgb(0xFFD030), rgb(0xFFFFFF), rgb(0xC02858), rgb(0xFFD700)};
    case Heroine::nagi: return {rgb(0x30A060), rgb(0x145A30), rgb(0x9050D0), rgb(0xFFE0A0), rgb(0x208048), rgb(0xFF7050)};
    case Heroine::sora: break;
    }
    return {rgb(0x3060D0), rgb(0x183070), rgb(0xE02020), rgb(0xF0D040), rgb(0x2848A8), rgb(0xF0D040)};
}

constexpr Colour kSkin = rgb(0xFFD8B0);
constexpr Colour kEye = rgb(0x101018);
constexpr Colour kCloud = rgb(0xF4F4FF);
constexpr Colour kCloudEdge = rgb(0xA8B8D8);

void scarf_tail(Bitmap& b, const Look& l, Pose pose) {
    switch (pose) {
    case Pose::fly1: polygon(b, {{20, 27}, {2, 22}, {4, 27}, {1, 31}, {20, 32}}, l.scarf); break;
    case Pose::fly2: polygon(b, {{20, 27}, {3, 28}, {1, 32}, {5, 35}, {20, 32}}, l.scarf); break;
    default: polygon(b, {{20, 27}, {6, 30}, {3, 36}, {9, 35}, {20, 32}}, l.scarf); break;
    }
}

void cloud(Bitmap& b, int frame) {
    const int dx = frame == 0 ? 0 : 2;
    disc(b, 14 + dx, 45, 8, 4, kCloud, kCloudEdge);
    disc(b, 34 - dx, 45, 8, 4, kCloud, kCloudEdge);
    disc(b, 25, 44, 10, 5, kCloud, kCloudEdge);
    b.set_pixel(0, 49, kKey);
}

} // namespace

void paint_heroine(Bitmap& b, Heroine who, Pose pose) {
    const Look l = look_of(who);
    const bool flying = pose == Pose::fly1 || pose == Pose::fly2;
    scarf_tail(b, l, pose);
    // Feet, tucked up while flying.
    const int feet = flying ? 38 : 42;
    disc(b, 20, feet + 3, 4, 3, l.hood_dark);
    disc(b, 30, feet + 3, 4, 3, l.hood_dark);
    // Body and belt.
    oval(b, 15, 27, 36, feet + 3, l.body, l.hood_dark);
    box(b, 17, 35, 34, 37, l.hood_dark);
    disc(b, 25, 32, 2, 2, l.mark); // the heroine's mark on the chest
    // Arms: raised while flying, one stretched out with a short spear when attacking.
    if (flying) {
        disc(b, 13, 26, 3, 3, l.hood);
        disc(b, 37, 26, 3, 3, l.hood);
    } else if (pose == Pose::attack) {
        disc(b, 14, 33, 3, 3, l.hood);
        box(b, 34, 30, 48, 33, l.hood);
        stroke(b, 38, 31, 49, 31, 1, rgb(0xE0E0E8));
        polygon(b, {{45, 27}, {50, 31.5}, {45, 36}}, rgb(0xE0E0E8));
    } else {
        disc(b, 14, 33, 3, 3, l.hood);
        disc(b, 36, 33, 3, 3, l.hood);
    }
    // Head: hood with the face opening, eyes and the headband.
    disc(b, 25, 16, 13, 12, l.hood, l.hood_dark);
    oval(b, 15, 12, 36, 25, kSkin);
    box(b, 19, 15, 22, 20, kEye);
    box(b, 29, 15, 32, 20, kEye);
    b.set_pixel(20, 15, kWhite);
    b.set_pixel(30, 15, kWhite);
    box(b, 13, 8, 38, 11, l.band, l.hood_dark);
    polygon(b, {{37, 8}, {46, 4}, {44, 9}, {47, 13}, {37, 11}}, l.band); // knot tails
    if (who == Heroine::suzu) disc(b, 25, 3, 3, 3, l.mark, rgb(0xA07000));  // the bell
    if (who == Heroine::nagi) polygon(b, {{18, 5}, {25, 1}, {32, 5}, {25, 8}}, l.mark); // ribbon
    if (flying) cloud(b, pose == Pose::fly1 ? 0 : 1);
}

void paint_clone(Bitmap& b, Heroine who) {
    if (who == Heroine::nagi) { // her clone is a little octopus
        const Colour red = rgb(0xE04848), dark = rgb(0x902020);
        for (int i = 0; i < 4; ++i) stroke(b, 7 + 5 * i, 18, 4 + 7 * i, 27, 3, red);
        disc(b, 15, 12, 11, 9, red, dark);
        box(b, 9, 10, 12, 15, kEye);
        box(b, 18, 10, 21, 15, kEye);
        disc(b, 15, 18, 2, 2, dark);
        b.set_pixel(0, 29, kKey);
        return;
    }
    // The heroine's figure, shrunk, in her shadow colours.
    Bitmap full = keyed(50, 50);
    paint_heroine(full, who, Pose::stand);
    full.transparent = true;
    b.stretch_draw({0, 0, b.width(), b.height()}, full);
    for (Colour& c : b.pixels())
        if (c != kKey) c = mix(c, rgb(0x202040), 0.45);
}

} // namespace tsu::assetgen
