// The editor's buttons: scrolling, weather, MAP SAVE and MAP LOAD, clearing
// the stage and the test play. The editor always works on the official and
// user files themselves (stage set 0), whatever run came before, so MAP
// LOAD, MAP SAVE and the test play address the same file.
#include "editor/editor.h"

#include "data/stage_file.h"
#include "editor/editor_recovery.h"
#include "editor/editor_verdict.h"
#include "game/assets.h"
#include "game/game.h"
#include "game/modes.h"
#include "render/effect_spawn.h"
#include "ui/panels.h"

#include <algorithm>

namespace tsu {

namespace {

constexpr const char* kClearQuestion = "全てを消したいときは、はいを押してね";
constexpr const char* kTestPlayQuestion =
    "テストプレイは必ずステージを【セーブ】してから行ってください。\n"
    "テストプレイ後修正する場合は、テストプレイ後に改めてロードし直して修正して下さい\n"
    "テストプレイしますか？";
constexpr const char* kTestPlayBanner = "テストプレイ [M]キーで復帰します";
constexpr int kBannerEffect = 6; // the side message sliding in from the right
constexpr int kClearedColumns = 100;
constexpr int kClearedRows = 21;

int map_v(Game& g) { return spin_edit(g, "map_v").number(); }

// "ユーザー3ステージにセーブします" and the like.
std::string prompt(Game& g, const char* what) {
    return std::string(g.edit.user_kind ? "ユーザー" : "") + std::to_string(map_v(g)) + what;
}

// Loads stage n of the official and user files as one undo step; true when
// the whole stage was read.
bool load_as_step(Game& g, int n) {
    const std::vector<cell> before = grid_snapshot(g);
    const int32_t weather_before = g.stage_weather;
    g.stage_set = 0;
    const bool ok = load_stage(g, n);
    EditStep step = diff_since(g, before, weather_before);
    EditorState& e = g.edit;
    if (!step.empty()) {
        e.history.push(std::move(step));
        e.revision += 1;
    }
    if (ok) e.clean_revision = e.revision;
    return ok;
}

} // namespace

int editor_stage_number(const Game& g) {
    const Control* v = g.controls.find("map_v");
    const int n = v != nullptr ? static_cast<const SpinEdit*>(v)->number() : 0;
    return g.edit.user_kind ? n + 100 : n;
}

void editor_scroll(Game& g, int by) { g.scroll = std::clamp(g.scroll + by, 0, kScrollMax); }

void editor_weather(Game& g, int weather) {
    g.my.weather = weather;
    g.stage_weather = weather;
}

void map_save(Game& g) {
    editor_release(g);
    const int n = editor_stage_number(g);
    if (!g.platform->ask_yes_no(prompt(g, "ステージにセーブします"))) return;
    g.stage_weather = g.tenki_down;
    if (!save_stage(g, n)) return;
    g.edit.clean_revision = g.edit.revision;
    drop_recovery(g);
    start_verdict(g);
}

void map_load(Game& g) {
    editor_release(g);
    const int n = editor_stage_number(g);
    if (!g.platform->ask_yes_no(prompt(g, "ステージをロードします"))) return;
    load_as_step(g, n);
}

void clear_stage(Game& g) {
    editor_release(g);
    if (!g.platform->ask_yes_no(kClearQuestion)) return;
    EditStep step;
    for (int c = 1; c <= kClearedColumns; ++c)
        for (int r = 1; r <= kClearedRows; ++r) step.change(g, c, r, cell{});
    step.cells.erase(std::remove_if(step.cells.begin(), step.cells.end(),
                                    [](const CellChange& c) {
                                        return c.before.lower == 0 && c.before.upper == 0 && c.before.teki == 0;
                                    }),
                     step.cells.end());
    if (step.empty()) return;
    apply_step(g, step, false);
    g.edit.history.push(std::move(step));
    g.edit.revision += 1;
}

void start_test_play(Game& g) {
    editor_release(g);
    if (!g.platform->ask_yes_no(kTestPlayQuestion)) return;
    play_se(g, "1.wav");
    g.paused = false;
    g.mode = 1;
    tmy& my = g.my;
    reset_run_stock(my);
    reset_stage(g);
    const int n = editor_stage_number(g);
    my.stage_no = n;
    g.mouse_held = 0;
    // The stage is played from its file; a stage that cannot be read was
    // reported and the editor stays open. The load is an undo step, so
    // edits that were not saved first can be taken back afterwards.
    if (!load_as_step(g, n)) return;
    g.editor = false;
    g.test_play = true;
    spawn_effect(g, kViewWidth, 31, kBannerEffect, kTestPlayBanner);
    g.client_width = kViewWidth;
    g.client_height = kViewHeight;
    g.platform->set_client_size(g.client_width, g.client_height);
}

void editor_opened(Game& g) {
    // The passability tables come from chip.dat with a stage; before the
    // first stage of a session they are empty, and an official MAP SAVE
    // would write them over chip.dat. The editor reads chip.dat itself.
    load_chips(g);
    paint_palettes(g);
    offer_recovery(g);
}

void editor_closing(Game& g) {
    editor_release(g);
    write_recovery_now(g);
}

} // namespace tsu
