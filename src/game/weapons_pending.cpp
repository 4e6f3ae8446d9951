// The weapons are not built yet: these steps do nothing.
#include "game/weapons.h"

namespace tsu {

void shot_step(Game&) {}
void draw_weapons(Game&) {}
void ring_step(Game&) {}
void attack_checks(Game&) {}
void z_action(Game&) {}
void c_action(Game&) {}
void a_action(Game&) {}
void s_technique(Game&) {}

} // namespace tsu
