// Undo and redo of the editor's grid changes.
#include "editor/edit_history.h"

#include "game/game.h"

namespace tsu {

namespace {

bool same(const cell& a, const cell& b) { return a.lower == b.lower && a.upper == b.upper && a.teki == b.teki; }

void set_weather(Game& g, int32_t w) {
    g.stage_weather = w;
    g.my.weather = w;
    if (w >= 0 && w <= 4) g.tenki_down = w;
}

} // namespace

void EditStep::change(const Game& g, int column, int row, const cell& after) {
    for (CellChange& c : cells)
        if (c.column == column && c.row == row) {
            c.after = after;
            return;
        }
    cells.push_back({int16_t(column), int16_t(row), g.map[std::size_t(column)][std::size_t(row)], after});
}

void apply_step(Game& g, const EditStep& step, bool before) {
    for (const CellChange& c : step.cells)
        g.map[std::size_t(c.column)][std::size_t(c.row)] = before ? c.before : c.after;
    if (step.weather) set_weather(g, before ? step.weather_before : step.weather_after);
}

std::vector<cell> grid_snapshot(const Game& g) {
    std::vector<cell> out;
    out.reserve(std::size_t(kMapColumns) * kMapRows);
    for (const auto& column : g.map) out.insert(out.end(), column.begin(), column.end());
    return out;
}

EditStep diff_since(const Game& g, const std::vector<cell>& before, int32_t weather_before) {
    EditStep step;
    for (int c = 0; c < kMapColumns; ++c)
        for (int r = 0; r < kMapRows; ++r) {
            const cell& was = before[std::size_t(c * kMapRows + r)];
            const cell& now = g.map[std::size_t(c)][std::size_t(r)];
            if (!same(was, now)) step.cells.push_back({int16_t(c), int16_t(r), was, now});
        }
    if (weather_before != g.stage_weather) {
        step.weather = true;
        step.weather_before = weather_before;
        step.weather_after = g.stage_weather;
    }
    return step;
}

void EditHistory::push(EditStep step) {
    if (step.empty()) return;
    undone_.clear();
    done_.push_back(std::move(step));
    while (done_.size() > kLimit) done_.pop_front();
}

bool EditHistory::undo(Game& g) {
    if (done_.empty()) return false;
    apply_step(g, done_.back(), true);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool EditHistory::redo(Game& g) {
    if (undone_.empty()) return false;
    apply_step(g, undone_.back(), false);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

void EditHistory::clear() {
    done_.clear();
    undone_.clear();
}

} // namespace tsu
