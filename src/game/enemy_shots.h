// The enemy shot pool: spawn (declared with the enemies) and the per-tick
// step that moves, draws and frees the shots.
#pragma once

namespace tsu {

struct Game;

inline constexpr int kTekiShotRecords = 100; // rows 1..100 of teki_shot
inline constexpr int kTekiShotRing = 99;     // spawns use rows 1..99 (ring 0..98)

// Every live enemy shot moves by its periods, flips its frame, is drawn, and
// is freed outside the view or inside a cell of passability exactly 1
// (cells of passability 2 let enemy shots through).
void enemy_shot_step(Game& g);

// One axis of a shot: a signed period v moves one cell in v's direction on
// ticks where frame_count mod |v| is 0; 0 never moves.
int shot_axis_step(int v, int frame_count);

} // namespace tsu
