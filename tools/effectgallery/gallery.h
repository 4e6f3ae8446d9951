// Running effects and weathers on a bare play view for the gallery.
#pragma once
#include "game/game.h"
#include "sheet.h"

#include <vector>

namespace tsu::gallery {

// The frames of one effect kind spawned at the middle of a black view:
// early, middle and late in its life, each shrunk to half size. With
// `full` the frames keep their size.
std::vector<Tile> kind_frames(Game& g, int kind, bool full = false);

// Frames of a running weather (frames 1, 20 and 60, and for the storm the
// first tick a thunderclap lights the view), at full size.
std::vector<Tile> weather_frames(Game& g, int weather);

} // namespace tsu::gallery
