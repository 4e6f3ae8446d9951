// The blocker index of the enemy step.
#include "game/enemies_occupancy.h"

#include "game/enemies.h"
#include "game/game.h"

namespace tsu {

namespace {
bool is_blocker(const tman& t) { return t.alive >= 1 && t.hp >= 1 && t.kind != kBlastType; }
} // namespace

EnemyOccupancy::EnemyOccupancy(const Game& g) : g_(g), scroll_(g.scroll) {
    for (int s = 0; s < kTekiSlots; ++s) {
        const int c = cell_of(s);
        where_[std::size_t(s)] = int16_t(c);
        if (c >= 0) count_[std::size_t(c)] += 1;
    }
}

int EnemyOccupancy::cell_of(int slot) const {
    const tman& t = g_.teki[std::size_t(slot + 1)];
    if (!is_blocker(t)) return -1;
    const long long c = static_cast<long long>(t.x) - scroll_ + 1;
    const long long r = static_cast<long long>(t.y) + 1;
    if (c < 0 || c >= kColumns || r < 0 || r >= kRows) return -1;
    return int(c * kRows + r);
}

void EnemyOccupancy::refresh(int slot) {
    if (slot < 0 || slot >= kTekiSlots) return;
    const int now = cell_of(slot);
    int16_t& was = where_[std::size_t(slot)];
    if (now == was) return;
    if (was >= 0) count_[std::size_t(was)] -= 1;
    if (now >= 0) count_[std::size_t(now)] += 1;
    was = int16_t(now);
}

bool EnemyOccupancy::blocked(int column, int row, int self) const {
    const long long c = static_cast<long long>(column) - scroll_ + 1;
    const long long r = static_cast<long long>(row) + 1;
    if (c >= 0 && c < kColumns && r >= 0 && r < kRows) {
        const int cell = int(c * kRows + r);
        const int mine = self >= 0 && self < kTekiSlots && where_[std::size_t(self)] == cell;
        return count_[std::size_t(cell)] - mine > 0;
    }
    // Outside the window (an enemy left on a hidden row): ask the pool.
    for (int s = 0; s < kTekiSlots; ++s) {
        if (s == self) continue;
        const tman& o = g_.teki[std::size_t(s + 1)];
        if (is_blocker(o) && o.x == column && o.y == row) return true;
    }
    return false;
}

} // namespace tsu
