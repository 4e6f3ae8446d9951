// INTERIM art: the enemies as 10 x 10 pixel art (the editor's palette shows
// them at their own size, 10 pixels a row; play doubles them like the map
// chips), and the big caterpillar picture teki3.bmp (300 x 150), which the
// big-picture effect draws unscaled around its point and the caterpillar
// enemy draws shrunk. Variants of a kind share the art in new colours.
#include "figures.h"
#include "sprite_painters.h"

namespace tsu::assetgen {
namespace {

constexpr Colour kEyeWhite = rgb(0xFFFFFF), kEyeDark = rgb(0x101010), kSkin = rgb(0xFFD0A8);

void walker(Bitmap& b, Colour body, Colour dark, int horns) {
    pixel_art(b, 0, 0,
              {"...RRRR...", "..RRRRRR..", ".RRWKRWKR.", ".RRWKRWKR.", ".RRRRRRRR.", ".RRRDDRRR.",
               "..RRRRRR..", "...RRRR...", "..DD..DD..", ".........."},
              {{'R', body}, {'D', dark}, {'W', kEyeWhite}, {'K', kEyeDark}});
    if (horns >= 1) pixel_art(b, 0, 0, {"....H.....", "...HH....."}, {{'H', rgb(0xF0F0E0)}});
    if (horns >= 2) pixel_art(b, 0, 0, {"......H...", "......HH.."}, {{'H', rgb(0xF0F0E0)}});
}

void girl(Bitmap& b, Colour hair, Colour dress) {
    pixel_art(b, 0, 0,
              {"..HHHHHH..", ".HHSSSSHH.", ".HSKSSKSH.", ".HSSSSSSH.", "..HSSPSH..", "...DDDD...",
               "..DDDDDD..", ".DDDDDDDD.", "...S..S...", ".........."},
              {{'H', hair}, {'S', kSkin}, {'K', kEyeDark}, {'P', rgb(0xE05060)}, {'D', dress}});
}

void old_woman(Bitmap& b, Colour hair, Colour robe) {
    pixel_art(b, 0, 0,
              {"...GGG....", "..GGGGG...", "..GSSSG...", "..SKSKS..B", "..SSSSS..B", "..PPPPPPPB",
               ".PPPPPP..B", ".PPPPPP..B", "..S..S...B", ".........."},
              {{'G', hair}, {'S', kSkin}, {'K', kEyeDark}, {'P', robe}, {'B', rgb(0x8A5A2A)}});
}

void baby(Bitmap& b, Colour bonnet) {
    pixel_art(b, 0, 0,
              {"..BBBBBB..", ".BBBBBBBB.", "BBSSSSSSBB", "BSSKSSKSSB", "BSSSSSSSSB", "BSSSPPSSSB",
               ".SSSSSSSS.", "..SSSSSS..", "...SSSS...", ".........."},
              {{'B', bonnet}, {'S', kSkin}, {'K', kEyeDark}, {'P', rgb(0xE06070)}});
}

void weathercock(Bitmap& b, Colour bird, Colour comb) {
    pixel_art(b, 0, 0,
              {"...RR.....", "..OOOO....", ".OKOOOO...", "YOOOOOOOO.", "..OOOOOOOO", "...OOOO.OO",
               "....GG....", "....GG....", "..GGGGGG..", ".........."},
              {{'O', bird}, {'R', comb}, {'K', kEyeDark}, {'Y', rgb(0xFFC000)}, {'G', rgb(0x707880)}});
}

void robot(Bitmap& b, Colour metal, Colour eyes) {
    pixel_art(b, 0, 0,
              {"....R.....", "....G.....", ".GGGGGGG..", ".GCGGGCG..", ".GGGGGGG..", ".GKKKKKG..",
               "..GGGGG...", ".GGGGGGG..", ".GG...GG..", ".........."},
              {{'G', metal}, {'C', eyes}, {'K', rgb(0x303038)}, {'R', rgb(0xFF3030)}});
}

void ufo(Bitmap& b, Colour saucer) {
    pixel_art(b, 0, 0,
              {"..........", "...CCCC...", "..CWCCCC..", ".SSSSSSSS.", "SSYSSYSSYS", ".SSSSSSSS.",
               "...B..B...", "..B....B..", "..........", ".........."},
              {{'C', rgb(0x80E8FF)}, {'W', kEyeWhite}, {'S', saucer}, {'Y', rgb(0xFFF060)},
               {'B', rgb(0xB0FFB0)}});
}

} // namespace

void paint_enemy(Bitmap& b, int number) {
    switch (number) {
    case 1: walker(b, rgb(0xE03030), rgb(0x801818), 0); break;
    case 2: girl(b, rgb(0xE07098), rgb(0xF0A0C0)); break;
    case 4: old_woman(b, rgb(0xC8C8C8), rgb(0x8050A0)); break;
    case 5: baby(b, rgb(0xF8F0A0)); break;
    case 6: weathercock(b, rgb(0xF08020), rgb(0xE02020)); break;
    case 7: // the bomb with its fuse
        pixel_art(b, 0, 0,
                  {"......YR..", ".....Y....", "....F.....", "..KKKK....", ".KWKKKK...", "KWKKKKKK..",
                   "KKKKKKKK..", "KKKKKKKK..", ".KKKKKK...", "..KKKK...."},
                  {{'K', rgb(0x282838)}, {'W', rgb(0xA0A0C0)}, {'F', rgb(0xC0A070)}, {'Y', rgb(0xFFE040)},
                   {'R', rgb(0xFF4020)}});
        break;
    case 8: // the fly
        pixel_art(b, 0, 0,
                  {".WW...WW..", "WWWW.WWWW.", ".WWWGWWW..", "...GGG....", "..GRGRG...", "..GGGGG...",
                   "...GGG....", "..G.G.G...", "..........", ".........."},
                  {{'W', rgb(0xC0E0FF)}, {'G', rgb(0x206030)}, {'R', rgb(0xFF3030)}});
        break;
    case 9: robot(b, rgb(0xA0A0B0), rgb(0x40E0FF)); break;
    case 10: walker(b, rgb(0x3070E0), rgb(0x183878), 1); break;
    case 11: walker(b, rgb(0x30B040), rgb(0x185820), 2); break;
    case 12: walker(b, rgb(0xE0C020), rgb(0x806010), 2); break;
    case 13: ufo(b, rgb(0xC0C0D0)); break;
    case 14: ufo(b, rgb(0xE03838)); break;
    case 15: // the ghost
        pixel_art(b, 0, 0,
                  {"...WWWW...", "..WWWWWW..", ".WWKWWKWW.", ".WWKWWKWW.", ".WWWWWWWW.", ".WWWPPWWW.",
                   ".WWWWWWWW.", ".WWWWWWWW.", ".W.WW.WW.W", ".........."},
                  {{'W', rgb(0xE8ECFF)}, {'K', rgb(0x303060)}, {'P', rgb(0x8090D0)}});
        break;
    case 16: // the spikes nothing can hurt
        pixel_art(b, 0, 0,
                  {"....G.....", "....G.....", "...GWG....", "G..GWG..G.", "GG.GWG.GG.", ".GGGWGGG..",
                   "..GGGGG...", "GGGGWGGGGG", ".DDDDDDDD.", ".........."},
                  {{'G', rgb(0x9098A8)}, {'W', rgb(0xE0E8F0)}, {'D', rgb(0x404450)}});
        break;
    case 17: // the bee
        pixel_art(b, 0, 0,
                  {"...WW.WW..", "...WWWWW..", "..YKYKYY..", ".YYKYKYYK.", "YKYKYKYYY.", ".YYKYKYYR.",
                   "..YKYKYY..", "...K..K...", "..........", ".........."},
                  {{'W', rgb(0xD0F0FF)}, {'Y', rgb(0xFFD020)}, {'K', rgb(0x202020)}, {'R', rgb(0xFF3030)}});
        break;
    case 18: // the monk
        pixel_art(b, 0, 0,
                  {"...SSSS...", "..SSSSSS..", "..SKSSKS..", "..SSSSSS..", "...SPPS...", "..OOOOOO..",
                   ".OOOOOOOO.", ".OOBBBBOO.", ".OOOOOOOO.", ".........."},
                  {{'S', kSkin}, {'K', kEyeDark}, {'P', rgb(0xC05050)}, {'O', rgb(0xE08020)},
                   {'B', rgb(0x703010)}});
        break;
    case 19: ufo(b, rgb(0x3858E0)); break;
    case 20: girl(b, rgb(0x40A0E0), rgb(0xA0D8FF)); break;
    case 21: old_woman(b, rgb(0x907050), rgb(0x306080)); break;
    case 22: baby(b, rgb(0xA0F0A0)); break;
    case 23: weathercock(b, rgb(0x4080F0), rgb(0xFFE020)); break;
    case 24: robot(b, rgb(0xD8B040), rgb(0xFF5050)); break;
    default: walker(b, rgb(0x808080), rgb(0x404040), 0); break;
    }
}

void paint_big_caterpillar(Bitmap& b) {
    const Colour green = rgb(0x58C040), dark = rgb(0x2A6A1C), spot = rgb(0xF0E040), leg = rgb(0x3A3020);
    // Body segments along a wave, tail on the left, head on the right.
    const int cx[] = {48, 82, 116, 150, 184, 218};
    const int cy[] = {100, 88, 80, 84, 94, 98};
    for (int i = 0; i < 6; ++i) {
        disc(b, cx[i] - 6, cy[i] + 30, 5, 7, leg);
        disc(b, cx[i] + 8, cy[i] + 30, 5, 7, leg);
    }
    for (int i = 0; i < 6; ++i) {
        disc(b, cx[i], cy[i], 26, 26, green, dark);
        disc(b, cx[i], cy[i] - 12, 6, 5, spot);
    }
    // Head with antennae and a big face.
    stroke(b, 240, 50, 226, 14, 3, dark);
    stroke(b, 268, 50, 282, 14, 3, dark);
    disc(b, 226, 14, 6, 6, spot, dark);
    disc(b, 282, 14, 6, 6, spot, dark);
    disc(b, 254, 80, 36, 34, rgb(0x78D858), dark);
    disc(b, 240, 72, 9, 11, kEyeWhite, dark);
    disc(b, 268, 72, 9, 11, kEyeWhite, dark);
    disc(b, 242, 75, 4, 6, kEyeDark);
    disc(b, 270, 75, 4, 6, kEyeDark);
    oval(b, 238, 92, 272, 106, rgb(0xC03030), dark);
    disc(b, 226, 90, 5, 3, rgb(0xF0A0A0));
    disc(b, 282, 90, 5, 3, rgb(0xF0A0A0));
    // The same caterpillar at 10 x 10 in the top-left corner: the editor's
    // palette shows the picture at its own size in a 10-pixel row.
    pixel_art(b, 0, 0,
              {"......D.D.", ".......HH.", "......HKHH", "..G.G.HHHH", ".GGGGGGHH.", "GGGGGGGG..",
               ".L.L.L.L..", ".........."},
              {{'G', green}, {'H', rgb(0x78D858)}, {'K', kEyeDark}, {'D', dark}, {'L', leg}});
}

} // namespace tsu::assetgen
