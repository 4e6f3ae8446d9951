// The internet ranking in the state dump: the table's players, the order of
// each stage set, the set and page shown and the texts on that page.
#pragma once
#include <nlohmann/json.hpp>

namespace tsu {

struct Game;

// Adds "ranking", "ir_order", "ir_set", "ir_page" and "ranking_lines".
void dump_ranking(const Game& g, nlohmann::ordered_json& j);

} // namespace tsu
