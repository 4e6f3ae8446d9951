// How enemies fire: the eight firing patterns as a table, and the volley of
// one enemy on one tick.
#pragma once
#include <array>
#include <cstdint>

namespace tsu {

struct Game;

// When a pattern fires.
enum class FireClock {
    never,      // pattern 0 and unknown patterns
    slot_frame, // (frame_count + slot) mod period = 0: enemies of one kind take turns
    frame,      // frame_count mod period = 0: every enemy of the kind at once
    age,        // by the enemy's own age (alive): a short burst on NOMAL
};

// One direction of a volley, in cells: the shot's periods are these times
// the enemy's shot_speed.
struct FireDir {
    int8_t dx = 0, dy = 0;
};

struct FirePattern {
    FireClock clock = FireClock::never;
    int32_t easy_extra = 0; // frame clocks: EASY fires every shot_wait + easy_extra ticks
    int32_t age_period = 0; // age clock: the pattern repeats every age_period ticks
    int32_t burst = 0;      // age clock, NOMAL: fires while alive mod age_period <= burst
    int32_t image = 0;      // sprite of the shots (their second frame is image + 1)
    int32_t spawn_type = 0; // non-zero: spawns an enemy of this type instead of shots
    int32_t nomal_count = 0;
    std::array<FireDir, 6> nomal{};
    int32_t easy_count = 0;
    std::array<FireDir, 6> easy{};
};

inline constexpr int kFirePatterns = 9; // 0 (never fires) .. 8

// The pattern of a `shot` value; values outside 0..8 never fire.
const FirePattern& fire_pattern(int shot);

// True when the enemy in pool slot `slot` fires its pattern on this tick.
bool fires_now(const Game& g, int slot);
// The firing step of the enemy in pool slot `slot` (row slot + 1): its volley
// or spawn, when its pattern says so. Only enemies with hp left fire.
void enemy_fire(Game& g, int slot);

} // namespace tsu
