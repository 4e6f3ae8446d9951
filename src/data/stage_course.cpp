// The heroine's tick on a stage grid (see stage_course.h).
#include "data/stage_course.h"

#include <algorithm>
#include <cstdlib>

namespace tsu::solver {

Course::Course(const StageGrid& grid, const PassTable& lower, const PassTable& upper)
    : grid_(grid), lower_(lower), upper_(upper) {
    index_.fill(-1);
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r <= kBorderRow; ++r) {
            const int u = grid.at(c, r).upper;
            if (u == kBoxChip || u == kIceChip) {
                index_[std::size_t(c * (kBorderRow + 1) + r)] = int(cells_.size());
                cells_.push_back(Cell{c, r});
            }
        }
    words_ = (cells_.size() + 63) / 64;
    std::vector<Cell> exits;
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r <= kLastRow; ++r)
            if (grid.at(c, r).lower == kExitChip) exits.push_back(Cell{c, r});
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r <= kLastRow; ++r) {
            int best = 1 << 20;
            for (const Cell& e : exits)
                best = std::min(best, std::max(std::abs(e.column - c), std::abs(e.row - r)));
            ahead_[std::size_t(c * (kLastRow + 1) + r)] = best;
        }
    intern(std::vector<uint64_t>(words_, 0));
}

int Course::ticks_to_exit(int c, int r) const {
    return ahead_[std::size_t(std::clamp(c, 0, kStageColumns - 1) * (kLastRow + 1) +
                              std::clamp(r, 0, kLastRow))];
}

uint32_t Course::intern(const std::vector<uint64_t>& set) {
    auto [it, added] = mask_ids_.try_emplace(set, uint32_t(masks_.size()));
    if (added) masks_.push_back(set);
    return it->second;
}

uint32_t Course::with_broken(uint32_t mask, int index) {
    std::vector<uint64_t> set = masks_[mask];
    set[std::size_t(index / 64)] |= uint64_t(1) << (index % 64);
    return intern(set);
}

uint32_t Course::forget_left_of(uint32_t mask, int column) {
    if (mask == 0) return 0; // the set of nothing broken is interned first
    const auto key = std::make_pair(mask, column);
    if (const auto it = forgotten_.find(key); it != forgotten_.end()) return it->second;
    std::vector<uint64_t> set = masks_[mask];
    for (std::size_t i = 0; i < cells_.size() && cells_[i].column < column; ++i)
        set[i / 64] &= ~(uint64_t(1) << (i % 64));
    const uint32_t id = intern(set);
    forgotten_.emplace(key, id);
    return id;
}

int Course::upper(int c, int r, uint32_t mask) const {
    if (c < 0 || c >= kStageColumns || r < 0) return 0;
    const int b = breakable(c, r);
    if (b >= 0 && broken(mask, b)) return 0;
    return grid_.at(c, std::min(r, kStageRows - 1)).upper;
}

bool Course::bottomless(int c, int y, uint32_t mask) const {
    for (int r = y + 1; r <= kBorderRow; ++r)
        if (solid(c, r, mask)) return false;
    return true;
}

Tick Course::step(const State& s, const Action& a) {
    Tick t;
    auto invalid = [&t]() -> Tick& {
        t.outcome = Outcome::invalid;
        return t;
    };
    State n = s;
    const int shot_column = s.shot ? s.column() : -1, shot_row = s.y;
    const uint32_t mask = s.mask;

    n.phase = s.phase + 1;
    if (n.phase >= kScrollPeriod) {
        n.phase = 0;
        if (n.scroll < kScrollMax) {
            n.scroll += 1;
            n.vx -= 1;
        }
    }
    auto solid_at = [&](int x, int r) { return solid(x + n.scroll, r, mask); };

    int tx = a.walk == Walk::right ? n.vx + 1 : a.walk == Walk::left ? n.vx - 1 : n.vx + s.tdx;
    if (a.jump) {
        if (!solid_at(n.vx, n.y + 1)) return invalid();
        n.jump = kJumpTicks;
    }
    if (n.vx < tx) {
        if (solid_at(n.vx + 1, n.y))
            tx = n.vx;
        else
            n.vx += 1;
    }
    if (tx < n.vx) {
        if (solid_at(n.vx - 1, n.y))
            tx = n.vx;
        else
            n.vx -= 1;
    }
    if (upper(n.vx + 1 + n.scroll, n.y, mask) == kBoxChip) tx = n.vx;
    if (n.jump < 1) {
        if (!solid_at(n.vx, n.y + 1)) n.y += 1;
    } else {
        n.jump -= 1;
        if (!solid_at(n.vx, n.y - 1)) n.y -= 1;
    }

    // Her shuriken, thrown last tick from her cell, flies one column.
    bool shot_alive = false;
    if (shot_column >= 0 && shot_column - n.scroll >= 0) {
        const int to = shot_column + 1;
        shot_alive = lower_pass(to, shot_row) != 1 && to - n.scroll <= kLastViewColumn;
    }

    if (n.vx < 0) n.vx = 0;
    if (n.vx > kLastViewColumn) n.vx = kLastViewColumn;
    if (n.vx > kPushColumn) n.phase = kScrollPeriod - 1;
    if (n.scroll >= kScrollMax) n.phase = 0; // no more scrolling: the phase is moot
    if (n.y < 0) n.y = 0;
    if (n.y > kLastRow) {
        t.outcome = Outcome::fell;
        return t;
    }
    if (solid_at(n.vx, n.y)) {
        t.outcome = Outcome::pushed_in;
        return t;
    }
    n.tdx = std::clamp(tx - n.vx, -1, 1);

    if (shot_alive) {
        const int b = breakable(shot_column + 1, shot_row);
        if (b >= 0 && !broken(mask, b)) {
            n.mask = with_broken(mask, b);
            t.broke = b;
        }
    }
    if (lower(n.column(), n.y) == kExitChip) t.outcome = Outcome::exit;
    t.on_spikes = lower(n.column(), n.y + 1) == kSpikeChip;

    // Z at the end of the tick: a shuriken from her own cell (not with
    // Right held, which throws from the next column), only worth it with
    // something to break beside her.
    n.shot = false;
    if (a.attack) {
        if (a.walk == Walk::right) return invalid();
        const int b = breakable(n.column() + 1, n.y);
        if (b < 0 || broken(n.mask, b)) return invalid();
        n.shot = true;
    }
    t.next = n;
    return t;
}

} // namespace tsu::solver
