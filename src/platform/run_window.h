// The windowed game: SDL start-up, the game object, the event loop with the
// 80 ms tick, and an orderly end.
#pragma once
#include "app/command_line.h"
#include "app/settings.h"

namespace tsu {

// Runs the game in a window until it is closed (or, with `ticks` > 0, until
// that many ticks have run). Honours root, seed, scale, full screen, and for
// reproducible runs input (scripted events and answers), ticks, shots (read
// back from the presented window at scale 1), dump and replay. Keys and
// gamepads follow the settings' bindings; every run that plays no replay is
// recorded into replays/ of the user data folder. Returns the process exit
// code: 0 after a normal close, 1 when SDL or the game's start-up failed, 2
// for a replay that cannot be played or a dump that cannot be written.
int run_window(const CommandLine& cl, Settings& settings);

} // namespace tsu
