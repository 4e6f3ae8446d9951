// Enemy spawn over the ring of the enemy pool.
#include "game/teki_spawn.h"

#include "game/game.h"

namespace tsu {

namespace {
constexpr int kTekiRing = 999; // ring slots 0..998 = rows 1..999

int32_t next_teki_slot(int32_t s) { return (s < 0 || s >= kTekiRing - 1) ? 0 : s + 1; }
} // namespace

void spawn_teki(Game& g, int column, int row, int type) {
    if (type <= 0) return;
    // Template row type + 1 must exist; rows past the table are empty records.
    if (type + 1 >= int(g.teki_type.size())) return;

    for (int step = 0; step < kTekiRing; ++step) {
        g.teki_next = next_teki_slot(g.teki_next);
        if (g.teki[std::size_t(g.teki_next + 1)].alive < 1) break;
    }
    if (g.teki_next < 0 || g.teki_next >= kTekiRing) g.teki_next = 0;

    tman& t = g.teki[std::size_t(g.teki_next + 1)];
    t = g.teki_type[std::size_t(type + 1)];
    t.kind = type;
    t.x = column;
    t.y = row;
    t.alive = 1;
    t.jump = 0;
    if (g.my.easy == 1) t.hp = 1; // every enemy dies to one hit on EASY
}

} // namespace tsu
