// The enemies and their shots: the per-tick enemy step and the enemy shot spawn.
#pragma once

namespace tsu {

struct Game;
class EnemyOccupancy;

inline constexpr int kTekiSlots = 1000;  // slots 0..999 = rows 1..1000 of teki
inline constexpr int kBombType = 7;      // bursts after its fuse
inline constexpr int kBlastType = 8;     // the invisible blast a bomb leaves
inline constexpr int kBombFuse = 60;     // alive at which a bomb bursts
inline constexpr int kBlastLife = 15;    // alive at which a blast is gone
inline constexpr int kBurstEffect = 468; // the bomb's burst

// In play outside the editor: draws the enemies in view (before they move),
// moves, fires and ages each of them in slot order, bursts the bombs, then
// runs the enemy shots.
void enemy_step(Game& g);
// An enemy shot at map column `column`, row `row`, moving by the signed
// periods vx, vy, drawn with cg_img[image + anim].
void spawn_teki_shot(Game& g, int column, int row, int image, int vy, int vx);

// The parts of the step, in their order (enemy_step runs all three).
void draw_enemies(Game& g);
// One enemy of pool slot `slot` (row slot + 1), when it is alive and in view;
// `occupancy` is kept up to date with what it and its spawns did.
void step_enemy(Game& g, int slot, EnemyOccupancy& occupancy);

} // namespace tsu
