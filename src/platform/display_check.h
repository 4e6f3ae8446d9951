// Whether SDL found a display the player can see. Without one SDL falls back
// to its off-screen driver, and the game would run invisibly until killed;
// the off-screen and dummy drivers are for runs that ask for them by name
// (SDL_VIDEODRIVER), such as tests.
#pragma once
#include <string>

namespace tsu {

// True when `driver` (SDL's current video driver) draws nowhere a person can
// see and was not named in `requested` (SDL_VIDEODRIVER: one name or a
// comma-separated list, any case; null or empty when unset).
bool invisible_driver_unasked(const char* driver, const char* requested);

// After SDL's video start: empty when the window can be shown, else the
// reason to give on stderr.
std::string display_problem();

} // namespace tsu
