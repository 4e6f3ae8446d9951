// The editor's undo and redo: every step is the list of grid cells it
// changed, each with its value before and after (and the weather, for a
// load), so a step costs only what it touched. One paint drag, one clear or
// one load is one step; the oldest steps are dropped past the limit.
#pragma once
#include "game/tman.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace tsu {

struct Game;

struct CellChange {
    int16_t column = 0; // index into g.map (map column + 1)
    int16_t row = 0;    // index into g.map (row + 1)
    cell before;
    cell after;
};

struct EditStep {
    std::vector<CellChange> cells;
    bool weather = false; // the step also changed the stage's weather
    int32_t weather_before = 0;
    int32_t weather_after = 0;

    bool empty() const { return cells.empty() && !weather; }
    // Records that map[column][row] goes to `after`: the first record of a
    // cell keeps its old value, later ones only move its new value.
    void change(const Game& g, int column, int row, const cell& after);
};

// Writes the grid as `step` found it (before = true) or left it.
void apply_step(Game& g, const EditStep& step, bool before);

// The whole grid, row by row of g.map, for a later diff_since.
std::vector<cell> grid_snapshot(const Game& g);
// The step that took the grid from `before` (a snapshot) and the weather
// `weather_before` to what they are now.
EditStep diff_since(const Game& g, const std::vector<cell>& before, int32_t weather_before);

class EditHistory {
  public:
    static constexpr std::size_t kLimit = 200;

    // A new step done: redo is gone.
    void push(EditStep step);
    // Undoes the last step (true when there was one).
    bool undo(Game& g);
    bool redo(Game& g);
    void clear();

    std::size_t undo_depth() const { return done_.size(); }
    std::size_t redo_depth() const { return undone_.size(); }

  private:
    std::deque<EditStep> done_;
    std::vector<EditStep> undone_;
};

} // namespace tsu
