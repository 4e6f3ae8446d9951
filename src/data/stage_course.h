// The heroine's tick on a stage grid as a pure function of a small state:
// the world the stage solver searches and the trap finder explores. It
// moves her the way the player step does (keys, jump, walk, the box stop,
// gravity, her shuriken, the view's bounds) under the view's scroll.
#pragma once
#include "data/stage_dat.h"

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace tsu {

enum class Walk : uint8_t { none, right, left };

struct Cell {
    int column = 0; // map column 0..99
    int row = 0;    // row 0..19
    bool operator==(const Cell&) const = default;
};

namespace solver {

inline constexpr int kLastViewColumn = 25; // right-most view column
inline constexpr int kPushColumn = 21;     // right of it the view scrolls every tick
inline constexpr int kScrollMax = 74;      // the view stops with columns 74..99 in sight
inline constexpr int kScrollPeriod = 12;   // ticks per column of the automatic scroll
inline constexpr int kLastRow = 19;        // below it she has fallen out
inline constexpr int kBorderRow = 20;      // the floor border just below the view
inline constexpr int kJumpTicks = 5;
inline constexpr int kExitChip = 6;        // lower chip
inline constexpr int kSpikeChip = 13;      // lower chip
inline constexpr int kBoxChip = 6;         // upper chip: stops her walk, breaks
inline constexpr int kIceChip = 8;         // upper chip: breaks

// Where she is between two ticks. `tdx` is her walk target relative to her
// column: -1 after the view's push left her target behind, +1 after she
// walked against the right end of the map, else 0.
struct State {
    int vx = 0;     // view column 0..25
    int y = 0;      // row 0..19
    int jump = 0;   // rising ticks left 0..5
    int scroll = 0; // 0..74
    int phase = 0;  // the scroll's sub-counter 0..11 (11 also stands for "scroll next tick")
    int tdx = 0;
    bool shot = false; // a shuriken thrown this tick lies in her cell
    uint32_t mask = 0; // which breakable cells are gone (an interned set)

    int column() const { return vx + scroll; }
    uint64_t key() const {
        uint64_t k = uint64_t(vx);
        k = k << 5 | uint64_t(y);
        k = k << 3 | uint64_t(jump);
        k = k << 7 | uint64_t(scroll);
        k = k << 4 | uint64_t(phase);
        k = k << 2 | uint64_t(tdx + 1);
        k = k << 1 | uint64_t(shot ? 1 : 0);
        return k | uint64_t(mask) << 32;
    }
};

// The keys of one tick.
struct Action {
    Walk walk = Walk::none;
    bool jump = false;
    bool attack = false;
    uint8_t code() const {
        return uint8_t(uint8_t(walk) | (jump ? 4 : 0) | (attack ? 8 : 0));
    }
    static Action from(uint8_t c) { return Action{Walk(c & 3), (c & 4) != 0, (c & 8) != 0}; }
    static bool valid_code(uint8_t c) { return c < 16 && (c & 3) != 3; }
};

// What a tick came to: on she goes (`next`), she fell out below the view or
// the view's push squeezed her into a solid cell (both cost a life), she
// reached an exit, or the keys cannot be pressed there.
enum class Outcome { go, fell, pushed_in, exit, invalid };

struct Tick {
    Outcome outcome = Outcome::go;
    State next;
    bool on_spikes = false;
    int broke = -1; // index of the breakable cell the shuriken broke
};

class Course {
  public:
    Course(const StageGrid& grid, const PassTable& lower, const PassTable& upper);

    const std::vector<Cell>& breakables() const { return cells_; }
    // Fewest ticks from a cell to the nearest exit, walls aside.
    int ticks_to_exit(int c, int r) const;

    uint32_t with_broken(uint32_t mask, int index);
    // The same set without the cells left of `column`: once the view has
    // left them behind they no longer matter, and forgetting them keeps the
    // number of distinct sets small.
    uint32_t forget_left_of(uint32_t mask, int column);
    bool broken(uint32_t mask, int index) const {
        return (masks_[mask][std::size_t(index / 64)] >> (index % 64) & 1) != 0;
    }

    // The chips of a map cell; outside the grid (left of column 0, right of
    // column 99, above row 0) the game's map is empty.
    int lower(int c, int r) const {
        if (c < 0 || c >= kStageColumns || r < 0) return 0;
        return grid_.at(c, std::min(r, kStageRows - 1)).lower;
    }
    int upper(int c, int r, uint32_t mask) const;
    int breakable(int c, int r) const {
        if (c < 0 || c >= kStageColumns || r < 0 || r > kBorderRow) return -1;
        return index_[std::size_t(c * (kBorderRow + 1) + r)];
    }
    bool solid(int c, int r, uint32_t mask) const {
        return pass(lower_, lower(c, r)) != 0 || pass(upper_, upper(c, r, mask)) != 0;
    }
    int lower_pass(int c, int r) const { return pass(lower_, lower(c, r)); }
    // Nothing solid between the row below her and the floor border.
    bool bottomless(int c, int y, uint32_t mask) const;

    // One tick of play from `s` with the keys of `a`, in the order of the
    // main tick: scroll, collision pass, player step, collision pass, Z.
    Tick step(const State& s, const Action& a);

  private:
    static int pass(const PassTable& t, int chip) {
        return chip < 0 || chip > 99 ? 0 : t[std::size_t(chip)];
    }
    uint32_t intern(const std::vector<uint64_t>& set);

    const StageGrid& grid_;
    const PassTable& lower_;
    const PassTable& upper_;
    std::array<int, kStageColumns*(kBorderRow + 1)> index_{};
    std::vector<Cell> cells_;
    std::array<int, kStageColumns*(kLastRow + 1)> ahead_{};
    std::size_t words_ = 0;
    std::vector<std::vector<uint64_t>> masks_;
    std::map<std::vector<uint64_t>, uint32_t> mask_ids_;
    std::map<std::pair<uint32_t, int>, uint32_t> forgotten_;
};

} // namespace solver
} // namespace tsu
