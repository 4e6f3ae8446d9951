// Gold ("両"): adding it with the combo bonus, the milestone texts.
#pragma once
#include <string>

namespace tsu {

struct Game;

// Extra gold a coin is worth at a combo count.
int combo_bonus(int combo);
// Adds gold: coins (20 or less) are worth a third plus the combo bonus,
// gems keep their value; shows "+N両" above the heroine.
void add_gold(Game& g, int amount);
// The milestone text number `index` (0..15) for `value` gold.
std::string milestone_text(int index, int value);
// Shows the milestone texts for a new thousand of gold (1000..10000), once each per run.
void check_gold_milestones(Game& g);

} // namespace tsu
