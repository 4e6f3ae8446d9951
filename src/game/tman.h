// The game's record types: `tman` (one layout for every object pool),
// `cell` (one square of the stage grid) and `tmy` (the player record).
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tsu {

// One record of an object pool (enemies, shots, enemy shots, items, blocks,
// enemy type templates). Each pool uses the fields it needs.
struct tman {
    std::string name;    // enemy type name (templates; copied into `teki` on spawn)
    int32_t kind = 0;    // enemy type, shot kind or item kind
    int32_t image = 0;   // sprite index into cg_img
    int32_t size = 0;    // half size in pixels of the drawn square
    int32_t x = 0;       // map column (teki, item) or view column (shot, teki_shot, block)
    int32_t y = 0;       // row
    int32_t vx = 0;      // enemy shot: signed period of horizontal steps
    int32_t vy = 0;      // enemy shot: signed period of vertical steps
    int32_t move = 0;    // enemy movement pattern 0..6
    int32_t jump = 0;    // ticks of rising left
    int32_t gravity = 0; // 1 falls and hops, 0 floats
    int32_t anim = 0;    // two-frame animation toggle
    int32_t hp = 0;      // hit points; 99 cannot be hurt
    int32_t alive = 0;   // 0 free; >0 in use (enemies and blocks: ticks since appearing)
    int32_t move_wait = 0;  // ticks between movement steps
    int32_t shot = 0;       // enemy firing pattern
    int32_t shot_wait = 0;  // ticks between volleys
    int32_t shot_speed = 0; // period of the enemy's shots
};

struct cell {
    int32_t lower = 0; // lower chip 0..49
    int32_t upper = 0; // upper chip 0..22
    int32_t teki = 0;  // enemy type 0..25
};

// The best run of one extra pack.
struct ex_record {
    int32_t stage = 0; // stage_no reached
    int32_t chara = 0; // heroine + 1
    int32_t gold = 0;
};

// The player record: profile, options, saved records, the current run and stage.
struct tmy {
    std::string place;         // profile region (saved)
    std::string name;          // ranking name; empty = not registered (saved)
    int32_t initialized = 0;   // saved; 1 once reset
    int32_t fly = 0;           // flight power-up timer
    int32_t blue_fire = 0;     // blue fire timer
    int32_t kantsu = 0;        // piercing shuriken timer
    int32_t combo = 0;
    int32_t combo_timer = 0;
    int32_t hi_stage = 0;      // saved
    int32_t hi_chara = 0;      // saved, chara + 1
    int32_t age = 0;           // saved
    int32_t fuel = 0;          // second heroine's flight fuel 0..70
    int32_t stages_played = 0;
    int32_t love = 0;          // love-note shield timer
    int32_t kunai = 0;         // three-way kunai timer
    int32_t blade = 0;         // blade timer
    int32_t swing = 0;         // blade swing phase 4..1
    int32_t stage_no = 0;
    int32_t red_fire = 0;
    int32_t muteki_stock = 0;  // C technique stock 0..3
    int32_t bunshin_stock = 0; // A technique stock 0..3
    int32_t danmaku_stock = 0; // S technique stock 0..3
    int32_t hi_score = 0;      // saved
    int32_t gold = 0;
    int32_t muteki = 0;        // invincibility ring timer
    int32_t ring_r = 0;
    int32_t ring_v = 0;
    int32_t sp_timer = 0;      // X-special gauge
    int32_t lives = 0;
    int32_t jump = 0;
    int32_t x = 0;             // view column 0..25
    int32_t y = 0;             // row 0..19
    int32_t target_x = 0;
    int32_t target_y = 0;
    int32_t size = 0;          // drawn half size in pixels
    int32_t blink = 0;         // hit blink counter, 1 = vulnerable
    int32_t weather = 0;       // 0..4
    int32_t all_clear = 0;
    int32_t kills = 0;
    int32_t misses = 0;
    int32_t throws = 0;
    std::array<int32_t, 10> stage_cleared{};
    std::array<int32_t, 7> ex_play{};    // index 1..6 = extra pack (saved)
    int32_t ir_time = 0;                 // minute stamp of the last ranking request
    int32_t ir_id = 0;                   // saved
    int32_t play_count = 0;              // saved
    int32_t effect_off = 0;              // saved, 0 ON 1 OFF
    int32_t music_off = 0;               // saved
    int32_t se_off = 0;                  // saved
    int32_t easy = 0;                    // saved, 0 NOMAL 1 EASY
    std::array<ex_record, 7> ex_best{};  // index 1..6 = extra pack (saved)
};

} // namespace tsu
