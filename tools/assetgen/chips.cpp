// INTERIM art: the chip sheets. chip.bmp holds the opaque ground tiles,
// chip2.bmp the overlays drawn with their key colour; both are one column of
// 50 chips of 10 x 10 (chip j at y = 10 j) that the game doubles to 20 x 20.
// In chip2.bmp every chip's bottom-left pixel is the key colour, since each
// chip is cut out and keyed on its own. The tiles follow the chip list of
// content/chips.txt.
#include "assetgen.h"
#include "figures.h"

#include <cstdint>

namespace tsu::assetgen {
namespace {

constexpr int kChips = 50, kSide = 10;
constexpr Colour kNight = rgb(0x101828);

// Deterministic speckles: true for about `percent` of the pixels.
bool speck(int x, int y, int seed, int percent) {
    std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^ std::uint32_t(seed) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h % 100u) < percent;
}

void speckled(Bitmap& c, Colour base, Colour spot, int seed, int percent) {
    c.fill(base);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (speck(x, y, seed, percent)) c.set_pixel(x, y, spot);
}

void bricks(Bitmap& c, Colour brick, Colour mortar) {
    c.fill(brick);
    for (int y = 0; y < kSide; y += 5) box(c, 0, y + 4, 10, y + 5, mortar);
    for (int y = 0; y < kSide; ++y) c.set_pixel((y % 10) < 5 ? 2 : 7, y, mortar);
}

void bevel(Bitmap& c, Colour face, Colour light, Colour dark) {
    c.fill(face);
    box(c, 0, 0, 10, 1, light);
    box(c, 0, 0, 1, 10, light);
    box(c, 0, 9, 10, 10, dark);
    box(c, 9, 0, 10, 10, dark);
}

void planks(Bitmap& c, Colour wood, Colour groove, bool vertical) {
    c.fill(wood);
    for (int i = 0; i < kSide; i += 4) {
        if (vertical) box(c, i + 3, 0, i + 4, 10, groove);
        else box(c, 0, i + 3, 10, i + 4, groove);
    }
    c.set_pixel(vertical ? 1 : 6, vertical ? 6 : 1, groove);
}

void lower_chip(Bitmap& c, int j) {
    switch (j) {
    case 0: c.fill(kNight); break;
    case 1:
        speckled(c, rgb(0x8A5A2A), rgb(0x6A4018), 1, 20);
        box(c, 0, 0, 10, 3, rgb(0x40B030));
        pixel_art(c, 0, 0, {"g..g...g..", ".g...g...g", "", "G.G..G..GG"},
                  {{'g', rgb(0x80E060)}, {'G', rgb(0x40B030)}});
        break;
    case 2: speckled(c, rgb(0x8A5A2A), rgb(0x6A4018), 2, 22); break;
    case 3: bricks(c, rgb(0xB84830), rgb(0xE0C8B0)); break;
    case 4: bevel(c, rgb(0x9098A0), rgb(0xC8D0D8), rgb(0x505860)); break;
    case 5: planks(c, rgb(0xC89050), rgb(0x805020), false); break;
    case 6: // the exit: a bright door frame with a red flag
        pixel_art(c, 0, 0,
                  {"YYYYYYYYYY", "YWKRRRRWWY", "YWKRRRRRWY", "YWKRRRRWWY", "YWKWWWWWWY", "YWKWWWWWWY",
                   "YWKWWWWWWY", "YWKWWWWWWY", "YWKWWWWWWY", "YYYYYYYYYY"},
                  {{'Y', rgb(0xFFE000)}, {'W', rgb(0xFFFFFF)}, {'K', rgb(0x404040)}, {'R', rgb(0xFF1010)}});
        break;
    case 7:
        c.fill(rgb(0x60A8F0));
        pixel_art(c, 0, 0, {"", "", "...WW.....", "..WWWWW...", ".WWWWWWWW.", "WWWWWWWWWW", ".WWWWWWWW."},
                  {{'W', rgb(0xF8F8FF)}});
        break;
    case 8: speckled(c, rgb(0x1838A0), rgb(0x2850C0), 8, 18); break;
    case 9:
        speckled(c, rgb(0x2850C0), rgb(0x3868D8), 9, 15);
        pixel_art(c, 0, 0, {"WW...WW...", "BBWWWBBWWW"}, {{'W', rgb(0xC0F0FF)}, {'B', rgb(0x70B8F0)}});
        break;
    case 10:
        c.fill(kNight);
        pixel_art(c, 0, 0, {"", "", "", "", "", "..g....g..", ".g.g..g.g.", ".gg.gg.gg.", "gggggggggg", "gggggggggg"},
                  {{'g', rgb(0x40B030)}});
        break;
    case 11:
        c.fill(kNight);
        pixel_art(c, 0, 0, {"", "", "", ".R....Y...", "RYR..YWY..", ".R....Y.P.", ".g....gPYP", ".g..g.g..g.", "gg.gg.gg.g", "gggggggggg"},
                  {{'g', rgb(0x40B030)}, {'R', rgb(0xFF4060)}, {'Y', rgb(0xFFE040)}, {'W', kWhite}, {'P', rgb(0xC060FF)}});
        break;
    case 12:
        c.fill(kNight);
        pixel_art(c, 0, 0, {"", ".W...W...W", ".W...W...W", "WWWWWWWWWW", ".W...W...W", ".W...W...W", "WWWWWWWWWW", ".W...W...W", ".W...W...W", ".W...W...W"},
                  {{'W', rgb(0xB08040)}});
        break;
    case 13: // the spike floor
        pixel_art(c, 0, 0,
                  {"....W....W", "...WG...WG", "..WGG..WGG", "..WGG..WGG", ".WGGG.WGGG", ".WGGGGWGGG", "WGGGGWGGGG",
                   "DDDDDDDDDD", "DKDKDKDKDK", "DDDDDDDDDD"},
                  {{'W', rgb(0xF0F0F0)}, {'G', rgb(0x8890A0)}, {'D', rgb(0x505058)}, {'K', rgb(0x303038)}, {'.', rgb(0x401818)}});
        break;
    case 14: bevel(c, rgb(0x404850), rgb(0x606870), rgb(0x202428)); break;
    case 15:
        c.fill(rgb(0x384058));
        for (int y = 0; y < kSide; y += 4)
            for (int x = 0; x < kSide; x += 5) oval(c, x - 1, y, x + 5, y + 5, rgb(0x505A78), rgb(0x202838));
        break;
    case 16:
        c.fill(kNight);
        for (int x : {1, 5, 8}) box(c, x, 0, x + 2, 10, rgb(0x50C050));
        for (int x : {1, 5, 8}) box(c, x, (x * 3) % 7 + 1, x + 2, (x * 3) % 7 + 2, rgb(0x287028));
        break;
    case 17: speckled(c, rgb(0x807060), rgb(0x5A4C40), 17, 30); break;
    case 18:
        c.fill(rgb(0xA8E8F8));
        for (int i = 0; i < 4; ++i) c.set_pixel(6 + i, 3 - i, kWhite);
        box(c, 0, 9, 10, 10, rgb(0x70B8D8));
        break;
    case 19: speckled(c, rgb(0xE8D090), rgb(0xC8A860), 19, 25); break;
    case 20:
        c.fill(rgb(0xF8F0E0));
        for (int i = 0; i < kSide; i += 3) {
            box(c, i, 0, i + 1, 10, rgb(0x9A6A3A));
            box(c, 0, i, 10, i + 1, rgb(0x9A6A3A));
        }
        break;
    case 21:
        pixel_art(c, 0, 0, {"...KKKK...", "..RRRRRR..", ".RRWRRWRR.", ".RRRRRRRR.", ".RRWRRWRR.", ".RRRRRRRR.", "..RRRRRR..", "...KKKK...", "....YY....", ".........."},
                  {{'.', kNight}, {'K', rgb(0x303030)}, {'R', rgb(0xE03030)}, {'W', rgb(0xFFE0A0)}, {'Y', rgb(0xFFD040)}});
        break;
    case 22:
        c.fill(rgb(0x7A4A22));
        for (int x : {2, 6}) box(c, x, 0, x + 1, 10, rgb(0x5A3212));
        c.set_pixel(8, 4, rgb(0x5A3212));
        break;
    case 23: speckled(c, rgb(0x309030), rgb(0x50C048), 23, 35); break;
    case 24:
        c.fill(kNight);
        box(c, 2, 0, 8, 10, rgb(0xE04020));
        box(c, 2, 0, 3, 10, rgb(0xFF7050));
        box(c, 1, 8, 9, 10, rgb(0x303030));
        break;
    case 25:
        c.fill(rgb(0xF4F4F0));
        box(c, 0, 8, 10, 10, rgb(0x707880));
        break;
    case 26: bricks(c, rgb(0x8890A0), rgb(0x505860)); break;
    case 27:
        bevel(c, rgb(0x8890A0), rgb(0xB0B8C0), rgb(0x505860));
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                if (speck(x, y, 27, 25)) c.set_pixel(x, y, rgb(0x509040));
        break;
    case 28:
        speckled(c, rgb(0x8A5A2A), rgb(0x6A4018), 28, 20);
        box(c, 0, 0, 10, 4, rgb(0xF8F8FF));
        c.set_pixel(3, 4, rgb(0xF8F8FF));
        c.set_pixel(7, 4, rgb(0xF8F8FF));
        break;
    case 29: speckled(c, rgb(0xF0F4FF), rgb(0xC8D8F0), 29, 20); break;
    case 30:
        c.fill(rgb(0x201810));
        for (int i = 0; i < kSide; i += 3) {
            box(c, i, 0, i + 1, 10, rgb(0xA07040));
            box(c, 0, i, 10, i + 1, rgb(0xA07040));
        }
        break;
    case 31:
        planks(c, rgb(0x90B050), rgb(0x506828), true);
        box(c, 0, 3, 10, 4, rgb(0x604020));
        box(c, 0, 7, 10, 8, rgb(0x604020));
        break;
    case 32:
        c.fill(rgb(0x080808));
        for (int i = 1; i < kSide; i += 3) {
            box(c, i, 0, i + 1, 10, rgb(0x707880));
            box(c, 0, i, 10, i + 1, rgb(0x505860));
        }
        break;
    case 33: speckled(c, rgb(0x4A3840), rgb(0x2E2028), 33, 30); break;
    case 34:
        c.fill(rgb(0x702018));
        for (int i = 0; i < kSide; ++i) c.set_pixel(i, 3 + (i * 7) % 5, rgb(0xFF9020));
        break;
    case 35:
        planks(c, rgb(0xB08050), rgb(0x704820), true);
        box(c, 0, 1, 10, 2, rgb(0xD8C890));
        break;
    case 36:
        c.fill(kNight);
        for (int y = 0; y < kSide; ++y) c.set_pixel(4 + (y % 2), y, rgb(0xD0B070));
        break;
    case 37:
        c.fill(rgb(0x081030));
        c.set_pixel(2, 2, kWhite);
        c.set_pixel(7, 5, rgb(0xFFF0A0));
        c.set_pixel(4, 8, rgb(0xA0C0FF));
        break;
    case 38:
        c.fill(rgb(0x4870C0));
        polygon(c, {{-1, 10}, {4, 3}, {7, 6}, {9, 4}, {11, 10}}, rgb(0x6050A0));
        break;
    case 39:
        gradient(c, 0, 10, rgb(0x3080D0), rgb(0x103870));
        pixel_art(c, 0, 0, {"", "WW....WW..", "", "", "...WW....W", "", "", "W....WW..."}, {{'W', rgb(0x90D0F8)}});
        break;
    default: // spare tiles: a checker in a colour of their own
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                c.set_pixel(x, y, ((x / 2 + y / 2) % 2 == 0) ? rgb(0x30 + 16 * (j - 40), 0x60, 0x90)
                                                              : rgb(0x20, 0x40 + 10 * (j - 40), 0x60));
        break;
    }
}

void upper_chip(Bitmap& c, int j) {
    switch (j) {
    case 1: disc(c, 5, 5, 3, 3, rgb(0xF0C828), rgb(0x906810)); break;
    case 2: pixel_art(c, 0, 0, {"", "....R.....", "...RR.....", "..RRYR....", "..RYYRR...", "..RYYYR...", "...RRR...."}, {{'R', rgb(0xE02010)}, {'Y', rgb(0xFFD020)}}); break;
    case 3: polygon(c, {{5, 1}, {9, 5}, {5, 9}, {1, 5}}, rgb(0x3070F0)); break;
    case 4: polygon(c, {{5, 1}, {9, 5}, {5, 9}, {1, 5}}, rgb(0xB040F0)); break;
    case 5: pixel_art(c, 0, 0, {"", ".PP..PP...", "PPPPPPPP..", "PPPPPPPP..", ".PPPPPP...", "..PPPP....", "...PP....."}, {{'P', rgb(0xFF70B0)}}); break;
    case 6: // treasure box
        pixel_art(c, 0, 0,
                  {"..........", ".BBBBBBBB.", "BWWWWWWWWB", "BBBBBBBBBB", "BOOOYYOOOB", "BOOOYYOOOB", "BOOOOOOOOB", "BOOOOOOOOB", "BBBBBBBBBB", ".........."},
                  {{'B', rgb(0x5A3010)}, {'W', rgb(0xC08040)}, {'O', rgb(0xA86028)}, {'Y', rgb(0xFFD820)}});
        break;
    case 7: pixel_art(c, 0, 0, {"", "", "", "", "", "g...g...g.", "gg.gg.g.gg", ".ggggggggg", "gggggggggg", ".ggggggggg"}, {{'g', rgb(0x50C040)}}); break;
    case 8: // ice block
        box(c, 0, 0, 10, 10, rgb(0x9CE0F8), rgb(0x5AA8D0));
        pixel_art(c, 0, 0, {"", ".WW.......", ".W........", "", "", "", "", "......W...", ".....WW..."}, {{'W', kWhite}});
        break;
    case 9: pixel_art(c, 0, 0, {"", "...BBB....", "....K.....", "..BBBBB...", ".BBBYBBB..", ".BBYYYBB..", ".BBBYBBB..", "..BBBBB..."}, {{'B', rgb(0xB07838)}, {'K', rgb(0x603810)}, {'Y', rgb(0xF0D030)}}); break;
    case 10: disc(c, 5, 5, 3, 3, rgb(0xFF9020), rgb(0x904010)); break;
    case 11: stroke(c, 2, 8, 8, 2, 2, rgb(0x40B040)); break;
    case 12: pixel_art(c, 0, 0, {"", "", "....G.....", "....GG....", "KKKKGGG...", "....GG....", "....G....."}, {{'G', rgb(0xB8C0D0)}, {'K', rgb(0x8A4A20)}}); break;
    case 13: pixel_art(c, 0, 0, {"", "", ".PPPPPPPP.", ".PLLLLLLP.", ".PPLRRLPP.", ".PPPRPPPP.", ".PPPPPPPP."}, {{'P', rgb(0xFFD0E0)}, {'L', rgb(0xE890B0)}, {'R', rgb(0xE02040)}}); break;
    case 14: // vent
        pixel_art(c, 0, 0,
                  {"....O.....", "...OOO....", "..OOOOO...", "....O.....", "GGGGGGGGGG", "GKGKGKGKGG", "GKGKGKGKGG", "GKGKGKGKGG", "GGGGGGGGGG", ".........."},
                  {{'O', rgb(0xFF8020)}, {'G', rgb(0x707880)}, {'K', rgb(0x202020)}});
        break;
    case 15: oval(c, 0, 3, 10, 11, rgb(0x308828), rgb(0x185018)); break;
    case 16: pixel_art(c, 0, 0, {"", "", "", "", ".R....Y...", "RYR..YWY..", ".R....Y...", ".g....g...", ".g..g.g..g", "gg.gg.gg.g"}, {{'g', rgb(0x40B030)}, {'R', rgb(0xFF4060)}, {'Y', rgb(0xFFE040)}, {'W', kWhite}}); break;
    case 17: // spider web in the top-left corner
        for (int i = 0; i < kSide; ++i) {
            c.set_pixel(i, 0, rgb(0xE0E0E0));
            c.set_pixel(0, i, rgb(0xE0E0E0));
            c.set_pixel(i, i, rgb(0xE0E0E0));
        }
        stroke(c, 4, 0, 0, 4, 1, rgb(0xC0C0C0));
        stroke(c, 8, 0, 0, 8, 1, rgb(0xC0C0C0));
        break;
    case 18: box(c, 1, 1, 9, 5, rgb(0xC89050), rgb(0x704010)); box(c, 4, 5, 6, 10, rgb(0x8A5A2A)); break;
    case 19: box(c, 0, 0, 10, 10, rgb(0xC08848), rgb(0x603818)); stroke(c, 1, 1, 8, 8, 1, rgb(0x805020)); stroke(c, 8, 1, 1, 8, 1, rgb(0x805020)); break;
    case 20: oval(c, 1, 0, 9, 10, rgb(0xA06030), rgb(0x502810)); box(c, 1, 2, 9, 3, rgb(0x505058)); box(c, 1, 7, 9, 8, rgb(0x505058)); break;
    case 21: pixel_art(c, 0, 0, {"...GGGG...", "..GGGGGG..", "....GG....", "...GYYG...", "...GYYG...", "..GGGGGG..", "....GG....", "....GG....", "..GGGGGG..", ".........."}, {{'G', rgb(0x9098A0)}, {'Y', rgb(0xFFE080)}}); break;
    case 22: for (int x : {1, 4, 8}) for (int y = 0; y < 4 + x % 5; ++y) c.set_pixel(x + (y % 2), y, rgb(0x40A030)); break;
    default: break; // 0 and 23..49: nothing
    }
}

Picture chip_sheet(const char* file, bool upper) {
    Bitmap sheet(kSide, kSide * kChips, upper ? kKey : kNight);
    for (int j = 0; j < kChips; ++j) {
        Bitmap c(kSide, kSide, upper ? kKey : kNight);
        if (upper) upper_chip(c, j);
        else lower_chip(c, j);
        if (upper) c.set_pixel(0, kSide - 1, kKey); // each chip is keyed by its own corner
        sheet.draw(0, kSide * j, c);
    }
    return {file, std::move(sheet)};
}

} // namespace

Picture make_lower_chips() { return chip_sheet("chip.bmp", false); }
Picture make_upper_chips() { return chip_sheet("chip2.bmp", true); }

} // namespace tsu::assetgen
