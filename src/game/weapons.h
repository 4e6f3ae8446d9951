// The heroine's weapons and techniques: shots, fire, blade, the ring, and
// what they do to enemies.
#pragma once

namespace tsu {

struct Game;

void shot_step(Game& g);     // her shots move and are drawn (in the player step)
void draw_weapons(Game& g);  // red and blue fire, the blade swing (in the player step)
void ring_step(Game& g);     // the invincibility ring
void attack_checks(Game& g); // her attacks against enemies, boxes and bags (collision pass)
void z_action(Game& g);      // throw
void c_action(Game& g);      // invincibility technique
void a_action(Game& g);      // clone technique
void s_technique(Game& g);   // comment barrage (the S key itself)

// A shot of `kind` at a view cell, in the next free slot of the shot ring.
void spawn_shot(Game& g, int column, int row, int kind);

// How an enemy was defeated: it decides the combo and the coins dropped.
enum class DefeatBy { blade, shot, comment, ring, red_fire, blue_fire };
// The consequences of bringing enemy slot `slot` to 0 hit points.
void defeat(Game& g, int slot, DefeatBy by);

} // namespace tsu
