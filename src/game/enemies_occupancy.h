// Where the standing enemies are during one enemy step, so that an enemy's
// way can be tested without walking the whole pool. A standing enemy (a
// blocker) is alive, has hp left and is not a blast. The index covers the
// cells around the view (one column and one row beyond each edge), which is
// everywhere an enemy in view can step; other cells are answered by walking
// the pool.
#pragma once
#include <array>
#include <cstdint>

namespace tsu {

struct Game;

class EnemyOccupancy {
  public:
    // Indexes every blocker of the pool around the current view.
    explicit EnemyOccupancy(const Game& g);
    // Re-reads pool slot `slot` after it moved, was freed or was spawned into.
    void refresh(int slot);
    // True when a blocker other than the one in slot `self` stands on map
    // column `column`, row `row`.
    bool blocked(int column, int row, int self) const;

    static constexpr int kColumns = 28; // view columns -1..26
    static constexpr int kRows = 22;    // rows -1..20

  private:
    int cell_of(int slot) const; // window cell of a blocker, -1 otherwise
    const Game& g_;
    int scroll_;
    std::array<int16_t, 1000> where_{};             // window cell per slot, -1 none
    std::array<int16_t, kColumns * kRows> count_{}; // blockers per window cell
};

} // namespace tsu
