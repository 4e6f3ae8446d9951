// Traps: places of a stage where the heroine can get stuck for good. A trap
// is a moment of play she can reach from the start with her base moves
// (walking, jumping, throwing at boxes and ice, carried by the view's
// scroll) from which neither an exit nor a fall out of the view can be
// reached any more. Only the warp or losing the run would end it.
//
// While the view still scrolls it carries her along (through walls, as the
// game does), so every trap ends at the final scroll: the finder explores
// every moment reachable from the starts and then, at the final scroll,
// works back from the exits and the falls. It also lists the cells at the
// final scroll that the status gauge at the bottom left covers and she can
// reach: there she would stand, fall or be stuck out of sight.
#pragma once
#include "data/stage_course.h"
#include "data/stage_dat.h"

#include <string>
#include <vector>

namespace tsu {

// The gauge frame covers the view from x 0 to 159 and y 364 to 383: view
// columns 0..7, most of row 18 and row 19.
inline constexpr int kGaugeColumns = 8;
inline constexpr int kGaugeFirstRow = 18;

struct TrapOptions {
    std::vector<int> start_rows{17}; // each with every scroll phase 0..11
    int start_column = 3;            // view column
    int max_states = 8'000'000;
};

struct StageTraps {
    std::vector<Cell> traps;  // map cells she can stand in, stuck for good (sorted)
    std::vector<Cell> hidden; // map cells behind the gauge at the final scroll (sorted)
    int stuck_states = 0;     // moments of play (final scroll) with no way out
    int states = 0;           // moments of play explored
    bool limit = false;       // the exploration stopped at max_states: nothing is proven
    // A line for a test or the tool: the traps and hidden cells, or "none".
    std::string summary() const;
};

StageTraps find_traps(const StageGrid& grid, const PassTable& pass_lower, const PassTable& pass_upper,
                      const TrapOptions& options = {});

} // namespace tsu
