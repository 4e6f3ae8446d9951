// Keeping, offering and restoring the editor's recovery file.
#include "editor/editor_recovery.h"

#include "data/file_io.h"
#include "data/stage_dat.h"
#include "game/game.h"
#include "ui/panels.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace tsu {

namespace {

// First line of the file; the second holds the kind (1 user, 0 official),
// the third the stage number 0..7, then a whole stage file follows.
constexpr const char* kMagic = "tsumikiya editor recovery 1";
constexpr const char* kQuestion =
    "保存されていない編集が残っています。\n前回の編集を元に戻しますか？";

bool dirty(const Game& g) { return g.edit.revision != g.edit.clean_revision; }

bool next_line(const std::string& text, std::size_t& at, std::string& line) {
    if (at >= text.size()) return false;
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    at = end + 1;
    return true;
}

void write_file(Game& g) {
    std::string error;
    if (!write_file_atomic(recovery_path(g), recovery_text(g), error))
        std::cerr << "tsumikiya: recovery file not written: " << error << '\n';
    g.edit.recovery_revision = g.edit.revision;
    g.edit.ticks_since_recovery = 0;
}

} // namespace

std::string recovery_path(const Game& g) { return g.write_path("editor_recovery.dat"); }

std::string recovery_text(const Game& g) {
    auto grid = std::make_unique<StageGrid>();
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r) grid->at(c, r) = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
    grid->weather = g.stage_weather;
    const Control* v = g.controls.find("map_v");
    const int number = v != nullptr ? static_cast<const SpinEdit*>(v)->number() : 0;
    return std::string(kMagic) + "\r\n" + (g.edit.user_kind ? "1" : "0") + "\r\n" + std::to_string(number) +
           "\r\n" + format_stage_dat(*grid);
}

bool restore_recovery(Game& g, const std::string& text) {
    std::size_t at = 0;
    std::string magic, kind, number;
    if (!next_line(text, at, magic) || magic != kMagic) return false;
    if (!next_line(text, at, kind) || (kind != "0" && kind != "1")) return false;
    if (!next_line(text, at, number) || number.size() != 1 || number[0] < '0' || number[0] > '7') return false;
    auto grid = std::make_unique<StageGrid>();
    StageDatProgress progress;
    if (!parse_stage_dat(std::string_view(text).substr(at), *grid, progress)) return false;

    const std::vector<cell> before = grid_snapshot(g);
    const int32_t weather_before = g.stage_weather;
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r) g.map[std::size_t(c + 1)][std::size_t(r + 1)] = grid->at(c, r);
    g.stage_weather = grid->weather;
    g.my.weather = grid->weather;
    if (grid->weather >= 0 && grid->weather <= 4) g.tenki_down = grid->weather;
    g.edit.user_kind = kind == "1";
    spin_edit(g, "map_v").set_number(number[0] - '0');
    g.edit.history.push(diff_since(g, before, weather_before));
    // Still unsaved: the file stays until the stage is saved.
    g.edit.revision += 1;
    g.edit.recovery_revision = g.edit.revision;
    return true;
}

void keep_recovery(Game& g) {
    EditorState& e = g.edit;
    if (e.ticks_since_recovery < kRecoveryTicks) e.ticks_since_recovery += 1;
    if (e.revision == e.recovery_revision || !dirty(g)) return;
    if (e.ticks_since_recovery < kRecoveryTicks) return;
    write_file(g);
}

void write_recovery_now(Game& g) {
    if (dirty(g) && g.edit.revision != g.edit.recovery_revision) write_file(g);
}

void drop_recovery(Game& g) {
    std::error_code ec;
    std::filesystem::remove(recovery_path(g), ec);
    g.edit.recovery_revision = g.edit.revision;
}

void offer_recovery(Game& g) {
    std::string text, error;
    if (!read_file(recovery_path(g), text, error)) return; // none left behind
    if (g.platform->ask_yes_no(kQuestion) && restore_recovery(g, text)) return;
    drop_recovery(g);
}

} // namespace tsu
