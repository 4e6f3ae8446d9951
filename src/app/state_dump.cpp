// Writing the game state as JSON under the game's own names.
#include "app/state_dump.h"

#include "app/headless_platform.h"
#include "app/ranking_dump.h"
#include "editor/editor.h"
#include "game/game.h"
#include "widgets/latch_button.h"
#include "widgets/spin_edit.h"

namespace tsu {

namespace {

using json = nlohmann::ordered_json;

json dump_my(const tmy& m) {
    json j;
    j["place"] = m.place;
    j["name"] = m.name;
#define TSU_FIELD(f) j[#f] = m.f
    TSU_FIELD(initialized); TSU_FIELD(fly); TSU_FIELD(blue_fire); TSU_FIELD(kantsu);
    TSU_FIELD(combo); TSU_FIELD(combo_timer); TSU_FIELD(hi_stage); TSU_FIELD(hi_chara);
    TSU_FIELD(age); TSU_FIELD(fuel); TSU_FIELD(stages_played); TSU_FIELD(love);
    TSU_FIELD(kunai); TSU_FIELD(blade); TSU_FIELD(swing); TSU_FIELD(stage_no);
    TSU_FIELD(red_fire); TSU_FIELD(muteki_stock); TSU_FIELD(bunshin_stock);
    TSU_FIELD(danmaku_stock); TSU_FIELD(hi_score); TSU_FIELD(gold); TSU_FIELD(muteki);
    TSU_FIELD(ring_r); TSU_FIELD(ring_v); TSU_FIELD(sp_timer); TSU_FIELD(lives);
    TSU_FIELD(jump); TSU_FIELD(x); TSU_FIELD(y); TSU_FIELD(target_x); TSU_FIELD(target_y);
    TSU_FIELD(size); TSU_FIELD(blink); TSU_FIELD(weather); TSU_FIELD(all_clear);
    TSU_FIELD(kills); TSU_FIELD(misses); TSU_FIELD(throws);
    j["stage_cleared"] = m.stage_cleared;
    j["ex_play"] = json::array();
    for (int s = 1; s <= 6; ++s) j["ex_play"].push_back(m.ex_play[std::size_t(s)]);
    TSU_FIELD(ir_time); TSU_FIELD(ir_id); TSU_FIELD(play_count); TSU_FIELD(effect_off);
    TSU_FIELD(music_off); TSU_FIELD(se_off); TSU_FIELD(easy);
#undef TSU_FIELD
    j["ex_best"] = json::array();
    for (int s = 1; s <= 6; ++s) {
        const ex_record& r = m.ex_best[std::size_t(s)];
        j["ex_best"].push_back({{"stage", r.stage}, {"chara", r.chara}, {"gold", r.gold}});
    }
    return j;
}

json dump_record(int slot, const tman& t) {
    json j;
    j["slot"] = slot;
    if (!t.name.empty()) j["name"] = t.name;
    j["kind"] = t.kind;
    j["image"] = t.image;
    j["size"] = t.size;
    j["x"] = t.x;
    j["y"] = t.y;
    j["vx"] = t.vx;
    j["vy"] = t.vy;
    j["move"] = t.move;
    j["jump"] = t.jump;
    j["gravity"] = t.gravity;
    j["anim"] = t.anim;
    j["hp"] = t.hp;
    j["alive"] = t.alive;
    j["move_wait"] = t.move_wait;
    j["shot"] = t.shot;
    j["shot_wait"] = t.shot_wait;
    j["shot_speed"] = t.shot_speed;
    return j;
}

// Slot s of a pool is row s + 1 of its array (row 0 is never used).
template <std::size_t N> json dump_pool(const std::array<tman, N>& pool) {
    json a = json::array();
    for (std::size_t i = 1; i < N; ++i)
        if (pool[i].alive >= 1) a.push_back(dump_record(int(i) - 1, pool[i]));
    return a;
}

json dump_records(const std::vector<HeadlessPlatform::Record>& records, const char* field) {
    json a = json::array();
    for (const auto& r : records) a.push_back({{"tick", r.tick}, {field, r.text}});
    return a;
}

// Every shown control where it stands in the client area.
json dump_controls(const ControlTree& tree) {
    json a = json::array();
    const Control* focus = tree.focus();
    tree.for_each_shown([&](const Control& c) {
        const Rect r = c.client_rect();
        json j;
        j["name"] = c.name();
        j["kind"] = control_kind_name(c.kind());
        j["text"] = c.shown_text();
        j["x"] = r.left;
        j["y"] = r.top;
        j["w"] = r.width();
        j["h"] = r.height();
        j["enabled"] = c.enabled;
        if (const auto* latch = dynamic_cast<const LatchButton*>(&c)) j["down"] = latch->down();
        j["focus"] = &c == focus;
        a.push_back(j);
    });
    return a;
}

// The stage editor beside the game's own variables: the stage file the
// buttons address, the undo history and the solver's last verdict.
json dump_editor(const Game& g) {
    const EditorState& e = g.edit;
    const auto* v = dynamic_cast<const SpinEdit*>(g.controls.find("map_v"));
    json j;
    j["sel_lower"] = g.sel_lower;
    j["sel_upper"] = g.sel_upper;
    j["sel_teki"] = g.sel_teki;
    j["kind"] = e.user_kind ? "user" : "official";
    j["map_v"] = v != nullptr ? v->number() : 0;
    j["stage"] = editor_stage_number(g);
    j["weather"] = g.tenki_down;
    j["undo_depth"] = e.history.undo_depth();
    j["redo_depth"] = e.history.redo_depth();
    j["unsaved"] = e.revision != e.clean_revision;
    j["verdict"] = e.verdict;
    return j;
}

} // namespace

json dump_state(const Game& g, const HeadlessPlatform* platform) {
    json j;
    j["mode"] = g.mode;
    j["paused"] = g.paused;
    j["editor"] = g.editor;
    j["test_play"] = g.test_play;
    j["chara"] = g.chara;
    j["stage_set"] = g.stage_set;
    j["frame_count"] = g.frame_count;
    j["scroll"] = g.scroll;
    j["scroll_tick"] = g.scroll_tick;
    j["wipe"] = g.wipe;
    j["wipe_size"] = g.wipe_size;
    j["gold_shown"] = g.gold_shown;
    j["gold_milestone"] = g.gold_milestone;
    j["stage_weather"] = g.stage_weather;
    j["love_guard"] = g.love_guard;
    j["comment"] = g.comment;
    j["keys"] = {{"key_left", g.key_left},     {"key_right", g.key_right},
                 {"key_up", g.key_up},         {"key_down", g.key_down},
                 {"key_z", g.key_z},           {"key_x", g.key_x},
                 {"key_a", g.key_a},           {"key_c", g.key_c},
                 {"key_z_held", g.key_z_held}, {"key_x_held", g.key_x_held},
                 {"key_a_held", g.key_a_held}, {"key_c_held", g.key_c_held}};
    j["mouse_x"] = g.mouse_x;
    j["mouse_y"] = g.mouse_y;
    j["mouse_held"] = g.mouse_held;
    j["sel_lower"] = g.sel_lower;
    j["sel_upper"] = g.sel_upper;
    j["sel_teki"] = g.sel_teki;
    j["last_se"] = g.last_se;
    j["last_se_timer"] = g.last_se_timer;
    j["music_title"] = g.music_title;
    j["client_width"] = g.client_width;
    j["client_height"] = g.client_height;
    j["my"] = dump_my(g.my);
    j["teki_next"] = g.teki_next;
    j["shot_next"] = g.shot_next;
    j["teki_shot_next"] = g.teki_shot_next;
    j["item_next"] = g.item_next;
    j["block_next"] = g.block_next;
    j["teki"] = dump_pool(g.teki);
    j["shot"] = dump_pool(g.shot);
    j["teki_shot"] = dump_pool(g.teki_shot);
    j["item"] = dump_pool(g.item);
    j["block"] = dump_pool(g.block);
    json effects = json::array();
    for (int i = 0; i < kEffectSlots; ++i) {
        const auto s = std::size_t(i);
        if (g.effects.ef_age[s] < 1) continue;
        effects.push_back({{"slot", i},
                           {"kind", g.effects.ef_kind[s]},
                           {"age", g.effects.ef_age[s]},
                           {"x", g.effects.ef_x[s]},
                           {"y", g.effects.ef_y[s]},
                           {"text", g.effects.ef_text[s]}});
    }
    j["effect_cursor"] = g.effects.effect_cursor;
    j["effects"] = effects;
    json panels = json::array();
    if (g.panels.option_box) panels.push_back("option_box");
    if (g.panels.tusin_box) panels.push_back("tusin_box");
    if (g.panels.ex_box) panels.push_back("ex_box");
    if (g.panels.ir_rank_box) panels.push_back("ir_rank_box");
    j["panels"] = panels;
    j["option_switches"] = {{"option_b1", g.panels.option_b1},
                            {"se_b1", g.panels.se_b1},
                            {"nomal_b1", g.panels.nomal_b1},
                            {"ef_b1", g.panels.ef_b1},
                            {"easy_l", g.panels.easy_l}};
    j["controls"] = dump_controls(g.controls);
    dump_ranking(g, j);
    j["editor_state"] = dump_editor(g);
    if (platform) {
        j["sounds"] = dump_records(platform->sounds, "name");
        j["messages"] = dump_records(platform->messages, "text");
        j["music"] = dump_records(platform->music, "file");
    }
    json cells = json::array();
    for (int c = 0; c < kMapColumns; ++c)
        for (int r = 0; r < kMapRows; ++r) {
            const cell& m = g.map[std::size_t(c)][std::size_t(r)];
            if (m.lower == 0 && m.upper == 0 && m.teki == 0) continue;
            cells.push_back({{"column", c - 1},
                             {"row", r - 1},
                             {"lower", m.lower},
                             {"upper", m.upper},
                             {"teki", m.teki}});
        }
    j["map"] = cells;
    return j;
}

} // namespace tsu
