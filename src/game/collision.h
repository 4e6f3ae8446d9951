// Contact between the heroine and the rest of the stage: the collision pass
// (twice per tick) and the hit that hurts her.
#pragma once

namespace tsu {

struct Game;

inline constexpr int kSpikeChip = 13;   // lower chip that hurts her from below
inline constexpr int kHitEffect = 161;  // flash at her centre when she is hit
inline constexpr int kHitBlink = 20;    // blink right after a hit (1 = can be hurt)
inline constexpr int kLoveCost = 66;    // shield ticks a hit takes off the love note
inline constexpr int kLoveGuard = 6;    // ticks the love note ignores hits after one

// In play outside the editor: spikes under her, enemies in her cell, enemy
// shots in her cell, her attacks, pickups and the goal, in that order.
void collision_pass(Game& g);
// Hurts the heroine once: the love note absorbs it while up; otherwise she
// loses a life (not in test play), blinks, stops and hears about it, and the
// run ends when no life is left.
void hit(Game& g);

// The first three sub-steps of the pass, each on its own.
void spike_floor_check(Game& g);
void enemy_contact_check(Game& g);
void enemy_shot_check(Game& g);

} // namespace tsu
