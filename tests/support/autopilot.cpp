#include "support/autopilot.h"

#include "game/events.h"

#include <algorithm>

namespace tsu::testing {

Autopilot::Autopilot(Game& g) : g_(g) {}

void Autopilot::restart() {
    hold(vk::right, right_, false);
    hold(vk::left, left_, false);
    planned_ = false;
}

void Autopilot::hold(int key, bool& held, bool want) {
    if (want && !held) FormKeyDown(g_, key);
    if (!want && held) FormKeyUp(g_, key);
    held = want;
}

// A plan from this moment of play on the grid as it is now, with the
// passability the game loaded with the stage.
void Autopilot::plan() {
    ++replans_;
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r)
            grid_->at(c, r) = g_.map[std::size_t(c + 1)][std::size_t(r + 1)];
    SolveOptions o;
    o.start_column = g_.my.x;
    o.start_row = g_.my.y;
    o.scroll = g_.scroll;
    o.scroll_phase = std::min(g_.scroll_tick, 11);
    o.jump = g_.my.jump;
    o.target_offset = std::clamp(g_.my.target_x - g_.my.x, -1, 1);
    o.analyse_pits = false;
    plan_ = solve_stage(*grid_, g_.pass_lower, g_.pass_upper, o);
    next_ = 1;
    planned_ = true;
    reason_ = plan_.completable ? std::string() : plan_.reason;
}

bool Autopilot::step(const std::function<void()>& tick) {
    if (!planned_ || next_ >= plan_.path.size()) plan();
    if (!plan_.completable) return false;
    const PathStep& p = plan_.path[next_];
    hold(vk::right, right_, p.walk == Walk::right);
    hold(vk::left, left_, p.walk == Walk::left);
    if (p.jump) FormKeyDown(g_, vk::up);
    if (p.attack || ticks_ % 3 == 0) FormKeyDown(g_, 'Z');
    ++ticks_;
    tick();
    take_away_flight(g_);
    FormKeyUp(g_, vk::up);
    FormKeyUp(g_, 'Z');
    const bool on_plan = g_.my.x + g_.scroll == p.cell.column && g_.my.y == p.cell.row &&
                         g_.scroll == p.scroll;
    if (on_plan)
        ++next_;
    else
        planned_ = false;
    return true;
}

void take_away_flight(Game& g) {
    for (tman& it : g.item)
        if (it.alive >= 1 && it.kind == 17) it.alive = 0;
    g.my.fly = 0;
}

} // namespace tsu::testing
