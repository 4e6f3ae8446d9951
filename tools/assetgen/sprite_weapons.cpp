// INTERIM art: thrown weapons, enemy shots, the blade items and their
// swings (60 x 20: up to three cells right of the heroine), the red fire
// (80 x 20: four cells right of her) and the blue fire (100 x 40: five
// columns, two rows), and the falling leaves of the autumn weather (14 x 15
// on black, merged with a bitwise OR, so black adds nothing).
#include "figures.h"
#include "sprite_painters.h"

#include <cmath>

namespace tsu::assetgen {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr Colour kSteel = rgb(0xB8C0D0), kSteelDark = rgb(0x586070);

// A four-pointed star around (cx, cy), turned by `turn` radians.
void star4(Bitmap& b, double cx, double cy, double outer, double inner, double turn, Colour c) {
    const double a = turn, s = kPi / 4;
    auto p = [&](double ang, double r) { return Pt{cx + std::cos(ang) * r, cy + std::sin(ang) * r}; };
    polygon(b, {p(a, outer), p(a + s, inner), p(a + 2 * s, outer), p(a + 3 * s, inner), p(a + 4 * s, outer),
                p(a + 5 * s, inner), p(a + 6 * s, outer), p(a + 7 * s, inner)},
            c);
}

// A flame tongue standing on (x, base) of the given width and height.
void tongue(Bitmap& b, double x, double base, double w, double h, Colour outer, Colour mid, Colour core) {
    polygon(b, {{x, base}, {x + w * 0.15, base - h * 0.55}, {x + w * 0.5, base - h}, {x + w * 0.7, base - h * 0.5},
                {x + w, base}},
            outer);
    polygon(b, {{x + w * 0.2, base}, {x + w * 0.35, base - h * 0.45}, {x + w * 0.55, base - h * 0.75},
                {x + w * 0.7, base - h * 0.35}, {x + w * 0.85, base}},
            mid);
    polygon(b, {{x + w * 0.35, base}, {x + w * 0.5, base - h * 0.4}, {x + w * 0.68, base}}, core);
}

// Deterministic tongue heights for the animation frames.
double wobble(int frame, int i) { return 0.7 + 0.3 * std::fabs(std::sin(frame * 1.9 + i * 1.3)); }

} // namespace

void paint_shuriken(Bitmap& b, bool turned, bool glowing) {
    const Colour c = glowing ? rgb(0x40E0FF) : kSteel, dark = glowing ? rgb(0x1060A0) : kSteelDark;
    star4(b, 9.5, 9.5, 9.5, 3.2, turned ? kPi / 4 : 0, dark);
    star4(b, 9.5, 9.5, 7.5, 2.2, turned ? kPi / 4 : 0, c);
    disc(b, 9, 9, 1, 1, glowing ? kWhite : rgb(0x303040));
}

void paint_enemy_shot(Bitmap& b, int colour_set, int frame) {
    const Colour outer = colour_set == 0 ? rgb(0xE03010) : rgb(0x8030E0);
    const Colour inner = colour_set == 0 ? rgb(0xFFA020) : rgb(0xD080FF);
    const int r = frame == 0 ? 7 : 6;
    disc(b, 10, 10, r, r, outer);
    disc(b, 10, 10, r - 3, r - 3, inner);
    disc(b, frame == 0 ? 8 : 11, frame == 0 ? 8 : 9, 1, 1, kWhite);
}

void paint_kunai(Bitmap& b, int direction) {
    // One kunai pointing right along y = 10, then turned as asked.
    Bitmap k = keyed(20, 20);
    polygon(k, {{7, 7}, {19.5, 10}, {7, 13}}, kSteel);
    stroke(k, 8, 10, 18, 10, 1, kSteelDark);
    box(k, 3, 9, 8, 12, rgb(0x8A4A20));
    disc(k, 2, 10, 2, 2, rgb(0x505060));
    k.set_pixel(2, 10, rgb(0x202028)); // the ring's middle stays dark, not see-through
    if (direction == 0) {
        b.draw(0, 0, k);
        return;
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const Colour c = k.pixel(x, y);
            if (c == kKey) continue;
            if (direction == 1) b.set_pixel(y, 19 - x, c);           // up
            else if (direction == 2) b.set_pixel(19 - x, y, c);      // left
            else {                                                   // three-way fan: up, right, left
                b.set_pixel(y, 19 - x, c);
                if (x % 2 == 0 && y % 2 == 0) b.set_pixel(x / 2 + 10, y / 2 + 5, c);
                if (x % 2 == 0 && y % 2 == 0) b.set_pixel(9 - x / 2, y / 2 + 5, c);
            }
        }
}

void paint_leek(Bitmap& b) {
    stroke(b, 3, 17, 12, 8, 4, rgb(0xF4F8F0));
    stroke(b, 11, 9, 17, 2, 3, rgb(0x40B040));
    stroke(b, 12, 10, 19, 6, 2, rgb(0x309030));
    stroke(b, 2, 18, 3, 19, 1, rgb(0xD0D8C0));
}

void paint_sunflower(Bitmap& b) {
    stroke(b, 2, 18, 11, 9, 2, rgb(0x3A9030));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        disc(b, 13 + int(std::lround(std::cos(a) * 4)), 7 + int(std::lround(std::sin(a) * 4)), 2, 2, rgb(0xFFD020));
    }
    disc(b, 13, 7, 3, 3, rgb(0x704010));
}

void paint_tentacle(Bitmap& b) {
    const Colour red = rgb(0xD84860), pale = rgb(0xFFC0C8);
    for (int i = 0; i < 12; ++i) {
        const double t = i / 11.0;
        const int x = int(std::lround(3 + t * 13)), y = int(std::lround(17 - t * 12 + std::sin(t * 5) * 2));
        disc(b, x, y, 3 - i / 5, 3 - i / 5, red);
        if (i % 3 == 1) b.set_pixel(x - 1, y + 1, pale);
    }
}

void paint_red_fire(Bitmap& b, int frame) {
    for (int i = 0; i < 8; ++i) {
        const double h = 19 * wobble(frame, i), w = 14 + (i % 3);
        tongue(b, i * 10.0 - 2, 20, w, h, rgb(0xD02010), rgb(0xFF7010), rgb(0xFFE040));
    }
    b.set_pixel(0, 19, kKey);
}

void paint_blue_fire(Bitmap& b, int frame) {
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 10; ++i) {
            const double h = 20 * wobble(frame + row, i), w = 13 + (i % 2) * 3;
            tongue(b, i * 10.0 - 2, 20.0 + row * 20, w, h, rgb(0x1030C0), rgb(0x2090FF), rgb(0xC0F0FF));
        }
    b.set_pixel(0, 39, kKey);
}

void paint_leek_swing(Bitmap& b, int frame) {
    // Frame 1 starts and ends the swing (raised, short), frame 3 is its
    // peak (level, full reach). The leek turns about a point by her hand.
    const double angle[] = {0, -0.36, -0.16, 0.0};
    const double reach[] = {0, 25, 42, 57};
    const double a = angle[frame], len = reach[frame];
    const double px = 2, py = 14;
    auto at = [&](double ang, double r) { return Pt{px + r * std::cos(ang), py + r * std::sin(ang)}; };
    // The trail: a pale crescent the leek has swept through.
    for (double t = a - 0.5; t < a - 0.04; t += 0.04) {
        const Pt q = at(t, len - 2);
        if (q.y >= 1) disc(b, int(std::lround(q.x)), int(std::lround(q.y)), 1, 1, rgb(0xD8F8D0));
    }
    const Pt mid = at(a, len * 0.55), tip = at(a, len);
    stroke(b, int(px), int(py), int(std::lround(mid.x)), int(std::lround(mid.y)), 5, rgb(0xF4F8F0));
    stroke(b, int(std::lround(mid.x)), int(std::lround(mid.y)), int(std::lround(tip.x)), int(std::lround(tip.y)), 4,
           rgb(0x40B040));
    const Pt fork = at(a - 0.12, len * 0.92);
    stroke(b, int(std::lround(mid.x)), int(std::lround(mid.y)), int(std::lround(fork.x)), int(std::lround(fork.y)), 2,
           rgb(0x2E8A2E));
    stroke(b, int(px), int(py), int(px) + 1, int(py) + 1, 3, rgb(0xC8D0B8)); // the root end
}

void paint_sunflower_thrust(Bitmap& b, int frame) {
    const int tip = 12 + 20 * (frame - 1) + (frame == 3 ? 4 : 0);
    stroke(b, 0, 10, tip, 10, 2, rgb(0x3A9030));
    for (int x = 4; x < tip - 6; x += 9) stroke(b, x, 10, x + 3, 6, 1, rgb(0x58C048)); // leaves
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        disc(b, tip + int(std::lround(std::cos(a) * 5)), 10 + int(std::lround(std::sin(a) * 5)), 2, 2,
             rgb(0xFFD020));
    }
    disc(b, tip, 10, 3, 3, rgb(0x704010));
    if (frame >= 2) stroke(b, 2, 16, tip - 8, 16, 1, rgb(0xFFF0A0)); // speed line
}

void paint_tentacle_sweep(Bitmap& b, int frame) {
    const Colour red = rgb(0xD84860), dark = rgb(0x902838), pale = rgb(0xFFC0C8);
    const int n = 10 + 10 * frame;
    const double reach = 16.0 + 19 * frame;
    for (int i = 0; i < n; ++i) { // thick at her side, thin and curled at the tip
        const double t = double(i) / (n - 1);
        const double x = 1 + t * reach, y = 13 - std::sin(t * kPi * 0.8) * 7 + (t > 0.85 ? (t - 0.85) * 30 : 0);
        const int r = t < 0.4 ? 4 : (t < 0.75 ? 3 : (t < 0.92 ? 2 : 1));
        disc(b, int(std::lround(x)), int(std::lround(y)), r, r, i % 2 == 0 ? red : mix(red, dark, 0.3));
    }
    for (int i = 1; i < n - 3; i += 3) { // suckers along the underside
        const double t = double(i) / (n - 1);
        const int x = int(std::lround(1 + t * reach)), y = int(std::lround(13 - std::sin(t * kPi * 0.8) * 7));
        disc(b, x, y + (t < 0.4 ? 3 : 2), 1, 0, pale);
    }
}

void paint_leaf(Bitmap& b, bool second) {
    const Colour leaf = second ? rgb(0xE0A020) : rgb(0xD04018);
    const Colour vein = second ? rgb(0x906010) : rgb(0x802010);
    // A maple-like leaf: five points around the middle.
    polygon(b, {{7, 0}, {9, 4}, {13, 3}, {11, 7}, {14, 9}, {9, 10}, {7, 13}, {5, 10}, {0, 9}, {3, 7}, {1, 3},
                {5, 4}},
            leaf);
    stroke(b, 7, 3, 7, 14, 1, vein);
    stroke(b, 7, 8, 3, 6, 1, vein);
    stroke(b, 7, 8, 11, 6, 1, vein);
}

} // namespace tsu::assetgen
