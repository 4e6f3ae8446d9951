// The whole game state in one object, under the game's own names: the stage
// grid, the passability tables, the picture tables, the object pools, the
// player record `my`, and the screen, input and editor variables.
// Fixed arrays only; nothing here is allocated during play.
#pragma once
#include "editor/editor_state.h"
#include "game/panels.h"
#include "game/platform.h"
#include "game/random.h"
#include "game/save_memory.h"
#include "game/tick_steps.h"
#include "game/tman.h"
#include "ranking/ir_sort.h"
#include "render/bitmap.h"
#include "render/effect_pool.h"
#include "widgets/control_tree.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

inline constexpr int kMapColumns = 301; // map[0..300]
inline constexpr int kMapRows = 101;    // map[..][0..100]
inline constexpr int kViewWidth = 512;
inline constexpr int kViewHeight = 384;
inline constexpr int kCell = 20;        // pixels per cell
inline constexpr int kScrollMax = 74;
inline constexpr int kFrameCountMax = 99999999;

// One particle of the background weather, kept between ticks.
struct tenki_particle {
    int32_t x = 0, y = 0, s = 0, v = 0, r = 0, len = 0, st = 0;
};

struct Game {
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // ---- outside world -------------------------------------------------
    Platform* platform = nullptr;  // never null once the game runs
    std::string root;              // data root: holds cg/, dat/, mp3/ (ends without '/')
    std::string user_dir;          // folder of the files the game writes; empty = root/dat
    std::string ranking_url = "http://127.0.0.1:8610/tsumikiya"; // the ranking server
    Random random;                 // random(n): uniform 0..n-1
    TickSteps steps;               // the simulation and drawing steps of the tick

    // ---- stage grid and passability ---------------------------------
    std::array<std::array<cell, kMapRows>, kMapColumns> map{};
    std::array<int32_t, 100> pass_lower{};
    std::array<int32_t, 100> pass_upper{};

    // ---- pictures ------------------------------------------------------
    Bitmap cg;       // the game view, 512 x 384
    Bitmap bak;      // the light layer, OR-merged over the view each tick
    Bitmap haikei;   // current full-screen background picture
    Bitmap help_cg;  // help picture of the option panel
    Bitmap cg_chip;  // chip.bmp
    Bitmap cg_chip2; // chip2.bmp
    Bitmap teki_cg;  // the editor's enemy palette
    Bitmap user_cg;  // the extra-stage panel's picture
    Bitmap window;   // the client area as presented: view, panels, editor controls
    std::array<Bitmap, 100> cg_img;
    std::array<Bitmap, 50> chip_img;
    std::array<Bitmap, 50> chip2_img;

    // ---- object pools (row 0 never used) ------------------------------
    std::array<tman, 101> teki_type{};
    std::array<tman, 1002> teki{};
    std::array<tman, 101> shot{};
    std::array<tman, 101> teki_shot{};
    std::array<tman, 101> item{};
    std::array<tman, 101> block{};
    int32_t teki_next = 0;      // 0..998
    int32_t shot_next = 0;      // 0..28
    int32_t teki_shot_next = 0; // 0..98
    int32_t item_next = 0;      // 0..98
    int32_t block_next = 0;     // 0..99

    EffectPool effects;
    std::array<tenki_particle, 40> tenki_p{};

    // ---- the player ------------------------------------------------------
    tmy my;
    std::string comment; // profile comment (saved)
    SaveMemory save_memory; // the save file's texts as read, for writing them back

    // ---- screen, input, editor -------------------------------------------
    int32_t mode = 0;          // 0 title, 1 play/editor, 2 after-run, 3 stage clear
    bool paused = false;
    bool editor = false;
    bool test_play = false;
    int32_t chara = 0;         // heroine 0..2
    int32_t stage_set = 0;     // 0 official, 1..6 extra pack
    int32_t frame_count = 0;
    int32_t scroll_tick = 0;   // 0..11
    int32_t scroll = 0;        // 0..74
    int32_t wipe = 0;
    int32_t wipe_size = 0;
    int32_t stage_weather = 0;
    int32_t tenki_down = 0;    // which editor weather button (tenki_b1..5) is down, 0..4
    int32_t gold_shown = 0;
    int32_t love_guard = 0;
    std::array<int32_t, 10> gold_milestone{};
    int32_t key_left = 0, key_right = 0, key_up = 0, key_down = 0;
    int32_t key_z = 0, key_x = 0, key_a = 0, key_c = 0;
    int32_t key_z_held = 0, key_x_held = 0, key_a_held = 0, key_c_held = 0;
    bool shift_held = false;   // for Shift+Tab in the panels
    bool ctrl_held = false;    // for the editor's Ctrl+Z and Ctrl+Y
    int32_t mouse_x = 0, mouse_y = 0;
    int32_t mouse_held = 0;
    int32_t sel_lower = 0, sel_upper = 0, sel_teki = 0;
    std::string last_se;
    int32_t last_se_timer = 0;
    Panels panels;
    ControlTree controls;      // the panels' controls, drawn over the view
    // The internet ranking: the last answer's players, their order per
    // stage set, and what the ranking screen shows.
    RankingTable ranking{};    // entry 0: the server's notice; 1..99: players
    IrOrder ir_order{};        // entry index at rank k + 1 of set s; 0 = none
    int32_t ir_set = 0;        // set shown: 0 official, 1..6 extra pack
    int32_t ir_page = 0;       // 0 ranks 1..22, 1 ranks 23..50
    int32_t ir_mouse_y = 0;    // last mouse y over the ranking lines
    std::vector<std::string> ranking_lines; // texts drawn on the page shown, top to bottom
    std::string ir_failure;    // the last exchange's failure, shown until the next action
    std::string music_title;   // title of the track last started
    std::string music_file;    // path of the track the music player holds
    int32_t client_width = kViewWidth, client_height = kViewHeight;
    EditorState edit;          // the stage editor's own state (undo, recovery, verdict)

    // ---- helpers -----------------------------------------------------------
    // random(n) of the game's algorithms.
    int32_t rnd(int32_t n) { return random(n); }
    // Path of a file in the data root, e.g. path("dat", "1.wav").
    std::string path(const std::string& folder, const std::string& name) const;
    // A data file the player may have written (save file, stages, chip.dat):
    // the user data folder's copy when it exists, else the shipped dat/ one.
    std::string read_path(const std::string& name) const;
    // Where such a file is written: the user data folder.
    std::string write_path(const std::string& name) const;
    // The cell at view column x, row y (view coordinates, no index offset).
    cell& view_cell(int x, int y);
};

// Empties the pools: enemies get the blank template, items, shots and enemy
// shots are freed, and every effect slot is freed.
void clear_objects(Game& g);
// Red fire, piercing shuriken, kunai, blade, love note, invincibility ring,
// blue fire and flight back to 0.
void clear_power_up_timers(tmy& my);
// Stage start: the heroine's position and counters, the pools, the power-up
// timers, the weather particles and the blocks.
void reset_stage(Game& g);

} // namespace tsu
