// The tick's steps that the game does not have yet. Each does nothing until
// its subsystem is written; make_game_steps() wires them in the tick order so
// that the order is fixed from the start.
#include "game/game.h"

namespace tsu {

namespace {
void not_built(Game&) {}
} // namespace

TickSteps make_game_steps() {
    TickSteps s;
    s.background_weather = not_built;
    s.map_drawing = not_built;
    s.item_step = not_built;
    s.enemy_step = not_built;
    s.collision_pass = not_built;
    s.player_step = not_built;
    s.ring_step = not_built;
    s.draw_effects = not_built;
    s.status_display = not_built;
    s.key_z_action = not_built;
    s.key_x_action = not_built;
    s.key_c_action = not_built;
    s.key_a_action = not_built;
    s.gauge_decay = not_built;
    s.clear_screen_step = not_built;
    s.run_result_step = not_built;
    s.editor_info = not_built;
    s.s_technique = not_built;
    return s;
}

} // namespace tsu
