// The headless runner: the same game and the same tick as the window, with
// scripted input, screenshots and a state dump instead of a window.
#pragma once
#include "app/command_line.h"

#include <iosfwd>

namespace tsu {

// Runs the game without a window. Events at tick t are delivered after t
// ticks have run; screenshots @T are written after T ticks (before the
// events of tick T). Returns the process exit code: 0, 1 when start-up
// failed (the dump is still written), 2 for a bad script or output file.
int run_headless(const CommandLine& cl, std::ostream& err);

} // namespace tsu
