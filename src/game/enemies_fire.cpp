// The firing patterns as data. Shots start at the enemy's cell; a direction
// (dx, dy) becomes the periods vx = dx * shot_speed, vy = dy * shot_speed.
#include "game/enemies_fire.h"

#include "game/enemies.h"
#include "game/game.h"
#include "game/teki_spawn.h"

namespace tsu {

namespace {

constexpr FireDir L{-1, 0}, R{1, 0}, U{0, -1}, D{0, 1};
constexpr FireDir UL{-1, -1}, UR{1, -1}, DL{-1, 1}, DR{1, 1};

constexpr FirePattern kNone{};
using C = FireClock;

// Row k is firing pattern k.
constexpr std::array<FirePattern, kFirePatterns> kPatterns{{
    kNone,
    // 1: one shot to the left
    {C::slot_frame, 60, 0, 0, 10, 0, 1, {L}, 1, {L}},
    // 2: six ways on NOMAL, the diagonals only on EASY
    {C::slot_frame, 20, 0, 0, 12, 0, 6, {L, R, UL, UR, DL, DR}, 4, {UL, UR, DL, DR}},
    // 3: drops a bomb
    {C::slot_frame, 30, 0, 0, 0, 7, 0, {}, 0, {}},
    // 4: a fan to the left
    {C::frame, 20, 0, 0, 12, 0, 3, {L, UL, DL}, 3, {L, UL, DL}},
    // 5: drops a walker
    {C::frame, 20, 0, 0, 0, 1, 0, {}, 0, {}},
    // 6: left and right in a burst
    {C::age, 0, 20, 3, 12, 0, 2, {L, R}, 2, {L, R}},
    // 7: up and down in a burst
    {C::age, 0, 20, 6, 12, 0, 2, {U, D}, 2, {U, D}},
    // 8: six ways in a burst
    {C::age, 0, 30, 6, 12, 0, 6, {L, R, UL, UR, DL, DR}, 6, {L, R, UL, UR, DL, DR}},
}};

} // namespace

const FirePattern& fire_pattern(int shot) {
    if (shot < 0 || shot >= kFirePatterns) return kNone;
    return kPatterns[std::size_t(shot)];
}

bool fires_now(const Game& g, int slot) {
    const tman& t = g.teki[std::size_t(slot + 1)];
    const FirePattern& p = fire_pattern(t.shot);
    const bool easy = g.my.easy == 1;
    switch (p.clock) {
    case FireClock::never:
        return false;
    case FireClock::slot_frame:
    case FireClock::frame: {
        if (t.shot_wait < 1) return false;
        // Widened: a template's shot_wait plus the EASY pause stays exact.
        const long long period = static_cast<long long>(t.shot_wait) + (easy ? p.easy_extra : 0);
        const long long clock =
            static_cast<long long>(g.frame_count) + (p.clock == FireClock::slot_frame ? slot : 0);
        return clock % period == 0;
    }
    case FireClock::age: {
        const int32_t phase = t.alive % p.age_period;
        return easy ? phase == 0 : phase <= p.burst;
    }
    }
    return false;
}

void enemy_fire(Game& g, int slot) {
    const tman& t = g.teki[std::size_t(slot + 1)];
    if (t.hp <= 0 || !fires_now(g, slot)) return;
    const FirePattern& p = fire_pattern(t.shot);
    // Copies: a spawn into a full pool may overwrite this very slot.
    const int column = t.x, row = t.y, s = t.shot_speed;
    if (p.spawn_type != 0) {
        spawn_teki(g, column, row, p.spawn_type);
        return;
    }
    const bool easy = g.my.easy == 1;
    const int count = easy ? p.easy_count : p.nomal_count;
    const auto& dirs = easy ? p.easy : p.nomal;
    for (int k = 0; k < count; ++k) {
        const FireDir d = dirs[std::size_t(k)];
        spawn_teki_shot(g, column, row, p.image, d.dy * s, d.dx * s);
    }
}

} // namespace tsu
