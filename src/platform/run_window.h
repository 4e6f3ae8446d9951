// The windowed game: SDL start-up, the game object, the event loop with the
// 80 ms tick, and an orderly end.
#pragma once
#include "app/command_line.h"

namespace tsu {

// Runs the game in a window until it is closed (or, with `ticks` > 0, until
// that many ticks have run). Honours root, seed, scale, and for reproducible
// runs input (scripted events and answers), ticks and shots (read back from
// the presented window at scale 1). Returns the process exit code: 0 after a
// normal close, 1 when SDL or the game's start-up failed.
int run_window(const CommandLine& cl);

} // namespace tsu
