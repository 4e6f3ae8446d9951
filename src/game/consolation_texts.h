// What the game says when the heroine is hit: a few comments picked from a
// fixed list cross the view.
#pragma once
#include <array>

namespace tsu {

struct Game;

inline constexpr int kConsolationTexts = 45;
inline constexpr int kConsolationEffect = 106; // a comment crossing the view

extern const std::array<const char*, kConsolationTexts> kConsolation;

// Spawns 2 to 4 comments, each a uniformly drawn entry of kConsolation, as
// effects of kind 106 at (0, 0); the effect pool drops them when text
// effects are off.
void show_consolation_texts(Game& g);

} // namespace tsu
