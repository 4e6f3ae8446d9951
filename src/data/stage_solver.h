// The stage solver: can the heroine reach an exit of a stage with her base
// moves alone? It plays the stage tick by tick on the grid, the way the
// player step moves her, and searches every sequence of keys:
//
//   - walking one column a tick (Right or Left held),
//   - the jump: Up while she stands on something, then up to 5 rows of
//     rising, one a tick while the cell above is free, then falling one row
//     a tick; she may walk one column a tick on the way,
//   - a throw (Z) at a treasure box or an ice block in the cell right of
//     her: the shuriken breaks it on the next tick and the cell is free,
//   - the view's scroll: one column every 12 ticks up to column 74, at once
//     when she stands right of view column 21; at view column 0 it pushes
//     her along. Being pushed into a solid cell counts as failure, and so
//     does falling out below row 19.
//
// Enemies, items and power-ups are left out. Among the ways to the exit it
// takes the one that stands on spike floors on the fewest ticks, then the
// shortest. Cells are map columns 0..99 and rows 0..19, as the game counts
// them; ticks count play ticks, 1 being the first tick after the run starts.
#pragma once
#include "data/stage_course.h"
#include "data/stage_dat.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

// One tick of the way: the keys of that tick and where she is after it.
struct PathStep {
    int tick = 0;    // play tick; the first step (tick 0) is the start cell
    Cell cell;       // her cell after the tick
    int scroll = 0;  // the view's scroll after the tick
    Walk walk = Walk::none; // arrow held during the tick
    bool jump = false;      // Up pressed for this tick
    bool attack = false;    // Z pressed for this tick (a throw to the right)
};

// A stretch of the way where she is in the air over a bottomless column:
// a slip there costs a life.
struct PitCrossing {
    int first_column = 0;
    int last_column = 0;
    int first_tick = 0;
    int last_tick = 0;
    bool unavoidable = false; // no way to the exit keeps clear of these columns
};

struct SolveResult {
    bool completable = false;
    std::vector<PathStep> path;         // from the start cell to the exit
    std::vector<Cell> spikes_on_path;   // spike floor cells she stands on, in order
    std::string reason;                 // why not, or a summary of the way
    std::vector<PitCrossing> pits_on_path;
    std::vector<Cell> broken;           // boxes and ice she breaks, in order
    int states = 0;                     // positions the search visited
};

// Where the search starts: a stage start by default, or any moment of play
// (her view cell, the scroll, her rising ticks left and her walk target).
struct SolveOptions {
    int start_row = 17;
    int start_column = 3;       // view column 0..25
    int scroll_phase = 0;       // the scroll's sub-counter when play starts, 0..11
    int scroll = 0;             // the view's scroll 0..74
    int jump = 0;               // rising ticks left 0..5
    int target_offset = 0;      // her walk target relative to her column, -1..1
    bool analyse_pits = true;   // decide for each pit crossing whether it can be avoided
    int max_states = 20'000'000;
    // Set by another thread to stop the search early (it ends as at the limit).
    const std::atomic<bool>* cancel = nullptr;
};

// Solves with the stage start of an ordinary run.
SolveResult solve_stage(const StageGrid& grid, const std::array<int32_t, 100>& pass_lower,
                        const std::array<int32_t, 100>& pass_upper, int start_row = 17);
SolveResult solve_stage(const StageGrid& grid, const std::array<int32_t, 100>& pass_lower,
                        const std::array<int32_t, 100>& pass_upper, const SolveOptions& options);

// A headless input script that starts a run from the title (Enter on ticks
// 1 and 2) and plays the way: arrows down and up as the walk changes, Up and
// Z pressed for one tick. Empty when the stage is not completable.
std::string input_script(const SolveResult& result);

// The way as readable text, one line per tick with a change of keys.
std::string describe_path(const SolveResult& result);

} // namespace tsu
