// The stage solver's verdict on a saved stage, worked out on a worker thread
// so the window keeps its beat. A person's window shows the verdict as soon
// as the worker is done; a scripted run (headless, tests, replays) takes it
// at a fixed tick after the save, waiting for the worker if need be, so the
// same script always gives the same dump.
#pragma once
#include "data/stage_dat.h"
#include "data/stage_solver.h"

#include <string>

namespace tsu {

struct Game;

// Ticks after MAP SAVE at which a scripted run collects the verdict.
inline constexpr int kVerdictTicks = 2;

// The verdict while the worker runs.
inline constexpr const char* kVerdictPending = "checking...";

// The verdict as the info area and the dump show it: "can be finished in N
// ticks", or "cannot be finished: " and the reason (no exit, exit out of
// reach, the start cell is solid), or "undecided: ..." when the search gave up.
std::string verdict_text(const StageGrid& grid, const SolveResult& result);

// Starts the solver on the stage as it is now in the grid, with the current
// passability tables; the previous job, if any, is left to finish unseen.
void start_verdict(Game& g);
// Called every editor tick: takes a finished verdict into the editor state.
void collect_verdict(Game& g);

} // namespace tsu
