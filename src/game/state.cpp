// The game state's construction and the two shared resets.
#include "game/game.h"
#include "ui/panels.h"

#include <algorithm>
#include <filesystem>

namespace tsu {

Game::Game() : steps(make_game_steps()) { build_panels(*this); }

std::string Game::path(const std::string& folder, const std::string& name) const {
    std::string p = root;
    if (!p.empty() && p.back() != '/') p += '/';
    p += folder;
    p += '/';
    p += name;
    return p;
}

std::string Game::write_path(const std::string& name) const {
    if (user_dir.empty()) return path("dat", name);
    return user_dir + "/" + name;
}

std::string Game::read_path(const std::string& name) const {
    if (!user_dir.empty()) {
        std::error_code ec;
        const std::string own = write_path(name);
        if (std::filesystem::exists(own, ec)) return own;
    }
    return path("dat", name);
}

cell& Game::view_cell(int x, int y) {
    // Callers may probe one cell beyond the view (left of column 0, below
    // row 19); keep every probe inside the grid.
    const int c = std::clamp(x + scroll + 1, 0, kMapColumns - 1);
    const int r = std::clamp(y + 1, 0, kMapRows - 1);
    return map[std::size_t(c)][std::size_t(r)];
}

void clear_objects(Game& g) {
    for (int i = 1; i <= 1000; ++i) g.teki[std::size_t(i)] = g.teki_type[1];
    for (int i = 1; i <= 100; ++i) {
        g.item[std::size_t(i)].alive = 0;
        g.shot[std::size_t(i)].alive = 0;
        g.teki_shot[std::size_t(i)].alive = 0;
    }
    g.effects.free_all();
}

void clear_power_up_timers(tmy& my) {
    my.red_fire = my.kantsu = my.kunai = my.blade = my.love = my.muteki = my.blue_fire = my.fly =
        0;
}

void reset_stage(Game& g) {
    g.key_left = g.key_right = g.key_up = g.key_down = 0;
    tmy& my = g.my;
    my.size = 25;
    my.x = 3;
    my.y = 17;
    my.target_x = my.x;
    my.blink = 1;
    g.scroll = 0;
    my.combo = 0;
    my.sp_timer = 60;
    my.fuel = 0;
    my.misses = 0;
    my.throws = 0;
    my.kills = 0;
    clear_objects(g);
    g.scroll = 0;
    clear_power_up_timers(my);
    // The weather particles go back to their first-use state: the records
    // start from zero and each weather seeds or recycles them as it runs.
    g.tenki_p.fill(tenki_particle{});
    for (int i = 1; i <= 100; ++i) g.block[std::size_t(i)].alive = 0;
}

} // namespace tsu
