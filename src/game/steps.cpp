// The game's real steps, in the order of the tick's table.
#include "editor/editor.h"
#include "game/collision.h"
#include "game/enemies.h"
#include "game/game.h"
#include "game/items.h"
#include "game/player.h"
#include "game/status.h"
#include "game/weapons.h"
#include "render/effects.h"
#include "render/map_drawing.h"
#include "render/weather.h"
#include "ui/panels.h"
#include "ui/result_screens.h"

namespace tsu {

TickSteps make_game_steps() {
    TickSteps s;
    s.background_weather = draw_background_weather;
    s.map_drawing = map_drawing;
    s.item_step = item_step;
    s.enemy_step = enemy_step;
    s.collision_pass = collision_pass;
    s.player_step = player_step;
    s.ring_step = ring_step;
    s.draw_effects = draw_effects;
    s.status_display = status_display;
    s.key_z_action = z_action;
    s.key_x_action = x_special;
    s.key_c_action = c_action;
    s.key_a_action = a_action;
    s.gauge_decay = gauge_decay;
    s.clear_screen_step = draw_clear_result;
    s.run_result_step = draw_run_result;
    s.editor_info = editor_info;
    s.s_technique = s_technique;
    s.panel_timers = panel_timers;
    return s;
}

} // namespace tsu
