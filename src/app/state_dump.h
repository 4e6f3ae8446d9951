// The state dump: one JSON object named after the game's state, for tests,
// replays and debugging.
#pragma once
#include <nlohmann/json.hpp>

namespace tsu {

struct Game;
class HeadlessPlatform;

// The game state; with a platform, also the sounds, messages and music it recorded.
nlohmann::ordered_json dump_state(const Game& g, const HeadlessPlatform* platform = nullptr);

} // namespace tsu
