// Spawning effects into the pool: a point effect (with an optional text) or a
// segment effect from a start point to an end point.
#pragma once
#include <string>

namespace tsu {

struct Game;

void spawn_effect(Game& g, int x, int y, int kind, const std::string& text);
void spawn_segment_effect(Game& g, int sx, int sy, int tx, int ty, int kind);

} // namespace tsu
