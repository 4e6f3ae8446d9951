// The 26 enemy templates as data. Names are the editor's labels; a few end
// in full-width spaces that belong to the name. Behaviour numbers (movement
// and firing patterns) are those of the enemy step.
#include "data/teki_table.h"

#include "game/game.h"

#include <array>

namespace tsu {

namespace {

struct TekiRow {
    const char* name;
    int32_t image, size, move, gravity, hp, move_wait, shot, shot_wait, shot_speed;
};

// Row k is enemy type k.
constexpr std::array<TekiRow, kTekiTypes> kTekiRows{{
    {"", 3, 0, 0, 0, 0, 1, 0, 0, 0},                    // 0 blank template
    {"敵１", 1, 10, 1, 1, 1, 8, 0, 0, 0},               // 1 walker
    {"女の子", 5, 10, 2, 1, 1, 6, 0, 0, 0},             // 2 hopper
    {"芋虫", 6, 10, 1, 1, 2, 0, 1, 24, 1},              // 3 still shooter
    {"オババ", 7, 10, 3, 1, 1, 0, 1, 16, 1},            // 4 high hopper
    {"ベイボ", 8, 10, 1, 0, 1, 4, 2, 48, 2},            // 5 six-way shooter
    {"風見鶏", 9, 10, 1, 0, 1, 2, 3, 16, 3},            // 6 bomb dropper
    {"爆弾", 14, 10, 4, 0, 1, 4, 0, 0, 0},              // 7 bomb (bursts after 60 ticks)
    {"無　　", 0, 10, 1, 0, 1, 0, 0, 0, 0},             // 8 invisible blast of a bomb
    {"ハーエ", 15, 10, 5, 0, 1, 4, 1, 12, 2},           // 9 zigzag shooter
    {"ローボ", 16, 10, 2, 1, 3, 0, 4, 32, 3},           // 10 three-way shooter
    {"敵２", 17, 10, 1, 1, 2, 8, 0, 0, 0},              // 11
    {"敵３", 18, 10, 1, 1, 3, 8, 0, 0, 0},              // 12
    {"敵４", 19, 10, 1, 1, 4, 8, 0, 0, 0},              // 13
    {"ＵＦＯ", 20, 10, 1, 0, 5, 5, 5, 3, 1},            // 14 drops walkers
    {"赤UFO", 21, 10, 1, 0, 5, 6, 6, 0, 1},             // 15
    {"おばけ", 22, 10, 6, 0, 10, 6, 0, 0, 0},           // 16 chaser
    {"針　　", 57, 10, 0, 0, 99, 0, 0, 0, 0},           // 17 needle, cannot be hurt
    {"ハーベ", 58, 10, 5, 0, 2, 4, 1, 4, 1},            // 18
    {"ボウズ", 59, 10, 1, 0, 1, 0, 7, 0, 1},            // 19
    {"青UFO", 60, 10, 1, 0, 3, 1, 0, 0, 1},             // 20
    {"女の子２", 61, 10, 2, 1, 2, 4, 1, 24, 1},         // 21
    {"オババ２", 62, 10, 3, 1, 2, 2, 0, 0, 0},          // 22
    {"ベイボ２", 63, 10, 1, 0, 2, 3, 8, 0, 1},          // 23
    {"風見鶏２", 64, 10, 1, 0, 2, 2, 3, 4, 1},          // 24
    {"ローボ２", 65, 10, 2, 1, 3, 0, 4, 32, 2},         // 25
}};

} // namespace

void fill_teki_type(Game& g) {
    for (std::size_t t = 0; t < kTekiRows.size(); ++t) {
        const TekiRow& r = kTekiRows[t];
        tman m; // every field the table does not name stays 0
        m.name = r.name;
        m.image = r.image;
        m.size = r.size;
        m.move = r.move;
        m.gravity = r.gravity;
        m.hp = r.hp;
        m.move_wait = r.move_wait;
        m.shot = r.shot;
        m.shot_wait = r.shot_wait;
        m.shot_speed = r.shot_speed;
        g.teki_type[t + 1] = m;
    }
}

} // namespace tsu
