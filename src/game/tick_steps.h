// The steps the main tick calls in its fixed order. They are plain function
// pointers so that a test can put recording fakes in their place; a new Game
// gets the real steps (make_game_steps).
#pragma once

namespace tsu {

struct Game;
using Step = void (*)(Game&);

struct TickSteps {
    Step background_weather = nullptr; // fills the view, weather particles
    Step map_drawing = nullptr;        // lower and upper chips, vents
    Step item_step = nullptr;          // items fall, are drawn, expire
    Step enemy_step = nullptr;         // enemies and enemy shots
    Step collision_pass = nullptr;     // runs twice per tick
    Step player_step = nullptr;        // the heroine, her shots and weapons
    Step ring_step = nullptr;          // invincibility ring
    Step draw_effects = nullptr;       // effect pool renderer
    Step status_display = nullptr;     // the HUD line of play
    Step key_z_action = nullptr;       // throw
    Step key_x_action = nullptr;       // the heroine's special
    Step key_c_action = nullptr;       // invincibility technique
    Step key_a_action = nullptr;       // clone technique
    Step gauge_decay = nullptr;        // X-special gauge
    Step clear_screen_step = nullptr;  // stage-clear screen (mode 3)
    Step run_result_step = nullptr;    // after-run screen (mode 2)
    Step editor_info = nullptr;        // the editor's info text
    Step s_technique = nullptr;        // comment barrage, run by the S key itself
    Step panel_timers = nullptr;       // the panels' 80 ms timers (record text, ranking detail)
};

// The game's real steps.
TickSteps make_game_steps();

} // namespace tsu
