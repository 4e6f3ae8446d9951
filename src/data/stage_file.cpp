// Stage files and chip.dat against the game state.
#include "data/stage_file.h"

#include "data/file_io.h"
#include "data/stage_dat.h"
#include "game/game.h"
#include "game/item_spawn.h"
#include "game/teki_spawn.h"

#include <memory>

namespace tsu {

namespace {

constexpr int kLowerChips = 50; // chip_img[0..49]
constexpr int kUpperLimit = 23; // upper chips 0..22
constexpr int kTekiLimit = 26;  // enemy types 0..25
constexpr int kWeathers = 5;    // 晴れ 小雨 嵐 雪 秋風
constexpr int kItemSize = 10;

// Item kind placed by each upper chip; 0 for chips that place nothing.
constexpr int kItemOfUpper[kUpperLimit] = {
    0,          // 0
    kPlainCoin, // 1 coin
    5,          // 2 red fire
    6,          // 3 clone technique
    7,          // 4 invincibility technique
    8,          // 5 extra life
    0, 0, 0,    // 6 treasure box, 7, 8 ice block
    11,         // 9 bag
    10,         // 10 gold piece
    12,         // 11 blade
    13,         // 12 three-way kunai
    14,         // 13 love note
    0, 0, 0, 0, 0, 0, 0, 0, 0,
};

void report(Game& g, const std::string& text) {
    if (g.platform != nullptr) g.platform->message_box(text);
}

// Stores value k of the file (field k % 3 of cell k / 3) into the grid the
// way play needs it, placing items and enemies on the way.
void apply_value(Game& g, const StageGrid& grid, int k) {
    const int index = k / 3;
    const int c = index / kStageRows;
    const int r = index % kStageRows;
    const cell& from = grid.cells[std::size_t(index)];
    cell& to = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
    switch (k % 3) {
    case 0:
        to.lower = (from.lower >= 0 && from.lower < kLowerChips) ? from.lower : 0;
        break;
    case 1:
        if (from.upper >= 0 && from.upper < kUpperLimit && kItemOfUpper[from.upper] != 0)
            spawn_item(g, c, r, kItemSize, kItemOfUpper[from.upper]);
        to.upper = (from.upper >= 0 && from.upper < kUpperLimit) ? from.upper : 0;
        break;
    default:
        to.teki = (from.teki >= 0 && from.teki < kTekiLimit) ? from.teki : 0;
        if (to.teki >= 1) spawn_teki(g, c, r, to.teki);
        break;
    }
}

} // namespace

std::string stage_path(const Game& g, int n) {
    return g.read_path("map" + std::to_string(n) + ".dat");
}

std::string chip_path(const Game& g) { return g.read_path("chip.dat"); }

bool load_chips(Game& g) {
    const std::string path = chip_path(g);
    std::string text, error;
    if (!read_file(path, text, error)) {
        report(g, error);
        return false;
    }
    if (!parse_chip_dat(text, g.pass_lower, g.pass_upper, error)) {
        report(g, path + ", " + error);
        return false;
    }
    return true;
}

bool save_chips(Game& g) {
    std::string error;
    if (!write_file_atomic(g.write_path("chip.dat"), format_chip_dat(g.pass_lower, g.pass_upper), error)) {
        report(g, error);
        return false;
    }
    return true;
}

bool load_stage(Game& g, int n) {
    n += 10 * g.stage_set;
    g.scroll = 0;
    clear_objects(g);

    const std::string path = stage_path(g, n);
    std::string text, error;
    if (!read_file(path, text, error)) {
        report(g, error);
        return false;
    }
    auto grid = std::make_unique<StageGrid>();
    StageDatProgress progress;
    const bool complete = parse_stage_dat(text, *grid, progress);
    for (int k = 0; k < progress.values; ++k) apply_value(g, *grid, k);
    if (!complete) {
        report(g, path + ", " + progress.error);
        return false;
    }
    g.stage_weather = grid->weather;

    if (!load_chips(g)) return false;

    if (g.stage_weather >= 0 && g.stage_weather < kWeathers) g.tenki_down = g.stage_weather;
    g.my.weather = g.stage_weather;
    if (g.my.easy == 1) g.my.lives += 1;
    return true;
}

bool save_stage(Game& g, int n) {
    auto grid = std::make_unique<StageGrid>();
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r)
            grid->at(c, r) = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
    grid->weather = g.stage_weather;

    std::string error;
    if (!write_file_atomic(g.write_path("map" + std::to_string(n) + ".dat"), format_stage_dat(*grid), error)) {
        report(g, error);
        return false;
    }
    if (n < 100) return save_chips(g);
    return true;
}

} // namespace tsu
