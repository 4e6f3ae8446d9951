// The status display of play: stocks, lives, gauges, gold and combo.
#pragma once

namespace tsu {

struct Game;

void status_display(Game& g);

} // namespace tsu
