// The ranking screen's order: for each stage set, the table's entries by
// score, best first.
#pragma once
#include "ranking/tplayer.h"

#include <array>
#include <cstdint>

namespace tsu {

// ir_order[s][k]: entry index (into the table) at rank k + 1 of set s;
// 0 = no player.
using IrOrder = std::array<std::array<int32_t, kRankingEntries>, kStageSets>;

// Fills `ir_order` from the table. Entry 0's seven scores are zeroed first
// (the notice entry never holds a player). A player is listed when it has a
// name and its score is at least 0; among equal scores the entry later in
// the answer ranks higher.
void ir_sort(RankingTable& ranking, IrOrder& ir_order);

} // namespace tsu
